#include "print/PrintPreview_win.h"

#include <algorithm>

#include "print/MyPrintDialogIds.h"
#include "win/Handles.h"
#include "win/Text.h"

namespace print {
namespace {

constexpr int kGap = 12;  // pixels of desk around the sheet

long HundredthsOfMm(int pixels, int dpi) { return dpi > 0 ? ::MulDiv(pixels, 2540, dpi) : 0; }

}  // namespace

void RenderPreviewPage(const PreviewSource& source, int n, HDC target, const RECT& sheet) {
  const DeviceMetrics& d = source.input.device;
  ::FillRect(target, &sheet, static_cast<HBRUSH>(::GetStockObject(WHITE_BRUSH)));
  // The metafile's frame is the whole sheet, measured from the printable area's corner
  // where the engine puts its origin.
  RECT frame{-HundredthsOfMm(d.offsetX, d.dpiX), -HundredthsOfMm(d.offsetY, d.dpiY),
             HundredthsOfMm(d.physicalWidth - d.offsetX, d.dpiX), HundredthsOfMm(d.physicalHeight - d.offsetY, d.dpiY)};
  HDC recorder = ::CreateEnhMetaFileW(source.input.layoutContext, nullptr, &frame, nullptr);
  if (!recorder) return;
  DrawPage(source.input, recorder, source.table, n, source.texts, source.macros, true);
  HENHMETAFILE picture = ::CloseEnhMetaFile(recorder);
  if (!picture) return;
  int saved = ::SaveDC(target);
  ::IntersectClipRect(target, sheet.left, sheet.top, sheet.right, sheet.bottom);
  ::PlayEnhMetaFile(target, picture, &sheet);
  ::RestoreDC(target, saved);
  ::DeleteEnhMetaFile(picture);
}

TPrintPreview::TPrintPreview(PreviewSource source) : win::Dialog(IDD_PREVIEW), source_(std::move(source)) {}

TPrintPreview::~TPrintPreview() = default;

bool TPrintPreview::OnInit() {
  ::SetWindowTextW(hwnd(), (L"Tarnwick - Print Preview - " + source_.title).c_str());
  SetText(IDC_PV_PRINT, source_.printLabel);
  SetChecked(IDC_PV_FIT, true);
  RECT work{};
  ::SystemParametersInfoW(SPI_GETWORKAREA, 0, &work, 0);
  // Tall enough to see a whole page.
  int height = (work.bottom - work.top) * 9 / 10;
  int width = std::min<int>((work.right - work.left) * 9 / 10, height * 5 / 6);
  ::SetWindowPos(hwnd(), nullptr, work.left + (work.right - work.left - width) / 2,
                 work.top + (work.bottom - work.top - height) / 2, width, height, SWP_NOZORDER);
  Layout();
  Refresh();
  return true;
}

void TPrintPreview::Layout() {
  RECT client{};
  ::GetClientRect(hwnd(), &client);
  RECT label{};
  ::GetWindowRect(Item(IDC_PV_PAGE), &label);
  ::MapWindowPoints(HWND_DESKTOP, hwnd(), reinterpret_cast<POINT*>(&label), 2);
  int top = label.bottom + 4;
  int bar = ::GetSystemMetrics(SM_CXVSCROLL);
  ::MoveWindow(Item(IDC_PV_CANVAS), 0, top, client.right - bar, client.bottom - top, TRUE);
  ::MoveWindow(Item(IDC_PV_SCROLL), client.right - bar, top, bar, client.bottom - top, TRUE);
}

RECT TPrintPreview::SheetRect() const {
  RECT canvas{};
  ::GetClientRect(Item(IDC_PV_CANVAS), &canvas);
  const DeviceMetrics& d = source_.input.device;
  // The sheet's shape in inches: printers may have different resolutions on each axis.
  double inchesWide = d.dpiX > 0 ? static_cast<double>(d.physicalWidth) / d.dpiX : 8.5;
  double inchesHigh = d.dpiY > 0 ? static_cast<double>(d.physicalHeight) / d.dpiY : 11;
  double roomX = std::max<LONG>(canvas.right - 2 * kGap, 1), roomY = std::max<LONG>(canvas.bottom - 2 * kGap, 1);
  double scale = fitWidth_ ? roomX / inchesWide : std::min(roomX / inchesWide, roomY / inchesHigh);
  int width = static_cast<int>(inchesWide * scale), height = static_cast<int>(inchesHigh * scale);
  int left = (canvas.right - width) / 2;
  int top = fitWidth_ ? kGap - scroll_ : (canvas.bottom - height) / 2;
  return {left, top, left + width, top + height};
}

void TPrintPreview::Refresh() {
  SetText(IDC_PV_PAGE, win::Fill(L"Page %s of %s", {win::ToText(page_), win::ToText(PageCount())}));
  Enable(IDC_PV_PREV, page_ > 1);
  Enable(IDC_PV_NEXT, page_ < PageCount());
  RECT canvas{};
  ::GetClientRect(Item(IDC_PV_CANVAS), &canvas);
  RECT sheet = SheetRect();
  SCROLLINFO info{};
  info.cbSize = sizeof(info);
  info.fMask = SIF_ALL | SIF_DISABLENOSCROLL;
  info.nMax = fitWidth_ ? sheet.bottom - sheet.top + 2 * kGap : 0;
  info.nPage = static_cast<UINT>(fitWidth_ ? canvas.bottom : 1);
  info.nPos = scroll_;
  ::SetScrollInfo(Item(IDC_PV_SCROLL), SB_CTL, &info, TRUE);
  ::InvalidateRect(Item(IDC_PV_CANVAS), nullptr, FALSE);
}

void TPrintPreview::GoTo(int page) {
  page_ = std::clamp(page, 1, std::max(PageCount(), 1));
  scroll_ = 0;
  Refresh();
}

void TPrintPreview::SetFitWidth(bool width) {
  fitWidth_ = width;
  SetChecked(IDC_PV_FIT, !width);
  SetChecked(IDC_PV_WIDTH, width);
  scroll_ = 0;
  Refresh();
}

void TPrintPreview::Scroll(int code, int position) {
  if (!fitWidth_) return;
  RECT canvas{};
  ::GetClientRect(Item(IDC_PV_CANVAS), &canvas);
  RECT sheet = SheetRect();
  int most = std::max<int>(0, sheet.bottom - sheet.top + 2 * kGap - canvas.bottom);
  int line = std::max<int>(canvas.bottom / 20, 1);
  switch (code) {
    case SB_LINEUP: scroll_ -= line; break;
    case SB_LINEDOWN: scroll_ += line; break;
    case SB_PAGEUP: scroll_ -= canvas.bottom; break;
    case SB_PAGEDOWN: scroll_ += canvas.bottom; break;
    case SB_THUMBTRACK:
    case SB_THUMBPOSITION: scroll_ = position; break;
    case SB_TOP: scroll_ = 0; break;
    case SB_BOTTOM: scroll_ = most; break;
    default: return;
  }
  scroll_ = std::clamp(scroll_, 0, most);
  Refresh();
}

bool TPrintPreview::OnCommand(int id, int code, HWND control) {
  switch (id) {
    case IDC_PV_PREV: GoTo(page_ - 1); return true;
    case IDC_PV_NEXT: GoTo(page_ + 1); return true;
    case IDC_PV_FIT: SetFitWidth(false); return true;
    case IDC_PV_WIDTH: SetFitWidth(true); return true;
    case IDC_PV_PRINT: End(IDOK); return true;
    case IDOK: return true;  // Enter does not print from here
    default: return win::Dialog::OnCommand(id, code, control);
  }
}

bool TPrintPreview::OnMessage(UINT message, WPARAM wParam, LPARAM lParam, INT_PTR& result) {
  switch (message) {
    case WM_SIZE:
      Layout();
      Refresh();
      return false;
    case WM_GETMINMAXINFO: {
      auto* info = reinterpret_cast<MINMAXINFO*>(lParam);
      info->ptMinTrackSize = {420, 300};
      result = 0;
      return true;
    }
    case WM_VSCROLL:
      Scroll(LOWORD(wParam), HIWORD(wParam));
      return true;
    case WM_MOUSEWHEEL:
      Scroll(GET_WHEEL_DELTA_WPARAM(wParam) > 0 ? SB_LINEUP : SB_LINEDOWN, 0);
      return true;
    case WM_KEYDOWN:
      return false;
    case WM_DRAWITEM: {
      auto* item = reinterpret_cast<DRAWITEMSTRUCT*>(lParam);
      if (item->CtlID != IDC_PV_CANVAS) return false;
      RECT canvas = item->rcItem;
      HDC dc = item->hDC;
      // Drawn off screen first: the metafile draws piece by piece.
      win::UniqueMemoryDc memory(::CreateCompatibleDC(dc));
      win::UniqueBitmap bitmap(::CreateCompatibleBitmap(dc, canvas.right, canvas.bottom));
      {
        win::SelectGuard select(memory.get(), bitmap.get());
        ::FillRect(memory.get(), &canvas, ::GetSysColorBrush(COLOR_APPWORKSPACE));
        RECT sheet = SheetRect();
        RECT shadow = sheet;
        ::OffsetRect(&shadow, 4, 4);
        ::FillRect(memory.get(), &shadow, ::GetSysColorBrush(COLOR_3DDKSHADOW));
        if (PageCount() > 0) RenderPreviewPage(source_, page_, memory.get(), sheet);
        ::FrameRect(memory.get(), &sheet, static_cast<HBRUSH>(::GetStockObject(BLACK_BRUSH)));
        ::BitBlt(dc, 0, 0, canvas.right, canvas.bottom, memory.get(), 0, 0, SRCCOPY);
      }
      result = TRUE;
      return true;
    }
    default: return false;
  }
}

}  // namespace print
