// The side bar's pane: its controls, its place on the active page, its look, the View
// menu's side-bar items and the context menu.
#include "sidebar/SideBar_win.h"

#include <windowsx.h>

#include <algorithm>

#include "config/Keys.h"
#include "win/Container.h"
#include "win/PaintSuspender.h"
#include "win/resource.h"

namespace sidebar {
using namespace command;
namespace keys = config::keys;

namespace {
constexpr wchar_t kClassName[] = L"TwkSideBar";
constexpr int kCloseButtonSize = 14;
constexpr int kCloseGlyphSize = 9;
constexpr int kDefaultItemHeight = 16;
constexpr int kPaneOrder = 10;
constexpr int kSplitterOrder = 11;
constexpr UINT kPosted = WM_APP + 15;

// Control ids of the pane and the items of its context menu.
enum : int {
  kTreeId = 4200,
  kListId,
  kCloseId,
  kLabelId,
  kPopUp1 = 4210,
  kPopUp3,
  kPopUp4,
};

enum Action : int { kOpenSelected = 1, kChooseSelected, kPopUp1Action, kCollapseAction, kExpandAction };

std::uint32_t SystemColor(int index) { return static_cast<std::uint32_t>(::GetSysColor(index)); }
}  // namespace

SideBar::SideBar(workspace::Frame& frame, workspace::DocumentHost& documents, Registry& commands)
    : frame_(frame), documents_(documents) {
  // clang-format off
  commands.Add({
    {ViewMenuSideBar, L"ViewMenuSideBar", L"Si&de Bar", {}, L"", -1},
    {ViewMenuFavorites, L"ViewMenuFavorites", L"&Favorites", {}, L"View Favorites in the Side Bar.", -1,
     Bind(this, &SideBar::ViewMenuFavoritesClick), {}, [this] { return state_ == View::Favorites; }},
    {ViewMenuRecentDocuments, L"ViewMenuRecentDocuments", L"&Recent Documents", {}, L"View Recent Documents in the Side Bar.", -1,
     Bind(this, &SideBar::ViewMenuRecentDocumentsClick), {}, [this] { return state_ == View::RecentDocuments; }},
    {ViewMenuFontChooser, L"ViewMenuFontChooser", L"F&ont Chooser", {}, L"View the Font Chooser in the Side Bar.", -1,
     Bind(this, &SideBar::ViewMenuFontChooserClick), {}, [this] { return state_ == View::FontChooser; }},
  });
  // clang-format on
}

void SideBar::Create(HWND mainWindow) {
  RegisterClassOnce(kClassName, CS_DBLCLKS, reinterpret_cast<HBRUSH>(COLOR_BTNFACE + 1));
  CreateHandle(WS_EX_CONTROLPARENT, kClassName, L"", WS_CHILD | WS_CLIPCHILDREN | WS_CLIPSIBLINGS, 0, 0, 0, 0,
               mainWindow, nullptr);
  splitter_.Create(mainWindow);
  splitter_.onPress = [this] {
    RECT r{};
    ::GetWindowRect(hwnd(), &r);
    dragStartWidth_ = r.right - r.left;
  };
  splitter_.onDrag = [this](int dx) {
    RECT page{};
    ::GetClientRect(Page(), &page);
    width_ = DraggedWidth(dragStartWidth_, dx, rightSide_, page.right);
    SetWidthOnPage(width_);
  };
  CreateControls();
  width_ = StoredWidth(frame_.Profile().Read(keys::SideBarWidth), ::GetSystemMetrics(SM_CXVIRTUALSCREEN));
  if (ViewFromState(frame_.Profile().Read(keys::SideBarState)) != View::Closed) PlaceSideBar(false);
}

void SideBar::CreateControls() {
  HINSTANCE instance = ::GetModuleHandleW(nullptr);
  auto font = reinterpret_cast<WPARAM>(::GetStockObject(DEFAULT_GUI_FONT));
  label_ = ::CreateWindowExW(0, L"STATIC", L"", WS_CHILD | WS_VISIBLE | SS_LEFTNOWORDWRAP | SS_CENTERIMAGE | SS_ENDELLIPSIS,
                             0, 0, 0, 0, hwnd(), reinterpret_cast<HMENU>(kLabelId), instance, nullptr);
  ::SendMessageW(label_, WM_SETFONT, font, FALSE);
  closeButton_ = ::CreateWindowExW(0, L"BUTTON", L"", WS_CHILD | WS_VISIBLE | BS_OWNERDRAW, 0, 0, kCloseButtonSize,
                                   kCloseButtonSize, hwnd(), reinterpret_cast<HMENU>(kCloseId), instance, nullptr);
  tree_ = ::CreateWindowExW(WS_EX_CLIENTEDGE, WC_TREEVIEWW, L"",
                            WS_CHILD | WS_TABSTOP | TVS_HASBUTTONS | TVS_HASLINES | TVS_SHOWSELALWAYS | TVS_NOTOOLTIPS,
                            0, 0, 0, 0, hwnd(), reinterpret_cast<HMENU>(kTreeId), instance, nullptr);
  TreeView_SetIndent(tree_, 19);
  list_ = ::CreateWindowExW(WS_EX_CLIENTEDGE, L"LISTBOX", L"",
                            WS_CHILD | WS_TABSTOP | WS_VSCROLL | LBS_OWNERDRAWVARIABLE | LBS_HASSTRINGS | LBS_NOTIFY |
                                LBS_NOINTEGRALHEIGHT,
                            0, 0, 0, 0, hwnd(), reinterpret_cast<HMENU>(kListId), instance, nullptr);
  images_.reset(::ImageList_LoadImageW(instance, MAKEINTRESOURCEW(IDB_MISC_IMAGES), 16, 0, RGB(255, 0, 255),
                                       IMAGE_BITMAP, LR_CREATEDIBSECTION));
  closeGlyph_.reset(::ImageList_LoadImageW(instance, MAKEINTRESOURCEW(IDB_SIDEBAR_CLOSE), kCloseGlyphSize, 0,
                                           RGB(255, 0, 255), IMAGE_BITMAP, LR_CREATEDIBSECTION));
  TreeView_SetImageList(tree_, images_.get(), TVSIL_NORMAL);
  for (HWND control : {tree_, list_, closeButton_})
    ::SetWindowSubclass(control, &SideBar::ControlProc, 1, reinterpret_cast<DWORD_PTR>(this));
  CreateTips();
  ::ShowWindow(tree_, SW_SHOWNA);
}

void SideBar::CreateTips() {
  tips_ = ::CreateWindowExW(WS_EX_TOPMOST, TOOLTIPS_CLASSW, nullptr, WS_POPUP | TTS_ALWAYSTIP | TTS_NOPREFIX, 0, 0, 0,
                            0, hwnd(), nullptr, ::GetModuleHandleW(nullptr), nullptr);
  for (HWND control : {tree_, list_, closeButton_, label_}) {
    TTTOOLINFOW tool{};
    tool.cbSize = sizeof(tool);
    tool.uFlags = TTF_IDISHWND | TTF_SUBCLASS;
    tool.hwnd = hwnd();
    tool.uId = reinterpret_cast<UINT_PTR>(control);
    tool.lpszText = LPSTR_TEXTCALLBACKW;
    ::SendMessageW(tips_, TTM_ADDTOOLW, 0, reinterpret_cast<LPARAM>(&tool));
  }
}

std::wstring SideBar::HintOf(HWND control) const {
  if (control == closeButton_) return L"Close Side Bar";
  if (control == tree_) return treeHint_;
  if (control == list_) return listHint_;
  return paneHint_;
}

std::wstring SideBar::HeaderText() const {
  wchar_t text[260] = L"";
  ::GetWindowTextW(label_, text, 260);
  return text;
}

void SideBar::LayoutControls() {
  RECT r{};
  ::GetClientRect(hwnd(), &r);
  int width = r.right;
  int buttonLeft = std::max(0, width - kCloseButtonSize - 3);
  ::MoveWindow(closeButton_, buttonLeft, (kHeaderHeight - kCloseButtonSize) / 2, kCloseButtonSize, kCloseButtonSize,
               TRUE);
  ::MoveWindow(label_, 4, 2, std::max(0, buttonLeft - 6), kHeaderHeight - 4, TRUE);
  int height = std::max<int>(0, r.bottom - kHeaderHeight);
  ::MoveWindow(tree_, 0, kHeaderHeight, width, height, TRUE);
  ::MoveWindow(list_, 0, kHeaderHeight, width, height, TRUE);
}

void SideBar::PaintHeader() {
  PAINTSTRUCT paint;
  HDC dc = ::BeginPaint(hwnd(), &paint);
  RECT r{};
  ::GetClientRect(hwnd(), &r);
  RECT header{0, 0, r.right, kHeaderHeight};
  ::DrawEdge(dc, &header, BDR_RAISEDINNER, BF_TOP | BF_LEFT | BF_RIGHT);
  ::EndPaint(hwnd(), &paint);
}

void SideBar::DrawCloseButton(const DRAWITEMSTRUCT& item) {
  RECT r = item.rcItem;
  ::FillRect(item.hDC, &r, reinterpret_cast<HBRUSH>(COLOR_BTNFACE + 1));
  bool pressed = item.itemState & ODS_SELECTED;
  if (pressed) ::DrawEdge(item.hDC, &r, BDR_SUNKENOUTER, BF_RECT);
  int offset = pressed ? 1 : 0;
  int x = r.left + (r.right - r.left - kCloseGlyphSize) / 2 + offset;
  int y = r.top + (r.bottom - r.top - kCloseGlyphSize) / 2 + offset;
  ::ImageList_Draw(closeGlyph_.get(), 0, item.hDC, x, y, ILD_TRANSPARENT);
}

HWND SideBar::Page() const {
  workspace::DocumentSlot* slot = documents_.Slot(documents_.ActiveSlotNumber());
  return slot ? slot->page : nullptr;
}

void SideBar::SetWidthOnPage(int width) {
  HWND page = ::GetParent(hwnd());
  if (!placed_ || !page || page == frame_.Window()) return;
  RECT r{};
  ::GetClientRect(page, &r);
  win::Dock dock = rightSide_ ? win::Dock::Right : win::Dock::Left;
  win::SetDock(hwnd(), dock, kPaneOrder, ShownWidth(width, r.right));
  win::SetDock(splitter_.hwnd(), dock, kSplitterOrder, kSplitterWidth);
  win::Relayout(page);
}

void SideBar::PlaceSideBar(bool clear) {
  HWND page = Page();
  if (!page) return;
  rightSide_ = frame_.Profile().Read(keys::SideBarRightSide);
  placed_ = true;
  ::SetParent(hwnd(), page);
  ::SetParent(splitter_.hwnd(), page);
  ::ShowWindow(hwnd(), SW_SHOWNA);
  ::ShowWindow(splitter_.hwnd(), SW_SHOWNA);
  SetWidthOnPage(width_);
  if (clear) ClearViews();
}

void SideBar::FitToPage() {
  if (placed_) SetWidthOnPage(width_);
}

void SideBar::ActivePageChanged() {
  if (placed_ && ::GetParent(hwnd()) != Page()) PlaceSideBar(false);
}

void SideBar::SlotClosing(int slot) {
  workspace::DocumentSlot* closing = documents_.Slot(slot);
  if (!closing || ::GetParent(hwnd()) != closing->page) return;
  // The pane outlives the page: back to the main window until another page shows.
  ::ShowWindow(hwnd(), SW_HIDE);
  ::ShowWindow(splitter_.hwnd(), SW_HIDE);
  ::SetParent(hwnd(), frame_.Window());
  ::SetParent(splitter_.hwnd(), frame_.Window());
}

void SideBar::CloseSideBarButtonClick() {
  HWND focus = ::GetFocus();
  bool hadFocus = focus && (focus == hwnd() || ::IsChild(hwnd(), focus));
  HWND page = ::GetParent(hwnd());
  ::ShowWindow(hwnd(), SW_HIDE);
  ::ShowWindow(splitter_.hwnd(), SW_HIDE);
  ::SetParent(hwnd(), frame_.Window());
  ::SetParent(splitter_.hwnd(), frame_.Window());
  if (page && page != frame_.Window()) win::Relayout(page);
  placed_ = false;
  state_ = View::Closed;
  ClearViews();
  // Typing goes on in the document rather than nowhere.
  if (hadFocus) documents_.FocusActiveEditor();
  frame_.CommandStatesChanged();
}

void SideBar::ToggleView(View view) {
  if (state_ == view) {
    CloseSideBarButtonClick();
    return;
  }
  win::PaintSuspender suspend(frame_.Window());
  PlaceSideBar(true);
  state_ = view;
  bool list = view == View::FontChooser;
  ::ShowWindow(list ? list_ : tree_, SW_SHOWNA);
  ::ShowWindow(list ? tree_ : list_, SW_HIDE);
  FillView(view);
  paneHint_ = HeaderText();
  treeHint_.clear();
}

void SideBar::Rebuild(View view) {
  if (state_ != view) return;
  state_ = View::Closed;
  ToggleView(view);
}

void SideBar::ReloadFavoritesView() { Rebuild(View::Favorites); }
void SideBar::RecentDocumentsChanged() { Rebuild(View::RecentDocuments); }

void SideBar::FirstTick() {
  ApplySideBarLook();
  View stored = ViewFromState(frame_.Profile().Read(keys::SideBarState));
  if (stored != View::Closed) ToggleView(stored);
}

void SideBar::SaveState() {
  frame_.Profile().Write(keys::SideBarState, static_cast<int>(state_));
  frame_.Profile().Write(keys::SideBarWidth, width_);
}

void SideBar::ApplySideBarLook() {
  config::Profile& profile = frame_.Profile();
  background_ = config::ResolveColor(profile.Read(keys::SideBarBGColor), &SystemColor);
  textColor_ = config::ResolveColor(profile.Read(keys::SideBarColor), &SystemColor);
  int points = profile.Read(keys::SideBarSize);
  if (points < 1 || points > 1638) points = keys::SideBarSize.fallback;
  LOGFONTW look{};
  HDC screen = ::GetDC(nullptr);
  look.lfHeight = -::MulDiv(points, ::GetDeviceCaps(screen, LOGPIXELSY), 72);
  ::ReleaseDC(nullptr, screen);
  look.lfWeight = profile.Read(keys::SideBarBold) ? FW_BOLD : FW_NORMAL;
  look.lfItalic = profile.Read(keys::SideBarItalic);
  look.lfUnderline = profile.Read(keys::SideBarUnderline);
  look.lfStrikeOut = profile.Read(keys::SideBarStrikeOut);
  look.lfCharSet = DEFAULT_CHARSET;
  std::wstring face = profile.Read(keys::SideBarFont);
  lstrcpynW(look.lfFaceName, face.c_str(), LF_FACESIZE);
  // A font that is not installed gets the system's nearest match.
  win::UniqueFont font(::CreateFontIndirectW(&look));
  if (font) {
    ::SendMessageW(tree_, WM_SETFONT, reinterpret_cast<WPARAM>(font.get()), TRUE);
    lookFont_ = std::move(font);
  }
  listBrush_.reset();
  TreeView_SetBkColor(tree_, background_);
  TreeView_SetTextColor(tree_, textColor_);
  ::InvalidateRect(tree_, nullptr, TRUE);
  ::InvalidateRect(list_, nullptr, TRUE);
}

PopupState SideBar::SBPopupMenuPopup() {
  std::optional<Picture> picture;
  if (auto row = SelectedRow()) picture = rows_[*row].picture;
  return PopupFor(state_, picture);
}

void SideBar::ShowPopup(POINT screenPoint) {
  if (state_ == View::Closed) return;
  PopupState popup = SBPopupMenuPopup();
  win::UniqueMenu menu(::CreatePopupMenu());
  ::AppendMenuW(menu.get(), MF_STRING | (popup.openEnabled ? 0 : MF_GRAYED), kPopUp1, popup.openCaption.c_str());
  if (popup.treeItems) {
    ::AppendMenuW(menu.get(), MF_SEPARATOR, 0, nullptr);
    ::AppendMenuW(menu.get(), MF_STRING, kPopUp3, L"Collapse All");
    ::AppendMenuW(menu.get(), MF_STRING, kPopUp4, L"Expand All");
  }
  int chosen = ::TrackPopupMenu(menu.get(), TPM_LEFTALIGN | TPM_RIGHTBUTTON | TPM_RETURNCMD | TPM_NONOTIFY,
                                screenPoint.x, screenPoint.y, 0, hwnd(), nullptr);
  if (chosen == kPopUp1) Post(kPopUp1Action);
  if (chosen == kPopUp3) Post(kCollapseAction);
  if (chosen == kPopUp4) Post(kExpandAction);
}

// What the controls ask for runs after their own handling of the click or key is
// over: opening a document may rebuild the tree the click came from.
void SideBar::Post(int action) { ::PostMessageW(hwnd(), kPosted, static_cast<WPARAM>(action), 0); }

void SideBar::RunPosted(int action) {
  switch (action) {
    case kOpenSelected:
      TVDblClick();
      break;
    case kChooseSelected:
      ListBoxDblClick();
      break;
    case kPopUp1Action:
      SideBarPopUp1Click();
      break;
    case kCollapseAction:
      SideBarPopUp3Click();
      break;
    case kExpandAction:
      SideBarPopUp4Click();
      break;
  }
}

LRESULT CALLBACK SideBar::ControlProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam, UINT_PTR,
                                      DWORD_PTR data) {
  auto* self = reinterpret_cast<SideBar*>(data);
  try {
    switch (message) {
      case WM_MOUSEMOVE:
        if (self->onHint) self->onHint(self->HintOf(hwnd));
        break;
      case WM_GETDLGCODE:
        if (wParam == VK_RETURN) return DLGC_WANTALLKEYS;
        break;
      case WM_KEYDOWN:
        if (wParam == VK_RETURN && hwnd != self->closeButton_) {
          self->Post(hwnd == self->list_ ? kChooseSelected : kOpenSelected);
          return 0;
        }
        break;
      case WM_CHAR:
        if (wParam == L'\r' && hwnd != self->closeButton_) return 0;
        break;
      case WM_RBUTTONDOWN:
        if (hwnd == self->list_) {
          // The menu then acts on the item under the pointer.
          LRESULT hit = ::SendMessageW(hwnd, LB_ITEMFROMPOINT, 0, lParam);
          if (!HIWORD(hit)) ::SendMessageW(hwnd, LB_SETCURSEL, LOWORD(hit), 0);
        }
        break;
      case WM_NCDESTROY:
        ::RemoveWindowSubclass(hwnd, &SideBar::ControlProc, 1);
        break;
    }
  } catch (const std::exception& error) {
    win::ReportException(error);
    return 0;
  }
  return ::DefSubclassProc(hwnd, message, wParam, lParam);
}

