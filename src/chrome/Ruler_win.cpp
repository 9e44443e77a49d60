#include "chrome/Ruler_win.h"

#include <commctrl.h>

#include <vector>

#include "chrome/RulerPicture.h"
#include "config/Keys.h"
#include "win/Container.h"
#include "win/resource.h"

namespace chrome {
using namespace command;
namespace keys = config::keys;

namespace {
constexpr wchar_t kClassName[] = L"TwkRuler";
constexpr int kRulerOrder = 10;

std::uint32_t SystemColor(int index) { return static_cast<std::uint32_t>(::GetSysColor(index)); }

// 0x00BBGGRR as a 32-bit DIB pixel (0x00RRGGBB) and back.
std::uint32_t ToPixel(COLORREF color) {
  return (static_cast<std::uint32_t>(GetRValue(color)) << 16) | (static_cast<std::uint32_t>(GetGValue(color)) << 8) |
         GetBValue(color);
}
COLORREF FromPixel(std::uint32_t pixel) { return RGB((pixel >> 16) & 0xFF, (pixel >> 8) & 0xFF, pixel & 0xFF); }
}  // namespace

Ruler::Ruler(workspace::Frame& frame, workspace::DocumentHost& documents, Registry& commands)
    : frame_(frame), documents_(documents) {
  commands.Add({ViewMenuRuler, L"ViewMenuRuler", L"&Ruler", {}, L"Show or hide the Ruler.", -1,
                Bind(this, &Ruler::ViewMenuRulerClick), {}, [this] { return shown_; }});
}

void Ruler::Create(HWND mainWindow) {
  RegisterClassOnce(kClassName, 0, nullptr);
  CreateHandle(0, kClassName, L"", WS_CHILD | WS_CLIPSIBLINGS, 0, 0, 0, kRulerHeight, mainWindow, nullptr);
  tips_ = ::CreateWindowExW(WS_EX_TOPMOST, TOOLTIPS_CLASSW, nullptr, WS_POPUP | TTS_ALWAYSTIP | TTS_NOPREFIX, 0, 0, 0,
                            0, hwnd(), nullptr, ::GetModuleHandleW(nullptr), nullptr);
  TTTOOLINFOW tool{};
  tool.cbSize = sizeof(tool);
  tool.uFlags = TTF_IDISHWND | TTF_SUBCLASS;
  tool.hwnd = hwnd();
  tool.uId = reinterpret_cast<UINT_PTR>(hwnd());
  tool.lpszText = LPSTR_TEXTCALLBACKW;
  ::SendMessageW(tips_, TTM_ADDTOOLW, 0, reinterpret_cast<LPARAM>(&tool));
  DrawRuler();
}

void Ruler::DrawRuler() {
  int style = frame_.Profile().Read(keys::RulerStyle);
  width_ = std::max(::GetSystemMetrics(SM_CXVIRTUALSCREEN), kInchRepeat * 3);
  BITMAPINFO info{};
  info.bmiHeader.biSize = sizeof(info.bmiHeader);
  info.bmiHeader.biWidth = width_;
  info.bmiHeader.biHeight = -kRulerHeight;  // top row first
  info.bmiHeader.biPlanes = 1;
  info.bmiHeader.biBitCount = 32;
  info.bmiHeader.biCompression = BI_RGB;
  void* bits = nullptr;
  picture_.reset(::CreateDIBSection(nullptr, &info, DIB_RGB_COLORS, &bits, nullptr, 0));
  bits_ = static_cast<std::uint32_t*>(bits);
  if (!picture_ || !bits_) return;
  std::vector<std::uint32_t> pixels(static_cast<size_t>(width_) * kRulerHeight, 0xFFFFFF);
  {
    win::UniqueMemoryDc target(::CreateCompatibleDC(nullptr));
    win::UniqueMemoryDc source(::CreateCompatibleDC(nullptr));
    win::UniqueBitmap scale(static_cast<HBITMAP>(::LoadImageW(::GetModuleHandleW(nullptr),
                                                              MAKEINTRESOURCEW(IsCentimetres(style) ? IDB_RULER_CM : IDB_RULER_INCH),
                                                              IMAGE_BITMAP, 0, 0, LR_CREATEDIBSECTION)));
    std::copy(pixels.begin(), pixels.end(), bits_);
    win::SelectGuard selectTarget(target.get(), picture_.get());
    if (scale) {
      BITMAP size{};
      ::GetObjectW(scale.get(), sizeof(size), &size);
      win::SelectGuard selectSource(source.get(), scale.get());
      for (int x : RulerCopies(style, width_))
        ::BitBlt(target.get(), x, 0, size.bmWidth, kRulerHeight, source.get(), 0, 0, SRCCOPY);
    }
    ::GdiFlush();
  }
  hint_ = RulerHint(style);
  COLORREF color = config::ResolveColor(frame_.Profile().Read(keys::RulerColor), &SystemColor);
  // Black would run into the marks and leave nothing to read.
  if (color == RGB(0, 0, 0)) color = RGB(0xD8, 0xD8, 0xD8);
  std::copy(bits_, bits_ + pixels.size(), pixels.begin());
  for (std::uint32_t& pixel : pixels) pixel &= 0xFFFFFF;
  FloodFill(pixels, width_, kRulerHeight, 1, 2, ToPixel(color), 0);
  std::copy(pixels.begin(), pixels.end(), bits_);
  ::InvalidateRect(hwnd(), nullptr, FALSE);
}

COLORREF Ruler::PixelAt(int x, int y) const {
  if (!bits_ || x < 0 || y < 0 || x >= width_ || y >= kRulerHeight) return CLR_INVALID;
  return FromPixel(bits_[static_cast<size_t>(y) * static_cast<size_t>(width_) + static_cast<size_t>(x)]);
}

void Ruler::ChangeRuler() {
  frame_.Profile().Write(keys::RulerStyle, NextRulerStyle(frame_.Profile().Read(keys::RulerStyle)));
  DrawRuler();
}

HWND Ruler::Panel() const {
  workspace::DocumentSlot* slot = documents_.Slot(documents_.ActiveSlotNumber());
  return slot ? slot->panel : nullptr;
}

void Ruler::Place() {
  HWND panel = Panel();
  if (!panel) return;
  ::SetParent(hwnd(), panel);
  win::SetDock(hwnd(), win::Dock::Top, kRulerOrder, kRulerHeight);
  ::ShowWindow(hwnd(), SW_SHOWNA);
  win::Relayout(panel);
}

void Ruler::ViewMenuRulerClick(const Sender&) {
  shown_ = !shown_;
  if (shown_) {
    Place();
    return;
  }
  HWND panel = ::GetParent(hwnd());
  ::ShowWindow(hwnd(), SW_HIDE);
  ::SetParent(hwnd(), frame_.Window());
  if (panel && panel != frame_.Window()) win::Relayout(panel);
}

void Ruler::ActivePageChanged() {
  if (shown_ && ::GetParent(hwnd()) != Panel()) Place();
}

void Ruler::SlotClosing(int slot) {
  workspace::DocumentSlot* closing = documents_.Slot(slot);
  if (!closing || ::GetParent(hwnd()) != closing->panel) return;
  ::ShowWindow(hwnd(), SW_HIDE);
  ::SetParent(hwnd(), frame_.Window());
}

void Ruler::Paint() {
  PAINTSTRUCT paint;
  HDC dc = ::BeginPaint(hwnd(), &paint);
  RECT r{};
  ::GetClientRect(hwnd(), &r);
  if (picture_) {
    win::UniqueMemoryDc source(::CreateCompatibleDC(dc));
    win::SelectGuard select(source.get(), picture_.get());
    ::BitBlt(dc, 0, 0, r.right, kRulerHeight, source.get(), 0, 0, SRCCOPY);
  }
  ::EndPaint(hwnd(), &paint);
}

LRESULT Ruler::HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) {
  switch (message) {
    case WM_PAINT:
      Paint();
      return 0;
    case WM_ERASEBKGND:
      return 1;
    case WM_LBUTTONDOWN:
      ChangeRuler();
      return 0;
    case WM_MOUSEMOVE:
      if (onHint) onHint(hint_);
      return 0;
    case WM_NOTIFY: {
      auto& header = *reinterpret_cast<NMHDR*>(lParam);
      if (header.hwndFrom == tips_ && header.code == TTN_GETDISPINFOW) {
        auto& info = reinterpret_cast<NMTTDISPINFOW&>(header);
        tipText_ = showTips ? hint_ : L"";
        info.lpszText = tipText_.data();
      }
      return 0;
    }
  }
  return DefaultProc(message, wParam, lParam);
}

}  // namespace chrome
