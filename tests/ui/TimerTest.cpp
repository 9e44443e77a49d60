// The main timer: the hand-off pickup, the command line, and the tray icon.
#include <windows.h>
#include <shellapi.h>

#include "command/CommandIds.h"
#include "print/MyPrintDialog_win.h"
#include "ui/Harness.h"
#include "ui/TestPrinter.h"
#include "win/Encoding.h"

using namespace uitest;

class TimerTest : public MainFormTest {
 protected:
  // Print requests open the Print dialog on a test printer; the tests close it at once.
  void SetUp() override {
    MainFormTest::SetUp();
    context_.makePrinter = [] { return std::make_unique<TestPrinter>(std::make_shared<TestPrinter::Log>()); };
    win::Dialog::SetTestHook([this](win::Dialog& dialog) {
      if (!dynamic_cast<print::TMyPrintDialog*>(&dialog)) return;
      ++printDialogs_;
      ::PostMessageW(dialog.hwnd(), WM_COMMAND, IDCANCEL, 0);
    });
  }
  void TearDown() override {
    win::Dialog::SetTestHook(nullptr);
    MainFormTest::TearDown();
  }
  int printDialogs_ = 0;
  void HandOver(const std::wstring& records) {
    std::string bytes = ReadBytes(context_.paths.handOffPath) + win::ToAnsi(records);
    WriteBytes(context_.paths.handOffPath, bytes);
  }
  std::vector<std::wstring> OpenNames() {
    std::vector<std::wstring> names;
    for (int tab = 0; tab < form().documents().TabCount(); ++tab) names.push_back(form().documents().Slot(form().documents().SlotOfTab(tab))->fileName);
    return names;
  }
};

TEST_F(TimerTest, HandedOverNamesWithSpacesAreJoinedAndOpened) {
  ::CreateDirectoryW((folder_ / L"My Documents").c_str(), nullptr);
  std::wstring path = MakeFile(L"My Documents\\a b.txt", "joined");
  Start();
  HandOver(path + L" ");
  form().TimerTimer();
  EXPECT_EQ(OpenNames(), std::vector<std::wstring>{path});
  EXPECT_FALSE(Exists(context_.paths.handOffPath)) << "the file is consumed";
  EXPECT_EQ(EditorText(), L"joined");
}

TEST_F(TimerTest, StubRecordsKeepTheirQuotesAndStillOpen) {
  std::wstring path = MakeFile(L"x y.txt", "quoted");
  Start();
  HandOver(L"\"" + path + L"\" ");
  ASSERT_TRUE(PumpUntil([&] { return form().documents().Active().fileName == path; }, 2000)) << "opened within one timer period";
}

TEST_F(TimerTest, ANameDifferingInCaseActivatesTheOpenTab) {
  std::wstring path = MakeFile(L"Case.txt", "c");
  Start();
  form().documents().OpenDocument(path);
  form().documents().NewDocument(0, L"txt");
  std::wstring upper = path;
  for (wchar_t& c : upper) c = static_cast<wchar_t>(towupper(c));
  HandOver(upper + L" ");
  form().TimerTimer();
  EXPECT_EQ(form().documents().TabCount(), 2);
  EXPECT_EQ(form().documents().Active().fileName, path) << "no already-open question, no second copy";
}

TEST_F(TimerTest, PrintRequestsAreRoutedAfterTheFilesOpen) {
  std::wstring a = MakeFile(L"a.txt", "a");
  Start();
  HandOver(a + L" /p ");
  form().TimerTimer();
  // On a busy machine the request may wait for the next slice of the opening queue.
  ASSERT_TRUE(PumpUntil([&] { return !form().OpeningPending(); }));
  EXPECT_EQ(form().documents().Active().fileName, a);
  EXPECT_EQ(form().printRequests, 1);
  EXPECT_EQ(printDialogs_, 1);
  HandOver(a + L" ");
  form().TimerTimer();
  EXPECT_EQ(form().printRequests, 1);
}

TEST_F(TimerTest, AParamDatWrittenBeforeTheStartIsConsumedByTheFirstTick) {
  std::wstring a = MakeFile(L"early.txt", "early");
  std::wstring b = MakeFile(L"cmdline.txt", "cmd");
  HandOver(a + L" ");
  context_.arguments = {b};
  Start();
  EXPECT_EQ(OpenNames(), (std::vector<std::wstring>{a, b})) << "handed-over names open before the command line";
}

