#include "textcmd/TextRules_win.h"

#include <windows.h>

#include <algorithm>
#include <climits>

namespace textcmd {
namespace {

// The conversion functions take a DWORD count.
template <typename Convert>
void InDwordPieces(wchar_t* data, size_t count, Convert convert) {
  constexpr size_t kPiece = 1u << 30;
  while (count > 0) {
    size_t piece = std::min(count, kPiece);
    convert(data, static_cast<DWORD>(piece));
    data += piece;
    count -= piece;
  }
}

}  // namespace

void LowerCaseBuffer(wchar_t* data, size_t count) { InDwordPieces(data, count, ::CharLowerBuffW); }
void UpperCaseBuffer(wchar_t* data, size_t count) { InDwordPieces(data, count, ::CharUpperBuffW); }

bool IsWordCharacter(wchar_t c) { return ::IsCharAlphaNumericW(c) != FALSE; }

TextRules EditorTextRules() { return TextRules{LowerCaseBuffer, IsWordCharacter}; }

int CompareNoCase(std::wstring_view a, std::wstring_view b) {
  int result = ::CompareStringW(LOCALE_USER_DEFAULT, NORM_IGNORECASE, a.data(), static_cast<int>(a.size()),
                                b.data(), static_cast<int>(b.size()));
  return result - CSTR_EQUAL;
}

void AppendSortKey(std::wstring_view line, std::string& keys) {
  constexpr DWORD kFlags = LCMAP_SORTKEY | NORM_IGNORECASE;
  int length = static_cast<int>(std::min<size_t>(line.size(), INT_MAX / 8));
  size_t at = keys.size();
  // A key rarely needs more than a few bytes per character; ask again when it does.
  size_t room = static_cast<size_t>(length) * 4 + 16;
  keys.resize(at + room);
  int got = ::LCMapStringW(LOCALE_USER_DEFAULT, kFlags, line.data(), length, reinterpret_cast<wchar_t*>(&keys[at]),
                           static_cast<int>(room));
  if (got == 0) {
    int needed = ::LCMapStringW(LOCALE_USER_DEFAULT, kFlags, line.data(), length, nullptr, 0);
    keys.resize(at + static_cast<size_t>(std::max(needed, 0)));
    got = needed > 0 ? ::LCMapStringW(LOCALE_USER_DEFAULT, kFlags, line.data(), length,
                                      reinterpret_cast<wchar_t*>(&keys[at]), needed)
                     : 0;
  }
  keys.resize(at + static_cast<size_t>(std::max(got, 0)));
}

}  // namespace textcmd
