#include "dialogs/AboutBox.h"

#include <commctrl.h>

#include <iterator>
#include <string>

#include "win/resource.h"
#include "dialogs/AboutBoxIds.h"
#include "win/SystemInfo.h"

namespace dialogs {
namespace {

constexpr UINT_PTR kCreditsTimer = 1;
constexpr int kHeaderWidth = 289, kHeaderHeight = 43;
constexpr int kCreditsHeight = 924;
constexpr COLORREF kSilver = RGB(192, 192, 192);
constexpr COLORREF kWhite = RGB(255, 255, 255);

const CreditLine kCredits[] = {
    {L"Tarnwick", true},
    {L"Version: 3.1", false},
    {L"", false},
    {L"Programming", true},
    {L"The Tarnwick team", false},
    {L"", false},
    {L"\u00DFeta Testing", true},
    {L"Everyone who sent a report", false},
    {L"Early adopters on every Windows", false},
    {L"", false},
    {L"Rich Edit Info", true},
    {L"The rich-edit control's documentation", false},
    {L"and the people who explained its quirks", false},
};

constexpr int kLineHeight = 18;
constexpr int kFirstLineTop = 180;  // the credits rise into view from below

LRESULT CALLBACK CreditsProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
  if (message == WM_ERASEBKGND) return 1;
  if (message == WM_PAINT) {
    PAINTSTRUCT paint;
    HDC dc = ::BeginPaint(hwnd, &paint);
    RECT client;
    ::GetClientRect(hwnd, &client);
    HBRUSH black = static_cast<HBRUSH>(::GetStockObject(BLACK_BRUSH));
    ::FillRect(dc, &client, black);
    auto position = static_cast<int>(::GetWindowLongPtrW(hwnd, GWLP_USERDATA));
    HFONT base = reinterpret_cast<HFONT>(::SendMessageW(::GetParent(hwnd), WM_GETFONT, 0, 0));
    LOGFONTW bold{};
    ::GetObjectW(base ? base : ::GetStockObject(DEFAULT_GUI_FONT), sizeof(bold), &bold);
    bold.lfWeight = FW_BOLD;
    win::UniqueFont boldFont(::CreateFontIndirectW(&bold));
    ::SetBkMode(dc, TRANSPARENT);
    int y = kFirstLineTop - position;
    for (const CreditLine& line : kCredits) {
      win::SelectGuard font(dc, line.heading ? static_cast<HGDIOBJ>(boldFont.get()) : static_cast<HGDIOBJ>(base));
      ::SetTextColor(dc, line.heading ? kWhite : kSilver);
      RECT r{0, y, client.right, y + kLineHeight};
      ::DrawTextW(dc, line.text, -1, &r, DT_CENTER | DT_SINGLELINE | DT_NOPREFIX);
      y += kLineHeight;
    }
    ::EndPaint(hwnd, &paint);
    return 0;
  }
  return ::DefWindowProcW(hwnd, message, wParam, lParam);
}

void RegisterCreditsClass() {
  WNDCLASSEXW wc{sizeof(wc)};
  HINSTANCE instance = ::GetModuleHandleW(nullptr);
  if (::GetClassInfoExW(instance, L"TwkCredits", &wc)) return;
  wc = WNDCLASSEXW{sizeof(wc)};
  wc.lpfnWndProc = &CreditsProc;
  wc.hInstance = instance;
  wc.hCursor = ::LoadCursorW(nullptr, IDC_ARROW);
  wc.lpszClassName = L"TwkCredits";
  ::RegisterClassExW(&wc);
}

const int kPage1[] = {IDC_ABOUT_HEADER, IDC_ABOUT_VERSION, IDC_ABOUT_BEVEL, IDC_ABOUT_UPDATES, IDC_ABOUT_LINK};
const int kPage2[] = {IDC_ABOUT_THANKS, IDC_ABOUT_CREDITS};

}  // namespace

const CreditLine* CreditLines(int& count) {
  count = static_cast<int>(std::size(kCredits));
  return kCredits;
}

TAboutBox::TAboutBox(bool hotTrack, std::function<void(const wchar_t*)> openUrl)
    : win::Dialog(IDD_ABOUT), hotTrack_(hotTrack), openUrl_(std::move(openUrl)) {
  RegisterCreditsClass();
}

