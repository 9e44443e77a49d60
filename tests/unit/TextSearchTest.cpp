#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "textcmd/TextSearch.h"

using namespace textcmd;

namespace {

wchar_t Lower(wchar_t c) {
  if ((c >= L'A' && c <= L'Z') || (c >= 0xC0 && c <= 0xDE && c != 0xD7)) return static_cast<wchar_t>(c + 32);
  return c;
}
void LowerBuffer(wchar_t* data, size_t count) {
  for (size_t i = 0; i < count; ++i) data[i] = Lower(data[i]);
}
bool IsWordChar(wchar_t c) {
  return (c >= L'0' && c <= L'9') || (c >= L'a' && c <= L'z') || (c >= L'A' && c <= L'Z') ||
         (c >= 0xC0 && c <= 0xFF && c != 0xD7 && c != 0xF7);
}
const TextRules kRules{LowerBuffer, IsWordChar};

SearchOptions Options(bool matchCase, bool wholeWord) { return {matchCase, wholeWord}; }

// Replace All the slow way: search, replace one match, search on after it.
std::wstring OneAtATime(std::wstring text, size_t from, const std::wstring& pattern, const std::wstring& replacement,
                        SearchOptions options, size_t* caret) {
  size_t at = FindMatch(text, from, pattern, options, kRules);
  while (at != kNoMatch) {
    text.replace(at, pattern.size(), replacement);
    *caret = at + replacement.size();
    at = FindMatch(text, *caret, pattern, options, kRules);
  }
  return text;
}

}  // namespace

TEST(Find, OverlappingMatchesComeOneCharacterLater) {
  std::wstring text = L"aaaa";
  EXPECT_EQ(FindMatch(text, 0, L"aa", {}, kRules), 0u);
  EXPECT_EQ(FindMatch(text, 1, L"aa", {}, kRules), 1u);
  EXPECT_EQ(FindMatch(text, 2, L"aa", {}, kRules), 2u);
  EXPECT_EQ(FindMatch(text, 3, L"aa", {}, kRules), kNoMatch) << "no match runs past the end";
  EXPECT_EQ(FindMatch(text, 9, L"aa", {}, kRules), kNoMatch) << "a start beyond the text finds nothing";
  EXPECT_EQ(FindMatch(text, 0, L"", {}, kRules), kNoMatch);
}

TEST(Find, CaseRule) {
  std::wstring text = L"x Cat cat \u00C9T\u00C9";
  EXPECT_EQ(FindMatch(text, 0, L"cat", Options(false, false), kRules), 2u);
  EXPECT_EQ(FindMatch(text, 0, L"cat", Options(true, false), kRules), 6u);
  EXPECT_EQ(FindMatch(text, 0, L"\u00E9t\u00E9", Options(false, false), kRules), 10u) << "accented letters fold too";
  EXPECT_EQ(FindMatch(text, 0, L"\u00E9t\u00E9", Options(true, false), kRules), kNoMatch);
}

TEST(Find, WholeWordRuleLooksAtBothNeighbours) {
  std::wstring text = L"cats cat_ 1cat cat. cat";
  EXPECT_EQ(FindMatch(text, 0, L"cat", Options(false, true), kRules), 5u) << "an underscore is no word character";
  EXPECT_EQ(FindMatch(text, 6, L"cat", Options(false, true), kRules), 15u) << "a digit before binds";
  EXPECT_EQ(FindMatch(text, 16, L"cat", Options(false, true), kRules), 20u) << "the end of the text bounds a word";
  EXPECT_EQ(FindMatch(L"\u00E9cat", 0, L"cat", Options(false, true), kRules), kNoMatch);
  EXPECT_EQ(FindMatch(L"cat", 0, L"cat", Options(false, true), kRules), 0u);
}

TEST(ReplaceAllTest, BananaAndTheCaret) {
  ReplaceAllResult result = ReplaceAll(L"banana", 0, L"a", L"b", {}, kRules);
  EXPECT_EQ(result.text, L"bbnbnb");
  EXPECT_EQ(result.matches, (std::vector<size_t>{1, 3, 5}));
  EXPECT_EQ(result.caret, 6u);
  ASSERT_EQ(result.inserted.size(), 3u);
  EXPECT_EQ(result.inserted[1].start, 3u);
  EXPECT_EQ(result.inserted[1].end, 4u);
}

TEST(ReplaceAllTest, NothingFoundLeavesTheTextAsItIs) {
  ReplaceAllResult result = ReplaceAll(L"banana", 0, L"x", L"y", {}, kRules);
  EXPECT_EQ(result.text, L"banana");
  EXPECT_TRUE(result.matches.empty());
  result = ReplaceAll(L"banana", 4, L"an", L"AN", {}, kRules);
  EXPECT_EQ(result.text, L"banana") << "matches before the start are not touched";
}

TEST(ReplaceAllTest, AReplacementHoldingTheSearchTextIsNeverSearchedAgain) {
  ReplaceAllResult result = ReplaceAll(L"a-a", 0, L"a", L"aa", {}, kRules);
  EXPECT_EQ(result.text, L"aa-aa");
  EXPECT_EQ(result.caret, 5u);
  result = ReplaceAll(L"Cat", 0, L"cat", L"cats", Options(false, false), kRules);
  EXPECT_EQ(result.text, L"cats");
}

