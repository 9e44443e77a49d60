#include "config/Colors.h"

#include <iterator>

#include "win/Text.h"

namespace config {
namespace {

struct NamedColor {
  const wchar_t* name;
  Color value;
};

constexpr NamedColor kNames[] = {
    {L"clBlack", 0x000000},
    {L"clMaroon", 0x000080},
    {L"clGreen", 0x008000},
    {L"clOlive", 0x008080},
    {L"clNavy", 0x800000},
    {L"clPurple", 0x800080},
    {L"clTeal", 0x808000},
    {L"clGray", 0x808080},
    {L"clSilver", 0xC0C0C0},
    {L"clRed", 0x0000FF},
    {L"clLime", 0x00FF00},
    {L"clYellow", 0x00FFFF},
    {L"clBlue", 0xFF0000},
    {L"clFuchsia", 0xFF00FF},
    {L"clAqua", 0xFFFF00},
    {L"clWhite", 0xFFFFFF},
    {L"clMoneyGreen", 0xC0DCC0},
    {L"clSkyBlue", 0xF0CAA6},
    {L"clCream", 0xF0FBFF},
    {L"clMedGray", 0xA4A0A0},
    {L"clNone", kClNone},
    {L"clDefault", kClDefault},
    {L"clScrollBar", SystemColor(0)},
    {L"clBackground", SystemColor(1)},
    {L"clActiveCaption", SystemColor(2)},
    {L"clInactiveCaption", SystemColor(3)},
    {L"clMenu", SystemColor(4)},
    {L"clWindow", SystemColor(5)},
    {L"clWindowFrame", SystemColor(6)},
    {L"clMenuText", SystemColor(7)},
    {L"clWindowText", SystemColor(8)},
    {L"clCaptionText", SystemColor(9)},
    {L"clActiveBorder", SystemColor(10)},
    {L"clInactiveBorder", SystemColor(11)},
    {L"clAppWorkSpace", SystemColor(12)},
    {L"clHighlight", SystemColor(13)},
    {L"clHighlightText", SystemColor(14)},
    {L"clBtnFace", SystemColor(15)},
    {L"clBtnShadow", SystemColor(16)},
    {L"clGrayText", SystemColor(17)},
    {L"clBtnText", SystemColor(18)},
    {L"clInactiveCaptionText", SystemColor(19)},
    {L"clBtnHighlight", SystemColor(20)},
    {L"cl3DDkShadow", SystemColor(21)},
    {L"cl3DLight", SystemColor(22)},
    {L"clInfoText", SystemColor(23)},
    {L"clInfoBk", SystemColor(24)},
    {L"clHotLight", SystemColor(26)},
    {L"clGradientActiveCaption", SystemColor(27)},
    {L"clGradientInactiveCaption", SystemColor(28)},
    {L"clMenuHighlight", SystemColor(29)},
    {L"clMenuBar", SystemColor(30)},
};

int HexDigit(wchar_t c) {
  if (c >= L'0' && c <= L'9') return c - L'0';
  if (c >= L'a' && c <= L'f') return c - L'a' + 10;
  if (c >= L'A' && c <= L'F') return c - L'A' + 10;
  return -1;
}

std::optional<Color> ParseHex(std::wstring_view digits) {
  if (digits.empty() || digits.size() > 8) return std::nullopt;
  Color value = 0;
  for (wchar_t c : digits) {
    int d = HexDigit(c);
    if (d < 0) return std::nullopt;
    value = (value << 4) | static_cast<Color>(d);
  }
  return value;
}

std::optional<Color> ParseDecimal(std::wstring_view text) {
  size_t i = 0;
  bool negative = false;
  if (!text.empty() && (text[0] == L'-' || text[0] == L'+')) {
    negative = text[0] == L'-';
    i = 1;
  }
  if (i == text.size()) return std::nullopt;
  long long value = 0;
  for (; i < text.size(); ++i) {
    if (text[i] < L'0' || text[i] > L'9') return std::nullopt;
    value = value * 10 + (text[i] - L'0');
    if (value > 0xFFFFFFFFLL) return std::nullopt;
  }
  if (negative) {
    if (value > 0x80000000LL) return std::nullopt;
    value = -value;
  } else if (value > 0x7FFFFFFFLL) {
    return std::nullopt;
  }
  return static_cast<Color>(static_cast<std::int32_t>(value));
}

}  // namespace

std::optional<Color> ParseColor(std::wstring_view raw) {
  std::wstring text = win::Trim(raw);
  for (const NamedColor& named : kNames)
    if (win::EqualsNoCase(text, named.name)) return named.value;
  std::wstring_view view(text);
  if (!view.empty() && view[0] == L'$') return ParseHex(view.substr(1));
  if (view.size() > 2 && view[0] == L'0' && (view[1] == L'x' || view[1] == L'X')) return ParseHex(view.substr(2));
  return ParseDecimal(view);
}

std::wstring FormatColor(Color color) {
  for (const NamedColor& named : kNames)
    if (named.value == color) return named.name;
  static const wchar_t kHex[] = L"0123456789ABCDEF";
  std::wstring out = L"$";
  for (int shift = 28; shift >= 0; shift -= 4) out += kHex[(color >> shift) & 0xF];
  return out;
}

std::uint32_t ResolveColor(Color color, std::uint32_t (*sysColor)(int index)) {
  if ((color & 0xFF000000u) == kSystemColorFlag) return sysColor(static_cast<int>(color & 0xFF));
  if (color == kClNone || color == kClDefault) return sysColor(5);
  return color & 0x00FFFFFFu;
}

}  // namespace config
