// The Edit menu, the editor's popup menu, the extra keys and Insert Symbol.
#include <windows.h>
#include <richedit.h>

#include "command/CommandIds.h"
#include "dialogs/CharForm.h"
#include "dialogs/CharFormIds.h"
#include "ui/Harness.h"

using namespace uitest;

namespace {

void PutOnClipboard(HWND owner, const std::wstring& text, const std::string& rtf) {
  ASSERT_TRUE(::OpenClipboard(owner));
  ::EmptyClipboard();
  size_t bytes = (text.size() + 1) * sizeof(wchar_t);
  HGLOBAL unicode = ::GlobalAlloc(GMEM_MOVEABLE, bytes);
  memcpy(::GlobalLock(unicode), text.c_str(), bytes);
  ::GlobalUnlock(unicode);
  ::SetClipboardData(CF_UNICODETEXT, unicode);
  if (!rtf.empty()) {
    HGLOBAL rich = ::GlobalAlloc(GMEM_MOVEABLE, rtf.size() + 1);
    memcpy(::GlobalLock(rich), rtf.c_str(), rtf.size() + 1);
    ::GlobalUnlock(rich);
    ::SetClipboardData(::RegisterClipboardFormatW(L"Rich Text Format"), rich);
  }
  ::CloseClipboard();
}

std::wstring ClipboardText() {
  std::wstring text;
  if (!::OpenClipboard(nullptr)) return text;
  if (HANDLE data = ::GetClipboardData(CF_UNICODETEXT)) {
    text = static_cast<const wchar_t*>(::GlobalLock(data));
    ::GlobalUnlock(data);
  }
  ::CloseClipboard();
  return text;
}

// Ctrl held down for the keys sent to the editor.
class ControlDown {
 public:
  ControlDown() { Set(VK_CONTROL, true); }
  ~ControlDown() { Set(VK_CONTROL, false); }
  static void Set(int key, bool down) {
    BYTE state[256];
    ::GetKeyboardState(state);
    state[key] = down ? 0x80 : 0;
    ::SetKeyboardState(state);
  }
};

}  // namespace

class EditTest : public MainFormTest {};

TEST_F(EditTest, MenusFollowTheSelectionAndUndo) {
  Start();
  EXPECT_FALSE(form().IsCommandEnabled(command::EditMenuUndo));
  EXPECT_FALSE(form().IsCommandEnabled(command::EditMenuCut));
  EXPECT_TRUE(form().IsCommandEnabled(command::EditMenuPaste));
  EXPECT_TRUE(form().IsCommandEnabled(command::EditMenuClearAll));
  EXPECT_FALSE(form().IsCommandEnabled(command::FormatMenuLowerCase));
  EXPECT_FALSE(form().IsCommandEnabled(command::MenuCapitalize));
  SetEditorText(L"some text");
  editor().SetSelection(0, 4);
  EXPECT_TRUE(form().IsCommandEnabled(command::EditMenuUndo));
  for (unsigned id : {command::EditMenuCut, command::EditMenuCopy, command::EditMenuDelete, command::MenuCut, command::MenuLowerCase,
                      command::MenuTrimSpaces, command::FormatMenuLowerCase, command::FormatMenuNumber})
    EXPECT_TRUE(form().IsCommandEnabled(id)) << id;
  EXPECT_FALSE(form().IsCommandEnabled(command::FormatMenuBold)) << "rich-text items stay off in plain text";
}

TEST_F(EditTest, AShortcutOfADisabledItemDoesNothing) {
  Start();
  SetEditorText(L"keep me");
  editor().SetSelection(2, 2);
  PutOnClipboard(form().hwnd(), L"clip", "");
  ::SendMessageW(form().hwnd(), WM_COMMAND, MAKEWPARAM(command::EditMenuCut, 1), 0);
  EXPECT_EQ(EditorText(), L"keep me");
  EXPECT_EQ(ClipboardText(), L"clip") << "Ctrl+X without a selection cuts nothing";
  ::SendMessageW(form().hwnd(), WM_COMMAND, MAKEWPARAM(command::EditMenuInsertSymbol, 1), 0);
  EXPECT_EQ(prompter_.messages.size(), 0u) << "Insert Symbol is off for plain text: no dialog came";
}

