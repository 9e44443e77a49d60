// Mouse, keyboard and file drops on the document tabs and editors.
#include <windows.h>
#include <shellapi.h>
#include <windowsx.h>

#include "workspace/Documents_win.h"
#include "config/Keys.h"
#include "win/Window.h"

namespace workspace {
using namespace command;
namespace keys = config::keys;

LRESULT CALLBACK Documents::PageControlWindowProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam, UINT_PTR,
                                                  DWORD_PTR data) {
  auto* self = reinterpret_cast<Documents*>(data);
  try {
    switch (message) {
      case WM_DROPFILES:
        self->OnDropFiles(reinterpret_cast<HDROP>(wParam));
        return 0;
      case WM_RBUTTONDOWN: {
        POINT point{GET_X_LPARAM(lParam), GET_Y_LPARAM(lParam)};
        ::ClientToScreen(hwnd, &point);
        self->PageControlMouseDown(point);
        return 0;
      }
      case WM_RBUTTONUP: {
        POINT point{GET_X_LPARAM(lParam), GET_Y_LPARAM(lParam)};
        ::ClientToScreen(hwnd, &point);
        self->frame_.ShowPopupMenu(command::kTabMenu, point);
        return 0;
      }
      case WM_SIZE: {
        LRESULT result = ::DefSubclassProc(hwnd, message, wParam, lParam);
        self->LayoutPages();
        return result;
      }
      case WM_NCDESTROY:
        ::RemoveWindowSubclass(hwnd, &Documents::PageControlWindowProc, 1);
        break;
    }
  } catch (const std::exception& error) {
    win::ReportException(error);
    return 0;
  }
  return ::DefSubclassProc(hwnd, message, wParam, lParam);
}

void Documents::PageControlMouseDown(POINT screenPoint) {
  TCHITTESTINFO hit{};
  hit.pt = screenPoint;
  ::ScreenToClient(pageControl_, &hit.pt);
  int index = TabCtrl_HitTest(pageControl_, &hit);
  if (index >= 0 && index != TabCtrl_GetCurSel(pageControl_)) ActivateTab(index);
}

void Documents::OnDropFiles(HDROP drop) {
  ::DragAcceptFiles(pageControl_, FALSE);
  UINT count = ::DragQueryFileW(drop, 0xFFFFFFFF, nullptr, 0);
  if (frame_.Profile().Read(keys::AfterDropSetToTop)) ::SetForegroundWindow(frame_.Window());
  LimitReported = false;
  std::vector<std::wstring> names;
  for (UINT i = 0; i < count; ++i) {
    UINT length = ::DragQueryFileW(drop, i, nullptr, 0);
    std::wstring name(length + 1, L'\0');
    ::DragQueryFileW(drop, i, name.data(), length + 1);
    name.resize(length);
    names.push_back(std::move(name));
  }
  ::DragFinish(drop);
  OpenTogether(names);
  FocusActiveEditor();
  ::DragAcceptFiles(pageControl_, TRUE);
}

LRESULT CALLBACK Documents::EditorProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam, UINT_PTR,
                                       DWORD_PTR data) {
  auto* self = reinterpret_cast<Documents*>(data);
  try {
    switch (message) {
      case WM_KEYDOWN:
        if (self->MemoKeyDown(wParam)) return 0;
        break;
      case WM_SYSKEYDOWN:
        if (wParam == VK_LEFT || wParam == VK_RIGHT) {
          int count = self->TabCount();
          if (count > 0) {
            int current = TabCtrl_GetCurSel(self->pageControl_);
            int next = (current + (wParam == VK_RIGHT ? 1 : count - 1)) % count;
            self->ActivateTab(next);
            self->FocusActiveEditor();
          }
          return 0;
        }
        break;
      case WM_CHAR:
        // Ctrl+Y deleted the line at its key-down; its character is not typed.
        if (wParam == 0x19 && ::GetKeyState(VK_CONTROL) < 0) return 0;
        self->MemoKeyPress(static_cast<wchar_t>(wParam));
        break;
      case WM_CONTEXTMENU: {
        POINT point{GET_X_LPARAM(lParam), GET_Y_LPARAM(lParam)};
        if (point.x == -1 && point.y == -1) {
          POINT caret{};
          ::GetCaretPos(&caret);
          ::ClientToScreen(hwnd, &caret);
          point = caret;
        }
        self->frame_.ShowPopupMenu(command::kEditorPopup, point);
        return 0;
      }
      case WM_NCDESTROY:
        ::RemoveWindowSubclass(hwnd, &Documents::EditorProc, 1);
        break;
    }
  } catch (const std::exception& error) {
    win::ReportException(error);
    return 0;
  }
  return ::DefSubclassProc(hwnd, message, wParam, lParam);
}

}  // namespace workspace

namespace workspace {

bool Documents::MemoKeyDown(WPARAM key) {
  bool plainInsert = key == VK_INSERT && ::GetKeyState(VK_SHIFT) >= 0 && ::GetKeyState(VK_CONTROL) >= 0 &&
                     ::GetKeyState(VK_MENU) >= 0;
  if (plainInsert) {
    Active().insertMode = !Active().insertMode;
    SetInsertModePanel();
    return false;  // the editor toggles its own mode too
  }
  return onEditorKey && onEditorKey(key);
}

}  // namespace workspace
