// Unsaved edits outlive an editor that is killed: the next start offers them back.
#include <windows.h>

#include <algorithm>
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "proc/ProcessHarness.h"
#include "support/Scratch.h"
#include "win/Handles.h"

using namespace proctest;

namespace {

HWND ShownMainWindow(DWORD processId) {
  HWND main = FindWindowOf(L"TMainForm", processId);
  return main && ::IsWindowVisible(main) ? main : nullptr;
}

std::vector<std::wstring> EditorTexts(HWND main) {
  std::vector<std::wstring> texts;
  for (HWND editor : ChildrenOf(main, L"RICHEDIT50W")) texts.push_back(TextOf(editor));
  std::sort(texts.begin(), texts.end());
  return texts;
}

bool Holds(const std::vector<std::wstring>& texts, const std::vector<std::wstring>& wanted) {
  for (const std::wstring& text : wanted)
    if (std::find(texts.begin(), texts.end(), text) == texts.end()) return false;
  return true;
}

int JournalEntries(const std::wstring& local) {
  int count = 0;
  WIN32_FIND_DATAW data;
  win::UniqueFind search(::FindFirstFileW((local + L"\\Tarnwick\\Recovery\\*.twr").c_str(), &data));
  if (search) {
    do ++count;
    while (::FindNextFileW(search.get(), &data));
  }
  return count;
}

class Editor {
 public:
  Editor(const std::wstring& exe, const std::wstring& arguments) : process_(Start(exe, arguments, &id_)) {
    WaitFor([&] { return (main_ = ShownMainWindow(id_)) != nullptr; }, 20000);
  }
  ~Editor() { Kill(); }
  HWND main() const { return main_; }
  DWORD id() const { return id_; }
  void Kill() { ::TerminateProcess(process_.get(), 9); ::WaitForSingleObject(process_.get(), 10000); }

 private:
  DWORD id_ = 0;
  win::UniqueHandle process_;
  HWND main_ = nullptr;
};

}  // namespace

TEST(Recovery, EditsOfAKilledEditorComeBackOnYesAndGoOnNo) {
  uitest::ScratchFolder folder;
  CopyInto(BinFolder() + L"Tarnwick.exe", folder.path());
  uitest::WriteBytes(folder / L"Tarnwick.ini", "[Main]\r\nShowSplash=0\r\n");
  std::wstring local = folder / L"local";
  ::CreateDirectoryW(local.c_str(), nullptr);
  ScopedEnvironment environment(L"LOCALAPPDATA", local);
  std::wstring a = folder / L"a.txt", b = folder / L"b.txt";
  uitest::WriteBytes(a, "a");
  uitest::WriteBytes(b, "b");
  std::wstring exe = folder / L"Tarnwick.exe";

  {
    Editor editor(exe, a);
    ASSERT_NE(editor.main(), nullptr);
    // Both are to be typed into: handed over in the same tick as the command line, b
    // would be shown and a left waiting for its editor in the background.
    ASSERT_TRUE(WaitFor([&] { return Holds(EditorTexts(editor.main()), {L"a"}); }));
    proctest::Run(exe, b);  // handed over to the running editor
    ASSERT_TRUE(WaitFor([&] { return Holds(EditorTexts(editor.main()), {L"a", L"b"}); }));
    for (HWND control : ChildrenOf(editor.main(), L"RICHEDIT50W")) ::PostMessageW(control, WM_CHAR, L'x', 1);
    ASSERT_TRUE(WaitFor([&] { return JournalEntries(local) == 2; })) << "written once the typing paused";
  }  // killed
  // The restored documents are the next editor's own: killed in turn, they are offered
  // again, and No lets them go.
  for (bool restore : {true, false}) {
    Editor next(exe, L"");
    MessageBoxSeen box = WaitForMessageBox(next.id());
    ASSERT_NE(box.hwnd, nullptr);
    EXPECT_NE(box.text.find(L"Tarnwick did not close properly. Restore 2 unsaved document(s)?"), std::wstring::npos);
    Answer(box, restore ? IDYES : IDNO);
    if (restore) {
      EXPECT_TRUE(WaitFor([&] { return Holds(EditorTexts(next.main()), {L"xa", L"xb"}); }));
      EXPECT_EQ(JournalEntries(local), 2);
    } else {
      EXPECT_TRUE(WaitFor([&] { return JournalEntries(local) == 0; }));
      std::vector<std::wstring> texts = EditorTexts(next.main());
      EXPECT_FALSE(Holds(texts, {L"xa"}) || Holds(texts, {L"xb"}));
    }
    EXPECT_EQ(uitest::ReadBytes(a), "a") << "the files wait for Save";
  }
}