TEST_F(EditTest, CutCopyPasteDeleteAndSelectAll) {
  Start();
  SetEditorText(L"alpha beta");
  editor().SetSelection(0, 6);
  form().RunCommand(command::EditMenuCut);
  EXPECT_EQ(EditorText(), L"beta");
  EXPECT_EQ(ClipboardText(), L"alpha ");
  editor().SetSelection(4, 4);
  form().RunCommand(command::EditMenuPaste);
  EXPECT_EQ(EditorText(), L"betaalpha ");
  form().RunCommand(command::EditMenuSelectAll);
  EXPECT_EQ(editor().Selection().cpMin, 0);
  EXPECT_GE(editor().Selection().cpMax, 10);
  EXPECT_EQ(editor().SelectedText().substr(0, 10), L"betaalpha ");
  editor().SetSelection(0, 4);
  form().RunCommand(command::EditMenuDelete);
  EXPECT_EQ(EditorText(), L"alpha ");
  form().RunCommand(command::EditMenuUndo);
  EXPECT_EQ(EditorText(), L"betaalpha ");
}

TEST_F(EditTest, PlainTextPasteInsertsAtTheSelectionAndKeepsTheRest) {
  Start();
  SetEditorText(L"one three");
  PutOnClipboard(form().hwnd(), L"two ", "{\\rtf1\\ansi {\\b two }}");
  editor().SetSelection(4, 4);
  form().RunCommand(command::EditMenuPaste);
  EXPECT_EQ(EditorText(), L"one two three");
  form().RunCommand(command::EditMenuUndo);
  EXPECT_EQ(EditorText(), L"one three");
}

TEST_F(EditTest, PlainTextDocumentsPasteOnlyPlainText) {
  Start();
  PutOnClipboard(form().hwnd(), L"PLAIN VERSION", "{\\rtf1\\ansi {\\b RICH VERSION}}");
  form().RunCommand(command::EditMenuPaste);
  EXPECT_EQ(EditorText(), L"PLAIN VERSION");
  SetEditorText(L"");
  // Shift+Insert goes through Paste as well.
  ControlDown::Set(VK_SHIFT, true);
  ::SendMessageW(editor().hwnd(), WM_KEYDOWN, VK_INSERT, 0);
  ControlDown::Set(VK_SHIFT, false);
  EXPECT_EQ(EditorText(), L"PLAIN VERSION");
  EXPECT_EQ(form().StatusText(1), L"Insert") << "Shift+Insert does not flip the insert mode";

  editor().SetReadOnly(true);
  form().RunCommand(command::EditMenuPaste);
  EXPECT_EQ(EditorText(), L"PLAIN VERSION");
}

TEST_F(EditTest, RichTextDocumentsPasteRichText) {
  Start();
  form().documents().NewDocument(1, L"rtf");
  PutOnClipboard(form().hwnd(), L"PLAIN VERSION", "{\\rtf1\\ansi {\\b RICH VERSION}}");
  form().RunCommand(command::EditMenuPaste);
  EXPECT_EQ(EditorText(), L"RICH VERSION");
}

TEST_F(EditTest, CopyAllAndClearAll) {
  Start();
  SetEditorText(L"all of it");
  editor().SetSelection(1, 1);
  form().RunCommand(command::EditMenuCopyAll);
  EXPECT_EQ(ClipboardText(), L"all of it");
  EXPECT_EQ(editor().Selection().cpMin, 0);
  EXPECT_GE(editor().Selection().cpMax, 9) << "the whole text stays selected";

  editor().SetModified(false);
  form().RunCommand(command::EditMenuClearAll);
  EXPECT_EQ(EditorText(), L"");
  EXPECT_TRUE(editor().Modified());
  EXPECT_FALSE(editor().CanUndo()) << "Clear All cannot be undone";
  EXPECT_EQ(form().documents().TabImage(0), 1);
  EXPECT_TRUE(form().IsToolEnabled(3));

  SetEditorText(L"protected");
  editor().SetReadOnly(true);
  form().RunCommand(command::EditMenuClearAll);
  EXPECT_EQ(EditorText(), L"protected");
}

