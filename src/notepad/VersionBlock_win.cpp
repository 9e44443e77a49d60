#include "notepad/VersionBlock_win.h"

#include <cwchar>

#include "win/Handles.h"

namespace notepad {

bool VersionBlock::Load(const std::wstring& path) {
  data_.clear();
  // Read from the file itself rather than through GetFileVersionInfo: Wine maps its own
  // built-in program in place of an image named like one (notepad.exe among them), so
  // the version block would describe Wine's program, not the file in the folder.
  win::UniqueModule module(::LoadLibraryExW(path.c_str(), nullptr, LOAD_LIBRARY_AS_DATAFILE));
  if (!module) return false;
  HRSRC resource = ::FindResourceW(module.get(), MAKEINTRESOURCEW(VS_VERSION_INFO), RT_VERSION);
  if (!resource) return false;
  DWORD size = ::SizeofResource(module.get(), resource);
  HGLOBAL loaded = ::LoadResource(module.get(), resource);
  const void* bytes = loaded ? ::LockResource(loaded) : nullptr;
  if (!bytes || size == 0) return false;
  const BYTE* begin = static_cast<const BYTE*>(bytes);
  data_.assign(begin, begin + size);
  return true;
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
