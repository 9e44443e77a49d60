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

struct ProcessWindowSearch {
  DWORD processId;
  const std::function<bool(HWND)>* accept;
  HWND found;
};

inline BOOL CALLBACK TestProcessWindow(HWND hwnd, LPARAM data) {
  auto* search = reinterpret_cast<ProcessWindowSearch*>(data);
  DWORD owner = 0;
  ::GetWindowThreadProcessId(hwnd, &owner);
  if (owner != search->processId || !(*search->accept)(hwnd)) return TRUE;
  search->found = hwnd;
  return FALSE;
}

// The first top-level window of the process that passes the test, or null.
inline HWND FindProcessWindow(DWORD processId, const std::function<bool(HWND)>& accept) {
  ProcessWindowSearch search{processId, &accept, nullptr};
  ::EnumWindows(&TestProcessWindow, reinterpret_cast<LPARAM>(&search));
  return search.found;
}

}  // namespace bench
