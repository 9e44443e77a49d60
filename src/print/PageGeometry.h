#pragma once
// Margins, paper and the rectangles a page is laid out in. Lengths on paper are twips
// (1440 per inch), as the rich-edit formatter takes them; lengths on the printer are its
// device pixels.
#include <optional>
#include <string>
#include <string_view>

namespace print {

inline constexpr int kTwipsPerInch = 1440;
// The narrowest margin the dialog lets stand: 0.2 inch.
inline constexpr int kMinMarginTwips = 288;
inline constexpr wchar_t kMinMarginText[] = L"0.2";
// Margins are cut to a million inches, so that every sum of lengths stays an int.
inline constexpr int kMaxMarginTwips = 1440000000;

// A margin text in twips, truncated toward zero. The text is a number of inches: blanks
// around, an optional sign, decimal digits with at most one "." and at least one digit
// (digits past the fifteenth decimal place do not count). Nothing for any other text.
std::optional<int> MarginTwips(std::wstring_view text);
// As the print job reads a margin field: a text that is not a number reads as 0.
inline int MarginTwipsOrZero(std::wstring_view text) { return MarginTwips(text).value_or(0); }
// The text itself when it is a number of at least 0.2 inch, else "0.2".
std::wstring CorrectedMargin(std::wstring_view text);

struct MarginTexts {
  std::wstring left, right, top, bottom;
};
struct Margins {  // twips
  int left = 0, right = 0, top = 0, bottom = 0;
};
Margins ToTwips(const MarginTexts& texts);

// What the printer's device context reports (GetDeviceCaps), in device pixels.
struct DeviceMetrics {
  int physicalWidth = 0, physicalHeight = 0;    // the whole sheet
  int dpiX = 0, dpiY = 0;                       // pixels per inch on each axis
  int offsetX = 0, offsetY = 0;                 // from the sheet's corner to the printable area's
  int printableWidth = 0, printableHeight = 0;  // the printable area
};

struct Point {
  int x = 0, y = 0;
};
struct Rect {
  int left = 0, top = 0, right = 0, bottom = 0;
  int Width() const { return right - left; }
  int Height() const { return bottom - top; }
};

// The sheet in twips: physical size in pixels * 1440 / pixels per inch on that axis
// (truncated; 0 when the printer reports no resolution).
Point PaperTwips(const DeviceMetrics& device);

struct PageLayout {
  Rect page;    // twips: (0, 0) to the paper size
  Rect format;  // twips: (0, 0) to the paper less the margins; where the body is laid out
  // Device pixels from the printable area's corner to the top-left margin corner: the
  // context's origin while the body is formatted or drawn.
  Point bodyOrigin;
};
PageLayout LayOutPage(const DeviceMetrics& device, const Margins& margins);

// Why these margins leave too little room for the body on this printer's paper, or
// nothing when they leave at least `minimumBody` (twips: the width of a character and
// the height of a line of the print font). The message names the two margins at fault.
std::optional<std::wstring> MarginsProblem(const MarginTexts& texts, const DeviceMetrics& device,
                                           Point minimumBody);

}  // namespace print
