#include <gtest/gtest.h>

#include <algorithm>
#include <climits>
#include <optional>
#include <stdexcept>
#include <utility>
#include <vector>

#include "print/Pages.h"

using namespace print;

namespace {
// A formatter that fits `perPage` characters on a page and says −1 once the rest fits,
// as the rich-edit control's range formatting does; it counts its calls.
struct FakeFormatter {
  long length;
  long perPage;
  int calls = 0;
  Fit operator()(long start) {
    ++calls;
    long next = start + perPage;
    int lines = static_cast<int>(std::min(next, length) - start);
    return {next >= length ? -1 : next, {0, 0, 100, lines}};
  }
};

std::vector<std::pair<long, long>> Spans(const PageTable& table) {
  std::vector<std::pair<long, long>> spans;
  for (const PageRecord& page : table.pages) spans.emplace_back(page.start, page.end);
  return spans;
}
}  // namespace

TEST(PrintPageTable, PagesFollowTheFormattersBreaks) {
  struct Row {
    long length, perPage;
    std::vector<std::pair<long, long>> spans;
  } rows[] = {
      {0, 10, {{0, -1}}},  // an empty document has one page
      {1, 10, {{0, -1}}},
      {10, 10, {{0, -1}}},
      {11, 10, {{0, 10}, {10, -1}}},
      {30, 10, {{0, 10}, {10, 20}, {20, -1}}},
      {31, 10, {{0, 10}, {10, 20}, {20, 30}, {30, -1}}},
  };
  for (Row& row : rows) {
    FakeFormatter fit{row.length, row.perPage};
    PageTable table = MeasurePages(row.length, std::ref(fit));
    EXPECT_EQ(Spans(table), row.spans) << row.length << " characters";
    EXPECT_TRUE(table.complete);
    EXPECT_EQ(fit.calls, table.Count()) << "one pass of the formatter per page";
  }
  FakeFormatter fit{25, 10};
  EXPECT_EQ(MeasurePages(25, std::ref(fit)).pages[2].used.bottom, 5) << "each page keeps the rectangle it used";
}

TEST(PrintPageTable, APositionAtOrBeyondTheLengthEndsTheCount) {
  // The formatter's positions may run past a length counted differently; the count
  // must still end there and not ask for a page after the text.
  for (long reported : {100L, 101L, 5000L}) {
    int calls = 0;
    PageTable table = MeasurePages(100, [&](long start) -> Fit {
      ++calls;
      return {start == 0 ? 60 : reported, {}};
    });
    EXPECT_EQ(Spans(table), (std::vector<std::pair<long, long>>{{0, 60}, {60, reported}}));
    EXPECT_EQ(calls, 2);
  }
}

TEST(PrintPageTable, AFormatterThatMakesNoProgressEndsTheCount) {
  struct Row {
    std::vector<long> answers;  // what the formatter returns on each call
    std::vector<std::pair<long, long>> spans;
  } rows[] = {
      {{0}, {{0, -1}}},                  // not one character fits on the first page
      {{40, 40}, {{0, 40}, {40, -1}}},   // stuck half-way: the rest stands on the last page
      {{40, 39}, {{0, 40}, {40, -1}}},   // a position going back
      {{40, -7}, {{0, 40}, {40, -1}}},   // a nonsense answer
  };
  for (Row& row : rows) {
    size_t call = 0;
    PageTable table = MeasurePages(100, [&](long) -> Fit {
      if (call == row.answers.size()) throw std::logic_error("asked again after no progress");
      return {row.answers[call++], {}};
    });
    EXPECT_EQ(Spans(table), row.spans);
    EXPECT_FALSE(table.complete);
  }
}

TEST(PrintPageRange, FieldsAreWholeNumbersOrNothing) {
  struct Row {
    const wchar_t* text;
    std::optional<int> page;
  } rows[] = {
      {L"1", 1},           {L" 12 ", 12},          {L"+3", 3},
      {L"-3", -3},         {L"00007", 7},          {L"2147483647", INT_MAX},
      {L"-2147483648", INT_MIN},                   {L"2147483648", std::nullopt},
      {L"", std::nullopt}, {L"-", std::nullopt},   {L"3a", std::nullopt},
      {L"1.0", std::nullopt},                      {L"1 2", std::nullopt},
  };
  for (const Row& row : rows) EXPECT_EQ(ParsePageNumber(row.text), row.page) << "\"" << row.text << "\"";
  PageRange range = RangeFromFields(L"x", L"4");
  EXPECT_EQ(range.first, 0) << "a field that is not a number reads as 0";
  EXPECT_EQ(range.last, 4);
}

TEST(PrintPageRange, OnlyPagesOfTheRangeAreDrawnAndEachLaterOneStartsASheet) {
  struct Row {
    PageRange range;
    int pageCount;
    std::vector<int> drawn, newSheets;
  } rows[] = {
      {{3, 4}, 6, {3, 4}, {4}},  // two sheets: the job's first and one more
      {AllPages(4), 4, {1, 2, 3, 4}, {2, 3, 4}},
      {AllPages(1), 1, {1}, {}},
      {{6, 6}, 6, {6}, {}},
      {{5, 9}, 6, {5, 6}, {6}},
  };
  for (const Row& row : rows) {
    std::vector<int> drawn, newSheets;
    for (int n = 1; n <= row.pageCount; ++n) {
      if (IsDrawn(n, row.range)) drawn.push_back(n);
      if (StartsSheet(n, row.range)) newSheets.push_back(n);
    }
    EXPECT_EQ(drawn, row.drawn) << row.range.first << ".." << row.range.last;
    EXPECT_EQ(newSheets, row.newSheets) << row.range.first << ".." << row.range.last;
  }
}

TEST(PrintPageRange, RangesAreCutToTheDocument) {
  struct Row {
    PageRange typed;
    int pageCount;
    int first, last;
  } rows[] = {
      {{3, 4}, 6, 3, 4},
      {{0, 2}, 6, 1, 2},  // page 0 would open a blank first sheet
      {{-3, 2}, 6, 1, 2},
      {{2, 99}, 6, 2, 6},
      {{7, 9}, 6, 7, 6},  // nothing left to print
      {{INT_MIN, INT_MAX}, 1, 1, 1},
  };
  for (const Row& row : rows) {
    PageRange range = WithinDocument(row.typed, row.pageCount);
    EXPECT_EQ(range.first, row.first);
    EXPECT_EQ(range.last, row.last);
  }
  EXPECT_TRUE(IsEmpty(WithinDocument({7, 9}, 6)));
  EXPECT_FALSE(IsEmpty(WithinDocument({6, 6}, 6)));
}
