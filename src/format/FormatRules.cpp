#include "format/FormatRules.h"

#include <algorithm>
#include <climits>
#include <cwctype>
#include <utility>

namespace format {
namespace {

constexpr std::uint32_t Rgb(int r, int g, int b) {
  return static_cast<std::uint32_t>(r) | (static_cast<std::uint32_t>(g) << 8) | (static_cast<std::uint32_t>(b) << 16);
}

bool IsBlank(wchar_t c) { return c == L' ' || c == L'\t'; }

std::wstring_view Trim(std::wstring_view text) {
  while (!text.empty() && IsBlank(text.front())) text.remove_prefix(1);
  while (!text.empty() && IsBlank(text.back())) text.remove_suffix(1);
  return text;
}

// Hexadecimal digits only, at most eight of them; false for anything else.
bool ParseHex(std::wstring_view text, std::uint32_t& value) {
  text = Trim(text);
  if (text.empty() || text.size() > 8) return false;
  std::uint32_t result = 0;
  for (wchar_t c : text) {
    int digit;
    if (c >= L'0' && c <= L'9')
      digit = c - L'0';
    else if (c >= L'a' && c <= L'f')
      digit = c - L'a' + 10;
    else if (c >= L'A' && c <= L'F')
      digit = c - L'A' + 10;
    else
      return false;
    result = result * 16 + static_cast<std::uint32_t>(digit);
  }
  value = result;
  return true;
}

// Columns of the third row, left to right: the tags P22, P21, P18, P20, P23, P17, P19, P24.
struct ThirdRowCell {
  int tag;
  std::uint32_t color;
};
constexpr ThirdRowCell kThirdRow[8] = {
    {22, Rgb(98, 98, 98)},   {21, Rgb(128, 128, 255)}, {18, Rgb(255, 128, 128)}, {20, Rgb(255, 128, 255)},
    {23, Rgb(0, 202, 0)},    {17, Rgb(255, 128, 0)},   {19, Rgb(128, 128, 192)}, {24, Rgb(219, 219, 219)},
};
constexpr std::uint32_t kNamedColors[16] = {
    0x000000, 0xFF0000, 0x0000FF, 0xFF00FF, 0x00FF00, 0x00FFFF, 0xFFFF00, 0xFFFFFF,  // black .. white
    0x808080, 0x800000, 0x000080, 0x800080, 0x008000, 0x008080, 0x808000, 0xC0C0C0,  // gray .. silver
};
constexpr int kCellWidth = 18, kCellHeight = 16, kCellStep = 18;
constexpr int kFirstCellX = 6, kFirstCellY = 26;

PaletteRect CellRect(int column, int row) {
  return {kFirstCellX + column * kCellStep, kFirstCellY + row * kCellStep, kCellWidth, kCellHeight};
}

}  // namespace

int ParseFontSize(std::wstring_view text) {
  text = Trim(text);
  bool negative = false;
  if (!text.empty() && (text.front() == L'-' || text.front() == L'+')) {
    negative = text.front() == L'-';
    text.remove_prefix(1);
  }
  if (text.empty()) return 0;
  long long value = 0;
  for (wchar_t c : text) {
    if (c < L'0' || c > L'9') return 0;
    value = std::min<long long>(value * 10 + (c - L'0'), INT_MAX);
  }
  return static_cast<int>(negative ? -value : value);
}

SizeChoice CheckFontSize(int typed) {
  if (typed < kMinFontSize) return {kMinFontSize, true};
  if (typed > kMaxFontSize) return {kMaxFontSize, true};
  return {typed, false};
}

int StepFontSize(int points, int step) {
  if (step > 0 && points < kMaxFontSize) return points + 1;
  if (step < 0 && points > kMinFontSize) return points - 1;
  return points;
}

std::vector<FontName> FontList(std::vector<FontName> found) {
  auto lower = [](std::wstring text) {
    for (wchar_t& c : text) c = static_cast<wchar_t>(std::towlower(static_cast<std::wint_t>(c)));
    return text;
  };
  std::vector<std::pair<std::wstring, FontName>> keyed;
  for (FontName& font : found) {
    if (font.charSet == kSymbolCharSet || font.name.empty() || font.name[0] == L'@') continue;
    keyed.emplace_back(lower(font.name), std::move(font));
  }
  std::stable_sort(keyed.begin(), keyed.end(), [](const auto& a, const auto& b) { return a.first < b.first; });
  std::vector<FontName> list;
  for (size_t i = 0; i < keyed.size(); ++i) {
    if (i > 0 && keyed[i].first == keyed[i - 1].first) {
      if (keyed[i].second.charSet == kAnsiCharSet) list.back().charSet = kAnsiCharSet;
      continue;
    }
    list.push_back(std::move(keyed[i].second));
  }
  return list;
}

Alignment AlignmentOfTag(int tag) {
  if (tag == 1) return Alignment::Right;
  if (tag == 2) return Alignment::Center;
  return Alignment::Left;
}

std::vector<PaletteCell> PaletteLayout(const std::array<std::uint32_t, 16>& custom) {
  std::vector<PaletteCell> cells(kPaletteCells);
  for (int i = 0; i < 16; ++i) cells[static_cast<size_t>(i)] = {i + 1, CellRect(i % 8, i / 8), kNamedColors[i]};
  for (int column = 0; column < 8; ++column) {
    const ThirdRowCell& cell = kThirdRow[column];
    cells[static_cast<size_t>(cell.tag - 1)] = {cell.tag, CellRect(column, 2), cell.color};
  }
  for (int i = 0; i < 16; ++i)
    cells[static_cast<size_t>(24 + i)] = {25 + i, CellRect(i % 8, 3 + i / 8), custom[static_cast<size_t>(i)]};
  return cells;
}

PaletteRect DefaultPanelRect() { return {6, 4, 145, 19}; }
PaletteRect DefaultSwatchRect() { return {6 + 99, 4 + 2, 15, 15}; }
PaletteRect MoreColorsRect() { return {6, 118, 145, 19}; }

int PaletteTagAt(int x, int y) {
  if (DefaultPanelRect().Contains(x, y)) return kDefaultTag;
  if (MoreColorsRect().Contains(x, y)) return kMoreColorsTag;
  static const std::vector<PaletteCell> cells = PaletteLayout({});
  for (const PaletteCell& cell : cells)
    if (cell.rect.Contains(x, y)) return cell.tag;
  return kNoTag;
}

std::wstring CustomColorKey(int index) {
  std::wstring key = L"Color";
  key += static_cast<wchar_t>(L'A' + std::clamp(index, 0, 15));
  return key;
}

std::uint32_t ParsePaletteColor(std::wstring_view text) {
  text = Trim(text);
  if (text.size() == 8) text = text.substr(0, 6);
  std::uint32_t value = 0;
  if (!ParseHex(text, value) || value > 0xFFFFFF) return 0xFFFFFF;
  return value;
}

std::uint32_t ParseDialogColor(std::wstring_view text) {
  std::uint32_t value = 0;
  if (!ParseHex(text, value) || value > 0xFFFFFF) return kEmptyCustomColor;
  return value;
}

std::wstring FormatCustomColor(std::uint32_t color) {
  static const wchar_t kDigits[] = L"0123456789ABCDEF";
  std::wstring text;
  for (int shift = 28; shift >= 0; shift -= 4) {
    wchar_t digit = kDigits[(color >> shift) & 0xF];
    if (text.empty() && digit == L'0' && shift >= 24) continue;
    text += digit;
  }
  return text;
}

}  // namespace format
