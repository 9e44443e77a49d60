// The main window's frame: start-up geometry, what closing stores, the slot table,
// tabs, keys and the menus built from the command table.
#include <windows.h>
#include <commctrl.h>

#include "command/CommandIds.h"
#include "ui/Harness.h"
#include "win/Encoding.h"
#include "win/Handles.h"
#include "win/Text.h"

using namespace uitest;
using app::TMainForm;

namespace {
RECT WindowRect(HWND hwnd) {
  RECT r;
  ::GetWindowRect(hwnd, &r);
  return r;
}
}  // namespace

class FrameTest : public MainFormTest {};

TEST_F(FrameTest, FirstStartWithoutIniIsCentred445By400WithOneUntitledTab) {
  Start();
  RECT r = WindowRect(form().hwnd());
  EXPECT_EQ(r.right - r.left, 445);
  EXPECT_EQ(r.bottom - r.top, 400);
  EXPECT_EQ(r.left, (::GetSystemMetrics(SM_CXSCREEN) - 445) / 2);
  EXPECT_EQ(r.top, (::GetSystemMetrics(SM_CYSCREEN) - 400) / 2);
  ASSERT_EQ(form().documents().TabCount(), 1);
  EXPECT_EQ(form().documents().TabCaption(0), L"Untitled01.txt");
  EXPECT_EQ(form().StatusText(0), L"1:1");
  EXPECT_EQ(form().StatusText(1), L"Insert");
  EXPECT_EQ(form().StatusText(2), L"Plain Text");
  EXPECT_TRUE(::IsWindowVisible(form().ToolBar()));
  EXPECT_TRUE(::IsWindowVisible(form().FormatBar()));
  EXPECT_FALSE(::IsWindowVisible(form().TopSplitter()));
  EXPECT_TRUE(editor().IsPlainText());
  EXPECT_EQ(IniValue(L"FileTypes", L"Name1"), L"Text Files") << "the first tick writes the default file types";

  Exit();
  EXPECT_EQ(IniValue(L"Main", L"Width"), L"445");
  EXPECT_EQ(IniValue(L"Main", L"Height"), L"400");
  EXPECT_EQ(IniValue(L"Main", L"Left"), win::ToText(r.left));
  for (const wchar_t* key : {L"ShowToolBar", L"ShowFormatBar", L"ShowStatusBar", L"ShowHints"})
    EXPECT_EQ(IniValue(L"Main", key), L"1") << win::ToUtf8(key);
  EXPECT_EQ(IniValue(L"Main", L"AlwaysOnTop"), L"0");
  EXPECT_NE(IniValue(L"Main", L"ShowRuler"), L"<absent>");
  EXPECT_NE(IniValue(L"Main", L"StatusBarHints"), L"<absent>");
  EXPECT_EQ(IniValue(L"SideBar", L"State"), L"0");
  EXPECT_EQ(IniValue(L"SideBar", L"Width"), L"91");
}

TEST_F(FrameTest, StoredGeometryAndBarsAreAppliedAsTheyAre) {
  WriteIni("[Main]\r\nLeft=-300\r\nTop=20\r\nWidth=600\r\nHeight=350\r\nShowToolBar=0\r\nShowFormatBar=0\r\n");
  Start();
  RECT r = WindowRect(form().hwnd());
  EXPECT_EQ(r.left, -300) << "a window partly on the screen is placed as stored";
  EXPECT_EQ(r.right - r.left, 600);
  EXPECT_FALSE(::IsWindowVisible(form().ToolBar()));
  EXPECT_FALSE(::IsWindowVisible(form().FormatBar()));
  EXPECT_TRUE(::IsWindowVisible(form().TopSplitter())) << "the 2-pixel line stands in for the hidden tool bar";
}

