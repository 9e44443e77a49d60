#pragma once
// Colours as the configuration file stores them: a standard colour name or a number
// 00BBGGRR. Values with the high byte 0xFF name a system colour (low byte = index).
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace config {

using Color = std::uint32_t;

inline constexpr Color kClBlack = 0x000000;
inline constexpr Color kClWhite = 0xFFFFFF;
inline constexpr Color kClNavy = 0x800000;
inline constexpr Color kClNone = 0x1FFFFFFF;
inline constexpr Color kClDefault = 0x20000000;
inline constexpr Color kSystemColorFlag = 0xFF000000;

constexpr Color SystemColor(int index) { return kSystemColorFlag | static_cast<Color>(index); }
inline constexpr Color kClWindow = SystemColor(5);
inline constexpr Color kClWindowText = SystemColor(8);
inline constexpr Color kClBtnFace = SystemColor(15);

// A name of the standard table (any letter case), "$" or "0x" hexadecimal, or a
// signed decimal number. Anything else gives no value.
std::optional<Color> ParseColor(std::wstring_view text);

// The name when the colour has one, else "$" and eight upper-case hexadecimal digits.
std::wstring FormatColor(Color color);

// The 0x00BBGGRR value to draw with; system colours are looked up through `sysColor`.
std::uint32_t ResolveColor(Color color, std::uint32_t (*sysColor)(int index));

}  // namespace config