TEST_F(TimerTest, EveryHandedOverNameMeetsTheLimitOnItsOwn) {
  std::wstring a = MakeFile(L"a.txt", "a"), b = MakeFile(L"b.txt", "b");
  Start();
  for (int i = 1; i < 200; ++i) form().documents().NewDocument(0, L"txt");
  for (int slot = 0; slot < 200; ++slot) form().documents().Slot(slot)->editor.SetModified(true);
  prompter_.ExpectMessage(L"You have reached the limit of opened files.");
  prompter_.ExpectMessage(L"You have reached the limit of opened files.");
  HandOver(a + L" " + b + L" ");
  form().TimerTimer();
  EXPECT_EQ(form().documents().TabCount(), 200);
}

TEST_F(TimerTest, CommandLinePrintWithReOpenLastOpensButDoesNotPrint) {
  std::wstring a = MakeFile(L"a.txt", "a");
  WriteIni("[Main]\r\nReOpenLast=1\r\n");
  context_.arguments = {L"/p", a};
  Start();
  EXPECT_EQ(form().documents().Active().fileName, a);
  EXPECT_EQ(form().printRequests, 0);
}

TEST_F(TimerTest, CommandLinePrintAsksForPrinting) {
  std::wstring a = MakeFile(L"a.txt", "a");
  context_.arguments = {L"/p", a};
  Start();
  EXPECT_EQ(form().printRequests, 1);
  EXPECT_EQ(printDialogs_, 1);
}

TEST_F(TimerTest, TrayModeShowsAnIconThatComesBackWhenTheShellLosesIt) {
  context_.trayMode = true;
  Start();
  ASSERT_TRUE(form().TrayIconPresent());
  NOTIFYICONDATAW data{};
  data.cbSize = NOTIFYICONDATAW_V1_SIZE;
  data.hWnd = form().hwnd();
  data.uID = 1005;
  ASSERT_TRUE(::Shell_NotifyIconW(NIM_DELETE, &data));
  EXPECT_FALSE(form().TrayIconPresent());
  form().TrayIconTimerTimer();
  EXPECT_TRUE(form().TrayIconPresent());

  ::ShowWindow(form().hwnd(), SW_MINIMIZE);
  Pump(50);
  EXPECT_FALSE(::IsWindowVisible(form().hwnd())) << "minimized into the tray";
  ::SendMessageW(form().hwnd(), app::TMainForm::kTrayMessage, 1005, WM_LBUTTONUP);
  Pump(50);
  EXPECT_TRUE(::IsWindowVisible(form().hwnd()));
  EXPECT_FALSE(::IsIconic(form().hwnd()));

  Exit();
  EXPECT_FALSE(::Shell_NotifyIconW(NIM_DELETE, &data)) << "closing removed the icon";
}

TEST_F(TimerTest, TrayMenuStates) {
  context_.trayMode = true;
  Start();
  ::SetForegroundWindow(form().hwnd());
  ::SetActiveWindow(form().hwnd());
  Pump(20);
  form().IsCommandEnabled(command::TrayPopupMenuClose);
  HMENU tray = form().MenuOf(command::kTrayMenu);
  auto enabled = [&](unsigned id) { return !(::GetMenuState(tray, id, MF_BYCOMMAND) & MF_GRAYED); };
  EXPECT_FALSE(enabled(command::TrayPopupMenuRestore)) << "the window is visible";
  EXPECT_TRUE(enabled(command::TrayPopupMenuMinimize));
  EXPECT_TRUE(enabled(command::TrayPopupMenuClose));
  EXPECT_EQ(::GetMenuDefaultItem(tray, FALSE, 0), command::TrayPopupMenuClose);

  form().RunCommand(command::TrayPopupMenuMinimize);
  Pump(50);
  form().IsCommandEnabled(command::TrayPopupMenuClose);
  EXPECT_TRUE(enabled(command::TrayPopupMenuRestore));
  EXPECT_EQ(::GetMenuDefaultItem(tray, FALSE, 0), command::TrayPopupMenuRestore);
  form().RunCommand(command::TrayPopupMenuMaximize, command::Sender::Kind::Code);
  Pump(50);
  EXPECT_TRUE(::IsZoomed(form().hwnd()));
}
