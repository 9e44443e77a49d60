#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "print/HeaderFooter.h"

using namespace print;

namespace {
MacroValues PageOf(int page, int pageCount) {
  return {L"C:\\Letters\\To Anna.txt", L"12/31/2000", L"1:05PM", page, pageCount};
}
}  // namespace

TEST(PrintMacros, EachMacroIsReplacedAtItsFirstOccurrenceWithExactCase) {
  struct Row {
    const wchar_t* text;
    const wchar_t* printed;
  } rows[] = {
      {L"[FILENAME]", L"To Anna.txt"},
      {L"Page: [PAGENUM]", L"Page: 2"},
      {L"[PAGENUM] of [PAGES]", L"2 of 5"},
      {L"[PAGENUM]/[PAGENUM]", L"2/[PAGENUM]"},
      {L"[PAGES][PAGES][PAGES]", L"5[PAGES][PAGES]"},
      {L"[DATE] [TIME]", L"12/31/2000 1:05PM"},
      {L"[Date] [pagenum] [FILENAME ]", L"[Date] [pagenum] [FILENAME ]"},
      {L"[PAGE] [PAGENUM", L"[PAGE] [PAGENUM"},
      {L"[[PAGENUM]]", L"[2]"},
      {L"", L""},
      {L"No macros at all", L"No macros at all"},
      {L"[FILENAME] [DATE] [TIME] [PAGENUM] [PAGES] [FILENAME]",
       L"To Anna.txt 12/31/2000 1:05PM 2 5 [FILENAME]"},
  };
  for (const Row& row : rows) EXPECT_EQ(ExpandMacros(row.text, PageOf(2, 5)), row.printed) << "\"" << row.text << "\"";
}

TEST(PrintMacros, NamesWithoutFolderAndTheOnePageOfAnEmptyDocument) {
  MacroValues values{L"Untitled01.txt", L"31.12.2000", L"13:05", 1, 1};
  EXPECT_EQ(ExpandMacros(L"[FILENAME] [PAGENUM]/[PAGES]", values), L"Untitled01.txt 1/1");
  values.fileName = L"\\\\server\\share\\notes.rtf";
  EXPECT_EQ(ExpandMacros(L"[FILENAME]", values), L"notes.rtf");
  values.page = 12345;
  values.pageCount = 12345;
  EXPECT_EQ(ExpandMacros(L"[PAGENUM]-[PAGES]", values), L"12345-12345");
}

TEST(PrintMacros, AWholeLineIsExpandedTextByText) {
  LineTexts line = ExpandMacros(LineTexts{L"[FILENAME]", L"", L"Page: [PAGENUM]"}, PageOf(3, 4));
  EXPECT_EQ(line.left, L"To Anna.txt");
  EXPECT_EQ(line.centre, L"");
  EXPECT_EQ(line.right, L"Page: 3");
}

TEST(PrintLines, TextsSitLeftCentredAndRightOfThePrintableWidth) {
  auto width = [](const std::wstring& text) { return static_cast<int>(text.size()) * 10 + 1; };
  struct Row {
    LineTexts line;
    int printableWidth;
    std::vector<int> xs;
  } rows[] = {
      {{L"a", L"bb", L"ccc"}, 1000, {0, (1000 - 21) / 2, 1000 - 31}},
      {{L"", L"bb", L""}, 1000, {489}},  // 489.5, truncated
      {{L"", L"", L"ccc"}, 4950, {4919}},
      {{L"", L"", L""}, 1000, {}},  // a line with nothing to draw draws nothing
      {{L"", std::wstring(30, L'x'), std::wstring(30, L'x')}, 100, {-100, -201}},  // 100.5 toward zero
  };
  for (const Row& row : rows) {
    std::vector<int> xs;
    for (const PlacedText& placed : PlaceLine(row.line, row.printableWidth, width)) xs.push_back(placed.x);
    EXPECT_EQ(xs, row.xs) << row.printableWidth;
  }
  auto placed = PlaceLine({L"", L"centre", L""}, 1000, width);
  ASSERT_EQ(placed.size(), 1u);
  EXPECT_EQ(placed[0].text, L"centre");
}
