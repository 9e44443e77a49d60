// Menus, accelerators and the dispatch of commands.
#include <map>
#include <vector>

#include "app/MainForm.h"
#include "config/Keys.h"
#include "win/SystemInfo.h"
#include "win/resource.h"

namespace app {
using namespace command;
namespace keys = config::keys;

namespace {

std::wstring ItemCaption(const Row& command) {
  std::wstring caption = command.caption;
  std::wstring shortcut = ShortcutText(command.shortcut);
  if (!shortcut.empty()) caption += L"\t" + shortcut;
  return caption;
}

void RemoveItemAndSeparator(HMENU menu, unsigned id) {
  int position = -1;
  for (int i = 0, count = ::GetMenuItemCount(menu); i < count; ++i)
    if (::GetMenuItemID(menu, i) == id) position = i;
  if (position < 0) return;
  ::DeleteMenu(menu, id, MF_BYCOMMAND);
  ::DeleteMenu(menu, static_cast<UINT>(position), MF_BYPOSITION);  // its separator
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
  ::SetMenuContextHelpId(menu, static_cast<DWORD>(MenuHelpTopic(top)));
  while (index < count && lines[index].depth == depth) {
    const MenuLine& line = lines[index++];
    if (line.id == 0) {
      ::AppendMenuW(menu, MF_SEPARATOR, 0, nullptr);
      continue;
    }
    const Row* command = commands_.Find(line.id);
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
  menuPictures_.SetShown(profile().Read(keys::MenuImages));
  for (unsigned top = kFileMenu; top <= kHelpMenu; ++top) menuPictures_.SetCommandPictures(topMenus_[top]);
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
  // The system notepad of the NT family is guarded by the system: the Notepad Center
  // is offered on the other systems only.
  if (win::IsNtPlatform()) RemoveItemAndSeparator(topMenus_[kHelpMenu], HelpMenuNotepadCenter);
}

void TMainForm::BuildAccelerators() {
  std::vector<ACCEL> table;
  for (const Row& command : commands_.Rows()) {
    if (!command.shortcut.virtualKey || command.systemShortcut) continue;
    ACCEL accel{};
    accel.fVirt = static_cast<BYTE>(FVIRTKEY | command.shortcut.modifiers);
    accel.key = command.shortcut.virtualKey;
    accel.cmd = static_cast<WORD>(command.id);
    table.push_back(accel);
  }
  accelerators_ = ::CreateAcceleratorTableW(table.data(), static_cast<int>(table.size()));
}

// Every item of a menu and its submenus takes its command's enabled and checked state.
void TMainForm::RefreshItems(HMENU menu) {
  for (int i = 0, count = ::GetMenuItemCount(menu); i < count; ++i) {
    MENUITEMINFOW info{};
    info.cbSize = sizeof(info);
    info.fMask = MIIM_ID | MIIM_SUBMENU | MIIM_FTYPE;
    if (!::GetMenuItemInfoW(menu, static_cast<UINT>(i), TRUE, &info) || (info.fType & MFT_SEPARATOR)) continue;
    if (info.hSubMenu) {
      RefreshItems(info.hSubMenu);
      continue;
    }
    if (!commands_.Find(info.wID)) continue;  // the items of the Re-Open and New lists
    auto position = static_cast<UINT>(i);
    ::EnableMenuItem(menu, position, MF_BYPOSITION | (commands_.Enabled(info.wID) ? MF_ENABLED : MF_GRAYED));
    ::CheckMenuItem(menu, position, MF_BYPOSITION | (commands_.Checked(info.wID) ? MF_CHECKED : MF_UNCHECKED));
  }
}

void TMainForm::RefreshMenu(TopMenu menu) {
  if (menu == kFileMenu) documents_.FileMenuClick(topMenus_[kFileMenu], reopenMenu_);
  if (menu == kTrayMenu) tray_.TrayPopupMenuPopup(topMenus_[kTrayMenu]);
  if (topMenus_[menu] && documents_.Slot(documents_.ActiveSlot)) RefreshItems(topMenus_[menu]);
}

void TMainForm::CommandStatesChanged() {
  // The rules look at the active document; between closing the last one and making
  // the next there is none.
  if (!documents_.Slot(documents_.ActiveSlot)) return;
  toolBar_.Refresh();
  formatting_.RefreshBar();
}

void TMainForm::ShowPopupMenu(unsigned menu, POINT screenPoint) {
  if (menu < kTabMenu || menu > kTrayMenu) return;
  RefreshMenu(static_cast<TopMenu>(menu));
  ::TrackPopupMenu(topMenus_[menu], TPM_LEFTALIGN | TPM_RIGHTBUTTON, screenPoint.x, screenPoint.y, 0, hwnd(), nullptr);
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
  RefreshMenu(owner->second);
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
    if (documents_.RunDynamicItem(sender) || favorites_.RunDynamicItem(sender)) return true;
    if (refreshFirst && !IsCommandEnabled(id)) return false;
    const Row* command = commands_.Find(id);
    if (!command || !command->run) return false;
    command->run(sender);
  } catch (const std::exception& error) {
    // The program's top-level error display; the message loop goes on.
    win::ReportException(error);
  }
  if (hwnd()) CommandStatesChanged();
  return true;
}

void TMainForm::OnCommand(unsigned id, unsigned code, HWND control) {
  if (control && control != toolBar_.hwnd()) {
    if (code == EN_CHANGE) {
      int slot = workspace::EditorTag(control);
      workspace::DocumentSlot* document = documents_.Slot(slot);
      if (document && document->changeAttached) documents_.MemoChange(slot);
    }
    return;
  }
  if (control == toolBar_.hwnd()) {
    const Row* command = commands_.Find(id);
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
    hint = favorites_.DynamicItemHint(item, documents_.DynamicItemHint(item, commands_.Hint(item)));
  }
  ShowHint(hint);
}

void TMainForm::ShowHint(const std::wstring& hint) { SetStatusText(3, hint); }

LRESULT TMainForm::OnNotify(NMHDR& header) {
  if (header.hwndFrom == toolBar_.hwnd()) return toolBar_.OnNotify(header);
  if (header.code == TTN_GETDISPINFOW && ::GetParent(header.hwndFrom) == toolBar_.hwnd())
    return toolBar_.OnToolTip(header);
  if (header.hwndFrom == documents_.PageControl()) {
    if (header.code == TCN_SELCHANGE) {
      documents_.PageControlChange();
      documents_.FocusActiveEditor();
    }
    return 0;
  }
  if (header.hwndFrom == statusBar_ && header.code == NM_DBLCLK) {
    RunCommand(SearchMenuFind);
    return 0;
  }
  if (header.code == EN_SELCHANGE && workspace::EditorTag(header.hwndFrom) == documents_.ActiveSlot) {
    documents_.MemoSelectionChange();
    return 0;
  }
  return 0;
}

}  // namespace app
