// Opening, saving, closing and reloading documents, and the recent-files rules.
#include <windows.h>
#include <commctrl.h>
#include <shellapi.h>
#include <shlobj.h>

#include "command/CommandIds.h"
#include "dialogs/NewFileIds.h"
#include "ui/Harness.h"
#include "win/Encoding.h"
#include "win/Handles.h"
#include "win/Text.h"
#include "workspace/DocumentFile_win.h"

using namespace uitest;
using win::Answer;

namespace {

std::wstring AlreadyOpenText(const std::wstring& path) {
  return path + L" is already open.\n\nOpen another copy from disk?";
}

FILETIME WriteTime(const std::wstring& path) {
  WIN32_FILE_ATTRIBUTE_DATA data{};
  ::GetFileAttributesExW(path.c_str(), GetFileExInfoStandard, &data);
  return data.ftLastWriteTime;
}

}  // namespace

class DocumentsTest : public MainFormTest {
 protected:
  void Open(const std::wstring& path) {
    form().documents().LimitReported = false;
    form().documents().OpenDocument(path);
  }
  std::wstring ActivePath() { return form().documents().Active().fileName; }
};

TEST_F(DocumentsTest, OpeningTakesOverTheUntouchedUntitledTab) {
  Start();
  std::wstring path = MakeFile(L"a.txt", "hello\r\nworld");
  Open(path);
  ASSERT_EQ(form().documents().TabCount(), 1);
  EXPECT_EQ(form().documents().TabCaption(0), L"a.txt");
  EXPECT_EQ(EditorText(), L"hello\rworld");
  EXPECT_TRUE(form().documents().Active().hasFile);
  EXPECT_FALSE(editor().Modified());
  EXPECT_EQ(form().StatusText(3), path);
  EXPECT_EQ(IniValue(L"History", L"File0"), path);

  SetEditorText(L"changed");
  std::wstring second = MakeFile(L"b.txt", "b");
  Open(second);
  EXPECT_EQ(form().documents().TabCount(), 2) << "a bound document is never taken over";
  form().documents().NewDocument(0, L"txt");
  SetEditorText(L"typed");
  Open(MakeFile(L"c.txt", "c"));
  EXPECT_EQ(form().documents().TabCount(), 4) << "a modified untitled document is not taken over either";
}

TEST_F(DocumentsTest, AlreadyOpenAsksSwitchesOrOpensACopy) {
  std::wstring path = MakeFile(L"same.txt", "x");
  Start();
  Open(path);
  prompter_.ExpectMessage(AlreadyOpenText(path), Answer::No);
  Open(path);
  EXPECT_EQ(form().documents().TabCount(), 1);
  EXPECT_EQ(prompter_.messages.back().icon, win::Icon::Question);
  EXPECT_EQ(prompter_.messages.back().buttons, win::Buttons::YesNo);
  prompter_.ExpectMessage(AlreadyOpenText(path), Answer::Yes);
  Open(path);
  EXPECT_EQ(form().documents().TabCount(), 2);

  ini_->WriteText(L"Main", L"AlreadyOpen", L"1");
  form().documents().ActivateTab(0);
  form().documents().NewDocument(0, L"txt");
  Open(path);
  EXPECT_EQ(form().documents().TabCount(), 3);
  EXPECT_EQ(form().documents().Active().fileName, path) << "switched to the open tab";
  ini_->WriteText(L"Main", L"AlreadyOpen", L"2");
  Open(path);
  EXPECT_EQ(form().documents().TabCount(), 3) << "another copy without asking, in the untouched untitled tab";
  EXPECT_EQ(form().documents().TabCaption(2), L"same.txt");
  EXPECT_EQ(form().documents().ActiveSlot, form().documents().SlotOfTab(2));
}

TEST_F(DocumentsTest, AShortSpellingOfAnOpenFileCountsAsOpen) {
  std::wstring path = MakeFile(L"A long file name.txt", "x");
  wchar_t shortName[MAX_PATH];
  ASSERT_GT(::GetShortPathNameW(path.c_str(), shortName, MAX_PATH), 0u);
  ASSERT_NE(std::wstring(shortName), path);
  Start();
  Open(path);
  prompter_.ExpectMessage(AlreadyOpenText(path), Answer::No);
  Open(shortName);
  std::wstring upper = path;
  for (wchar_t& c : upper) c = win::FoldCase(c);
  prompter_.ExpectMessage(AlreadyOpenText(path), Answer::No);
  Open(upper);
  EXPECT_EQ(form().documents().TabCount(), 1);
}

