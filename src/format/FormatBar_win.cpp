#include "format/FormatBar_win.h"


#include <algorithm>
#include <iterator>

#include "format/FormatBarIds.h"
#include "win/resource.h"

namespace format {
namespace {

constexpr wchar_t kClassName[] = L"TwkFormatBar";
constexpr UINT kOpenPalette = WM_APP + 40;   // the colour box opened: the palette follows
constexpr UINT kListClosed = WM_APP + 41;    // the size list closed: a later edit is typed
constexpr int kFontBoxX = 2, kFontBoxWidth = 133, kFontBoxRows = 18;
constexpr int kSizeBoxX = 137, kSizeBoxWidth = 48, kSizeBoxRows = 12;
constexpr int kColorBoxX = 185, kColorBoxWidth = 32;
constexpr int kButtonsX = kColorBoxX + kColorBoxWidth;
constexpr const wchar_t* kSizes[] = {L"8",  L"9",  L"10", L"11", L"12", L"14", L"16", L"18",
                                     L"20", L"22", L"24", L"26", L"28", L"36", L"48", L"72"};

struct ButtonInfo {
  int id;
  int image;
  BYTE style;
  const wchar_t* hint;
};
constexpr ButtonInfo kButtons[kBarButtonCount] = {
    {IDC_FB_BOLD, 0, BTNS_CHECK, L"Bold"},
    {IDC_FB_ITALIC, 1, BTNS_CHECK, L"Italic"},
    {IDC_FB_UNDERLINE, 2, BTNS_CHECK, L"Underline"},
    {IDC_FB_STRIKEOUT, 3, BTNS_CHECK, L"Strike Out"},
    {IDC_FB_LEFTALIGN, 4, BTNS_CHECKGROUP, L"Align Left"},
    {IDC_FB_CENTERALIGN, 5, BTNS_CHECKGROUP, L"Center"},
    {IDC_FB_RIGHTALIGN, 6, BTNS_CHECKGROUP, L"Align Right"},
    {IDC_FB_BULLETS, 7, BTNS_CHECK, L"Bullets"},
};

int ButtonId(BarButton button) { return kButtons[static_cast<int>(button)].id; }

HFONT GuiFont() {
  static HFONT font = [] {
    NONCLIENTMETRICSW metrics{};
    metrics.cbSize = sizeof(metrics);
    ::SystemParametersInfoW(SPI_GETNONCLIENTMETRICS, sizeof(metrics), &metrics, 0);
    return ::CreateFontIndirectW(&metrics.lfMessageFont);
  }();
  return font;
}

int CALLBACK AddFont(const LOGFONTW* font, const TEXTMETRICW*, DWORD, LPARAM data) {
  reinterpret_cast<std::vector<FontName>*>(data)->push_back({font->lfFaceName, font->lfCharSet});
  return 1;
}

// The height a combo box needs to drop `rows` items below its edit field.
int DroppedHeight(HWND box, int rows) {
  auto field = static_cast<int>(::SendMessageW(box, CB_GETITEMHEIGHT, static_cast<WPARAM>(-1), 0));
  auto item = static_cast<int>(::SendMessageW(box, CB_GETITEMHEIGHT, 0, 0));
  return field + 8 + rows * std::max(item, 1);
}

}  // namespace

std::vector<FontName> InstalledFonts() {
  std::vector<FontName> found;
  HDC dc = ::GetDC(nullptr);
  LOGFONTW all{};
  all.lfCharSet = DEFAULT_CHARSET;
  ::EnumFontFamiliesExW(dc, &all, &AddFont, reinterpret_cast<LPARAM>(&found), 0);
  ::ReleaseDC(nullptr, dc);
  return FontList(std::move(found));
}

HWND FormatBar::Create(HWND parent) {
  RegisterClassOnce(kClassName, 0, reinterpret_cast<HBRUSH>(COLOR_BTNFACE + 1));
  if (!CreateHandle(0, kClassName, L"", WS_CHILD | WS_CLIPCHILDREN | WS_CLIPSIBLINGS, 0, 0, 0, 0, parent, nullptr))
    return nullptr;
  CreateButtons();
  LayOut();
  return hwnd();
}

void FormatBar::AddBoxes() {
  if (fontBox_) return;
  CreateBoxes();
  CreateTips();
  LayOut();
  // Made and placed hidden, then shown: a combo box made or moved on screen costs
  // Wine several times as much.
  for (HWND box : {fontBox_, sizeBox_, colorBox_}) ::ShowWindow(box, SW_SHOWNA);
  ::RedrawWindow(hwnd(), nullptr, nullptr, RDW_ERASE | RDW_INVALIDATE | RDW_ALLCHILDREN);
}

void FormatBar::CreateBoxes() {
  HINSTANCE instance = ::GetModuleHandleW(nullptr);
  auto box = [&](DWORD style, int id) {
    HWND control = ::CreateWindowExW(0, WC_COMBOBOXW, L"", WS_CHILD | WS_VSCROLL | WS_TABSTOP | style, 0,
                                     0, 10, 200, hwnd(), reinterpret_cast<HMENU>(static_cast<INT_PTR>(id)), instance,
                                     nullptr);
    ::SendMessageW(control, WM_SETFONT, reinterpret_cast<WPARAM>(GuiFont()), FALSE);
    return control;
  };
  fontBox_ = box(CBS_DROPDOWNLIST, IDC_FB_FONT);
  sizeBox_ = box(CBS_DROPDOWN | CBS_AUTOHSCROLL, IDC_FB_SIZE);
  colorBox_ = box(CBS_DROPDOWNLIST, IDC_FB_COLOR);
  FillFonts();
  for (const wchar_t* size : kSizes)
    ::SendMessageW(sizeBox_, CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(size));
  COMBOBOXINFO info{};
  info.cbSize = sizeof(info);
  if (::GetComboBoxInfo(sizeBox_, &info)) sizeEdit_ = info.hwndItem;
  if (sizeEdit_) ::SetWindowSubclass(sizeEdit_, &FormatBar::SizeEditProc, 1, reinterpret_cast<DWORD_PTR>(this));
  ::SetWindowSubclass(colorBox_, &FormatBar::ColorBoxProc, 1, reinterpret_cast<DWORD_PTR>(this));
  SetBoxColor(boxColor_);
  SetBoxBackground(::GetSysColor(COLOR_WINDOW));
}

void FormatBar::FillFonts() {
  fonts_ = InstalledFonts();
  ::SendMessageW(fontBox_, WM_SETREDRAW, FALSE, 0);
  for (size_t i = 0; i < fonts_.size(); ++i) {
    auto index = ::SendMessageW(fontBox_, CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(fonts_[i].name.c_str()));
    if (index >= 0) ::SendMessageW(fontBox_, CB_SETITEMDATA, static_cast<WPARAM>(index), static_cast<LPARAM>(i));
  }
  ::SendMessageW(fontBox_, WM_SETREDRAW, TRUE, 0);
}

void FormatBar::CreateButtons() {
  DWORD style = WS_CHILD | WS_VISIBLE | WS_CLIPSIBLINGS | TBSTYLE_FLAT | TBSTYLE_TOOLTIPS | CCS_NORESIZE |
                CCS_NOPARENTALIGN | CCS_NODIVIDER;
  buttons_ = ::CreateWindowExW(0, TOOLBARCLASSNAMEW, L"", style, 0, 0, 0, 0, hwnd(),
                               reinterpret_cast<HMENU>(static_cast<INT_PTR>(IDC_FB_BUTTONS)),
                               ::GetModuleHandleW(nullptr), nullptr);
  ::SendMessageW(buttons_, TB_BUTTONSTRUCTSIZE, sizeof(TBBUTTON), 0);
  images_.reset(::ImageList_LoadImageW(::GetModuleHandleW(nullptr), MAKEINTRESOURCEW(IDB_FORMAT_BAR), 16, 0,
                                       RGB(255, 0, 255), IMAGE_BITMAP, LR_CREATEDIBSECTION));
  ::SendMessageW(buttons_, TB_SETIMAGELIST, 0, reinterpret_cast<LPARAM>(images_.get()));
  std::vector<TBBUTTON> items;
  auto separator = [&] {
    TBBUTTON item{};
    item.iBitmap = 6;
    item.fsStyle = BTNS_SEP;
    items.push_back(item);
  };
  for (int i = 0; i < kBarButtonCount; ++i) {
    if (i == 0 || i == 4 || i == 7) separator();
    TBBUTTON item{};
    item.iBitmap = kButtons[i].image;
    item.idCommand = kButtons[i].id;
    item.fsState = TBSTATE_ENABLED;
    item.fsStyle = kButtons[i].style;
    items.push_back(item);
  }
  ::SendMessageW(buttons_, TB_ADDBUTTONSW, items.size(), reinterpret_cast<LPARAM>(items.data()));
  SetDown(BarButton::LeftAlign, true);
}

void FormatBar::CreateTips() {
  tips_ = ::CreateWindowExW(WS_EX_TOPMOST, TOOLTIPS_CLASSW, nullptr, WS_POPUP | TTS_ALWAYSTIP | TTS_NOPREFIX, 0, 0, 0,
                            0, hwnd(), nullptr, ::GetModuleHandleW(nullptr), nullptr);
  auto add = [this](HWND control, const wchar_t* text) {
    if (!control) return;
    TOOLINFOW tool{};
    tool.cbSize = sizeof(tool);
    tool.uFlags = TTF_IDISHWND | TTF_SUBCLASS;
    tool.hwnd = hwnd();
    tool.uId = reinterpret_cast<UINT_PTR>(control);
    tool.lpszText = const_cast<wchar_t*>(text);
    ::SendMessageW(tips_, TTM_ADDTOOLW, 0, reinterpret_cast<LPARAM>(&tool));
  };
  add(fontBox_, L"Choose font.");
  add(sizeBox_, L"Choose font size.");
  add(sizeEdit_, L"Choose font size.");
  add(colorBox_, L"Choose font color.");
}

void FormatBar::SetShowTips(bool show) {
  if (tips_) ::SendMessageW(tips_, TTM_ACTIVATE, show ? TRUE : FALSE, 0);
  HWND buttonTips = reinterpret_cast<HWND>(::SendMessageW(buttons_, TB_GETTOOLTIPS, 0, 0));
  if (buttonTips) ::SendMessageW(buttonTips, TTM_ACTIVATE, show ? TRUE : FALSE, 0);
}

void FormatBar::LayOut() {
  if (fontBox_) {
    ::MoveWindow(fontBox_, kFontBoxX, 1, kFontBoxWidth, DroppedHeight(fontBox_, kFontBoxRows), FALSE);
    ::MoveWindow(sizeBox_, kSizeBoxX, 1, kSizeBoxWidth, DroppedHeight(sizeBox_, kSizeBoxRows), FALSE);
    ::MoveWindow(colorBox_, kColorBoxX, 1, kColorBoxWidth, DroppedHeight(colorBox_, 1), FALSE);
  }
  SIZE size{};
  ::SendMessageW(buttons_, TB_GETMAXSIZE, 0, reinterpret_cast<LPARAM>(&size));
  DWORD button = static_cast<DWORD>(::SendMessageW(buttons_, TB_GETBUTTONSIZE, 0, 0));
  int height = std::max<int>(HIWORD(button), static_cast<int>(size.cy));
  ::MoveWindow(buttons_, kButtonsX, 0, static_cast<int>(size.cx) + 4, height, FALSE);
}

int FormatBar::Height() const {
  if (!hwnd() || !(::GetWindowLongW(hwnd(), GWL_STYLE) & WS_VISIBLE)) return 0;
  RECT box{}, buttons{};
  if (fontBox_) ::GetWindowRect(fontBox_, &box);
  ::GetWindowRect(buttons_, &buttons);
  return std::max<int>(box.bottom - box.top, buttons.bottom - buttons.top) + 3;
}

bool FormatBar::IsDown(BarButton button) const {
  return ::SendMessageW(buttons_, TB_ISBUTTONCHECKED, static_cast<WPARAM>(ButtonId(button)), 0) != 0;
}

void FormatBar::SetDown(BarButton button, bool down) {
  if (IsDown(button) == down) return;
  ::SendMessageW(buttons_, TB_CHECKBUTTON, static_cast<WPARAM>(ButtonId(button)), MAKELPARAM(down ? TRUE : FALSE, 0));
}

bool FormatBar::IsButtonEnabled(BarButton button) const {
  return ::SendMessageW(buttons_, TB_ISBUTTONENABLED, static_cast<WPARAM>(ButtonId(button)), 0) != 0;
}

void FormatBar::EnableButton(BarButton button, bool enabled) {
  if (IsButtonEnabled(button) == enabled) return;
  ::SendMessageW(buttons_, TB_ENABLEBUTTON, static_cast<WPARAM>(ButtonId(button)),
                 MAKELPARAM(enabled ? TRUE : FALSE, 0));
}

void FormatBar::SetAlignment(int alignment) {
  SetDown(BarButton::LeftAlign, alignment == 0);
  SetDown(BarButton::RightAlign, alignment == 1);
  SetDown(BarButton::CenterAlign, alignment == 2);
}

const FontName* FormatBar::SelectedFont() const {
  auto index = ::SendMessageW(fontBox_, CB_GETCURSEL, 0, 0);
  if (index < 0) return nullptr;
  auto font = static_cast<size_t>(::SendMessageW(fontBox_, CB_GETITEMDATA, static_cast<WPARAM>(index), 0));
  return font < fonts_.size() ? &fonts_[font] : nullptr;
}

void FormatBar::SelectFontName(const std::wstring& name) {
  // CB_FINDSTRINGEXACT ignores letter case.
  auto index = name.empty() ? CB_ERR
                            : ::SendMessageW(fontBox_, CB_FINDSTRINGEXACT, static_cast<WPARAM>(-1),
                                             reinterpret_cast<LPARAM>(name.c_str()));
  if (::SendMessageW(fontBox_, CB_GETCURSEL, 0, 0) != index)
    ::SendMessageW(fontBox_, CB_SETCURSEL, static_cast<WPARAM>(index), 0);
}

std::wstring FormatBar::SizeText() const {
  wchar_t text[64] = L"";
  ::GetWindowTextW(sizeBox_, text, 64);
  return text;
}

void FormatBar::SetSizeText(const std::wstring& text) {
  if (SizeText() != text) ::SetWindowTextW(sizeBox_, text.c_str());
}

void FormatBar::SetBoxColor(COLORREF color) {
  if (colorBrush_ && color == boxColor_) return;
  boxColor_ = color;
  colorBrush_.reset(::CreateSolidBrush(color));
  // Until the boxes are made (AddBoxes) there is nothing to repaint, and a null window
  // would have every window on the desktop repainted.
  if (colorBox_) ::InvalidateRect(colorBox_, nullptr, TRUE);
}

void FormatBar::SetBoxBackground(COLORREF color) {
  if (boxBrush_ && color == boxBackground_) return;
  boxBackground_ = color;
  boxBrush_.reset(::CreateSolidBrush(color));
  if (fontBox_) ::InvalidateRect(fontBox_, nullptr, TRUE);
  if (sizeBox_) ::InvalidateRect(sizeBox_, nullptr, TRUE);
  if (sizeEdit_) ::InvalidateRect(sizeEdit_, nullptr, TRUE);
}

LRESULT FormatBar::OnControlColor(HDC dc, HWND control) {
  if (control == colorBox_) {
    ::SetBkColor(dc, boxColor_);
    return reinterpret_cast<LRESULT>(colorBrush_.get());
  }
  if (control == fontBox_ || control == sizeBox_ || (control && control == sizeEdit_)) {
    ::SetBkColor(dc, boxBackground_);
    return reinterpret_cast<LRESULT>(boxBrush_.get());
  }
  return 0;
}

void FormatBar::OnCommand(unsigned id, unsigned code, HWND control) {
  if (control == buttons_) {
    for (int i = 0; i < kBarButtonCount; ++i)
      if (kButtons[i].id == static_cast<int>(id)) events_.ButtonClick(static_cast<BarButton>(i));
    return;
  }
  if (control == fontBox_ && code == CBN_SELCHANGE) {
    events_.FontComboBoxChange();
  } else if (control == sizeBox_) {
    switch (code) {
      case CBN_DROPDOWN:
        sizeFromList_ = true;
        break;
      case CBN_CLOSEUP:
        // The selection change that closing may bring comes before this.
        ::PostMessageW(hwnd(), kListClosed, 0, 0);
        break;
      case CBN_SELCHANGE: {
        // The box shows the chosen item only after this notification.
        auto index = ::SendMessageW(sizeBox_, CB_GETCURSEL, 0, 0);
        if (index < 0 || !sizeFromList_) break;
        wchar_t text[16] = L"";
        if (::SendMessageW(sizeBox_, CB_GETLBTEXTLEN, static_cast<WPARAM>(index), 0) < 16)
          ::SendMessageW(sizeBox_, CB_GETLBTEXT, static_cast<WPARAM>(index), reinterpret_cast<LPARAM>(text));
        ::SetWindowTextW(sizeBox_, text);
        sizeFromList_ = false;
        events_.FontSizeApply();
        break;
      }
      case CBN_EDITCHANGE:
        if (sizeFromList_) {
          sizeFromList_ = false;
          events_.FontSizeApply();
        }
        break;
    }
  } else if (control == colorBox_ && code == CBN_DROPDOWN) {
    // The empty list closes before the palette opens in its place.
    ::PostMessageW(colorBox_, CB_SHOWDROPDOWN, FALSE, 0);
    if (colorDropAttached_) ::PostMessageW(hwnd(), kOpenPalette, 0, 0);
  }
}

LRESULT FormatBar::OnNotify(NMHDR& header) {
  if (header.hwndFrom == buttons_ && header.code == TBN_HOTITEMCHANGE) {
    const auto& hot = reinterpret_cast<const NMTBHOTITEM&>(header);
    std::wstring hint;
    if (!(hot.dwFlags & HICF_LEAVING))
      for (const ButtonInfo& button : kButtons)
        if (button.id == hot.idNew) hint = button.hint;
    events_.BarHint(hint);
    return 0;
  }
  if (header.code == TTN_GETDISPINFOW && ::GetParent(header.hwndFrom) != nullptr) {
    auto& info = reinterpret_cast<NMTTDISPINFOW&>(header);
    for (const ButtonInfo& button : kButtons)
      if (static_cast<UINT_PTR>(button.id) == header.idFrom && !(info.uFlags & TTF_IDISHWND))
        info.lpszText = const_cast<wchar_t*>(button.hint);
  }
  return 0;
}

LRESULT CALLBACK FormatBar::SizeEditProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam, UINT_PTR,
                                         DWORD_PTR data) {
  auto* bar = reinterpret_cast<FormatBar*>(data);
  // Enter applies the typed size and goes no further.
  if (message == WM_KEYDOWN && wParam == VK_RETURN) {
    bar->sizeFromList_ = false;
    bar->events_.FontSizeApply();
    return 0;
  }
  if (message == WM_CHAR && wParam == L'\r') return 0;
  if (message == WM_GETDLGCODE && lParam && reinterpret_cast<MSG*>(lParam)->wParam == VK_RETURN) return DLGC_WANTALLKEYS;
  if (message == WM_NCDESTROY) ::RemoveWindowSubclass(hwnd, &FormatBar::SizeEditProc, 1);
  return ::DefSubclassProc(hwnd, message, wParam, lParam);
}

