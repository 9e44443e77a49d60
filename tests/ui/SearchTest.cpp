// Search > Find, Find Next, Replace and Go to Line, driven as the user drives them:
// the dialogs are answered through the test hook or their controls.
#include <windows.h>
#include <richedit.h>

#include <string>
#include <vector>

#include "command/CommandIds.h"
#include "dialogs/RenameBoxIds.h"
#include "dialogs/ReplaceForm.h"
#include "dialogs/SearchForm.h"
#include "dialogs/ReplaceFormIds.h"
#include "dialogs/SearchFormIds.h"
#include "ui/Harness.h"
#include "win/Encoding.h"

using namespace uitest;

namespace {
const wchar_t kEndOfDocument[] = L"End of document reached.";
const wchar_t kEndOfDocuments[] = L"End of documents reached.";
const wchar_t kSameTexts[] =
    L"The \"Search\" and \"Replace\" are the same.\n\nEither use different strings or check the Case Sensitive checkbox.";
const wchar_t kReadOnly[] = L"The current Document is Read Only.\nFunction Aborted.";
}  // namespace

class SearchTest : public MainFormTest {
 protected:
  CHARRANGE Selection() { return editor().Selection(); }
  void ExpectSelection(long start, long end, const char* why = "") {
    EXPECT_EQ(Selection().cpMin, start) << why;
    EXPECT_EQ(Selection().cpMax, end) << why;
  }
  // Finds through the Find dialog with these answers.
  void Find(const std::wstring& text, bool matchCase = false, bool wholeWord = false, bool all = false) {
    win::Dialog::SetTestHook([=](win::Dialog& dialog) {
      dialog.SetText(IDC_FIND_EDIT, text);
      dialog.SetChecked(IDC_FIND_CASE, matchCase);
      dialog.SetChecked(IDC_FIND_WHOLE, wholeWord);
      dialog.SetChecked(IDC_FIND_CURRENT, !all);
      dialog.SetChecked(IDC_FIND_ALL, all);
      ::PostMessageW(dialog.hwnd(), WM_COMMAND, IDOK, 0);
    });
    form().RunCommand(command::SearchMenuFind);
    win::Dialog::SetTestHook(nullptr);
  }
  HWND OpenReplace() {
    form().RunCommand(command::SearchMenuReplace);
    return form().ReplaceDialog();
  }
  void FillReplace(const std::wstring& search, const std::wstring& with, bool matchCase = false, bool all = false) {
    HWND dialog = OpenReplace();
    ::SetDlgItemTextW(dialog, IDC_REPLACE_SEARCH, search.c_str());
    ::SetDlgItemTextW(dialog, IDC_REPLACE_WITH, with.c_str());
    ::CheckDlgButton(dialog, IDC_REPLACE_CASE, matchCase ? BST_CHECKED : BST_UNCHECKED);
    ::CheckDlgButton(dialog, IDC_REPLACE_CURRENT, all ? BST_UNCHECKED : BST_CHECKED);
    ::CheckDlgButton(dialog, IDC_REPLACE_ALL_DOCUMENTS, all ? BST_CHECKED : BST_UNCHECKED);
  }
  void Press(int button) {
    HWND dialog = form().ReplaceDialog();
    ::SendMessageW(dialog, WM_COMMAND, MAKEWPARAM(button, BN_CLICKED),
                   reinterpret_cast<LPARAM>(::GetDlgItem(dialog, button)));
  }
  // Three documents with these texts; the first tab is active at the end.
  void ThreeDocuments(const wchar_t* a, const wchar_t* b, const wchar_t* c) {
    SetEditorText(a);
    ASSERT_TRUE(form().documents().NewDocument(0, L"txt"));
    SetEditorText(b);
    ASSERT_TRUE(form().documents().NewDocument(0, L"txt"));
    SetEditorText(c);
    for (int tab = 0; tab < 3; ++tab) form().documents().Slot(form().documents().SlotOfTab(tab))->editor.SetSelection(0, 0);
    form().documents().ActivateTab(0);
  }
  workspace::RichEditor& EditorOfTab(int tab) { return form().documents().Slot(form().documents().SlotOfTab(tab))->editor; }
  int ActiveTab() { return form().documents().TabIndexOfSlot(form().documents().ActiveSlot); }
};