TEST_F(DocumentsTest, FilesThatCannotBeOpenedAreReported) {
  Start();
  std::wstring missing = folder_ / L"missing.txt";
  prompter_.ExpectMessage(L"The file \"" + missing + L"\" does not exist.");
  Open(missing);
  std::wstring sub = folder_ / L"sub";
  ::CreateDirectoryW(sub.c_str(), nullptr);
  prompter_.ExpectMessage(L"Access Denied.\n\nUnable to open a Folder.");
  Open(sub);
  std::wstring locked = MakeFile(L"locked.txt", "x");
  {
    win::UniqueFile hold(::CreateFileW(locked.c_str(), GENERIC_READ, 0, nullptr, OPEN_EXISTING, 0, nullptr));
    ASSERT_TRUE(hold.valid());
    prompter_.ExpectMessage(L"Unable to open \"" + locked + L"\".\nThe file may be in use by another program.");
    Open(locked);
  }
  EXPECT_EQ(form().documents().TabCount(), 1);
  EXPECT_FALSE(form().documents().Active().hasFile);
  EXPECT_EQ(IniValue(L"History", L"File0"), L"<absent>") << "refused files are not recent";
}

TEST_F(DocumentsTest, TheFirstFiveBytesDecideTheFormat) {
  std::wstring rtfAsText = MakeFile(L"looks.txt", "{\\rtf1\\ansi hello\\par}");
  std::wstring textAsRtf = MakeFile(L"plain.rtf", "{just text}");
  Start();
  Open(rtfAsText);
  EXPECT_FALSE(editor().IsPlainText());
  EXPECT_TRUE(editor().WordWrap());
  EXPECT_EQ(form().StatusText(2), L"Rich Text");
  EXPECT_EQ(EditorText().substr(0, 5), L"hello");
  Open(textAsRtf);
  EXPECT_TRUE(editor().IsPlainText());
  EXPECT_EQ(EditorText(), L"{just text}");
}

TEST_F(DocumentsTest, JournalFilesGetTheTimeAndDateAppended) {
  std::wstring path = MakeFile(L"journal.txt", ".LOG\r\nfirst entry");
  std::wstring notJournal = MakeFile(L"log.txt", ".log\r\nlower case");
  Start();
  Open(path);
  EXPECT_EQ(EditorText(), L".LOG\rfirst entry\r1:05PM 12/31/2000\r");
  EXPECT_TRUE(editor().Modified());
  EXPECT_EQ(form().documents().TabImage(0), 1);
  Open(notJournal);
  EXPECT_FALSE(editor().Modified());
}

TEST_F(DocumentsTest, ReadOnlyFilesOpenReadOnly) {
  std::wstring path = MakeFile(L"ro.txt", "protected");
  ::SetFileAttributesW(path.c_str(), FILE_ATTRIBUTE_READONLY);
  Start();
  Open(path);
  EXPECT_TRUE(editor().ReadOnly());
  EXPECT_EQ(form().documents().TabImage(0), 2);
  ::SetFileAttributesW(path.c_str(), FILE_ATTRIBUTE_NORMAL);
}

TEST_F(DocumentsTest, AFileLongerThanTheLimitLoadsWhole) {
  Start();
  std::wstring path = MakeFile(L"long.txt", std::string(5000, 'x') + "\r\nend");
  form().documents().NewDocument(0, L"txt");
  editor().SetMaxLength(1000);
  workspace::LoadDocument(editor(), path);
  EXPECT_EQ(editor().TextLength(), 5004);
  EXPECT_EQ(EditorText().substr(5001), L"end");
}

TEST_F(DocumentsTest, HistoryOrderIsKeptForFilesOpenedAgain) {
  Start();
  std::vector<std::wstring> paths;
  for (int i = 0; i < 8; ++i) paths.push_back(MakeFile(L"h" + std::to_wstring(i) + L".txt", "x"));
  for (const std::wstring& path : paths) Open(path);
  EXPECT_EQ(IniValue(L"History", L"File7"), paths[0]);
  form().documents().ActivateTab(0);
  form().RunCommand(command::FileMenuClose);
  Open(paths[0]);
  EXPECT_EQ(IniValue(L"History", L"File7"), paths[0]) << "opened again, it keeps its place";
  EXPECT_EQ(IniValue(L"History", L"File0"), paths[7]);
}

