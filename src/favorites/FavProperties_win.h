#pragma once
// A favorite's Properties: its title and the file it opens, with a browse button
// and a note while no file of that name exists.
#include <functional>
#include <string>

#include "win/Dialog.h"
#include "win/Prompt.h"

namespace favorites {

class TFavProperties : public win::Dialog {
 public:
  struct Fields {
    std::wstring title;
    std::wstring fileName;
  };
  // `openFilter` is the main window's Open dialog's filter, used by "...".
  TFavProperties(Fields fields, win::Prompter& prompter, std::wstring openFilter, std::function<void(int)> showHelp);

  // The fields as confirmed with OK.
  const Fields& fields() const { return fields_; }

 protected:
  bool OnInit() override;
  bool OnCommand(int id, int code, HWND control) override;
  void OnOK() override;

 private:
  void FileNameChange();
  void Browse();

  Fields fields_;
  win::Prompter& prompter_;
  std::wstring openFilter_;
  std::function<void(int)> showHelp_;
};

}  // namespace favorites