LRESULT SideBar::HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) {
  switch (message) {
    case WM_SIZE:
      LayoutControls();
      return 0;
    case WM_PAINT:
      PaintHeader();
      return 0;
    case WM_MOUSEMOVE:
      if (onHint) onHint(paneHint_);
      return 0;
    case WM_COMMAND:
      if (LOWORD(wParam) == kCloseId && HIWORD(wParam) == BN_CLICKED) CloseSideBarButtonClick();
      if (LOWORD(wParam) == kListId && HIWORD(wParam) == LBN_DBLCLK) Post(kChooseSelected);
      if (LOWORD(wParam) == kListId && HIWORD(wParam) == LBN_SELCHANGE) {
        listHint_ = SelectedFont();
      }
      return 0;
    case WM_NOTIFY:
      return OnNotify(*reinterpret_cast<NMHDR*>(lParam));
    case WM_CONTEXTMENU: {
      POINT point{GET_X_LPARAM(lParam), GET_Y_LPARAM(lParam)};
      if (point.x == -1 && point.y == -1) {
        point = {4, kHeaderHeight + 4};
        ::ClientToScreen(hwnd(), &point);
      }
      ShowPopup(point);
      return 0;
    }
    case WM_MEASUREITEM:
      OnMeasureItem(*reinterpret_cast<MEASUREITEMSTRUCT*>(lParam));
      return TRUE;
    case WM_DRAWITEM:
      OnDrawItem(*reinterpret_cast<const DRAWITEMSTRUCT*>(lParam));
      return TRUE;
    case WM_CTLCOLORLISTBOX:
      if (!listBrush_) listBrush_.reset(::CreateSolidBrush(background_));
      return reinterpret_cast<LRESULT>(listBrush_.get());
    case kPosted:
      RunPosted(static_cast<int>(wParam));
      return 0;
  }
  return DefaultProc(message, wParam, lParam);
}

