// The recovery journal wired to the documents: edits are kept until saved, and what
// an editor that ended left behind is offered back at the next start.
#include <windows.h>

#include "recovery/JournalEntry.h"
#include "recovery/RecoveryStore_win.h"
#include "ui/Harness.h"

using namespace uitest;

namespace {

class JournalTest : public MainFormTest {
 protected:
  void SetUp() override {
    MainFormTest::SetUp();
    journal_ = folder_ / L"Recovery\\";
    context_.journalFolder = [this] { return journal_; };
  }
  int Entries() {
    int count = 0;
    WIN32_FIND_DATAW data;
    HANDLE search = ::FindFirstFileW((journal_ + L"*.twr").c_str(), &data);
    if (search == INVALID_HANDLE_VALUE) return 0;
    do ++count;
    while (::FindNextFileW(search, &data));
    ::FindClose(search);
    return count;
  }
  // What an editor that ended without closing its documents leaves behind.
  void LeaveBehind(const std::wstring& name, bool hasFile, const std::wstring& text,
                   const std::wstring& loading = L"") {
    auto other = recovery::RecoveryStore::Open(journal_);
    ASSERT_TRUE(other);
    if (!loading.empty()) {
      ASSERT_TRUE(other->MarkLoading(loading));
    }
    recovery::JournalEntry entry;
    entry.fileName = name;
    entry.hasFile = hasFile;
    entry.content = recovery::ToUtf16Le(text);
    entry.caret = 3;
    ASSERT_TRUE(other->Write(0, entry));
  }
  std::wstring journal_;
};

TEST_F(JournalTest, AnEditIsKeptUntilTheDocumentIsSaved) {
  std::wstring path = MakeFile(L"a.txt", "old");
  Start();
  form().documents().OpenDocument(path);
  SetEditorText(L"new text");
  form().journal().Flush();
  EXPECT_EQ(Entries(), 1);
  EXPECT_EQ(ReadBytes(path), "old") << "the file itself waits for Save";
  form().RunCommand(command::FileMenuSave);
  form().journal().Flush();
  EXPECT_EQ(Entries(), 0);
  SetEditorText(L"again");
  form().journal().Flush();
  EXPECT_EQ(Entries(), 1);
  prompter_.ExpectMessage(L"Save changes to \"" + path + L"\"?", win::Answer::No);
  Exit();
  EXPECT_EQ(Entries(), 0) << "a clean exit leaves an empty journal";
}

TEST_F(JournalTest, WhatAnEditorLeftBehindComesBackOnYes) {
  std::wstring path = MakeFile(L"b.txt", "on disk");
  LeaveBehind(path, true, L"unsaved words");
  prompter_.ExpectMessage(L"Tarnwick did not close properly. Restore 1 unsaved document(s)?", win::Answer::Yes);
  Start();
  workspace::DocumentSlot& slot = form().documents().Active();
  EXPECT_EQ(slot.fileName, path);
  EXPECT_TRUE(slot.hasFile);
  EXPECT_EQ(EditorText(), L"unsaved words");
  EXPECT_TRUE(editor().Modified());
  EXPECT_EQ(editor().Selection().cpMin, 3);
  EXPECT_EQ(ReadBytes(path), "on disk");
  EXPECT_EQ(Entries(), 1) << "now kept as this editor's own";
}

TEST_F(JournalTest, AClosingRequestDuringTheRestoreQuestionLosesNothing) {
  // Another program (or a second close) asks the window to close while the question is
  // up: the window stays, and Yes still restores the document.
  LeaveBehind(L"Untitled01.txt", false, L"words left behind");
  ScriptedPrompter::Expected ask;
  ask.kind = ScriptedPrompter::Expected::Kind::Message;
  ask.text = L"Tarnwick did not close properly. Restore 1 unsaved document(s)?";
  ask.answer = win::Answer::Yes;
  ask.during = [this] { ::SendMessageW(form().hwnd(), WM_CLOSE, 0, 0); };
  prompter_.Expect(ask);
  Start();
  ASSERT_TRUE(form().hwnd() && ::IsWindow(form().hwnd()));
  EXPECT_EQ(EditorText(), L"words left behind");
  form().journal().Flush();
  EXPECT_EQ(Entries(), 1) << "the restored document is kept in this editor's journal";
}

TEST_F(JournalTest, NoDiscardsWhatWasLeftBehind) {
  LeaveBehind(L"Untitled01.txt", false, L"scratch");
  prompter_.ExpectMessage(L"Tarnwick did not close properly. Restore 1 unsaved document(s)?", win::Answer::No);
  Start();
  EXPECT_EQ(form().documents().TabCount(), 1);
  EXPECT_EQ(EditorText(), L"");
  EXPECT_EQ(Entries(), 0);
}

TEST_F(JournalTest, AFileThatEndedTheEditorWhileLoadingIsNotLoadedAgain) {
  std::wstring bad = MakeFile(L"bad.rtf", "{\\rtf1 x}");
  std::wstring other = MakeFile(L"other.txt", "x");
  LeaveBehind(other, true, L"kept", bad);
  prompter_.ExpectMessage(L"Tarnwick did not close properly. Restore 1 unsaved document(s)?", win::Answer::Yes);
  prompter_.ExpectMessage(bad + L" could not be opened: it made Tarnwick close. Your other documents were restored.");
  Start();
  EXPECT_EQ(EditorText(), L"kept");
  int tabs = form().documents().TabCount();
  form().documents().OpenDocument(bad);
  EXPECT_EQ(form().documents().TabCount(), tabs) << "not during this start";
  EXPECT_EQ(prompter_.Pending(), 0u);
}

}  // namespace