TEST_F(SearchTest, FindNextWithNothingSearchedOpensFindWithItsDefaults) {
  Start();
  bool shown = false;
  win::Dialog::SetTestHook([&](win::Dialog& dialog) {
    shown = true;
    wchar_t caption[64] = L"";
    ::GetWindowTextW(dialog.hwnd(), caption, 64);
    EXPECT_STREQ(caption, L"Tarnwick - Find");
    EXPECT_EQ(dialog.Text(IDC_FIND_EDIT), L"");
    EXPECT_FALSE(::IsWindowEnabled(dialog.Item(IDOK))) << "Find is disabled while the field is empty";
    EXPECT_FALSE(dialog.Checked(IDC_FIND_CASE));
    EXPECT_FALSE(dialog.Checked(IDC_FIND_WHOLE));
    EXPECT_TRUE(dialog.Checked(IDC_FIND_CURRENT));
    dialog.SetText(IDC_FIND_EDIT, L"x");
    EXPECT_TRUE(::IsWindowEnabled(dialog.Item(IDOK)));
    ::PostMessageW(dialog.hwnd(), WM_COMMAND, IDCANCEL, 0);
  });
  form().RunCommand(command::SearchMenuFindNext);
  EXPECT_TRUE(shown);
}

TEST_F(SearchTest, OverlappingMatchesOneAfterAnotherThenTheEnd) {
  Start();
  SetEditorText(L"aaaa");
  editor().SetSelection(0, 0);
  Find(L"aa");
  ExpectSelection(0, 2);
  form().RunCommand(command::SearchMenuFindNext);
  ExpectSelection(1, 3);
  form().RunCommand(command::SearchMenuFindNext, command::Sender::Kind::ToolButton, 37);
  ExpectSelection(2, 4);
  EXPECT_EQ(form().StatusText(0), L"1:3") << "the position panel follows the match";
  prompter_.ExpectMessage(kEndOfDocument);
  form().RunCommand(command::SearchMenuFindNext);
  ExpectSelection(2, 4);
  ASSERT_FALSE(prompter_.messages.empty());
  EXPECT_EQ(prompter_.messages.back().owner, form().hwnd());
  EXPECT_EQ(prompter_.messages.back().icon, win::Icon::Information);

  bool keptText = false;
  win::Dialog::SetTestHook([&](win::Dialog& dialog) {
    keptText = dialog.Text(IDC_FIND_EDIT) == L"aa" && !dialog.Checked(IDC_FIND_CASE);
    ::PostMessageW(dialog.hwnd(), WM_COMMAND, IDCANCEL, 0);
  });
  form().RunCommand(command::SearchMenuFind);
  EXPECT_TRUE(keptText) << "Find opens with the last search text";
}

TEST_F(SearchTest, CaseAndWholeWordOptions) {
  Start();
  SetEditorText(L"Cat cats cat");
  editor().SetSelection(0, 0);
  Find(L"cat", true);
  ExpectSelection(4, 7);
  editor().SetSelection(0, 0);
  Find(L"cat", false, true);
  ExpectSelection(0, 3);
  form().RunCommand(command::SearchMenuFindNext);
  ExpectSelection(9, 12, "'cats' is no whole word");
}

TEST_F(SearchTest, AllDocumentsGoesRoundTheTabs) {
  Start();
  ThreeDocuments(L"xx needle", L"nothing", L"none here");
  form().documents().ActivateTab(1);
  Find(L"needle", false, false, true);
  EXPECT_EQ(ActiveTab(), 0) << "from the second tab by the third to the first";
  ExpectSelection(3, 9);

  form().documents().ActivateTab(1);
  EditorOfTab(0).SetSelection(5, 5);
  EditorOfTab(1).SetSelection(3, 3);
  EditorOfTab(2).SetSelection(2, 2);
  prompter_.ExpectMessage(kEndOfDocuments);
  Find(L"absent", false, false, true);
  EXPECT_EQ(ActiveTab(), 1) << "back in the starting tab";
  for (int tab = 0; tab < 3; ++tab) {
    EXPECT_EQ(EditorOfTab(tab).Selection().cpMin, 0) << "tab " << tab << " was visited from its start";
    EXPECT_EQ(EditorOfTab(tab).Selection().cpMax, 0);
  }
}

