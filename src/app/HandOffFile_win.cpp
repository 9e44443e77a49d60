#include "app/HandOffFile_win.h"

#include <windows.h>

#include "win/Handles.h"

namespace app {

bool AppendHandOff(const std::wstring& path, std::string_view bytes, unsigned timeoutMs) {
  DWORD start = ::GetTickCount();
  win::UniqueFile file;
  for (;;) {
    // Each writer keeps the file to itself while it appends (the others retry): under
    // Wine, appends made at the same moment through handles that share writing
    // overwrite one another.
    file.reset(::CreateFileW(path.c_str(), FILE_APPEND_DATA, FILE_SHARE_READ, nullptr, OPEN_ALWAYS,
                             FILE_ATTRIBUTE_NORMAL, nullptr));
    if (file) break;
    if (::GetTickCount() - start > timeoutMs) return false;
    ::Sleep(1);
  }
  if (bytes.empty()) return true;
  DWORD written = 0;
  return ::WriteFile(file.get(), bytes.data(), static_cast<DWORD>(bytes.size()), &written, nullptr) &&
         written == bytes.size();
}

namespace {

std::optional<std::string> ReadAndDelete(const std::wstring& path) {
  std::string bytes;
  {
    win::UniqueFile file(::CreateFileW(path.c_str(), GENERIC_READ, FILE_SHARE_READ, nullptr, OPEN_EXISTING,
                                       FILE_ATTRIBUTE_NORMAL, nullptr));
    if (!file) return std::nullopt;
    char buffer[4096];
    DWORD got = 0;
    while (::ReadFile(file.get(), buffer, sizeof(buffer), &got, nullptr) && got > 0) bytes.append(buffer, got);
  }
  ::DeleteFileW(path.c_str());
  return bytes;
}

}  // namespace

std::optional<std::string> TakeHandOff(const std::wstring& path) {
  std::wstring privateName = path + L"." + std::to_wstring(::GetCurrentProcessId()) + L".tmp";
  std::string bytes;
  bool any = false;
  // A file left under the private name by an earlier attempt is read first.
  if (::GetFileAttributesW(privateName.c_str()) != INVALID_FILE_ATTRIBUTES) {
    if (auto earlier = ReadAndDelete(privateName)) {
      bytes += *earlier;
      any = true;
    }
  }
  if (::GetFileAttributesW(path.c_str()) != INVALID_FILE_ATTRIBUTES &&
      ::MoveFileExW(path.c_str(), privateName.c_str(), MOVEFILE_REPLACE_EXISTING)) {
    if (auto taken = ReadAndDelete(privateName)) {
      bytes += *taken;
      any = true;
    }
  }
  if (!any) return std::nullopt;
  return bytes;
}

}  // namespace app
