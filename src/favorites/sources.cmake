# Sources of this folder: code without windows.h, and the editor's Win32 code.
list(APPEND TWK_PURE_SOURCES
  favorites/FavoritesMenuModel.cpp
  favorites/FavoritesStore.cpp
  favorites/FavoritesTree.cpp
  favorites/FavoritesTreeEdits.cpp
)
list(APPEND TWK_WIN_SOURCES
  favorites/FavProperties_win.cpp
  favorites/FavoritesEditor_win.cpp
  favorites/FavoritesTreeView_win.cpp
  favorites/Favorites_win.cpp
  favorites/StoreFile_win.cpp
)
