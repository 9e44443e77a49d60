#include "uninstall/SystemSite_win.h"

#include <windows.h>
#include <shlobj.h>

#include <vector>

#include "win/Text.h"

namespace uninstall {

namespace {

std::wstring WindowsFolder() {
  wchar_t buffer[MAX_PATH] = L"";
  UINT got = ::GetWindowsDirectoryW(buffer, MAX_PATH);
  return got > 0 && got < MAX_PATH ? std::wstring(buffer, got) : std::wstring();
}

std::wstring ShellFolder(int csidl) {
  wchar_t buffer[MAX_PATH] = L"";
  if (FAILED(::SHGetFolderPathW(nullptr, csidl, nullptr, SHGFP_TYPE_CURRENT, buffer))) return std::wstring();
  return buffer;
}

std::wstring OwnPath() {
  std::vector<wchar_t> buffer(MAX_PATH);
  for (;;) {
    DWORD got = ::GetModuleFileNameW(nullptr, buffer.data(), static_cast<DWORD>(buffer.size()));
    if (got < buffer.size()) return std::wstring(buffer.data(), got);
    buffer.resize(buffer.size() * 2);
  }
}

}  // namespace

Folders SystemFolders() {
  Folders folders;
  folders.self = OwnPath();
  folders.program = WithBackslash(win::FolderPart(folders.self));
  folders.windows = WithBackslash(WindowsFolder());
  folders.programsMenu = ShellFolder(CSIDL_PROGRAMS);
  folders.desktop = ShellFolder(CSIDL_DESKTOPDIRECTORY);
  return folders;
}

bool MessageBoxes::Show(const Message& message) {
  UINT flags = message.yesNo ? MB_YESNO : MB_OK;
  if (message.icon == Icon::Information) flags |= MB_ICONINFORMATION;
  if (message.icon == Icon::Warning) flags |= MB_ICONWARNING;
  return ::MessageBoxW(nullptr, message.text.c_str(), message.title.c_str(), flags) == IDYES;
}

}  // namespace uninstall
