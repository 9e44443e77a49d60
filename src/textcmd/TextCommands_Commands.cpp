// The rows of the text commands: captions, shortcuts, hints, tool buttons and the
// rules for their states.
#include "config/Keys.h"
#include "textcmd/TextCommands_win.h"

namespace textcmd {
using namespace command;
namespace keys = config::keys;

TextCommands::TextCommands(workspace::Frame& frame, workspace::DocumentHost& documents, Registry& commands)
    : frame_(frame), documents_(documents) {
  RegisterCommands(commands);
}

bool TextCommands::HasSelection() {
  CHARRANGE range = documents_.ActiveEditor().Selection();
  return range.cpMin != range.cpMax;
}

void TextCommands::RegisterCommands(Registry& commands) {
  Rule selection = [this] { return HasSelection(); };
  Rule canUndo = [this] { return documents_.ActiveEditor().CanUndo(); };
  Rule insertSymbol = [this] {
    if (frame_.Profile().Read(keys::PlainTextInsertSymbol)) {
      insertSymbolForAll_ = true;  // the wider hint stays from now on
      return true;
    }
    return !documents_.ActiveEditor().IsPlainText();
  };
  // clang-format off
  commands.Add({
    {EditMenuUndo, L"EditMenuUndo", L"&Undo", Ctrl('Z'), L"Undo the last change.", 21, Bind(this, &TextCommands::EditMenuUndoClick), canUndo},
    {EditMenuSelectAll, L"EditMenuSelectAll", L"S&elect All", Ctrl('A'), L"Select all text.", 18, Bind(this, &TextCommands::EditMenuSelectAllClick)},
    {EditMenuCut, L"EditMenuCut", L"Cu&t", Ctrl('X'), L"Copy the selected text to the clipboard and remove it from the document.", 15, Bind(this, &TextCommands::EditMenuCutClick), selection},
    {EditMenuCopy, L"EditMenuCopy", L"&Copy", Ctrl('C'), L"Copy the selected text to the clipboard.", 16, Bind(this, &TextCommands::EditMenuCopyClick), selection},
    {EditMenuPaste, L"EditMenuPaste", L"&Paste", Ctrl('V'), L"Paste text from the clipboard.", 17, Bind(this, &TextCommands::EditMenuPasteClick)},
    {EditMenuDelete, L"EditMenuDelete", L"De&lete", {}, L"Delete the selected text.", 22, Bind(this, &TextCommands::EditMenuDeleteClick), selection},
    {EditMenuCopyAll, L"EditMenuCopyAll", L"C&opy All", {}, L"Copy all of the text to the clipboard.", 19, Bind(this, &TextCommands::EditMenuCopyAllClick)},
    {EditMenuClearAll, L"EditMenuClearAll", L"Cle&ar All", {}, L"Clear all of the text from the document.", 20, Bind(this, &TextCommands::EditMenuClearAllClick)},
    {EditMenuTime, L"EditMenuTime", L"Insert &Time", Key(FunctionKey(5)), L"Insert the time into the document.", 23, Bind(this, &TextCommands::EditMenuTimeClick)},
    {EditMenuDate, L"EditMenuDate", L"Insert &Date", Key(FunctionKey(6)), L"Insert the date into the document.", 24, Bind(this, &TextCommands::EditMenuDateClick)},
    {EditInsertTimeAndDate, L"EditInsertTimeAndDate", L"&Insert Time And Date", Key(FunctionKey(7)), L"Insert the Time and Date into the document.", 25, Bind(this, &TextCommands::EditInsertTimeAndDateClick)},
    {EditMenuInsertSymbol, L"EditMenuInsertSymbol", L"I&nsert Symbol...", {}, L"Insert different characters into a Rich Text document.", 26, Bind(this, &TextCommands::EditMenuInsertSymbolClick), insertSymbol},
    {SearchMenuFind, L"SearchMenuFind", L"&Find...", Ctrl('F'), L"Find text in the document(s).", 36, Bind(this, &TextCommands::SearchMenuFindClick)},
    {SearchMenuFindNext, L"SearchMenuFindNext", L"Find &Next", Key(FunctionKey(3)), L"Find the next occurrence of the text.", 37, Bind(this, &TextCommands::SearchMenuFindNextClick)},
    {SearchMenuReplace, L"SearchMenuReplace", L"&Replace...", Ctrl('R'), L"Replace text in the document(s).", 38, Bind(this, &TextCommands::SearchMenuReplaceClick)},
    {SearchMenuGoToLine, L"SearchMenuGoToLine", L"Go to &Line...", {}, L"Go to a line number in the document.", 39, Bind(this, &TextCommands::SearchMenuGoToLineClick)},
    {FormatMenuLowerCase, L"FormatMenuLowerCase", L"&Lower Case", Ctrl('L'), L"Change the selected text to Lower Case.", 27, Bind(this, &TextCommands::FormatMenuLowerCaseClick), selection},
    {FormatMenuUpperCase, L"FormatMenuUpperCase", L"&Upper Case", Ctrl('E'), L"Change the selected text to Upper Case.", 28, Bind(this, &TextCommands::FormatMenuUpperCaseClick), selection},
    {FormatMenuCapitalize, L"FormatMenuCapitalize", L"&Capitalize", {}, L"Capitalize the selected text.", 29, Bind(this, &TextCommands::FormatMenuCapitalizeClick), selection},
    {FormatMenuInvertCase, L"FormatMenuInvertCase", L"In&vert Case", {}, L"Changes the case of all letters in the selected text.", 30, Bind(this, &TextCommands::FormatMenuInvertCaseClick), selection},
    {FormatMenuTrimLeft, L"FormatMenuTrimLeft", L"&Trim Left", {}, L"Removes leading spaces and control characters.", 31, Bind(this, &TextCommands::FormatMenuTrimClick), selection},
    {FormatMenuTrimRight, L"FormatMenuTrimRight", L"Tr&im Right", {}, L"Removes trailing spaces and control characters.", 32, Bind(this, &TextCommands::FormatMenuTrimClick), selection},
    {FormatMenuTrimSpaces, L"FormatMenuTrimSpaces", L"Tri&m Spaces", {}, L"Removes leading and trailing spaces and control characters.", 33, Bind(this, &TextCommands::FormatMenuTrimClick), selection},
    {FormatMenuSort, L"FormatMenuSort", L"&Sort Lines", {}, L"Sorts the selected lines.", 34, Bind(this, &TextCommands::FormatMenuSortClick), selection},
    {FormatMenuNumber, L"FormatMenuNumber", L"&Number Lines", {}, L"Numbers the selected lines.", 35, Bind(this, &TextCommands::FormatMenuSortClick), selection},
    // The editor's pop-up menu: the Edit and Format menus' handlers.
    {MenuUndo, L"MenuUndo", L"&Undo", {}, L"Undo the last change.", -1, Bind(this, &TextCommands::EditMenuUndoClick), canUndo},
    {MenuSelectAll, L"MenuSelectAll", L"S&elect All", {}, L"Select all text.", -1, Bind(this, &TextCommands::EditMenuSelectAllClick)},
    {MenuCut, L"MenuCut", L"Cu&t", {}, L"Copy the selected text to the clipboard and remove it from the document.", -1, Bind(this, &TextCommands::EditMenuCutClick), selection},
    {MenuCopy, L"MenuCopy", L"&Copy", {}, L"Copy the selected text to the clipboard.", -1, Bind(this, &TextCommands::EditMenuCopyClick), selection},
    {MenuPaste, L"MenuPaste", L"&Paste", {}, L"Paste text from the clipboard.", -1, Bind(this, &TextCommands::EditMenuPasteClick)},
    {MenuDelete, L"MenuDelete", L"De&lete", {}, L"Delete the selected text.", -1, Bind(this, &TextCommands::EditMenuDeleteClick), selection},
    {MenuLowerCase, L"MenuLowerCase", L"Lowe&r Case", {}, L"Change the selected text to Lower Case.", -1, Bind(this, &TextCommands::FormatMenuLowerCaseClick), selection},
    {MenuUpperCase, L"MenuUpperCase", L"Upper Ca&se", {}, L"Change the selected text to Upper Case.", -1, Bind(this, &TextCommands::FormatMenuUpperCaseClick), selection},
    {MenuCapitalize, L"MenuCapitalize", L"Capitali&ze", {}, L"Capitalize the selected text.", -1, Bind(this, &TextCommands::FormatMenuCapitalizeClick), selection},
    {MenuTrimLeft, L"MenuTrimLeft", L"Trim Le&ft", {}, L"Removes leading spaces and control characters.", -1, Bind(this, &TextCommands::FormatMenuTrimClick), selection},
    {MenuTrimRight, L"MenuTrimRight", L"Tr&im Right", {}, L"Removes trailing spaces and control characters.", -1, Bind(this, &TextCommands::FormatMenuTrimClick), selection},
    {MenuTrimSpaces, L"MenuTrimSpaces", L"Tri&m Spaces", {}, L"Removes leading and trailing spaces and control characters.", -1, Bind(this, &TextCommands::FormatMenuTrimClick), selection},
  });
  // clang-format on
  // The hint widens once plain-text documents take symbols too.
  commands.SetHint(EditMenuInsertSymbol, [this]() -> const wchar_t* {
    return insertSymbolForAll_ ? L"Insert different characters into a document." : nullptr;
  });
}

}  // namespace textcmd
