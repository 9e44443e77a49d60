#include "proc/ProcessHarness.h"

#include <commctrl.h>

#include <gtest/gtest.h>

#include "win/Handles.h"
#include "win/Text.h"

namespace proctest {

bool WaitFor(const std::function<bool()>& done, DWORD timeoutMs) {
  DWORD start = ::GetTickCount();
  while (!done()) {
    if (::GetTickCount() - start > timeoutMs) return done();
    ::Sleep(20);
  }
  return true;
}

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

#include <tlhelp32.h>

#include <algorithm>

namespace proctest {
namespace {

std::wstring ClassOf(HWND hwnd) {
  wchar_t name[64] = L"";
  ::GetClassNameW(hwnd, name, 64);
  return name;
}

}  // namespace

std::wstring TextOf(HWND hwnd) {
  // WM_GETTEXT is marshalled between processes, GetWindowText of a child is not.
  auto length = static_cast<size_t>(::SendMessageW(hwnd, WM_GETTEXTLENGTH, 0, 0));
  std::wstring text(length + 1, L'\0');
  auto got = static_cast<size_t>(
      ::SendMessageW(hwnd, WM_GETTEXT, static_cast<WPARAM>(length + 1), reinterpret_cast<LPARAM>(text.data())));
  text.resize(std::min(got, length));
  return text;
}

namespace {

struct ChildSearch {
  const wchar_t* className;
  std::vector<HWND> found;
};

BOOL CALLBACK CollectChild(HWND hwnd, LPARAM data) {
  auto* search = reinterpret_cast<ChildSearch*>(data);
  if (!search->className || win::EqualsNoCase(ClassOf(hwnd), search->className)) search->found.push_back(hwnd);
  return TRUE;
}

}  // namespace

std::vector<HWND> ChildrenOf(HWND parent, const wchar_t* className) {
  ChildSearch search{className, {}};
  ::EnumChildWindows(parent, &CollectChild, reinterpret_cast<LPARAM>(&search));
  return search.found;
}

MessageBoxSeen WaitForMessageBox(DWORD processId, DWORD timeoutMs) {
  MessageBoxSeen box;
  DWORD start = ::GetTickCount();
  while (!box.hwnd && ::GetTickCount() - start < timeoutMs) {
    for (HWND hwnd : WindowsOf(processId))
      if (ClassOf(hwnd) == L"#32770" && ::IsWindowVisible(hwnd)) box.hwnd = hwnd;
    if (!box.hwnd) ::Sleep(20);
  }
  if (!box.hwnd) return box;
  box.title = TextOf(box.hwnd);
  for (HWND label : ChildrenOf(box.hwnd, L"Static")) {
    std::wstring text = TextOf(label);
    if (text.empty()) continue;
    if (!box.text.empty()) box.text += L"\n";
    box.text += text;
  }
  return box;
}

void Answer(const MessageBoxSeen& box, int button) {
  ::PostMessageW(box.hwnd, WM_COMMAND, MAKEWPARAM(button, BN_CLICKED), 0);
  DWORD start = ::GetTickCount();
  while (::IsWindow(box.hwnd) && ::GetTickCount() - start < 10000) ::Sleep(10);
}

HWND FindWindowOf(const wchar_t* className, DWORD processId) {
  HWND found = nullptr;
  while ((found = ::FindWindowExW(nullptr, found, className, nullptr))) {
    DWORD owner = 0;
    ::GetWindowThreadProcessId(found, &owner);
    if (processId == 0 || owner == processId) return found;
  }
  return nullptr;
}

std::vector<std::wstring> ChildTexts(HWND parent, const wchar_t* className) {
  std::vector<std::wstring> texts;
  for (HWND child : ChildrenOf(parent, className)) texts.push_back(TextOf(child));
  return texts;
}

std::vector<std::wstring> TabCaptions(HWND tabs) {
  std::vector<std::wstring> captions;
  DWORD processId = 0;
  ::GetWindowThreadProcessId(tabs, &processId);
  win::UniqueHandle process(
      ::OpenProcess(PROCESS_VM_OPERATION | PROCESS_VM_READ | PROCESS_VM_WRITE, FALSE, processId));
  if (!process) return captions;
  constexpr int kLength = 520;
  struct Remote {
    TCITEMW item;
    wchar_t text[kLength];
  };
  auto* remote = static_cast<Remote*>(
      ::VirtualAllocEx(process.get(), nullptr, sizeof(Remote), MEM_COMMIT | MEM_RESERVE, PAGE_READWRITE));
  if (!remote) return captions;
  int count = static_cast<int>(::SendMessageW(tabs, TCM_GETITEMCOUNT, 0, 0));
  for (int i = 0; i < count; ++i) {
    Remote local{};
    local.item.mask = TCIF_TEXT;
    local.item.pszText = remote->text;
    local.item.cchTextMax = kLength;
    SIZE_T done = 0;
    if (!::WriteProcessMemory(process.get(), remote, &local, sizeof(local), &done)) break;
    ::SendMessageW(tabs, TCM_GETITEMW, static_cast<WPARAM>(i), reinterpret_cast<LPARAM>(&remote->item));
    if (!::ReadProcessMemory(process.get(), remote, &local, sizeof(local), &done)) break;
    local.text[kLength - 1] = L'\0';
    captions.emplace_back(local.text);
  }
  ::VirtualFreeEx(process.get(), remote, 0, MEM_RELEASE);
  return captions;
}

ScopedEnvironment::ScopedEnvironment(std::wstring name, const std::wstring& value) : name_(std::move(name)) {
  DWORD length = ::GetEnvironmentVariableW(name_.c_str(), nullptr, 0);
  if (length > 0) {
    std::vector<wchar_t> buffer(length);
    DWORD got = ::GetEnvironmentVariableW(name_.c_str(), buffer.data(), length);
    hadPrevious_ = got < length;
    if (hadPrevious_) previous_.assign(buffer.data(), got);
  }
  ::SetEnvironmentVariableW(name_.c_str(), value.c_str());
}

ScopedEnvironment::~ScopedEnvironment() {
  ::SetEnvironmentVariableW(name_.c_str(), hadPrevious_ ? previous_.c_str() : nullptr);
}

void EndProcessesIn(const std::wstring& folder, const wchar_t* className, DWORD graceMs) {
  std::vector<win::UniqueHandle> processes;
  std::vector<DWORD> ids;
  win::UniqueHandle snapshot(::CreateToolhelp32Snapshot(TH32CS_SNAPPROCESS, 0));
  if (snapshot.get() == INVALID_HANDLE_VALUE) {
    snapshot.release();
    return;
  }
  PROCESSENTRY32W entry{};
  entry.dwSize = sizeof(entry);
  for (BOOL more = ::Process32FirstW(snapshot.get(), &entry); more; more = ::Process32NextW(snapshot.get(), &entry)) {
    win::UniqueHandle process(::OpenProcess(PROCESS_QUERY_LIMITED_INFORMATION | PROCESS_TERMINATE | SYNCHRONIZE,
                                            FALSE, entry.th32ProcessID));
    if (!process) continue;
    wchar_t path[MAX_PATH] = L"";
    DWORD length = MAX_PATH;
    if (!::QueryFullProcessImageNameW(process.get(), 0, path, &length)) continue;
    if (!win::EqualsNoCase(win::FolderPart(std::wstring(path, length)), folder)) continue;
    ids.push_back(entry.th32ProcessID);
    processes.push_back(std::move(process));
  }
  if (className)
    for (DWORD id : ids)
      if (HWND main = FindWindowOf(className, id)) ::PostMessageW(main, WM_CLOSE, 0, 0);
  DWORD start = ::GetTickCount();
  for (win::UniqueHandle& process : processes) {
    DWORD spent = ::GetTickCount() - start;
    if (::WaitForSingleObject(process.get(), spent < graceMs ? graceMs - spent : 0) != WAIT_OBJECT_0) {
      ::TerminateProcess(process.get(), 1);
      ::WaitForSingleObject(process.get(), 5000);
    }
  }
}

}  // namespace proctest
