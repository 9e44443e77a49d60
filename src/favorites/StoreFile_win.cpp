#include "favorites/StoreFile_win.h"

#include "win/Encoding.h"
#include "win/Handles.h"
#include "win/Text.h"

namespace favorites {

std::optional<std::string> ReadStoreFile(const std::wstring& path) {
  win::UniqueFile file(::CreateFileW(path.c_str(), GENERIC_READ, FILE_SHARE_READ, nullptr, OPEN_EXISTING,
                                     FILE_ATTRIBUTE_NORMAL, nullptr));
  if (!file) return std::nullopt;
  std::string bytes(kMaxStoreBytes, '\0');
  DWORD got = 0;
  if (!::ReadFile(file.get(), bytes.data(), static_cast<DWORD>(bytes.size()), &got, nullptr)) return std::nullopt;
  bytes.resize(got);
  return bytes;
}

bool WriteStoreFile(const std::wstring& path, const std::string& bytes, DWORD disposition) {
  win::UniqueFile file(::CreateFileW(path.c_str(), GENERIC_WRITE, 0, nullptr, disposition, FILE_ATTRIBUTE_NORMAL,
                                     nullptr));
  if (!file) return false;
  DWORD written = 0;
  return ::WriteFile(file.get(), bytes.data(), static_cast<DWORD>(bytes.size()), &written, nullptr) &&
         written == bytes.size() && ::SetEndOfFile(file.get()) && ::FlushFileBuffers(file.get());
}

bool ReplaceStoreFile(const std::wstring& path, const std::string& bytes) {
  std::wstring temporary = path + L".new";
  if (!WriteStoreFile(temporary, bytes, CREATE_ALWAYS)) {
    ::DeleteFileW(temporary.c_str());
    return false;
  }
  if (::MoveFileExW(temporary.c_str(), path.c_str(), MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH)) return true;
  ::DeleteFileW(temporary.c_str());
  return false;
}

CodePage SystemCodePage() {
  return {[](std::string_view bytes) { return win::FromAnsi(bytes); },
          [](std::wstring_view text) { return win::ToAnsi(text); },
          [](std::wstring_view path) { return win::ToAnsiPath(path); }};
}

}  // namespace favorites
