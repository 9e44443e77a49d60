// Edit > Settings in-process: filling from Tarnwick.ini, OK writing and applying,
// Cancel writing nothing, and the page behaviour wired to the dialog's controls.
#include <windows.h>
#include <commctrl.h>

#include <algorithm>

#include "command/CommandIds.h"
#include "dialogs/Settings.h"
#include "dialogs/SettingsIds.h"
#include "ui/Harness.h"

using namespace uitest;
using dialogs::TSettings;

namespace {

std::wstring ListLine(HWND list, int index) {
  auto length = ::SendMessageW(list, LB_GETTEXTLEN, static_cast<WPARAM>(index), 0);
  if (length < 0) return L"<none>";
  std::wstring text(static_cast<size_t>(length) + 1, L'\0');
  ::SendMessageW(list, LB_GETTEXT, static_cast<WPARAM>(index), reinterpret_cast<LPARAM>(text.data()));
  text.resize(static_cast<size_t>(length));
  return text;
}

bool Enabled(win::Dialog& dialog, int id) { return ::IsWindowEnabled(dialog.Item(id)) != FALSE; }

std::wstring Caption(HWND hwnd) {
  wchar_t text[100] = L"";
  ::GetWindowTextW(hwnd, text, 100);
  return text;
}

}  // namespace

class SettingsTest : public MainFormTest {
 protected:
  // Runs Edit > Settings with `steps` acting on the open dialog, then presses `button`.
  void RunSettings(const std::function<void(TSettings&)>& steps, int button = IDOK) {
    win::Dialog::SetTestHook([steps, button](win::Dialog& dialog) {
      steps(static_cast<TSettings&>(dialog));
      ::PostMessageW(dialog.hwnd(), WM_COMMAND, button, 0);
    });
    EXPECT_TRUE(form().RunCommand(command::EditMenuSettings));
    win::Dialog::SetTestHook(nullptr);
  }
  std::string IniBytes() { return ReadBytes(context_.paths.iniPath); }
};

