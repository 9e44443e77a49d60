#include "favorites/Favorites_win.h"

#include "config/Keys.h"
#include "favorites/FavoritesEditor_win.h"
#include "favorites/FavoritesMenuModel.h"
#include "favorites/FavoritesTree.h"
#include "favorites/StoreFile_win.h"
#include "win/Encoding.h"
#include "win/Handles.h"
#include "win/Text.h"

namespace favorites {
using namespace command;

namespace {

void SetItemText(HMENU menu, UINT item, BOOL byPosition, const std::wstring& text) {
  MENUITEMINFOW info{};
  info.cbSize = sizeof(info);
  info.fMask = MIIM_STRING;
  info.dwTypeData = const_cast<wchar_t*>(text.c_str());
  ::SetMenuItemInfoW(menu, item, byPosition, &info);
}

}  // namespace

Favorites::Favorites(workspace::Frame& frame, workspace::DocumentHost& documents, Registry& commands)
    : frame_(frame), documents_(documents), commands_(commands) {
  commands.Add({
      {FavoritesMenuAdd, L"FavoritesMenuAdd", L"&Add to Favorites", Ctrl('D'), L"Add the document to the Favorites.", 47,
       Bind(this, &Favorites::FavoritesMenuAddClick)},
      {FavoritesMenuEdit, L"FavoritesMenuEdit", L"&Edit Favorites...", {}, L"Edit the list of Favorites.", 48,
       Bind(this, &Favorites::FavoritesMenuEditClick)},
  });
  // The hints follow the store's title.
  commands.SetHint(FavoritesMenuAdd, [this] { return addHint_.empty() ? nullptr : addHint_.c_str(); });
  commands.SetHint(FavoritesMenuEdit, [this] { return editHint_.empty() ? nullptr : editHint_.c_str(); });
}

void Favorites::SetMenus(HMENU menuBar, HMENU favoritesMenu, HMENU viewMenu) {
  menuBar_ = menuBar;
  menu_ = favoritesMenu;
  viewMenu_ = viewMenu;
  // The side bar's row belongs to the side bar; its hint follows the store's title.
  commands_.SetHint(ViewMenuFavorites, [this] { return sideBarHint_.empty() ? nullptr : sideBarHint_.c_str(); });
}

std::wstring Favorites::StorePath() const { return frame_.Paths().programFolder + kStoreFileName; }

void Favorites::Warn(const std::wstring& text) {
  win::MessageRequest warning{frame_.Window(), text};
  warning.icon = win::Icon::Warning;
  frame_.Prompter().Message(warning);
}

void Favorites::ClearMenu() {
  // Add and Edit stay, and the separator under them.
  while (::GetMenuItemCount(menu_) > 2) ::DeleteMenu(menu_, 2, MF_BYPOSITION);
  ::AppendMenuW(menu_, MF_SEPARATOR, 0, nullptr);
  paths_.clear();
}

void Favorites::BuildFavoritesMenu() {
  if (!menu_) return;
  ClearMenu();
  std::wstring path = StorePath();
  std::optional<std::string> bytes = ReadStoreFile(path);
  if (!bytes) {
    if (::GetFileAttributesW(path.c_str()) == INVALID_FILE_ATTRIBUTES) {
      bytes = DefaultStoreBytes();
      if (!WriteStoreFile(path, *bytes, CREATE_NEW)) {
        Warn(kCannotCreateMessage);
        return;
      }
      StoreChanged();
    } else {
      Warn(kCannotOpenMessage);
      return;
    }
  }
  ReadResult read = ReadStore(*bytes);
  if (read.check != StoreCheck::Ok) {
    Warn(kFormatChangedMessage);
    return;
  }
  CodePage codePage = SystemCodePage();
  FavoritesMenu model = BuildMenuModel(Tree::FromStore(read.store, codePage));
  addHint_ = model.addHint;
  editHint_ = model.editHint;
  sideBarHint_ = model.sideBarHint;
  SetItemText(menu_, FavoritesMenuAdd, FALSE, model.addCaption + L"\t" + ShortcutText(Ctrl('D')));
  SetItemText(menu_, FavoritesMenuEdit, FALSE, model.editCaption);
  if (viewMenu_) SetItemText(viewMenu_, ViewMenuFavorites, FALSE, win::EscapeAmpersands(model.sideBarCaption));
  if (menuBar_) SetItemText(menuBar_, kFavoritesMenu, FALSE, model.menuCaption);
  // The separator under Add and Edit would otherwise stand last.
  if (!model.separatorShown) ::DeleteMenu(menu_, 2, MF_BYPOSITION);
  std::function<void(HMENU, const std::vector<MenuEntry>&)> add = [&](HMENU into, const std::vector<MenuEntry>& entries) {
    for (const MenuEntry& entry : entries) {
      if (entry.kind == MenuEntryKind::Separator) {
        ::AppendMenuW(into, MF_SEPARATOR, 0, nullptr);
        continue;
      }
      if (paths_.size() > FavoritesLastItem - FavoritesFirstItem) return;
      auto id = static_cast<unsigned>(FavoritesFirstItem + paths_.size());
      paths_.push_back(entry.kind == MenuEntryKind::Favorite ? entry.hint : std::wstring());
      if (entry.kind == MenuEntryKind::Folder) {
        HMENU submenu = ::CreatePopupMenu();
        add(submenu, entry.children);
        ::AppendMenuW(into, MF_POPUP, reinterpret_cast<UINT_PTR>(submenu), entry.caption.c_str());
        MENUITEMINFOW info{};
        info.cbSize = sizeof(info);
        info.fMask = MIIM_ID;
        info.wID = id;
        ::SetMenuItemInfoW(into, static_cast<UINT>(::GetMenuItemCount(into) - 1), TRUE, &info);
      } else {
        ::AppendMenuW(into, MF_STRING | (entry.enabled ? 0 : MF_GRAYED), id, entry.caption.c_str());
      }
      if (entry.image != kMenuNoImage && setMenuPicture) setMenuPicture(into, id, entry.image);
    }
  };
  add(menu_, model.entries);
  ::DrawMenuBar(frame_.Window());
}

bool Favorites::RunDynamicItem(const Sender& sender) {
  if (sender.command < FavoritesFirstItem || sender.command > FavoritesLastItem) return false;
  size_t index = sender.command - FavoritesFirstItem;
  if (index < paths_.size() && !paths_[index].empty()) LoadFavorite(paths_[index]);
  return true;
}

std::wstring Favorites::DynamicItemHint(unsigned id, const std::wstring& fallback) const {
  if (id < FavoritesFirstItem || id > FavoritesLastItem) return fallback;
  size_t index = id - FavoritesFirstItem;
  return index < paths_.size() ? paths_[index] : std::wstring();
}

void Favorites::LoadFavorite(const std::wstring& path) { documents_.OpenFromList(path); }

void Favorites::FavoritesMenuAddClick(const Sender&) {
  std::wstring path = StorePath();
  // The store is never made here: a missing one is a store that cannot be opened.
  std::optional<std::string> bytes = ReadStoreFile(path);
  if (!bytes) {
    Warn(kCannotOpenMessage);
    return;
  }
  AddResult added = AddFavorite(*bytes, documents_.Active().fileName, SystemCodePage());
  switch (added.outcome) {
    case AddOutcome::ForeignFile:
      Warn(kFormatChangedMessage);
      return;
    case AddOutcome::PathTooLong:
      Warn(win::Fill(kPathTooLongMessage, {documents_.Active().fileName}));
      return;
    case AddOutcome::StoreFull:
      Warn(kStoreFullMessage);
      return;
    case AddOutcome::Replaced:
    case AddOutcome::Appended:
      break;
  }
  // Written beside the store and moved over it: a failed write leaves the old favorites.
  if (!ReplaceStoreFile(path, added.bytes)) {
    Warn(kCannotOpenMessage);
    return;
  }
  BuildFavoritesMenu();
  StoreChanged();
}

void Favorites::StoreChanged() {
  if (onStoreChanged) onStoreChanged();
}

TFavoritesEditor::Options Favorites::EditorOptions(const std::wstring& storePath) {
  namespace keys = config::keys;
  config::Profile& profile = frame_.Profile();
  HWND mainWindow = frame_.Window();
  RECT main{};
  ::GetWindowRect(mainWindow, &main);
  TFavoritesEditor::Options options;
  options.storePath = storePath;
  options.bounds.left = profile.ReadInt(keys::FELeft.section, keys::FELeft.key, main.left + 16);
  options.bounds.top = profile.ReadInt(keys::FETop.section, keys::FETop.key, main.top + 16);
  options.bounds.right =
      options.bounds.left + profile.ReadInt(keys::FEWidth.section, keys::FEWidth.key, main.right - main.left - 32);
  options.bounds.bottom =
      options.bounds.top + profile.ReadInt(keys::FEHeight.section, keys::FEHeight.key, main.bottom - main.top - 32);
  options.toolBar = profile.Read(keys::FEToolBar);
  options.statusBar = profile.Read(keys::FEStatusBar);
  options.showHints = profile.Read(keys::ShowHints);
  options.openFilter = documents_.OpenFilter();
  options.showAbout = [this, mainWindow] {
    frame_.Run(HelpMenuAbout);
    // The about box gives the main window back its input when it closes.
    ::EnableWindow(mainWindow, FALSE);
  };
  return options;
}

void Favorites::FavoritesMenuEditClick(const Sender&) {
  std::wstring path = StorePath();
  Store store;
  // The editor rewrites the whole store when it closes: a store it could not read,
  // or one of another format, would be lost, so it is not opened on them.
  if (::GetFileAttributesW(path.c_str()) != INVALID_FILE_ATTRIBUTES) {
    std::optional<std::string> bytes = ReadStoreFile(path);
    if (!bytes) {
      Warn(kCannotOpenMessage);
      return;
    }
    ReadResult read = ReadStore(*bytes);
    if (read.check != StoreCheck::Ok) {
      Warn(kFormatChangedMessage);
      return;
    }
    store = std::move(read.store);
  } else {
    store = ReadStore(DefaultStoreBytes()).store;
  }

  HWND mainWindow = frame_.Window();
  TFavoritesEditor::Outcome outcome;
  {
    TFavoritesEditor editor(frame_, EditorOptions(path), store, SystemCodePage());
    outcome = editor.ShowModal(mainWindow);
  }
  namespace keys = config::keys;
  config::Profile& profile = frame_.Profile();
  if (!outcome.maximized) {
    profile.Write(keys::FELeft, outcome.bounds.left);
    profile.Write(keys::FETop, outcome.bounds.top);
    profile.Write(keys::FEWidth, outcome.bounds.right - outcome.bounds.left);
    profile.Write(keys::FEHeight, outcome.bounds.bottom - outcome.bounds.top);
  }
  profile.Write(keys::FEToolBar, outcome.toolBar);
  profile.Write(keys::FEStatusBar, outcome.statusBar);
  BuildFavoritesMenu();
  if (outcome.saved) StoreChanged();
  ::RedrawWindow(mainWindow, nullptr, nullptr, RDW_INVALIDATE | RDW_UPDATENOW | RDW_ALLCHILDREN);
  for (const std::wstring& file : outcome.filesToOpen) LoadFavorite(file);
}

}  // namespace favorites
