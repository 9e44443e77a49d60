#pragma once
// The one-line prompt: File > Rename, and dressed otherwise by Go to Line and
// Number Lines.
#include <functional>
#include <string>

#include "win/Dialog.h"

namespace dialogs {

struct RenameBoxDressing {
  std::wstring caption = L"Tarnwick - Rename";
  std::wstring label = L"&New Name:";
  std::wstring explanation = L"If the file is on disk, this will also rename the file.";
  std::wstring text;          // the field when the dialog opens
  bool digitsOnly = false;
  int maxLength = 0;          // 0: no limit
  int helpTopic = 57;         // the Help button, and F1 outside the field
  int fieldHelpTopic = 0;     // F1 on the field or its label; 0: helpTopic
};

class TRenameBox : public win::Dialog {
 public:
  TRenameBox(RenameBoxDressing dressing, std::function<void(int topic)> showHelp);

  // The field as confirmed with OK.
  const std::wstring& text() const { return text_; }

 protected:
  bool OnInit() override;
  bool OnCommand(int id, int code, HWND control) override;
  void OnOK() override;
  bool OnMessage(UINT message, WPARAM wParam, LPARAM lParam, INT_PTR& result) override;

 private:
  void EditChange();

  RenameBoxDressing dressing_;
  std::function<void(int)> showHelp_;
  std::wstring text_;
};

}  // namespace dialogs
