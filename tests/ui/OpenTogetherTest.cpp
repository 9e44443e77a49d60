// Documents opened together (a hand-off of many names, ReOpenLast): the ones in the
// background get their editor when their tab is first shown, and must then look as if
// they had been opened one by one.
#include <windows.h>
#include <commctrl.h>

#include "ui/Harness.h"
#include "win/Encoding.h"

using namespace uitest;

class OpenTogetherTest : public MainFormTest {
 protected:
  workspace::Documents& documents() { return form().documents(); }
  void HandOverAndWait(const std::vector<std::wstring>& names) {
    std::wstring records;
    for (const std::wstring& name : names) records += name + L" ";
    WriteBytes(context_.paths.handOffPath, win::ToAnsi(records));
    form().TimerTimer();
    ASSERT_TRUE(PumpUntil([&] { return !form().OpeningPending(); }, 10000));
  }
  int TabOf(const std::wstring& path) {
    for (int tab = 0; tab < documents().TabCount(); ++tab)
      if (documents().SlotAsIs(documents().SlotOfTab(tab))->fileName == path) return tab;
    return -1;
  }
  bool Waiting(int tab) { return documents().SlotAsIs(documents().SlotOfTab(tab))->pending != nullptr; }
};

TEST_F(OpenTogetherTest, BackgroundDocumentsShowAsIfOpenedOneByOne) {
  std::wstring first = MakeFile(L"first.txt", "first");
  std::wstring utf8 = MakeFile(L"utf8.txt", "\xEF\xBB\xBFline one\nline two\n");
  std::wstring rich = MakeFile(L"rich.rtf", "{\\rtf1\\ansi{\\fonttbl{\\f0 Arial;}}\\f0 plain \\b bold\\b0\\par}");
  std::wstring locked = MakeFile(L"locked.txt", "read only");
  ::SetFileAttributesW(locked.c_str(), FILE_ATTRIBUTE_READONLY);
  std::wstring log = MakeFile(L"log.txt", ".LOG\r\n");
  std::wstring last = MakeFile(L"last.txt", "last");
  Start();
  HandOverAndWait({first, utf8, rich, locked, log, last});
  ASSERT_EQ(documents().TabCount(), 6) << "the first takes over the untitled tab";
  EXPECT_EQ(documents().Active().fileName, last) << "the last one handed over is shown";
  EXPECT_EQ(::GetFocus(), editor().hwnd());
  ASSERT_TRUE(Waiting(TabOf(utf8)) && Waiting(TabOf(rich)) && Waiting(TabOf(locked)))
      << "the documents in between wait for their tab to be shown";
  EXPECT_FALSE(Waiting(TabOf(log))) << "a log gets its time stamp as it opens";
  EXPECT_GT(documents().SlotAsIs(documents().SlotOfTab(TabOf(log)))->editor.TextLength(), 8);
  EXPECT_EQ(documents().TabImage(TabOf(locked)), 2) << "read-only shows on the tab before it is shown";
  EXPECT_EQ(documents().TabCaption(TabOf(rich)), L"rich.rtf");

  struct Shown {
    std::wstring path, text;
    bool plain, readOnly;
    const wchar_t* format;
  };
  for (const Shown& expected : {Shown{utf8, L"line one\rline two\r", true, false, L"UTF-8 BOM | LF"},
                                Shown{rich, L"plain bold", false, false, L""},
                                Shown{locked, L"read only", true, true, L"ANSI | CR LF"}}) {
    SCOPED_TRACE(expected.path);
    documents().ActivateTab(TabOf(expected.path));
    EXPECT_EQ(EditorText(), expected.text);
    EXPECT_EQ(editor().IsPlainText(), expected.plain);
    EXPECT_EQ(editor().ReadOnly(), expected.readOnly);
    EXPECT_FALSE(editor().Modified());
    EXPECT_EQ(editor().Selection().cpMin, 0);
    EXPECT_EQ(::GetFocus(), editor().hwnd()) << "typing goes to the document shown";
    EXPECT_EQ(form().StatusText(4).rfind(expected.format, 0), 0u) << form().StatusText(4);
    RECT page, shown;
    ::GetClientRect(documents().Active().page, &page);
    ::GetWindowRect(editor().hwnd(), &shown);
    EXPECT_GT(shown.right - shown.left, page.right - page.left - 10) << "the editor fills its page";
    EXPECT_GT(shown.bottom - shown.top, page.bottom - page.top - 40);
  }
  ::SetFileAttributesW(locked.c_str(), FILE_ATTRIBUTE_NORMAL);
}

TEST_F(OpenTogetherTest, WaitingDocumentsCloseAndAreRecordedWithoutTheirEditors) {
  WriteIni("[Main]\r\nReOpenLast=1\r\n");
  std::vector<std::wstring> names;
  for (int i = 0; i < 5; ++i) names.push_back(MakeFile(L"doc" + std::to_wstring(i) + L".txt", "text"));
  Start();
  HandOverAndWait(names);
  ASSERT_TRUE(Waiting(1));
  EXPECT_EQ(IniValue(L"History", L"File0"), names[4]) << "the history is written for the whole batch";
  EXPECT_EQ(IniValue(L"History", L"File4"), names[0]);
  Exit();
  EXPECT_EQ(IniValue(L"ReOpenLast", L"Count"), L"5");
  EXPECT_EQ(IniValue(L"ReOpenLast", L"File3"), names[1]);
}
