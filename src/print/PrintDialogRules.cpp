#include "print/PrintDialogRules.h"

#include "print/Pages.h"
#include "win/Text.h"

namespace print {

std::wstring AllCaption(int pageCount) { return win::Fill(L"&All (%d Pages)", {win::ToText(pageCount)}); }

std::wstring CorrectedFrom(std::wstring_view from, int pageCount) {
  int page = ParsePageNumber(from).value_or(0);
  if (page > pageCount) return win::ToText(pageCount);
  if (page <= 0) return L"1";
  return std::wstring(from);
}

std::wstring CappedToCount(std::wstring_view field, int pageCount) {
  if (ParsePageNumber(field).value_or(0) > pageCount) return win::ToText(pageCount);
  return std::wstring(field);
}

Recount AfterRecount(std::wstring_view from, std::wstring_view to, int previousCount, int newCount) {
  Recount r;
  r.from = CappedToCount(from, newCount);
  r.to = CappedToCount(to, newCount);
  r.pageCount = newCount;
  r.announce = newCount != previousCount;
  if (r.announce) r.allCaption = AllCaption(newCount);
  return r;
}

std::optional<std::wstring> RangeRefusal(std::wstring_view from, std::wstring_view to) {
  PageRange range = RangeFromFields(from, to);
  if (range.last < range.first) return std::wstring(kFromAfterTo);
  return std::nullopt;
}

}  // namespace print
