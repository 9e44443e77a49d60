// The Edit menu, the editor's popup menu and the extra keys of every editor.
#include <optional>

#include "app/MainForm.h"
#include "config/Keys.h"

namespace app {
namespace keys = config::keys;

namespace {
bool HasSelection(const workspace::RichEditor& editor) {
  CHARRANGE range = editor.Selection();
  return range.cpMin != range.cpMax;
}
}  // namespace

void TMainForm::EditMenuClick() {
  workspace::RichEditor& editor = ActiveEditor();
  bool selection = HasSelection(editor);
  EnableItem(EditMenuUndo, editor.CanUndo());
  for (unsigned id : {EditMenuCut, EditMenuCopy, EditMenuDelete}) EnableItem(id, selection);
  for (unsigned id : {EditMenuSelectAll, EditMenuPaste, EditMenuCopyAll, EditMenuClearAll, EditMenuTime,
                      EditMenuDate, EditInsertTimeAndDate, EditMenuSettings})
    EnableItem(id, true);
  if (profile().Read(keys::PlainTextInsertSymbol)) {
    EnableItem(EditMenuInsertSymbol, true);
    insertSymbolForAll_ = true;  // the wider hint stays from now on
  } else {
    EnableItem(EditMenuInsertSymbol, !editor.IsPlainText());
  }
}

void TMainForm::PopupMenuPopup() {
  workspace::RichEditor& editor = ActiveEditor();
  bool selection = HasSelection(editor);
  EnableItem(MenuUndo, editor.CanUndo());
  for (unsigned id : {MenuCut, MenuCopy, MenuDelete, MenuLowerCase, MenuUpperCase, MenuCapitalize, MenuTrimLeft,
                      MenuTrimRight, MenuTrimSpaces})
    EnableItem(id, selection);
  EnableItem(MenuSelectAll, true);
  EnableItem(MenuPaste, true);
}

void TMainForm::FormatMenuClick() {
  bool rich = !ActiveEditor().IsPlainText();
  for (unsigned id : {FormatMenuBold, FormatMenuItalic, FormatMenuUnderline, FormatMenuStrikeOut, FormatMenuLeftAlign,
                      FormatMenuCenter, FormatMenuRightAlign, FormatMenuBullets})
    EnableItem(id, rich);
  bool selection = HasSelection(ActiveEditor());
  for (unsigned id : {FormatMenuLowerCase, FormatMenuUpperCase, FormatMenuCapitalize, FormatMenuInvertCase,
                      FormatMenuTrimLeft, FormatMenuTrimRight, FormatMenuTrimSpaces, FormatMenuSort, FormatMenuNumber})
    EnableItem(id, selection);
}

void TMainForm::EditMenuUndoClick(const Sender&) { ::SendMessageW(ActiveEditor().hwnd(), EM_UNDO, 0, 0); }

void TMainForm::EditMenuSelectAllClick(const Sender&) { ActiveEditor().SetSelection(0, -1); }

void TMainForm::EditMenuCutClick(const Sender&) { ::SendMessageW(ActiveEditor().hwnd(), WM_CUT, 0, 0); }

void TMainForm::EditMenuCopyClick(const Sender&) { ::SendMessageW(ActiveEditor().hwnd(), WM_COPY, 0, 0); }

void TMainForm::EditMenuDeleteClick(const Sender&) { ::SendMessageW(ActiveEditor().hwnd(), WM_CLEAR, 0, 0); }

namespace {

// The clipboard's plain text, or nothing when it holds none.
std::optional<std::wstring> ClipboardText(HWND owner) {
  if (!::OpenClipboard(owner)) return std::nullopt;
  std::optional<std::wstring> text;
  if (HANDLE data = ::GetClipboardData(CF_UNICODETEXT)) {
    if (const auto* chars = static_cast<const wchar_t*>(::GlobalLock(data))) {
      size_t limit = ::GlobalSize(data) / sizeof(wchar_t);
      text = std::wstring(chars, wcsnlen(chars, limit));
      ::GlobalUnlock(data);
    }
  }
  ::CloseClipboard();
  return text;
}

}  // namespace

void TMainForm::EditMenuPasteClick(const Sender&) {
  workspace::RichEditor& editor = ActiveEditor();
  if (editor.ReadOnly()) return;
  if (!editor.IsPlainText()) {
    ::SendMessageW(editor.hwnd(), WM_PASTE, 0, 0);
    return;
  }
  // Plain text only, put in the selection's place like typing (undoable). The
  // control's own paste is not used here: in plain-text mode Wine's replaces the whole
  // document with the clipboard.
  if (std::optional<std::wstring> text = ClipboardText(hwnd())) editor.ReplaceSelection(*text, true);
}

void TMainForm::EditMenuCopyAllClick(const Sender&) {
  ActiveEditor().SetSelection(0, -1);
  ::SendMessageW(ActiveEditor().hwnd(), WM_COPY, 0, 0);
}

void TMainForm::EditMenuClearAllClick(const Sender&) {
  if (ActiveEditor().ReadOnly()) return;
  // A fresh, empty control: emptying a large text in place is very slow under Wine,
  // and the clearing is not to be undone anyway.
  ReplaceActiveEditor([](workspace::RichEditor&) {});
  ActiveEditor().SetModified(true);
  MemoChange(ActiveSlot);
  MemoSelectionChange();
}

bool TMainForm::MemoKeyDown(HWND, WPARAM key) {
  bool shift = ::GetKeyState(VK_SHIFT) < 0;
  bool control = ::GetKeyState(VK_CONTROL) < 0;
  bool alt = ::GetKeyState(VK_MENU) < 0;
  if (key == VK_INSERT && !shift && !control && !alt) {
    Active().insertMode = !Active().insertMode;
    SetInsertModePanel();
    return false;  // the editor toggles its own mode too
  }
  if (key == VK_INSERT && shift && !control && !alt) {
    // Through Paste, so that a plain-text document receives plain text only.
    EditMenuPasteClick(Sender{EditMenuPaste, Sender::Kind::Code});
    return true;
  }
  if (key == 'Y' && control && !shift && !alt) {
    DeleteCaretLine();
    return true;
  }
  return false;
}

void TMainForm::DeleteCaretLine() {
  workspace::RichEditor& editor = ActiveEditor();
  // A read-only document keeps its text, as with every other command that changes it.
  if (editor.ReadOnly()) return;
  int line = CaretLine();
  long start = editor.LineIndex(line);
  long next = editor.LineIndex(line + 1);
  long end = next >= 0 ? next : editor.TextLength();
  if (next < 0) {
    // The last line: only its text goes.
    end = start + editor.LineLength(start);
  }
  editor.SetSelection(start, end);
  editor.ReplaceSelection(L"", false);
}

}  // namespace app
