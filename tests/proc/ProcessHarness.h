#pragma once
// Runs the real executables: each test copies what it needs into a scratch folder
// that stands in for the program folder.
#include <windows.h>

#include <string>
#include <vector>

namespace proctest {

// The folder holding the freshly built executables.
std::wstring BinFolder();

struct RunResult {
  bool started = false;
  bool finished = false;
  DWORD exitCode = 0;
  DWORD milliseconds = 0;
};

// Starts `exe` with the command line text after the program name and waits.
RunResult Run(const std::wstring& exe, const std::wstring& arguments, DWORD timeoutMs = 20000);
// Starts without waiting; the caller owns the returned process handle.
HANDLE Start(const std::wstring& exe, const std::wstring& arguments, DWORD* processId = nullptr);

// Top-level windows of a process (visible or not).
std::vector<HWND> WindowsOf(DWORD processId);

void CopyInto(const std::wstring& file, const std::wstring& folder);

}  // namespace proctest