TEST_F(SettingsTest, FillsEveryPageFromTheFileAndCancelWritesNothing) {
  WriteIni(
      "[Main]\r\nFileTabStyle=1\r\nRulerStyle=1\r\nUseSystemTray=1\r\nDateFormat=2\r\nIcon=3\r\n"
      "DefaultOpenDir=C:\\Docs\r\nHideReOpen=1\r\nToolBarMenus=0\r\n"
      "[Editor]\r\nWordWrap=1\r\n[SideBar]\r\nRightSide=1\r\n"
      "[FileTypes]\r\nName1=Text Files\r\nExt1=*.txt\r\nFormat1=0\r\nName2=Rich\r\nExt2=*.rtf\r\nFormat2=1\r\n"
      "Name3=\r\nExt3=\r\n");
  Start();
  std::string before = IniBytes();
  std::vector<std::wstring> pages;
  std::wstring title, firstType, secondType, openFolder, description;
  bool buttons = false, aboveChecked = false, belowEnabled = true, right = false, wordWrap = false, tray = false;
  bool dmy = false, hideReOpen = false, dropDownOff = false, rich = false, upEnabled = true;
  int units = -1, icon = -1, categoryLines = 0;
  RunSettings(
      [&](TSettings& d) {
        title = Caption(d.hwnd());
        HWND tabs = d.Item(IDC_SET_TABS);
        for (int i = 0; i < TabCtrl_GetItemCount(tabs); ++i) {
          wchar_t text[40] = L"";
          TCITEMW item{};
          item.mask = TCIF_TEXT;
          item.pszText = text;
          item.cchTextMax = 40;
          TabCtrl_GetItem(tabs, i, &item);
          pages.push_back(text);
        }
        categoryLines = ListView_GetItemCount(d.Item(IDC_SET_BUTTONS));
        dropDownOff = d.Checked(IDC_SET_DROPDOWN_OFF);
        buttons = d.Checked(IDC_SET_TABSTYLE_BUTTONS);
        aboveChecked = d.Checked(IDC_SET_TABS_ABOVE);
        belowEnabled = Enabled(d, IDC_SET_TABS_BELOW);
        right = d.Checked(IDC_SET_SIDE_RIGHT);
        units = static_cast<int>(::SendMessageW(d.Item(IDC_SET_UNITS), CB_GETCURSEL, 0, 0));
        wordWrap = d.Checked(IDC_SET_WORDWRAP);
        firstType = ListLine(d.Item(IDC_SET_TYPES), 0);
        secondType = ListLine(d.Item(IDC_SET_TYPES), 1);
        description = d.Text(IDC_SET_DESCRIPTION);
        upEnabled = Enabled(d, IDC_SET_TYPE_UP);
        ::SendMessageW(d.Item(IDC_SET_TYPES), LB_SETCURSEL, 1, 0);
        ::SendMessageW(d.hwnd(), WM_COMMAND, MAKEWPARAM(IDC_SET_TYPES, LBN_SELCHANGE),
                       reinterpret_cast<LPARAM>(d.Item(IDC_SET_TYPES)));
        rich = d.Checked(IDC_SET_FORMAT_RICH);
        openFolder = d.Text(IDC_SET_OPEN_FOLDER);
        tray = d.Checked(IDC_SET_TRAY);
        dmy = d.Checked(IDC_SET_DATE_DMY);
        hideReOpen = d.Checked(IDC_SET_HIDE_REOPEN);
        icon = static_cast<int>(::SendMessageW(d.Item(IDC_SET_ICON_TRACK), TBM_GETPOS, 0, 0));
        // Changes made and then cancelled must not reach the file or the window.
        d.Click(IDC_SET_SIDE_LEFT);
        d.Click(IDC_SET_TABS_IMAGES);
      },
      IDCANCEL);
  EXPECT_EQ(title, L"Tarnwick - Settings");
  EXPECT_EQ(pages, (std::vector<std::wstring>{L"Tool Bar", L"File Tabs", L"Side Bar", L"Ruler", L"Editor",
                                              L"File Options", L"Miscellaneous"}));
  EXPECT_EQ(categoryLines, 20) << "the File category's lines";
  EXPECT_TRUE(dropDownOff);
  EXPECT_TRUE(buttons);
  EXPECT_TRUE(aboveChecked);
  EXPECT_FALSE(belowEnabled) << "buttons are always above: the location is not offered";
  EXPECT_TRUE(right);
  EXPECT_EQ(units, 1);
  EXPECT_TRUE(wordWrap);
  EXPECT_EQ(firstType, L"Text Files (*.txt)");
  EXPECT_EQ(secondType, L"Rich (*.rtf)");
  EXPECT_EQ(description, L"Text Files") << "the first line is selected";
  EXPECT_FALSE(upEnabled);
  EXPECT_TRUE(rich);
  EXPECT_EQ(openFolder, L"C:\\Docs");
  EXPECT_TRUE(tray);
  EXPECT_TRUE(dmy);
  EXPECT_TRUE(hideReOpen);
  EXPECT_EQ(icon, 3);
  EXPECT_EQ(IniBytes(), before) << "Cancel writes nothing";
  EXPECT_TRUE(form().documents().TabImages) << "Cancel leaves the window as it was";
}

TEST_F(SettingsTest, OkWithoutChangesKeepsEveryStoredValue) {
  WriteIni("[Main]\r\nRulerColor=0x00D8D8D8\r\nShowSplash=5\r\n");
  Start();
  RunSettings([](TSettings&) {});
  EXPECT_EQ(IniValue(L"Main", L"RulerColor"), L"0x00D8D8D8");
  EXPECT_EQ(IniValue(L"Main", L"ShowSplash"), L"5");
  EXPECT_EQ(IniValue(L"Editor", L"Font"), L"Courier New") << "absent keys are written with their values";
  std::string afterFirst = IniBytes();
  RunSettings([](TSettings&) {});
  EXPECT_EQ(IniBytes(), afterFirst);
}

