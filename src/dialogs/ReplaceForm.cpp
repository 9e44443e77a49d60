#include "dialogs/ReplaceForm.h"

#include <windows.h>

#include "dialogs/ReplaceFormIds.h"

namespace dialogs {
namespace {
constexpr int kMaxFieldLength = 250;
constexpr int kReplaceHelpTopic = 100;
}  // namespace

TReplaceForm::TReplaceForm(ReplaceActions actions) : win::Dialog(IDD_REPLACEFORM), actions_(std::move(actions)) {}

void TReplaceForm::Present(HWND owner) {
  if (!hwnd() && !CreateModeless(owner)) return;
  ::ShowWindow(hwnd(), SW_SHOW);
  ::SendMessageW(hwnd(), WM_NEXTDLGCTL, reinterpret_cast<WPARAM>(Item(IDC_REPLACE_SEARCH)), TRUE);
}

bool TReplaceForm::OnInit() {
  ::SendMessageW(Item(IDC_REPLACE_SEARCH), EM_LIMITTEXT, kMaxFieldLength, 0);
  ::SendMessageW(Item(IDC_REPLACE_WITH), EM_LIMITTEXT, kMaxFieldLength, 0);
  SetChecked(IDC_REPLACE_CURRENT, true);
  SearchChange();
  return true;
}

void TReplaceForm::SearchChange() {
  bool any = ::GetWindowTextLengthW(Item(IDC_REPLACE_SEARCH)) > 0;
  for (int id : {IDC_REPLACE_FIND_NEXT, IDC_REPLACE_ONE, IDC_REPLACE_EVERYWHERE}) Enable(id, any);
}

SearchRequest TReplaceForm::request() const {
  SearchRequest request;
  request.text = Text(IDC_REPLACE_SEARCH);
  request.matchCase = Checked(IDC_REPLACE_CASE);
  request.wholeWord = Checked(IDC_REPLACE_WHOLE);
  request.allDocuments = Checked(IDC_REPLACE_ALL_DOCUMENTS);
  return request;
}

std::wstring TReplaceForm::replacement() const { return Text(IDC_REPLACE_WITH); }

bool TReplaceForm::OnCommand(int id, int code, HWND control) {
  if (id == IDC_REPLACE_SEARCH && code == EN_CHANGE) {
    SearchChange();
    return true;
  }
  const std::function<void()>* action = nullptr;
  if (id == IDC_REPLACE_FIND_NEXT) action = &actions_.findNext;
  if (id == IDC_REPLACE_ONE) action = &actions_.replace;
  if (id == IDC_REPLACE_EVERYWHERE) action = &actions_.replaceAll;
  if (action) {
    // Enter presses the default button even while it is disabled.
    if (::IsWindowEnabled(Item(id)) && *action) (*action)();
    return true;
  }
  if (id == IDC_REPLACE_HELP) {
    if (actions_.showHelp) actions_.showHelp(kReplaceHelpTopic);
    return true;
  }
  return win::Dialog::OnCommand(id, code, control);
}

bool TReplaceForm::OnMessage(UINT message, WPARAM, LPARAM lParam, INT_PTR& result) {
  if (message != WM_HELP) return false;
  int topic = SearchHelpContext(reinterpret_cast<const HELPINFO*>(lParam)->iCtrlId);
  if (actions_.showHelp) actions_.showHelp(topic ? topic : kReplaceHelpTopic);
  result = TRUE;
  return true;
}

}  // namespace dialogs