TEST_F(SearchTest, ReplaceDialogRefusesTheSameTextsUnlessCaseSensitive) {
  Start();
  SetEditorText(L"Cat");
  editor().SetSelection(0, 0);
  FillReplace(L"Cat", L"cat");
  prompter_.ExpectMessage(kSameTexts);
  Press(IDC_REPLACE_EVERYWHERE);
  EXPECT_EQ(EditorText(), L"Cat");
  ASSERT_FALSE(prompter_.messages.empty());
  EXPECT_EQ(prompter_.messages.back().owner, form().ReplaceDialog()) << "owned by the Replace dialog";
  EXPECT_EQ(prompter_.messages.back().icon, win::Icon::Warning);

  FillReplace(L"Cat", L"cat", true);
  prompter_.ExpectMessage(kEndOfDocument);
  Press(IDC_REPLACE_EVERYWHERE);
  EXPECT_EQ(EditorText(), L"cat");
}

TEST_F(SearchTest, ReplaceReplacesOnlyASelectedMatchThenFindsTheNext) {
  Start();
  SetEditorText(L"one two one two");
  editor().SetSelection(0, 3);
  FillReplace(L"two", L"2");
  Press(IDC_REPLACE_ONE);
  EXPECT_EQ(EditorText(), L"one two one two") << "the selection was no match";
  ExpectSelection(4, 7);
  Press(IDC_REPLACE_ONE);
  EXPECT_EQ(EditorText(), L"one 2 one two");
  ExpectSelection(10, 13);
  prompter_.ExpectMessage(kEndOfDocument);
  Press(IDC_REPLACE_ONE);
  EXPECT_EQ(EditorText(), L"one 2 one 2") << "the last match is replaced, then the search ends";
  ExpectSelection(11, 11);
  EXPECT_TRUE(editor().Modified());
}

TEST_F(SearchTest, ReplaceAllBanana) {
  Start();
  SetEditorText(L"banana");
  editor().SetSelection(0, 0);
  FillReplace(L"a", L"b");
  prompter_.ExpectMessage(kEndOfDocument);
  Press(IDC_REPLACE_EVERYWHERE);
  EXPECT_EQ(EditorText(), L"bbnbnb");
  ExpectSelection(6, 6);
  EXPECT_EQ(prompter_.messages.back().owner, form().ReplaceDialog());
  EXPECT_FALSE(editor().CanUndo());

  prompter_.ExpectMessage(kEndOfDocument);
  form().RunCommand(command::SearchMenuFindNext);
  EXPECT_EQ(prompter_.messages.back().owner, form().hwnd()) << "Find Next repeats the dialog's search";
}

TEST_F(SearchTest, ReplaceAllEndsOverAllDocumentsWithTheSearchTextInTheReplacement) {
  Start();
  ThreeDocuments(L"a-a", L"xa", L"none");
  EditorOfTab(0).SetSelection(2, 2);
  FillReplace(L"a", L"aa", false, true);
  prompter_.ExpectMessage(kEndOfDocuments);
  Press(IDC_REPLACE_EVERYWHERE);
  EXPECT_EQ(EditorOfTab(0).Text(), L"aa-aa") << "the match before the caret is reached on coming back";
  EXPECT_EQ(EditorOfTab(1).Text(), L"xaa");
  EXPECT_EQ(EditorOfTab(2).Text(), L"none");
  EXPECT_EQ(ActiveTab(), 0) << "the last replacement was made on coming back to the first document";
  for (int tab = 0; tab < 3; ++tab) EXPECT_EQ(EditorOfTab(tab).Selection().cpMin, 0) << "tab " << tab;

  EditorOfTab(0).SetSelection(0, 0);
  EditorOfTab(1).SetSelection(0, 0);
  FillReplace(L"x", L"xx", false, true);
  prompter_.ExpectMessage(kEndOfDocuments);
  Press(IDC_REPLACE_EVERYWHERE);
  EXPECT_EQ(EditorOfTab(1).Text(), L"xxaa");
  EXPECT_EQ(ActiveTab(), 1) << "it ends in the document of its last replacement";
}

