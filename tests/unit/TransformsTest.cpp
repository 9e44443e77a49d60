#include <gtest/gtest.h>

#include <algorithm>
#include <random>
#include <stdexcept>
#include <string>
#include <vector>

#include "textcmd/Transforms.h"

using namespace textcmd;

namespace {

// Stand-ins for the locale's conversions: ASCII and the Latin-1 letters.
wchar_t Lower(wchar_t c) {
  if ((c >= L'A' && c <= L'Z') || (c >= 0xC0 && c <= 0xDE && c != 0xD7)) return static_cast<wchar_t>(c + 32);
  return c;
}
wchar_t Upper(wchar_t c) {
  if ((c >= L'a' && c <= L'z') || (c >= 0xE0 && c <= 0xFE && c != 0xF7)) return static_cast<wchar_t>(c - 32);
  return c;
}
void LowerBuffer(wchar_t* data, size_t count) {
  for (size_t i = 0; i < count; ++i) data[i] = Lower(data[i]);
}
void UpperBuffer(wchar_t* data, size_t count) {
  for (size_t i = 0; i < count; ++i) data[i] = Upper(data[i]);
}
int CompareNoCase(std::wstring_view a, std::wstring_view b) {
  std::wstring x(a), y(b);
  LowerBuffer(x.data(), x.size());
  LowerBuffer(y.data(), y.size());
  return x.compare(y);
}
void FoldedKey(std::wstring_view line, std::string& keys) {
  for (wchar_t c : line) {
    unsigned v = static_cast<unsigned>(Lower(c));
    keys.push_back(static_cast<char>((v >> 8) & 0xFF));
    keys.push_back(static_cast<char>(v & 0xFF));
  }
  keys.push_back('\0');
}

using Lines = std::vector<std::wstring>;

}  // namespace

TEST(LineList, EveryKindOfBreakEndsALineAndAFinalBreakStartsNone) {
  EXPECT_EQ(SplitLines(L""), Lines{});
  EXPECT_EQ(SplitLines(L"a"), Lines{L"a"});
  EXPECT_EQ(SplitLines(L"a\r\nb"), (Lines{L"a", L"b"}));
  EXPECT_EQ(SplitLines(L"a\rb\nc"), (Lines{L"a", L"b", L"c"}));
  EXPECT_EQ(SplitLines(L"a\r\n"), Lines{L"a"}) << "a final break starts no empty line";
  EXPECT_EQ(SplitLines(L"\r\n"), Lines{L""});
  EXPECT_EQ(SplitLines(L"a\n\rb"), (Lines{L"a", L"", L"b"})) << "LF CR is two breaks, not one";
  EXPECT_EQ(SplitLines(L"a\r\n\r\n"), (Lines{L"a", L""}));
}

TEST(LineList, JoinWritesCrLfAfterEveryLine) {
  EXPECT_EQ(JoinLines({}), L"");
  EXPECT_EQ(JoinLines({L"a", L"", L"b"}), L"a\r\n\r\nb\r\n");
  EXPECT_EQ(WithoutFinalBreak(L"a\r\nb\r\n"), L"a\r\nb");
  EXPECT_EQ(WithoutFinalBreak(L"a\r"), L"a\r") << "only a whole CR LF pair is removed";
  EXPECT_EQ(WithoutFinalBreak(L""), L"");
}

TEST(EditorUnits, BreaksTurnIntoCrLfAndCountOnceGoingBack) {
  EXPECT_EQ(ToCrLf(L"a\rb\r"), L"a\r\nb\r\n");
  EXPECT_EQ(ToCrLf(L"a\r\nb"), L"a\r\nb") << "a pair already there is not doubled";
  EXPECT_EQ(ToCrLf(L"\r\r"), L"\r\n\r\n");
  EXPECT_EQ(EditorLength(L"a\r\nb\r\n"), 4u);
  EXPECT_EQ(EditorLength(L"a\rb\n"), 4u);
  EXPECT_EQ(EditorLength(L""), 0u);
}

