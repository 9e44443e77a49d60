#include "proc/ProcessHarness.h"

#include <gtest/gtest.h>

#include "win/Handles.h"
#include "win/Text.h"

namespace proctest {

std::wstring BinFolder() {
  wchar_t buffer[MAX_PATH] = L"";
  DWORD got = ::GetEnvironmentVariableW(L"TWK_BIN_DIR", buffer, MAX_PATH);
  std::wstring folder;
  if (got && got < MAX_PATH) {
    folder = buffer;
  } else {
    ::GetModuleFileNameW(nullptr, buffer, MAX_PATH);
    folder = win::FolderPart(buffer);
  }
  for (wchar_t& c : folder)
    if (c == L'/') c = L'\\';
  if (!folder.empty() && folder.back() != L'\\') folder += L'\\';
  return folder;
}

HANDLE Start(const std::wstring& exe, const std::wstring& arguments, DWORD* processId) {
  std::wstring commandLine = L"\"" + exe + L"\"";
  if (!arguments.empty()) commandLine += L" " + arguments;
  STARTUPINFOW startup{sizeof(startup)};
  PROCESS_INFORMATION process{};
  std::wstring folder = win::FolderPart(exe);
  if (!::CreateProcessW(exe.c_str(), commandLine.data(), nullptr, nullptr, FALSE, 0, nullptr,
                        folder.empty() ? nullptr : folder.c_str(), &startup, &process))
    return nullptr;
  ::CloseHandle(process.hThread);
  if (processId) *processId = process.dwProcessId;
  return process.hProcess;
}

RunResult Run(const std::wstring& exe, const std::wstring& arguments, DWORD timeoutMs) {
  RunResult result;
  DWORD start = ::GetTickCount();
  win::UniqueHandle process(Start(exe, arguments));
  if (!process) return result;
  result.started = true;
  if (::WaitForSingleObject(process.get(), timeoutMs) == WAIT_OBJECT_0) {
    result.finished = true;
    ::GetExitCodeProcess(process.get(), &result.exitCode);
  } else {
    ::TerminateProcess(process.get(), 1);
  }
  result.milliseconds = ::GetTickCount() - start;
  return result;
}

namespace {
struct Search {
  DWORD processId;
  std::vector<HWND> found;
};
BOOL CALLBACK Collect(HWND hwnd, LPARAM data) {
  auto* search = reinterpret_cast<Search*>(data);
  DWORD owner = 0;
  ::GetWindowThreadProcessId(hwnd, &owner);
  if (owner == search->processId) search->found.push_back(hwnd);
  return TRUE;
}
}  // namespace

std::vector<HWND> WindowsOf(DWORD processId) {
  Search search{processId, {}};
  ::EnumWindows(&Collect, reinterpret_cast<LPARAM>(&search));
  return search.found;
}

void CopyInto(const std::wstring& file, const std::wstring& folder) {
  std::wstring target = folder + win::FileNamePart(file);
  ASSERT_TRUE(::CopyFileW(file.c_str(), target.c_str(), FALSE)) << "copy failed";
}

}  // namespace proctest
