#include "favorites/Favorites_win.h"

#include "favorites/FavoritesMenuModel.h"
#include "favorites/FavoritesTree.h"
#include "win/Encoding.h"
#include "win/Handles.h"
#include "win/Text.h"

namespace favorites {
using namespace command;

namespace {

// At most the bytes a store can usefully hold: the reader never looks further.
std::optional<std::string> ReadFileBytes(const std::wstring& path) {
  win::UniqueFile file(::CreateFileW(path.c_str(), GENERIC_READ, FILE_SHARE_READ, nullptr, OPEN_EXISTING,
                                     FILE_ATTRIBUTE_NORMAL, nullptr));
  if (!file) return std::nullopt;
  std::string bytes(kMaxStoreBytes, '\0');
  DWORD got = 0;
  if (!::ReadFile(file.get(), bytes.data(), static_cast<DWORD>(bytes.size()), &got, nullptr)) return std::nullopt;
  bytes.resize(got);
  return bytes;
}

bool WriteFileBytes(const std::wstring& path, const std::string& bytes, DWORD disposition) {
  win::UniqueFile file(::CreateFileW(path.c_str(), GENERIC_WRITE, 0, nullptr, disposition, FILE_ATTRIBUTE_NORMAL,
                                     nullptr));
  if (!file) return false;
  DWORD written = 0;
  return ::WriteFile(file.get(), bytes.data(), static_cast<DWORD>(bytes.size()), &written, nullptr) &&
         written == bytes.size() && ::SetEndOfFile(file.get());
}

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
      // The favorites editor is not built yet: shown, disabled.
      {FavoritesMenuEdit, L"FavoritesMenuEdit", L"&Edit Favorites...", {}, L"Edit the list of Favorites.", 48},
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

CodePage Favorites::SystemCodePage() const {
  return {[](std::string_view bytes) { return win::FromAnsi(bytes); },
          [](std::wstring_view text) { return win::ToAnsi(text); },
          [](std::wstring_view path) { return win::ToAnsiPath(path); }};
}

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
  std::optional<std::string> bytes = ReadFileBytes(path);
  if (!bytes) {
    if (::GetFileAttributesW(path.c_str()) == INVALID_FILE_ATTRIBUTES) {
      bytes = DefaultStoreBytes();
      if (!WriteFileBytes(path, *bytes, CREATE_NEW)) {
        Warn(kCannotCreateMessage);
        return;
      }
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
  std::optional<std::string> bytes = ReadFileBytes(path);
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
  if (!WriteFileBytes(path, added.bytes, OPEN_EXISTING)) {
    Warn(kCannotOpenMessage);
    return;
  }
  BuildFavoritesMenu();
  if (onChanged) onChanged();
}

}  // namespace favorites
