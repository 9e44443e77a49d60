// The file functions on real files in the scratch folder: copy, move, rename, delete,
// the associated application, mail, and the properties dialog through its test hook.
#include <windows.h>
#include <commctrl.h>

#include "command/CommandIds.h"
#include "dialogs/Properties.h"
#include "dialogs/PropertiesIds.h"
#include "dialogs/RenameBoxIds.h"
#include "ui/Harness.h"

using namespace uitest;
using win::Answer;
using Kind = ScriptedPrompter::Expected::Kind;

class FileFunctionsTest : public MainFormTest {
 protected:
  void Open(const std::wstring& path) {
    form().documents().LimitReported = false;
    form().documents().OpenDocument(path);
  }
  workspace::DocumentSlot& Active() { return form().documents().Active(); }
  std::wstring Folder(const std::wstring& name) {
    std::wstring path = folder_ / name;
    ::CreateDirectoryW(path.c_str(), nullptr);
    return path;
  }
  void ChooseFolder(const std::wstring& title, const std::wstring& folder) {
    prompter_.Expect({Kind::Folder, title, Answer::Ok, true, {folder}});
  }
  // Answers the next one-line prompt with `text`.
  void AnswerRename(const std::wstring& text) {
    win::Dialog::SetTestHook([text](win::Dialog& dialog) {
      dialog.SetText(IDC_RENAME_EDIT, text);
      ::PostMessageW(dialog.hwnd(), WM_COMMAND, IDOK, 0);
    });
  }
  // Runs Properties; `answer` reads and sets the dialog, then OK (true) or Cancel.
  void RunProperties(const std::function<bool(dialogs::TProperties&)>& answer) {
    bool shown = false;
    win::Dialog::SetTestHook([&](win::Dialog& dialog) {
      shown = true;
      bool ok = answer(dynamic_cast<dialogs::TProperties&>(dialog));
      ::PostMessageW(dialog.hwnd(), WM_COMMAND, ok ? IDOK : IDCANCEL, 0);
    });
    form().RunCommand(command::FileMenuProperties);
    win::Dialog::SetTestHook(nullptr);
    EXPECT_TRUE(shown) << "the properties did not show";
  }
  static std::wstring Caption(win::Dialog& dialog) {
    wchar_t caption[200] = L"";
    ::GetWindowTextW(dialog.hwnd(), caption, 200);
    return caption;
  }
  // Shown on its page (the dialog itself shows only after the hook).
  static bool Visible(win::Dialog& dialog, int id) {
    return (::GetWindowLongW(dialog.Item(id), GWL_STYLE) & WS_VISIBLE) != 0;
  }
};

TEST_F(FileFunctionsTest, MoveToAnotherFolderKeepsTheTabAndSavesThere) {
  std::wstring from = Folder(L"A"), to = Folder(L"B");
  std::wstring source = from + L"\\a.txt";
  WriteBytes(source, "old");
  Start();
  Open(source);
  SetEditorText(L"edited");
  ChooseFolder(L"Choose a folder to Move the file to:", to);
  ASSERT_TRUE(form().RunCommand(command::FileMenuMove));
  std::wstring moved = to + L"\\a.txt";
  EXPECT_FALSE(Exists(source));
  EXPECT_EQ(ReadBytes(moved), "old") << "the file moves as it is on disk, without the edits";
  EXPECT_EQ(form().documents().TabCaption(0), L"a.txt");
  EXPECT_EQ(form().StatusText(3), moved);
  EXPECT_TRUE(Active().hasFile);
  form().RunCommand(command::FileMenuSave);
  EXPECT_EQ(ReadBytes(moved), "edited");
  EXPECT_FALSE(Exists(source));

  // A read-only source is copied but stays: said, and the document follows the copy.
  std::wstring locked = MakeFile(L"locked.txt", "l");
  ::SetFileAttributesW(locked.c_str(), FILE_ATTRIBUTE_READONLY);
  Open(locked);
  ChooseFolder(L"Choose a folder to Move the file to:", to);
  prompter_.ExpectMessage(L"Unable to delete \"" + locked + L"\".");
  form().RunCommand(command::TabMenuMove);
  EXPECT_EQ(Active().fileName, to + L"\\locked.txt");
  EXPECT_TRUE(Exists(locked));
  for (const std::wstring& file : {locked, to + L"\\locked.txt"})
    ::SetFileAttributesW(file.c_str(), FILE_ATTRIBUTE_NORMAL);
  EXPECT_EQ(prompter_.Pending(), 0u);
}