TEST_F(SettingsTest, OkWritesTheChoicesAndTheWindowFollows) {
  Start();
  // The first icon is the window class's; a window with it was sent none.
  EXPECT_TRUE(::GetClassLongPtrW(form().hwnd(), GCLP_HICONSM));
  EXPECT_FALSE(::SendMessageW(form().hwnd(), WM_GETICON, ICON_SMALL, 0));
  ini_->WriteText(L"Main", L"ReOpenLast", L"1");
  ini_->WriteText(L"ReOpenLast", L"Count", L"1");
  prompter_.ExpectMessage(L"The next time you start Tarnwick,\na System Tray icon will be used.");
  bool aboveAfterButtons = false, belowEnabledAfterButtons = true, belowEnabledAfterTabs = false;
  std::wstring shownExtensions;
  RunSettings([&](TSettings& d) {
    d.Click(IDC_SET_TABS_BELOW);
    d.Click(IDC_SET_TABSTYLE_BUTTONS);
    aboveAfterButtons = d.Checked(IDC_SET_TABS_ABOVE);
    belowEnabledAfterButtons = Enabled(d, IDC_SET_TABS_BELOW);
    d.Click(IDC_SET_TABSTYLE_TABS);
    belowEnabledAfterTabs = Enabled(d, IDC_SET_TABS_BELOW);
    d.Click(IDC_SET_TABS_BELOW);
    d.Click(IDC_SET_SIDE_RIGHT);
    d.Click(IDC_SET_REOPEN_LAST);  // unticked
    d.Click(IDC_SET_TRAY);
    d.Click(IDC_SET_TIME_24);
    d.SetText(IDC_SET_EXTENSIONS, L"*.txt,*.log");
    ::SendMessageW(d.hwnd(), WM_COMMAND, MAKEWPARAM(IDC_SET_EXTENSIONS, EN_KILLFOCUS),
                   reinterpret_cast<LPARAM>(d.Item(IDC_SET_EXTENSIONS)));
    shownExtensions = d.Text(IDC_SET_EXTENSIONS);
    ListView_SetCheckState(d.Item(IDC_SET_BUTTONS), 2, TRUE);  // Reload
    ::SendMessageW(d.Item(IDC_SET_ICON_TRACK), TBM_SETPOS, TRUE, 2);
    ::SendMessageW(d.hwnd(), WM_HSCROLL, TB_THUMBPOSITION, reinterpret_cast<LPARAM>(d.Item(IDC_SET_ICON_TRACK)));
  });
  EXPECT_TRUE(aboveAfterButtons);
  EXPECT_FALSE(belowEnabledAfterButtons);
  EXPECT_TRUE(belowEnabledAfterTabs);
  EXPECT_EQ(shownExtensions, L"*.txt;*.log") << "the field shows the stored text";
  EXPECT_EQ(IniValue(L"FileTypes", L"Ext1"), L"*.txt;*.log");
  EXPECT_EQ(IniValue(L"FileTypes", L"Name5"), L"") << "the four default types and the terminator";
  EXPECT_EQ(IniValue(L"Main", L"FileTabBelow"), L"1");
  EXPECT_EQ(IniValue(L"SideBar", L"RightSide"), L"1");
  EXPECT_EQ(IniValue(L"Main", L"UseSystemTray"), L"1");
  EXPECT_EQ(IniValue(L"Main", L"TimeFormat"), L"2");
  EXPECT_EQ(IniValue(L"Main", L"Icon"), L"2");
  EXPECT_TRUE(::SendMessageW(form().hwnd(), WM_GETICON, ICON_BIG, 0)) << "the window took the icon chosen";
  EXPECT_TRUE(::SendMessageW(form().hwnd(), WM_GETICON, ICON_SMALL, 0));
  EXPECT_EQ(IniValue(L"ReOpenLast", L"Count"), L"<absent>") << "the saved list is erased at once";
  EXPECT_TRUE(::GetWindowLongW(form().PageControl(), GWL_STYLE) & TCS_BOTTOM) << "the tabs moved below";
  EXPECT_EQ(IniValue(L"Main", L"ToolBar").substr(0, 5), L"11111");
  std::vector<int> tags = form().ToolBarTags();
  EXPECT_NE(std::find(tags.begin(), tags.end(), 2), tags.end()) << "the tool bar is built anew with Reload";
  EXPECT_NE(form().documents().OpenFilter().find(L"(*.txt;*.log)"), std::wstring::npos) << "the filters are read again";

  // The taskbar button stays until the next start, so the notice comes again.
  prompter_.ExpectMessage(L"The next time you start Tarnwick,\na System Tray icon will be used.");
  RunSettings([](TSettings&) {});
}

