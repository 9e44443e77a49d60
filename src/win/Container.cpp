#include "win/Container.h"

#include <algorithm>
#include <vector>

namespace win {
namespace {

constexpr wchar_t kClassName[] = L"TwkContainer";
constexpr wchar_t kDockProp[] = L"TwkDock";
constexpr wchar_t kBackProp[] = L"TwkBack";

struct Placement {
  HWND hwnd;
  Dock dock;
  int order;
  int size;
};

// The dock settings are packed into one window property: kind, order and size.
UINT_PTR Pack(Dock dock, int order, int size) {
  return (static_cast<UINT_PTR>(dock) + 1) | (static_cast<UINT_PTR>(order & 0xFF) << 4) |
         (static_cast<UINT_PTR>(std::max(0, size) & 0xFFFFF) << 12);
}

bool Unpack(HWND hwnd, Placement& out) {
  auto packed = reinterpret_cast<UINT_PTR>(::GetPropW(hwnd, kDockProp));
  if (!packed) return false;
  out.hwnd = hwnd;
  out.dock = static_cast<Dock>((packed & 0xF) - 1);
  out.order = static_cast<int>((packed >> 4) & 0xFF);
  out.size = static_cast<int>((packed >> 12) & 0xFFFFF);
  return true;
}

LRESULT CALLBACK ContainerProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
  switch (message) {
    case WM_SIZE:
      Relayout(hwnd);
      return 0;
    case WM_ERASEBKGND: {
      RECT r;
      ::GetClientRect(hwnd, &r);
      auto color = static_cast<COLORREF>(reinterpret_cast<UINT_PTR>(::GetPropW(hwnd, kBackProp)) - 1);
      HBRUSH brush = ::CreateSolidBrush(color);
      ::FillRect(reinterpret_cast<HDC>(wParam), &r, brush);
      ::DeleteObject(brush);
      return 1;
    }
    case WM_COMMAND:
    case WM_NOTIFY:
    case WM_DRAWITEM:
    case WM_MEASUREITEM:
    case WM_CTLCOLORSTATIC:
    case WM_CTLCOLOREDIT:
    case WM_CTLCOLORBTN:
    case WM_CTLCOLORLISTBOX: {
      HWND root = ::GetAncestor(hwnd, GA_ROOT);
      if (root && root != hwnd) return ::SendMessageW(root, message, wParam, lParam);
      break;
    }
    case WM_NCDESTROY:
      ::RemovePropW(hwnd, kBackProp);
      ::RemovePropW(hwnd, kDockProp);
      break;
  }
  return ::DefWindowProcW(hwnd, message, wParam, lParam);
}

}  // namespace

HWND CreateContainer(HWND parent, COLORREF background) {
  static bool registered = false;
  HINSTANCE instance = ::GetModuleHandleW(nullptr);
  if (!registered) {
    WNDCLASSEXW wc{sizeof(wc)};
    wc.lpfnWndProc = &ContainerProc;
    wc.hInstance = instance;
    wc.hCursor = ::LoadCursorW(nullptr, IDC_ARROW);
    wc.lpszClassName = kClassName;
    ::RegisterClassExW(&wc);
    registered = true;
  }
  HWND hwnd = ::CreateWindowExW(WS_EX_CONTROLPARENT, kClassName, L"", WS_CHILD | WS_CLIPCHILDREN | WS_CLIPSIBLINGS, 0,
                                0, 0, 0, parent, nullptr, instance, nullptr);
  SetContainerBackground(hwnd, background);
  return hwnd;
}

void SetContainerBackground(HWND container, COLORREF background) {
  ::SetPropW(container, kBackProp, reinterpret_cast<HANDLE>(static_cast<UINT_PTR>(background) + 1));
  ::InvalidateRect(container, nullptr, TRUE);
}

void SetDock(HWND child, Dock dock, int order, int size) {
  ::SetPropW(child, kDockProp, reinterpret_cast<HANDLE>(Pack(dock, order, size)));
}

void Relayout(HWND container) {
  std::vector<Placement> children;
  for (HWND child = ::GetWindow(container, GW_CHILD); child; child = ::GetWindow(child, GW_HWNDNEXT)) {
    Placement placement{};
    if (::IsWindowVisible(child) || (::GetWindowLongW(child, GWL_STYLE) & WS_VISIBLE)) {
      if (Unpack(child, placement)) children.push_back(placement);
    }
  }
  std::stable_sort(children.begin(), children.end(),
                   [](const Placement& a, const Placement& b) { return a.order < b.order; });
  std::vector<DockItem> items;
  for (const Placement& p : children) items.push_back({p.dock, p.size});
  RECT client;
  ::GetClientRect(container, &client);
  std::vector<DockRect> rects = LayOut(items, {client.left, client.top, client.right, client.bottom});
  if (children.empty()) return;
  HDWP defer = ::BeginDeferWindowPos(static_cast<int>(children.size()));
  for (size_t i = 0; i < children.size(); ++i) {
    const DockRect& r = rects[i];
    if (defer)
      defer = ::DeferWindowPos(defer, children[i].hwnd, nullptr, r.left, r.top, r.width(), r.height(),
                               SWP_NOZORDER | SWP_NOACTIVATE);
  }
  if (defer) ::EndDeferWindowPos(defer);
}

}  // namespace win
