#include <windows.h>

#include "uninstall/SystemSite_win.h"

int WINAPI wWinMain(HINSTANCE, HINSTANCE, PWSTR, int) {
  uninstall::MessageBoxes messages;
  uninstall::RunUninstall(uninstall::SystemFolders(), messages);
  return 0;
}
