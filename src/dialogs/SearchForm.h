#pragma once
// Search > Find: the text to look for and how.
#include <functional>
#include <string>

#include "win/Dialog.h"

namespace dialogs {

struct SearchRequest {
  std::wstring text;
  bool matchCase = false;
  bool wholeWord = false;
  bool allDocuments = false;
};

class TSearchForm : public win::Dialog {
 public:
  TSearchForm(std::wstring lastSearch, std::function<void(int topic)> showHelp);

  // What the user asked for; read after the dialog closed with OK.
  const SearchRequest& request() const { return request_; }

 protected:
  bool OnInit() override;
  bool OnCommand(int id, int code, HWND control) override;
  void OnOK() override;
  bool OnMessage(UINT message, WPARAM wParam, LPARAM lParam, INT_PTR& result) override;

 private:
  std::wstring lastSearch_;
  std::function<void(int)> showHelp_;
  SearchRequest request_;
};

// F1 topics of the controls the Find and Replace dialogs share; 0 for others.
int SearchHelpContext(int control);

}  // namespace dialogs