bool TAboutBox::OnInit() {
  scroll_ = CreditsScroll{};
  HWND tabs = Item(IDC_ABOUT_TABS);
  if (hotTrack_) ::SetWindowLongW(tabs, GWL_STYLE, ::GetWindowLongW(tabs, GWL_STYLE) | TCS_HOTTRACK);
  const wchar_t* names[] = {L"Application", L"Credits"};
  for (int i = 0; i < 2; ++i) {
    TCITEMW item{};
    item.mask = TCIF_TEXT;
    item.pszText = const_cast<wchar_t*>(names[i]);
    TabCtrl_InsertItem(tabs, i, &item);
  }
  // The pictures and the credits box have fixed pixel sizes.
  RECT header;
  ::GetWindowRect(Item(IDC_ABOUT_HEADER), &header);
  ::MapWindowPoints(nullptr, hwnd(), reinterpret_cast<POINT*>(&header), 2);
  ::SetWindowPos(Item(IDC_ABOUT_HEADER), nullptr, header.left, header.top, kHeaderWidth, kHeaderHeight,
                 SWP_NOZORDER);
  credits_ = Item(IDC_ABOUT_CREDITS);
  RECT credits;
  ::GetWindowRect(credits_, &credits);
  ::MapWindowPoints(nullptr, hwnd(), reinterpret_cast<POINT*>(&credits), 2);
  ::SetWindowPos(credits_, nullptr, credits.left, credits.top, 289, 177, SWP_NOZORDER);

  std::wstring version = std::wstring(L"Version: ") + kVersion;
  SetText(IDC_ABOUT_VERSION, version);

  HFONT font = reinterpret_cast<HFONT>(::SendMessageW(hwnd(), WM_GETFONT, 0, 0));
  LOGFONTW underlined{};
  ::GetObjectW(font, sizeof(underlined), &underlined);
  underlined.lfUnderline = TRUE;
  linkFont_.reset(::CreateFontIndirectW(&underlined));
  ::SendMessageW(Item(IDC_ABOUT_LINK), WM_SETFONT, reinterpret_cast<WPARAM>(linkFont_.get()), FALSE);

  linkMenu_.reset(::CreatePopupMenu());
  ::AppendMenuW(linkMenu_.get(), MF_STRING, IDM_ABOUT_OPEN, L"&Open In Browser");
  ::AppendMenuW(linkMenu_.get(), MF_SEPARATOR, 0, nullptr);
  ::AppendMenuW(linkMenu_.get(), MF_STRING, IDM_ABOUT_COPYLINK, L"&Copy Link Location");

  ShowPage(0);
  ::SetTimer(hwnd(), kCreditsTimer, win::IsNtPlatform() ? 30 : 5, nullptr);
  return true;
}

void TAboutBox::ShowPage(int index) {
  for (int id : kPage1) ::ShowWindow(Item(id), index == 0 ? SW_SHOW : SW_HIDE);
  for (int id : kPage2) ::ShowWindow(Item(id), index == 1 ? SW_SHOW : SW_HIDE);
}

bool TAboutBox::CreditsActive() const { return TabCtrl_GetCurSel(Item(IDC_ABOUT_TABS)) == 1; }

void TAboutBox::SelectTab(int index) {
  TabCtrl_SetCurSel(Item(IDC_ABOUT_TABS), index);
  ShowPage(index);
}

void TAboutBox::TimerTimer() {
  if (!CreditsActive()) return;
  scroll_.Tick();
  ::SetWindowLongPtrW(credits_, GWLP_USERDATA, scroll_.position);
  ::InvalidateRect(credits_, nullptr, FALSE);
}

void TAboutBox::OpenHomePage() {
  visited_ = true;
  ::InvalidateRect(Item(IDC_ABOUT_LINK), nullptr, TRUE);
  if (openUrl_) openUrl_(kHomePage);
}

void TAboutBox::CopyLinkLocation() {
  if (!::OpenClipboard(hwnd())) return;
  ::EmptyClipboard();
  size_t bytes = (wcslen(kHomePage) + 1) * sizeof(wchar_t);
  HGLOBAL memory = ::GlobalAlloc(GMEM_MOVEABLE, bytes);
  if (memory) {
    memcpy(::GlobalLock(memory), kHomePage, bytes);
    ::GlobalUnlock(memory);
    if (!::SetClipboardData(CF_UNICODETEXT, memory)) ::GlobalFree(memory);
  }
  ::CloseClipboard();
}

