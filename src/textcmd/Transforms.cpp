#include "textcmd/Transforms.h"

#include <algorithm>
#include <cstdint>
#include <cstring>
#include <numeric>

namespace textcmd {
namespace {

bool IsBreak(wchar_t c) { return c == L'\r' || c == L'\n'; }
bool IsBlank(wchar_t c) { return static_cast<std::uint32_t>(c) <= 32; }

// Runs `step(begin, end)` over [0, size) in pieces of `interval` (all at once for 0),
// reporting progress between the pieces.
template <typename Step>
void InPieces(size_t size, size_t interval, const Progress& progress, Step step) {
  if (interval == 0) interval = size;
  for (size_t begin = 0; begin < size; begin += interval) {
    size_t end = std::min(size, begin + interval);
    step(begin, end);
    if (progress && end < size) progress();
  }
}

wchar_t AsciiUpper(wchar_t c) { return c >= L'a' && c <= L'z' ? static_cast<wchar_t>(c - 32) : c; }

}  // namespace

std::vector<std::wstring> SplitLines(std::wstring_view text) {
  std::vector<std::wstring> lines;
  size_t begin = 0;
  for (size_t i = 0; i < text.size(); ++i) {
    if (!IsBreak(text[i])) continue;
    lines.emplace_back(text.substr(begin, i - begin));
    if (text[i] == L'\r' && i + 1 < text.size() && text[i + 1] == L'\n') ++i;
    begin = i + 1;
  }
  if (begin < text.size()) lines.emplace_back(text.substr(begin));
  return lines;
}

std::wstring JoinLines(const std::vector<std::wstring>& lines) {
  size_t size = 0;
  for (const std::wstring& line : lines) size += line.size() + 2;
  std::wstring text;
  text.reserve(size);
  for (const std::wstring& line : lines) {
    text += line;
    text += L"\r\n";
  }
  return text;
}

std::wstring WithoutFinalBreak(std::wstring text) {
  if (text.size() >= 2 && text.compare(text.size() - 2, 2, L"\r\n") == 0) text.resize(text.size() - 2);
  return text;
}

std::wstring ToCrLf(std::wstring_view editorText) {
  size_t lone = 0;
  for (size_t i = 0; i < editorText.size(); ++i)
    if (editorText[i] == L'\r' && (i + 1 == editorText.size() || editorText[i + 1] != L'\n')) ++lone;
  std::wstring text;
  text.reserve(editorText.size() + lone);
  for (size_t i = 0; i < editorText.size(); ++i) {
    text += editorText[i];
    if (editorText[i] == L'\r' && (i + 1 == editorText.size() || editorText[i + 1] != L'\n')) text += L'\n';
  }
  return text;
}

size_t EditorLength(std::wstring_view text) {
  size_t length = text.size();
  for (size_t i = 0; i + 1 < text.size(); ++i)
    if (text[i] == L'\r' && text[i + 1] == L'\n') --length;
  return length;
}

std::wstring MapCase(std::wstring text, const CaseMapper& mapper) {
  if (!text.empty()) mapper(text.data(), text.size());
  return text;
}

std::wstring Capitalize(std::wstring text, const CaseMapper& lower, const Progress& progress,
                        size_t progressInterval) {
  InPieces(text.size(), progressInterval, progress, [&](size_t begin, size_t end) {
    lower(text.data() + begin, end - begin);
    for (size_t i = begin; i < end; ++i) {
      wchar_t before = i == 0 ? L' ' : text[i - 1];
      if (before == L' ' || before == L'\n' || before == L'\t') text[i] = AsciiUpper(text[i]);
    }
  });
  return text;
}

std::wstring InvertCase(std::wstring text, const Progress& progress, size_t progressInterval) {
  InPieces(text.size(), progressInterval, progress, [&](size_t begin, size_t end) {
    for (size_t i = begin; i < end; ++i) {
      wchar_t c = text[i];
      if (c >= L'A' && c <= L'Z')
        text[i] = static_cast<wchar_t>(c + 32);
      else if (c >= L'a' && c <= L'z')
        text[i] = static_cast<wchar_t>(c - 32);
    }
  });
  return text;
}

std::wstring TrimLines(std::wstring_view text, TrimKind kind) {
  std::vector<std::wstring> lines = SplitLines(text);
  for (std::wstring& line : lines) {
    size_t begin = 0, end = line.size();
    if (kind != TrimKind::Right)
      while (begin < end && IsBlank(line[begin])) ++begin;
    if (kind != TrimKind::Left)
      while (end > begin && IsBlank(line[end - 1])) --end;
    line = line.substr(begin, end - begin);
  }
  return WithoutFinalBreak(JoinLines(lines));
}

void NumberLines(std::vector<std::wstring>& lines, long long first) {
  long long number = first;
  for (std::wstring& line : lines) line.insert(0, std::to_wstring(number++) + L". ");
}

void SortLines(std::vector<std::wstring>& lines, const LineComparison& compare) {
  std::sort(lines.begin(), lines.end(),
            [&](const std::wstring& a, const std::wstring& b) { return compare(a, b) < 0; });
}

void SortLinesByKeys(std::vector<std::wstring>& lines, const SortKeyMaker& key) {
  // One buffer for all keys: a million small allocations cost more than the sort.
  std::string keys;
  std::vector<size_t> offsets(lines.size() + 1, 0);
  for (size_t i = 0; i < lines.size(); ++i) {
    key(lines[i], keys);
    offsets[i + 1] = keys.size();
  }
  std::vector<size_t> order(lines.size());
  std::iota(order.begin(), order.end(), size_t{0});
  const char* base = keys.data();
  std::sort(order.begin(), order.end(), [&](size_t a, size_t b) {
    size_t lengthA = offsets[a + 1] - offsets[a], lengthB = offsets[b + 1] - offsets[b];
    int c = std::memcmp(base + offsets[a], base + offsets[b], std::min(lengthA, lengthB));
    return c != 0 ? c < 0 : lengthA < lengthB;
  });
  std::vector<std::wstring> sorted;
  sorted.reserve(lines.size());
  for (size_t i : order) sorted.push_back(std::move(lines[i]));
  lines = std::move(sorted);
}

LineSpan WidenToLines(long selectionStart, long selectionEnd, const LineLayout& layout) {
  long length = layout.TextLength();
  long start = std::clamp(selectionStart, 0L, length);
  long end = std::clamp(selectionEnd, start, length);
  // Select All may report one position past the end.
  bool whole = start == 0 && selectionEnd >= length;
  bool endsWithBreak = end > start && layout.IsBreakAt(end - 1);
  if (endsWithBreak && !whole) return {layout.LineStartAt(start), end, true};
  return {layout.LineStartAt(start), layout.LineTextEndAt(end), false};
}

long TextLineLayout::LineStartAt(long position) const {
  long i = std::clamp(position, 0L, TextLength());
  while (i > 0 && !IsBreak(text_[static_cast<size_t>(i - 1)])) --i;
  return i;
}

long TextLineLayout::LineTextEndAt(long position) const {
  long i = std::clamp(position, 0L, TextLength());
  while (i < TextLength() && !IsBreak(text_[static_cast<size_t>(i)])) ++i;
  return i;
}

bool TextLineLayout::IsBreakAt(long position) const {
  return position >= 0 && position < TextLength() && IsBreak(text_[static_cast<size_t>(position)]);
}

bool PreferFreshControl(long removedLength, long insertedLength, long documentLengthAfter) {
  // Figures measured under Wine (bench/textcmd): loading a text into a control of its
  // final size, laid out, costs about 0.5 ms per thousand characters. An edit in place
  // costs little in itself (60 ms in 5 MB of text) but more with every character it
  // removes or inserts, the more so the larger the document: removing 64K characters
  // took 0.6 s in 1 MB of text and 7.8 s in 5 MB.
  constexpr double kFreshControlMs = 20.0;
  constexpr double kLoadMsPerChar = 0.5e-3;
  constexpr double kEditMsPerChar = 1.2e-5;
  constexpr double kChangeMsPerCharSquared = 2.4e-8;
  double after = static_cast<double>(documentLengthAfter);
  double changed = static_cast<double>(removedLength) + static_cast<double>(insertedLength);
  double before = after - static_cast<double>(insertedLength) + static_cast<double>(removedLength);
  double inPlace = kEditMsPerChar * before + kChangeMsPerCharSquared * changed * before;
  double fresh = kFreshControlMs + kLoadMsPerChar * after;
  return inPlace > fresh;
}

}  // namespace textcmd
