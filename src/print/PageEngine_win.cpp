#include "print/PageEngine_win.h"

#include <algorithm>

#include "win/Handles.h"

namespace print {
namespace {

// Saves a context's state and puts it back, whatever way the drawing ends.
class SavedContext {
 public:
  explicit SavedContext(HDC dc) : dc_(dc), saved_(::SaveDC(dc)) { ::SetMapMode(dc, MM_TEXT); }
  ~SavedContext() {
    if (saved_) ::RestoreDC(dc_, saved_);
  }
  SavedContext(const SavedContext&) = delete;
  SavedContext& operator=(const SavedContext&) = delete;

 private:
  HDC dc_;
  int saved_;
};

RECT ToRect(const Rect& r) { return {r.left, r.top, r.right, r.bottom}; }
Rect FromRect(const RECT& r) { return {r.left, r.top, r.right, r.bottom}; }

FORMATRANGE Range(HDC dc, HDC target, const PageLayout& layout, long start, long end) {
  FORMATRANGE range{};
  range.hdc = dc;
  range.hdcTarget = target;
  range.rc = ToRect(layout.format);
  range.rcPage = ToRect(layout.page);
  range.chrg = {start, end};
  return range;
}

int TextWidth(HDC dc, const std::wstring& text) {
  SIZE size{};
  ::GetTextExtentPoint32W(dc, text.c_str(), static_cast<int>(text.size()), &size);
  return size.cx;
}

void DrawLine(HDC dc, const LineTexts& expanded, int printableWidth, int top) {
  for (const PlacedText& placed :
       PlaceLine(expanded, printableWidth, [dc](const std::wstring& text) { return TextWidth(dc, text); }))
    ::TextOutW(dc, placed.x, top, placed.text.c_str(), static_cast<int>(placed.text.size()));
}

bool BodyFits(const PageLayout& layout) { return layout.format.Width() > 0 && layout.format.Height() > 0; }

// Wine's rich-edit control answers EM_FORMATRANGE with 0 and lays out nothing. Where the
// control cannot format, the engine lays the document's text out itself: word-wrapped
// lines in the editor's default font, page by page in the same rectangle. Rich text
// then prints as its plain text.
bool g_controlCannotFormat = false;

bool ControlCannotFormat(workspace::RichEditor editor, HDC dc, const PageLayout& layout, long length) {
  if (g_controlCannotFormat || length == 0) return g_controlCannotFormat;
  // A whole sheet holds at least one character of any sound document.
  PageLayout roomy = layout;
  roomy.format = layout.page;
  FORMATRANGE range = Range(dc, dc, roomy, 0, length);
  g_controlCannotFormat = editor.FormatRange(range, false) <= 0;
  editor.FinishFormatting();
  return g_controlCannotFormat;
}

class TextLayout {
 public:
  // The text from `from` to `to` (-1: the end); positions stay the control's.
  TextLayout(workspace::RichEditor editor, HDC dc, const PageLayout& layout, long from = 0, long to = -1)
      : dc_(dc), text_(from == 0 && to < 0 ? editor.Text() : editor.TextRange(from, to)), base_(from) {
    workspace::FontSpec look = editor.DefaultFont();
    int dpiX = std::max(::GetDeviceCaps(dc, LOGPIXELSX), 1), dpiY = std::max(::GetDeviceCaps(dc, LOGPIXELSY), 1);
    LOGFONTW lf = workspace::ToLogFont(look, dpiY);
    font_.reset(::CreateFontIndirectW(&lf));
    color_ = look.color;
    width_ = ::MulDiv(layout.format.Width(), dpiX, kTwipsPerInch);
    height_ = ::MulDiv(layout.format.Height(), dpiY, kTwipsPerInch);
    twipsPerPixelX_ = static_cast<double>(kTwipsPerInch) / dpiX;
    twipsPerPixelY_ = static_cast<double>(kTwipsPerInch) / dpiY;
  }

