#include "sidebar/Splitter_win.h"

#include <windowsx.h>

namespace sidebar {
namespace {
constexpr wchar_t kClassName[] = L"TwkSplitter";
}

void Splitter::Create(HWND parent) {
  RegisterClassOnce(kClassName, 0, reinterpret_cast<HBRUSH>(COLOR_BTNFACE + 1));
  CreateHandle(0, kClassName, L"", WS_CHILD | WS_CLIPSIBLINGS, 0, 0, 0, 0, parent, nullptr);
}

LRESULT Splitter::HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) {
  switch (message) {
    case WM_SETCURSOR:
      ::SetCursor(::LoadCursorW(nullptr, IDC_SIZEWE));
      return TRUE;
    case WM_LBUTTONDOWN: {
      POINT point{GET_X_LPARAM(lParam), GET_Y_LPARAM(lParam)};
      ::ClientToScreen(hwnd(), &point);
      pressedAt_ = point.x;
      dragging_ = true;
      ::SetCapture(hwnd());
      if (onPress) onPress();
      return 0;
    }
    case WM_MOUSEMOVE:
      if (dragging_) {
        POINT point{GET_X_LPARAM(lParam), GET_Y_LPARAM(lParam)};
        ::ClientToScreen(hwnd(), &point);
        if (onDrag) onDrag(point.x - pressedAt_);
      }
      return 0;
    case WM_LBUTTONUP:
      if (dragging_) ::ReleaseCapture();
      return 0;
    case WM_CAPTURECHANGED:
      dragging_ = false;
      return 0;
  }
  return DefaultProc(message, wParam, lParam);
}

}  // namespace sidebar
