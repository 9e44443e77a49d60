#include "format/ColorForm_win.h"

#include <windowsx.h>

namespace format {
namespace {

constexpr wchar_t kClassName[] = L"TColorForm";
constexpr UINT_PTR kActiveTimer = 1;
constexpr UINT kActiveTimerMs = 50;
constexpr UINT kRunTestHook = WM_APP + 42;

std::function<void(TColorForm&)>& TestHook() {
  static std::function<void(TColorForm&)> hook;
  return hook;
}

RECT ToRect(const PaletteRect& r) { return {r.left, r.top, r.left + r.width, r.top + r.height}; }

void FillColor(HDC dc, RECT r, COLORREF color) {
  HBRUSH brush = ::CreateSolidBrush(color);
  ::FillRect(dc, &r, brush);
  ::DeleteObject(brush);
}

// The program is no longer the active application when the foreground window belongs
// to another process (Wine may have no foreground window at all: that is not another
// program).
bool AnotherProgramActive() {
  HWND foreground = ::GetForegroundWindow();
  if (!foreground) return false;
  DWORD process = 0;
  ::GetWindowThreadProcessId(foreground, &process);
  return process != ::GetCurrentProcessId();
}

}  // namespace

void TColorForm::SetTestHook(std::function<void(TColorForm&)> hook) { TestHook() = std::move(hook); }

TColorForm::TColorForm(HWND mainWindow, COLORREF defaultColor, const std::array<std::uint32_t, 16>& custom,
                       std::function<bool(HWND, COLORREF&)> moreColors, std::function<void()> onHelp)
    : main_(mainWindow),
      defaultColor_(defaultColor),
      cells_(PaletteLayout(custom)),
      moreColors_(std::move(moreColors)),
      onHelp_(std::move(onHelp)) {}

bool TColorForm::ShowAndWait(POINT screenPoint) {
  RegisterClassOnce(kClassName, CS_DROPSHADOW, reinterpret_cast<HBRUSH>(COLOR_BTNFACE + 1));
  if (!CreateHandle(WS_EX_TOPMOST | WS_EX_TOOLWINDOW, kClassName, L"", WS_POPUP | WS_CLIPCHILDREN, screenPoint.x,
                    screenPoint.y, kPaletteWidth, kPaletteHeight, main_, nullptr))
    return false;
  choiceMade_ = false;
  // The colour box that opened us may still hold the mouse from its own drop-down:
  // the palette's clicks must reach the palette.
  ::ReleaseCapture();
  ::ShowWindow(hwnd(), SW_SHOW);
  ::SetFocus(hwnd());
  ::SetTimer(hwnd(), kActiveTimer, kActiveTimerMs, nullptr);
  if (TestHook()) ::PostMessageW(hwnd(), kRunTestHook, 0, 0);
  MSG message;
  while (hwnd() && ::IsWindowVisible(hwnd())) {
    int got = ::GetMessageW(&message, nullptr, 0, 0);
    if (got <= 0) {
      // The program is ending: the loop that called us sees the quit too.
      if (got == 0) ::PostQuitMessage(static_cast<int>(message.wParam));
      break;
    }
    ::TranslateMessage(&message);
    ::DispatchMessageW(&message);
  }
  if (hwnd()) {
    ::KillTimer(hwnd(), kActiveTimer);
    ::ShowWindow(hwnd(), SW_HIDE);
  }
  return choiceMade_;
}

RECT TColorForm::TagRect(int tag) const {
  if (tag == kDefaultTag) return ToRect(DefaultPanelRect());
  if (tag == kMoreColorsTag) return ToRect(MoreColorsRect());
  if (tag >= 1 && tag <= kPaletteCells) return ToRect(cells_[static_cast<size_t>(tag - 1)].rect);
  return {};
}

void TColorForm::Paint(HDC dc) {
  RECT client{0, 0, kPaletteWidth, kPaletteHeight};
  ::DrawEdge(dc, &client, EDGE_RAISED, BF_RECT);
  HFONT font = static_cast<HFONT>(::GetStockObject(DEFAULT_GUI_FONT));
  HGDIOBJ oldFont = ::SelectObject(dc, font);
  ::SetBkMode(dc, TRANSPARENT);
  ::SetTextColor(dc, ::GetSysColor(COLOR_BTNTEXT));

  auto panel = [&](int tag, const wchar_t* caption) {
    RECT r = TagRect(tag);
    ::DrawEdge(dc, &r, BDR_RAISEDOUTER, BF_RECT);
    RECT inner = r;
    ::InflateRect(&inner, -1, -1);
    if (tag == kMoreColorsTag && moreColorsDown_)
      ::DrawEdge(dc, &inner, BDR_SUNKENINNER, BF_RECT);
    else if (tag == hotTag_)
      ::DrawEdge(dc, &inner, BDR_RAISEDINNER, BF_RECT);
    ::DrawTextW(dc, caption, -1, &r, DT_CENTER | DT_VCENTER | DT_SINGLELINE);
  };
  panel(kDefaultTag, L"Default Color      ");
  RECT swatch = ToRect(DefaultSwatchRect());
  ::FrameRect(dc, &swatch, static_cast<HBRUSH>(::GetStockObject(BLACK_BRUSH)));
  ::InflateRect(&swatch, -1, -1);
  FillColor(dc, swatch, defaultColor_);
  panel(kMoreColorsTag, L"More Colors...");

  for (const PaletteCell& cell : cells_) {
    RECT r = ToRect(cell.rect);
    ::DrawEdge(dc, &r, BDR_SUNKENOUTER, BF_RECT);
    ::InflateRect(&r, -1, -1);
    if (cell.tag == hotTag_) {
      ::DrawEdge(dc, &r, BDR_RAISEDINNER, BF_RECT);
      ::InflateRect(&r, -1, -1);
    }
    FillColor(dc, r, cell.color);
  }
  ::SelectObject(dc, oldFont);
}

void TColorForm::MouseMove(int x, int y) {
  int tag = PaletteTagAt(x, y);
  if (tag == hotTag_) return;
  RECT old = TagRect(hotTag_), now = TagRect(tag);
  hotTag_ = tag;
  ::InvalidateRect(hwnd(), &old, TRUE);
  ::InvalidateRect(hwnd(), &now, TRUE);
  TRACKMOUSEEVENT track{sizeof(track), TME_LEAVE, hwnd(), 0};
  ::TrackMouseEvent(&track);
}

void TColorForm::Click(int tag) {
  if (tag == kDefaultTag)
    Choose(defaultColor_);
  else if (tag == kMoreColorsTag)
    MoreColorsClick();
  else if (tag >= 1 && tag <= kPaletteCells)
    Choose(cells_[static_cast<size_t>(tag - 1)].color);
}

void TColorForm::Choose(COLORREF color) {
  chosen_ = color;
  choiceMade_ = true;
  ::ShowWindow(hwnd(), SW_HIDE);
}

void TColorForm::MoreColorsClick() {
  moreColorsDown_ = true;
  RECT r = TagRect(kMoreColorsTag);
  ::InvalidateRect(hwnd(), &r, TRUE);
  ::UpdateWindow(hwnd());
  COLORREF color = defaultColor_;
  // The dialog takes the focus: that is no reason to hide. The main window looks
  // inactive while it is open.
  inDialog_ = true;
  ::SendMessageW(main_, WM_NCACTIVATE, FALSE, 0);
  bool confirmed = moreColors_ && moreColors_(hwnd(), color);
  ::SendMessageW(main_, WM_NCACTIVATE, TRUE, 0);
  inDialog_ = false;
  moreColorsDown_ = false;
  if (!hwnd()) return;
  ::InvalidateRect(hwnd(), &r, TRUE);
  if (confirmed) {
    Choose(color);
  } else if (::IsWindowVisible(hwnd())) {
    ::SetActiveWindow(hwnd());
    ::SetFocus(hwnd());
  }
}

void TColorForm::HideIfAppInactive() {
  if (!inDialog_ && AnotherProgramActive()) ::ShowWindow(hwnd(), SW_HIDE);
}

LRESULT TColorForm::HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) {
  switch (message) {
    case WM_PAINT: {
      PAINTSTRUCT paint;
      HDC dc = ::BeginPaint(hwnd(), &paint);
      Paint(dc);
      ::EndPaint(hwnd(), &paint);
      return 0;
    }
    case WM_MOUSEMOVE:
      MouseMove(GET_X_LPARAM(lParam), GET_Y_LPARAM(lParam));
      return 0;
    case WM_MOUSELEAVE:
      MouseMove(-1, -1);
      return 0;
    case WM_LBUTTONDOWN:
      pressedTag_ = PaletteTagAt(GET_X_LPARAM(lParam), GET_Y_LPARAM(lParam));
      return 0;
    case WM_LBUTTONUP: {
      int tag = PaletteTagAt(GET_X_LPARAM(lParam), GET_Y_LPARAM(lParam));
      int pressed = pressedTag_;
      pressedTag_ = kNoTag;
      if (tag != kNoTag && tag == pressed) Click(tag);
      return 0;
    }
    case WM_KEYDOWN:
      if (wParam == VK_ESCAPE) ::ShowWindow(hwnd(), SW_HIDE);
      if (wParam == VK_F1 && onHelp_) onHelp_();
      return 0;
    case WM_ACTIVATE:
      // The main window keeps its active title bar while the palette is up.
      if (LOWORD(wParam) != WA_INACTIVE) ::SendMessageW(main_, WM_NCACTIVATE, TRUE, 0);
      return 0;
    case WM_KILLFOCUS:
      if (!inDialog_) ::ShowWindow(hwnd(), SW_HIDE);
      return 0;
    case WM_TIMER:
      if (wParam == kActiveTimer) HideIfAppInactive();
      return 0;
    case kRunTestHook:
      if (TestHook()) TestHook()(*this);
      return 0;
  }
  return DefaultProc(message, wParam, lParam);
}

}  // namespace format
