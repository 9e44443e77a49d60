#pragma once
// What the Favorites menu shows, as plain values the Win32 side turns into menus:
// the captions and hints the store's title gives, and one entry per shown record
// with the submenus of folders. No windows.h here.
#include <string>
#include <string_view>
#include <vector>

#include "favorites/FavoritesTree.h"

namespace favorites {

enum class MenuEntryKind { Favorite, Folder, Separator, Placeholder };

// Pictures of the menu's image list.
inline constexpr int kMenuFolderImage = 0;
inline constexpr int kMenuDocumentImage = 1;
inline constexpr int kMenuNoImage = -1;

struct MenuEntry {
  MenuEntryKind kind = MenuEntryKind::Favorite;
  std::wstring caption;  // ready for the menu: every "&" doubled; "-" for a separator
  std::wstring hint;     // the record's path; a favorite opens it, a folder opens its submenu
  int image = kMenuNoImage;
  bool enabled = true;              // a placeholder is shown disabled
  std::vector<MenuEntry> children;  // a folder's submenu
};

struct FavoritesMenu {
  std::wstring menuCaption;  // the menu bar item: the title with its access key
  std::wstring addCaption, addHint;
  std::wstring editCaption, editHint;
  std::wstring sideBarCaption, sideBarHint;  // View > Side Bar > the favorites view
  // The separator under Add and Edit would stand last when no entry is shown.
  bool separatorShown = false;
  // Separators never stand first, last or next to another one, at any depth.
  std::vector<MenuEntry> entries;
};

FavoritesMenu BuildMenuModel(const Tree& tree);

// The title with "&" before the first character, the last excepted, that is not the
// access key of another main menu (F, E, S, V, O, D, H in either case); unchanged
// when there is none. The title's own ampersands show literally, and neither an
// ampersand nor a blank is chosen (Alt+Space opens the window menu).
std::wstring MenuAccessCaption(std::wstring_view title);

}  // namespace favorites
