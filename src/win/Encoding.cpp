#include "win/Encoding.h"

#include <windows.h>

#include <vector>

namespace win {
namespace {

std::string Narrow(UINT codePage, std::wstring_view text) {
  if (text.empty()) return std::string();
  int length = ::WideCharToMultiByte(codePage, 0, text.data(), static_cast<int>(text.size()), nullptr, 0, nullptr,
                                     nullptr);
  std::string out(static_cast<size_t>(length), '\0');
  ::WideCharToMultiByte(codePage, 0, text.data(), static_cast<int>(text.size()), out.data(), length, nullptr,
                        nullptr);
  return out;
}

std::wstring Wide(UINT codePage, std::string_view bytes) {
  if (bytes.empty()) return std::wstring();
  int length = ::MultiByteToWideChar(codePage, 0, bytes.data(), static_cast<int>(bytes.size()), nullptr, 0);
  std::wstring out(static_cast<size_t>(length), L'\0');
  ::MultiByteToWideChar(codePage, 0, bytes.data(), static_cast<int>(bytes.size()), out.data(), length);
  return out;
}

}  // namespace

std::string ToAnsi(std::wstring_view text) { return Narrow(CP_ACP, text); }
std::wstring FromAnsi(std::string_view bytes) { return Wide(CP_ACP, bytes); }
std::string ToUtf8(std::wstring_view text) { return Narrow(CP_UTF8, text); }
std::wstring FromUtf8(std::string_view bytes) { return Wide(CP_UTF8, bytes); }

bool IsAnsiSafe(std::wstring_view text) { return FromAnsi(ToAnsi(text)) == text; }

std::string ToAnsiPath(std::wstring_view path) {
  if (IsAnsiSafe(path)) return ToAnsi(path);
  std::wstring full(path);
  DWORD length = ::GetShortPathNameW(full.c_str(), nullptr, 0);
  if (length > 0) {
    std::vector<wchar_t> buffer(length + 1);
    DWORD got = ::GetShortPathNameW(full.c_str(), buffer.data(), length + 1);
    if (got > 0 && got <= length) {
      std::wstring shortName(buffer.data(), got);
      if (IsAnsiSafe(shortName)) return ToAnsi(shortName);
    }
  }
  return ToAnsi(path);
}

}  // namespace win
