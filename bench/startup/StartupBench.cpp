// Start-up of Tarnwick against Wine's own notepad, both started the same way: the
// time until the main window is shown, until it answers a message, and until its text
// editor (a rich-edit control in Tarnwick, an edit control in notepad) is shown too.
//   startup_bench <Tarnwick.exe> <notepad.exe> [more programs] [runs]
#include <windows.h>

#include "common/BenchClock.h"
#include "common/ProcessWindow.h"

#include <algorithm>
#include <cstdio>
#include <string>
#include <vector>

namespace {

struct Timing {
  double shown = 0, answering = 0, editor = 0;
};

using bench::Now;

// The editor's main window, not its splash screen.
bool IsMainWindow(HWND hwnd) {
  return ::IsWindowVisible(hwnd) && ::GetWindow(hwnd, GW_OWNER) == nullptr &&
         bench::ClassOf(hwnd) != L"TSplashScreen";
}

// A visible edit or rich-edit control anywhere under `window`.
bool HasVisibleEditor(HWND window, int depth = 0) {
  for (HWND child = ::GetWindow(window, GW_CHILD); child && depth < 6; child = ::GetWindow(child, GW_HWNDNEXT)) {
    if (!(::GetWindowLongW(child, GWL_STYLE) & WS_VISIBLE)) continue;
    std::wstring name = bench::ClassOf(child);
    // Notepad's edit control is a child of its main window; one further down (in a
    // combo box) is no text editor. Wine spells the rich-edit class "RichEdit50W".
    if ((name == L"Edit" && depth == 0) || _wcsnicmp(name.c_str(), L"RichEdit", 8) == 0) return true;
    if (HasVisibleEditor(child, depth + 1)) return true;
  }
  return false;
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
  while (found && !HasVisibleEditor(found) && Now() - start < 30000) ::Sleep(1);
  timing.editor = Now() - start;
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
  // Each program is started `runs` times (a last argument that is a number), the
  // programs taking turns, so that a slower spell of the shared host falls on all of
  // them alike. The turns go forwards and backwards in alternate rounds, and each start
  // waits a moment for the desktop to settle after the previous program's exit: the
  // start right after a program closed was up to 15 ms slower.
  int last = argc - 1;
  int runs = 15;
  if (argc > 3 && _wtoi(argv[last]) > 0) runs = _wtoi(argv[last--]);
  if (last < 2) {
    std::fwprintf(stderr, L"usage: startup_bench <Tarnwick.exe> <notepad.exe> [more programs] [runs]\n");
    return 2;
  }
  struct Samples {
    std::vector<double> shown, answering, editor;
  };
  std::vector<Samples> samples(static_cast<size_t>(last + 1));
  for (int program = 1; program <= last; ++program) {
    Timing warm;
    Measure(argv[program], warm);  // the first start fills the caches
  }
  for (int i = 0; i < runs; ++i) {
    for (int turn = 1; turn <= last; ++turn) {
      int program = i % 2 == 0 ? turn : last + 1 - turn;
      ::Sleep(250);
      Timing timing;
      if (!Measure(argv[program], timing)) {
        std::fwprintf(stderr, L"no window from %ls\n", argv[program]);
        return 1;
      }
      Samples& of = samples[static_cast<size_t>(program)];
      of.shown.push_back(timing.shown);
      of.answering.push_back(timing.answering);
      of.editor.push_back(timing.editor);
    }
  }
  for (int program = 1; program <= last; ++program) {
    const Samples& of = samples[static_cast<size_t>(program)];
    std::wprintf(L"%-60ls shown %7.1f ms   answering %7.1f ms   editor %7.1f ms   (median of %d)\n", argv[program],
                 Median(of.shown), Median(of.answering), Median(of.editor), runs);
  }
  return 0;
}
