#include <windows.h>
#include <shlobj.h>

#include <vector>

#include "uninstall/Uninstall.h"
#include "win/Text.h"

namespace {

class MessageBoxes : public uninstall::Messages {
 public:
  bool Show(const uninstall::Message& message) override {
    UINT flags = message.yesNo ? MB_YESNO : MB_OK;
    if (message.icon == uninstall::Icon::Information) flags |= MB_ICONINFORMATION;
    if (message.icon == uninstall::Icon::Warning) flags |= MB_ICONWARNING;
    return ::MessageBoxW(nullptr, message.text.c_str(), message.title.c_str(), flags) == IDYES;
  }
};

std::wstring Environment(const wchar_t* name) {
  DWORD length = ::GetEnvironmentVariableW(name, nullptr, 0);
  if (length == 0) return std::wstring();
  std::vector<wchar_t> buffer(length);
  DWORD got = ::GetEnvironmentVariableW(name, buffer.data(), length);
  return got > 0 && got < length ? std::wstring(buffer.data(), got) : std::wstring();
}

// Tests name scratch folders through the environment so that no run touches the
// machine's own Windows folder, Programs menu or desktop.
std::wstring WindowsFolder() {
  std::wstring folder = Environment(L"TARNWICK_WINDOWS_FOLDER");
  if (!folder.empty()) return folder;
  wchar_t buffer[MAX_PATH] = L"";
  UINT got = ::GetWindowsDirectoryW(buffer, MAX_PATH);
  return got > 0 && got < MAX_PATH ? std::wstring(buffer, got) : std::wstring();
}

std::wstring ShellFolder(const wchar_t* override, int csidl) {
  std::wstring folder = Environment(override);
  if (!folder.empty()) return folder;
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

int WINAPI wWinMain(HINSTANCE, HINSTANCE, PWSTR, int) {
  uninstall::Folders folders;
  folders.self = OwnPath();
  folders.program = uninstall::WithBackslash(win::FolderPart(folders.self));
  folders.windows = uninstall::WithBackslash(WindowsFolder());
  folders.programsMenu = ShellFolder(L"TARNWICK_PROGRAMS_FOLDER", CSIDL_PROGRAMS);
  folders.desktop = ShellFolder(L"TARNWICK_DESKTOP_FOLDER", CSIDL_DESKTOPDIRECTORY);
  MessageBoxes messages;
  uninstall::RunUninstall(folders, messages);
  return 0;
}
