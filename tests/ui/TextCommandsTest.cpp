// Format > Lower Case ... Number Lines as the user runs them: menus, popup items and
// tool buttons, the read-only rule, the busy flag, plain and rich documents.
#include <windows.h>
#include <richedit.h>

#include <functional>
#include <string>
#include <vector>

#include "command/CommandIds.h"
#include "dialogs/RenameBox.h"
#include "dialogs/RenameBoxIds.h"
#include "ui/Harness.h"
#include "win/Encoding.h"

using namespace uitest;
using command::Sender;

namespace {

std::function<void()> g_duringPump;
void CALLBACK RunDuringPump(HWND, UINT, UINT_PTR id, DWORD) {
  ::KillTimer(nullptr, id);
  if (g_duringPump) g_duringPump();
}

std::string Utf8(const std::wstring& text) { return win::ToUtf8(text); }

}  // namespace

class TextCommandsTest : public MainFormTest {
 protected:
  void TearDown() override {
    g_duringPump = nullptr;
    MainFormTest::TearDown();
  }
  void Select(long start, long end) { editor().SetSelection(start, end); }
  CHARRANGE Selection() { return editor().Selection(); }
  // Answers the next one-line prompt with `text` (nullptr: Cancel) and keeps what it showed.
  void AnswerPrompt(const wchar_t* text) {
    win::Dialog::SetTestHook([this, text](win::Dialog& dialog) {
      wchar_t caption[100] = L"";
      ::GetWindowTextW(dialog.hwnd(), caption, 100);
      promptCaption_ = caption;
      promptLabel_ = dialog.Text(IDC_RENAME_LABEL);
      promptText_ = dialog.Text(IDC_RENAME_TEXT);
      promptField_ = dialog.Text(IDC_RENAME_EDIT);
      promptDigitsOnly_ = (::GetWindowLongW(dialog.Item(IDC_RENAME_EDIT), GWL_STYLE) & ES_NUMBER) != 0;
      if (text) dialog.SetText(IDC_RENAME_EDIT, text);
      ::PostMessageW(dialog.hwnd(), WM_COMMAND, text ? IDOK : IDCANCEL, 0);
    });
  }
  std::wstring promptCaption_, promptLabel_, promptText_, promptField_;
  bool promptDigitsOnly_ = false;
};

TEST_F(TextCommandsTest, CaseCommandsReplaceTheSelectionNotForUndoAndLeaveTheCaretAfterIt) {
  Start();
  SetEditorText(L"say Hello WORLD now");
  editor().SetModified(false);
  Select(4, 15);
  ASSERT_TRUE(form().RunCommand(command::FormatMenuLowerCase));
  EXPECT_EQ(EditorText(), L"say hello world now");
  EXPECT_EQ(Selection().cpMin, 15);
  EXPECT_EQ(Selection().cpMax, 15) << "nothing stays selected";
  EXPECT_TRUE(editor().Modified());
  EXPECT_FALSE(editor().CanUndo()) << "the change is not recorded for Undo";

  Select(0, 3);
  form().RunCommand(command::MenuUpperCase);
  EXPECT_EQ(EditorText(), L"SAY hello world now") << "the popup item runs the same handler";
  Select(4, 9);
  form().RunCommand(command::FormatMenuUpperCase, Sender::Kind::ToolButton, 28);
  EXPECT_EQ(EditorText(), L"SAY HELLO world now") << "and so does the tool button";
}

TEST_F(TextCommandsTest, CapitalizeAndInvertCaseAsTheUserSeesThem) {
  Start();
  SetEditorText(L"hello WORLD\tfoo-bar\r\u00C9COLE");
  Select(0, -1);
  form().RunCommand(command::FormatMenuCapitalize);
  EXPECT_EQ(EditorText(), L"Hello World\tFoo-bar\r\u00E9cole")
      << "a new line is a new word; an accented first letter is lowered and not raised";
  EXPECT_FALSE(form().Busy());

  SetEditorText(L"Hello, World 1 \u00E9\u00C9");
  Select(0, -1);
  form().RunCommand(command::FormatMenuInvertCase, Sender::Kind::ToolButton, 30);
  EXPECT_EQ(EditorText(), L"hELLO, wORLD 1 \u00E9\u00C9");
}