TEST_F(FileFunctionsTest, CopyRefusesItsOwnFolderAsksBeforeOverwritingAndMarksATabOfTheTarget) {
  std::wstring source = MakeFile(L"a.txt", "source");
  std::wstring other = Folder(L"B");
  std::wstring target = other + L"\\a.txt";
  WriteBytes(target, "target");
  Start();
  Open(target);
  SetEditorText(L"target edited");
  Open(source);
  ChooseFolder(L"Choose a folder to Copy the file to:", folder_.path());
  prompter_.ExpectMessage(L"Source and Destination filenames are the same.\nCopy/Move not completed.");
  form().RunCommand(command::FileMenuCopy);

  ChooseFolder(L"Choose a folder to Copy the file to:", other);
  prompter_.ExpectMessage(L"File already exists. Overwrite it?", Answer::No);
  form().RunCommand(command::FileMenuCopy, command::Sender::Kind::ToolButton, 6);
  EXPECT_EQ(ReadBytes(target), "target") << "No leaves the file";

  ChooseFolder(L"Choose a folder to Copy the file to:", other);
  prompter_.ExpectMessage(L"File already exists. Overwrite it?", Answer::Yes);
  prompter_.ExpectMessage(L"\"" + target + L"\" is open in another tab, which now differs from the file on disk.");
  form().RunCommand(command::TabMenuCopy);
  EXPECT_EQ(ReadBytes(target), "source");
  EXPECT_TRUE(Exists(source)) << "a copy keeps its source";
  EXPECT_EQ(Active().fileName, source);

  // The other tab's next Save asks before it writes over the copy.
  form().documents().ActivateTab(0);
  prompter_.ExpectMessage(L"\"" + target + L"\" was replaced on disk after it was opened here. Save over it?",
                          Answer::No);
  form().RunCommand(command::FileMenuSave);
  EXPECT_EQ(ReadBytes(target), "source");
  prompter_.ExpectMessage(L"\"" + target + L"\" was replaced on disk after it was opened here. Save over it?",
                          Answer::Yes);
  form().RunCommand(command::FileMenuSave);
  EXPECT_EQ(ReadBytes(target), "target edited");
  EXPECT_EQ(prompter_.Pending(), 0u);
}

TEST_F(FileFunctionsTest, RenameOnDiskAndOfAnUntitledDocument) {
  std::wstring path = MakeFile(L"a.txt", "a");
  MakeFile(L"taken.txt", "t");
  Start();
  Open(path);
  AnswerRename(L"  b & c.txt ");
  form().RunCommand(command::FileMenuRename);
  std::wstring renamed = folder_ / L"b & c.txt";
  EXPECT_TRUE(Exists(renamed));
  EXPECT_FALSE(Exists(path));
  EXPECT_EQ(form().documents().TabCaption(0), L"b && c.txt") << "the ampersand shows literally";
  EXPECT_EQ(Active().fileName, renamed);
  EXPECT_EQ(form().StatusText(3), renamed);

  AnswerRename(L"taken.txt");
  prompter_.ExpectMessage(L"Unable to Rename file.");
  form().RunCommand(command::FileMenuRename);
  EXPECT_EQ(Active().fileName, renamed);
  AnswerRename(L"   ");
  prompter_.ExpectMessage(L"New Name must be at least 1 character long.");
  form().RunCommand(command::FileMenuRename);

  form().documents().NewDocument(0, L"txt");
  AnswerRename(L"notes.txt");
  form().RunCommand(command::FileMenuRename);
  win::Dialog::SetTestHook(nullptr);
  EXPECT_EQ(form().documents().TabCaption(1), L"notes.txt");
  EXPECT_EQ(Active().fileName, L"notes.txt");
  EXPECT_FALSE(Active().hasFile);
  EXPECT_FALSE(Exists(folder_ / L"notes.txt"));
  prompter_.ExpectSaveCancelled();
  SetEditorText(L"x");
  form().RunCommand(command::FileMenuSave);
  ASSERT_FALSE(prompter_.fileRequests.empty());
  EXPECT_EQ(prompter_.fileRequests.back().fileName, L"notes.txt") << "Save As proposes the new name";
  EXPECT_EQ(prompter_.Pending(), 0u);
}

