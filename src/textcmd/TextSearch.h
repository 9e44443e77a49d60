#pragma once
// Find, Replace All and Go to Line over a text buffer in the editor's units. The
// locale's case folding and its idea of a word character come in from the Win32 side.
#include <cstddef>
#include <functional>
#include <string>
#include <string_view>
#include <vector>

#include "textcmd/Transforms.h"

namespace textcmd {

struct SearchOptions {
  bool matchCase = false;
  bool wholeWord = false;
};

struct TextRules {
  CaseMapper fold;                          // one unit for one: ignoring case compares folded text
  std::function<bool(wchar_t)> isWordChar;  // letters and digits
};

struct TextRange {
  size_t start = 0;
  size_t end = 0;
};

constexpr size_t kNoMatch = static_cast<size_t>(-1);

// The first match at or after `from`, or kNoMatch. A whole-word match has no word
// character just before or just after it.
size_t FindMatch(std::wstring_view text, size_t from, std::wstring_view pattern, SearchOptions options,
                 const TextRules& rules);

struct ReplaceAllResult {
  std::wstring text;              // the text after all replacements
  std::vector<size_t> matches;    // where each replaced match began in the text that was read
  std::vector<TextRange> inserted;  // what the replacements wrote, in the new text, ascending
  size_t caret = 0;               // just after the last replacement, in the new text
};

// Replace All exactly as replacing one match at a time would do it: the first match
// at or after `from`, then each next search just after the inserted text, so the
// search never reads what it wrote and a match may touch inserted text only as the
// neighbour of a whole word. Matches overlapping a `shielded` range (text an earlier
// pass of the same Replace All inserted) are passed over. Cost grows with the text.
ReplaceAllResult ReplaceAll(std::wstring_view text, size_t from, std::wstring_view pattern,
                            std::wstring_view replacement, SearchOptions options, const TextRules& rules,
                            const std::vector<TextRange>& shielded = {});

// The Replace dialog refuses a search and replacement that are "the same": equal as
// typed, or equal ignoring case while the search ignores case. Each counts with at
// most 251 characters.
bool SameSearchAndReplacement(std::wstring_view search, std::wstring_view replacement, bool matchCase,
                              const CaseMapper& fold);
// Whether a selection is the searched text, for Replace (whole words play no part).
bool SelectionIsMatch(std::wstring_view selected, std::wstring_view search, bool matchCase, const CaseMapper& fold);

// Go to Line. The editor counts an empty last line after a final break as a line;
// the user does not.
int CountedLines(int editorLineCount, long lastLineLength);
std::wstring GoToLinePrompt(int countedLines);
struct LineLookup {
  std::function<long(int)> lineStart;       // first character of line i
  std::function<long(int)> lineTextLength;  // length of line i without its break
};
// Where the caret goes for the number typed: the start for 0 and 1, the start of
// line n, and beyond the last line the start of the last line, or the end of its
// text when the text ends with a line break.
long GoToLineCaret(long long number, int countedLines, bool endsWithBreak, const LineLookup& lines);

}  // namespace textcmd
