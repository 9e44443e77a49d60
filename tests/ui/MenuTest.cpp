// Menus, accelerators and hints built from the one command table.
#include <windows.h>
#include <commctrl.h>

#include <map>
#include <set>

#include "command/Command.h"
#include "command/CommandIds.h"
#include "ui/Harness.h"
#include "win/Encoding.h"

using namespace uitest;


class MenuTest : public MainFormTest {};

TEST_F(MenuTest, TheMenuBarAndItsMenus) {
  Start();
  EXPECT_EQ(Captions(::GetMenu(form().hwnd())),
            (std::vector<std::wstring>{L"&File", L"&Edit", L"&Search", L"F&ormat", L"&Document", L"F&avorites", L"&View",
                                       L"&Help"}));
  EXPECT_EQ(Captions(form().MenuOf(command::kFileMenu)),
            (std::vector<std::wstring>{L"&New...\tCtrl+N", L"&Open...\tCtrl+O", L"&Re-Open", L"R&eload...", L"-",
                                       L"&Save\tCtrl+S", L"Save &As...", L"Sa&ve All", L"-", L"&Close", L"C&lose All",
                                       L"-", L"&Print...\tCtrl+P", L"Print Pre&view...", L"Printer Se&tup...", L"-", L"Open &Folder", L"-",
                                       L"F&ile Functions", L"-", L"Sen&d As Mail...", L"-", L"E&xit"}));
  EXPECT_EQ(Captions(form().MenuOf(command::kSearchMenu)),
            (std::vector<std::wstring>{L"&Find...\tCtrl+F", L"Find &Next\tF3", L"&Replace...\tCtrl+R", L"-",
                                       L"Go to &Line..."}));
  EXPECT_EQ(Captions(form().MenuOf(command::kDocumentMenu)),
            (std::vector<std::wstring>{L"&Word Wrap\tCtrl+W", L"-", L"&Background Color...", L"&Font Settings...", L"-",
                                       L"&Smaller Font\tShift+F2", L"&Larger Font\tShift+F3", L"-", L"&Read Only"}));
  EXPECT_EQ(Captions(form().MenuOf(command::kTabMenu)),
            (std::vector<std::wstring>{L"&Close", L"C&lose All", L"-", L"&Save", L"Save &As...", L"Sa&ve All", L"-",
                                       L"&Print...", L"-", L"Cop&y...", L"Mov&e...", L"&Delete...", L"Rena&me...", L"-",
                                       L"Propert&ies..."}));
  EXPECT_EQ(Captions(form().MenuOf(command::kTrayMenu)),
            (std::vector<std::wstring>{L"&Restore", L"Mi&nimize", L"Ma&ximize", L"-", L"&Close\tAlt+F4"}));
}

TEST_F(MenuTest, EverySubsystemsRowsTogetherKeepTheTablesPromises) {
  Start();
  std::vector<int> tags;
  for (int tag = 0; tag <= 51; ++tag) tags.push_back(tag);
  std::vector<std::wstring> problems = form().commands().Problems(tags);
  for (const std::wstring& problem : problems) ADD_FAILURE() << win::ToUtf8(problem);
}

TEST_F(MenuTest, OneRuleFeedsTheMenuItemAndTheToolButton) {
  Start();
  EXPECT_FALSE(form().IsCommandChecked(command::DocumentMenuWordWrap));
  EXPECT_FALSE(form().IsToolPressed(42));
  ::SendMessageW(form().hwnd(), WM_COMMAND, MAKEWPARAM(command::DocumentMenuWordWrap, 1), 0);  // its shortcut
  EXPECT_TRUE(form().IsCommandChecked(command::DocumentMenuWordWrap));
  EXPECT_TRUE(form().IsToolPressed(42)) << "the bar follows the command without being told";
}

TEST_F(MenuTest, FOneOnAMenuItemShowsTheTopicOfItsMenu) {
  std::vector<int> topics;
  context_.showHelpTopic = [&topics](int topic) { topics.push_back(topic); };
  Start();
  HMENU format = form().MenuOf(command::kFormatMenu);
  HMENU richText = ::GetSubMenu(format, 0);
  ASSERT_NE(richText, nullptr);
  for (HMENU menu : {form().MenuOf(command::kDocumentMenu), richText, form().MenuOf(command::kTabMenu)}) {
    HELPINFO info{sizeof(HELPINFO), HELPINFO_MENUITEM, 0, menu, 0, {}};
    ::SendMessageW(form().hwnd(), WM_HELP, 0, reinterpret_cast<LPARAM>(&info));
  }
  EXPECT_EQ(topics, (std::vector<int>{20, 119, 11})) << "a submenu has the topic of the menu it is in";
}

TEST_F(MenuTest, ACommandThatDoesNotApplyDoesNotRun) {
  Start();
  // An untitled document has no file on disk to copy.
  EXPECT_FALSE(form().IsCommandEnabled(command::FileMenuCopy));
  EXPECT_FALSE(form().RunCommand(command::FileMenuCopy));
  EXPECT_TRUE(form().IsCommandEnabled(command::FileMenuSaveAs));
}

TEST_F(MenuTest, StatusBarHintsFollowTheHighlightedItem) {
  Start();
  ::SendMessageW(form().hwnd(), WM_MENUSELECT, MAKEWPARAM(command::FileMenuSave, MF_STRING),
                 reinterpret_cast<LPARAM>(form().MenuOf(command::kFileMenu)));
  EXPECT_EQ(form().StatusText(3), L"Save the document.");
  ::SendMessageW(form().hwnd(), WM_MENUSELECT, MAKEWPARAM(0, 0xFFFF), 0);
  EXPECT_EQ(form().StatusText(3), L"");
  form().RunCommand(command::HelpMenuStatusBarHints);
  EXPECT_EQ(form().StatusText(3), L"Untitled01.txt") << "switching the hints off brings the name back";
  ::SendMessageW(form().hwnd(), WM_MENUSELECT, MAKEWPARAM(command::FileMenuSave, MF_STRING),
                 reinterpret_cast<LPARAM>(form().MenuOf(command::kFileMenu)));
  EXPECT_EQ(form().StatusText(3), L"Untitled01.txt");
}

TEST_F(MenuTest, ARightClickActivatesTheTabUnderTheMouse) {
  Start();
  form().documents().NewDocument(0, L"txt");
  form().documents().ActivateTab(0);
  RECT tab{};
  ::SendMessageW(form().PageControl(), TCM_GETITEMRECT, 1, reinterpret_cast<LPARAM>(&tab));
  ::SendMessageW(form().PageControl(), WM_RBUTTONDOWN, MK_RBUTTON,
                 MAKELPARAM((tab.left + tab.right) / 2, (tab.top + tab.bottom) / 2));
  EXPECT_EQ(::SendMessageW(form().PageControl(), TCM_GETCURSEL, 0, 0), 1);
  EXPECT_EQ(form().documents().Active().fileName, L"Untitled02.txt");
}