TEST_F(FileFunctionsTest, DeleteClosesTheDocumentOnlyWhenTheFileIsGone) {
  std::wstring path = MakeFile(L"a.txt", "a");
  Start();
  Open(path);
  Open(MakeFile(L"b.txt", "b"));
  form().documents().ActivateTab(0);
  bool stop = false, remove = false;
  int recycled = 0;
  form().fileFunctions().recycle = [&](HWND, const std::wstring& file) {
    ++recycled;
    if (remove) ::DeleteFileW(file.c_str());
    return stop;
  };
  std::wstring question = L"Delete \"" + path + L"\"\nto the Recycle Bin and close the opened document?";
  stop = true;  // the user says no to the shell's own question
  prompter_.ExpectMessage(question, Answer::Yes);
  form().RunCommand(command::FileMenuDelete);
  EXPECT_EQ(form().documents().TabCount(), 2) << "the document stays while its file does";

  stop = false;  // the shell failed
  prompter_.ExpectMessage(question, Answer::Yes);
  prompter_.ExpectMessage(L"Unable to delete \"" + path + L"\".");
  form().RunCommand(command::FileMenuDelete);
  EXPECT_EQ(form().documents().TabCount(), 2);

  remove = true;
  SetEditorText(L"unsaved");
  prompter_.ExpectMessage(question, Answer::Yes);
  form().RunCommand(command::FileMenuDelete);
  EXPECT_FALSE(Exists(path));
  ASSERT_EQ(form().documents().TabCount(), 1) << "closed without a save prompt";
  EXPECT_EQ(form().documents().TabCaption(0), L"b.txt");

  ::DeleteFileW(Active().fileName.c_str());  // removed meanwhile
  prompter_.ExpectMessage(L"Delete \"" + Active().fileName + L"\"\nto the Recycle Bin and close the opened document?",
                          Answer::Yes);
  prompter_.ExpectMessage(L"File not found! Unable to delete file.");
  form().RunCommand(command::FileMenuDelete);
  EXPECT_EQ(form().documents().TabCount(), 1);
  EXPECT_EQ(recycled, 3) << "the missing file is not handed to the shell";
  EXPECT_EQ(prompter_.Pending(), 0u);
}

TEST_F(FileFunctionsTest, TheTabMenuActsOnTheClickedTab) {
  std::wstring a = MakeFile(L"a.txt", "a"), b = MakeFile(L"b.txt", "b");
  Start();
  Open(a);
  Open(b);
  form().documents().ActivateTab(0);
  RECT second;
  TabCtrl_GetItemRect(form().PageControl(), 1, &second);
  ::SendMessageW(form().PageControl(), WM_RBUTTONDOWN, 0, MAKELPARAM(second.left + 4, second.top + 4));
  AnswerRename(L"c.txt");
  form().RunCommand(command::TabMenuRename);
  win::Dialog::SetTestHook(nullptr);
  EXPECT_TRUE(Exists(a));
  EXPECT_TRUE(Exists(folder_ / L"c.txt"));
  EXPECT_EQ(form().documents().TabCaption(0), L"a.txt");
  EXPECT_EQ(form().documents().TabCaption(1), L"c.txt");
}

TEST_F(FileFunctionsTest, TheUntitledTabMenuAndOpenFolder) {
  Start();
  for (unsigned id : {command::TabMenuCopy, command::TabMenuMove, command::TabMenuDelete})
    EXPECT_FALSE(form().IsCommandEnabled(id)) << id;
  EXPECT_TRUE(form().IsCommandEnabled(command::TabMenuRename));
  Open(MakeFile(L"a.txt", "a"));
  EXPECT_TRUE(form().IsCommandEnabled(command::TabMenuMove));
  form().RunCommand(command::FileMenuOpenFolder);
  ASSERT_EQ(opened_.size(), 1u);
  EXPECT_EQ(opened_[0], folder_.path());
}

TEST_F(FileFunctionsTest, InAssociatedApplicationWritesOneTemporaryCopyWithTheEdits) {
  std::wstring path = MakeFile(L"a.txt", "disk");
  Start();
  Open(path);
  SetEditorText(L"first");
  form().RunCommand(command::ViewMenuInAssociatedApplication, command::Sender::Kind::Accelerator);
  std::wstring temp = Active().tempFile;
  ASSERT_EQ(opened_.size(), 1u);
  EXPECT_EQ(opened_[0], temp);
  EXPECT_EQ(temp, folder_ / L"~TWK_TMP1.txt");
  EXPECT_EQ(ReadBytes(temp), "first");
  SetEditorText(L"second");
  form().RunCommand(command::ViewMenuInAssociatedApplication);
  EXPECT_EQ(Active().tempFile, temp) << "the number does not grow";
  EXPECT_EQ(ReadBytes(temp), "second");
  EXPECT_EQ(ReadBytes(path), "disk");
  EXPECT_FALSE(Exists(folder_ / L"~TWK_TMP2.txt"));
}

