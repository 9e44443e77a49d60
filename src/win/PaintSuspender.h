#pragma once
// Holds back the painting of a window for a while (slots being made or destroyed, a
// word-wrap switch), then repaints it whole. A hidden window is left alone:
// WM_SETREDRAW would make it visible.
#include <windows.h>

namespace win {

class PaintSuspender {
 public:
  explicit PaintSuspender(HWND hwnd) : hwnd_(::IsWindowVisible(hwnd) ? hwnd : nullptr) {
    if (hwnd_) ::SendMessageW(hwnd_, WM_SETREDRAW, FALSE, 0);
  }
  ~PaintSuspender() {
    if (!hwnd_) return;
    ::SendMessageW(hwnd_, WM_SETREDRAW, TRUE, 0);
    ::RedrawWindow(hwnd_, nullptr, nullptr, RDW_ERASE | RDW_FRAME | RDW_INVALIDATE | RDW_ALLCHILDREN);
  }
  PaintSuspender(const PaintSuspender&) = delete;
  PaintSuspender& operator=(const PaintSuspender&) = delete;

 private:
  HWND hwnd_;
};

}  // namespace win
