#include "notepad/VersionBlock_win.h"

#include <cwchar>


namespace notepad {

namespace {

bool FillFromFile(const std::wstring& path, std::vector<BYTE>& data) {
  DWORD ignored = 0;
  DWORD size = ::GetFileVersionInfoSizeW(path.c_str(), &ignored);
  if (size == 0) return false;
  std::vector<BYTE> buffer(size);
  if (!::GetFileVersionInfoW(path.c_str(), 0, size, buffer.data())) return false;
  data = std::move(buffer);
  return true;
}

}  // namespace

bool VersionBlock::Load(const std::wstring& path) {
  data_.clear();
  if (::GetFileAttributesW(path.c_str()) == INVALID_FILE_ATTRIBUTES) return false;
  // VerQueryValueW needs the buffer GetFileVersionInfoW fills (it keeps room there for
  // converted strings), not a bare copy of the resource. The block is read from a copy
  // under a neutral name: Wine answers for its own built-in program when asked about a
  // file named like one (notepad.exe among them), whatever folder it is in.
  wchar_t folder[MAX_PATH] = L"";
  wchar_t copy[MAX_PATH] = L"";
  DWORD got = ::GetTempPathW(MAX_PATH, folder);
  if (got == 0 || got >= MAX_PATH || !::GetTempFileNameW(folder, L"twv", 0, copy)) return false;
  bool loaded = ::CopyFileW(path.c_str(), copy, FALSE) && FillFromFile(copy, data_);
  ::DeleteFileW(copy);
  return loaded;
}

std::vector<std::wstring> VersionBlock::Translations() const {
  std::vector<std::wstring> names;
  if (data_.empty()) return names;
  void* value = nullptr;
  UINT length = 0;
  if (!::VerQueryValueW(data_.data(), L"\\VarFileInfo\\Translation", &value, &length) || !value) return names;
  // Each entry is a language word followed by a code-page word.
  const WORD* words = static_cast<const WORD*>(value);
  for (UINT i = 0; i + 1 < length / sizeof(WORD); i += 2) {
    wchar_t name[16];
    std::swprintf(name, 16, L"%04x%04x", words[i], words[i + 1]);
    names.push_back(name);
  }
  return names;
}

std::optional<std::wstring> VersionBlock::String(const std::wstring& translation, const wchar_t* name) const {
  if (data_.empty()) return std::nullopt;
  std::wstring query = L"\\StringFileInfo\\" + translation + L"\\" + name;
  void* value = nullptr;
  UINT length = 0;
  if (!::VerQueryValueW(data_.data(), query.c_str(), &value, &length) || !value) return std::nullopt;
  // The length counts characters and may include the terminating NUL.
  const wchar_t* text = static_cast<const wchar_t*>(value);
  size_t count = 0;
  while (count < length && text[count] != L'\0') ++count;
  return std::wstring(text, count);
}

}  // namespace notepad
