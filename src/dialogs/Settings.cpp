#include "dialogs/Settings.h"

#include <commctrl.h>

#include <algorithm>
#include <vector>

#include "config/Keys.h"
#include "dialogs/SettingsIds.h"
#include "win/resource.h"

namespace dialogs {
namespace keys = config::keys;

namespace {

constexpr const wchar_t* kPageNames[TSettings::kPageCount] = {L"Tool Bar", L"File Tabs",    L"Side Bar",
                                                             L"Ruler",    L"Editor",       L"File Options",
                                                             L"Miscellaneous"};
constexpr int kHelpContexts[TSettings::kPageCount] = {33, 34, 167, 35, 36, 37, 38};
// Each page's controls have numbers from its entry up to the next one's.
constexpr int kPageFirstIds[TSettings::kPageCount + 1] = {5020, 5040, 5060, 5080, 5100, 5120, 5160, 5190};

int PageOfControl(int id) {
  for (int page = 0; page < TSettings::kPageCount; ++page)
    if (id >= kPageFirstIds[page] && id < kPageFirstIds[page + 1]) return page;
  return -1;
}

struct PageSwitch {
  HWND dialog;
  int page;
};

BOOL CALLBACK ShowIfOnPage(HWND child, LPARAM data) {
  auto* to = reinterpret_cast<PageSwitch*>(data);
  if (::GetParent(child) != to->dialog) return TRUE;
  int page = PageOfControl(::GetDlgCtrlID(child));
  if (page >= 0) ::ShowWindow(child, page == to->page ? SW_SHOWNA : SW_HIDE);
  return TRUE;
}

}  // namespace

TSettings::TSettings(workspace::Frame& frame, SettingsHost& host)
    : win::Dialog(IDD_SETTINGS),
      frame_(frame),
      host_(host),
      window_(host.CurrentWindowState()),
      values_(ReadSettings(frame.Profile())),
      toolBar_(values_.toolBarMask, window_.toolBarWraps, !values_.dropDownMenusDisabled),
      fileTypes_(values_.fileTypes) {
  values_.toolBarWrap = window_.toolBarWraps;
  values_.tabsWrap = window_.tabsWrap;
  values_.tabsBelow = window_.tabsBelow;
}

int TSettings::HelpContext(int page) { return kHelpContexts[std::clamp(page, 0, kPageCount - 1)]; }

int TSettings::CurrentPage() const { return TabCtrl_GetCurSel(Item(IDC_SET_TABS)); }

void TSettings::SelectPage(int page) {
  TabCtrl_SetCurSel(Item(IDC_SET_TABS), page);
  ShowPage(page);
}

void TSettings::ShowPage(int page) {
  PageSwitch to{hwnd(), page};
  ::EnumChildWindows(hwnd(), &ShowIfOnPage, reinterpret_cast<LPARAM>(&to));
}

bool TSettings::OnInit() {
  filling_ = true;
  HWND tabs = Item(IDC_SET_TABS);
  if (frame_.Profile().Read(keys::TryIt))
    ::SetWindowLongW(tabs, GWL_STYLE, ::GetWindowLongW(tabs, GWL_STYLE) | TCS_HOTTRACK);
  for (int i = 0; i < kPageCount; ++i) {
    TCITEMW item{};
    item.mask = TCIF_TEXT;
    item.pszText = const_cast<wchar_t*>(kPageNames[i]);
    TabCtrl_InsertItem(tabs, i, &item);
  }
  MakePageBrush();
  FillToolBarPage();
  FillFileTabsPage();
  FillSideBarPage();
  FillRulerPage();
  FillEditorPage();
  FillFileOptionsPage();
  FillMiscPage();
  ShowPage(0);
  filling_ = false;
  return true;
}

void TSettings::MakePageBrush() {
  // The controls lie on the tab control's page, whose face the theme may paint in
  // another colour than the dialog's: they fill their backgrounds with the page's.
  HWND tabs = Item(IDC_SET_TABS);
  RECT client;
  ::GetClientRect(tabs, &client);
  RECT page = client;
  TabCtrl_AdjustRect(tabs, FALSE, &page);
  win::WindowDC screen(nullptr);
  win::UniqueMemoryDc dc(::CreateCompatibleDC(screen.get()));
  win::UniqueBitmap picture(::CreateCompatibleBitmap(screen.get(), std::max<int>(client.right, 1),
                                                     std::max<int>(client.bottom, 1)));
  COLORREF face = CLR_INVALID;
  {
    win::SelectGuard into(dc.get(), picture.get());
    ::SendMessageW(tabs, WM_PRINTCLIENT, reinterpret_cast<WPARAM>(dc.get()), PRF_CLIENT | PRF_ERASEBKGND);
    face = ::GetPixel(dc.get(), page.left + 4, page.top + 4);
  }
  pageBrush_.reset(::CreateSolidBrush(face == CLR_INVALID ? ::GetSysColor(COLOR_BTNFACE) : face));
}

void TSettings::FillToolBarPage() {
  HWND categories = Item(IDC_SET_CATEGORY);
  for (const chrome::Category& category : chrome::Categories())
    ::SendMessageW(categories, LB_ADDSTRING, 0, reinterpret_cast<LPARAM>(category.name));
  ::SendMessageW(categories, LB_SETCURSEL, 0, 0);
  HWND list = Item(IDC_SET_BUTTONS);
  ListView_SetExtendedListViewStyle(list, LVS_EX_CHECKBOXES | LVS_EX_FULLROWSELECT);
  RECT client;
  ::GetClientRect(list, &client);
  LVCOLUMNW column{};
  column.mask = LVCF_WIDTH;
  column.cx = client.right - ::GetSystemMetrics(SM_CXVSCROLL);
  ListView_InsertColumn(list, 0, &column);
  toolBar_.SelectCategory(0);
  FillButtonList();
  SetChecked(IDC_SET_TOOLBAR_WRAP, toolBar_.wrap());
  SetChecked(IDC_SET_DROPDOWN_OFF, toolBar_.dropDownMenusDisabled());
  buttonMenu_.reset(::CreatePopupMenu());
  ::AppendMenuW(buttonMenu_.get(), MF_STRING, IDM_SET_SELECT_ALL, L"Select All");
  ::AppendMenuW(buttonMenu_.get(), MF_STRING, IDM_SET_CLEAR_ALL, L"Clear All");
}

void TSettings::FillButtonList() {
  bool wasFilling = filling_;
  filling_ = true;  // the ticks set here are no change of the user's
  HWND list = Item(IDC_SET_BUTTONS);
  ListView_DeleteAllItems(list);
  int index = 0;
  for (const auto& line : toolBar_.Lines()) {
    LVITEMW item{};
    item.mask = LVIF_TEXT;
    item.iItem = index;
    item.pszText = const_cast<wchar_t*>(line.label.c_str());
    ListView_InsertItem(list, &item);
    ListView_SetCheckState(list, index, line.ticked ? TRUE : FALSE);
    ++index;
  }
  filling_ = wasFilling;
}

void TSettings::FillFileTabsPage() {
  SetChecked(values_.tabButtons ? IDC_SET_TABSTYLE_BUTTONS : IDC_SET_TABSTYLE_TABS, true);
  SetChecked(values_.tabsBelow ? IDC_SET_TABS_BELOW : IDC_SET_TABS_ABOVE, true);
  SetChecked(IDC_SET_TABS_WRAP, values_.tabsWrap);
  SetChecked(IDC_SET_TABS_IMAGES, values_.tabImages);
  TabStyleChosen();
}

void TSettings::FillSideBarPage() {
  HWND tree = Item(IDC_SET_SIDEBAR_SAMPLE);
  sampleImages_.reset(::ImageList_LoadImageW(::GetModuleHandleW(nullptr), MAKEINTRESOURCEW(IDB_MISC_IMAGES), 16, 0,
                                             RGB(255, 0, 255), IMAGE_BITMAP, LR_CREATEDIBSECTION));
  TreeView_SetImageList(tree, sampleImages_.get(), TVSIL_NORMAL);
  TreeView_SetIndent(tree, 19);
  struct SampleNode {
    int level;
    const wchar_t* text;
    int image;
  };
  // A few entries as the favorites view shows them: folders (0) and files (1).
  static constexpr SampleNode kNodes[] = {{0, L"Favorites", 0}, {1, L"Letters", 0},  {2, L"To Anna.txt", 1},
                                          {2, L"Invoice.rtf", 1}, {1, L"Readme.txt", 1}, {1, L"Notes.txt", 1}};
  HTREEITEM parents[3] = {TVI_ROOT, nullptr, nullptr};
  std::vector<HTREEITEM> folders;
  for (const SampleNode& node : kNodes) {
    TVINSERTSTRUCTW insert{};
    insert.hParent = parents[node.level];
    insert.hInsertAfter = TVI_LAST;
    insert.item.mask = TVIF_TEXT | TVIF_IMAGE | TVIF_SELECTEDIMAGE;
    insert.item.pszText = const_cast<wchar_t*>(node.text);
    insert.item.iImage = insert.item.iSelectedImage = node.image;
    HTREEITEM added = TreeView_InsertItem(tree, &insert);
    if (node.level < 2) parents[node.level + 1] = added;
    if (node.image == 0) folders.push_back(added);
  }
  for (HTREEITEM folder : folders) TreeView_Expand(tree, folder, TVE_EXPAND);
  ApplySideBarSample();
  SetChecked(values_.sideBarRight ? IDC_SET_SIDE_RIGHT : IDC_SET_SIDE_LEFT, true);
}

void TSettings::FillRulerPage() {
  HWND units = Item(IDC_SET_UNITS);
  ::SendMessageW(units, CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(L"Inches"));
  ::SendMessageW(units, CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(L"Centimeters"));
  ::SendMessageW(units, CB_SETCURSEL, static_cast<WPARAM>(values_.rulerUnits), 0);
  // The picture is as high as the ruler itself: 10 pixels and the frame.
  HWND picture = Item(IDC_SET_RULER_PICTURE);
  RECT r;
  ::GetWindowRect(picture, &r);
  ::MapWindowPoints(nullptr, hwnd(), reinterpret_cast<POINT*>(&r), 2);
  ::SetWindowPos(picture, nullptr, r.left, r.top, r.right - r.left, 10, SWP_NOZORDER | SWP_NOACTIVATE);
  DrawRulerPicture();
}

void TSettings::FillEditorPage() {
  SetChecked(IDC_SET_WORDWRAP, values_.wordWrap);
  MakeEditorSample(values_.wordWrap);
  SetChecked(IDC_SET_SOUNDS, values_.playSounds);
}

void TSettings::FillFileOptionsPage() {
  ::SendMessageW(Item(IDC_SET_DESCRIPTION), EM_LIMITTEXT, kFileTypeFieldLength, 0);
  ::SendMessageW(Item(IDC_SET_EXTENSIONS), EM_LIMITTEXT, kFileTypeFieldLength, 0);
  ::SendMessageW(Item(IDC_SET_OPEN_FOLDER), EM_LIMITTEXT, kFolderFieldLength, 0);
  ::SendMessageW(Item(IDC_SET_SAVE_FOLDER), EM_LIMITTEXT, kFolderFieldLength, 0);
  ShowFileTypes();
  SetText(IDC_SET_OPEN_FOLDER, values_.openFolder);
  SetText(IDC_SET_SAVE_FOLDER, values_.saveFolder);
}

void TSettings::FillMiscPage() {
  SetChecked(values_.twelveHourClock ? IDC_SET_TIME_12 : IDC_SET_TIME_24, true);
  SetChecked(values_.monthFirstDate ? IDC_SET_DATE_MDY : IDC_SET_DATE_DMY, true);
  SetChecked(values_.systemTray ? IDC_SET_TRAY : IDC_SET_TASKBAR, true);
  SetChecked(IDC_SET_MULTIPLE, values_.multipleInstances);
  SetChecked(IDC_SET_SPLASH, values_.splash);
  SetChecked(IDC_SET_HIDE_REOPEN, values_.hideReOpen);
  SetChecked(IDC_SET_REOPEN_LAST, values_.reOpenLast);
  SetChecked(IDC_SET_MENU_IMAGES, values_.menuImages);
  HWND track = Item(IDC_SET_ICON_TRACK);
  ::SendMessageW(track, TBM_SETRANGE, TRUE, MAKELPARAM(0, kIconCount - 1));
  ::SendMessageW(track, TBM_SETPOS, TRUE, values_.icon);
  ShowIcon(values_.icon);
}

void TSettings::ShowIcon(int position) {
  values_.icon = std::clamp(position, 0, kIconCount - 1);
  iconPreview_.reset(static_cast<HICON>(::LoadImageW(::GetModuleHandleW(nullptr),
                                                     MAKEINTRESOURCEW(IDI_APP_BASE + values_.icon), IMAGE_ICON, 32,
                                                     32, 0)));
  ::SendMessageW(Item(IDC_SET_ICON), STM_SETICON, reinterpret_cast<WPARAM>(iconPreview_.get()), 0);
}

void TSettings::Click(int id) {
  HWND button = Item(id);
  if (!button) return;
  LONG type = ::GetWindowLongW(button, GWL_STYLE) & BS_TYPEMASK;
  if (type == BS_AUTORADIOBUTTON) {
    // A click on a radio button unchecks the others of its group. The group is walked
    // by hand: the system's walk skips the controls of the pages not shown.
    HWND first = button;
    while (!(::GetWindowLongW(first, GWL_STYLE) & WS_GROUP) && ::GetWindow(first, GW_HWNDPREV))
      first = ::GetWindow(first, GW_HWNDPREV);
    for (HWND other = first; other; other = ::GetWindow(other, GW_HWNDNEXT)) {
      LONG style = ::GetWindowLongW(other, GWL_STYLE);
      if (other != first && (style & WS_GROUP)) break;
      if ((style & BS_TYPEMASK) == BS_AUTORADIOBUTTON)
        ::SendMessageW(other, BM_SETCHECK, other == button ? BST_CHECKED : BST_UNCHECKED, 0);
    }
  } else if (type == BS_AUTOCHECKBOX) {
    ::SendMessageW(button, BM_SETCHECK, Checked(id) ? BST_UNCHECKED : BST_CHECKED, 0);
  }
  ::SendMessageW(hwnd(), WM_COMMAND, MAKEWPARAM(id, BN_CLICKED), reinterpret_cast<LPARAM>(button));
}

bool TSettings::OnCommand(int id, int code, HWND control) {
  if (id == IDC_SET_HELP) {
    frame_.ShowHelpTopic(HelpContext(CurrentPage()));
    return true;
  }
  if (OnToolBarCommand(id, code) || OnFileTypeCommand(id, code)) return true;
  if (code != BN_CLICKED && id != IDC_SET_UNITS) return win::Dialog::OnCommand(id, code, control);
  switch (id) {
    case IDC_SET_TABSTYLE_TABS:
    case IDC_SET_TABSTYLE_BUTTONS:
      TabStyleChosen();
      return true;
    case IDC_SET_TABS_WRAP:
    case IDC_SET_TABS_IMAGES:
      tabsChanged_ = true;
      return true;
    case IDC_SET_SIDEBAR_COLOR:
      PickSampleColor(values_.sideBarBackground);
      ApplySideBarSample();
      return true;
    case IDC_SET_SIDEBAR_FONT:
      PickSampleFont(values_.sideBarFont);
      ApplySideBarSample();
      return true;
    case IDC_SET_UNITS:
      if (code == CBN_SELCHANGE) {
        values_.rulerUnits = static_cast<int>(::SendMessageW(Item(IDC_SET_UNITS), CB_GETCURSEL, 0, 0)) == 1 ? 1 : 0;
        DrawRulerPicture();
      }
      return true;
    case IDC_SET_RULER_COLOR:
      ChangeRulerColor();
      return true;
    case IDC_SET_EDITOR_COLOR:
      PickSampleColor(values_.editorBackground);
      ApplyEditorSample();
      return true;
    case IDC_SET_EDITOR_FONT:
      PickSampleFont(values_.editorFont);
      ApplyEditorSample();
      return true;
    case IDC_SET_WORDWRAP:
      MakeEditorSample(Checked(IDC_SET_WORDWRAP));
      return true;
    case IDC_SET_OPEN_BROWSE:
      BrowseFolder(IDC_SET_OPEN_FOLDER, L"Choose Default File / Open Folder:");
      return true;
    case IDC_SET_SAVE_BROWSE:
      BrowseFolder(IDC_SET_SAVE_FOLDER, L"Choose Default File / Save Folder:");
      return true;
  }
  return win::Dialog::OnCommand(id, code, control);
}

INT_PTR TSettings::OnNotify(NMHDR& header) {
  if (header.idFrom == IDC_SET_TABS && header.code == TCN_SELCHANGE) {
    ShowPage(CurrentPage());
  } else if (header.idFrom == IDC_SET_BUTTONS && header.code == LVN_ITEMCHANGED) {
    ButtonListChanged(reinterpret_cast<NMLISTVIEW&>(header));
  } else if (header.idFrom == IDC_SET_BUTTONS && header.code == NM_RCLICK) {
    ButtonListMenu();
  }
  return 0;
}

bool TSettings::OnMessage(UINT message, WPARAM wParam, LPARAM lParam, INT_PTR& result) {
  switch (message) {
    case WM_HSCROLL:
      if (reinterpret_cast<HWND>(lParam) != Item(IDC_SET_ICON_TRACK)) return false;
      ShowIcon(static_cast<int>(::SendMessageW(Item(IDC_SET_ICON_TRACK), TBM_GETPOS, 0, 0)));
      result = 0;
      return true;
    case WM_DRAWITEM: {
      auto* item = reinterpret_cast<DRAWITEMSTRUCT*>(lParam);
      if (item->CtlID != IDC_SET_RULER_PICTURE || !rulerPicture_) return false;
      win::UniqueMemoryDc memory(::CreateCompatibleDC(item->hDC));
      win::SelectGuard picture(memory.get(), rulerPicture_.get());
      ::BitBlt(item->hDC, 0, 0, item->rcItem.right, item->rcItem.bottom, memory.get(), 0, 0, SRCCOPY);
      result = TRUE;
      return true;
    }
    case WM_CTLCOLORSTATIC: {
      HDC dc = reinterpret_cast<HDC>(wParam);
      if (reinterpret_cast<HWND>(lParam) == Item(IDC_SET_EDITOR_SAMPLE)) {
        // The read-only sample shows the colours new documents will have.
        ::SetTextColor(dc, config::ResolveColor(values_.editorFont.color, [](int i) {
                         return static_cast<std::uint32_t>(::GetSysColor(i));
                       }));
        ::SetBkColor(dc, config::ResolveColor(values_.editorBackground, [](int i) {
                       return static_cast<std::uint32_t>(::GetSysColor(i));
                     }));
        result = reinterpret_cast<INT_PTR>(editorBrush_.get());
        return true;
      }
      ::SetBkMode(dc, TRANSPARENT);
      result = reinterpret_cast<INT_PTR>(pageBrush_.get());
      return true;
    }
    case WM_CTLCOLORBTN:
      result = reinterpret_cast<INT_PTR>(pageBrush_.get());
      return true;
  }
  return false;
}

void TSettings::ReadControls() {
  values_.toolBarMask = toolBar_.mask();
  values_.toolBarWrap = toolBar_.wrap();
  values_.dropDownMenusDisabled = toolBar_.dropDownMenusDisabled();
  values_.tabButtons = Checked(IDC_SET_TABSTYLE_BUTTONS);
  values_.tabsBelow = !values_.tabButtons && Checked(IDC_SET_TABS_BELOW);
  values_.tabsWrap = Checked(IDC_SET_TABS_WRAP);
  values_.tabImages = Checked(IDC_SET_TABS_IMAGES);
  values_.sideBarRight = Checked(IDC_SET_SIDE_RIGHT);
  values_.wordWrap = Checked(IDC_SET_WORDWRAP);
  values_.playSounds = Checked(IDC_SET_SOUNDS);
  values_.fileTypes = fileTypes_.entries();
  values_.openFolder = Text(IDC_SET_OPEN_FOLDER);
  values_.saveFolder = Text(IDC_SET_SAVE_FOLDER);
  values_.twelveHourClock = Checked(IDC_SET_TIME_12);
  values_.monthFirstDate = Checked(IDC_SET_DATE_MDY);
  values_.systemTray = Checked(IDC_SET_TRAY);
  values_.multipleInstances = Checked(IDC_SET_MULTIPLE);
  values_.splash = Checked(IDC_SET_SPLASH);
  values_.hideReOpen = Checked(IDC_SET_HIDE_REOPEN);
  values_.reOpenLast = Checked(IDC_SET_REOPEN_LAST);
  values_.menuImages = Checked(IDC_SET_MENU_IMAGES);
}

void TSettings::OnOK() {
  StoreFileTypeFields();
  ReadControls();
  host_.ApplySettingsAtOnce(values_);
  WriteSettings(frame_.Profile(), values_);
  ShowTrayNotice();
  End(IDOK);
}

void TSettings::ShowTrayNotice() {
  const wchar_t* text = nullptr;
  if (window_.trayMode && !values_.systemTray)
    text = L"The next time you start Tarnwick,\na normal Taskbar icon will be used.";
  else if (!window_.trayMode && values_.systemTray)
    text = L"The next time you start Tarnwick,\na System Tray icon will be used.";
  if (!text) return;
  win::MessageRequest notice{hwnd(), text};
  notice.icon = win::Icon::Information;
  frame_.Prompter().Message(notice);
}

}  // namespace dialogs