void TAboutBox::DrawHeader(const DRAWITEMSTRUCT& item) {
  HDC dc = item.hDC;
  ::FillRect(dc, &item.rcItem, static_cast<HBRUSH>(::GetStockObject(WHITE_BRUSH)));
  HINSTANCE instance = ::GetModuleHandleW(nullptr);
  win::UniqueMemoryDc memory(::CreateCompatibleDC(dc));
  struct Piece {
    int id, x, y;
  } pieces[] = {{IDB_LOGO, 10, 5}, {IDB_LOGO_STRIP, 0, 40}};
  for (const Piece& piece : pieces) {
    win::UniqueBitmap bitmap(static_cast<HBITMAP>(::LoadImageW(instance, MAKEINTRESOURCEW(piece.id), IMAGE_BITMAP, 0,
                                                               0, LR_CREATEDIBSECTION)));
    if (!bitmap) continue;
    BITMAP info{};
    ::GetObjectW(bitmap.get(), sizeof(info), &info);
    win::SelectGuard select(memory.get(), bitmap.get());
    ::BitBlt(dc, piece.x, piece.y, info.bmWidth, info.bmHeight, memory.get(), 0, 0, SRCCOPY);
  }
}

bool TAboutBox::OnCommand(int id, int code, HWND control) {
  if (id == IDC_ABOUT_LINK && code == STN_CLICKED) {
    OpenHomePage();
    return true;
  }
  if (id == IDM_ABOUT_OPEN) {
    OpenHomePage();
    return true;
  }
  if (id == IDM_ABOUT_COPYLINK) {
    CopyLinkLocation();
    return true;
  }
  return win::Dialog::OnCommand(id, code, control);
}

INT_PTR TAboutBox::OnNotify(NMHDR& header) {
  if (header.idFrom == IDC_ABOUT_TABS && header.code == TCN_SELCHANGE) ShowPage(TabCtrl_GetCurSel(header.hwndFrom));
  return 0;
}

bool TAboutBox::OnMessage(UINT message, WPARAM wParam, LPARAM lParam, INT_PTR& result) {
  switch (message) {
    case WM_TIMER:
      if (wParam == kCreditsTimer) TimerTimer();
      result = 0;
      return true;
    case WM_DRAWITEM: {
      auto* item = reinterpret_cast<DRAWITEMSTRUCT*>(lParam);
      if (item->CtlID != IDC_ABOUT_HEADER) return false;
      DrawHeader(*item);
      result = TRUE;
      return true;
    }
    case WM_CTLCOLORSTATIC: {
      // The texts lie on the tab control's page, whose face the theme paints: they
      // draw no background of their own.
      HDC dc = reinterpret_cast<HDC>(wParam);
      ::SetBkMode(dc, TRANSPARENT);
      if (reinterpret_cast<HWND>(lParam) == Item(IDC_ABOUT_LINK))
        ::SetTextColor(dc, visited_ ? RGB(0, 0, 128) : RGB(0, 0, 255));
      result = reinterpret_cast<INT_PTR>(::GetStockObject(NULL_BRUSH));
      return true;
    }
    case WM_SETCURSOR:
      if (reinterpret_cast<HWND>(wParam) == Item(IDC_ABOUT_LINK)) {
        ::SetCursor(::LoadCursorW(nullptr, IDC_HAND));
        ::SetWindowLongPtrW(hwnd(), DWLP_MSGRESULT, TRUE);
        result = TRUE;
        return true;
      }
      return false;
    case WM_CONTEXTMENU:
      if (reinterpret_cast<HWND>(wParam) == Item(IDC_ABOUT_LINK)) {
        ::TrackPopupMenu(linkMenu_.get(), TPM_LEFTALIGN | TPM_RIGHTBUTTON, static_cast<short>(LOWORD(lParam)),
                         static_cast<short>(HIWORD(lParam)), 0, hwnd(), nullptr);
        result = TRUE;
        return true;
      }
      return false;
    case WM_DESTROY:
      ::KillTimer(hwnd(), kCreditsTimer);
      return false;
  }
  return false;
}

}  // namespace dialogs
