#pragma once
// The rules of the format bar, the palette and the custom colours that need no window:
// font sizes typed by the user, the palette's cells and the stored colour texts.
#include <array>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace format {

inline constexpr int kMinFontSize = 1;
inline constexpr int kMaxFontSize = 1638;

// The size typed into the size box: a decimal integer (surrounding blanks allowed);
// anything else counts as 0. Numbers too large for an int read as a large number.
int ParseFontSize(std::wstring_view text);

struct SizeChoice {
  int size;          // what is applied, always within 1..1638
  bool outOfRange;   // the user is told, and the box shows `size`
};
SizeChoice CheckFontSize(int typed);

// Larger Font and Smaller Font: one point up or down, nothing at the bounds.
int StepFontSize(int points, int step);

// One installed font and its character set.
struct FontName {
  std::wstring name;
  int charSet;
};
inline constexpr int kAnsiCharSet = 0;
inline constexpr int kSymbolCharSet = 2;
// The font box's list from what the system enumerated: no fonts of the symbol
// character set and no vertical ("@") faces, each name once (with the ANSI character
// set where the font has it, else the first one met), sorted by name ignoring case.
std::vector<FontName> FontList(std::vector<FontName> found);

// Alignment as the bar and the menu number it (0 left, 1 right, 2 centre).
enum class Alignment { Left = 0, Right = 1, Center = 2 };
// A sender's tag as an alignment; anything but 1 and 2 (no tag at all) is left.
Alignment AlignmentOfTag(int tag);

// One of the palette's places that can be clicked or hot-tracked.
struct PaletteRect {
  int left, top, width, height;
  bool Contains(int x, int y) const { return x >= left && x < left + width && y >= top && y < top + height; }
};
inline constexpr int kPaletteWidth = 157;
inline constexpr int kPaletteHeight = 142;
inline constexpr int kPaletteCells = 40;
inline constexpr int kDefaultTag = 0;    // the "Default Color" panel
inline constexpr int kMoreColorsTag = 41;  // the "More Colors..." panel
inline constexpr int kNoTag = -1;

struct PaletteCell {
  int tag;            // 1..40: P1..P40
  PaletteRect rect;
  std::uint32_t color;  // 0x00BBGGRR
};

// The 40 cells in the order of their tags, with the 16 custom colours (A..P, as
// ParsePaletteColor reads them) in the last two rows.
std::vector<PaletteCell> PaletteLayout(const std::array<std::uint32_t, 16>& custom);
PaletteRect DefaultPanelRect();
PaletteRect DefaultSwatchRect();  // inside the palette, not the panel
PaletteRect MoreColorsRect();
// The tag of the place under a point: a cell, one of the two panels, or kNoTag.
int PaletteTagAt(int x, int y);

// The custom colour keys "ColorA".."ColorP".
std::wstring CustomColorKey(int index);
inline constexpr std::uint32_t kEmptyCustomColor = 0xFFFFFFFF;
// A custom colour as the palette reads it (default "FFFFFF"): a value of 8 characters
// is cut to its first 6, then read as hexadecimal 00BBGGRR. Text that is no colour
// reads as white.
std::uint32_t ParsePaletteColor(std::wstring_view text);
// A custom colour as the colour dialog reads it (default "FFFFFFFF"): hexadecimal; an
// empty slot and text that is no colour read as kEmptyCustomColor.
std::uint32_t ParseDialogColor(std::wstring_view text);
// Upper-case hexadecimal with at least six digits ("FFFFFFFF" for an empty slot).
std::wstring FormatCustomColor(std::uint32_t color);

}  // namespace format
