#include "dialogs/RenameBox.h"

#include <windows.h>

#include "dialogs/RenameBoxIds.h"

namespace dialogs {

TRenameBox::TRenameBox(RenameBoxDressing dressing, std::function<void(int)> showHelp)
    : win::Dialog(IDD_RENAMEBOX), dressing_(std::move(dressing)), showHelp_(std::move(showHelp)) {}

bool TRenameBox::OnInit() {
  ::SetWindowTextW(hwnd(), dressing_.caption.c_str());
  SetText(IDC_RENAME_LABEL, dressing_.label);
  SetText(IDC_RENAME_TEXT, dressing_.explanation);
  HWND edit = Item(IDC_RENAME_EDIT);
  if (dressing_.digitsOnly) ::SetWindowLongW(edit, GWL_STYLE, ::GetWindowLongW(edit, GWL_STYLE) | ES_NUMBER);
  if (dressing_.maxLength > 0) ::SendMessageW(edit, EM_LIMITTEXT, static_cast<WPARAM>(dressing_.maxLength), 0);
  SetText(IDC_RENAME_EDIT, dressing_.text);
  EditChange();
  return true;
}

void TRenameBox::EditChange() { Enable(IDOK, ::GetWindowTextLengthW(Item(IDC_RENAME_EDIT)) > 0); }

bool TRenameBox::OnCommand(int id, int code, HWND control) {
  if (id == IDC_RENAME_EDIT && code == EN_CHANGE) {
    EditChange();
    return true;
  }
  if (id == IDC_RENAME_HELP) {
    if (showHelp_) showHelp_(dressing_.helpTopic);
    return true;
  }
  return win::Dialog::OnCommand(id, code, control);
}

void TRenameBox::OnOK() {
  // Enter reaches here even while OK is disabled.
  if (!::IsWindowEnabled(Item(IDOK))) return;
  text_ = Text(IDC_RENAME_EDIT);
  End(IDOK);
}

bool TRenameBox::OnMessage(UINT message, WPARAM, LPARAM lParam, INT_PTR& result) {
  if (message != WM_HELP) return false;
  const auto* info = reinterpret_cast<const HELPINFO*>(lParam);
  bool field = info->iCtrlId == IDC_RENAME_EDIT || info->iCtrlId == IDC_RENAME_LABEL;
  int topic = field && dressing_.fieldHelpTopic ? dressing_.fieldHelpTopic : dressing_.helpTopic;
  if (showHelp_) showHelp_(topic);
  result = TRUE;
  return true;
}

}  // namespace dialogs
