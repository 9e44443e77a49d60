#pragma once
// The rules of the case and line commands (Lower Case ... Number Lines) over plain
// text. Locale-aware conversions and comparisons come in from the Win32 side.
#include <cstddef>
#include <functional>
#include <string>
#include <string_view>
#include <vector>

namespace textcmd {

// Converts `count` UTF-16 units in place, one for one (CharLowerBuffW and its kin).
using CaseMapper = std::function<void(wchar_t* data, size_t count)>;
// Called every so often by long computations so that the window can stay responsive.
using Progress = std::function<void()>;

// A text cut into lines: CR LF, a lone CR and a lone LF each end a line; a break at
// the very end starts no further line; an empty text has no lines.
std::vector<std::wstring> SplitLines(std::wstring_view text);
// Every line followed by CR LF.
std::wstring JoinLines(const std::vector<std::wstring>& lines);
// Drops one final CR LF when there is one.
std::wstring WithoutFinalBreak(std::wstring text);

// The editor reports a line break as one character, CR. Text that leaves the editor
// is written with CR LF breaks, and lengths that go back to it count a break once.
std::wstring ToCrLf(std::wstring_view editorText);
size_t EditorLength(std::wstring_view text);

// Lower case by `lower`, then an upper-case ASCII letter at the start and after every
// space, LF and tab. Letters outside a..z are never raised.
std::wstring Capitalize(std::wstring text, const CaseMapper& lower, const Progress& progress = nullptr,
                        size_t progressInterval = 0);
// Swaps the case of the ASCII letters only.
std::wstring InvertCase(std::wstring text, const Progress& progress = nullptr, size_t progressInterval = 0);
// The whole text through `mapper` (Lower Case, Upper Case).
std::wstring MapCase(std::wstring text, const CaseMapper& mapper);

enum class TrimKind { Left, Right, Both };
// Trims characters up to 32 from every line; the result never ends with a break.
std::wstring TrimLines(std::wstring_view text, TrimKind kind);

// "9. x", "10. ", ...: every line, empty ones too, gets its number and ". ".
void NumberLines(std::vector<std::wstring>& lines, long long first);

// Sorting by locale-aware rules: either a comparison (negative, zero, positive) or a
// sort key, appended to `keys`, whose bytes order the lines as the comparison would.
// Equal lines may come out in any order.
using LineComparison = std::function<int(std::wstring_view, std::wstring_view)>;
using SortKeyMaker = std::function<void(std::wstring_view line, std::string& keys)>;
void SortLines(std::vector<std::wstring>& lines, const LineComparison& compare);
void SortLinesByKeys(std::vector<std::wstring>& lines, const SortKeyMaker& key);

// The editor's view of its lines, in its own units.
class LineLayout {
 public:
  virtual ~LineLayout() = default;
  virtual long TextLength() const = 0;
  // First character of the line that holds `position`.
  virtual long LineStartAt(long position) const = 0;
  // End of the text of the line that holds `position`, its break not included.
  virtual long LineTextEndAt(long position) const = 0;
  // Whether the character at `position` is a line break.
  virtual bool IsBreakAt(long position) const = 0;
};

// The range that Sort Lines and Number Lines replace, and whether their result keeps
// a final line break.
struct LineSpan {
  long start = 0;
  long end = 0;
  bool keepFinalBreak = false;
};
// Widens a selection to whole lines. A selection that ends just after a line break
// (and is not the whole text) ends there: its lines keep their final break, and the
// line after it is neither taken in nor joined to the result.
LineSpan WidenToLines(long selectionStart, long selectionEnd, const LineLayout& layout);

// A LineLayout over text in the editor's units, for tests and benchmarks.
class TextLineLayout : public LineLayout {
 public:
  explicit TextLineLayout(std::wstring_view text) : text_(text) {}
  long TextLength() const override { return static_cast<long>(text_.size()); }
  long LineStartAt(long position) const override;
  long LineTextEndAt(long position) const override;
  bool IsBreakAt(long position) const override;

 private:
  std::wstring_view text_;
};

// Under Wine an edit inside a rich-edit control costs more the larger the document,
// and far more the more it changes; loading a whole new text into a fresh control
// costs in proportion to the text. True when the fresh control is the cheaper way.
bool PreferFreshControl(long removedLength, long insertedLength, long documentLengthAfter);

}  // namespace textcmd
