#include "dialogs/SearchForm.h"

#include <windows.h>

#include "dialogs/ReplaceFormIds.h"
#include "dialogs/SearchFormIds.h"

namespace dialogs {
namespace {
constexpr int kMaxSearchLength = 250;
constexpr int kFindHelpTopic = 99;
}  // namespace

int SearchHelpContext(int control) {
  switch (control) {
    case IDC_FIND_LABEL:
    case IDC_FIND_EDIT: return 101;
    case IDC_REPLACE_LABEL:
    case IDC_REPLACE_SEARCH: return 104;
    case IDC_REPLACE_WITH_LABEL:
    case IDC_REPLACE_WITH: return 105;
    case IDC_FIND_CASE:
    case IDC_REPLACE_CASE: return 102;
    case IDC_FIND_SCOPE_LABEL:
    case IDC_FIND_CURRENT:
    case IDC_FIND_ALL:
    case IDC_REPLACE_SCOPE_LABEL:
    case IDC_REPLACE_CURRENT:
    case IDC_REPLACE_ALL_DOCUMENTS: return 103;
    case IDC_FIND_WHOLE:
    case IDC_REPLACE_WHOLE: return 110;
    default: return 0;
  }
}

TSearchForm::TSearchForm(std::wstring lastSearch, std::function<void(int)> showHelp)
    : win::Dialog(IDD_SEARCHFORM), lastSearch_(std::move(lastSearch)), showHelp_(std::move(showHelp)) {}

bool TSearchForm::OnInit() {
  ::SendMessageW(Item(IDC_FIND_EDIT), EM_LIMITTEXT, kMaxSearchLength, 0);
  SetChecked(IDC_FIND_CURRENT, true);
  SetText(IDC_FIND_EDIT, lastSearch_);
  Enable(IDOK, !lastSearch_.empty());
  return true;
}

bool TSearchForm::OnCommand(int id, int code, HWND control) {
  if (id == IDC_FIND_EDIT && code == EN_CHANGE) {
    Enable(IDOK, ::GetWindowTextLengthW(control) > 0);
    return true;
  }
  if (id == IDC_FIND_HELP) {
    if (showHelp_) showHelp_(kFindHelpTopic);
    return true;
  }
  return win::Dialog::OnCommand(id, code, control);
}

void TSearchForm::OnOK() {
  if (!::IsWindowEnabled(Item(IDOK))) return;
  request_.text = Text(IDC_FIND_EDIT);
  request_.matchCase = Checked(IDC_FIND_CASE);
  request_.wholeWord = Checked(IDC_FIND_WHOLE);
  request_.allDocuments = Checked(IDC_FIND_ALL);
  End(IDOK);
}

bool TSearchForm::OnMessage(UINT message, WPARAM, LPARAM lParam, INT_PTR& result) {
  if (message != WM_HELP) return false;
  int topic = SearchHelpContext(reinterpret_cast<const HELPINFO*>(lParam)->iCtrlId);
  if (showHelp_) showHelp_(topic ? topic : kFindHelpTopic);
  result = TRUE;
  return true;
}

}  // namespace dialogs
