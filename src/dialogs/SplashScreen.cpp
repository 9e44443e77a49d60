#include "dialogs/SplashScreen.h"

#include "win/resource.h"

namespace dialogs {
namespace {

HBITMAP LoadBitmapResource(int id) {
  return static_cast<HBITMAP>(
      ::LoadImageW(::GetModuleHandleW(nullptr), MAKEINTRESOURCEW(id), IMAGE_BITMAP, 0, 0, LR_CREATEDIBSECTION));
}

SIZE BitmapSize(HBITMAP bitmap) {
  BITMAP info{};
  if (bitmap) ::GetObjectW(bitmap, sizeof(info), &info);
  return {info.bmWidth, info.bmHeight};
}

void Blit(HDC dc, HDC memory, HBITMAP bitmap, int x, int y) {
  if (!bitmap) return;
  SIZE size = BitmapSize(bitmap);
  win::SelectGuard select(memory, bitmap);
  ::BitBlt(dc, x, y, size.cx, size.cy, memory, 0, 0, SRCCOPY);
}

}  // namespace

bool TSplashScreen::Create() {
  RegisterClassOnce(L"TSplashScreen", 0, static_cast<HBRUSH>(::GetStockObject(WHITE_BRUSH)));
  logo_.reset(LoadBitmapResource(IDB_LOGO));
  left_.reset(LoadBitmapResource(IDB_SPLASH_LEFT));
  right_.reset(LoadBitmapResource(IDB_SPLASH_RIGHT));
  int x = (::GetSystemMetrics(SM_CXSCREEN) - kWidth) / 2;
  int y = (::GetSystemMetrics(SM_CYSCREEN) - kHeight) / 2;
  HWND hwnd = CreateHandle(WS_EX_TOPMOST | WS_EX_TOOLWINDOW, L"TSplashScreen", L"Tarnwick", WS_POPUP, x, y, kWidth,
                           kHeight, nullptr, nullptr);
  if (!hwnd) return false;
  ::ShowWindow(hwnd, SW_SHOWNOACTIVATE);
  ::UpdateWindow(hwnd);
  return true;
}

void TSplashScreen::Paint(HDC dc) {
  RECT client;
  ::GetClientRect(hwnd(), &client);
  ::FillRect(dc, &client, static_cast<HBRUSH>(::GetStockObject(WHITE_BRUSH)));
  ::DrawEdge(dc, &client, BDR_SUNKENINNER, BF_RECT);
  win::UniqueMemoryDc memory(::CreateCompatibleDC(dc));
  Blit(dc, memory.get(), logo_.get(), 13, 26);
  Blit(dc, memory.get(), left_.get(), 2, kHeight - 38);
  Blit(dc, memory.get(), right_.get(), kWidth - 38, kHeight - 38);
  SIZE logo = BitmapSize(logo_.get());
  ::SetBkMode(dc, TRANSPARENT);
  ::SetTextColor(dc, RGB(0, 0, 96));
  HGDIOBJ font = ::GetStockObject(DEFAULT_GUI_FONT);
  win::SelectGuard select(dc, font);
  ::TextOutW(dc, 13 + logo.cx + 1, 24, L"\u2122", 1);
}

LRESULT TSplashScreen::HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) {
  if (message == WM_PAINT) {
    PAINTSTRUCT paint;
    HDC dc = ::BeginPaint(hwnd(), &paint);
    Paint(dc);
    ::EndPaint(hwnd(), &paint);
    return 0;
  }
  if (message == WM_ERASEBKGND) return 1;
  return DefaultProc(message, wParam, lParam);
}

}  // namespace dialogs