TEST_F(DocumentsTest, HiddenReOpenMenuRecordsNothing) {
  WriteIni("[Main]\r\nHideReOpen=1\r\n");
  Start();
  Open(MakeFile(L"a.txt", "x"));
  EXPECT_EQ(IniValue(L"History", L"File0"), L"<absent>");
  form().IsCommandEnabled(command::FileMenuSave);  // opens the File menu's refresh
  EXPECT_EQ(::GetMenuState(form().MenuOf(command::kFileMenu), command::FileMenuReOpen, MF_BYCOMMAND),
            static_cast<UINT>(-1));
}

TEST_F(DocumentsTest, OpenDialogOpensEverySelectedFileAndRecordsTheFirstFolder) {
  Start();
  std::wstring a = MakeFile(L"a.txt", "a"), b = MakeFile(L"b.txt", "b"), c = MakeFile(L"c.txt", "c");
  prompter_.ExpectOpen({a, b, c}, 2);
  form().RunCommand(command::FileMenuOpen);
  EXPECT_EQ(form().documents().TabCount(), 3);
  EXPECT_EQ(EditorText(), L"c") << "the last one chosen is shown";
  form().documents().ActivateTab(1);
  EXPECT_EQ(EditorText(), L"b");
  EXPECT_EQ(IniValue(L"History", L"File0"), c);
  EXPECT_EQ(IniValue(L"History", L"File2"), a);
  EXPECT_EQ(IniValue(L"DirHistory", L"Dir0"), folder_.path());
  EXPECT_EQ(IniValue(L"DirHistory", L"Type0"), L"2");
  EXPECT_EQ(IniValue(L"DirHistory", L"Dir1"), L"") << "the older entries moved down, empty as they were";
  const win::FileRequest& asked = prompter_.fileRequests.back();
  EXPECT_TRUE(asked.multiSelect);
  EXPECT_EQ(asked.defaultExt, L"TXT");
  EXPECT_EQ(asked.initialDir, L"\\");
  EXPECT_EQ(asked.filter.substr(0, 31), L"Text Files (*.txt;*.asc;*.diz)|");
}

TEST_F(DocumentsTest, WithoutDropDownMenusTheFolderHistoryNeverChanges) {
  WriteIni("[Main]\r\nToolBarMenus=0\r\n");
  Start();
  prompter_.ExpectOpen({MakeFile(L"a.txt", "a")});
  form().RunCommand(command::FileMenuOpen);
  EXPECT_EQ(IniValue(L"DirHistory", L"Dir0"), L"<absent>");
}

TEST_F(DocumentsTest, TheLimitIsReportedOncePerBatch) {
  Start();
  for (int i = 1; i < 199; ++i) form().documents().NewDocument(0, L"txt");
  for (int slot = 0; slot < 199; ++slot) form().documents().Slot(slot)->editor.SetModified(true);
  std::wstring a = MakeFile(L"a.txt", "a"), b = MakeFile(L"b.txt", "b"), c = MakeFile(L"c.txt", "c");
  prompter_.ExpectOpen({a, b, c});
  prompter_.ExpectMessage(L"You have reached the limit of opened files.");
  form().RunCommand(command::FileMenuOpen);
  EXPECT_EQ(form().documents().TabCount(), 200);
  EXPECT_EQ(IniValue(L"History", L"File0"), c) << "refused for want of a slot, still recorded";
}

TEST_F(DocumentsTest, DroppedFilesOpenAndFoldersAreRefusedOneByOne) {
  Start();
  EXPECT_TRUE(::GetWindowLongW(form().PageControl(), GWL_EXSTYLE) & WS_EX_ACCEPTFILES)
      << "drops are accepted from the start";
  std::wstring a = MakeFile(L"a.txt", "a");
  std::wstring sub = folder_ / L"dir";
  ::CreateDirectoryW(sub.c_str(), nullptr);
  std::wstring list = a + L'\0' + sub + L'\0' + sub + L'\0' + L'\0';
  HGLOBAL memory = ::GlobalAlloc(GHND, sizeof(DROPFILES) + list.size() * sizeof(wchar_t));
  auto* drop = static_cast<DROPFILES*>(::GlobalLock(memory));
  drop->pFiles = sizeof(DROPFILES);
  drop->fWide = TRUE;
  memcpy(reinterpret_cast<char*>(drop) + sizeof(DROPFILES), list.data(), list.size() * sizeof(wchar_t));
  ::GlobalUnlock(memory);
  prompter_.ExpectMessage(L"Access Denied.\n\nUnable to open a Folder.");
  prompter_.ExpectMessage(L"Access Denied.\n\nUnable to open a Folder.");
  ::SendMessageW(form().PageControl(), WM_DROPFILES, reinterpret_cast<WPARAM>(memory), 0);
  EXPECT_EQ(form().documents().TabCaption(0), L"a.txt");
  EXPECT_EQ(::GetFocus(), editor().hwnd());
  EXPECT_TRUE(::GetWindowLongW(form().PageControl(), GWL_EXSTYLE) & WS_EX_ACCEPTFILES) << "drops are accepted again";
}