LRESULT SideBar::OnNotify(NMHDR& header) {
  if (header.hwndFrom == tips_ && header.code == TTN_GETDISPINFOW) {
    auto& info = reinterpret_cast<NMTTDISPINFOW&>(header);
    tipText_ = showTips ? HintOf(reinterpret_cast<HWND>(header.idFrom)) : L"";
    info.lpszText = tipText_.data();
    return 0;
  }
  if (header.hwndFrom != tree_) return 0;
  switch (header.code) {
    case TVN_SELCHANGEDW: {
      treeHint_.clear();
      auto row = SelectedRow();
      if (row && !rows_[*row].path.empty()) treeHint_ = L"Open " + rows_[*row].path;
      return 0;
    }
    case NM_DBLCLK:
      Post(kOpenSelected);
      return 0;
    case NM_RCLICK: {
      TVHITTESTINFO hit{};
      ::GetCursorPos(&hit.pt);
      POINT screen = hit.pt;
      ::ScreenToClient(tree_, &hit.pt);
      if (HTREEITEM item = TreeView_HitTest(tree_, &hit)) {
        ::SetFocus(tree_);
        TreeView_SelectItem(tree_, item);
      }
      ShowPopup(screen);
      return TRUE;
    }
  }
  return 0;
}

}  // namespace sidebar
