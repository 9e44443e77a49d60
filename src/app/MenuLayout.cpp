#include "app/MenuLayout.h"

#include <iterator>

namespace app {
using namespace command;
namespace {

// clang-format off
const MenuLine kMainMenu[] = {
  {0, kFileMenu},
    {1, FileMenuNew}, {1, FileMenuOpen}, {1, FileMenuReOpen},
      {2, ReopenMenuClearList}, {2, 0},
    {1, FileMenuReload}, {1, 0},
    {1, FileMenuSave}, {1, FileMenuSaveAs}, {1, FileMenuSaveAll}, {1, 0},
    {1, FileMenuClose}, {1, FileMenuCloseAll}, {1, 0},
    {1, FileMenuPrint}, {1, FileMenuPrintPreview}, {1, FileMenuPageSetup}, {1, 0},
    {1, FileMenuOpenFolder}, {1, 0},
    {1, FileMenuFileFunctions},
      {2, FileMenuCopy}, {2, FileMenuMove}, {2, FileMenuDelete}, {2, FileMenuRename}, {2, 0}, {2, FileMenuProperties},
    {1, 0},
    {1, FileMenuSend}, {1, 0},
    {1, FileMenuExit},
  {0, kEditMenu},
    {1, EditMenuUndo}, {1, EditMenuSelectAll}, {1, 0},
    {1, EditMenuCut}, {1, EditMenuCopy}, {1, EditMenuPaste}, {1, EditMenuDelete}, {1, 0},
    {1, EditMenuCopyAll}, {1, EditMenuClearAll}, {1, 0},
    {1, EditMenuTime}, {1, EditMenuDate}, {1, EditInsertTimeAndDate}, {1, 0},
    {1, EditMenuInsertSymbol}, {1, 0},
    {1, EditMenuSettings},
  {0, kSearchMenu},
    {1, SearchMenuFind}, {1, SearchMenuFindNext}, {1, SearchMenuReplace}, {1, 0}, {1, SearchMenuGoToLine},
  {0, kFormatMenu},
    {1, FormatMenuRichText},
      {2, FormatMenuBold}, {2, FormatMenuItalic}, {2, FormatMenuUnderline}, {2, FormatMenuStrikeOut}, {2, 0},
      {2, FormatMenuLeftAlign}, {2, FormatMenuCenter}, {2, FormatMenuRightAlign}, {2, 0},
      {2, FormatMenuBullets},
    {1, 0},
    {1, FormatMenuLowerCase}, {1, FormatMenuUpperCase}, {1, FormatMenuCapitalize}, {1, FormatMenuInvertCase}, {1, 0},
    {1, FormatMenuTrimLeft}, {1, FormatMenuTrimRight}, {1, FormatMenuTrimSpaces}, {1, 0},
    {1, FormatMenuSort}, {1, FormatMenuNumber},
  {0, kDocumentMenu},
    {1, DocumentMenuWordWrap}, {1, 0},
    {1, DocumentMenuBackgroundColor}, {1, DocumentMenuFontSettings}, {1, 0},
    {1, DocumentMenuSmallerFont}, {1, DocumentMenuLargerFont}, {1, 0},
    {1, DocumentMenuReadOnly},
  {0, kFavoritesMenu},
    {1, FavoritesMenuAdd}, {1, FavoritesMenuEdit}, {1, 0},
  {0, kViewMenu},
    {1, ViewMenuToolBar}, {1, ViewMenuFormatBar}, {1, ViewMenuSideBar},
      {2, ViewMenuFavorites}, {2, ViewMenuRecentDocuments}, {2, ViewMenuFontChooser},
    {1, ViewMenuRuler}, {1, ViewMenuStatusBar}, {1, 0},
    {1, ViewMenuAlwaysOnTop}, {1, 0},
    {1, ViewMenuInAssociatedApplication},
  {0, kHelpMenu},
    {1, HelpMenuContents}, {1, 0},
    {1, HelpMenuShowHints}, {1, HelpMenuStatusBarHints}, {1, 0},
    {1, HelpMenuWhatsNew}, {1, 0},
    {1, HelpMenuNotepadCenter}, {1, 0},
    {1, HelpMenuHomepage}, {1, HelpMenuAbout},
};

const MenuLine kTabMenuLines[] = {
  {0, TabMenuClose}, {0, TabMenuCloseAll}, {0, 0},
  {0, TabMenuSave}, {0, TabMenuSaveAs}, {0, TabMenuSaveAll}, {0, 0},
  {0, TabMenuPrint}, {0, 0},
  {0, TabMenuCopy}, {0, TabMenuMove}, {0, TabMenuDelete}, {0, TabMenuRename}, {0, 0},
  {0, TabMenuProperties},
};

const MenuLine kEditorPopupLines[] = {
  {0, MenuUndo}, {0, MenuSelectAll}, {0, 0},
  {0, MenuCut}, {0, MenuCopy}, {0, MenuPaste}, {0, MenuDelete}, {0, 0},
  {0, MenuLowerCase}, {0, MenuUpperCase}, {0, MenuCapitalize}, {0, 0},
  {0, MenuTrimLeft}, {0, MenuTrimRight}, {0, MenuTrimSpaces},
};

const MenuLine kTrayLines[] = {
  {0, TrayPopupMenuRestore}, {0, TrayPopupMenuMinimize}, {0, TrayPopupMenuMaximize}, {0, 0}, {0, TrayPopupMenuClose},
};
// clang-format on

}  // namespace

MenuLayout MainMenuLayout() { return {kMainMenu, std::size(kMainMenu)}; }

MenuLayout PopupLayout(TopMenu menu) {
  switch (menu) {
    case kTabMenu: return {kTabMenuLines, std::size(kTabMenuLines)};
    case kEditorPopup: return {kEditorPopupLines, std::size(kEditorPopupLines)};
    case kTrayMenu: return {kTrayLines, std::size(kTrayLines)};
    default: return {nullptr, 0};
  }
}

const wchar_t* TopMenuCaption(TopMenu menu) {
  switch (menu) {
    case kFileMenu: return L"&File";
    case kEditMenu: return L"&Edit";
    case kSearchMenu: return L"&Search";
    case kFormatMenu: return L"F&ormat";
    case kDocumentMenu: return L"&Document";
    case kFavoritesMenu: return L"F&avorites";
    case kViewMenu: return L"&View";
    case kHelpMenu: return L"&Help";
    default: return L"";
  }
}

int MenuHelpTopic(TopMenu menu) {
  switch (menu) {
    case kFileMenu: return 15;
    case kEditMenu: return 16;
    case kSearchMenu: return 17;
    case kFormatMenu: return 119;
    case kDocumentMenu: return 20;
    case kFavoritesMenu: return 19;
    case kViewMenu: return 18;
    case kHelpMenu: return 21;
    case kTabMenu: return 11;
    case kEditorPopup: return 13;
    case kTrayMenu: return 8;
  }
  return 0;
}

}  // namespace app
