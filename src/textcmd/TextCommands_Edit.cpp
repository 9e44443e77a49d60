// The Edit menu, the editor's popup menu and the extra keys of every editor.
#include <optional>

#include "textcmd/TextCommands_win.h"
#include "config/Keys.h"

namespace textcmd {
using namespace command;
namespace keys = config::keys;

void TextCommands::EditMenuUndoClick(const Sender&) { documents_.ActiveEditor().Undo(); }

void TextCommands::EditMenuSelectAllClick(const Sender&) { documents_.ActiveEditor().SetSelection(0, -1); }

void TextCommands::EditMenuCutClick(const Sender&) { documents_.ActiveEditor().Cut(); }

void TextCommands::EditMenuCopyClick(const Sender&) { documents_.ActiveEditor().Copy(); }

void TextCommands::EditMenuDeleteClick(const Sender&) { documents_.ActiveEditor().Clear(); }

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

void TextCommands::EditMenuPasteClick(const Sender&) {
  workspace::RichEditor& editor = documents_.ActiveEditor();
  if (editor.ReadOnly()) return;
  if (!editor.IsPlainText()) {
    editor.Paste();
    return;
  }
  // Plain text only, put in the selection's place like typing (undoable). The
  // control's own paste is not used here: in plain-text mode Wine's replaces the whole
  // document with the clipboard.
  if (std::optional<std::wstring> text = ClipboardText(frame_.Window())) editor.ReplaceSelection(*text, true);
}

void TextCommands::EditMenuCopyAllClick(const Sender&) {
  documents_.ActiveEditor().SetSelection(0, -1);
  documents_.ActiveEditor().Copy();
}

void TextCommands::EditMenuClearAllClick(const Sender&) {
  if (documents_.ActiveEditor().ReadOnly()) return;
  // A fresh, empty control: emptying a large text in place is very slow under Wine,
  // and the clearing is not to be undone anyway.
  documents_.ReplaceSlotEditor(documents_.ActiveSlotNumber(), [](workspace::RichEditor&) {});
  documents_.ActiveEditor().SetModified(true);
  documents_.MemoChange(documents_.ActiveSlotNumber());
  documents_.MemoSelectionChange();
}

bool TextCommands::MemoKeyDown(WPARAM key) {
  bool shift = ::GetKeyState(VK_SHIFT) < 0;
  bool control = ::GetKeyState(VK_CONTROL) < 0;
  bool alt = ::GetKeyState(VK_MENU) < 0;
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

void TextCommands::DeleteCaretLine() {
  workspace::RichEditor& editor = documents_.ActiveEditor();
  // A read-only document keeps its text, as with every other command that changes it.
  if (editor.ReadOnly()) return;
  int line = editor.LineFromChar(editor.Selection().cpMin);
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

}  // namespace textcmd
