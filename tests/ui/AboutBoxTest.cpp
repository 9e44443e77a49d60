// The about box: its pages, the credits that scroll only while shown, the link.
#include <windows.h>
#include <commctrl.h>

#include "command/CommandIds.h"
#include "dialogs/AboutBox.h"
#include "dialogs/AboutBoxIds.h"
#include "ui/Harness.h"

using namespace uitest;

class AboutBoxTest : public MainFormTest {};

TEST_F(AboutBoxTest, CreditsScrollOnlyOnTheirPageAndEscapeCloses) {
  Start();
  std::wstring caption, version;
  int positionOnFirstPage = -1, positionOnCredits = -1;
  bool creditsHiddenFirst = false;
  win::Dialog::SetTestHook([&](win::Dialog& dialog) {
    auto& about = static_cast<dialogs::TAboutBox&>(dialog);
    wchar_t text[100];
    ::GetWindowTextW(dialog.hwnd(), text, 100);
    caption = text;
    version = dialog.Text(IDC_ABOUT_VERSION);
    creditsHiddenFirst = !::IsWindowVisible(dialog.Item(IDC_ABOUT_CREDITS));
    about.TimerTimer();
    positionOnFirstPage = about.scroll().position;
    about.SelectTab(1);
    about.TimerTimer();
    about.TimerTimer();
    positionOnCredits = about.scroll().position;
    ::SendMessageW(dialog.hwnd(), WM_COMMAND, MAKEWPARAM(IDC_ABOUT_LINK, STN_CLICKED),
                   reinterpret_cast<LPARAM>(dialog.Item(IDC_ABOUT_LINK)));
    ::PostMessageW(dialog.hwnd(), WM_COMMAND, IDCANCEL, 0);  // what Esc sends
  });
  form().RunCommand(command::HelpMenuAbout);
  EXPECT_EQ(caption, L"About Tarnwick");
  EXPECT_EQ(version, L"Version: 3.1");
  EXPECT_TRUE(creditsHiddenFirst);
  EXPECT_EQ(positionOnFirstPage, 0) << "the credits stand still on the Application page";
  EXPECT_EQ(positionOnCredits, 2);
  EXPECT_EQ(opened_, std::vector<std::wstring>{dialogs::kHomePage});
}
