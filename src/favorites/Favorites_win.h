#pragma once
// The Favorites menu and Favorites > Add: the store Favorites.dat in the program
// folder, the menu built from it, and opening a favorite.
#include <windows.h>

#include <functional>
#include <string>
#include <vector>

#include "command/Command.h"
#include "favorites/FavoritesEditor_win.h"
#include "favorites/FavoritesStore.h"
#include "workspace/DocumentHost.h"
#include "workspace/Frame.h"

namespace favorites {

class Favorites {
 public:
  using Sender = command::Sender;
  Favorites(workspace::Frame& frame, workspace::DocumentHost& documents, command::Registry& commands);
  Favorites(const Favorites&) = delete;
  Favorites& operator=(const Favorites&) = delete;

  // The menus the store's title names: the Favorites menu (its first three items stay)
  // on the menu bar, and View > Side Bar's favorites item in `viewMenu`.
  void SetMenus(HMENU menuBar, HMENU favoritesMenu, HMENU viewMenu);
  // Menu pictures: a menu item shows a picture of the menu strip.
  std::function<void(HMENU menu, unsigned id, int picture)> setMenuPicture;
  // Reads the store (writing the default one when it is missing) and builds the menu.
  void BuildFavoritesMenu();
  // Runs a favorite of the menu; false when `sender` is none of them.
  bool RunDynamicItem(const Sender& sender);
  // The hint of such an item (its path), or `fallback`.
  std::wstring DynamicItemHint(unsigned id, const std::wstring& fallback) const;

  // Fired whenever Favorites.dat has been written (made, added to, saved by the
  // editor), for views of the store other than the menu.
  std::function<void()> onStoreChanged;

  void FavoritesMenuAddClick(const Sender&);
  // Shows the favorites editor; it saves the store when it closes, and the menu is
  // built again from it.
  void FavoritesMenuEditClick(const Sender&);
  void LoadFavorite(const std::wstring& path);

 private:
  std::wstring StorePath() const;
  void StoreChanged();
  TFavoritesEditor::Options EditorOptions(const std::wstring& storePath);
  void Warn(const std::wstring& text);
  void ClearMenu();

  workspace::Frame& frame_;
  workspace::DocumentHost& documents_;
  command::Registry& commands_;
  HMENU menuBar_ = nullptr, menu_ = nullptr, viewMenu_ = nullptr;
  std::vector<std::wstring> paths_;  // by item: FavoritesFirstItem + index
  std::wstring addHint_, editHint_, sideBarHint_;
};

}  // namespace favorites