TEST_F(SettingsTest, TheFileTypeEditorsButtonsFollowTheList) {
  std::string types = "[FileTypes]\r\n";
  for (int i = 1; i <= 15; ++i) types += "Name" + std::to_string(i) + "=T" + std::to_string(i) + "\r\nExt" +
                                         std::to_string(i) + "=*.t" + std::to_string(i) + "\r\n";
  WriteIni(types);
  Start();
  bool newAtFifteen = true, newAfterDelete = false, fieldsWhenEmpty = true, deleteWhenEmpty = true;
  std::wstring lastAfterDelete;
  RunSettings([&](TSettings& d) {
    newAtFifteen = Enabled(d, IDC_SET_TYPE_NEW);
    ::SendMessageW(d.Item(IDC_SET_TYPES), LB_SETCURSEL, 14, 0);
    ::SendMessageW(d.hwnd(), WM_COMMAND, MAKEWPARAM(IDC_SET_TYPES, LBN_SELCHANGE),
                   reinterpret_cast<LPARAM>(d.Item(IDC_SET_TYPES)));
    d.Click(IDC_SET_TYPE_DELETE);
    newAfterDelete = Enabled(d, IDC_SET_TYPE_NEW);
    lastAfterDelete = d.Text(IDC_SET_DESCRIPTION);
    for (int i = 0; i < 14; ++i) d.Click(IDC_SET_TYPE_DELETE);
    fieldsWhenEmpty = Enabled(d, IDC_SET_DESCRIPTION);
    deleteWhenEmpty = Enabled(d, IDC_SET_TYPE_DELETE);
    d.Click(IDC_SET_TYPE_NEW);
  });
  EXPECT_FALSE(newAtFifteen);
  EXPECT_TRUE(newAfterDelete);
  EXPECT_EQ(lastAfterDelete, L"T14") << "deleting the last line selects the new last line";
  EXPECT_FALSE(fieldsWhenEmpty);
  EXPECT_FALSE(deleteWhenEmpty);
  EXPECT_EQ(IniValue(L"FileTypes", L"Name1"), L"New Type");
  EXPECT_EQ(IniValue(L"FileTypes", L"Ext1"), L"*.*");
  EXPECT_EQ(IniValue(L"FileTypes", L"Name2"), L"");
}

TEST_F(SettingsTest, PureBlackLeavesTheRulerColourAsItWas) {
  Start();
  prompter_.Expect({ScriptedPrompter::Expected::Kind::Color, L"", win::Answer::Ok, true, {}, 0, {}, {}, RGB(0, 0, 0)});
  prompter_.Expect({ScriptedPrompter::Expected::Kind::Color, L"", win::Answer::Ok, true, {}, 0, {}, {}, RGB(255, 0, 0)});
  COLORREF first = 0, afterBlack = 0, afterRed = 0;
  RunSettings([&](TSettings& d) {
    d.SelectPage(TSettings::kRulerPage);
    first = d.RulerPixel();
    d.Click(IDC_SET_RULER_COLOR);
    afterBlack = d.RulerPixel();
    d.Click(IDC_SET_RULER_COLOR);
    afterRed = d.RulerPixel();
  });
  EXPECT_EQ(first, RGB(0xD8, 0xD8, 0xD8));
  EXPECT_EQ(afterBlack, first);
  EXPECT_EQ(afterRed, RGB(255, 0, 0));
  EXPECT_EQ(IniValue(L"Main", L"RulerColor"), L"clRed");
}

TEST_F(SettingsTest, InTrayModeTheTaskbarChoiceIsAnnouncedAndTheTrayIconStays) {
  context_.trayMode = true;
  WriteIni("[Main]\r\nUseSystemTray=1\r\n");
  Start();
  prompter_.ExpectMessage(L"The next time you start Tarnwick,\na normal Taskbar icon will be used.");
  RunSettings([](TSettings& d) {
    d.Click(IDC_SET_TASKBAR);
    ::SendMessageW(d.Item(IDC_SET_ICON_TRACK), TBM_SETPOS, TRUE, 5);
    ::SendMessageW(d.hwnd(), WM_HSCROLL, TB_ENDTRACK, reinterpret_cast<LPARAM>(d.Item(IDC_SET_ICON_TRACK)));
  });
  EXPECT_EQ(IniValue(L"Main", L"UseSystemTray"), L"0");
  EXPECT_TRUE(form().TrayIconPresent()) << "the tray icon took the new icon and stayed";
  // The tray icon stays until the next start, so the notice comes again.
  prompter_.ExpectMessage(L"The next time you start Tarnwick,\na normal Taskbar icon will be used.");
  RunSettings([](TSettings&) {});
}