TEST_F(DocumentsTest, SaveWritesOnlyModifiedDocuments) {
  std::wstring path = MakeFile(L"a.txt", "original");
  Start();
  Open(path);
  FILETIME before = WriteTime(path);
  ::Sleep(20);
  form().RunCommand(command::FileMenuSave);
  FILETIME after = WriteTime(path);
  EXPECT_EQ(::CompareFileTime(&before, &after), 0) << "an unmodified document is not written";
  SetEditorText(L"new\r\ntext");
  form().RunCommand(command::FileMenuSave);
  EXPECT_EQ(ReadBytes(path), "new\r\ntext");
  EXPECT_FALSE(editor().Modified());
  EXPECT_EQ(form().documents().TabImage(0), 0);
  EXPECT_FALSE(form().IsToolEnabled(3));
}

TEST_F(DocumentsTest, PlainTextRoundTripsEveryByteOfTheCodePage) {
  std::string bytes;
  for (int b = 1; b < 256; ++b)
    if (b != '\r' && b != '\n') bytes += static_cast<char>(b);
  bytes += "\r\nsecond line\r\n\r\nlast";
  std::wstring path = MakeFile(L"bytes.txt", bytes);
  Start();
  Open(path);
  SetEditorText(EditorText() + L"!");
  editor().SetSelection(editor().TextLength() - 1, editor().TextLength());
  editor().ReplaceSelection(L"", false);
  form().RunCommand(command::FileMenuSave);
  EXPECT_EQ(ReadBytes(path), bytes);
}

TEST_F(DocumentsTest, LineBreaksSurviveTheLoadersPieces) {
  // Lines of every length from 0 to 97 put CR LF pairs on all sides of the loader's
  // piece boundaries; a pair split between two pieces would come back as two breaks.
  std::string bytes;
  std::wstring expected;
  for (int round = 0; round < 40; ++round) {
    for (int length = 0; length < 98; ++length) {
      bytes += std::string(static_cast<size_t>(length), 'a' + static_cast<char>(length % 26)) + "\r\n";
      expected += std::wstring(static_cast<size_t>(length), static_cast<wchar_t>(L'a' + length % 26)) + L"\r";
    }
  }
  ASSERT_GT(bytes.size(), 100000u);
  std::wstring path = MakeFile(L"lines.txt", bytes);
  Start();
  Open(path);
  EXPECT_TRUE(EditorText() == expected) << "the text came back with " << EditorText().size() << " characters, not "
                                        << expected.size();
  SetEditorText(EditorText() + L"x");
  editor().SetSelection(editor().TextLength() - 1, editor().TextLength());
  editor().ReplaceSelection(L"", false);
  form().RunCommand(command::FileMenuSave);
  EXPECT_TRUE(ReadBytes(path) == bytes) << "saved unchanged";
}

TEST_F(DocumentsTest, SaveAsProposesTheNameAndAFilterByExtension) {
  Start();
  SetEditorText(L"x");
  std::wstring target = folder_ / L"saved.txt";
  prompter_.ExpectSave(target);
  form().RunCommand(command::FileMenuSaveAs);
  const win::FileRequest& asked = prompter_.fileRequests.back();
  EXPECT_EQ(asked.fileName, L"Untitled01.txt");
  EXPECT_EQ(asked.filterIndex, 1);
  EXPECT_EQ(asked.initialDir, L"\\") << "never the document's folder";
  EXPECT_EQ(asked.title, L"Save As");
  EXPECT_TRUE(asked.overwritePrompt);
  EXPECT_EQ(form().documents().TabCaption(0), L"saved.txt");
  EXPECT_EQ(form().StatusText(3), target);
  EXPECT_TRUE(form().documents().Active().hasFile);
  EXPECT_EQ(ReadBytes(target), "x");

  form().documents().SetTabCaption(form().documents().ActiveSlot, L"Page.htm");
  form().documents().Active().fileName = folder_ / L"Page.htm";
  prompter_.ExpectSaveCancelled();
  form().RunCommand(command::FileMenuSaveAs);
  EXPECT_EQ(prompter_.fileRequests.back().filterIndex, 2);
  EXPECT_EQ(prompter_.fileRequests.back().defaultExt, L"htm");
  form().documents().Active().fileName = L"Notes";
  prompter_.ExpectSaveCancelled();
  form().RunCommand(command::FileMenuSaveAs);
  EXPECT_EQ(prompter_.fileRequests.back().filterIndex, 1);

  Open(MakeFile(L"other.txt", "o"));
  EXPECT_EQ(form().documents().TabCount(), 2) << "after Save As the tab is bound and never taken over";
}

