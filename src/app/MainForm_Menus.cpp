// Menus, accelerators and the dispatch of commands.
#include <map>
#include <vector>

#include "app/MainForm.h"
#include "app/resource.h"
#include "chrome/ImageStrip_win.h"
#include "config/Keys.h"

namespace app {
namespace keys = config::keys;

namespace {

std::wstring ItemCaption(const Command& command) {
  std::wstring caption = command.caption;
  std::wstring shortcut = ShortcutText(command.shortcut);
  if (command.id == TrayPopupMenuClose) shortcut = L"Alt+F4";
  if (!shortcut.empty()) caption += L"\t" + shortcut;
  return caption;
}

void AppendItem(HMENU menu, unsigned id, const std::wstring& caption, HMENU submenu) {
  MENUITEMINFOW info{};
  info.cbSize = sizeof(info);
  info.fMask = MIIM_ID | MIIM_STRING | MIIM_FTYPE | (submenu ? MIIM_SUBMENU : 0);
  info.fType = MFT_STRING;
  info.wID = id;
  info.hSubMenu = submenu;
  info.dwTypeData = const_cast<wchar_t*>(caption.c_str());
  ::InsertMenuItemW(menu, ::GetMenuItemCount(menu), TRUE, &info);
}

}  // namespace

HMENU TMainForm::BuildMenu(const MenuLine* lines, size_t count, size_t& index, int depth, TopMenu top) {
  HMENU menu = ::CreatePopupMenu();
  while (index < count && lines[index].depth == depth) {
    const MenuLine& line = lines[index++];
    if (line.id == 0) {
      ::AppendMenuW(menu, MF_SEPARATOR, 0, nullptr);
      continue;
    }
    const Command* command = FindCommand(line.id);
    HMENU submenu = nullptr;
    if (index < count && lines[index].depth > depth) submenu = BuildMenu(lines, count, index, depth + 1, top);
    ownerMenus_[line.id] = top;
    AppendItem(menu, line.id, command ? ItemCaption(*command) : L"", submenu);
  }
  return menu;
}

void TMainForm::BuildMenus() {
  menuBar_ = ::CreateMenu();
  MenuLayout layout = MainMenuLayout();
  size_t index = 0;
  while (index < layout.count) {
    auto top = static_cast<TopMenu>(layout.lines[index++].id);
    HMENU popup = BuildMenu(layout.lines, layout.count, index, 1, top);
    topMenus_[top] = popup;
    AppendItem(menuBar_, top, TopMenuCaption(top), popup);
  }
  menuImages_ = profile().Read(keys::MenuImages);
  for (unsigned top = kFileMenu; top <= kHelpMenu; ++top) SetCommandImages(topMenus_[top]);
  ::SetMenu(hwnd(), menuBar_);
  MENUITEMINFOW reopen{};
  reopen.cbSize = sizeof(reopen);
  reopen.fMask = MIIM_SUBMENU;
  ::GetMenuItemInfoW(topMenus_[kFileMenu], FileMenuReOpen, FALSE, &reopen);
  reopenMenu_ = reopen.hSubMenu;

  for (TopMenu popupMenu : {kTabMenu, kEditorPopup, kTrayMenu}) {
    MenuLayout popupLayout = PopupLayout(popupMenu);
    size_t at = 0;
    HMENU popup = BuildMenu(popupLayout.lines, popupLayout.count, at, 0, popupMenu);
    topMenus_[popupMenu] = popup;
  }
  tabMenu_.reset(topMenus_[kTabMenu]);
  editorPopup_.reset(topMenus_[kEditorPopup]);
  trayMenu_.reset(topMenus_[kTrayMenu]);
}

HMENU TMainForm::MenuOf(TopMenu menu) const { return topMenus_[menu]; }

void TMainForm::BuildAccelerators() {
  std::vector<ACCEL> table;
  for (const Command* command = CommandsBegin(); command != CommandsEnd(); ++command) {
    if (!command->shortcut.virtualKey) continue;
    ACCEL accel{};
    accel.fVirt = static_cast<BYTE>(FVIRTKEY | command->shortcut.modifiers);
    accel.key = command->shortcut.virtualKey;
    accel.cmd = static_cast<WORD>(command->id);
    table.push_back(accel);
  }
  accelerators_ = ::CreateAcceleratorTableW(table.data(), static_cast<int>(table.size()));
}

HACCEL TMainForm::Accelerators() const { return accelerators_; }

void TMainForm::EnableItem(unsigned id, bool enabled) {
  auto owner = ownerMenus_.find(id);
  HMENU menu = owner != ownerMenus_.end() ? topMenus_[owner->second] : menuBar_;
  ::EnableMenuItem(menu, id, MF_BYCOMMAND | (enabled ? MF_ENABLED : MF_GRAYED));
}

void TMainForm::CheckItem(unsigned id, bool checked) {
  auto owner = ownerMenus_.find(id);
  HMENU menu = owner != ownerMenus_.end() ? topMenus_[owner->second] : menuBar_;
  ::CheckMenuItem(menu, id, MF_BYCOMMAND | (checked ? MF_CHECKED : MF_UNCHECKED));
}

// Commands that are not available yet stay disabled wherever they show.
void TMainForm::DisableUnavailable(HMENU menu) {
  for (int i = 0, count = ::GetMenuItemCount(menu); i < count; ++i) {
    MENUITEMINFOW info{};
    info.cbSize = sizeof(info);
    info.fMask = MIIM_ID | MIIM_SUBMENU | MIIM_FTYPE;
    if (!::GetMenuItemInfoW(menu, static_cast<UINT>(i), TRUE, &info) || (info.fType & MFT_SEPARATOR)) continue;
    if (info.hSubMenu) {
      DisableUnavailable(info.hSubMenu);
      continue;
    }
    const Command* command = FindCommand(info.wID);
    if (command && !command->handler) ::EnableMenuItem(menu, static_cast<UINT>(i), MF_BYPOSITION | MF_GRAYED);
  }
}

void TMainForm::RefreshMenu(TopMenu menu) {
  switch (menu) {
    case kFileMenu: FileMenuClick(); break;
    case kEditMenu: EditMenuClick(); break;
    case kSearchMenu: SearchMenuClick(); break;
    case kFormatMenu: FormatMenuClick(); break;
    case kDocumentMenu: DocumentMenuClick(); break;
    case kFavoritesMenu: FavoritesMenuClick(); break;
    case kViewMenu: ViewMenuClick(); break;
    case kHelpMenu: HelpMenuClick(); break;
    case kTabMenu: TabPopupMenuPopup(); break;
    case kEditorPopup: PopupMenuPopup(); break;
    case kTrayMenu: TrayPopupMenuPopup(); break;
  }
  if (topMenus_[menu]) DisableUnavailable(topMenus_[menu]);
}

void TMainForm::OnInitMenuPopup(HMENU menu) {
  for (unsigned top = kFileMenu; top <= kHelpMenu; ++top)
    if (topMenus_[top] == menu) RefreshMenu(static_cast<TopMenu>(top));
}

bool TMainForm::IsCommandEnabled(unsigned id) {
  auto owner = ownerMenus_.find(id);
  if (owner == ownerMenus_.end()) return false;
  RefreshMenu(owner->second);
  UINT state = ::GetMenuState(topMenus_[owner->second], id, MF_BYCOMMAND);
  return state != static_cast<UINT>(-1) && !(state & (MF_GRAYED | MF_DISABLED));
}

bool TMainForm::IsCommandChecked(unsigned id) {
  auto owner = ownerMenus_.find(id);
  if (owner == ownerMenus_.end()) return false;
  UINT state = ::GetMenuState(topMenus_[owner->second], id, MF_BYCOMMAND);
  return state != static_cast<UINT>(-1) && (state & MF_CHECKED);
}

bool TMainForm::RunCommand(unsigned id, Sender::Kind kind, int tag) {
  return Execute(id, kind, tag, kind != Sender::Kind::ToolButton && kind != Sender::Kind::Code);
}

bool TMainForm::Execute(unsigned id, Sender::Kind kind, int tag, bool refreshFirst) {
  Sender sender{id, kind, tag};
  ModalScope scope(*this);
  try {
    if (RunDynamicItem(sender)) return true;
    if (refreshFirst && !IsCommandEnabled(id)) return false;
    const Command* command = FindCommand(id);
    if (!command || !command->handler) return false;
    (this->*(command->handler))(sender);
  } catch (const std::exception& error) {
    // The program's top-level error display; the message loop goes on.
    win::ReportException(error);
  }
  return true;
}

void TMainForm::OnCommand(unsigned id, unsigned code, HWND control) {
  if (control && control != toolBar_) {
    OnControlCommand(id, code, control);
    return;
  }
  if (control == toolBar_) {
    const Command* command = FindCommand(id);
    Execute(id, Sender::Kind::ToolButton, command ? command->toolbarTag : -1, false);
    return;
  }
  if (code == 1) {
    Execute(id, Sender::Kind::Accelerator, -1, true);
    return;
  }
  // A menu item: its menu was refreshed when it opened.
  auto owner = ownerMenus_.find(id);
  if (owner != ownerMenus_.end()) {
    UINT state = ::GetMenuState(topMenus_[owner->second], id, MF_BYCOMMAND);
    if (state != static_cast<UINT>(-1) && (state & (MF_GRAYED | MF_DISABLED))) return;
  }
  Execute(id, Sender::Kind::Menu, -1, false);
}

void TMainForm::OnMenuSelect(unsigned item, unsigned flags, HMENU menu) {
  if (!statusBarHints_) return;
  if (flags == 0xFFFF && !menu) {
    ShowHint(L"");
    return;
  }
  std::wstring hint;
  if (!(flags & MF_POPUP) && !(flags & MF_SEPARATOR)) {
    if (const Command* command = FindCommand(item)) hint = command->hint;
    if (item == EditMenuInsertSymbol && insertSymbolForAll_) hint = L"Insert different characters into a document.";
    hint = DynamicItemHint(item, hint);
  }
  ShowHint(hint);
}

void TMainForm::ShowHint(const std::wstring& hint) { SetStatusText(3, hint); }

void TMainForm::SearchMenuClick() {}
void TMainForm::DocumentMenuClick() {}
void TMainForm::FavoritesMenuClick() {}
void TMainForm::TabPopupMenuPopup() {
  bool hasFile = Active().hasFile;
  for (unsigned id : {TabMenuDelete, TabMenuCopy, TabMenuMove}) EnableItem(id, hasFile);
}

bool TMainForm::RunDynamicItem(const Sender& sender) {
  unsigned id = sender.command;
  if (id >= ReopenMenuFirstFile && id <= ReopenMenuLastFile) {
    LoadFavorite(sender);
    return true;
  }
  if (id >= NewMenuFirstItem && id <= NewMenuLastItem) {
    size_t item = id - NewMenuFirstItem;
    Sender itemSender = sender;
    itemSender.tag = item < newMenuTags_.size() ? newMenuTags_[item] : 0;
    if (newMenuShowsTypes_)
      NewMenuClick(itemSender);
    else
      FolderHistoryClick(itemSender);
    return true;
  }
  return false;
}

std::wstring TMainForm::DynamicItemHint(unsigned id, const std::wstring& fallback) {
  if (id >= ReopenMenuFirstFile && id <= ReopenMenuLastFile) {
    size_t k = id - ReopenMenuFirstFile;
    return k < reopenHints_.size() ? reopenHints_[k] : std::wstring();
  }
  if (id >= NewMenuFirstItem && id <= NewMenuLastItem) {
    size_t item = id - NewMenuFirstItem;
    return item < newMenuHints_.size() ? newMenuHints_[item] : std::wstring();
  }
  return fallback;
}

void TMainForm::OnControlCommand(unsigned, unsigned code, HWND control) {
  int slot = workspace::EditorTag(control);
  if (slot < 0) return;
  auto* documentSlot = Slot(slot);
  if (code == EN_CHANGE && documentSlot && documentSlot->changeAttached) MemoChange(slot);
}

LRESULT TMainForm::OnNotify(NMHDR& header) {
  if (header.hwndFrom == toolBar_) return OnToolBarNotify(header);
  if (header.code == TTN_GETDISPINFOW && ::GetParent(header.hwndFrom) == toolBar_) return OnToolTip(header);
  if (header.hwndFrom == pageControl_) {
    if (header.code == TCN_SELCHANGE) {
      PageControlChange();
      FocusActiveEditor();
    }
    return 0;
  }
  if (header.hwndFrom == statusBar_ && header.code == NM_DBLCLK) {
    RunCommand(SearchMenuFind);
    return 0;
  }
  if (header.code == EN_SELCHANGE && workspace::EditorTag(header.hwndFrom) == ActiveSlot) {
    MemoSelectionChange();
    return 0;
  }
  return 0;
}

namespace {
// Menu pictures are drawn by the window itself (HBMMENU_CALLBACK): the item's data
// names the picture, a tool-bar image by its tag or a menu picture from kMenuPicture on.
constexpr ULONG_PTR kMenuPicture = 1000;

void SetItemPicture(HMENU menu, UINT item, BOOL byPosition, ULONG_PTR picture) {
  MENUITEMINFOW info{};
  info.cbSize = sizeof(info);
  info.fMask = MIIM_BITMAP | MIIM_DATA;
  info.hbmpItem = HBMMENU_CALLBACK;
  info.dwItemData = picture + 1;  // 0 means no picture
  ::SetMenuItemInfoW(menu, item, byPosition, &info);
}
}  // namespace

void TMainForm::SetMenuImage(HMENU menu, unsigned id, int image) {
  if (!menuImages_) return;
  SetItemPicture(menu, id, FALSE, kMenuPicture + static_cast<ULONG_PTR>(image));
}

void TMainForm::SetCommandImages(HMENU menu) {
  if (!menuImages_) return;
  for (int i = 0, count = ::GetMenuItemCount(menu); i < count; ++i) {
    MENUITEMINFOW info{};
    info.cbSize = sizeof(info);
    info.fMask = MIIM_ID | MIIM_SUBMENU;
    if (!::GetMenuItemInfoW(menu, static_cast<UINT>(i), TRUE, &info)) continue;
    if (info.hSubMenu) {
      SetCommandImages(info.hSubMenu);
      continue;
    }
    const Command* command = FindCommand(info.wID);
    if (command && command->toolbarTag >= 0)
      SetItemPicture(menu, static_cast<UINT>(i), TRUE, static_cast<ULONG_PTR>(command->toolbarTag));
  }
}

bool TMainForm::MeasureMenuPicture(MEASUREITEMSTRUCT& item) {
  if (item.CtlType != ODT_MENU || item.itemData == 0) return false;
  item.itemWidth = 18;  // a little room between the picture and the caption
  item.itemHeight = 16;
  return true;
}

bool TMainForm::DrawMenuPicture(const DRAWITEMSTRUCT& item) {
  if (item.CtlType != ODT_MENU || item.itemData == 0) return false;
  ULONG_PTR picture = item.itemData - 1;
  HIMAGELIST list = toolImages_.get();
  int index = static_cast<int>(picture);
  if (picture >= kMenuPicture) {
    if (!menuImageList_) menuImageList_.reset(chrome::LoadImageStrip(IDB_MENU_IMAGES));
    list = menuImageList_.get();
    index = static_cast<int>(picture - kMenuPicture);
  }
  if (!list) return false;
  int top = item.rcItem.top + (item.rcItem.bottom - item.rcItem.top - 16) / 2;
  UINT style = ILD_TRANSPARENT | ((item.itemState & ODS_GRAYED) ? ILD_BLEND50 : 0);
  ::ImageList_Draw(list, index, item.hDC, item.rcItem.left, top, style);
  return true;
}

}  // namespace app
