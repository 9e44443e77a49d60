#pragma once
// Base of the program's dialogs, each made from a resource template.
#include <windows.h>

#include <functional>
#include <string>

namespace win {

class Dialog {
 public:
  explicit Dialog(int templateId) : templateId_(templateId) {}
  virtual ~Dialog();
  Dialog(const Dialog&) = delete;
  Dialog& operator=(const Dialog&) = delete;

  // Runs the dialog; returns the code given to End (IDOK, IDCANCEL, ...).
  INT_PTR ShowModal(HWND owner);
  // Creates the dialog without showing it; the message loop serves its keys.
  HWND CreateModeless(HWND owner);

  HWND hwnd() const { return hwnd_; }
  HWND Item(int id) const { return ::GetDlgItem(hwnd_, id); }
  std::wstring Text(int id) const;
  void SetText(int id, const std::wstring& text) const;
  bool Checked(int id) const;
  void SetChecked(int id, bool checked) const;
  void Enable(int id, bool enabled) const;
  void End(INT_PTR result);

  // Tests answer the program's own dialogs through this hook: it runs right after a
  // dialog has initialised, and may set controls and post IDOK or IDCANCEL.
  using TestHook = std::function<void(Dialog&)>;
  static void SetTestHook(TestHook hook);

 protected:
  virtual bool OnInit() { return true; }
  virtual bool OnCommand(int id, int code, HWND control);
  virtual INT_PTR OnNotify(NMHDR& header);
  virtual void OnOK() { End(IDOK); }
  virtual void OnCancel() { End(IDCANCEL); }
  // Other messages; return true when handled, with the result in `result`.
  virtual bool OnMessage(UINT message, WPARAM wParam, LPARAM lParam, INT_PTR& result);

 private:
  static INT_PTR CALLBACK StaticDlgProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam);
  INT_PTR DlgProc(UINT message, WPARAM wParam, LPARAM lParam);

  int templateId_;
  HWND hwnd_ = nullptr;
  bool modeless_ = false;
};

}  // namespace win
