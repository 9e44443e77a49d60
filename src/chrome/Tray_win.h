#pragma once
// The tray icon of tray mode, its menu and its refresh.
#include <windows.h>

#include <functional>
#include <map>

#include "command/Command.h"
#include "win/Handles.h"
#include "workspace/Frame.h"

namespace chrome {

class Tray {
 public:
  static constexpr UINT kMessage = 2025;
  static constexpr UINT_PTR kTimer = 2;
  using Sender = command::Sender;

  // `restore` shows it again with the document's focus.
  Tray(workspace::Frame& frame, command::Registry& commands, std::function<void()> restore);
  Tray(const Tray&) = delete;
  Tray& operator=(const Tray&) = delete;

  // Adds the icon (a copy of `icon`) and starts the timer that keeps it there.
  void Create(HICON icon);
  void Remove();
  // The application's icon changed (Settings): the tray shows a copy of the new one.
  void SetIcon(HICON icon);
  bool Present();
  // The timer: the shell forgets icons when it restarts.
  void OnTimer();
  // A mouse message on the icon. `showMenu` shows the tray menu at a screen point.
  void OnMessage(LPARAM mouseMessage, HMENU menu, const std::function<void(POINT)>& showMenu);

  // The tray menu opens: its default item is the one a double click would choose.
  void TrayPopupMenuPopup(HMENU menu);
  void TrayPopupMenuRestoreClick(const Sender&);
  void TrayPopupMenuMinimizeClick(const Sender&);
  void TrayPopupMenuMaximizeClick(const Sender&);

 private:
  bool Add();
  workspace::Frame& frame_;
  std::function<void()> restore_;
  win::UniqueIcon icon_;
  std::map<int, win::UniqueBitmap> bitmaps_;  // the menu's check-mark pictures by resource
};

}  // namespace chrome