TEST_F(FrameTest, AWindowStoredOffEveryMonitorComesBackOnTheScreen) {
  WriteIni("[Main]\r\nLeft=-2147483648\r\nTop=-2147483648\r\nWidth=600\r\nHeight=350\r\n");
  Start();
  RECT r = WindowRect(form().hwnd());
  RECT screen{0, 0, ::GetSystemMetrics(SM_CXSCREEN), ::GetSystemMetrics(SM_CYSCREEN)};
  RECT overlap;
  EXPECT_TRUE(::IntersectRect(&overlap, &r, &screen)) << r.left << "," << r.top;
  EXPECT_EQ(r.right - r.left, 600);
}

TEST_F(FrameTest, GarbageInTheIniNeverCrashes) {
  WriteIni("[Main]\r\nLeft=zz\r\nTop=99999999999999\r\nWidth=-50\r\nHeight=abc\r\nIcon=12345\r\n"
           "FileTabStyle=-7\r\nToolBar=" + std::string(400, '1') + "x\r\nRulerColor=blue-ish\r\n"
           "[Editor]\r\nFont=" + std::string(600, 'Q') + "\r\nSize=-4\r\nBGColor=$GGGGGG\r\nColor=0x\r\n"
           "[SideBar]\r\nWidth=-100000\r\n");
  Start();
  EXPECT_EQ(form().documents().TabCount(), 1);
  EXPECT_TRUE(::IsWindow(form().hwnd()));
  SetEditorText(L"still works");
  EXPECT_EQ(EditorText(), L"still works");
}

TEST_F(FrameTest, MaximizedCloseKeepsTheLastNormalGeometry) {
  WriteIni("[Main]\r\nLeft=10\r\nTop=20\r\nWidth=500\r\nHeight=300\r\n");
  Start();
  ::ShowWindow(form().hwnd(), SW_MAXIMIZE);
  Pump(50);
  Exit();
  EXPECT_EQ(IniValue(L"Main", L"Left"), L"10");
  EXPECT_EQ(IniValue(L"Main", L"Top"), L"20");
  EXPECT_EQ(IniValue(L"Main", L"Width"), L"500");
  EXPECT_EQ(IniValue(L"Main", L"Height"), L"300");
}

TEST_F(FrameTest, TabStyleTwoWithTabsBelowDrawsTabsAbove) {
  WriteIni("[Main]\r\nFileTabStyle=2\r\nFileTabBelow=1\r\n");
  Start();
  LONG style = ::GetWindowLongW(form().PageControl(), GWL_STYLE);
  EXPECT_FALSE(style & TCS_BOTTOM);
  EXPECT_FALSE(style & TCS_BUTTONS);
  EXPECT_TRUE(style & TCS_MULTILINE) << "FileTabWrap applies on the first tick";
}

TEST_F(FrameTest, ButtonsStyleAndTabsBelow) {
  WriteIni("[Main]\r\nFileTabStyle=1\r\nFileTabBelow=1\r\nTryIt=1\r\nFileTabWrap=0\r\n");
  Start();
  LONG style = ::GetWindowLongW(form().PageControl(), GWL_STYLE);
  EXPECT_TRUE(style & TCS_BUTTONS);
  EXPECT_FALSE(style & TCS_BOTTOM) << "buttons are always above";
  EXPECT_TRUE(style & TCS_HOTTRACK);
  EXPECT_FALSE(style & TCS_MULTILINE);
}

TEST_F(FrameTest, TwoHundredDocumentsThenTheLimit) {
  Start();
  for (int i = 1; i < 200; ++i) ASSERT_TRUE(form().documents().NewDocument(0, L"txt"));
  EXPECT_EQ(form().documents().TabCount(), 200);
  EXPECT_EQ(form().documents().TabCaption(199), L"Untitled200.txt");
  prompter_.ExpectMessage(L"You have reached the limit of opened files.");
  form().documents().NewMenuClick({command::NewMenuFirstItem, command::Sender::Kind::Menu, 1});
  EXPECT_EQ(form().documents().TabCount(), 200) << "the 201st document changes nothing";
  ASSERT_EQ(prompter_.messages.size(), 1u);
  EXPECT_EQ(prompter_.messages[0].icon, win::Icon::Warning);
  EXPECT_EQ(prompter_.messages[0].title, L"Tarnwick");
}