TEST_F(FileFunctionsTest, SendAsMailGivesTheTextAndReportsAMailNotSent) {
  Start();
  SetEditorText(L"ab\rc");
  std::wstring sent;
  unsigned long result = 1;
  form().fileFunctions().sendMail = [&](HWND, const std::wstring& text) {
    sent = text;
    return result;
  };
  prompter_.ExpectMessage(L"Mail Not Sent");
  form().RunCommand(command::FileMenuSend);
  EXPECT_EQ(sent, L"ab\r\nc");
  ASSERT_FALSE(prompter_.messages.empty());
  EXPECT_EQ(prompter_.messages.back().icon, win::Icon::Error);
  result = 0;
  form().RunCommand(command::FileMenuSend);
  EXPECT_EQ(prompter_.Pending(), 0u);
}

TEST_F(FileFunctionsTest, PropertiesOfAFileShowItsFactsAndChangeOnlyTheAttributesChanged) {
  std::wstring path = MakeFile(L"readme.txt", std::string(1234567, 'x'));
  Start();
  Open(path);
  ::SetFileAttributesW(path.c_str(), FILE_ATTRIBUTE_READONLY | FILE_ATTRIBUTE_ARCHIVE);
  bool wrap = editor().WordWrap();
  RunProperties([&](dialogs::TProperties& dialog) {
    EXPECT_EQ(Caption(dialog), L"readme.txt Properties");
    EXPECT_EQ(dialog.ActivePage(), dialogs::TProperties::kFilePage);
    EXPECT_TRUE(Visible(dialog, IDT_PROP_SIZE_VALUE));
    EXPECT_FALSE(Visible(dialog, IDT_PROP_LINES_VALUE));
    EXPECT_EQ(dialog.Text(IDE_PROP_NAME), L"readme.txt");
    EXPECT_EQ(dialog.Text(IDE_PROP_LOCATION), folder_.path());
    EXPECT_EQ(dialog.Text(IDE_PROP_TYPE), L"Text Files");
    EXPECT_EQ(dialog.Text(IDT_PROP_SIZE_VALUE), L"1,234,567 Bytes");
    EXPECT_EQ(dialog.Text(IDT_PROP_MODIFIED_VALUE).size(), 24u) << dialog.Text(IDT_PROP_MODIFIED_VALUE);
    EXPECT_EQ(dialog.Text(IDT_PROP_ACCESSED_VALUE).size(), 10u);
    EXPECT_NE(::SendMessageW(dialog.Item(IDC_PROP_ICON), STM_GETICON, 0, 0), 0) << "the shell's icon";
    EXPECT_TRUE(dialog.Checked(IDX_PROP_FILE_READONLY));
    EXPECT_TRUE(dialog.Checked(IDX_PROP_ARCHIVE));
    EXPECT_FALSE(dialog.Checked(IDX_PROP_HIDDEN));
    dialog.SetChecked(IDX_PROP_HIDDEN, true);
    return true;
  });
  EXPECT_EQ(::GetFileAttributesW(path.c_str()) & 0x27u,
            DWORD(FILE_ATTRIBUTE_READONLY | FILE_ATTRIBUTE_HIDDEN | FILE_ATTRIBUTE_ARCHIVE));
  EXPECT_EQ(editor().WordWrap(), wrap) << "an unchanged box does not toggle word wrap";

  RunProperties([&](dialogs::TProperties& dialog) {
    for (int id : {IDX_PROP_FILE_READONLY, IDX_PROP_HIDDEN, IDX_PROP_ARCHIVE}) dialog.SetChecked(id, false);
    return false;
  });
  EXPECT_EQ(::GetFileAttributesW(path.c_str()) & 0x27u,
            DWORD(FILE_ATTRIBUTE_READONLY | FILE_ATTRIBUTE_HIDDEN | FILE_ATTRIBUTE_ARCHIVE))
      << "Cancel changes nothing";
  RunProperties([&](dialogs::TProperties& dialog) {
    for (int id : {IDX_PROP_FILE_READONLY, IDX_PROP_HIDDEN, IDX_PROP_ARCHIVE}) dialog.SetChecked(id, false);
    return true;
  });
  // Wine reports every file as archived, whatever was set.
  EXPECT_EQ(::GetFileAttributesW(path.c_str()) & 0x3u, 0u);

  // A file another program holds without sharing still shows its size and times.
  HANDLE held = ::CreateFileW(path.c_str(), GENERIC_READ, 0, nullptr, OPEN_EXISTING, 0, nullptr);
  ASSERT_NE(held, INVALID_HANDLE_VALUE);
  RunProperties([&](dialogs::TProperties& dialog) {
    EXPECT_EQ(dialog.Text(IDT_PROP_SIZE_VALUE), L"1,234,567 Bytes");
    EXPECT_NE(dialog.Text(IDT_PROP_CREATED_VALUE), L"0");
    return false;
  });
  ::CloseHandle(held);

  // A file gone while the dialog is open cannot take its attributes: said, not hidden.
  prompter_.ExpectMessage(L"Unable to change the attributes of " + path + L".");
  RunProperties([&](dialogs::TProperties& dialog) {
    ::DeleteFileW(path.c_str());
    dialog.SetChecked(IDX_PROP_HIDDEN, true);
    return true;
  });
  EXPECT_EQ(prompter_.Pending(), 0u);
}

