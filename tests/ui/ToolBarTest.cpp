// The tool bar built from its mask, its buttons' states and their commands.
#include <windows.h>
#include <commctrl.h>

#include "command/CommandIds.h"
#include "ui/Harness.h"

using namespace uitest;

namespace {

BYTE ButtonStyle(HWND toolBar, unsigned command) {
  TBBUTTONINFOW info{};
  info.cbSize = sizeof(info);
  info.dwMask = TBIF_STYLE;
  ::SendMessageW(toolBar, TB_GETBUTTONINFOW, command, reinterpret_cast<LPARAM>(&info));
  return info.fsStyle;
}

int Height(HWND hwnd) {
  RECT r;
  ::GetWindowRect(hwnd, &r);
  return r.bottom - r.top;
}

}  // namespace

class ToolBarTest : public MainFormTest {};

TEST_F(ToolBarTest, TheDefaultMaskGivesTheDocumentedRow) {
  Start();
  EXPECT_EQ(form().ToolBarTags(), (std::vector<int>{0, 1, 3, 4, -1, 12, -1, 15, 16, 17, -1, 21, 22, -1, 36, -1, 40,
                                                    41, -1, 42, -1, 46, -1, 51}));
  EXPECT_TRUE(ButtonStyle(form().ToolBar(), command::FileMenuNew) & BTNS_DROPDOWN);
  EXPECT_TRUE(ButtonStyle(form().ToolBar(), command::FileMenuOpen) & BTNS_DROPDOWN);
  EXPECT_TRUE(ButtonStyle(form().ToolBar(), command::DocumentMenuWordWrap) & BTNS_CHECK);
  EXPECT_FALSE(ButtonStyle(form().ToolBar(), command::FileMenuSave) & (BTNS_CHECK | BTNS_DROPDOWN));
  EXPECT_GT(Height(form().ToolBar()), 15);
}

TEST_F(ToolBarTest, EmptyAndSingleButtonMasks) {
  WriteIni("[Main]\r\nToolBar=" + std::string(77, '0') + "\r\n");
  Start();
  EXPECT_TRUE(form().ToolBarTags().empty());
  EXPECT_EQ(Height(form().ToolBar()), 0);
}

TEST_F(ToolBarTest, OnlyExitGivesASeparatorAndExit) {
  WriteIni("[Main]\r\nToolBar=" + std::string(76, '0') + "1\r\nToolBarMenus=0\r\n");
  Start();
  EXPECT_EQ(form().ToolBarTags(), (std::vector<int>{-1, 51}));
}

TEST_F(ToolBarTest, ATenCharacterMaskIsPadded) {
  WriteIni("[Main]\r\nToolBar=1111111111\r\nToolBarMenus=0\r\n");
  Start();
  EXPECT_EQ(form().ToolBarTags(), (std::vector<int>{0, 1, 2, 3, 4, 5, -1, 6, 7, 8}));
  EXPECT_FALSE(ButtonStyle(form().ToolBar(), command::FileMenuNew) & BTNS_DROPDOWN) << "no drop-down menus";
}

TEST_F(ToolBarTest, StatesFollowTheActiveDocument) {
  WriteIni("[Main]\r\nToolBar=" + std::string(77, '1') + "\r\n");
  Start();
  EXPECT_FALSE(form().IsToolEnabled(3)) << "Save: unmodified";
  for (int tag : {2, 6, 7, 8, 11}) EXPECT_FALSE(form().IsToolEnabled(tag)) << "no file behind it: " << tag;
  for (int tag : {15, 16, 22, 27, 35}) EXPECT_FALSE(form().IsToolEnabled(tag)) << "no selection: " << tag;
  EXPECT_FALSE(form().IsToolEnabled(21)) << "nothing to undo";
  EXPECT_FALSE(form().IsToolEnabled(26)) << "Insert Symbol needs rich text";
  EXPECT_FALSE(form().IsToolPressed(42));

  SetEditorText(L"text");
  editor().SetSelection(0, 2);
  Pump();
  EXPECT_TRUE(form().IsToolEnabled(3));
  EXPECT_TRUE(form().IsToolEnabled(21));
  EXPECT_TRUE(form().IsToolEnabled(15));

  form().RunCommand(command::DocumentMenuWordWrap);
  EXPECT_TRUE(form().IsToolPressed(42));
  form().RunCommand(command::DocumentMenuReadOnly);
  EXPECT_TRUE(form().IsToolPressed(45));

  form().documents().NewDocument(1, L"rtf");
  EXPECT_TRUE(form().IsToolEnabled(26));
  EXPECT_TRUE(form().IsToolPressed(42)) << "rich text wraps";
  EXPECT_FALSE(form().IsToolPressed(45));
  form().documents().ActivateTab(0);
  EXPECT_TRUE(form().IsToolPressed(45)) << "the pressed states follow the active tab";
}

TEST_F(ToolBarTest, AButtonRunsItsMenuItemsHandler) {
  Start();
  form().documents().NewDocument(0, L"txt");
  ASSERT_EQ(form().documents().TabCount(), 2);
  ::SendMessageW(form().hwnd(), WM_COMMAND, command::FileMenuClose, reinterpret_cast<LPARAM>(form().ToolBar()));
  EXPECT_EQ(form().documents().TabCount(), 1);
}

TEST_F(ToolBarTest, TheNewDropDownListsTheFileTypes) {
  Start();
  form().documents().PrepareNewMenu(command::FileMenuNew);
  HMENU menu = form().documents().NewMenuHandle();
  ASSERT_EQ(::GetMenuItemCount(menu), 4);
  wchar_t caption[100];
  ::GetMenuStringW(menu, 0, caption, 100, MF_BYPOSITION);
  EXPECT_STREQ(caption, L"Text File ");
  ::GetMenuStringW(menu, 2, caption, 100, MF_BYPOSITION);
  EXPECT_STREQ(caption, L"Rich Text File ");
  form().RunCommand(command::NewMenuFirstItem + 2);
  EXPECT_EQ(form().documents().TabCaption(1), L"Untitled02.rtf");
  EXPECT_FALSE(editor().IsPlainText());
}
