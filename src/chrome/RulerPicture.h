#pragma once
// The ruler's picture worked out without windows: where the scale's copies go, its
// hint, the units a click switches to, and the flood fill that colours its background.
// No windows.h: tested natively.
#include <cstdint>
#include <vector>

namespace chrome {

inline constexpr int kRulerHeight = 10;
inline constexpr int kInchRepeat = 576;
inline constexpr int kCentimetreRepeat = 570;

// RulerStyle: 0 inches, anything else centimetres.
inline bool IsCentimetres(int style) { return style != 0; }
inline int NextRulerStyle(int style) { return style == 0 ? 1 : 0; }
inline const wchar_t* RulerHint(int style) { return IsCentimetres(style) ? L"Centimeters" : L"Inches"; }

// The left edges of the scale's copies that cover `width` pixels, from 0.
std::vector<int> RulerCopies(int style, int width);

// Fills the area around (x, y) with `color`, spreading to the four neighbours, up to
// pixels of the colour `border`. `pixels` holds `height` rows of `width`.
void FloodFill(std::vector<std::uint32_t>& pixels, int width, int height, int x, int y, std::uint32_t color,
               std::uint32_t border);

}  // namespace chrome
