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
    {FormatMenuRichText, L"FormatMenuRichText", L"&Rich Text", {}, L"", -1},
    {FormatMenuBold, L"FormatMenuBold", L"&Bold", Ctrl('B'), L"Set the selected text to boldfaced.", -1},
    {FormatMenuItalic, L"FormatMenuItalic", L"&Italic", Ctrl('I'), L"Set the selected text to italicized.", -1},
    {FormatMenuUnderline, L"FormatMenuUnderline", L"&Underline", Ctrl('U'), L"Set the selected text to underlined.", -1},
    {FormatMenuStrikeOut, L"FormatMenuStrikeOut", L"&Strike Out", {}, L"Set the selected text to strike out.", -1},
    {FormatMenuLeftAlign, L"FormatMenuLeftAlign", L"&Left Align", {}, L"Aligns the text to the Left margin.", -1},
    {FormatMenuCenter, L"FormatMenuCenter", L"&Center", {}, L"Centers the text.", -1},
    {FormatMenuRightAlign, L"FormatMenuRightAlign", L"&Right Align", {}, L"Aligns the text to the Right margin.", -1},
    {FormatMenuBullets, L"FormatMenuBullets", L"Bulle&ts", {}, L"Toggles Bullets on or off.", -1},
    {DocumentMenuBackgroundColor, L"DocumentMenuBackgroundColor", L"&Background Color...", {}, L"Set the documents background color.", 40},
    {DocumentMenuFontSettings, L"DocumentMenuFontSettings", L"&Font Settings...", {}, L"Choose the documents font settings.", 41},
    {DocumentMenuSmallerFont, L"DocumentMenuSmallerFont", L"&Smaller Font", ShiftKey(FunctionKey(2)), L"Decrease the size of the documents font.", 44},
    {DocumentMenuLargerFont, L"DocumentMenuLargerFont", L"&Larger Font", ShiftKey(FunctionKey(3)), L"Increase the size of the documents font.", 43},
    {TabMenuPrint, L"TabMenuPrint", L"&Print...", {}, L"", -1},
  });
  // clang-format on
}

}  // namespace app