TEST(CaseCommands, CapitalizeRaisesAsciiAfterSpaceLineFeedAndTabOnly) {
  EXPECT_EQ(Capitalize(L"hello WORLD\tfoo-bar", LowerBuffer), L"Hello World\tFoo-bar");
  EXPECT_EQ(Capitalize(L"\u00C9COLE", LowerBuffer), L"\u00E9cole") << "the accented first letter is lowered, not raised";
  EXPECT_EQ(Capitalize(L"one\r\ntwo", LowerBuffer), L"One\r\nTwo") << "a line starts after LF";
  EXPECT_EQ(Capitalize(L"one\rtwo", LowerBuffer), L"One\rtwo") << "a lone CR is no word start";
  EXPECT_EQ(Capitalize(L"a  b \u00E9t\u00E9", LowerBuffer), L"A  B \u00E9t\u00E9");
  EXPECT_EQ(Capitalize(L"", LowerBuffer), L"");
  EXPECT_EQ(Capitalize(L" x", LowerBuffer), L" X");
}

TEST(CaseCommands, InvertCaseSwapsAsciiLettersOnly) {
  EXPECT_EQ(InvertCase(L"Hello, World 1"), L"hELLO, wORLD 1");
  EXPECT_EQ(InvertCase(L"\u00C9t\u00E9 [`@{]"), L"\u00C9T\u00E9 [`@{]") << "neighbours of the letter ranges stay";
}

TEST(CaseCommands, LowerAndUpperConvertTheWholeText) {
  EXPECT_EQ(MapCase(L"Ab\u00C9\r\nZ", LowerBuffer), L"ab\u00E9\r\nz");
  EXPECT_EQ(MapCase(L"ab\u00E9", UpperBuffer), L"AB\u00C9");
  EXPECT_EQ(MapCase(L"", UpperBuffer), L"");
}

TEST(CaseCommands, WorkInPiecesGivesTheSameResultAndReportsBetweenPieces) {
  std::wstring text;
  for (int i = 0; i < 50; ++i) text += L"wORD\tsTART ";
  int reports = 0;
  auto count = [&] { ++reports; };
  EXPECT_EQ(Capitalize(text, LowerBuffer, count, 7), Capitalize(text, LowerBuffer))
      << "a piece boundary must not hide the character before it";
  EXPECT_EQ(reports, static_cast<int>((text.size() + 6) / 7) - 1) << "progress between pieces, not after the last";
  reports = 0;
  EXPECT_EQ(InvertCase(text, count, 100), InvertCase(text));
  EXPECT_EQ(reports, static_cast<int>((text.size() + 99) / 100) - 1);
  reports = 0;
  InvertCase(L"short", count, 100);
  EXPECT_EQ(reports, 0);
}

TEST(TrimCommands, TheThreeTrimsOverTwoLines) {
  std::wstring text = L"   a\r\n\t b  ";
  EXPECT_EQ(TrimLines(text, TrimKind::Left), L"a\r\nb  ");
  EXPECT_EQ(TrimLines(text, TrimKind::Right), L"   a\r\n\t b");
  EXPECT_EQ(TrimLines(text, TrimKind::Both), L"a\r\nb");
}

TEST(TrimCommands, ControlCharactersGoAndTheResultNeverEndsWithABreak) {
  EXPECT_EQ(TrimLines(L"x\r\n", TrimKind::Right), L"x") << "the selection's final break is removed";
  EXPECT_EQ(TrimLines(L"\x01 x \x1F\x20", TrimKind::Both), L"x");
  EXPECT_EQ(TrimLines(L"\u00A0x\u00A0", TrimKind::Both), L"\u00A0x\u00A0") << "only values up to 32 are blank";
  EXPECT_EQ(TrimLines(L"", TrimKind::Both), L"");
  EXPECT_EQ(TrimLines(L"  \r\n  \r\n", TrimKind::Left), L"\r\n");
}

TEST(LineCommands, NumberingCountsEveryLineFromTheStart) {
  Lines lines{L"x", L"", L"y"};
  NumberLines(lines, 9);
  EXPECT_EQ(lines, (Lines{L"9. x", L"10. ", L"11. y"}));
  Lines big{L"a", L"b"};
  NumberLines(big, 999999999);
  EXPECT_EQ(big, (Lines{L"999999999. a", L"1000000000. b"})) << "numbers past the 9-digit prompt limit";
}

