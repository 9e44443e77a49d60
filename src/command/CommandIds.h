#pragma once
// Command identifiers, in blocks per menu. Menus, accelerators, tool buttons and
// status-bar hints all find their command here.

namespace command {

enum CommandId : unsigned {
  kNoCommand = 0,

  // File menu
  FileMenuNew = 100,
  FileMenuOpen,
  FileMenuReOpen,  // submenu
  FileMenuReload,
  FileMenuSave,
  FileMenuSaveAs,
  FileMenuSaveAll,
  FileMenuClose,
  FileMenuCloseAll,
  FileMenuPrint,
  FileMenuPageSetup,
  FileMenuOpenFolder,
  FileMenuFileFunctions,  // submenu
  FileMenuCopy,
  FileMenuMove,
  FileMenuDelete,
  FileMenuRename,
  FileMenuProperties,
  FileMenuSend,
  FileMenuExit,
  ReopenMenuClearList,
  ReopenMenuFirstFile = 130,  // 15 items: History File0..File14
  ReopenMenuLastFile = ReopenMenuFirstFile + 14,
  FileMenuPrintPreview = 160,

  // Edit menu
  EditMenuUndo = 200,
  EditMenuSelectAll,
  EditMenuCut,
  EditMenuCopy,
  EditMenuPaste,
  EditMenuDelete,
  EditMenuCopyAll,
  EditMenuClearAll,
  EditMenuTime,
  EditMenuDate,
  EditInsertTimeAndDate,
  EditMenuInsertSymbol,
  EditMenuSettings,

  // Search menu
  SearchMenuFind = 300,
  SearchMenuFindNext,
  SearchMenuReplace,
  SearchMenuGoToLine,

  // Format menu
  FormatMenuRichText = 400,  // submenu
  FormatMenuBold,
  FormatMenuItalic,
  FormatMenuUnderline,
  FormatMenuStrikeOut,
  FormatMenuLeftAlign,
  FormatMenuCenter,
  FormatMenuRightAlign,
  FormatMenuBullets,
  FormatMenuLowerCase,
  FormatMenuUpperCase,
  FormatMenuCapitalize,
  FormatMenuInvertCase,
  FormatMenuTrimLeft,
  FormatMenuTrimRight,
  FormatMenuTrimSpaces,
  FormatMenuSort,
  FormatMenuNumber,

  // Document menu
  DocumentMenuWordWrap = 500,
  DocumentMenuBackgroundColor,
  DocumentMenuFontSettings,
  DocumentMenuSmallerFont,
  DocumentMenuLargerFont,
  DocumentMenuReadOnly,

  // Favorites menu
  FavoritesMenuAdd = 600,
  FavoritesMenuEdit,

  // View menu
  ViewMenuToolBar = 700,
  ViewMenuFormatBar,
  ViewMenuSideBar,  // submenu
  ViewMenuFavorites,
  ViewMenuRecentDocuments,
  ViewMenuFontChooser,
  ViewMenuRuler,
  ViewMenuStatusBar,
  ViewMenuAlwaysOnTop,
  ViewMenuInAssociatedApplication,

  // Help menu
  HelpMenuContents = 800,
  HelpMenuShowHints,
  HelpMenuStatusBarHints,
  HelpMenuWhatsNew,
  HelpMenuNotepadCenter,
  HelpMenuHomepage,
  HelpMenuAbout,

  // Tab menu
  TabMenuClose = 900,
  TabMenuCloseAll,
  TabMenuSave,
  TabMenuSaveAs,
  TabMenuSaveAll,
  TabMenuPrint,
  TabMenuCopy,
  TabMenuMove,
  TabMenuDelete,
  TabMenuRename,
  TabMenuProperties,

  // Editor popup menu
  MenuUndo = 1000,
  MenuSelectAll,
  MenuCut,
  MenuCopy,
  MenuPaste,
  MenuDelete,
  MenuLowerCase,
  MenuUpperCase,
  MenuCapitalize,
  MenuTrimLeft,
  MenuTrimRight,
  MenuTrimSpaces,

  // Tray menu
  TrayPopupMenuRestore = 1100,
  TrayPopupMenuMinimize,
  TrayPopupMenuMaximize,
  TrayPopupMenuClose,

  // Items of the New and folder-history drop-down (NewMenu): 15 items
  NewMenuFirstItem = 1200,
  NewMenuLastItem = NewMenuFirstItem + 14,

  // Favorites menu items made from Favorites.dat
  FavoritesFirstItem = 2000,
  FavoritesLastItem = 5999,
};

// The menus of the main window, numbered as the menu bar's items.
enum TopMenu : unsigned {
  kFileMenu = 1,
  kEditMenu,
  kSearchMenu,
  kFormatMenu,
  kDocumentMenu,
  kFavoritesMenu,
  kViewMenu,
  kHelpMenu,
  kTabMenu,
  kEditorPopup,
  kTrayMenu,
};

}  // namespace command