TEST_F(TextCommandsTest, TheThreeTrimsChosenBySender) {
  Start();
  struct Case {
    unsigned command;
    Sender::Kind kind;
    int tag;
    const wchar_t* expected;
  } cases[] = {
      {command::FormatMenuTrimLeft, Sender::Kind::Menu, -1, L"a\rb  "},
      {command::MenuTrimRight, Sender::Kind::Menu, -1, L"   a\r\t b"},
      {command::FormatMenuTrimSpaces, Sender::Kind::ToolButton, 33, L"a\rb"},
      {command::FormatMenuTrimLeft, Sender::Kind::ToolButton, 31, L"a\rb  "},
      {command::MenuTrimSpaces, Sender::Kind::Menu, -1, L"a\rb"},
  };
  for (const Case& c : cases) {
    SetEditorText(L"   a\r\n\t b  ");
    Select(0, -1);
    form().RunCommand(c.command, c.kind, c.tag);
    EXPECT_EQ(Utf8(EditorText()), Utf8(c.expected)) << "command " << c.command;
  }
}

TEST_F(TextCommandsTest, TrimOfASelectionEndingWithABreakJoinsTheNextLine) {
  Start();
  SetEditorText(L"x \r\ny");
  Select(0, 3);
  form().RunCommand(command::FormatMenuTrimRight);
  EXPECT_EQ(EditorText(), L"xy");
  EXPECT_EQ(Selection().cpMin, 1);
}

TEST_F(TextCommandsTest, SortLines) {
  Start();
  SetEditorText(L"b\r\nB\r\na\r\nc");
  Select(0, -1);
  form().RunCommand(command::FormatMenuSort);
  std::wstring text = EditorText();
  EXPECT_TRUE(text == L"a\rb\rB\rc" || text == L"a\rB\rb\rc") << Utf8(text);

  SetEditorText(L"zz\r\nyy\r\nxx");
  editor().SetModified(false);
  Select(4, 5);
  form().RunCommand(command::FormatMenuSort, Sender::Kind::ToolButton, 34);
  EXPECT_EQ(EditorText(), L"zz\ryy\rxx") << "a selection inside a line sorts that line alone";
  EXPECT_TRUE(editor().Modified());

  SetEditorText(L"c\r\nb\r\na\r\n");
  Select(0, -1);
  form().RunCommand(command::FormatMenuSort);
  EXPECT_EQ(EditorText(), L"a\rb\rc") << "after Select All the final break goes";

  SetEditorText(L"c\r\nb\r\na\r\nz");
  Select(0, 6);
  form().RunCommand(command::FormatMenuSort);
  EXPECT_EQ(EditorText(), L"a\rb\rc\rz") << "a selection ending at a line start neither takes in nor doubles a line";
  EXPECT_EQ(Selection().cpMin, 6);
}

TEST_F(TextCommandsTest, NumberLinesAsksForTheStartingNumber) {
  Start();
  SetEditorText(L"x\r\n\r\ny");
  Select(0, -1);
  AnswerPrompt(L"9");
  form().RunCommand(command::FormatMenuNumber);
  EXPECT_EQ(EditorText(), L"9. x\r10. \r11. y");
  EXPECT_EQ(promptCaption_, L"Tarnwick - Starting Number");
  EXPECT_EQ(promptLabel_, L"&Number:");
  EXPECT_EQ(promptText_, L"Enter the number to start with.");
  EXPECT_EQ(promptField_, L"1");
  EXPECT_TRUE(promptDigitsOnly_);

  SetEditorText(L"p\r\nq");
  Select(0, 1);
  AnswerPrompt(L"007");
  form().RunCommand(command::FormatMenuNumber, Sender::Kind::ToolButton, 35);
  EXPECT_EQ(EditorText(), L"7. p\rq") << "leading zeros are allowed; only the selected line is numbered";

  editor().SetModified(false);
  Select(0, -1);
  AnswerPrompt(nullptr);
  form().RunCommand(command::FormatMenuNumber);
  EXPECT_EQ(EditorText(), L"7. p\rq") << "Cancel changes nothing";
  EXPECT_FALSE(editor().Modified());
}