TEST_F(FrameTest, ClosingReusesTheLowestSlotAndTheLastTabMakesANewOne) {
  Start();
  form().documents().NewDocument(0, L"txt");
  form().documents().NewDocument(1, L"rtf");
  ASSERT_EQ(form().documents().TabCaption(2), L"Untitled03.rtf");
  EXPECT_EQ(form().StatusText(2), L"Rich Text");
  form().documents().ActivateTab(0);
  form().RunCommand(command::FileMenuClose);
  EXPECT_EQ(form().documents().TabCaption(0), L"Untitled02.txt") << "the right-hand neighbour takes the place";
  EXPECT_EQ(form().documents().ActiveSlot, 1);
  form().documents().NewDocument(0, L"txt");
  EXPECT_EQ(form().documents().TabCaption(2), L"Untitled01.txt") << "slot 0 again, as the last tab";
  form().documents().ActivateTab(2);
  form().RunCommand(command::FileMenuClose);
  EXPECT_EQ(form().documents().TabCaption(form().documents().TabCount() - 1), L"Untitled03.rtf") << "the closed last tab's left neighbour";
  form().RunCommand(command::FileMenuClose);
  form().RunCommand(command::FileMenuClose);
  ASSERT_EQ(form().documents().TabCount(), 1);
  EXPECT_EQ(form().documents().TabCaption(0), L"Untitled01.txt");
}

TEST_F(FrameTest, AmpersandsInNamesShowLiterally) {
  Start();
  form().documents().SetTabCaption(form().documents().ActiveSlot, L"Tom&Jerry.txt");
  EXPECT_EQ(form().documents().TabCaption(0), L"Tom&&Jerry.txt");
}

TEST_F(FrameTest, AShorterCaptionRepaintsWhereTheLongerOneWas) {
  Start();
  HWND tabs = form().PageControl();
  form().documents().SetTabCaption(form().documents().ActiveSlot, L"A rather long document name.txt");
  ::UpdateWindow(tabs);
  RECT longer{};
  TabCtrl_GetItemRect(tabs, 0, &longer);
  form().documents().SetTabCaption(form().documents().ActiveSlot, L"a.txt");
  RECT shorter{};
  TabCtrl_GetItemRect(tabs, 0, &shorter);
  ASSERT_LT(shorter.right, longer.right);
  win::UniqueRegion pending(::CreateRectRgn(0, 0, 0, 0));
  ASSERT_NE(::GetUpdateRgn(tabs, pending.get(), FALSE), ERROR);
  int middle = (longer.top + longer.bottom) / 2;
  EXPECT_TRUE(::PtInRegion(pending.get(), longer.right - 3, middle)) << "the end of the old caption is repainted";
}

TEST_F(FrameTest, AltArrowsCycleTabsAndInsertFlipsTheMode) {
  Start();
  form().documents().NewDocument(0, L"txt");
  form().documents().NewDocument(0, L"txt");
  form().documents().ActivateTab(2);
  HWND edit = editor().hwnd();
  ::SendMessageW(edit, WM_SYSKEYDOWN, VK_RIGHT, 1 << 29);
  EXPECT_EQ(::SendMessageW(form().PageControl(), TCM_GETCURSEL, 0, 0), 0) << "wraps from the last to the first";
  ::SendMessageW(editor().hwnd(), WM_SYSKEYDOWN, VK_LEFT, 1 << 29);
  EXPECT_EQ(::SendMessageW(form().PageControl(), TCM_GETCURSEL, 0, 0), 2);

  ::SendMessageW(editor().hwnd(), WM_KEYDOWN, VK_INSERT, 0);
  EXPECT_EQ(form().StatusText(1), L"Overwrite");
  EXPECT_FALSE(form().documents().Active().insertMode);
  form().documents().ActivateTab(0);
  EXPECT_EQ(form().StatusText(1), L"Insert") << "each document keeps its own mode";
}

