#pragma once
// A thin view of one rich-edit control: the document's text and the states the
// control keeps itself (plain-text mode, modified flag, read-only, word wrap, font).
#include <windows.h>
#include <richedit.h>

#include <functional>
#include <string>
#include <string_view>

namespace workspace {

using StreamProgress = std::function<bool(size_t done, size_t total)>;

struct FontSpec {
  std::wstring name = L"Courier New";
  int points = 8;
  COLORREF color = 0;
  bool bold = false, italic = false, underline = false, strikeOut = false;
  BYTE charSet = DEFAULT_CHARSET;
};

// The font as GDI makes it, at `dpiY` pixels per inch.
LOGFONTW ToLogFont(const FontSpec& font, int dpiY);

class RichEditor {
 public:
  RichEditor() = default;
  explicit RichEditor(HWND hwnd) : hwnd_(hwnd) {}
  HWND hwnd() const { return hwnd_; }
  explicit operator bool() const { return hwnd_ != nullptr; }

  // A new control, hidden, as a child of `parent`. Plain-text mode can only be set
  // while the control is empty, so it is chosen here.
  static HWND Create(HWND parent, int id, bool plainText);

  bool IsPlainText() const;
  // Succeeds only while the control is empty.
  bool SetPlainText(bool plain);

  bool Modified() const;
  void SetModified(bool modified);
  bool ReadOnly() const;
  void SetReadOnly(bool readOnly);
  bool WordWrap() const;
  void SetWordWrap(bool wrap);
  bool CanUndo() const;

  void SetBackground(COLORREF color);
  FontSpec DefaultFont() const;
  void SetDefaultFont(const FontSpec& font);
  void SetMaxLength(long length);
  long MaxLength() const;
  void SetEventMask(DWORD mask);
  DWORD EventMask() const;

  CHARRANGE Selection() const;
  void SetSelection(long start, long end);
  POINT ScrollPosition() const;
  void SetScrollPosition(POINT position);

  // Length in the control's own units: a line break counts as one character.
  long TextLength() const;
  // Text in the control's own units (a line break is "\r").
  std::wstring Text() const;
  std::wstring TextRange(long start, long end) const;
  std::wstring SelectedText() const;
  void ReplaceSelection(std::wstring_view text, bool canUndo);

  // The clipboard and undo, as the control does them.
  void Undo();
  void Cut();
  void Copy();
  void Paste();
  void Clear();
  void ScrollCaret();

  // Character formatting of the selection (or of everything) and paragraph formatting
  // of the selected paragraphs: bold, fonts, colours, alignment, bullets.
  CHARFORMAT2W SelectionCharFormat() const;
  void SetSelectionCharFormat(const CHARFORMAT2W& format);
  void SetAllCharFormat(const CHARFORMAT2W& format);
  PARAFORMAT2 ParagraphFormat() const;
  void SetParagraphFormat(const PARAFORMAT2& format);

  // Lays out (and with `draw`, draws) [start, end) on a device as one page; returns the
  // first position that did not fit. FinishFormatting frees the layout cache after.
  long FormatRange(FORMATRANGE& range, bool draw);
  void FinishFormatting();

  int LineCount() const;
  int LineFromChar(long index) const;
  long LineIndex(int line) const;
  long LineLength(long charIndex) const;

  // Whole-text transfer. Plain text goes in and out as UTF-16 with CR LF breaks,
  // rich text as RTF bytes. StreamIn replaces the whole content: use it on an empty
  // control (replacing a large text in place is slow under Wine).
  // With `progress`, it is told the bytes done and in all before each piece; when it
  // answers false the stream stops there and false comes back.
  bool StreamInText(std::wstring_view text, const StreamProgress& progress = {});
  bool StreamInRtf(std::string_view rtf, const StreamProgress& progress = {});
  // With `progress`, it is told how far the stream is after each piece.
  std::wstring StreamOutText(const StreamProgress& progress = {}) const;
  // Plain text in the system code page with CR LF breaks, as a file holds it.
  std::string StreamOutAnsiText() const;
  std::string StreamOutRtf(const StreamProgress& progress = {}) const;

 private:
  HWND hwnd_ = nullptr;
};

}  // namespace workspace