TEST(LineCommands, SortIgnoresCaseByComparisonAndByKeys) {
  for (int way = 0; way < 2; ++way) {
    Lines lines{L"b", L"B", L"a", L"c"};
    if (way == 0)
      SortLines(lines, CompareNoCase);
    else
      SortLinesByKeys(lines, FoldedKey);
    ASSERT_EQ(lines.size(), 4u);
    EXPECT_EQ(lines.front(), L"a");
    EXPECT_EQ(lines.back(), L"c");
    EXPECT_EQ(CompareNoCase(lines[1], L"b"), 0);
    EXPECT_EQ(CompareNoCase(lines[2], L"b"), 0);
    EXPECT_NE(lines[1], lines[2]) << "'b' and 'B' both stay";
  }
}

TEST(LineCommands, ALongListSortedByKeysMatchesTheComparison) {
  std::mt19937 random(3);
  const std::wstring letters = L"aBcDe\u00E9\u00C9 ";
  Lines lines;
  for (int i = 0; i < 90'000; ++i) {
    std::wstring line;
    for (unsigned n = random() % 6; n > 0; --n) line += letters[random() % letters.size()];
    lines.push_back(line);
  }
  Lines byKeys = lines;
  SortLinesByKeys(byKeys, FoldedKey);
  Lines byComparison = lines;
  SortLines(byComparison, CompareNoCase);
  ASSERT_EQ(byKeys.size(), lines.size());
  size_t misplaced = 0;
  for (size_t i = 0; i < byKeys.size(); ++i)
    if (CompareNoCase(byKeys[i], byComparison[i]) != 0) ++misplaced;
  EXPECT_EQ(misplaced, 0u);
  std::sort(byKeys.begin(), byKeys.end());
  std::sort(lines.begin(), lines.end());
  EXPECT_EQ(byKeys, lines) << "every line is kept, none doubled";
}

TEST(LineCommands, AKeyThatFailsLeavesTheLinesAsTheyWere) {
  Lines lines{L"b", L"a", L"no key", L"c"};
  Lines before = lines;
  auto key = [](std::wstring_view line, std::string& keys) {
    if (line == L"no key") throw std::runtime_error("no key");
    FoldedKey(line, keys);
  };
  EXPECT_THROW(SortLinesByKeys(lines, key), std::runtime_error);
  EXPECT_EQ(lines, before);
}

TEST(LineCommands, SortByKeysPutsPrefixesFirstAndKeepsEveryLine) {
  Lines lines{L"ab", L"", L"a", L"\u00C9t\u00E9", L"AB", L"abc", L"\u00E9T\u00C9"};
  SortLinesByKeys(lines, FoldedKey);
  Lines expectedByComparison = lines;
  SortLines(expectedByComparison, CompareNoCase);
  ASSERT_EQ(lines.size(), 7u);
  for (size_t i = 0; i < lines.size(); ++i)
    EXPECT_EQ(CompareNoCase(lines[i], expectedByComparison[i]), 0) << "position " << i;
  EXPECT_EQ(lines[0], L"");
  EXPECT_EQ(lines[1], L"a");
}

TEST(Widening, ASelectionInsideOneLineTakesThatWholeLine) {
  std::wstring text = L"one\rtwo\rthree";
  TextLineLayout layout(text);
  LineSpan span = WidenToLines(5, 6, layout);
  EXPECT_EQ(span.start, 4);
  EXPECT_EQ(span.end, 7);
  EXPECT_FALSE(span.keepFinalBreak);
  span = WidenToLines(5, 5, layout);
  EXPECT_EQ(span.start, 4) << "a caret widens to its line";
  EXPECT_EQ(span.end, 7);
}

TEST(Widening, ASelectionEndingInALineTakesItUpToItsText) {
  std::wstring text = L"one\rtwo\rthree";
  TextLineLayout layout(text);
  LineSpan span = WidenToLines(1, 10, layout);
  EXPECT_EQ(span.start, 0);
  EXPECT_EQ(span.end, 13);
  EXPECT_FALSE(span.keepFinalBreak);
}

