// The Help menu's history file and home page, and the status-bar hints of menu items
// and of the side bar's controls.
#include <windows.h>

#include "ui/Harness.h"

using namespace uitest;

namespace {

class HelpViewMenuTest : public MainFormTest {};

TEST_F(HelpViewMenuTest, WhatsNewOpensInCourierNewEightWithoutWordWrap) {
  WriteIni("[Editor]\r\nWordWrap=1\r\nBold=1\r\nSize=14\r\n");
  std::wstring history = MakeFile(L"WhatsNew.txt", "3.1: everything");
  Start();
  form().RunCommand(command::HelpMenuWhatsNew);
  EXPECT_EQ(form().documents().Active().fileName, history);
  workspace::FontSpec font = editor().DefaultFont();
  EXPECT_EQ(font.name, L"Courier New");
  EXPECT_EQ(font.points, 8);
  EXPECT_FALSE(font.bold);
  EXPECT_FALSE(editor().WordWrap());
  EXPECT_FALSE(editor().Modified());

  prompter_.ExpectMessage(L"The help file \"" + form().Paths().helpPath + L"\" was not found.");
  form().RunCommand(command::HelpMenuContents);
  EXPECT_EQ(prompter_.Pending(), 0u);

  form().RunCommand(command::HelpMenuHomepage);
  ASSERT_EQ(opened_.size(), 1u);
  EXPECT_EQ(opened_[0].rfind(L"https://", 0), 0u);
}

TEST_F(HelpViewMenuTest, WhatsNewAtTheLimitChangesNoFont) {
  WriteIni("[Editor]\r\nSize=14\r\n");
  MakeFile(L"WhatsNew.txt", "history");
  Start();
  for (int i = 1; i < 200; ++i) form().documents().NewDocument(0, L"txt");
  for (int slot = 0; slot < 200; ++slot) form().documents().Slot(slot)->editor.SetModified(true);
  prompter_.ExpectMessage(L"You have reached the limit of opened files.");
  form().RunCommand(command::HelpMenuWhatsNew);
  EXPECT_EQ(prompter_.Pending(), 0u);
  EXPECT_EQ(editor().DefaultFont().points, 14);
}

TEST_F(HelpViewMenuTest, StatusBarHintsShowMenuAndControlHintsAndGiveTheNameBack) {
  Start();
  ASSERT_TRUE(form().IsCommandChecked(command::HelpMenuStatusBarHints));
  ::SendMessageW(form().hwnd(), WM_MENUSELECT, MAKEWPARAM(command::ViewMenuRecentDocuments, MF_STRING),
                 reinterpret_cast<LPARAM>(form().MenuOf(command::kViewMenu)));
  EXPECT_EQ(form().StatusText(3), L"View Recent Documents in the Side Bar.");
  form().RunCommand(command::ViewMenuFavorites);
  ::SendMessageW(form().sideBar().CloseButton(), WM_MOUSEMOVE, 0, MAKELPARAM(2, 2));
  EXPECT_EQ(form().StatusText(3), L"Close Side Bar");
  ::SendMessageW(form().ruler().hwnd(), WM_MOUSEMOVE, 0, MAKELPARAM(2, 2));
  EXPECT_EQ(form().StatusText(3), L"Inches");

  form().RunCommand(command::HelpMenuStatusBarHints);
  EXPECT_EQ(form().StatusText(3), form().documents().Active().fileName);
  ::SendMessageW(form().ruler().hwnd(), WM_MOUSEMOVE, 0, MAKELPARAM(2, 2));
  EXPECT_EQ(form().StatusText(3), form().documents().Active().fileName);
}

}  // namespace
