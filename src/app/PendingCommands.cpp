// Commands that are on the menus and the tool bar but not built yet: shown disabled.
// Each row moves to the subsystem that comes to run it.
#include "app/PendingCommands.h"

namespace app {
using namespace command;

void RegisterPendingCommands(Registry& commands) {
  // clang-format off
  commands.Add({
    {ViewMenuSideBar, L"ViewMenuSideBar", L"Si&de Bar", {}, L"", -1},
    {ViewMenuFavorites, L"ViewMenuFavorites", L"&Favorites", {}, L"View Favorites in the Side Bar.", -1},
    {ViewMenuRecentDocuments, L"ViewMenuRecentDocuments", L"&Recent Documents", {}, L"View Recent Documents in the Side Bar.", -1},
    {ViewMenuFontChooser, L"ViewMenuFontChooser", L"F&ont Chooser", {}, L"View the Font Chooser in the Side Bar.", -1},
    {HelpMenuContents, L"HelpMenuContents", L"&Contents...", {}, L"Displays the help file.", 50},
    {HelpMenuWhatsNew, L"HelpMenuWhatsNew", L"&What's New?", {}, L"Opens the history file for Tarnwick.", -1},
    {HelpMenuHomepage, L"HelpMenuHomepage", L"&Homepage", {}, L"Opens the homepage in your default browser.", -1},
  });
  // clang-format on
}

}  // namespace app
