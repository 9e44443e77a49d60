#include "textcmd/TextSearch.h"

#include <algorithm>

#include "win/Text.h"

namespace textcmd {
namespace {

std::wstring Folded(std::wstring_view text, const CaseMapper& fold) {
  std::wstring copy(text);
  if (!copy.empty() && fold) fold(copy.data(), copy.size());
  return copy;
}

// The text as the search compares it, and the pattern likewise.
class Haystack {
 public:
  Haystack(std::wstring_view text, std::wstring_view pattern, SearchOptions options, const TextRules& rules)
      : text_(text), options_(options), rules_(rules) {
    if (options.matchCase) {
      view_ = text;
      pattern_ = pattern;
    } else {
      foldedText_ = Folded(text, rules.fold);
      foldedPattern_ = Folded(pattern, rules.fold);
      view_ = foldedText_;
      pattern_ = foldedPattern_;
    }
  }

  size_t Candidate(size_t from) const {
    if (pattern_.empty() || from > view_.size()) return kNoMatch;
    size_t at = view_.find(pattern_, from);
    return at == std::wstring_view::npos ? kNoMatch : at;
  }

  bool IsWord(wchar_t c) const { return rules_.isWordChar && rules_.isWordChar(c); }

  // `before` is the character the current text holds just before `at` (0 for none).
  bool BoundsAWord(size_t at, wchar_t before) const {
    if (!options_.wholeWord) return true;
    size_t after = at + pattern_.size();
    if (before && IsWord(before)) return false;
    return after >= text_.size() || !IsWord(text_[after]);
  }

  size_t PatternSize() const { return pattern_.size(); }
  wchar_t At(size_t i) const { return text_[i]; }

 private:
  std::wstring_view text_;
  SearchOptions options_;
  const TextRules& rules_;
  std::wstring foldedText_, foldedPattern_;
  std::wstring_view view_, pattern_;
};

}  // namespace

size_t FindMatch(std::wstring_view text, size_t from, std::wstring_view pattern, SearchOptions options,
                 const TextRules& rules) {
  Haystack haystack(text, pattern, options, rules);
  for (size_t at = haystack.Candidate(from); at != kNoMatch; at = haystack.Candidate(at + 1))
    if (haystack.BoundsAWord(at, at > 0 ? text[at - 1] : 0)) return at;
  return kNoMatch;
}

ReplaceAllResult ReplaceAll(std::wstring_view text, size_t from, std::wstring_view pattern,
                            std::wstring_view replacement, SearchOptions options, const TextRules& rules,
                            const std::vector<TextRange>& shielded) {
  ReplaceAllResult result;
  Haystack haystack(text, pattern, options, rules);
  size_t length = haystack.PatternSize();
  size_t copied = 0;  // text before this has gone to the result
  size_t shield = 0;
  size_t at = haystack.Candidate(from);
  while (at != kNoMatch) {
    while (shield < shielded.size() && shielded[shield].end <= at) ++shield;
    if (shield < shielded.size() && shielded[shield].start < at + length) {
      at = haystack.Candidate(shielded[shield].end);
      continue;
    }
    // Just after a replacement the character before is the last one written.
    wchar_t before = 0;
    if (at == copied && !result.matches.empty())
      before = result.text.empty() ? 0 : result.text.back();
    else if (at > 0)
      before = haystack.At(at - 1);
    if (!haystack.BoundsAWord(at, before)) {
      at = haystack.Candidate(at + 1);
      continue;
    }
    if (result.matches.empty()) result.text.reserve(text.size());
    result.text.append(text.substr(copied, at - copied));
    result.inserted.push_back({result.text.size(), result.text.size() + replacement.size()});
    result.text.append(replacement);
    result.matches.push_back(at);
    copied = at + length;
    at = haystack.Candidate(copied);
  }
  if (result.matches.empty()) {
    result.text.assign(text);
    return result;
  }
  result.caret = result.text.size();
  result.text.append(text.substr(copied));
  return result;
}

bool SameSearchAndReplacement(std::wstring_view search, std::wstring_view replacement, bool matchCase,
                              const CaseMapper& fold) {
  constexpr size_t kCompared = 251;
  std::wstring_view a = search.substr(0, std::min(search.size(), kCompared));
  std::wstring_view b = replacement.substr(0, std::min(replacement.size(), kCompared));
  if (a == b) return true;
  return !matchCase && Folded(a, fold) == Folded(b, fold);
}

bool SelectionIsMatch(std::wstring_view selected, std::wstring_view search, bool matchCase, const CaseMapper& fold) {
  if (matchCase) return selected == search;
  return Folded(selected, fold) == Folded(search, fold);
}

int CountedLines(int editorLineCount, long lastLineLength) {
  if (editorLineCount <= 0) return 0;
  return lastLineLength == 0 ? editorLineCount - 1 : editorLineCount;
}

std::wstring GoToLinePrompt(int countedLines) {
  if (countedLines <= 0) return L"Enter a number from 0 to 0.";
  return win::Fill(L"Enter a number from 1 to %d.", {win::ToText(countedLines)});
}

long GoToLineCaret(long long number, int countedLines, bool endsWithBreak, const LineLookup& lines) {
  long long index = number - 1;
  if (index <= 0 || countedLines <= 0) return 0;
  if (index < countedLines) return lines.lineStart(static_cast<int>(index));
  int last = countedLines - 1;
  long start = lines.lineStart(last);
  return endsWithBreak ? start + lines.lineTextLength(last) : start;
}

}  // namespace textcmd