TEST_F(SearchTest, ReplaceAllAndReadOnlyDocuments) {
  Start();
  ThreeDocuments(L"a", L"a", L"a");
  for (int tab = 0; tab < 3; ++tab) EditorOfTab(tab).SetModified(false);
  form().documents().ActivateTab(1);
  form().RunCommand(command::DocumentMenuReadOnly);
  FillReplace(L"a", L"b", false, true);
  prompter_.ExpectMessage(kReadOnly);
  Press(IDC_REPLACE_EVERYWHERE);
  EXPECT_EQ(prompter_.messages.back().owner, form().ReplaceDialog());
  prompter_.ExpectMessage(kReadOnly);
  Press(IDC_REPLACE_ONE);

  form().documents().ActivateTab(0);
  prompter_.ExpectMessage(kEndOfDocuments);
  Press(IDC_REPLACE_EVERYWHERE);
  EXPECT_EQ(EditorOfTab(0).Text(), L"b");
  EXPECT_EQ(EditorOfTab(1).Text(), L"a") << "a read-only document among the others is left alone";
  EXPECT_EQ(EditorOfTab(2).Text(), L"b");
  EXPECT_FALSE(EditorOfTab(1).Modified());
}

TEST_F(SearchTest, ReplaceDialogStaysOnTopAndKeepsItsFieldsBetweenShowings) {
  Start();
  HWND dialog = OpenReplace();
  ASSERT_TRUE(dialog);
  EXPECT_TRUE(::GetWindowLongW(dialog, GWL_EXSTYLE) & WS_EX_TOPMOST);
  EXPECT_FALSE(::IsWindowEnabled(::GetDlgItem(dialog, IDC_REPLACE_EVERYWHERE))) << "nothing to search yet";
  FillReplace(L"cat", L"dog", true);
  EXPECT_TRUE(::IsWindowEnabled(::GetDlgItem(dialog, IDC_REPLACE_FIND_NEXT)));
  Press(IDCANCEL);
  EXPECT_FALSE(::IsWindowVisible(dialog)) << "Cancel hides it";
  ::SetFocus(editor().hwnd());
  EXPECT_EQ(OpenReplace(), dialog) << "the same dialog again";
  EXPECT_TRUE(::IsWindowVisible(dialog));
  EXPECT_EQ(::GetFocus(), ::GetDlgItem(dialog, IDC_REPLACE_SEARCH));
  wchar_t text[16] = L"";
  ::GetDlgItemTextW(dialog, IDC_REPLACE_WITH, text, 16);
  EXPECT_STREQ(text, L"dog");
  EXPECT_EQ(::IsDlgButtonChecked(dialog, IDC_REPLACE_CASE), static_cast<UINT>(BST_CHECKED));
}

TEST_F(SearchTest, ReplaceAllInRichTextKeepsTheFormattingBetweenMatches) {
  Start();
  ASSERT_TRUE(form().documents().NewDocument(1, L"rtf"));
  SetEditorText(L"cat BOLD cat");
  editor().SetSelection(4, 8);
  CHARFORMAT2W bold{};
  bold.cbSize = sizeof(bold);
  bold.dwMask = CFM_BOLD;
  bold.dwEffects = CFE_BOLD;
  ::SendMessageW(editor().hwnd(), EM_SETCHARFORMAT, SCF_SELECTION, reinterpret_cast<LPARAM>(&bold));
  editor().SetSelection(0, 0);
  FillReplace(L"cat", L"dog");
  prompter_.ExpectMessage(kEndOfDocument);
  Press(IDC_REPLACE_EVERYWHERE);
  EXPECT_EQ(EditorText(), L"dog BOLD dog");
  editor().SetSelection(4, 8);
  CHARFORMAT2W got{};
  got.cbSize = sizeof(got);
  ::SendMessageW(editor().hwnd(), EM_GETCHARFORMAT, SCF_SELECTION, reinterpret_cast<LPARAM>(&got));
  EXPECT_TRUE((got.dwMask & CFM_BOLD) && (got.dwEffects & CFE_BOLD));
}

