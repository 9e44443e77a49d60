#pragma once
// Search > Replace: a dialog that stays on top, made on first use and kept, hidden
// or shown, with what the user left in it.
#include <functional>
#include <string>

#include "dialogs/SearchForm.h"
#include "win/Dialog.h"

namespace dialogs {

struct ReplaceActions {
  std::function<void()> findNext;
  std::function<void()> replace;
  std::function<void()> replaceAll;
  std::function<void(int topic)> showHelp;
};

class TReplaceForm : public win::Dialog {
 public:
  explicit TReplaceForm(ReplaceActions actions);

  // Makes the dialog on the first call, then shows it with the focus in the search field.
  void Present(HWND owner);

  SearchRequest request() const;
  std::wstring replacement() const;

 protected:
  bool OnInit() override;
  bool OnCommand(int id, int code, HWND control) override;
  bool OnMessage(UINT message, WPARAM wParam, LPARAM lParam, INT_PTR& result) override;

 private:
  void SearchChange();

  ReplaceActions actions_;
};

}  // namespace dialogs
