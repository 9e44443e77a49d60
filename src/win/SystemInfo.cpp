#include "win/SystemInfo.h"

#include <windows.h>

namespace win {

bool IsNtPlatform() {
  OSVERSIONINFOW info{};
  info.dwOSVersionInfoSize = sizeof(info);
#pragma GCC diagnostic push
#pragma GCC diagnostic ignored "-Wdeprecated-declarations"
  if (!::GetVersionExW(&info)) return false;
#pragma GCC diagnostic pop
  return info.dwMajorVersion >= 5 || info.dwPlatformId == VER_PLATFORM_WIN32_NT;
}

}  // namespace win