TEST_F(DocumentsTest, RichTextSavedUnderATxtNameReopensAsRichText) {
  Start();
  form().documents().NewDocument(1, L"rtf");
  SetEditorText(L"formatted");
  std::wstring target = folder_ / L"rich.txt";
  prompter_.ExpectSave(target);
  form().RunCommand(command::FileMenuSaveAs);
  EXPECT_EQ(ReadBytes(target).substr(0, 5), "{\\rtf");
  form().RunCommand(command::FileMenuClose);
  Open(target);
  EXPECT_FALSE(editor().IsPlainText());
  EXPECT_EQ(EditorText().substr(0, 9), L"formatted");
}

TEST_F(DocumentsTest, AFailedSaveLeavesTheFileAndTheDocumentAsTheyWere) {
  std::wstring path = MakeFile(L"guarded.txt", "original content");
  Start();
  Open(path);
  SetEditorText(L"replacement");
  ::SetFileAttributesW(path.c_str(), FILE_ATTRIBUTE_READONLY);
  prompter_.ExpectMessage(L"");
  form().RunCommand(command::FileMenuSave);
  ::SetFileAttributesW(path.c_str(), FILE_ATTRIBUTE_NORMAL);
  ASSERT_FALSE(prompter_.messages.empty());
  EXPECT_NE(prompter_.messages.back().text.find(path), std::wstring::npos) << "the error names the file";
  EXPECT_EQ(ReadBytes(path), "original content");
  EXPECT_TRUE(editor().Modified());
  EXPECT_EQ(form().documents().Active().fileName, path);
  WIN32_FIND_DATAW data;
  win::UniqueFind leftovers(::FindFirstFileW((folder_ / L"twk*.tmp").c_str(), &data));
  EXPECT_FALSE(leftovers.valid()) << "no temporary file is left behind";

  // The document's folder went away meanwhile.
  std::wstring sub = folder_ / L"gone\\";
  ::CreateDirectoryW(sub.c_str(), nullptr);
  prompter_.ExpectSave(sub + L"kept.txt");
  form().RunCommand(command::FileMenuSaveAs);
  ::DeleteFileW((sub + L"kept.txt").c_str());
  ::RemoveDirectoryW(sub.c_str());
  SetEditorText(L"second try");
  prompter_.ExpectMessage(L"");
  form().RunCommand(command::FileMenuSave);
  EXPECT_TRUE(editor().Modified());
  EXPECT_EQ(form().documents().Active().fileName, sub + L"kept.txt");
  EXPECT_TRUE(form().documents().Active().hasFile);
}

TEST_F(DocumentsTest, SaveAllWalksFromTheActiveTabAndStopsOnCancel) {
  std::wstring a = MakeFile(L"a.txt", "a"), c = MakeFile(L"c.txt", "c");
  Start();
  Open(a);
  form().documents().NewDocument(0, L"txt");
  SetEditorText(L"untitled");
  Open(c);
  ASSERT_EQ(form().documents().TabCount(), 3);
  for (int tab = 0; tab < 3; ++tab) {
    form().documents().ActivateTab(tab);
    SetEditorText(L"changed " + std::to_wstring(tab));
  }
  form().documents().ActivateTab(0);
  prompter_.ExpectSaveCancelled();
  form().RunCommand(command::FileMenuSaveAll);
  EXPECT_EQ(ReadBytes(a), "changed 0");
  EXPECT_EQ(form().documents().Active().fileName, L"Untitled02.txt") << "the untitled tab became active for its dialog";
  EXPECT_TRUE(form().documents().Slot(form().documents().SlotOfTab(2))->editor.Modified()) << "Cancel stops the walk";
  EXPECT_EQ(ReadBytes(c), "c");
}

