#pragma once
// The page table and the page range: which characters go on which page, and which pages
// are drawn and start a sheet of their own.
#include <functional>
#include <optional>
#include <string_view>
#include <vector>

#include "print/PageGeometry.h"

namespace print {

// One page: its first character, the first character of the next page (−1: the end of
// the text) and the rectangle the formatter used.
struct PageRecord {
  long start = 0;
  long end = 0;
  Rect used;
};

// One pass of the formatter from `start` to the end of the text into the formatting
// rectangle, drawing nothing: the first character that did not fit (−1 when all did)
// and the rectangle it used.
struct Fit {
  long next = -1;
  Rect used;
};
using Formatter = std::function<Fit(long start)>;

struct PageTable {
  std::vector<PageRecord> pages;
  // False when the formatter stopped making progress (margins that leave no room for a
  // single character): the rest of the text then stands on the last page.
  bool complete = true;
  int Count() const { return static_cast<int>(pages.size()); }
};

// Fits page after page from character 0 until the formatter returns −1 or a position
// at or beyond `textLength`. An empty document has one page. `textLength` counts
// characters as the formatter's positions do.
PageTable MeasurePages(long textLength, const Formatter& fit);

// Pages first..last, numbered from 1.
struct PageRange {
  int first = 1;
  int last = 1;
};

// "From Page" and "To" as the dialog's fields hold them: blanks around, an optional
// sign and decimal digits within the range of int. Nothing for any other text.
std::optional<int> ParsePageNumber(std::wstring_view text);
// As the print command reads the fields: a text that is not a number reads as 0.
PageRange RangeFromFields(std::wstring_view from, std::wstring_view to);
inline PageRange AllPages(int pageCount) { return {1, pageCount}; }

// The part of `range` that exists in a document of `pageCount` pages; first > last when
// none does. A range typed with Enter still in a field never had its corrections, and
// a page 0 would otherwise open a blank first sheet.
PageRange WithinDocument(PageRange range, int pageCount);
inline bool IsEmpty(PageRange range) { return range.first > range.last; }

// Every page is formatted; only pages of the range are drawn, headers and footers
// included.
inline bool IsDrawn(int page, PageRange range) { return range.first <= page && page <= range.last; }
// The job opens the first sheet itself; every later page of the range starts a new one.
inline bool StartsSheet(int page, PageRange range) { return range.first < page && page <= range.last; }

}  // namespace print
