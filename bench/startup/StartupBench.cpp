// Start-up of Tarnwick against Wine's own notepad, both started the same way: the
// time until the main window is shown, and until it answers a message.
//   startup_bench <Tarnwick.exe> <notepad.exe> [runs]
#include <windows.h>

#include "common/BenchClock.h"
#include "common/ProcessWindow.h"

#include <algorithm>
#include <cstdio>
#include <string>
#include <vector>

namespace {

struct Timing {
  double shown = 0, answering = 0;
};

using bench::Now;

// The editor's main window, not its splash screen.
bool IsMainWindow(HWND hwnd) {
  return ::IsWindowVisible(hwnd) && ::GetWindow(hwnd, GW_OWNER) == nullptr &&
         bench::ClassOf(hwnd) != L"TSplashScreen";
}

bool Measure(const std::wstring& exe, Timing& timing) {
  std::wstring commandLine = L"\"" + exe + L"\"";
  STARTUPINFOW startup{sizeof(startup)};
  PROCESS_INFORMATION process{};
  std::wstring folder = exe.substr(0, exe.find_last_of(L'\\') + 1);
  double start = Now();
  if (!::CreateProcessW(exe.c_str(), commandLine.data(), nullptr, nullptr, FALSE, 0, nullptr, folder.c_str(), &startup,
                        &process))
    return false;
  HWND found = nullptr;
  while (!found && Now() - start < 30000) {
    found = bench::FindProcessWindow(process.dwProcessId, IsMainWindow);
    if (!found) ::Sleep(1);
  }
  timing.shown = Now() - start;
  DWORD_PTR result = 0;
  if (found) ::SendMessageTimeoutW(found, WM_NULL, 0, 0, SMTO_NORMAL, 30000, &result);
  timing.answering = Now() - start;
  if (found) ::PostMessageW(found, WM_CLOSE, 0, 0);
  if (::WaitForSingleObject(process.hProcess, 10000) != WAIT_OBJECT_0) ::TerminateProcess(process.hProcess, 1);
  ::CloseHandle(process.hThread);
  ::CloseHandle(process.hProcess);
  return found != nullptr;
}

double Median(std::vector<double> values) {
  std::sort(values.begin(), values.end());
  return values.empty() ? 0 : values[values.size() / 2];
}

}  // namespace

int wmain(int argc, wchar_t** argv) {
  if (argc < 3) {
    std::fwprintf(stderr, L"usage: startup_bench <Tarnwick.exe> <notepad.exe> [runs]\n");
    return 2;
  }
  int runs = argc > 3 ? _wtoi(argv[3]) : 15;
  for (int program = 1; program <= 2; ++program) {
    std::vector<double> shown, answering;
    Timing warm;
    Measure(argv[program], warm);  // the first start fills the caches
    for (int i = 0; i < runs; ++i) {
      Timing timing;
      if (!Measure(argv[program], timing)) {
        std::fwprintf(stderr, L"no window from %ls\n", argv[program]);
        return 1;
      }
      shown.push_back(timing.shown);
      answering.push_back(timing.answering);
    }
    std::wprintf(L"%-60ls shown %7.1f ms   answering %7.1f ms   (median of %d)\n", argv[program], Median(shown),
                 Median(answering), runs);
  }
  return 0;
}