  // Lays out [start, end) from the top of the rectangle, drawing when asked: the first
  // character that did not fit (-1 when all did) and the rectangle used, in twips.
  Fit Run(long start, long end, bool draw) {
    win::SelectGuard select(dc_, font_.get());
    TEXTMETRICW tm{};
    ::GetTextMetricsW(dc_, &tm);
    int lineHeight = std::max<int>(tm.tmHeight + tm.tmExternalLeading, 1);
    COLORREF oldColor = ::SetTextColor(dc_, color_);
    int oldMode = ::SetBkMode(dc_, TRANSPARENT);
    long size = base_ + static_cast<long>(text_.size());
    long last = std::min<long>(end < 0 ? size : end, size);
    long position = start;
    int y = 0, widest = 0;
    while (position < last) {
      if (y + lineHeight > height_) break;
      long breakAt = position;
      while (breakAt < last && !IsBreak(At(breakAt))) ++breakAt;
      long lineEnd = FitLine(position, breakAt);
      if (draw)
        ::ExtTextOutW(dc_, 0, y, 0, nullptr, Ptr(position), static_cast<UINT>(lineEnd - position), nullptr);
      widest = std::max(widest, Width(position, lineEnd));
      y += lineHeight;
      position = lineEnd;
      // A line break ends its line; blanks where a long line wrapped start no line.
      if (position < last && IsBreak(At(position)))
        ++position;
      else
        while (position < last && At(position) == L' ') ++position;
    }
    ::SetBkMode(dc_, oldMode);
    ::SetTextColor(dc_, oldColor);
    Rect used{0, 0, static_cast<int>(widest * twipsPerPixelX_), static_cast<int>(y * twipsPerPixelY_)};
    if (position >= size) return {-1, used};
    return {position, used};
  }

 private:
  static bool IsBreak(wchar_t c) { return c == L'\r' || c == L'\n'; }
  wchar_t At(long position) const { return text_[static_cast<size_t>(position - base_)]; }
  const wchar_t* Ptr(long position) const { return text_.c_str() + (position - base_); }
  int Width(long from, long to) {
    SIZE size{};
    ::GetTextExtentPoint32W(dc_, Ptr(from), static_cast<int>(to - from), &size);
    return size.cx;
  }
  // Where the line from `from` ends: all of it up to `paragraphEnd` when it fits, else
  // after the last blank that fits, else after as many characters as fit (at least one).
  long FitLine(long from, long paragraphEnd) {
    if (paragraphEnd == from) return from;
    int fit = 0;
    SIZE size{};
    int count = static_cast<int>(std::min<long>(paragraphEnd - from, 1 << 20));
    ::GetTextExtentExPointW(dc_, Ptr(from), count, std::max(width_, 1), &fit, nullptr, &size);
    if (fit >= count) return from + count;
    for (long i = from + fit; i > from; --i)
      if (At(i) == L' ') return i;
    return from + std::max(fit, 1);
  }