TEST(Recovery, AFileThatBringsTheEditorDownCostsTheOtherDocumentsNothing) {
  uitest::ScratchFolder folder;
  CopyInto(BinFolder() + L"Tarnwick.exe", folder.path());
  std::wstring local = folder / L"local";
  ::CreateDirectoryW(local.c_str(), nullptr);
  ScopedEnvironment environment(L"LOCALAPPDATA", local);
  std::wstring a = folder / L"a.txt", b = folder / L"b.txt", bad = folder / L"table.rtf";
  uitest::WriteBytes(a, "a");
  uitest::WriteBytes(b, "b");
  // A row of four cells after a single cell boundary: Wine's control gives up on it.
  uitest::WriteBytes(bad, "{\\rtf1\\ansi\\trowd\\cellx1000\\intbl a\\cell\\intbl b\\cell\\intbl c\\cell\\intbl d\\cell"
                         "\\row\\pard}");
  // The bad file was among the documents of an earlier clean exit.
  uitest::WriteBytes(folder / L"Tarnwick.ini", "[Main]\r\nShowSplash=0\r\nReOpenLast=1\r\nReOpenCount=0\r\n");
  std::wstring exe = folder / L"Tarnwick.exe";
  {
    Editor editor(exe, a);
    ASSERT_NE(editor.main(), nullptr);
    ASSERT_TRUE(WaitFor([&] { return Holds(EditorTexts(editor.main()), {L"a"}); }));  // as above
    proctest::Run(exe, b);
    ASSERT_TRUE(WaitFor([&] { return Holds(EditorTexts(editor.main()), {L"a", L"b"}); }));
    for (HWND control : ChildrenOf(editor.main(), L"RICHEDIT50W")) ::PostMessageW(control, WM_CHAR, L'x', 1);
    proctest::Run(exe, bad);
    ASSERT_TRUE(WaitFor([&] { return !::IsWindow(editor.main()); }, 15000)) << "the control survived the file";
  }
  uitest::WriteBytes(folder / L"Tarnwick.ini",
                     "[Main]\r\nShowSplash=0\r\nReOpenLast=1\r\nReOpenCount=1\r\n[ReOpenLast]\r\nFile0=" +
                         std::string(bad.begin(), bad.end()) + "\r\n");
  Editor next(exe, L"");
  MessageBoxSeen box = WaitForMessageBox(next.id());
  ASSERT_NE(box.hwnd, nullptr);
  EXPECT_NE(box.text.find(L"Restore 2 unsaved document(s)?"), std::wstring::npos);
  Answer(box, IDYES);
  MessageBoxSeen named = WaitForMessageBox(next.id());
  ASSERT_NE(named.hwnd, nullptr);
  EXPECT_NE(named.text.find(L"table.rtf could not be opened: it made Tarnwick close. Your other documents were restored."),
            std::wstring::npos);
  Answer(named, IDOK);
  EXPECT_TRUE(WaitFor([&] { return Holds(EditorTexts(next.main()), {L"xa", L"xb"}); }));
  ::Sleep(1000);
  EXPECT_TRUE(::IsWindow(next.main())) << "the file was not loaded again, not even from ReOpenLast";
  EXPECT_EQ(WaitForMessageBox(next.id(), 500).hwnd, nullptr) << "and it was said once";
}
