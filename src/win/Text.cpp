#include "win/Text.h"

#include <climits>

namespace win {

std::wstring Fill(std::wstring_view format, std::initializer_list<std::wstring_view> args) {
  std::wstring out;
  out.reserve(format.size() + 64);
  auto next = args.begin();
  for (size_t i = 0; i < format.size(); ++i) {
    wchar_t c = format[i];
    if (c == L'%' && i + 1 < format.size()) {
      wchar_t kind = format[i + 1];
      if (kind == L'%') {
        out += L'%';
        ++i;
        continue;
      }
      if (kind == L's' || kind == L'd') {
        if (next != args.end()) out += *next++;
        ++i;
        continue;
      }
    }
    out += c;
  }
  return out;
}

namespace {
bool IsBlank(wchar_t c) { return static_cast<unsigned>(c) <= 32; }
}  // namespace

std::wstring TrimLeft(std::wstring_view text) {
  size_t begin = 0;
  while (begin < text.size() && IsBlank(text[begin])) ++begin;
  return std::wstring(text.substr(begin));
}

std::wstring TrimRight(std::wstring_view text) {
  size_t end = text.size();
  while (end > 0 && IsBlank(text[end - 1])) --end;
  return std::wstring(text.substr(0, end));
}

std::wstring Trim(std::wstring_view text) {
  size_t begin = 0, end = text.size();
  while (begin < end && IsBlank(text[begin])) ++begin;
  while (end > begin && IsBlank(text[end - 1])) --end;
  return std::wstring(text.substr(begin, end - begin));
}

wchar_t FoldCase(wchar_t c) {
  unsigned u = static_cast<unsigned>(c);
  if (u < 0x80) return (u >= 'a' && u <= 'z') ? static_cast<wchar_t>(u - 32) : c;
  if (u >= 0xE0 && u <= 0xFE && u != 0xF7) return static_cast<wchar_t>(u - 32);
  if (u == 0xFF) return static_cast<wchar_t>(0x178);
  if (u >= 0x100 && u <= 0x17F) {
    // Latin Extended-A pairs capitals and small letters; the two runs below are
    // shifted by one against the rest.
    bool oddIsSmall = !((u >= 0x139 && u <= 0x148) || (u >= 0x179 && u <= 0x17E));
    if (u == 0x131 || u == 0x138 || u == 0x149 || u == 0x17F) return c;
    if (oddIsSmall) return (u & 1) ? static_cast<wchar_t>(u - 1) : c;
    return (u & 1) ? c : static_cast<wchar_t>(u - 1);
  }
  if (u >= 0x3B1 && u <= 0x3C9 && u != 0x3C2) return static_cast<wchar_t>(u - 32);
  if (u >= 0x430 && u <= 0x44F) return static_cast<wchar_t>(u - 32);
  if (u >= 0x450 && u <= 0x45F) return static_cast<wchar_t>(u - 80);
  return c;
}

bool EqualsNoCase(std::wstring_view a, std::wstring_view b) {
  if (a.size() != b.size()) return false;
  for (size_t i = 0; i < a.size(); ++i)
    if (FoldCase(a[i]) != FoldCase(b[i])) return false;
  return true;
}

bool ContainsNoCase(std::wstring_view haystack, std::wstring_view needle) {
  if (needle.empty()) return true;
  if (needle.size() > haystack.size()) return false;
  for (size_t i = 0; i + needle.size() <= haystack.size(); ++i)
    if (EqualsNoCase(haystack.substr(i, needle.size()), needle)) return true;
  return false;
}

std::wstring EscapeAmpersands(std::wstring_view text) {
  std::wstring out;
  out.reserve(text.size() + 4);
  for (wchar_t c : text) {
    out += c;
    if (c == L'&') out += L'&';
  }
  return out;
}

namespace {
size_t NameStart(std::wstring_view path) {
  size_t pos = path.find_last_of(L"\\/:");
  return pos == std::wstring_view::npos ? 0 : pos + 1;
}
}  // namespace

std::wstring FileNamePart(std::wstring_view path) { return std::wstring(path.substr(NameStart(path))); }

std::wstring FolderPart(std::wstring_view path) { return std::wstring(path.substr(0, NameStart(path))); }

std::wstring ExtensionPart(std::wstring_view path) {
  size_t start = NameStart(path);
  size_t dot = path.find_last_of(L'.');
  if (dot == std::wstring_view::npos || dot < start) return std::wstring();
  return std::wstring(path.substr(dot));
}

std::wstring ToText(long long value) {
  std::string digits = std::to_string(value);
  return std::wstring(digits.begin(), digits.end());
}

int ParseIntPrefix(std::wstring_view text) {
  size_t i = 0;
  while (i < text.size() && (text[i] == L' ' || text[i] == L'\t')) ++i;
  bool negative = false;
  if (i < text.size() && (text[i] == L'+' || text[i] == L'-')) negative = text[i++] == L'-';
  long long value = 0;
  for (; i < text.size() && text[i] >= L'0' && text[i] <= L'9'; ++i) {
    value = value * 10 + (text[i] - L'0');
    if (value > static_cast<long long>(INT_MAX) + 1) value = static_cast<long long>(INT_MAX) + 1;
  }
  if (negative) value = -value;
  if (value > INT_MAX) value = INT_MAX;
  if (value < INT_MIN) value = INT_MIN;
  return static_cast<int>(value);
}

std::wstring Widen(std::string_view ascii) { return std::wstring(ascii.begin(), ascii.end()); }

}  // namespace win
