// The Re-Open submenu, the New dialog and the New and folder-history drop-downs.
#include <windows.h>

#include "command/CommandIds.h"
#include "dialogs/NewFileIds.h"
#include "ui/Harness.h"
#include "win/Encoding.h"
#include "win/Text.h"

using namespace uitest;

namespace {

std::wstring ItemText(HMENU menu, UINT position) {
  wchar_t buffer[300] = L"";
  ::GetMenuStringW(menu, position, buffer, 300, MF_BYPOSITION);
  return buffer;
}

bool Enabled(HMENU menu, UINT position) {
  return !(::GetMenuState(menu, position, MF_BYPOSITION) & (MF_GRAYED | MF_DISABLED));
}

}  // namespace

class HistoryMenuTest : public MainFormTest {
 protected:
  HMENU ReopenMenu() {
    form().IsCommandEnabled(command::FileMenuOpen);  // runs the File menu's refresh
    MENUITEMINFOW info{};
    info.cbSize = sizeof(info);
    info.fMask = MIIM_SUBMENU;
    ::GetMenuItemInfoW(form().MenuOf(command::kFileMenu), command::FileMenuReOpen, FALSE, &info);
    return info.hSubMenu;
  }
};

TEST_F(HistoryMenuTest, AnEmptyHistoryShowsADisabledPlaceholder) {
  Start();
  HMENU menu = ReopenMenu();
  ASSERT_NE(menu, nullptr);
  ASSERT_EQ(::GetMenuItemCount(menu), 3);
  EXPECT_EQ(ItemText(menu, 0), L"&Clear List");
  EXPECT_FALSE(Enabled(menu, 0));
  EXPECT_EQ(ItemText(menu, 2), L"[Empty]");
  EXPECT_FALSE(Enabled(menu, 2));
}

TEST_F(HistoryMenuTest, EntriesShowShortEscapedNamesAndOpenTheFullPath) {
  std::wstring longName = std::wstring(66, L'n') + L".txt";
  std::wstring longPath = folder_ / longName;
  WriteBytes(longPath, "long");
  WriteIni("[History]\r\nFile0=" + win::ToAnsi(longPath) + "\r\nFile1=C:\\Docs\\Tom&Jerry.txt\r\n");
  Start();
  HMENU menu = ReopenMenu();
  ASSERT_EQ(::GetMenuItemCount(menu), 4);
  EXPECT_TRUE(Enabled(menu, 0));
  EXPECT_EQ(ItemText(menu, 2), std::wstring(60, L'n') + L"...");
  EXPECT_EQ(ItemText(menu, 3), L"Tom&&Jerry.txt");
  form().RunCommand(command::ReopenMenuFirstFile);
  EXPECT_EQ(form().documents().Active().fileName, longPath);
  EXPECT_EQ(EditorText(), L"long");

  prompter_.ExpectMessage(L"The file \"C:\\Docs\\Tom&Jerry.txt\" does not exist.");
  form().RunCommand(command::ReopenMenuFirstFile + 1);
  EXPECT_EQ(IniValue(L"History", L"File1"), L"C:\\Docs\\Tom&Jerry.txt") << "a missing file stays listed";
}

TEST_F(HistoryMenuTest, ClearListEmptiesTheHistory) {
  WriteIni("[History]\r\nFile0=C:\\a.txt\r\n");
  Start();
  form().RunCommand(command::ReopenMenuClearList);
  EXPECT_EQ(IniValue(L"History", L"File0"), L"<absent>");
  HMENU menu = ReopenMenu();
  EXPECT_EQ(ItemText(menu, 2), L"[Empty]");
  EXPECT_FALSE(Enabled(menu, 0));
}

TEST_F(HistoryMenuTest, NewDialogLoadsTheTypesFirstTemplate) {
  WriteBytes(folder_ / L"Template.asc", "from the template");
  Start();
  bool checkedAndEnabled = false;
  std::wstring formatLabel;
  win::Dialog::SetTestHook([&](win::Dialog& dialog) {
    HWND extensions = dialog.Item(IDC_NEW_EXTENSIONS);
    ::SendMessageW(extensions, LB_SETCURSEL, 2, 0);  // "*.diz"
    checkedAndEnabled = dialog.Checked(IDC_NEW_TEMPLATE) && ::IsWindowEnabled(dialog.Item(IDC_NEW_TEMPLATE));
    formatLabel = dialog.Text(IDC_NEW_FORMAT);
    ::PostMessageW(dialog.hwnd(), WM_COMMAND, IDOK, 0);
  });
  form().RunCommand(command::FileMenuNew);
  EXPECT_TRUE(checkedAndEnabled);
  EXPECT_EQ(formatLabel, L"Format: Plain Text");
  ASSERT_EQ(form().documents().TabCount(), 2);
  EXPECT_EQ(form().documents().TabCaption(1), L"Untitled02.diz");
  EXPECT_EQ(EditorText(), L"from the template");
  EXPECT_FALSE(editor().Modified());
}