TEST_F(FrameTest, TypingSoundsOnlyWhenSwitchedOn) {
  WriteIni("[Main]\r\nPlaySounds=1\r\n");
  Start();
  ::SendMessageW(editor().hwnd(), WM_CHAR, L'a', 0);
  ::SendMessageW(editor().hwnd(), WM_CHAR, L'\r', 0);
  EXPECT_EQ(sounds_, (std::vector<std::wstring>{L"ID_WAVE1", L"ID_WAVE2"}));
  form().documents().PlaySoundsOn = false;
  ::SendMessageW(editor().hwnd(), WM_CHAR, L'b', 0);
  EXPECT_EQ(sounds_.size(), 2u);
}

TEST_F(FrameTest, TypingMarksTheTabModified) {
  Start();
  EXPECT_EQ(form().documents().TabImage(0), 0);
  ::SendMessageW(editor().hwnd(), WM_CHAR, L'x', 0);
  Pump();
  EXPECT_TRUE(editor().Modified());
  EXPECT_EQ(form().documents().TabImage(0), 1);
  EXPECT_TRUE(form().IsToolEnabled(3)) << "Save";
}

TEST_F(FrameTest, TemporaryCopyIsMadeInTheCurrentFolderAndDeletedWithTheTab) {
  Start();
  ::SetCurrentDirectoryW(folder_.path().c_str());
  WriteBytes(folder_ / L"~TWK_TMP1.txt", "taken");
  form().documents().MakeTempFileName();
  std::wstring temp = form().documents().TempFileOf(form().documents().ActiveSlot);
  EXPECT_EQ(temp, folder_ / L"~TWK_TMP2.txt");
  WriteBytes(temp, "copy");
  form().documents().NewDocument(0, L"txt");
  form().documents().ActivateTab(0);
  form().RunCommand(command::FileMenuClose);
  EXPECT_FALSE(Exists(temp));
  EXPECT_TRUE(Exists(folder_ / L"~TWK_TMP1.txt")) << "only the slot's own copy goes";
}

TEST_F(FrameTest, AFreshEditorTakesOverEveryState) {
  Start();
  SetEditorText(L"line one\r\nline two\r\nline three");
  editor().SetReadOnly(true);
  editor().SetSelection(5, 8);
  form().documents().DocumentMenuWordWrapClick({});
  ::SendMessageW(editor().hwnd(), WM_KEYDOWN, VK_INSERT, 0);
  workspace::FontSpec before = editor().DefaultFont();
  HWND old = editor().hwnd();
  form().documents().ReplaceActiveEditor([](workspace::RichEditor& fresh) { fresh.StreamInText(L"line one\r\nline two\r\nline three"); });
  EXPECT_NE(editor().hwnd(), old);
  EXPECT_FALSE(::IsWindow(old));
  EXPECT_TRUE(editor().IsPlainText());
  EXPECT_TRUE(editor().Modified());
  EXPECT_TRUE(editor().ReadOnly());
  EXPECT_TRUE(editor().WordWrap());
  EXPECT_EQ(editor().Selection().cpMin, 5);
  EXPECT_EQ(editor().Selection().cpMax, 8);
  EXPECT_EQ(editor().DefaultFont().name, before.name);
  EXPECT_EQ(editor().DefaultFont().points, before.points);
  EXPECT_TRUE(::IsWindowVisible(editor().hwnd()));
  EXPECT_FALSE(form().documents().Active().insertMode);
  ::SendMessageW(editor().hwnd(), WM_CHAR, L'Z', 0);
  EXPECT_EQ(EditorText().find(L'Z'), std::wstring::npos) << "still read-only";
  editor().SetReadOnly(false);
  editor().SetSelection(0, 0);
  ::SendMessageW(editor().hwnd(), WM_CHAR, L'Z', 0);
  Pump();
  EXPECT_EQ(EditorText().substr(0, 1), L"Z");
  EXPECT_EQ(form().documents().TabImage(0), 1) << "the change event is attached to the new control";
}
