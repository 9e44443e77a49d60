#pragma once
// The version block of an executable file: its translations and the strings of each.
// The Notepad Center and the uninstaller recognise the installed notepad by them.
#include <windows.h>

#include <optional>
#include <string>
#include <vector>

namespace notepad {

class VersionBlock {
 public:
  // Reads the block of `path`; false when the file is missing or has no block.
  bool Load(const std::wstring& path);
  bool Loaded() const { return !data_.empty(); }

  // The "%04x%04x" names of the pairs listed in \VarFileInfo\Translation, in order.
  std::vector<std::wstring> Translations() const;
  // \StringFileInfo\<translation>\<name>, when the block holds it.
  std::optional<std::wstring> String(const std::wstring& translation, const wchar_t* name) const;

 private:
  std::vector<BYTE> data_;
};

// The names of the strings that tell the makers apart.
inline constexpr const wchar_t* kMakerStrings[] = {L"CompanyName", L"LegalCopyright", L"ProductName"};

}  // namespace notepad
