#pragma once
// File > New: choose a file type and extension, optionally with the type's template.
#include <functional>
#include <string>
#include <vector>

#include "config/Profile.h"
#include "win/Dialog.h"

namespace dialogs {

class TNewFile : public win::Dialog {
 public:
  TNewFile(const config::Profile& profile, std::wstring programFolder, std::function<void(int topic)> showHelp);

  // What the dialog settled on; read after it closed with OK.
  int format() const { return format_; }
  const std::wstring& extensionText() const { return extensionText_; }  // "*.txt"
  // The template to load: found for the type and "Load Template" ticked; else empty.
  std::wstring templatePath() const { return loadTemplate_ ? templatePath_ : std::wstring(); }

  void FileTypeClick(int typeNumber);  // counted from 1

 protected:
  bool OnInit() override;
  bool OnCommand(int id, int code, HWND control) override;
  void OnOK() override;

 private:
  const config::Profile& profile_;
  std::wstring programFolder_;
  std::function<void(int)> showHelp_;
  int format_ = 0;
  std::wstring extensionText_;
  std::wstring templatePath_;
  bool loadTemplate_ = false;
};

}  // namespace dialogs
