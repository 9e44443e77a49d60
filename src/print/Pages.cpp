#include "print/Pages.h"

#include <algorithm>
#include <climits>

#include "win/Text.h"

namespace print {

PageTable MeasurePages(long textLength, const Formatter& fit) {
  PageTable table;
  long start = 0;
  for (;;) {
    Fit result = fit(start);
    if (result.next == -1 || result.next >= textLength) {
      table.pages.push_back({start, result.next, result.used});
      return table;
    }
    if (result.next <= start) {
      // The formatter placed nothing: asking again would return the same position forever.
      table.pages.push_back({start, -1, result.used});
      table.complete = false;
      return table;
    }
    table.pages.push_back({start, result.next, result.used});
    start = result.next;
  }
}

std::optional<int> ParsePageNumber(std::wstring_view text) {
  std::wstring number = win::Trim(text);
  size_t i = 0;
  bool negative = false;
  if (i < number.size() && (number[i] == L'+' || number[i] == L'-')) negative = number[i++] == L'-';
  if (i == number.size()) return std::nullopt;
  long long value = 0;
  for (; i < number.size(); ++i) {
    if (number[i] < L'0' || number[i] > L'9') return std::nullopt;
    value = value * 10 + (number[i] - L'0');
    if (value > static_cast<long long>(INT_MAX) + 1) return std::nullopt;
  }
  if (negative) value = -value;
  if (value > INT_MAX) return std::nullopt;
  return static_cast<int>(value);
}

PageRange RangeFromFields(std::wstring_view from, std::wstring_view to) {
  return {ParsePageNumber(from).value_or(0), ParsePageNumber(to).value_or(0)};
}

PageRange WithinDocument(PageRange range, int pageCount) {
  return {std::max(range.first, 1), std::min(range.last, pageCount)};
}

}  // namespace print
