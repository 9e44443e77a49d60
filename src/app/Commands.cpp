#include <iterator>

#include "app/Command.h"
#include "app/MainForm.h"

namespace app {
namespace {

constexpr BYTE kCtrl = FCONTROL;
constexpr BYTE kShift = FSHIFT;
constexpr Shortcut kNone{};
constexpr Shortcut Ctrl(char key) { return {static_cast<BYTE>(key), kCtrl}; }
constexpr Shortcut Key(BYTE key) { return {key, 0}; }
constexpr Shortcut ShiftKey(BYTE key) { return {key, kShift}; }

using F = TMainForm;

// clang-format off
const Command kCommands[] = {
  // File
  {FileMenuNew, L"FileMenuNew", L"&New...", Ctrl('N'), L"Create a new document.", 0, &F::FileMenuNewClick},
  {FileMenuOpen, L"FileMenuOpen", L"&Open...", Ctrl('O'), L"Open a document.", 1, &F::FileMenuOpenClick},
  {FileMenuReOpen, L"FileMenuReOpen", L"&Re-Open", kNone, L"", -1, nullptr},
  {ReopenMenuClearList, L"ReopenMenuClearList", L"&Clear List", kNone, L"Clear the Re-Open menu.", -1, &F::ReopenMenuClearListClick},
  {FileMenuReload, L"FileMenuReload", L"R&eload...", kNone, L"Reload the document from disk.", 2, &F::FileMenuReloadClick},
  {FileMenuSave, L"FileMenuSave", L"&Save", Ctrl('S'), L"Save the document.", 3, &F::FileMenuSaveClick},
  {FileMenuSaveAs, L"FileMenuSaveAs", L"Save &As...", kNone, L"Save the document as a different filename.", -1, &F::FileMenuSaveAsClick},
  {FileMenuSaveAll, L"FileMenuSaveAll", L"Sa&ve All", kNone, L"Save all documents.", -1, &F::FileMenuSaveAllClick},
  {FileMenuClose, L"FileMenuClose", L"&Close", kNone, L"Close the document.", 4, &F::FileMenuCloseClick},
  {FileMenuCloseAll, L"FileMenuCloseAll", L"C&lose All", kNone, L"Close all documents.", 5, &F::FileMenuCloseAllClick},
  {FileMenuPrint, L"FileMenuPrint", L"&Print...", Ctrl('P'), L"Print the document.", 12, nullptr},
  {FileMenuPageSetup, L"FileMenuPageSetup", L"Printer Se&tup...", kNone, L"Choose printer settings.", 13, nullptr},
  {FileMenuOpenFolder, L"FileMenuOpenFolder", L"Open &Folder", kNone, L"Open the folder where the file is located.", 11, nullptr},
  {FileMenuFileFunctions, L"FileMenuFileFunctions", L"F&ile Functions", kNone, L"", -1, nullptr},
  {FileMenuCopy, L"FileMenuCopy", L"Cop&y...", kNone, L"Copy the document (from disk).", 6, nullptr},
  {FileMenuMove, L"FileMenuMove", L"Mov&e...", kNone, L"Move the document (on disk).", 7, nullptr},
  {FileMenuDelete, L"FileMenuDelete", L"&Delete...", kNone, L"Delete the document to the Recycle Bin.", 8, nullptr},
  {FileMenuRename, L"FileMenuRename", L"Rena&me...", kNone, L"Rename the document.", 9, nullptr},
  {FileMenuProperties, L"FileMenuProperties", L"Propert&ies...", kNone, L"Display the documents properties.", 10, nullptr},
  {FileMenuSend, L"FileMenuSend", L"Sen&d As Mail...", kNone, L"Send the document to a MAPI complaint mail client.", 14, nullptr},
  {FileMenuExit, L"FileMenuExit", L"E&xit", kNone, L"Exit Tarnwick.", 51, &F::FileMenuExitClick},
  // Edit
  {EditMenuUndo, L"EditMenuUndo", L"&Undo", Ctrl('Z'), L"Undo the last change.", 21, &F::EditMenuUndoClick},
  {EditMenuSelectAll, L"EditMenuSelectAll", L"S&elect All", Ctrl('A'), L"Select all text.", 18, &F::EditMenuSelectAllClick},
  {EditMenuCut, L"EditMenuCut", L"Cu&t", Ctrl('X'), L"Copy the selected text to the clipboard and remove it from the document.", 15, &F::EditMenuCutClick},
  {EditMenuCopy, L"EditMenuCopy", L"&Copy", Ctrl('C'), L"Copy the selected text to the clipboard.", 16, &F::EditMenuCopyClick},
  {EditMenuPaste, L"EditMenuPaste", L"&Paste", Ctrl('V'), L"Paste text from the clipboard.", 17, &F::EditMenuPasteClick},
  {EditMenuDelete, L"EditMenuDelete", L"De&lete", kNone, L"Delete the selected text.", 22, &F::EditMenuDeleteClick},
  {EditMenuCopyAll, L"EditMenuCopyAll", L"C&opy All", kNone, L"Copy all of the text to the clipboard.", 19, &F::EditMenuCopyAllClick},
  {EditMenuClearAll, L"EditMenuClearAll", L"Cle&ar All", kNone, L"Clear all of the text from the document.", 20, &F::EditMenuClearAllClick},
  {EditMenuTime, L"EditMenuTime", L"Insert &Time", Key(VK_F5), L"Insert the time into the document.", 23, &F::EditMenuTimeClick},
  {EditMenuDate, L"EditMenuDate", L"Insert &Date", Key(VK_F6), L"Insert the date into the document.", 24, &F::EditMenuDateClick},
  {EditInsertTimeAndDate, L"EditInsertTimeAndDate", L"&Insert Time And Date", Key(VK_F7), L"Insert the Time and Date into the document.", 25, &F::EditInsertTimeAndDateClick},
  {EditMenuInsertSymbol, L"EditMenuInsertSymbol", L"I&nsert Symbol...", kNone, L"Insert different characters into a Rich Text document.", 26, &F::EditMenuInsertSymbolClick},
  {EditMenuSettings, L"EditMenuSettings", L"&Settings...", kNone, L"Edit Tarnwick settings.", 49, nullptr},
  // Search
  {SearchMenuFind, L"SearchMenuFind", L"&Find...", Ctrl('F'), L"Find text in the document(s).", 36, &F::SearchMenuFindClick},
  {SearchMenuFindNext, L"SearchMenuFindNext", L"Find &Next", Key(VK_F3), L"Find the next occurrence of the text.", 37, &F::SearchMenuFindNextClick},
  {SearchMenuReplace, L"SearchMenuReplace", L"&Replace...", Ctrl('R'), L"Replace text in the document(s).", 38, &F::SearchMenuReplaceClick},
  {SearchMenuGoToLine, L"SearchMenuGoToLine", L"Go to &Line...", kNone, L"Go to a line number in the document.", 39, &F::SearchMenuGoToLineClick},
  // Format
  {FormatMenuRichText, L"FormatMenuRichText", L"&Rich Text", kNone, L"", -1, nullptr},
  {FormatMenuBold, L"FormatMenuBold", L"&Bold", Ctrl('B'), L"Set the selected text to boldfaced.", -1, nullptr},
  {FormatMenuItalic, L"FormatMenuItalic", L"&Italic", Ctrl('I'), L"Set the selected text to italicized.", -1, nullptr},
  {FormatMenuUnderline, L"FormatMenuUnderline", L"&Underline", Ctrl('U'), L"Set the selected text to underlined.", -1, nullptr},
  {FormatMenuStrikeOut, L"FormatMenuStrikeOut", L"&Strike Out", kNone, L"Set the selected text to strike out.", -1, nullptr},
  {FormatMenuLeftAlign, L"FormatMenuLeftAlign", L"&Left Align", kNone, L"Aligns the text to the Left margin.", -1, nullptr},
  {FormatMenuCenter, L"FormatMenuCenter", L"&Center", kNone, L"Centers the text.", -1, nullptr},
  {FormatMenuRightAlign, L"FormatMenuRightAlign", L"&Right Align", kNone, L"Aligns the text to the Right margin.", -1, nullptr},
  {FormatMenuBullets, L"FormatMenuBullets", L"Bulle&ts", kNone, L"Toggles Bullets on or off.", -1, nullptr},
  {FormatMenuLowerCase, L"FormatMenuLowerCase", L"&Lower Case", Ctrl('L'), L"Change the selected text to Lower Case.", 27, &F::FormatMenuLowerCaseClick},
  {FormatMenuUpperCase, L"FormatMenuUpperCase", L"&Upper Case", Ctrl('E'), L"Change the selected text to Upper Case.", 28, &F::FormatMenuUpperCaseClick},
  {FormatMenuCapitalize, L"FormatMenuCapitalize", L"&Capitalize", kNone, L"Capitalize the selected text.", 29, &F::FormatMenuCapitalizeClick},
  {FormatMenuInvertCase, L"FormatMenuInvertCase", L"In&vert Case", kNone, L"Changes the case of all letters in the selected text.", 30, &F::FormatMenuInvertCaseClick},
  {FormatMenuTrimLeft, L"FormatMenuTrimLeft", L"&Trim Left", kNone, L"Removes leading spaces and control characters.", 31, &F::FormatMenuTrimClick},
  {FormatMenuTrimRight, L"FormatMenuTrimRight", L"Tr&im Right", kNone, L"Removes trailing spaces and control characters.", 32, &F::FormatMenuTrimClick},
  {FormatMenuTrimSpaces, L"FormatMenuTrimSpaces", L"Tri&m Spaces", kNone, L"Removes leading and trailing spaces and control characters.", 33, &F::FormatMenuTrimClick},
  {FormatMenuSort, L"FormatMenuSort", L"&Sort Lines", kNone, L"Sorts the selected lines.", 34, &F::FormatMenuSortClick},
  {FormatMenuNumber, L"FormatMenuNumber", L"&Number Lines", kNone, L"Numbers the selected lines.", 35, &F::FormatMenuSortClick},
  // Document
  {DocumentMenuWordWrap, L"DocumentMenuWordWrap", L"&Word Wrap", Ctrl('W'), L"Toggle Word Wrap on or off.", 42, &F::DocumentMenuWordWrapClick},
  {DocumentMenuBackgroundColor, L"DocumentMenuBackgroundColor", L"&Background Color...", kNone, L"Set the documents background color.", 40, nullptr},
  {DocumentMenuFontSettings, L"DocumentMenuFontSettings", L"&Font Settings...", kNone, L"Choose the documents font settings.", 41, nullptr},
  {DocumentMenuSmallerFont, L"DocumentMenuSmallerFont", L"&Smaller Font", ShiftKey(VK_F2), L"Decrease the size of the documents font.", 44, nullptr},
  {DocumentMenuLargerFont, L"DocumentMenuLargerFont", L"&Larger Font", ShiftKey(VK_F3), L"Increase the size of the documents font.", 43, nullptr},
  {DocumentMenuReadOnly, L"DocumentMenuReadOnly", L"&Read Only", kNone, L"Toggle Read Only for the document on or off.", 45, &F::DocumentMenuReadOnlyClick},
  // Favorites
  {FavoritesMenuAdd, L"FavoritesMenuAdd", L"&Add to Favorites", Ctrl('D'), L"Add the document to the Favorites.", 47, nullptr},
  {FavoritesMenuEdit, L"FavoritesMenuEdit", L"&Edit Favorites...", kNone, L"Edit the list of Favorites.", 48, nullptr},
  // View
  {ViewMenuToolBar, L"ViewMenuToolBar", L"&Tool Bar", kNone, L"Show or hide the Tool Bar.", -1, &F::ViewMenuToolBarClick},
  {ViewMenuFormatBar, L"ViewMenuFormatBar", L"&Format Bar", kNone, L"Show or hide the Format Bar.", -1, &F::ViewMenuFormatBarClick},
  {ViewMenuSideBar, L"ViewMenuSideBar", L"Si&de Bar", kNone, L"", -1, nullptr},
  {ViewMenuFavorites, L"ViewMenuFavorites", L"&Favorites", kNone, L"View Favorites in the Side Bar.", -1, nullptr},
  {ViewMenuRecentDocuments, L"ViewMenuRecentDocuments", L"&Recent Documents", kNone, L"View Recent Documents in the Side Bar.", -1, nullptr},
  {ViewMenuFontChooser, L"ViewMenuFontChooser", L"F&ont Chooser", kNone, L"View the Font Chooser in the Side Bar.", -1, nullptr},
  {ViewMenuRuler, L"ViewMenuRuler", L"&Ruler", kNone, L"Show or hide the Ruler.", -1, nullptr},
  {ViewMenuStatusBar, L"ViewMenuStatusBar", L"&Status Bar", kNone, L"Show or hide the Status Bar.", -1, &F::ViewMenuStatusBarClick},
  {ViewMenuAlwaysOnTop, L"ViewMenuAlwaysOnTop", L"&Always On Top", kNone, L"Set window to stay on top of other windows.", -1, &F::ViewMenuAlwaysOnTopClick},
  {ViewMenuInAssociatedApplication, L"ViewMenuInAssociatedApplication", L"&In Associated Application", Key(VK_F12), L"Open current document in the Associated Application.", 46, nullptr},
  // Help
  {HelpMenuContents, L"HelpMenuContents", L"&Contents...", kNone, L"Displays the help file.", 50, nullptr},
  {HelpMenuShowHints, L"HelpMenuShowHints", L"&Show Hints", kNone, L"Toggles balloon help on or off.", -1, &F::HelpMenuShowHintsClick},
  {HelpMenuStatusBarHints, L"HelpMenuStatusBarHints", L"S&tatus Bar Hints", kNone, L"Toggles hints on the Status Bar on or off.", -1, &F::HelpMenuStatusBarHintsClick},
  {HelpMenuWhatsNew, L"HelpMenuWhatsNew", L"&What's New?", kNone, L"Opens the history file for Tarnwick.", -1, nullptr},
  {HelpMenuNotepadCenter, L"HelpMenuNotepadCenter", L"&Notepad Center...", kNone, L"Replace or Restore the standard Windows Notepad.", -1, &F::HelpMenuNotepadCenterClick},
  {HelpMenuHomepage, L"HelpMenuHomepage", L"&Homepage", kNone, L"Opens the homepage in your default browser.", -1, nullptr},
  {HelpMenuAbout, L"HelpMenuAbout", L"&About...", kNone, L"Displays program version and related information.", -1, &F::HelpMenuAboutClick},
  // Tab menu: the File menu's handlers, no hints
  {TabMenuClose, L"TabMenuClose", L"&Close", kNone, L"", -1, &F::FileMenuCloseClick},
  {TabMenuCloseAll, L"TabMenuCloseAll", L"C&lose All", kNone, L"", -1, &F::FileMenuCloseAllClick},
  {TabMenuSave, L"TabMenuSave", L"&Save", kNone, L"", -1, &F::FileMenuSaveClick},
  {TabMenuSaveAs, L"TabMenuSaveAs", L"Save &As...", kNone, L"", -1, &F::FileMenuSaveAsClick},
  {TabMenuSaveAll, L"TabMenuSaveAll", L"Sa&ve All", kNone, L"", -1, &F::FileMenuSaveAllClick},
  {TabMenuPrint, L"TabMenuPrint", L"&Print...", kNone, L"", -1, nullptr},
  {TabMenuCopy, L"TabMenuCopy", L"Cop&y...", kNone, L"", -1, nullptr},
  {TabMenuMove, L"TabMenuMove", L"Mov&e...", kNone, L"", -1, nullptr},
  {TabMenuDelete, L"TabMenuDelete", L"&Delete...", kNone, L"", -1, nullptr},
  {TabMenuRename, L"TabMenuRename", L"Rena&me...", kNone, L"", -1, nullptr},
  {TabMenuProperties, L"TabMenuProperties", L"Propert&ies...", kNone, L"", -1, nullptr},
  // Editor popup menu: the Edit and Format menus' handlers
  {MenuUndo, L"MenuUndo", L"&Undo", kNone, L"Undo the last change.", -1, &F::EditMenuUndoClick},
  {MenuSelectAll, L"MenuSelectAll", L"S&elect All", kNone, L"Select all text.", -1, &F::EditMenuSelectAllClick},
  {MenuCut, L"MenuCut", L"Cu&t", kNone, L"Copy the selected text to the clipboard and remove it from the document.", -1, &F::EditMenuCutClick},
  {MenuCopy, L"MenuCopy", L"&Copy", kNone, L"Copy the selected text to the clipboard.", -1, &F::EditMenuCopyClick},
  {MenuPaste, L"MenuPaste", L"&Paste", kNone, L"Paste text from the clipboard.", -1, &F::EditMenuPasteClick},
  {MenuDelete, L"MenuDelete", L"De&lete", kNone, L"Delete the selected text.", -1, &F::EditMenuDeleteClick},
  {MenuLowerCase, L"MenuLowerCase", L"Lowe&r Case", kNone, L"Change the selected text to Lower Case.", -1, &F::FormatMenuLowerCaseClick},
  {MenuUpperCase, L"MenuUpperCase", L"Upper Ca&se", kNone, L"Change the selected text to Upper Case.", -1, &F::FormatMenuUpperCaseClick},
  {MenuCapitalize, L"MenuCapitalize", L"Capitali&ze", kNone, L"Capitalize the selected text.", -1, &F::FormatMenuCapitalizeClick},
  {MenuTrimLeft, L"MenuTrimLeft", L"Trim Le&ft", kNone, L"Removes leading spaces and control characters.", -1, &F::FormatMenuTrimClick},
  {MenuTrimRight, L"MenuTrimRight", L"Tr&im Right", kNone, L"Removes trailing spaces and control characters.", -1, &F::FormatMenuTrimClick},
  {MenuTrimSpaces, L"MenuTrimSpaces", L"Tri&m Spaces", kNone, L"Removes leading and trailing spaces and control characters.", -1, &F::FormatMenuTrimClick},
  // Tray menu
  {TrayPopupMenuRestore, L"TrayPopupMenuRestore", L"&Restore", kNone, L"Restore the window.", -1, &F::TrayPopupMenuRestoreClick},
  {TrayPopupMenuMinimize, L"TrayPopupMenuMinimize", L"Mi&nimize", kNone, L"Minimize the window.", -1, &F::TrayPopupMenuMinimizeClick},
  {TrayPopupMenuMaximize, L"TrayPopupMenuMaximize", L"Ma&ximize", kNone, L"Maximize the window.", -1, &F::TrayPopupMenuMaximizeClick},
  {TrayPopupMenuClose, L"TrayPopupMenuClose", L"&Close", kNone, L"Exit Tarnwick.", -1, &F::FileMenuExitClick},
};

const MenuLine kMainMenu[] = {
  {0, kFileMenu},
    {1, FileMenuNew}, {1, FileMenuOpen}, {1, FileMenuReOpen},
      {2, ReopenMenuClearList}, {2, 0},
    {1, FileMenuReload}, {1, 0},
    {1, FileMenuSave}, {1, FileMenuSaveAs}, {1, FileMenuSaveAll}, {1, 0},
    {1, FileMenuClose}, {1, FileMenuCloseAll}, {1, 0},
    {1, FileMenuPrint}, {1, FileMenuPageSetup}, {1, 0},
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

const Command* CommandsBegin() { return std::begin(kCommands); }
const Command* CommandsEnd() { return std::end(kCommands); }

const Command* FindCommand(unsigned id) {
  for (const Command& command : kCommands)
    if (command.id == id) return &command;
  return nullptr;
}

const Command* FindCommandByTag(int tag) {
  if (tag < 0) return nullptr;
  for (const Command& command : kCommands)
    if (command.toolbarTag == tag) return &command;
  return nullptr;
}

std::wstring ShortcutText(const Shortcut& shortcut) {
  if (!shortcut.virtualKey) return std::wstring();
  std::wstring text;
  if (shortcut.modifiers & FCONTROL) text += L"Ctrl+";
  if (shortcut.modifiers & FSHIFT) text += L"Shift+";
  if (shortcut.modifiers & FALT) text += L"Alt+";
  BYTE key = shortcut.virtualKey;
  if (key >= VK_F1 && key <= VK_F24)
    text += L"F" + std::to_wstring(key - VK_F1 + 1);
  else
    text += static_cast<wchar_t>(key);
  return text;
}

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

}  // namespace app