TEST_F(TextCommandsTest, NothingHappensOnAReadOnlyDocument) {
  Start();
  SetEditorText(L"  Mixed Case\r\nb\r\na  ");
  editor().SetModified(false);
  form().RunCommand(command::DocumentMenuReadOnly);
  ASSERT_TRUE(editor().ReadOnly());
  win::Dialog::SetTestHook([](win::Dialog&) { ADD_FAILURE() << "no prompt on a read-only document"; });
  for (unsigned command : {command::FormatMenuLowerCase, command::FormatMenuUpperCase, command::FormatMenuCapitalize,
                           command::FormatMenuInvertCase, command::FormatMenuTrimLeft, command::FormatMenuTrimRight,
                           command::FormatMenuTrimSpaces, command::FormatMenuSort, command::FormatMenuNumber, command::MenuLowerCase}) {
    Select(0, -1);
    form().RunCommand(command);
    EXPECT_EQ(EditorText(), L"  Mixed Case\rb\ra  ") << "command " << command;
  }
  EXPECT_FALSE(editor().Modified());
  EXPECT_TRUE(editor().ReadOnly());
}

TEST_F(TextCommandsTest, ClosingIsRefusedWhileCapitalizeRunsAndWorksAfterwards) {
  Start();
  std::wstring text;
  while (text.size() < 300'000) text += L"one TWO three\r\n";
  SetEditorText(text);
  Select(0, -1);
  ::PostMessageW(form().hwnd(), WM_CLOSE, 0, 0);
  bool busyWhilePumping = false;
  g_duringPump = [&] { busyWhilePumping = form().Busy(); };
  ::SetTimer(nullptr, 0, 1, &RunDuringPump);
  ::Sleep(20);
  form().RunCommand(command::FormatMenuCapitalize);
  EXPECT_TRUE(busyWhilePumping) << "the window ran while the command was busy";
  ASSERT_TRUE(::IsWindow(form().hwnd())) << "the close request was refused";
  EXPECT_FALSE(form().Busy());
  EXPECT_EQ(EditorText().substr(0, 28), L"One Two Three\rOne Two Three\r");
  editor().SetModified(false);
  Exit();
  EXPECT_FALSE(form().hwnd()) << "it closes normally afterwards";
}

TEST_F(TextCommandsTest, InvertCaseLandsInItsDocumentWhateverTheUserDoesMeanwhile) {
  Start();
  std::wstring text;
  while (text.size() < 200'000) text += L"abc DEF\r\n";
  SetEditorText(text);
  HWND first = editor().hwnd();
  int firstSlot = form().documents().ActiveSlot;
  Select(0, -1);
  ASSERT_TRUE(form().documents().NewDocument(0, L"txt"));
  SetEditorText(L"other");
  form().documents().ActivateTab(0);
  Select(0, -1);
  g_duringPump = [&] {
    // Typing into the document and switching tabs while the command runs.
    ::SendMessageW(first, WM_CHAR, L'Z', 0);
    form().documents().ActivateTab(1);
  };
  ::SetTimer(nullptr, 0, 1, &RunDuringPump);
  ::Sleep(20);
  form().RunCommand(command::FormatMenuInvertCase);
  EXPECT_EQ(form().documents().ActiveSlot, form().documents().SlotOfTab(1)) << "the user's tab switch stands";
  EXPECT_EQ(EditorText(), L"other");
  workspace::RichEditor& started = form().documents().Slot(firstSlot)->editor;
  EXPECT_EQ(started.Text().substr(0, 16), L"ABC def\rABC def\r") << "no typed character got in";
  EXPECT_EQ(started.TextLength(), static_cast<long>(text.size() / 9 * 8));
  EXPECT_FALSE(started.ReadOnly()) << "the document is writable again";
}

TEST_F(TextCommandsTest, AWholeLargeDocumentIsReplacedByAFreshControlKeepingItsStates) {
  Start();
  std::wstring text;
  while (text.size() < 700'000) text += L"Line Of Text\r\n";
  SetEditorText(text);
  form().RunCommand(command::DocumentMenuWordWrap);
  bool wrap = editor().WordWrap();
  HWND before = editor().hwnd();
  Select(0, -1);
  form().RunCommand(command::FormatMenuUpperCase);
  EXPECT_NE(editor().hwnd(), before) << "a change this large goes through a fresh control";
  EXPECT_FALSE(::IsWindow(before));
  EXPECT_EQ(editor().Text().substr(0, 26), L"LINE OF TEXT\rLINE OF TEXT\r");
  EXPECT_EQ(editor().TextLength(), static_cast<long>(text.size() / 14 * 13));
  EXPECT_TRUE(editor().Modified());
  EXPECT_EQ(editor().WordWrap(), wrap);
  EXPECT_EQ(Selection().cpMin, editor().TextLength());
  EXPECT_EQ(Selection().cpMax, editor().TextLength());
}

TEST_F(TextCommandsTest, RichTextKeepsItsFormattingOutsideTheSelection) {
  Start();
  ASSERT_TRUE(form().documents().NewDocument(1, L"rtf"));
  ASSERT_FALSE(editor().IsPlainText());
  SetEditorText(L"Bold part and plain PART");
  Select(0, 4);
  CHARFORMAT2W bold{};
  bold.cbSize = sizeof(bold);
  bold.dwMask = CFM_BOLD;
  bold.dwEffects = CFE_BOLD;
  ::SendMessageW(editor().hwnd(), EM_SETCHARFORMAT, SCF_SELECTION, reinterpret_cast<LPARAM>(&bold));
  Select(14, 24);
  form().RunCommand(command::FormatMenuLowerCase);
  EXPECT_EQ(EditorText(), L"Bold part and plain part");
  Select(0, 4);
  CHARFORMAT2W got{};
  got.cbSize = sizeof(got);
  ::SendMessageW(editor().hwnd(), EM_GETCHARFORMAT, SCF_SELECTION, reinterpret_cast<LPARAM>(&got));
  EXPECT_TRUE((got.dwMask & CFM_BOLD) && (got.dwEffects & CFE_BOLD)) << "the bold word outside the change stays bold";
}

TEST_F(TextCommandsTest, AWholeRichDocumentTakesTheFormatWhereItBegan) {
  Start();
  ASSERT_TRUE(form().documents().NewDocument(1, L"rtf"));
  std::wstring text;
  while (text.size() < 700'000) text += L"Rich Line\r\n";
  SetEditorText(text);
  Select(0, 4);
  CHARFORMAT2W bold{};
  bold.cbSize = sizeof(bold);
  bold.dwMask = CFM_BOLD;
  bold.dwEffects = CFE_BOLD;
  ::SendMessageW(editor().hwnd(), EM_SETCHARFORMAT, SCF_SELECTION, reinterpret_cast<LPARAM>(&bold));
  HWND before = editor().hwnd();
  Select(0, -1);
  form().RunCommand(command::FormatMenuLowerCase);
  EXPECT_NE(editor().hwnd(), before) << "the whole text goes through a fresh control";
  EXPECT_FALSE(editor().IsPlainText()) << "still a rich-text document";
  EXPECT_EQ(editor().Text().substr(0, 20), L"rich line\rrich line\r");
  Select(300'000, 300'010);
  CHARFORMAT2W got{};
  got.cbSize = sizeof(got);
  ::SendMessageW(editor().hwnd(), EM_GETCHARFORMAT, SCF_SELECTION, reinterpret_cast<LPARAM>(&got));
  EXPECT_TRUE((got.dwMask & CFM_BOLD) && (got.dwEffects & CFE_BOLD))
      << "as in place, the new text takes the format of the first character replaced";
}

class PromptDialogTest : public TextCommandsTest {};

TEST_F(PromptDialogTest, RenameDressingByDefaultAndItsHelpTopics) {
  std::vector<int> topics;
  dialogs::TRenameBox box({}, [&](int topic) { topics.push_back(topic); });
  win::Dialog::SetTestHook([&](win::Dialog& dialog) {
    wchar_t caption[64] = L"";
    ::GetWindowTextW(dialog.hwnd(), caption, 64);
    EXPECT_STREQ(caption, L"Tarnwick - Rename");
    EXPECT_EQ(dialog.Text(IDC_RENAME_LABEL), L"&New Name:");
    EXPECT_EQ(dialog.Text(IDC_RENAME_TEXT), L"If the file is on disk, this will also rename the file.");
    EXPECT_FALSE(::IsWindowEnabled(dialog.Item(IDOK))) << "OK is disabled while the field is empty";
    ::SendMessageW(dialog.hwnd(), WM_COMMAND, IDOK, 0);
    EXPECT_TRUE(::IsWindow(dialog.hwnd())) << "Enter does nothing while OK is disabled";
    dialog.SetText(IDC_RENAME_EDIT, L"new name.txt");
    EXPECT_TRUE(::IsWindowEnabled(dialog.Item(IDOK)));
    ::SendMessageW(dialog.hwnd(), WM_COMMAND, IDC_RENAME_HELP, 0);
    HELPINFO help{sizeof(help), HELPINFO_WINDOW, IDC_RENAME_EDIT};
    ::SendMessageW(dialog.hwnd(), WM_HELP, 0, reinterpret_cast<LPARAM>(&help));
    ::PostMessageW(dialog.hwnd(), WM_COMMAND, IDOK, 0);
  });
  EXPECT_EQ(box.ShowModal(nullptr), IDOK);
  EXPECT_EQ(box.text(), L"new name.txt");
  EXPECT_EQ(topics, (std::vector<int>{57, 57})) << "topic 57 for the dialog and, undressed, for its field";

  dialogs::RenameBoxDressing dressing;
  dressing.helpTopic = 172;
  dressing.fieldHelpTopic = 173;
  dressing.maxLength = 9;
  topics.clear();
  dialogs::TRenameBox numbers(dressing, [&](int topic) { topics.push_back(topic); });
  win::Dialog::SetTestHook([&](win::Dialog& dialog) {
    ::SendMessageW(dialog.hwnd(), WM_COMMAND, IDC_RENAME_HELP, 0);
    for (int control : {IDC_RENAME_LABEL, IDC_RENAME_EDIT, IDOK}) {
      HELPINFO help{sizeof(help), HELPINFO_WINDOW, control};
      ::SendMessageW(dialog.hwnd(), WM_HELP, 0, reinterpret_cast<LPARAM>(&help));
    }
    for (wchar_t digit : std::wstring(L"1234567890123"))
      ::SendMessageW(dialog.Item(IDC_RENAME_EDIT), WM_CHAR, digit, 0);
    EXPECT_EQ(dialog.Text(IDC_RENAME_EDIT), L"123456789") << "at most 9 characters";
    ::PostMessageW(dialog.hwnd(), WM_COMMAND, IDCANCEL, 0);
  });
  EXPECT_EQ(numbers.ShowModal(nullptr), IDCANCEL);
  EXPECT_EQ(topics, (std::vector<int>{172, 173, 173, 172}));
}