TEST(Widening, ASelectionEndingAfterABreakKeepsItAndLeavesTheNextLineAlone) {
  std::wstring text = L"b\ra\rzzz";
  TextLineLayout layout(text);
  LineSpan span = WidenToLines(0, 4, layout);
  EXPECT_EQ(span.start, 0);
  EXPECT_EQ(span.end, 4) << "the line after the selection is not taken in";
  EXPECT_TRUE(span.keepFinalBreak);
  span = WidenToLines(1, 2, layout);
  EXPECT_EQ(span.start, 0) << "the break alone still widens back to its line";
  EXPECT_EQ(span.end, 2);
  EXPECT_TRUE(span.keepFinalBreak) << "a one-break selection must not join two lines";
}

TEST(Widening, TheWholeTextLosesItsFinalBreak) {
  std::wstring text = L"b\ra\r";
  TextLineLayout layout(text);
  LineSpan span = WidenToLines(0, 4, layout);
  EXPECT_EQ(span.start, 0);
  EXPECT_EQ(span.end, 4);
  EXPECT_FALSE(span.keepFinalBreak);
  span = WidenToLines(0, 5, layout);
  EXPECT_EQ(span.end, 4) << "Select All reporting one past the end";
  EXPECT_FALSE(span.keepFinalBreak);
  span = WidenToLines(2, 4, layout);
  EXPECT_TRUE(span.keepFinalBreak) << "up to the end, but not from the start, is not the whole text";
}

TEST(Widening, SortingThroughTheSpanNeitherDoublesNorDropsLines) {
  // Sorting the selected lines must leave every other line where it was.
  struct Case {
    const wchar_t* text;
    long start, end;
    const wchar_t* expected;
  } cases[] = {
      {L"x\rc\rb\ra\ry", 2, 8, L"x\ra\rb\rc\ry"},
      {L"x\rc\rb\ra\ry", 3, 7, L"x\ra\rb\rc\ry"},
      {L"c\rb\ra\r", 0, 6, L"a\rb\rc"},
      {L"c\rb\ra\r", 0, 2, L"c\rb\ra\r"},
      {L"c\rb\ra\r", 2, 6, L"c\ra\rb\r"},
      {L"c\rb\ra", 0, 0, L"c\rb\ra"},
  };
  for (const Case& c : cases) {
    std::wstring text = c.text;
    TextLineLayout layout(text);
    LineSpan span = WidenToLines(c.start, c.end, layout);
    Lines lines = SplitLines(ToCrLf(text.substr(static_cast<size_t>(span.start),
                                                static_cast<size_t>(span.end - span.start))));
    SortLines(lines, CompareNoCase);
    std::wstring result = JoinLines(lines);
    if (!span.keepFinalBreak) result = WithoutFinalBreak(result);
    std::wstring after = text.substr(0, static_cast<size_t>(span.start)) + result + text.substr(static_cast<size_t>(span.end));
    std::wstring shown;
    for (wchar_t ch : after)
      if (ch != L'\n') shown += ch;
    EXPECT_EQ(shown, c.expected) << "selection " << c.start << ".." << c.end;
  }
}

TEST(EditPlan, SmallChangesStayInPlaceLargeOnesGoToAFreshControl) {
  EXPECT_FALSE(PreferFreshControl(10, 10, 5'000'000)) << "a word in a large document";
  EXPECT_FALSE(PreferFreshControl(10'000, 10'000, 5'000'000));
  EXPECT_TRUE(PreferFreshControl(65'536, 65'536, 5'000'000)) << "a few pages of a large document";
  EXPECT_TRUE(PreferFreshControl(5'000'000, 5'000'000, 5'000'000)) << "the whole of a large document";
  EXPECT_TRUE(PreferFreshControl(100'000, 0, 1'000'000)) << "a large removal";
  EXPECT_TRUE(PreferFreshControl(0, 100'000, 1'100'000)) << "a large insertion";
  EXPECT_FALSE(PreferFreshControl(0, 0, 0));
  EXPECT_FALSE(PreferFreshControl(2'000, 2'000, 2'000)) << "small documents are fast either way";
}
