#include "config/IniFile_win.h"

#include <windows.h>

#include <vector>

namespace config {

std::wstring IniFile::ReadText(std::wstring_view section, std::wstring_view key, std::wstring_view fallback,
                               size_t bufferLength) const {
  if (bufferLength == 0) return std::wstring();
  std::wstring sectionText(section), keyText(key), fallbackText(fallback);
  std::vector<wchar_t> buffer(bufferLength + 1, L'\0');
  DWORD got = ::GetPrivateProfileStringW(sectionText.c_str(), keyText.c_str(), fallbackText.c_str(), buffer.data(),
                                         static_cast<DWORD>(bufferLength), path_.c_str());
  if (got >= bufferLength) got = static_cast<DWORD>(bufferLength - 1);
  return std::wstring(buffer.data(), got);
}

void IniFile::WriteText(std::wstring_view section, std::wstring_view key, std::wstring_view value) {
  std::wstring sectionText(section), keyText(key), valueText(value);
  ::WritePrivateProfileStringW(sectionText.c_str(), keyText.c_str(), valueText.c_str(), path_.c_str());
}

void IniFile::EraseSection(std::wstring_view section) {
  std::wstring sectionText(section);
  ::WritePrivateProfileStringW(sectionText.c_str(), nullptr, nullptr, path_.c_str());
}

void IniFile::WriteSection(std::wstring_view section,
                           const std::vector<std::pair<std::wstring, std::wstring>>& entries) {
  // "key=value" strings one after another, each ending in a zero, and one more zero.
  std::wstring block;
  for (const auto& [key, value] : entries) {
    block += key;
    block += L'=';
    block += value;
    block += L'\0';
  }
  block += L'\0';
  std::wstring sectionText(section);
  ::WritePrivateProfileSectionW(sectionText.c_str(), block.c_str(), path_.c_str());
}

}  // namespace config
