#include "chrome/Tray_win.h"

#include <shellapi.h>

#include "win/resource.h"

namespace chrome {
using namespace command;

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

Tray::Tray(workspace::Frame& frame, Registry& commands, std::function<void()> restore)
    : frame_(frame), restore_(std::move(restore)) {
  auto visible = [this] { return ::IsWindowVisible(frame_.Window()) != FALSE; };
  auto active = [this] { return ::GetActiveWindow() == frame_.Window(); };
  commands.Add({
      {TrayPopupMenuRestore, L"TrayPopupMenuRestore", L"&Restore", {}, L"Restore the window.", -1,
       Bind(this, &Tray::TrayPopupMenuRestoreClick), [visible] { return !visible(); }},
      {TrayPopupMenuMinimize, L"TrayPopupMenuMinimize", L"Mi&nimize", {}, L"Minimize the window.", -1,
       Bind(this, &Tray::TrayPopupMenuMinimizeClick), [visible, active] { return active() && visible(); }},
      {TrayPopupMenuMaximize, L"TrayPopupMenuMaximize", L"Ma&ximize", {}, L"Maximize the window.", -1,
       Bind(this, &Tray::TrayPopupMenuMaximizeClick), active},
  });
}

void Tray::Create(HICON icon) {
  icon_.reset(icon ? ::CopyIcon(icon) : nullptr);
  Add();
  ::SetTimer(frame_.Window(), kTimer, 1800, nullptr);
}

bool Tray::Add() {
  NOTIFYICONDATAW data = TrayData(frame_.Window());
  data.uFlags = NIF_MESSAGE | NIF_ICON | NIF_TIP;
  data.uCallbackMessage = kMessage;
  data.hIcon = icon_.get();
  lstrcpynW(data.szTip, L"Tarnwick", 64);
  return ::Shell_NotifyIconW(NIM_ADD, &data) != FALSE;
}

void Tray::OnTimer() {
  // The shell forgets icons when it restarts: put ours back.
  if (!Present()) Add();
}

void Tray::Remove() {
  if (!icon_) return;
  ::KillTimer(frame_.Window(), kTimer);
  NOTIFYICONDATAW data = TrayData(frame_.Window());
  ::Shell_NotifyIconW(NIM_DELETE, &data);
  icon_.reset();
}

void Tray::SetIcon(HICON icon) {
  if (!icon_ || !icon) return;
  icon_.reset(::CopyIcon(icon));
  NOTIFYICONDATAW data = TrayData(frame_.Window());
  data.uFlags = NIF_ICON;
  data.hIcon = icon_.get();
  ::Shell_NotifyIconW(NIM_MODIFY, &data);
}

bool Tray::Present() {
  NOTIFYICONDATAW data = TrayData(frame_.Window());
  data.uFlags = NIF_TIP;
  lstrcpynW(data.szTip, L"Tarnwick", 64);
  return ::Shell_NotifyIconW(NIM_MODIFY, &data) != FALSE;
}

void Tray::OnMessage(LPARAM mouseMessage, HMENU menu, const std::function<void(POINT)>& showMenu) {
  const int pictures[][2] = {{0, IDB_TRAY_RESTORE}, {1, IDB_TRAY_MINIMIZE}, {2, IDB_TRAY_MAXIMIZE}, {4, IDB_TRAY_CLOSE}};
  for (const auto& picture : pictures) {
    auto& bitmap = bitmaps_[picture[1]];
    if (!bitmap)
      bitmap.reset(static_cast<HBITMAP>(
          ::LoadImageW(::GetModuleHandleW(nullptr), MAKEINTRESOURCEW(picture[1]), IMAGE_BITMAP, 0, 0, 0)));
    ::SetMenuItemBitmaps(menu, static_cast<UINT>(picture[0]), MF_BYPOSITION, bitmap.get(), bitmap.get());
  }
  switch (mouseMessage) {
    case WM_LBUTTONUP:
    case WM_LBUTTONDBLCLK:
      restore_();
      break;
    case WM_RBUTTONUP: {
      POINT cursor;
      ::GetCursorPos(&cursor);
      ::SetForegroundWindow(frame_.Window());
      showMenu(cursor);
      // Lets the menu close properly when the user clicks elsewhere.
      ::PostMessageW(frame_.Window(), WM_NULL, 0, 0);
      break;
    }
  }
}

void Tray::TrayPopupMenuPopup(HMENU menu) {
  bool visible = ::IsWindowVisible(frame_.Window()) != FALSE;
  ::SetMenuDefaultItem(menu, visible ? TrayPopupMenuClose : TrayPopupMenuRestore, FALSE);
}

void Tray::TrayPopupMenuRestoreClick(const Sender&) { restore_(); }

void Tray::TrayPopupMenuMinimizeClick(const Sender&) { ::ShowWindow(frame_.Window(), SW_MINIMIZE); }

void Tray::TrayPopupMenuMaximizeClick(const Sender&) {
  if (!::IsWindowVisible(frame_.Window())) restore_();
  ::ShowWindow(frame_.Window(), SW_MAXIMIZE);
}

}  // namespace chrome