LRESULT CALLBACK FormatBar::ColorBoxProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam, UINT_PTR,
                                         DWORD_PTR data) {
  auto* bar = reinterpret_cast<FormatBar*>(data);
  // The palette opens instead of the box's own (empty) list, which would hold the
  // mouse while it is down and keep the palette's clicks from the palette.
  bool opens = message == WM_LBUTTONDOWN || message == WM_LBUTTONDBLCLK ||
               (message == WM_KEYDOWN && wParam == VK_F4) ||
               (message == WM_SYSKEYDOWN && (wParam == VK_DOWN || wParam == VK_UP));
  if (opens) {
    if (bar->colorDropAttached_) ::PostMessageW(bar->hwnd(), kOpenPalette, 0, 0);
    return 0;
  }
  if (message == WM_NCDESTROY) ::RemoveWindowSubclass(hwnd, &FormatBar::ColorBoxProc, 1);
  return ::DefSubclassProc(hwnd, message, wParam, lParam);
}

LRESULT FormatBar::HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) {
  switch (message) {
    case WM_COMMAND:
      OnCommand(LOWORD(wParam), HIWORD(wParam), reinterpret_cast<HWND>(lParam));
      return 0;
    case WM_NOTIFY:
      return OnNotify(*reinterpret_cast<NMHDR*>(lParam));
    case WM_CTLCOLOREDIT:
    case WM_CTLCOLORLISTBOX:
    case WM_CTLCOLORSTATIC:
      if (LRESULT brush = OnControlColor(reinterpret_cast<HDC>(wParam), reinterpret_cast<HWND>(lParam))) return brush;
      break;
    case WM_HELP:
      events_.BarHelp();
      return TRUE;
    case kOpenPalette:
      events_.ColorClick();
      return 0;
    case kListClosed:
      sizeFromList_ = false;
      return 0;
  }
  return DefaultProc(message, wParam, lParam);
}

}  // namespace format
