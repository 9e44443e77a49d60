#pragma once
// Finding another process's top-level window, for the benchmarks that start programs.
#include <windows.h>

#include <functional>
#include <string>

namespace bench {

inline std::wstring ClassOf(HWND hwnd) {
  wchar_t name[64] = L"";
  ::GetClassNameW(hwnd, name, 64);
  return name;
}

// The first top-level window of the process that passes the test, or null.
inline HWND FindProcessWindow(DWORD processId, const std::function<bool(HWND)>& accept) {
  struct Search {
    DWORD processId;
    const std::function<bool(HWND)>* accept;
    HWND found;
  } search{processId, &accept, nullptr};
  ::EnumWindows(
      [](HWND hwnd, LPARAM data) -> BOOL {
        auto* s = reinterpret_cast<Search*>(data);
        DWORD owner = 0;
        ::GetWindowThreadProcessId(hwnd, &owner);
        if (owner != s->processId || !(*s->accept)(hwnd)) return TRUE;
        s->found = hwnd;
        return FALSE;
      },
      reinterpret_cast<LPARAM>(&search));
  return search.found;
}

}  // namespace bench
