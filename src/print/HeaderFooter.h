#pragma once
// Header and footer lines: three texts each, their macros and where they are drawn.
#include <functional>
#include <string>
#include <string_view>
#include <vector>

namespace print {

// Left, centre and right text of a header or a footer line.
struct LineTexts {
  std::wstring left, centre, right;
  bool IsEmpty() const { return left.empty() && centre.empty() && right.empty(); }
};

// What the macros stand for on one page. Date and time come already formatted with
// the user's DateFormat, TimeFormat and regional separators.
struct MacroValues {
  std::wstring fileName;  // the document's FileName; only its name part is printed
  std::wstring date;
  std::wstring time;
  int page = 1;
  int pageCount = 1;
};

// Replaces "[FILENAME]", "[DATE]", "[TIME]", "[PAGENUM]" and "[PAGES]", in this order,
// each matched with exact case and only at its first occurrence.
std::wstring ExpandMacros(std::wstring_view text, const MacroValues& values);
LineTexts ExpandMacros(const LineTexts& line, const MacroValues& values);

// One text of a line to draw, at x device pixels from the printable area's left edge.
struct PlacedText {
  std::wstring text;
  int x = 0;
};

// The non-empty texts of an expanded line: the left one at 0, the centre one at
// (printable width − its width) / 2, the right one at printable width − its width.
// `textWidth` measures a text in the drawing font, in device pixels.
std::vector<PlacedText> PlaceLine(const LineTexts& expanded, int printableWidth,
                                  const std::function<int(const std::wstring&)>& textWidth);

// The footer's top: the printable height less the height of a line ("Wq" in the drawing
// font). The header's top is 0.
inline int FooterTop(int printableHeight, int lineHeight) { return printableHeight - lineHeight; }
inline constexpr wchar_t kLineHeightSample[] = L"Wq";

}  // namespace print
