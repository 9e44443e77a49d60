// The tray icon of tray mode, its menu and its refresh.
#include <windows.h>
#include <shellapi.h>

#include "app/MainForm.h"
#include "app/resource.h"

namespace app {

namespace {
constexpr UINT kTrayIconId = 1005;

NOTIFYICONDATAW TrayData(HWND owner) {
  NOTIFYICONDATAW data{};
  // The first layout of the record: every shell version understands it.
  data.cbSize = NOTIFYICONDATAW_V1_SIZE;
  data.hWnd = owner;
  data.uID = kTrayIconId;
  return data;
}
}  // namespace

void TMainForm::CreateTrayIcon() {
  HICON source = appIconSmall_ ? appIconSmall_.get() : appIcon_.get();
  trayIcon_.reset(source ? ::CopyIcon(source) : nullptr);
  AddTrayIcon();
  ::SetTimer(hwnd(), kTrayTimer, 1800, nullptr);
}

bool TMainForm::AddTrayIcon() {
  NOTIFYICONDATAW data = TrayData(hwnd());
  data.uFlags = NIF_MESSAGE | NIF_ICON | NIF_TIP;
  data.uCallbackMessage = kTrayMessage;
  data.hIcon = trayIcon_.get();
  lstrcpynW(data.szTip, L"Tarnwick", 64);
  return ::Shell_NotifyIconW(NIM_ADD, &data) != FALSE;
}

void TMainForm::TrayIconTimerTimer() {
  NOTIFYICONDATAW data = TrayData(hwnd());
  data.uFlags = NIF_TIP;
  lstrcpynW(data.szTip, L"Tarnwick", 64);
  // The shell forgets icons when it restarts: put ours back.
  if (!::Shell_NotifyIconW(NIM_MODIFY, &data)) AddTrayIcon();
}

void TMainForm::RemoveTrayIcon() {
  if (!context_.trayMode || !trayIcon_) return;
  ::KillTimer(hwnd(), kTrayTimer);
  NOTIFYICONDATAW data = TrayData(hwnd());
  ::Shell_NotifyIconW(NIM_DELETE, &data);
  trayIcon_.reset();
}

bool TMainForm::TrayIconPresent() {
  NOTIFYICONDATAW data = TrayData(hwnd());
  data.uFlags = NIF_TIP;
  lstrcpynW(data.szTip, L"Tarnwick", 64);
  return ::Shell_NotifyIconW(NIM_MODIFY, &data) != FALSE;
}

void TMainForm::RestoreApplication() {
  ::ShowWindow(hwnd(), ::IsIconic(hwnd()) || !::IsWindowVisible(hwnd()) ? SW_RESTORE : SW_SHOW);
  ::SetForegroundWindow(hwnd());
  FocusActiveEditor();
}

void TMainForm::TrayIconMessage(LPARAM mouseMessage) {
  HMENU menu = trayMenu_.get();
  const int pictures[][2] = {{0, IDB_TRAY_RESTORE}, {1, IDB_TRAY_MINIMIZE}, {2, IDB_TRAY_MAXIMIZE}, {4, IDB_TRAY_CLOSE}};
  for (const auto& picture : pictures) {
    auto& bitmap = trayBitmaps_[picture[1]];
    if (!bitmap)
      bitmap.reset(static_cast<HBITMAP>(
          ::LoadImageW(::GetModuleHandleW(nullptr), MAKEINTRESOURCEW(picture[1]), IMAGE_BITMAP, 0, 0, 0)));
    ::SetMenuItemBitmaps(menu, static_cast<UINT>(picture[0]), MF_BYPOSITION, bitmap.get(), bitmap.get());
  }
  switch (mouseMessage) {
    case WM_LBUTTONUP:
    case WM_LBUTTONDBLCLK:
      RestoreApplication();
      break;
    case WM_RBUTTONUP: {
      POINT cursor;
      ::GetCursorPos(&cursor);
      ::SetForegroundWindow(hwnd());
      RefreshMenu(kTrayMenu);
      ::TrackPopupMenu(menu, TPM_RIGHTBUTTON, cursor.x, cursor.y, 0, hwnd(), nullptr);
      // Lets the menu close properly when the user clicks elsewhere.
      ::PostMessageW(hwnd(), WM_NULL, 0, 0);
      break;
    }
  }
}

void TMainForm::TrayPopupMenuPopup() {
  bool visible = ::IsWindowVisible(hwnd()) != FALSE;
  bool active = ::GetActiveWindow() == hwnd();
  EnableItem(TrayPopupMenuMinimize, active && visible);
  EnableItem(TrayPopupMenuRestore, !visible);
  EnableItem(TrayPopupMenuMaximize, active);
  EnableItem(TrayPopupMenuClose, active);
  ::SetMenuDefaultItem(trayMenu_.get(), visible ? TrayPopupMenuClose : TrayPopupMenuRestore, FALSE);
}

void TMainForm::TrayPopupMenuRestoreClick(const Sender&) { RestoreApplication(); }

void TMainForm::TrayPopupMenuMinimizeClick(const Sender&) { ::ShowWindow(hwnd(), SW_MINIMIZE); }

void TMainForm::TrayPopupMenuMaximizeClick(const Sender&) {
  if (!::IsWindowVisible(hwnd())) RestoreApplication();
  ::ShowWindow(hwnd(), SW_MAXIMIZE);
}

}  // namespace app
