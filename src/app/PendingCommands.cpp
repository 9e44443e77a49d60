// Commands that are on the menus and the tool bar but not built yet: shown disabled.
// Each row moves to the subsystem that comes to run it.
#include "app/PendingCommands.h"

namespace app {
using namespace command;

void RegisterPendingCommands(Registry& commands) {
  // clang-format off
  commands.Add({
    {FileMenuPrint, L"FileMenuPrint", L"&Print...", Ctrl('P'), L"Print the document.", 12},
    {FileMenuPageSetup, L"FileMenuPageSetup", L"Printer Se&tup...", {}, L"Choose printer settings.", 13},
    {FileMenuOpenFolder, L"FileMenuOpenFolder", L"Open &Folder", {}, L"Open the folder where the file is located.", 11},
    {FileMenuFileFunctions, L"FileMenuFileFunctions", L"F&ile Functions", {}, L"", -1},
    {FileMenuCopy, L"FileMenuCopy", L"Cop&y...", {}, L"Copy the document (from disk).", 6},
    {FileMenuMove, L"FileMenuMove", L"Mov&e...", {}, L"Move the document (on disk).", 7},
    {FileMenuDelete, L"FileMenuDelete", L"&Delete...", {}, L"Delete the document to the Recycle Bin.", 8},
    {FileMenuRename, L"FileMenuRename", L"Rena&me...", {}, L"Rename the document.", 9},
    {FileMenuProperties, L"FileMenuProperties", L"Propert&ies...", {}, L"Display the documents properties.", 10},
    {FileMenuSend, L"FileMenuSend", L"Sen&d As Mail...", {}, L"Send the document to a MAPI complaint mail client.", 14},
    {EditMenuSettings, L"EditMenuSettings", L"&Settings...", {}, L"Edit Tarnwick settings.", 49},
    {ViewMenuSideBar, L"ViewMenuSideBar", L"Si&de Bar", {}, L"", -1},
    {ViewMenuFavorites, L"ViewMenuFavorites", L"&Favorites", {}, L"View Favorites in the Side Bar.", -1},
    {ViewMenuRecentDocuments, L"ViewMenuRecentDocuments", L"&Recent Documents", {}, L"View Recent Documents in the Side Bar.", -1},
    {ViewMenuFontChooser, L"ViewMenuFontChooser", L"F&ont Chooser", {}, L"View the Font Chooser in the Side Bar.", -1},
    {ViewMenuInAssociatedApplication, L"ViewMenuInAssociatedApplication", L"&In Associated Application", Key(FunctionKey(12)), L"Open current document in the Associated Application.", 46},
    {HelpMenuContents, L"HelpMenuContents", L"&Contents...", {}, L"Displays the help file.", 50},
    {HelpMenuWhatsNew, L"HelpMenuWhatsNew", L"&What's New?", {}, L"Opens the history file for Tarnwick.", -1},
    {HelpMenuHomepage, L"HelpMenuHomepage", L"&Homepage", {}, L"Opens the homepage in your default browser.", -1},
    {TabMenuPrint, L"TabMenuPrint", L"&Print...", {}, L"", -1},
    {TabMenuCopy, L"TabMenuCopy", L"Cop&y...", {}, L"", -1},
    {TabMenuMove, L"TabMenuMove", L"Mov&e...", {}, L"", -1},
    {TabMenuDelete, L"TabMenuDelete", L"&Delete...", {}, L"", -1},
    {TabMenuRename, L"TabMenuRename", L"Rena&me...", {}, L"", -1},
    {TabMenuProperties, L"TabMenuProperties", L"Propert&ies...", {}, L"", -1},
  });
  // clang-format on
}

}  // namespace app