TEST(ReplaceAllTest, MatchesOverlappingShieldedTextArePassedOver) {
  // Second pass over a text whose "xa" (0..2) an earlier pass wrote: "ab" at 1 overlaps it.
  ReplaceAllResult result = ReplaceAll(L"xab ab", 0, L"ab", L"xa", {}, kRules, {{0, 2}});
  EXPECT_EQ(result.text, L"xab xa");
  EXPECT_EQ(result.matches, (std::vector<size_t>{4}));
  result = ReplaceAll(L"ab ab ab", 0, L"ab", L"Q", {}, kRules, {{0, 2}, {3, 5}});
  EXPECT_EQ(result.text, L"ab ab Q");
}

TEST(ReplaceAllTest, EqualsTheOneAtATimeLoopAcrossOptionsAndStarts) {
  const std::wstring texts[] = {L"banana", L"aaaa", L"cat cat-cat cats Cat", L"a a a", L"ab abab b", L"\u00C9t\u00E9 \u00E9T\u00C9"};
  const std::wstring patterns[] = {L"a", L"aa", L"cat", L"ab", L"\u00E9t\u00E9"};
  const std::wstring replacements[] = {L"", L"b", L"a", L"x a", L"CAT"};
  for (const auto& text : texts)
    for (const auto& pattern : patterns)
      for (const auto& replacement : replacements)
        for (int flags = 0; flags < 4; ++flags)
          for (size_t from = 0; from <= text.size(); from += 2) {
            SearchOptions options = Options((flags & 1) != 0, (flags & 2) != 0);
            size_t caret = 0;
            std::wstring expected = OneAtATime(text, from, pattern, replacement, options, &caret);
            ReplaceAllResult result = ReplaceAll(text, from, pattern, replacement, options, kRules);
            ASSERT_EQ(result.text, expected) << "flags " << flags << " from " << from;
            if (!result.matches.empty()) {
              EXPECT_EQ(result.caret, caret);
            }
          }
}

TEST(ReplaceAllTest, WholeWordSeesTheWrittenNeighbour) {
  // After "a" becomes "b", the next "a" follows a letter in the new text.
  ReplaceAllResult result = ReplaceAll(L"a a", 0, L"a", L"b ", Options(false, true), kRules);
  EXPECT_EQ(result.text, L"b  b ");
  result = ReplaceAll(L"-a-a", 0, L"-a", L"x-", Options(false, true), kRules);
  EXPECT_EQ(result.text, L"x-x-") << "the 'a' read before the second match was replaced by '-'";
  result = ReplaceAll(L"ab ab", 0, L"ab", L"", Options(false, true), kRules);
  EXPECT_EQ(result.text, L" ");
}

TEST(SameTexts, CaseMattersOnlyWhenTheSearchIgnoresIt) {
  EXPECT_TRUE(SameSearchAndReplacement(L"Cat", L"cat", false, LowerBuffer));
  EXPECT_FALSE(SameSearchAndReplacement(L"Cat", L"cat", true, LowerBuffer));
  EXPECT_TRUE(SameSearchAndReplacement(L"cat", L"cat", true, LowerBuffer));
  EXPECT_FALSE(SameSearchAndReplacement(L"cat", L"cats", false, LowerBuffer));
  std::wstring longA(251, L'a'), longB = longA + L"b";
  EXPECT_TRUE(SameSearchAndReplacement(longA, longB, true, LowerBuffer)) << "only 251 characters count";
  EXPECT_FALSE(SameSearchAndReplacement(longA.substr(1), longA.substr(1) + L"b", true, LowerBuffer));
}

TEST(SameTexts, SelectionMatchIgnoresWholeWords) {
  EXPECT_TRUE(SelectionIsMatch(L"CAT", L"cat", false, LowerBuffer));
  EXPECT_FALSE(SelectionIsMatch(L"CAT", L"cat", true, LowerBuffer));
  EXPECT_FALSE(SelectionIsMatch(L"", L"cat", false, LowerBuffer));
}

TEST(GoToLine, PromptAndCountedLines) {
  EXPECT_EQ(CountedLines(1, 0), 0) << "an empty text has no line";
  EXPECT_EQ(CountedLines(3, 0), 2) << "the empty line after a final break does not count";
  EXPECT_EQ(CountedLines(3, 4), 3);
  EXPECT_EQ(GoToLinePrompt(0), L"Enter a number from 0 to 0.");
  EXPECT_EQ(GoToLinePrompt(12), L"Enter a number from 1 to 12.");
}

TEST(GoToLine, CaretForEveryKindOfNumber) {
  // Lines "ab", "cde", "f" at 0, 3, 7.
  std::vector<long> starts{0, 3, 7};
  std::vector<long> lengths{2, 3, 1};
  LineLookup lines{[&](int i) { return starts.at(static_cast<size_t>(i)); },
                   [&](int i) { return lengths.at(static_cast<size_t>(i)); }};
  EXPECT_EQ(GoToLineCaret(0, 3, false, lines), 0);
  EXPECT_EQ(GoToLineCaret(1, 3, false, lines), 0);
  EXPECT_EQ(GoToLineCaret(2, 3, false, lines), 3);
  EXPECT_EQ(GoToLineCaret(3, 3, false, lines), 7);
  EXPECT_EQ(GoToLineCaret(4, 3, false, lines), 7) << "beyond the end: the start of the last line";
  EXPECT_EQ(GoToLineCaret(999999999, 3, false, lines), 7);
  EXPECT_EQ(GoToLineCaret(4, 3, true, lines), 8) << "after a final break: the end of the last line with text";
  EXPECT_EQ(GoToLineCaret(5, 0, false, lines), 0) << "an empty document";
}
