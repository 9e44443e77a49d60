#include "win/Dialog.h"

#include <vector>

#include "win/MessageLoop.h"
#include "win/Window.h"

namespace win {
namespace {
Dialog::TestHook& Hook() {
  static Dialog::TestHook hook;
  return hook;
}
}  // namespace

void Dialog::SetTestHook(TestHook hook) { Hook() = std::move(hook); }

Dialog::~Dialog() {
  if (hwnd_ && modeless_) {
    HWND hwnd = hwnd_;
    hwnd_ = nullptr;
    MessageLoop::RemoveModeless(hwnd);
    ::SetWindowLongPtrW(hwnd, DWLP_USER, 0);
    ::DestroyWindow(hwnd);
  }
}

INT_PTR Dialog::ShowModal(HWND owner) {
  modeless_ = false;
  return ::DialogBoxParamW(::GetModuleHandleW(nullptr), MAKEINTRESOURCEW(templateId_), owner, &Dialog::StaticDlgProc,
                           reinterpret_cast<LPARAM>(this));
}

HWND Dialog::CreateModeless(HWND owner) {
  modeless_ = true;
  HWND hwnd = ::CreateDialogParamW(::GetModuleHandleW(nullptr), MAKEINTRESOURCEW(templateId_), owner,
                                   &Dialog::StaticDlgProc, reinterpret_cast<LPARAM>(this));
  if (hwnd) MessageLoop::AddModeless(hwnd);
  return hwnd;
}

std::wstring Dialog::Text(int id) const {
  HWND item = Item(id);
  int length = ::GetWindowTextLengthW(item);
  std::vector<wchar_t> buffer(static_cast<size_t>(length) + 1);
  int got = ::GetWindowTextW(item, buffer.data(), length + 1);
  return std::wstring(buffer.data(), static_cast<size_t>(got > 0 ? got : 0));
}

void Dialog::SetText(int id, const std::wstring& text) const { ::SetDlgItemTextW(hwnd_, id, text.c_str()); }

bool Dialog::Checked(int id) const { return ::IsDlgButtonChecked(hwnd_, id) == BST_CHECKED; }

void Dialog::SetChecked(int id, bool checked) const {
  ::CheckDlgButton(hwnd_, id, checked ? BST_CHECKED : BST_UNCHECKED);
}

void Dialog::Enable(int id, bool enabled) const { ::EnableWindow(Item(id), enabled ? TRUE : FALSE); }

void Dialog::End(INT_PTR result) {
  if (modeless_)
    ::ShowWindow(hwnd_, SW_HIDE);
  else
    ::EndDialog(hwnd_, result);
}

bool Dialog::OnCommand(int id, int, HWND) {
  if (id == IDOK) {
    OnOK();
    return true;
  }
  if (id == IDCANCEL) {
    OnCancel();
    return true;
  }
  return false;
}

INT_PTR Dialog::OnNotify(NMHDR&) { return 0; }

bool Dialog::OnMessage(UINT, WPARAM, LPARAM, INT_PTR&) { return false; }

INT_PTR CALLBACK Dialog::StaticDlgProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
  Dialog* self = nullptr;
  if (message == WM_INITDIALOG) {
    self = reinterpret_cast<Dialog*>(lParam);
    self->hwnd_ = hwnd;
    ::SetWindowLongPtrW(hwnd, DWLP_USER, lParam);
  } else {
    self = reinterpret_cast<Dialog*>(::GetWindowLongPtrW(hwnd, DWLP_USER));
  }
  if (!self) return FALSE;
  INT_PTR result = FALSE;
  try {
    result = self->DlgProc(message, wParam, lParam);
  } catch (const std::exception& error) {
    ReportException(error);
  } catch (...) {
    ReportUnknownException();
  }
  if (message == WM_NCDESTROY) {
    ::SetWindowLongPtrW(hwnd, DWLP_USER, 0);
    if (self->modeless_) MessageLoop::RemoveModeless(hwnd);
    self->hwnd_ = nullptr;
  }
  return result;
}

INT_PTR Dialog::DlgProc(UINT message, WPARAM wParam, LPARAM lParam) {
  switch (message) {
    case WM_INITDIALOG: {
      bool focusDefault = OnInit();
      if (Hook()) Hook()(*this);
      return focusDefault ? TRUE : FALSE;
    }
    case WM_COMMAND:
      return OnCommand(LOWORD(wParam), HIWORD(wParam), reinterpret_cast<HWND>(lParam)) ? TRUE : FALSE;
    case WM_NOTIFY: {
      INT_PTR result = OnNotify(*reinterpret_cast<NMHDR*>(lParam));
      ::SetWindowLongPtrW(hwnd_, DWLP_MSGRESULT, result);
      return TRUE;
    }
    default: {
      INT_PTR result = 0;
      if (OnMessage(message, wParam, lParam, result)) return result;
      return FALSE;
    }
  }
}

}  // namespace win