TEST_F(EditTest, TimeAndDateFollowTheFormats) {
  Start();
  now_ = SYSTEMTIME{2000, 12, 0, 31, 0, 7, 0, 0};
  form().RunCommand(command::EditMenuTime);
  EXPECT_EQ(EditorText(), L"12:07AM");
  SetEditorText(L"");
  now_.wHour = 13;
  now_.wMinute = 5;
  form().RunCommand(command::EditInsertTimeAndDate);
  EXPECT_EQ(EditorText(), L"1:05PM 12/31/2000");
  form().RunCommand(command::EditMenuUndo);
  EXPECT_EQ(EditorText(), L"1:05PM ") << "three insertions, each undone by itself";

  ini_->WriteText(L"Main", L"TimeFormat", L"2");
  ini_->WriteText(L"Main", L"DateFormat", L"2");
  wchar_t oldSeparator[8] = L"";
  ::GetLocaleInfoW(LOCALE_USER_DEFAULT, LOCALE_SDATE, oldSeparator, 8);
  ::SetLocaleInfoW(LOCALE_USER_DEFAULT, LOCALE_SDATE, L".");
  SetEditorText(L"");
  form().RunCommand(command::EditMenuDate);
  ::SetLocaleInfoW(LOCALE_USER_DEFAULT, LOCALE_SDATE, oldSeparator);
  EXPECT_EQ(EditorText(), L"31.12.2000");
  SetEditorText(L"");
  now_.wHour = 0;
  now_.wMinute = 7;
  form().RunCommand(command::EditMenuTime);
  EXPECT_EQ(EditorText(), L"00:07");

  editor().SetReadOnly(true);
  form().RunCommand(command::EditMenuTime);
  EXPECT_EQ(EditorText(), L"00:07");
}

TEST_F(EditTest, ControlYDeletesTheCaretLine) {
  Start();
  SetEditorText(L"one\r\ntwo\r\nthree");
  editor().SetSelection(1, 1);
  {
    ControlDown control;
    ::SendMessageW(editor().hwnd(), WM_KEYDOWN, 'Y', 0);
    ::SendMessageW(editor().hwnd(), WM_CHAR, 0x19, 0);
  }
  EXPECT_EQ(EditorText(), L"two\rthree");
  editor().SetSelection(6, 6);
  {
    ControlDown control;
    ::SendMessageW(editor().hwnd(), WM_KEYDOWN, 'Y', 0);
  }
  EXPECT_EQ(EditorText(), L"two\r") << "on the last line only its text goes";
}

TEST_F(EditTest, InsertSymbolPutsTheCharactersInTheChosenFont) {
  Start();
  form().documents().NewDocument(1, L"rtf");
  SetEditorText(L"ab");
  editor().SetSelection(1, 1);
  std::wstring fontShown;
  win::Dialog::SetTestHook([&](win::Dialog& dialog) {
    auto& chars = static_cast<dialogs::TCharForm&>(dialog);
    fontShown = dialog.Text(IDC_CHAR_FONTBOX);
    chars.AppendCell(33);  // 'A'
    chars.AppendCell(34);  // 'B'
    ::PostMessageW(dialog.hwnd(), WM_COMMAND, IDOK, 0);
  });
  form().RunCommand(command::EditMenuInsertSymbol);
  EXPECT_EQ(EditorText(), L"aABb");
  EXPECT_EQ(editor().Selection().cpMin, 1);
  EXPECT_EQ(editor().Selection().cpMax, 3) << "the inserted text stays selected";
  EXPECT_FALSE(fontShown.empty());
  EXPECT_EQ(IniValue(L"Main", L"SymbolFont"), fontShown);
}

TEST_F(EditTest, InsertSymbolInPlainTextWhenAllowed) {
  WriteIni("[Main]\r\nPlainTextInsertSymbol=1\r\n[Editor]\r\nFont=DejaVu Sans Mono\r\n");
  Start();
  EXPECT_TRUE(form().IsCommandEnabled(command::EditMenuInsertSymbol));
  bool fontBoxEnabled = true;
  std::wstring fontShown;
  win::Dialog::SetTestHook([&](win::Dialog& dialog) {
    fontBoxEnabled = ::IsWindowEnabled(dialog.Item(IDC_CHAR_FONTBOX));
    fontShown = dialog.Text(IDC_CHAR_FONTBOX);
    ::PostMessageW(dialog.hwnd(), WM_COMMAND, IDCANCEL, 0);
  });
  form().RunCommand(command::EditMenuInsertSymbol);
  EXPECT_FALSE(fontBoxEnabled);
  EXPECT_EQ(fontShown, L"DejaVu Sans Mono");
  EXPECT_EQ(IniValue(L"Main", L"SymbolFont"), L"<absent>") << "Cancel writes nothing";
}
