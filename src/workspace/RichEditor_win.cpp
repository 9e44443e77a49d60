#include "workspace/RichEditor_win.h"

#include <algorithm>
#include <vector>

namespace workspace {
namespace {

constexpr wchar_t kWrapProp[] = L"TwkWordWrap";

struct InCookie {
  const BYTE* data;
  size_t remaining;
  size_t unit;  // 2 for UTF-16 text, 1 for RTF bytes
  size_t total;
  const StreamProgress* progress;
  bool cancelled;
};

// Wine turns a CR LF pair split between two chunks into two line breaks, so a chunk
// never ends on a CR (or inside a surrogate pair) while more data follows.
DWORD CALLBACK StreamInCallback(DWORD_PTR cookie, LPBYTE buffer, LONG size, LONG* written) {
  auto* in = reinterpret_cast<InCookie*>(cookie);
  if (in->progress && *in->progress && !(*in->progress)(in->total - in->remaining, in->total)) {
    in->cancelled = true;
    *written = 0;
    return 1;  // ends the stream
  }
  size_t units = std::min(static_cast<size_t>(size) / in->unit, in->remaining / in->unit);
  if (units < in->remaining / in->unit && units > 1) {
    if (in->unit == 2) {
      const wchar_t* text = reinterpret_cast<const wchar_t*>(in->data);
      wchar_t last = text[units - 1];
      if (last == L'\r' || (last >= 0xD800 && last <= 0xDBFF)) --units;
    } else if (in->data[units - 1] == '\r') {
      --units;
    }
  }
  size_t bytes = units * in->unit;
  memcpy(buffer, in->data, bytes);
  in->data += bytes;
  in->remaining -= bytes;
  *written = static_cast<LONG>(bytes);
  return 0;
}

struct OutCookie {
  std::string bytes;             // 8-bit text and RTF
  std::wstring* wide = nullptr;  // UTF-16 text goes straight here, without a copy after
  size_t done = 0;
  size_t expected = 0;  // about how many bytes will come
  const StreamProgress* progress = nullptr;
  bool oddByte = false;  // a piece ended inside a UTF-16 unit
  unsigned char low = 0;
};

DWORD CALLBACK StreamOutCallback(DWORD_PTR cookie, LPBYTE buffer, LONG size, LONG* written) {
  auto* out = reinterpret_cast<OutCookie*>(cookie);
  auto count = static_cast<size_t>(size);
  if (out->wide) {
    const unsigned char* at = buffer;
    const unsigned char* end = buffer + count;
    if (out->oddByte && at < end) {
      out->wide->push_back(static_cast<wchar_t>(out->low | (*at++ << 8)));
      out->oddByte = false;
    }
    size_t units = static_cast<size_t>(end - at) / 2;
    size_t old = out->wide->size();
    out->wide->resize(old + units);
    memcpy(out->wide->data() + old, at, units * 2);
    at += units * 2;
    if (at < end) {
      out->low = *at;
      out->oddByte = true;
    }
  } else {
    out->bytes.append(reinterpret_cast<const char*>(buffer), count);
  }
  out->done += count;
  *written = size;
  // A save is not stopped half way: what the progress answers is not asked for.
  if (out->progress && *out->progress)
    (*out->progress)(std::min(out->done, out->expected), std::max(out->done, out->expected));
  return 0;
}

size_t CharacterCount(HWND hwnd) {
  GETTEXTLENGTHEX length{GTL_NUMCHARS, 1200};
  return static_cast<size_t>(std::max<LRESULT>(0, ::SendMessageW(hwnd, EM_GETTEXTLENGTHEX,
                                                                  reinterpret_cast<WPARAM>(&length), 0)));
}

void StreamOut(HWND hwnd, WPARAM format, OutCookie& cookie) {
  EDITSTREAM stream{};
  stream.dwCookie = reinterpret_cast<DWORD_PTR>(&cookie);
  stream.pfnCallback = &StreamOutCallback;
  ::SendMessageW(hwnd, EM_STREAMOUT, format, reinterpret_cast<LPARAM>(&stream));
}

std::string StreamOutBytes(HWND hwnd, WPARAM format, const StreamProgress& progress) {
  OutCookie cookie;
  cookie.progress = &progress;
  cookie.expected = CharacterCount(hwnd);
  cookie.bytes.reserve(cookie.expected + cookie.expected / 8 + 64);
  StreamOut(hwnd, format, cookie);
  return std::move(cookie.bytes);
}

bool StreamIn(HWND hwnd, WPARAM format, const void* data, size_t bytes, size_t unit,
              const StreamProgress* progress = nullptr) {
  InCookie cookie{static_cast<const BYTE*>(data), bytes, unit, bytes, progress, false};
  EDITSTREAM stream{};
  stream.dwCookie = reinterpret_cast<DWORD_PTR>(&cookie);
  stream.pfnCallback = &StreamInCallback;
  ::SendMessageW(hwnd, EM_STREAMIN, format, reinterpret_cast<LPARAM>(&stream));
  return !cookie.cancelled;
}

}  // namespace

HWND RichEditor::Create(HWND parent, int id, bool plainText) {
  static HMODULE library = ::LoadLibraryW(L"Msftedit.dll");
  (void)library;
  // The scroll bars stay in place, disabled while there is nothing to scroll: when a
  // bar may come and go, Wine measures every row again for each piece of text it
  // loads, and a file with many tabs takes many times as long.
  DWORD style = WS_CHILD | WS_VSCROLL | WS_HSCROLL | WS_CLIPSIBLINGS | ES_MULTILINE | ES_AUTOVSCROLL |
                ES_AUTOHSCROLL | ES_NOHIDESEL | ES_WANTRETURN | ES_SAVESEL | ES_DISABLENOSCROLL;
  HWND hwnd = ::CreateWindowExW(0, MSFTEDIT_CLASS, L"", style, 0, 0, 10, 10, parent,
                                reinterpret_cast<HMENU>(static_cast<INT_PTR>(id)), ::GetModuleHandleW(nullptr), nullptr);
  if (!hwnd) return nullptr;
  RichEditor editor(hwnd);
  editor.SetPlainText(plainText);
  editor.SetWordWrap(false);
  return hwnd;
}

bool RichEditor::IsPlainText() const {
  return (::SendMessageW(hwnd_, EM_GETTEXTMODE, 0, 0) & TM_PLAINTEXT) != 0;
}

bool RichEditor::SetPlainText(bool plain) {
  WPARAM mode = (plain ? TM_PLAINTEXT : TM_RICHTEXT) | TM_MULTILEVELUNDO | TM_MULTICODEPAGE;
  return ::SendMessageW(hwnd_, EM_SETTEXTMODE, mode, 0) == 0;
}

bool RichEditor::Modified() const { return ::SendMessageW(hwnd_, EM_GETMODIFY, 0, 0) != 0; }
void RichEditor::SetModified(bool modified) { ::SendMessageW(hwnd_, EM_SETMODIFY, modified ? TRUE : FALSE, 0); }

bool RichEditor::ReadOnly() const { return (::GetWindowLongW(hwnd_, GWL_STYLE) & ES_READONLY) != 0; }
void RichEditor::SetReadOnly(bool readOnly) { ::SendMessageW(hwnd_, EM_SETREADONLY, readOnly ? TRUE : FALSE, 0); }

bool RichEditor::WordWrap() const { return ::GetPropW(hwnd_, kWrapProp) != nullptr; }

void RichEditor::SetWordWrap(bool wrap) {
  if (wrap)
    ::SetPropW(hwnd_, kWrapProp, reinterpret_cast<HANDLE>(1));
  else
    ::RemovePropW(hwnd_, kWrapProp);
  ::SendMessageW(hwnd_, EM_SETTARGETDEVICE, 0, wrap ? 0 : 1);
  // A wrapping editor has a vertical scroll bar only, otherwise both.
  ::SendMessageW(hwnd_, EM_SHOWSCROLLBAR, SB_HORZ, wrap ? FALSE : TRUE);
}

bool RichEditor::CanUndo() const { return ::SendMessageW(hwnd_, EM_CANUNDO, 0, 0) != 0; }

void RichEditor::SetBackground(COLORREF color) { ::SendMessageW(hwnd_, EM_SETBKGNDCOLOR, 0, color); }

FontSpec RichEditor::DefaultFont() const {
  CHARFORMAT2W format{};
  format.cbSize = sizeof(format);
  ::SendMessageW(hwnd_, EM_GETCHARFORMAT, SCF_DEFAULT, reinterpret_cast<LPARAM>(&format));
  FontSpec font;
  font.name = format.szFaceName;
  font.points = (format.yHeight + 10) / 20;
  font.color = format.crTextColor;
  font.bold = (format.dwEffects & CFE_BOLD) != 0;
  font.italic = (format.dwEffects & CFE_ITALIC) != 0;
  font.underline = (format.dwEffects & CFE_UNDERLINE) != 0;
  font.strikeOut = (format.dwEffects & CFE_STRIKEOUT) != 0;
  font.charSet = format.bCharSet;
  return font;
}

void RichEditor::SetDefaultFont(const FontSpec& font) {
  CHARFORMAT2W format{};
  format.cbSize = sizeof(format);
  format.dwMask = CFM_FACE | CFM_SIZE | CFM_COLOR | CFM_BOLD | CFM_ITALIC | CFM_UNDERLINE | CFM_STRIKEOUT |
                  CFM_CHARSET;
  lstrcpynW(format.szFaceName, font.name.c_str(), LF_FACESIZE);
  format.yHeight = font.points * 20;
  format.crTextColor = font.color;
  format.bCharSet = font.charSet;
  format.dwEffects = (font.bold ? CFE_BOLD : 0) | (font.italic ? CFE_ITALIC : 0) |
                     (font.underline ? CFE_UNDERLINE : 0) | (font.strikeOut ? CFE_STRIKEOUT : 0);
  bool modified = Modified();
  ::SendMessageW(hwnd_, EM_SETCHARFORMAT, SCF_DEFAULT, reinterpret_cast<LPARAM>(&format));
  if (IsPlainText()) ::SendMessageW(hwnd_, EM_SETCHARFORMAT, SCF_ALL, reinterpret_cast<LPARAM>(&format));
  SetModified(modified);
}

void RichEditor::SetMaxLength(long length) { ::SendMessageW(hwnd_, EM_EXLIMITTEXT, 0, length); }
long RichEditor::MaxLength() const { return static_cast<long>(::SendMessageW(hwnd_, EM_GETLIMITTEXT, 0, 0)); }

void RichEditor::SetEventMask(DWORD mask) { ::SendMessageW(hwnd_, EM_SETEVENTMASK, 0, mask); }
DWORD RichEditor::EventMask() const { return static_cast<DWORD>(::SendMessageW(hwnd_, EM_GETEVENTMASK, 0, 0)); }

CHARRANGE RichEditor::Selection() const {
  CHARRANGE range{};
  ::SendMessageW(hwnd_, EM_EXGETSEL, 0, reinterpret_cast<LPARAM>(&range));
  return range;
}

void RichEditor::SetSelection(long start, long end) {
  CHARRANGE range{start, end};
  ::SendMessageW(hwnd_, EM_EXSETSEL, 0, reinterpret_cast<LPARAM>(&range));
}

POINT RichEditor::ScrollPosition() const {
  POINT position{};
  ::SendMessageW(hwnd_, EM_GETSCROLLPOS, 0, reinterpret_cast<LPARAM>(&position));
  return position;
}

void RichEditor::SetScrollPosition(POINT position) {
  ::SendMessageW(hwnd_, EM_SETSCROLLPOS, 0, reinterpret_cast<LPARAM>(&position));
}

long RichEditor::TextLength() const {
  GETTEXTLENGTHEX query{GTL_NUMCHARS | GTL_PRECISE, 1200};
  return static_cast<long>(::SendMessageW(hwnd_, EM_GETTEXTLENGTHEX, reinterpret_cast<WPARAM>(&query), 0));
}

std::wstring RichEditor::Text() const { return TextRange(0, TextLength()); }

std::wstring RichEditor::TextRange(long start, long end) const {
  if (end <= start) return std::wstring();
  std::vector<wchar_t> buffer(static_cast<size_t>(end - start) + 2, L'\0');
  TEXTRANGEW range{};
  range.chrg = {start, end};
  range.lpstrText = buffer.data();
  LRESULT got = ::SendMessageW(hwnd_, EM_GETTEXTRANGE, 0, reinterpret_cast<LPARAM>(&range));
  if (got < 0) got = 0;
  return std::wstring(buffer.data(), static_cast<size_t>(got));
}

std::wstring RichEditor::SelectedText() const {
  CHARRANGE range = Selection();
  return TextRange(range.cpMin, range.cpMax);
}

void RichEditor::ReplaceSelection(std::wstring_view text, bool canUndo) {
  std::wstring copy(text);
  ::SendMessageW(hwnd_, EM_REPLACESEL, canUndo ? TRUE : FALSE, reinterpret_cast<LPARAM>(copy.c_str()));
}

int RichEditor::LineCount() const { return static_cast<int>(::SendMessageW(hwnd_, EM_GETLINECOUNT, 0, 0)); }
int RichEditor::LineFromChar(long index) const {
  return static_cast<int>(::SendMessageW(hwnd_, EM_EXLINEFROMCHAR, 0, index));
}
long RichEditor::LineIndex(int line) const { return static_cast<long>(::SendMessageW(hwnd_, EM_LINEINDEX, line, 0)); }
long RichEditor::LineLength(long charIndex) const {
  return static_cast<long>(::SendMessageW(hwnd_, EM_LINELENGTH, charIndex, 0));
}

bool RichEditor::StreamInText(std::wstring_view text, const StreamProgress& progress) {
  return StreamIn(hwnd_, SF_TEXT | SF_UNICODE, text.data(), text.size() * sizeof(wchar_t), sizeof(wchar_t),
                  &progress);
}

bool RichEditor::StreamInRtf(std::string_view rtf, const StreamProgress& progress) {
  return StreamIn(hwnd_, SF_RTF, rtf.data(), rtf.size(), 1, &progress);
}

std::wstring RichEditor::StreamOutText(const StreamProgress& progress) const {
  std::wstring text;
  OutCookie cookie;
  cookie.wide = &text;
  cookie.progress = &progress;
  size_t characters = CharacterCount(hwnd_);
  // Line breaks come out as CR LF: room for a few of them saves the copies of growing.
  text.reserve(characters + characters / 16 + 64);
  cookie.expected = characters * sizeof(wchar_t);
  StreamOut(hwnd_, SF_TEXT | SF_UNICODE, cookie);
  return text;
}

std::string RichEditor::StreamOutAnsiText() const { return StreamOutBytes(hwnd_, SF_TEXT, {}); }

std::string RichEditor::StreamOutRtf(const StreamProgress& progress) const {
  return StreamOutBytes(hwnd_, SF_RTF, progress);
}

void RichEditor::Undo() { ::SendMessageW(hwnd_, EM_UNDO, 0, 0); }
void RichEditor::Cut() { ::SendMessageW(hwnd_, WM_CUT, 0, 0); }
void RichEditor::Copy() { ::SendMessageW(hwnd_, WM_COPY, 0, 0); }
void RichEditor::Paste() { ::SendMessageW(hwnd_, WM_PASTE, 0, 0); }
void RichEditor::Clear() { ::SendMessageW(hwnd_, WM_CLEAR, 0, 0); }
void RichEditor::ScrollCaret() { ::SendMessageW(hwnd_, EM_SCROLLCARET, 0, 0); }

CHARFORMAT2W RichEditor::SelectionCharFormat() const {
  CHARFORMAT2W format{};
  format.cbSize = sizeof(format);
  ::SendMessageW(hwnd_, EM_GETCHARFORMAT, SCF_SELECTION, reinterpret_cast<LPARAM>(&format));
  return format;
}

void RichEditor::SetSelectionCharFormat(const CHARFORMAT2W& format) {
  ::SendMessageW(hwnd_, EM_SETCHARFORMAT, SCF_SELECTION, reinterpret_cast<LPARAM>(&format));
}

void RichEditor::SetAllCharFormat(const CHARFORMAT2W& format) {
  ::SendMessageW(hwnd_, EM_SETCHARFORMAT, SCF_ALL, reinterpret_cast<LPARAM>(&format));
}

PARAFORMAT2 RichEditor::ParagraphFormat() const {
  PARAFORMAT2 format{};
  format.cbSize = sizeof(format);
  ::SendMessageW(hwnd_, EM_GETPARAFORMAT, 0, reinterpret_cast<LPARAM>(&format));
  return format;
}

void RichEditor::SetParagraphFormat(const PARAFORMAT2& format) {
  ::SendMessageW(hwnd_, EM_SETPARAFORMAT, 0, reinterpret_cast<LPARAM>(&format));
}

long RichEditor::FormatRange(FORMATRANGE& range, bool draw) {
  return static_cast<long>(::SendMessageW(hwnd_, EM_FORMATRANGE, draw ? TRUE : FALSE, reinterpret_cast<LPARAM>(&range)));
}

void RichEditor::FinishFormatting() { ::SendMessageW(hwnd_, EM_FORMATRANGE, FALSE, 0); }

LOGFONTW ToLogFont(const FontSpec& font, int dpiY) {
  LOGFONTW log{};
  log.lfHeight = -::MulDiv(std::max(font.points, 1), dpiY, 72);
  log.lfWeight = font.bold ? FW_BOLD : FW_NORMAL;
  log.lfItalic = font.italic;
  log.lfUnderline = font.underline;
  log.lfStrikeOut = font.strikeOut;
  log.lfCharSet = font.charSet;
  lstrcpynW(log.lfFaceName, font.name.c_str(), LF_FACESIZE);
  return log;
}

}  // namespace workspace