TEST_F(FileFunctionsTest, PropertiesOfTheDocumentAndOfAnUntitledOne) {
  std::wstring path = MakeFile(L"notes.txt", "ab\r\nc");
  Start();
  Open(path);
  bool wrap = editor().WordWrap();
  RunProperties([&](dialogs::TProperties& dialog) {
    dialog.SelectPage(dialogs::TProperties::kDocumentPage);
    EXPECT_TRUE(Visible(dialog, IDT_PROP_LINES_VALUE));
    EXPECT_FALSE(Visible(dialog, IDT_PROP_SIZE_VALUE));
    EXPECT_TRUE(Visible(dialog, IDE_PROP_NAME)) << "the header stays on every page";
    EXPECT_EQ(dialog.Text(IDT_PROP_LINES_VALUE), L"2");
    EXPECT_EQ(dialog.Text(IDT_PROP_TEXT_SIZE_VALUE), L"5 Bytes");
    EXPECT_EQ(dialog.Text(IDT_PROP_DOC_MODIFIED_VALUE), L"No");
    EXPECT_EQ(dialog.Text(IDT_PROP_FORMAT_VALUE), L"Plain Text");
    EXPECT_EQ(dialog.Checked(IDX_PROP_WORDWRAP), wrap);
    dialog.SetChecked(IDX_PROP_WORDWRAP, !wrap);
    dialog.SetChecked(IDX_PROP_READONLY, true);
    return true;
  });
  EXPECT_EQ(editor().WordWrap(), !wrap) << "toggled as the Document menu does";
  EXPECT_TRUE(editor().ReadOnly());
  EXPECT_TRUE(form().IsCommandChecked(command::DocumentMenuReadOnly));

  form().documents().NewDocument(0, L"txt");
  RunProperties([&](dialogs::TProperties& dialog) {
    EXPECT_EQ(dialog.ActivePage(), dialogs::TProperties::kDocumentPage);
    EXPECT_EQ(TabCtrl_GetItemCount(dialog.Item(IDC_PROP_PAGES)), 1) << "no File page";
    EXPECT_EQ(dialog.Text(IDT_PROP_LINES_VALUE), L"0");
    EXPECT_EQ(dialog.Text(IDT_PROP_TEXT_SIZE_VALUE), L"0 Bytes");
    EXPECT_NE(::SendMessageW(dialog.Item(IDC_PROP_ICON), STM_GETICON, 0, 0), 0) << "the extension's icon";
    return true;
  });
  wchar_t current[MAX_PATH] = L"";
  ::GetCurrentDirectoryW(MAX_PATH, current);
  WIN32_FIND_DATAW found{};
  HANDLE find = ::FindFirstFileW((std::wstring(current) + L"\\twktmp*").c_str(), &found);
  EXPECT_EQ(find, INVALID_HANDLE_VALUE) << "no file made to find the icon";
  if (find != INVALID_HANDLE_VALUE) ::FindClose(find);
  EXPECT_EQ(prompter_.Pending(), 0u);
}