  HDC dc_;
  std::wstring text_;
  long base_ = 0;
  win::UniqueFont font_;
  COLORREF color_ = 0;
  int width_ = 0, height_ = 0;
  double twipsPerPixelX_ = 1, twipsPerPixelY_ = 1;
};

}  // namespace

PageTable CountPages(const EngineInput& input) {
  PageLayout layout = LayOutPage(input.device, input.margins);
  workspace::RichEditor editor = input.editor;
  long length = editor.TextLength();
  if (!BodyFits(layout)) {
    // The formatter is never asked to fill a rectangle that holds nothing.
    PageTable table;
    table.pages.push_back({0, -1, {}});
    table.complete = length == 0;
    return table;
  }
  HDC dc = input.layoutContext;
  if (ControlCannotFormat(editor, dc, layout, length)) {
    TextLayout text(editor, dc, layout);
    return MeasurePages(length, [&](long start) { return text.Run(start, -1, false); });
  }
  editor.FinishFormatting();
  PageTable table;
  {
    SavedContext saved(dc);
    ::SetViewportOrgEx(dc, layout.bodyOrigin.x, layout.bodyOrigin.y, nullptr);
    table = MeasurePages(length, [&](long start) {
      // The end of the text by its position: -1 stands for it only in some versions.
      FORMATRANGE range = Range(dc, dc, layout, start, length);
      long next = editor.FormatRange(range, false);
      return Fit{next, FromRect(range.rc)};
    });
  }
  editor.FinishFormatting();
  return table;
}

void DrawPage(const EngineInput& input, HDC dc, const PageTable& table, int n, const JobTexts& texts,
              MacroValues macros, bool draw) {
  if (n < 1 || n > table.Count()) return;
  PageLayout layout = LayOutPage(input.device, input.margins);
  const PageRecord& page = table.pages[static_cast<size_t>(n - 1)];
  SavedContext saved(dc);
  ::SetViewportOrgEx(dc, 0, 0, nullptr);
  if (draw && (texts.HeaderOn() || texts.FooterOn())) {
    macros.page = n;
    macros.pageCount = table.Count();
    // The context's own font, made a real one: a metafile does not measure its stock
    // font, and would play the texts back squeezed.
    LOGFONTW lf{};
    ::GetObjectW(::GetCurrentObject(dc, OBJ_FONT), sizeof(lf), &lf);
    win::UniqueFont lineFont(::CreateFontIndirectW(&lf));
    win::SelectGuard select(dc, lineFont.get());
    int oldMode = ::SetBkMode(dc, TRANSPARENT);
    if (texts.HeaderOn()) DrawLine(dc, ExpandMacros(texts.header, macros), input.device.printableWidth, 0);
    if (texts.FooterOn()) {
      SIZE line{};
      ::GetTextExtentPoint32W(dc, kLineHeightSample, 2, &line);
      DrawLine(dc, ExpandMacros(texts.footer, macros), input.device.printableWidth,
               FooterTop(input.device.printableHeight, line.cy));
    }
    ::SetBkMode(dc, oldMode);
  }
  if (!BodyFits(layout)) return;
  ::SetViewportOrgEx(dc, layout.bodyOrigin.x, layout.bodyOrigin.y, nullptr);
  workspace::RichEditor editor = input.editor;
  long end = page.end < 0 ? editor.TextLength() : page.end;
  if (g_controlCannotFormat) {
    if (draw) TextLayout(editor, dc, layout, page.start, end).Run(page.start, end, true);
    return;
  }
  FORMATRANGE range = Range(dc, input.layoutContext ? input.layoutContext : dc, layout, page.start, end);
  editor.FormatRange(range, draw);
}

bool PrintPages(const EngineInput& input, SheetSink& sheets, const PageTable& table, PageRange range,
                const JobTexts& texts, const MacroValues& macros) {
  workspace::RichEditor editor = input.editor;
  editor.FinishFormatting();
  bool sound = true;
  for (int n = 1; n <= table.Count() && sound; ++n) {
    if (StartsSheet(n, range) && !sheets.NewSheet()) {
      sound = false;
      break;
    }
    DrawPage(input, sheets.Context(), table, n, texts, macros, IsDrawn(n, range));
  }
  editor.FinishFormatting();
  if (!sound) {
    sheets.Abort();
    return false;
  }
  return sheets.Finish();
}

DeviceMetrics ReadDeviceMetrics(HDC dc) {
  DeviceMetrics m;
  m.physicalWidth = ::GetDeviceCaps(dc, PHYSICALWIDTH);
  m.physicalHeight = ::GetDeviceCaps(dc, PHYSICALHEIGHT);
  m.dpiX = ::GetDeviceCaps(dc, LOGPIXELSX);
  m.dpiY = ::GetDeviceCaps(dc, LOGPIXELSY);
  m.offsetX = ::GetDeviceCaps(dc, PHYSICALOFFSETX);
  m.offsetY = ::GetDeviceCaps(dc, PHYSICALOFFSETY);
  m.printableWidth = ::GetDeviceCaps(dc, HORZRES);
  m.printableHeight = ::GetDeviceCaps(dc, VERTRES);
  // A display reports no sheet: its whole surface is the printable area then.
  if (m.physicalWidth <= 0) m.physicalWidth = m.printableWidth;
  if (m.physicalHeight <= 0) m.physicalHeight = m.printableHeight;
  return m;
}

workspace::FontSpec ToFontSpec(const PrintFont& font) {
  workspace::FontSpec look;
  look.name = font.name;
  look.points = font.size;
  look.color = config::ResolveColor(font.color, [](int index) { return static_cast<std::uint32_t>(::GetSysColor(index)); });
  look.bold = font.bold;
  look.italic = font.italic;
  look.underline = font.underline;
  look.strikeOut = font.strikeOut;
  return look;
}

PrintFont FromFontSpec(const workspace::FontSpec& look) {
  PrintFont font;
  font.name = look.name.substr(0, kMaxFaceName);
  font.size = std::clamp(look.points, kMinFontSize, kMaxFontSize);
  font.color = look.color & 0xFFFFFF;
  font.bold = look.bold;
  font.italic = look.italic;
  font.underline = look.underline;
  font.strikeOut = look.strikeOut;
  return font;
}

Point MinimumBody(HDC dc, const workspace::FontSpec& look) {
  int dpiY = std::max(::GetDeviceCaps(dc, LOGPIXELSY), 1);
  int dpiX = std::max(::GetDeviceCaps(dc, LOGPIXELSX), 1);
  LOGFONTW lf = workspace::ToLogFont(look, dpiY);
  win::UniqueFont font(::CreateFontIndirectW(&lf));
  TEXTMETRICW tm{};
  {
    win::SelectGuard select(dc, font.get());
    ::GetTextMetricsW(dc, &tm);
  }
  return {::MulDiv(std::max<int>(tm.tmMaxCharWidth, 1), kTwipsPerInch, dpiX),
          ::MulDiv(std::max<int>(tm.tmHeight, 1), kTwipsPerInch, dpiY)};
}

}  // namespace print