TEST_F(HistoryMenuTest, NewDialogKeepsTheLabelForOddFormatsAndMakesRichText) {
  WriteIni("[FileTypes]\r\nName1=Text Files\r\nExt1=*.txt\r\nFormat1=0\r\nName2=Odd Files\r\nExt2=*.odd\r\n"
           "Format2=7\r\nName3=\r\nExt3=\r\n");
  Start();
  std::wstring labelAfter;
  bool templateEnabled = true;
  win::Dialog::SetTestHook([&](win::Dialog& dialog) {
    HWND types = dialog.Item(IDC_NEW_TYPES);
    ::SendMessageW(types, LB_SETCURSEL, 1, 0);
    ::SendMessageW(dialog.hwnd(), WM_COMMAND, MAKEWPARAM(IDC_NEW_TYPES, LBN_SELCHANGE), reinterpret_cast<LPARAM>(types));
    labelAfter = dialog.Text(IDC_NEW_FORMAT);
    templateEnabled = ::IsWindowEnabled(dialog.Item(IDC_NEW_TEMPLATE));
    ::PostMessageW(dialog.hwnd(), WM_COMMAND, IDOK, 0);
  });
  form().RunCommand(command::FileMenuNew);
  EXPECT_EQ(labelAfter, L"Format: Plain Text") << "format 7 leaves the label as it was";
  EXPECT_FALSE(templateEnabled);
  EXPECT_EQ(form().documents().TabCaption(1), L"Untitled02.odd");
  EXPECT_FALSE(editor().IsPlainText());
}

TEST_F(HistoryMenuTest, NewDialogCancelDoesNothing) {
  Start();
  win::Dialog::SetTestHook([](win::Dialog& dialog) { ::PostMessageW(dialog.hwnd(), WM_COMMAND, IDCANCEL, 0); });
  form().RunCommand(command::FileMenuNew);
  EXPECT_EQ(form().documents().TabCount(), 1);
}

TEST_F(HistoryMenuTest, NewDropDownUsesTheFirstPatternWithoutTemplate) {
  WriteBytes(folder_ / L"Template.htm", "template text");
  Start();
  form().documents().PrepareNewMenu(command::FileMenuNew);
  form().RunCommand(command::NewMenuFirstItem + 1);
  EXPECT_EQ(form().documents().TabCaption(1), L"Untitled02.htm");
  EXPECT_EQ(EditorText(), L"");
}

TEST_F(HistoryMenuTest, FolderHistoryDropDown) {
  Start();
  form().documents().PrepareNewMenu(command::FileMenuOpen);
  HMENU menu = form().documents().NewMenuHandle();
  ASSERT_EQ(::GetMenuItemCount(menu), 3);
  EXPECT_FALSE(Enabled(menu, 0));
  EXPECT_EQ(ItemText(menu, 2), L"[Empty]");

  WriteIni("[DirHistory]\r\nDir0=" + win::ToAnsi(folder_.path()) + "\r\nType0=3\r\n");
  form().documents().PrepareNewMenu(command::FileMenuOpen);
  menu = form().documents().NewMenuHandle();
  EXPECT_TRUE(Enabled(menu, 0));
  EXPECT_EQ(ItemText(menu, 2), folder_.path());
  prompter_.ExpectOpenCancelled();
  form().RunCommand(command::NewMenuFirstItem + 2);
  EXPECT_EQ(prompter_.fileRequests.back().initialDir, folder_.path());
  EXPECT_EQ(prompter_.fileRequests.back().filterIndex, 3);
  EXPECT_EQ(form().documents().OpenInitialDir(), L"\\") << "the initial folder is restored";

  form().documents().PrepareNewMenu(command::FileMenuOpen);
  form().RunCommand(command::NewMenuFirstItem);
  EXPECT_EQ(IniValue(L"DirHistory", L"Dir0"), L"<absent>");
}