TEST_F(SearchTest, HelpTopicsOfTheFindAndReplaceDialogs) {
  std::vector<int> topics;
  auto record = [&](int topic) { topics.push_back(topic); };
  auto f1 = [](HWND dialog, int control) {
    HELPINFO help{sizeof(help), HELPINFO_WINDOW, control};
    ::SendMessageW(dialog, WM_HELP, 0, reinterpret_cast<LPARAM>(&help));
  };
  dialogs::TSearchForm find(L"", record);
  win::Dialog::SetTestHook([&](win::Dialog& dialog) {
    ::SendMessageW(dialog.hwnd(), WM_COMMAND, IDC_FIND_HELP, 0);
    for (int control : {IDC_FIND_EDIT, IDC_FIND_LABEL, IDC_FIND_CASE, IDC_FIND_ALL, IDC_FIND_WHOLE, IDCANCEL})
      f1(dialog.hwnd(), control);
    ::PostMessageW(dialog.hwnd(), WM_COMMAND, IDCANCEL, 0);
  });
  find.ShowModal(nullptr);
  win::Dialog::SetTestHook(nullptr);
  EXPECT_EQ(topics, (std::vector<int>{99, 101, 101, 102, 103, 110, 99}));

  topics.clear();
  dialogs::ReplaceActions actions;
  actions.showHelp = record;
  dialogs::TReplaceForm replace(actions);
  replace.Present(nullptr);
  ::SendMessageW(replace.hwnd(), WM_COMMAND, IDC_REPLACE_HELP, 0);
  for (int control : {IDC_REPLACE_SEARCH, IDC_REPLACE_WITH, IDC_REPLACE_CURRENT, IDC_REPLACE_WHOLE})
    f1(replace.hwnd(), control);
  EXPECT_EQ(topics, (std::vector<int>{100, 104, 105, 103, 110}));
}

class GoToLineTest : public SearchTest {
 protected:
  // Runs Go to Line answering `number`; returns the explanation line it showed.
  std::wstring GoTo(const wchar_t* number) {
    std::wstring shown;
    win::Dialog::SetTestHook([&](win::Dialog& dialog) {
      wchar_t caption[64] = L"";
      ::GetWindowTextW(dialog.hwnd(), caption, 64);
      EXPECT_STREQ(caption, L"Tarnwick - Go to Line");
      EXPECT_EQ(dialog.Text(IDC_RENAME_LABEL), L"&Go to Line:");
      EXPECT_EQ(dialog.Text(IDC_RENAME_EDIT), L"");
      EXPECT_FALSE(::IsWindowEnabled(dialog.Item(IDOK))) << "OK waits for a number";
      shown = dialog.Text(IDC_RENAME_TEXT);
      if (number) dialog.SetText(IDC_RENAME_EDIT, number);
      ::PostMessageW(dialog.hwnd(), WM_COMMAND, number ? IDOK : IDCANCEL, 0);
    });
    form().RunCommand(command::SearchMenuGoToLine);
    win::Dialog::SetTestHook(nullptr);
    return shown;
  }
};

TEST_F(GoToLineTest, BoundsAndThePrompt) {
  Start();
  SetEditorText(L"ab\r\ncde\r\nf");
  EXPECT_EQ(GoTo(L"2"), L"Enter a number from 1 to 3.");
  ExpectSelection(3, 3);
  GoTo(L"0");
  ExpectSelection(0, 0);
  GoTo(L"3");
  ExpectSelection(7, 7);
  GoTo(L"1");
  ExpectSelection(0, 0);
  GoTo(L"999999999");
  ExpectSelection(7, 7, "beyond the end: the last line");
  editor().SetSelection(4, 4);
  GoTo(nullptr);
  ExpectSelection(4, 4, "Cancel changes nothing");
}

TEST_F(GoToLineTest, AnEmptyLastLineDoesNotCountAndAnEmptyDocumentHasNone) {
  Start();
  SetEditorText(L"ab\r\ncde\r\n");
  EXPECT_EQ(GoTo(L"9"), L"Enter a number from 1 to 2.");
  ExpectSelection(6, 6, "the end of the last line that has text");
  SetEditorText(L"");
  EXPECT_EQ(GoTo(L"5"), L"Enter a number from 0 to 0.");
  ExpectSelection(0, 0);
}
