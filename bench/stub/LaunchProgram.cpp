// A yardstick for what any stand-in must spend: start the program named on the command
// line and end, through the shell (TWK_LAUNCH_SHELL) or through CreateProcess.
#include <windows.h>
#include <shellapi.h>

#include <string>

int WINAPI wWinMain(HINSTANCE, HINSTANCE, PWSTR target, int) {
#ifdef TWK_LAUNCH_SHELL
  ::ShellExecuteW(nullptr, L"open", target, nullptr, nullptr, SW_RESTORE);
#else
  STARTUPINFOW startup{};
  startup.cb = sizeof(startup);
  startup.dwFlags = STARTF_USESHOWWINDOW;
  startup.wShowWindow = SW_RESTORE;
  PROCESS_INFORMATION process{};
  std::wstring commandLine = std::wstring(L"\"") + target + L"\"";
  if (::CreateProcessW(target, commandLine.data(), nullptr, nullptr, FALSE, 0, nullptr, nullptr, &startup, &process)) {
    ::CloseHandle(process.hThread);
    ::CloseHandle(process.hProcess);
  }
#endif
  return 0;
}
