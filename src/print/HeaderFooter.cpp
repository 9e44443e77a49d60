#include "print/HeaderFooter.h"

#include <algorithm>
#include <climits>

#include "win/Text.h"

namespace print {
namespace {

void ReplaceFirst(std::wstring& text, std::wstring_view macro, const std::wstring& value) {
  size_t at = text.find(macro);
  if (at != std::wstring::npos) text.replace(at, macro.size(), value);
}

// Widths come from the printer driver; a text wider than the paper goes left of it.
int Offset(long long width, long long textWidth, long long divisor) {
  return static_cast<int>(std::clamp<long long>((width - textWidth) / divisor, INT_MIN, INT_MAX));
}

}  // namespace

std::wstring ExpandMacros(std::wstring_view text, const MacroValues& values) {
  std::wstring out(text);
  ReplaceFirst(out, L"[FILENAME]", win::FileNamePart(values.fileName));
  ReplaceFirst(out, L"[DATE]", values.date);
  ReplaceFirst(out, L"[TIME]", values.time);
  ReplaceFirst(out, L"[PAGENUM]", win::ToText(values.page));
  ReplaceFirst(out, L"[PAGES]", win::ToText(values.pageCount));
  return out;
}

LineTexts ExpandMacros(const LineTexts& line, const MacroValues& values) {
  return {ExpandMacros(line.left, values), ExpandMacros(line.centre, values), ExpandMacros(line.right, values)};
}

std::vector<PlacedText> PlaceLine(const LineTexts& expanded, int printableWidth,
                                  const std::function<int(const std::wstring&)>& textWidth) {
  std::vector<PlacedText> placed;
  if (!expanded.left.empty()) placed.push_back({expanded.left, 0});
  if (!expanded.centre.empty())
    placed.push_back({expanded.centre, Offset(printableWidth, textWidth(expanded.centre), 2)});
  if (!expanded.right.empty()) placed.push_back({expanded.right, Offset(printableWidth, textWidth(expanded.right), 1)});
  return placed;
}

}  // namespace print