TEST_F(DocumentsTest, AnsweringYesThenCancellingSaveAsKeepsTheDocument) {
  Start();
  SetEditorText(L"precious");
  prompter_.ExpectMessage(L"Save changes to \"Untitled01.txt\"?", Answer::Yes);
  prompter_.ExpectSaveCancelled();
  form().RunCommand(command::FileMenuClose);
  EXPECT_EQ(EditorText(), L"precious");
  EXPECT_EQ(prompter_.messages.back().buttons, win::Buttons::YesNoCancel);

  prompter_.ExpectMessage(L"Save changes to \"Untitled01.txt\"?", Answer::No);
  form().RunCommand(command::FileMenuClose);
  EXPECT_EQ(EditorText(), L"");
  EXPECT_FALSE(editor().Modified());
}

TEST_F(DocumentsTest, CloseAllPromptsFromTheRightAndCancelKeepsTheRest) {
  Start();
  form().documents().NewDocument(0, L"txt");
  form().documents().NewDocument(0, L"txt");
  form().documents().ActivateTab(1);
  SetEditorText(L"second");
  prompter_.ExpectMessage(L"Save changes to \"Untitled02.txt\"?", Answer::Cancel);
  form().RunCommand(command::FileMenuCloseAll);
  EXPECT_EQ(form().documents().TabCount(), 2);
  EXPECT_EQ(form().documents().TabCaption(1), L"Untitled02.txt");

  prompter_.ExpectMessage(L"Save changes to \"Untitled02.txt\"?", Answer::No);
  form().RunCommand(command::FileMenuCloseAll);
  ASSERT_EQ(form().documents().TabCount(), 1);
  EXPECT_EQ(form().documents().TabCaption(0), L"Untitled01.txt");
}

TEST_F(DocumentsTest, ExitRecordsTheOpenDocumentsAndTheNextStartReopensThem) {
  WriteIni("[Main]\r\nReOpenLast=1\r\n");
  std::wstring a = MakeFile(L"a.txt", "a"), b = MakeFile(L"b.txt", "b");
  Start();
  Open(a);
  form().documents().NewDocument(0, L"txt");
  SetEditorText(L"scratch");
  Open(b);
  ASSERT_EQ(form().documents().TabCount(), 3);
  prompter_.ExpectMessage(L"Save changes to \"Untitled02.txt\"?", Answer::No);
  Exit();
  EXPECT_EQ(IniValue(L"ReOpenLast", L"File0"), b);
  EXPECT_EQ(IniValue(L"ReOpenLast", L"File1"), a);
  EXPECT_EQ(IniValue(L"ReOpenLast", L"Count"), L"2");

  Start();
  ASSERT_EQ(form().documents().TabCount(), 2);
  EXPECT_EQ(form().documents().TabCaption(0), L"a.txt");
  EXPECT_EQ(form().documents().TabCaption(1), L"b.txt");
  EXPECT_EQ(::SendMessageW(form().PageControl(), TCM_GETCURSEL, 0, 0), 0);
}

TEST_F(DocumentsTest, ABusyWindowRefusesToClose) {
  Start();
  form().SetBusy(true);
  Exit();
  EXPECT_TRUE(::IsWindow(form().hwnd()));
  form().SetBusy(false);
}

TEST_F(DocumentsTest, ReloadKeepsTheFormatAndAsksFirst) {
  std::wstring path = MakeFile(L"a.txt", "plain");
  Start();
  Open(path);
  WriteBytes(path, "{\\rtf1 now rich}");
  SetEditorText(L"edited");
  std::wstring question = L"You will loose any unsaved changes if you Reload.\n\nReload \"" + path + L"\" from disk?";
  prompter_.ExpectMessage(question, Answer::No);
  form().RunCommand(command::FileMenuReload);
  EXPECT_EQ(EditorText(), L"edited");
  prompter_.ExpectMessage(question, Answer::Yes);
  form().RunCommand(command::FileMenuReload);
  EXPECT_EQ(EditorText(), L"{\\rtf1 now rich}") << "the format is not detected again";
  EXPECT_FALSE(editor().Modified());
  EXPECT_EQ(form().documents().TabImage(0), 0);
}

TEST_F(DocumentsTest, FileCommandsNeedAFile) {
  Start();
  for (unsigned id : {command::FileMenuDelete, command::FileMenuOpenFolder, command::FileMenuCopy, command::FileMenuMove,
                      command::FileMenuReload})
    EXPECT_FALSE(form().IsCommandEnabled(id)) << id;
  Open(MakeFile(L"a.txt", "a"));
  EXPECT_TRUE(form().IsCommandEnabled(command::FileMenuReload));
}
