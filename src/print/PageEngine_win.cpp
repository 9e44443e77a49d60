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
  editor.FinishFormatting();
  PageTable table;
  {
    SavedContext saved(dc);
    ::SetViewportOrgEx(dc, layout.bodyOrigin.x, layout.bodyOrigin.y, nullptr);
    table = MeasurePages(length, [&](long start) {
      FORMATRANGE range = Range(dc, dc, layout, start, -1);
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
  FORMATRANGE range = Range(dc, input.layoutContext ? input.layoutContext : dc, layout, page.start, page.end);
  workspace::RichEditor editor = input.editor;
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
  workspace::FontSpec spec;
  spec.name = font.name;
  spec.points = font.size;
  spec.color = config::ResolveColor(font.color, [](int index) { return static_cast<std::uint32_t>(::GetSysColor(index)); });
  spec.bold = font.bold;
  spec.italic = font.italic;
  spec.underline = font.underline;
  spec.strikeOut = font.strikeOut;
  return spec;
}

PrintFont FromFontSpec(const workspace::FontSpec& spec) {
  PrintFont font;
  font.name = spec.name.substr(0, kMaxFaceName);
  font.size = std::clamp(spec.points, kMinFontSize, kMaxFontSize);
  font.color = spec.color & 0xFFFFFF;
  font.bold = spec.bold;
  font.italic = spec.italic;
  font.underline = spec.underline;
  font.strikeOut = spec.strikeOut;
  return font;
}

Point MinimumBody(HDC dc, const workspace::FontSpec& spec) {
  LOGFONTW lf{};
  int dpiY = std::max(::GetDeviceCaps(dc, LOGPIXELSY), 1);
  int dpiX = std::max(::GetDeviceCaps(dc, LOGPIXELSX), 1);
  lf.lfHeight = -::MulDiv(spec.points, dpiY, 72);
  lf.lfWeight = spec.bold ? FW_BOLD : FW_NORMAL;
  lf.lfItalic = spec.italic;
  lf.lfCharSet = spec.charSet;
  lstrcpynW(lf.lfFaceName, spec.name.c_str(), LF_FACESIZE);
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
