// The Notepad Center over a scratch Windows folder: which notepad it recognises, what
// Replace and Restore do to the files, the exact status texts, and the dialog's wiring.
#include <windows.h>

#include <functional>
#include <string>
#include <vector>

#include "command/CommandIds.h"
#include "notepad/NotepadCenter.h"
#include "notepad/NotepadCenterIds.h"
#include "ui/Harness.h"
#include "win/Encoding.h"
#include "win/Handles.h"
#include "win/Text.h"

using namespace uitest;
using notepad::TNotepadCenter;

namespace {

const std::wstring kSeeing = L"Seeing what version of Notepad is loaded...\r\n\r\n";

std::wstring TestBinFolder() {
  wchar_t path[MAX_PATH] = L"";
  DWORD length = ::GetModuleFileNameW(nullptr, path, MAX_PATH);
  return win::FolderPart(std::wstring(path, length));
}

std::string Narrow(const std::wstring& text) { return win::ToUtf8(text); }

// Runs the script once the dialog's timer has named the files, then closes the dialog.
struct CenterDriver {
  TNotepadCenter* center = nullptr;
  std::function<void(TNotepadCenter&)> script;
  DWORD opened = 0;
  bool ran = false;
};
CenterDriver* g_driver = nullptr;

void CALLBACK DriveCenter(HWND, UINT, UINT_PTR timer, DWORD) {
  CenterDriver& driver = *g_driver;
  if (!driver.center || !driver.center->hwnd()) return;
  bool ready = !driver.center->Prefix().empty();
  bool late = ::GetTickCount() - driver.opened > 5000;
  if (!ready && !late) return;
  ::KillTimer(nullptr, timer);
  if (ready) {
    driver.ran = true;
    driver.script(*driver.center);
  } else {
    ADD_FAILURE() << "the Notepad Center never named its files";
  }
  ::PostMessageW(driver.center->hwnd(), WM_COMMAND, IDCANCEL, 0);
}

void Click(TNotepadCenter& center, int button) { ::SendMessageW(center.Item(button), BM_CLICK, 0, 0); }

std::wstring ClipboardText() {
  std::wstring text;
  if (!::OpenClipboard(nullptr)) return text;
  if (HANDLE data = ::GetClipboardData(CF_UNICODETEXT)) {
    if (auto* chars = static_cast<const wchar_t*>(::GlobalLock(data))) {
      text = chars;
      ::GlobalUnlock(data);
    }
  }
  ::CloseClipboard();
  return text;
}

std::vector<std::wstring>* g_menuItems = nullptr;

void CALLBACK ChooseSaveFromMenu(HWND, UINT, UINT_PTR timer, DWORD) {
  ::KillTimer(nullptr, timer);
  HWND popup = ::FindWindowW(L"#32768", nullptr);
  auto menu = reinterpret_cast<HMENU>(::SendMessageW(popup, MN_GETHMENU, 0, 0));
  for (int i = 0, count = ::GetMenuItemCount(menu); i < count; ++i) {
    wchar_t text[64] = L"";
    ::GetMenuStringW(menu, static_cast<UINT>(i), text, 64, MF_BYPOSITION);
    g_menuItems->push_back(text);
  }
  ::PostMessageW(popup, WM_CHAR, 's', 0);
}

}  // namespace

class NotepadCenterTest : public MainFormTest {
 protected:
  void SetUp() override {
    MainFormTest::SetUp();
    program_ = context_.paths.programFolder;
    windows_ = context_.paths.windowsFolder;
    prefix_ = windows_ + L"NOTEPAD.";
    stub_ = program_ + L"NOTEPAD.EXE";
    ASSERT_TRUE(::CopyFileW((TestBinFolder() + L"NOTEPAD.EXE").c_str(), stub_.c_str(), FALSE));
    Start();
  }

  // Puts one of the fixture notepads in the Windows folder; returns its bytes.
  std::string LoadNotepad(const wchar_t* kind) {
    std::wstring fixture = TestBinFolder() + L"Fixture" + kind + L"Notepad.exe";
    EXPECT_TRUE(::CopyFileW(fixture.c_str(), (prefix_ + L"EXE").c_str(), FALSE)) << Narrow(fixture);
    return ReadBytes(prefix_ + L"EXE");
  }

  // Opens Help > Notepad Center as the command table runs it and drives the dialog.
  // The menu item itself is offered only outside the NT family, so the command runs
  // from code here.
  void WithCenter(std::function<void(TNotepadCenter&)> script,
                  std::function<void(TNotepadCenter&)> atInit = nullptr) {
    CenterDriver driver;
    driver.script = std::move(script);
    g_driver = &driver;
    win::Dialog::SetTestHook([&](win::Dialog& dialog) {
      driver.center = dynamic_cast<TNotepadCenter*>(&dialog);
      ASSERT_NE(driver.center, nullptr);
      driver.opened = ::GetTickCount();
      if (atInit) atInit(*driver.center);
      ::SetTimer(nullptr, 0, 10, &DriveCenter);
    });
    EXPECT_TRUE(form().RunCommand(command::HelpMenuNotepadCenter, command::Sender::Kind::Code));
    win::Dialog::SetTestHook(nullptr);
    g_driver = nullptr;
    EXPECT_TRUE(driver.ran);
  }

  // Clicks one button and returns the status text it left.
  std::wstring StatusAfter(int button) {
    std::wstring status;
    WithCenter([&](TNotepadCenter& center) {
      Click(center, button);
      EXPECT_FALSE(center.Busy()) << "the busy flag goes off at the end";
      status = center.StatusText();
    });
    return status;
  }

  std::wstring ReplacedStatus() const {
    return kSeeing + L"Making backup of the Standard Windows Notepad...  Renaming " + prefix_ + L"EXE\r\n  to " +
           prefix_ + L"SWN\r\n" + L"Replacing Standard Windows Notepad with Tarnwick.\r\n  Copying " + stub_ +
           L"\r\n  to " + prefix_ + L"EXE\r\n" + L"Creating Tarnwick configuration file.\r\n" +
           L"The Standard Windows Notepad has been Replaced\r\nwith Tarnwick.\r\n\r\nFunction Complete!";
  }

  std::wstring program_, windows_, prefix_, stub_;
};

// --- Replace

TEST_F(NotepadCenterTest, ReplaceMovesTheStandardNotepadAsideAndInstallsTheStubWithItsPointer) {
  std::string system = LoadNotepad(L"Microsoft");
  EXPECT_EQ(Narrow(StatusAfter(IDC_CENTER_REPLACE)), Narrow(ReplacedStatus()));
  EXPECT_EQ(ReadBytes(prefix_ + L"SWN"), system);
  EXPECT_EQ(ReadBytes(prefix_ + L"EXE"), ReadBytes(stub_));
  EXPECT_EQ(ReadBytes(prefix_ + L"TWK"), win::ToAnsi(program_) + "\r\n");
}

TEST_F(NotepadCenterTest, ReplaceTwiceReportsThatTheReplacementIsAlreadyLoaded) {
  std::string system = LoadNotepad(L"Microsoft");
  StatusAfter(IDC_CENTER_REPLACE);
  EXPECT_EQ(Narrow(StatusAfter(IDC_CENTER_REPLACE)),
            Narrow(kSeeing + L"The Tarnwick - Notepad Replacement program is already loaded.\r\n\r\nFunction Aborted."));
  EXPECT_EQ(ReadBytes(prefix_ + L"SWN"), system) << "the saved system notepad is not overwritten by the stub";
  EXPECT_EQ(ReadBytes(prefix_ + L"EXE"), ReadBytes(stub_));
}

TEST_F(NotepadCenterTest, ReplaceRefusesEveryNotepadThatDoesNotNameMicrosoft) {
  const std::wstring unknown =
      kSeeing +
      L"An unknown version of Notepad.exe is loaded. This function requires the Standard Windows Notepad to be "
      L"loaded.\r\n\r\nFunction Aborted.";
  EXPECT_EQ(Narrow(StatusAfter(IDC_CENTER_REPLACE)), Narrow(unknown)) << "no NOTEPAD.EXE at all";
  EXPECT_FALSE(Exists(prefix_ + L"EXE"));
  for (const wchar_t* kind : {L"Neither", L"Plain"}) {
    std::string before = LoadNotepad(kind);
    EXPECT_EQ(Narrow(StatusAfter(IDC_CENTER_REPLACE)), Narrow(unknown)) << Narrow(kind);
    EXPECT_EQ(ReadBytes(prefix_ + L"EXE"), before) << Narrow(kind);
  }
  // Recognition reads every translation the block lists, not only US English.
  LoadNotepad(L"VardleGerman");
  EXPECT_EQ(Narrow(StatusAfter(IDC_CENTER_REPLACE)),
            Narrow(kSeeing + L"The Tarnwick - Notepad Replacement program is already loaded.\r\n\r\nFunction Aborted."));
  EXPECT_FALSE(Exists(prefix_ + L"SWN"));
  EXPECT_FALSE(Exists(prefix_ + L"TWK"));
}

TEST_F(NotepadCenterTest, ANotepadNamingBothMakersCountsAsStandard) {
  // "Vardle" in the US English strings, "Microsoft" only in the German ones.
  std::string both = LoadNotepad(L"Both");
  EXPECT_EQ(Narrow(StatusAfter(IDC_CENTER_REPLACE)), Narrow(ReplacedStatus()));
  EXPECT_EQ(ReadBytes(prefix_ + L"SWN"), both);
}

TEST_F(NotepadCenterTest, ReplaceLeavesTheFilesAsTheyWereWhenARenameOrTheCopyFails) {
  std::string system = LoadNotepad(L"Microsoft");
  WriteBytes(prefix_ + L"SWN", "an older backup");
  const std::wstring renaming =
      kSeeing + L"Making backup of the Standard Windows Notepad...  Renaming " + prefix_ + L"EXE\r\n  to " + prefix_ +
      L"SWN\r\n";
  EXPECT_EQ(Narrow(StatusAfter(IDC_CENTER_REPLACE)), Narrow(renaming + L"Unable to rename file. Function Aborted."));
  EXPECT_EQ(ReadBytes(prefix_ + L"EXE"), system);
  EXPECT_EQ(ReadBytes(prefix_ + L"SWN"), "an older backup") << "an existing backup is never overwritten";

  ::DeleteFileW((prefix_ + L"SWN").c_str());
  ::DeleteFileW(stub_.c_str());
  EXPECT_EQ(Narrow(StatusAfter(IDC_CENTER_REPLACE)),
            Narrow(renaming + L"Replacing Standard Windows Notepad with Tarnwick.\r\n  Copying " + stub_ + L"\r\n  to " +
                   prefix_ + L"EXE\r\n" +
                   L"Unable to copy file. Renaming NOTEPAD.SWN\r\nback to NOTEPAD.EXE.\r\n\r\nFunction Aborted."));
  EXPECT_EQ(ReadBytes(prefix_ + L"EXE"), system) << "the system notepad is back in place";
  EXPECT_FALSE(Exists(prefix_ + L"SWN"));
  EXPECT_FALSE(Exists(prefix_ + L"TWK"));
}

// --- Restore

TEST_F(NotepadCenterTest, RestoreAfterReplacePutsEveryFileBack) {
  std::string system = LoadNotepad(L"Microsoft");
  StatusAfter(IDC_CENTER_REPLACE);
  EXPECT_EQ(Narrow(StatusAfter(IDC_CENTER_RESTORE)),
            Narrow(kSeeing + L"Verifying backup existance...\r\n" +
                   L"Renaming currently loaded Notepad to NOTEPAD.BK\r\n" + L"Restoring Standard Windows Notepad...\r\n" +
                   L"Deleting Tarnwick - Notepad Replacement program...\r\n" +
                   L"Deleting Tarnwick - Notepad Replacement configuration...\r\n" +
                   L"The Standard Windows Notepad has been Restored.\r\n\r\nFunction complete!"));
  EXPECT_EQ(ReadBytes(prefix_ + L"EXE"), system);
  for (const wchar_t* gone : {L"SWN", L"BK", L"TWK"}) EXPECT_FALSE(Exists(prefix_ + gone)) << Narrow(gone);
}

TEST_F(NotepadCenterTest, RestoreRefusesTheStandardAndUnknownNotepads) {
  std::string system = LoadNotepad(L"Microsoft");
  EXPECT_EQ(Narrow(StatusAfter(IDC_CENTER_RESTORE)),
            Narrow(kSeeing + L"The Standard Windows Notepad is already loaded.\r\n\r\nFunction Aborted."));
  EXPECT_EQ(ReadBytes(prefix_ + L"EXE"), system);
  std::string unknown = LoadNotepad(L"Neither");
  EXPECT_EQ(Narrow(StatusAfter(IDC_CENTER_RESTORE)),
            Narrow(kSeeing +
                   L"An unknown version of Notepad is loaded. This function requires the Tarnwick version of Notepad "
                   L"to be loaded before it can restore the Standard Windows Notepad.\r\n\r\nFunction Aborted."));
  EXPECT_EQ(ReadBytes(prefix_ + L"EXE"), unknown);
}

TEST_F(NotepadCenterTest, RestoreWithoutTheBackupKeepsTheStub) {
  LoadNotepad(L"Microsoft");
  StatusAfter(IDC_CENTER_REPLACE);
  ASSERT_TRUE(::DeleteFileW((prefix_ + L"SWN").c_str()));
  EXPECT_EQ(Narrow(StatusAfter(IDC_CENTER_RESTORE)),
            Narrow(kSeeing + L"Verifying backup existance...\r\n" + L"NOTEPAD.SWN file not found.\r\n\r\nFunction Aborted."));
  EXPECT_EQ(ReadBytes(prefix_ + L"EXE"), ReadBytes(stub_));
  EXPECT_TRUE(Exists(prefix_ + L"TWK"));
}

TEST_F(NotepadCenterTest, RestoreLeavesTheFilesAsTheyWereWhenARenameFails) {
  std::string system = LoadNotepad(L"Microsoft");
  StatusAfter(IDC_CENTER_REPLACE);
  const std::wstring verified = kSeeing + L"Verifying backup existance...\r\n" +
                                L"Renaming currently loaded Notepad to NOTEPAD.BK\r\n";

  WriteBytes(prefix_ + L"BK", "left over");
  EXPECT_EQ(Narrow(StatusAfter(IDC_CENTER_RESTORE)), Narrow(verified + L"Unable to rename file.\r\n\r\nFunction Aborted."));
  EXPECT_EQ(ReadBytes(prefix_ + L"EXE"), ReadBytes(stub_));
  EXPECT_EQ(ReadBytes(prefix_ + L"BK"), "left over");
  ASSERT_TRUE(::DeleteFileW((prefix_ + L"BK").c_str()));

  {
    // Held open without delete sharing, the backup cannot be renamed.
    win::UniqueFile held(::CreateFileW((prefix_ + L"SWN").c_str(), GENERIC_READ, FILE_SHARE_READ, nullptr,
                                       OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr));
    ASSERT_TRUE(held.valid());
    EXPECT_EQ(Narrow(StatusAfter(IDC_CENTER_RESTORE)),
              Narrow(verified + L"Restoring Standard Windows Notepad...\r\n" +
                     L"Unable to rename file.\r\n\r\nFunction Aborted."));
  }
  EXPECT_EQ(ReadBytes(prefix_ + L"EXE"), ReadBytes(stub_)) << "the stub is put back";
  EXPECT_EQ(ReadBytes(prefix_ + L"SWN"), system);
  EXPECT_FALSE(Exists(prefix_ + L"BK"));
  EXPECT_TRUE(Exists(prefix_ + L"TWK"));
}

// --- The dialog

TEST_F(NotepadCenterTest, ShowsItsCaptionAndTexts) {
  WithCenter([](TNotepadCenter& center) {
    wchar_t caption[64] = L"";
    ::GetWindowTextW(center.hwnd(), caption, 64);
    EXPECT_EQ(Narrow(caption), "Tarnwick - Notepad Center");
    EXPECT_EQ(Narrow(center.Text(IDC_CENTER_GROUP)), " Notepad Center ");
    EXPECT_EQ(Narrow(center.Text(IDC_CENTER_REPLACE)), "Replace");
    EXPECT_EQ(Narrow(center.Text(IDC_CENTER_REPLACE_TEXT)), "Replaces the Standard Windows Notepad with Tarnwick.");
    EXPECT_EQ(Narrow(center.Text(IDC_CENTER_RESTORE)), "Restore");
    EXPECT_EQ(Narrow(center.Text(IDC_CENTER_RESTORE_TEXT)), "Restores the Standard Windows Notepad.");
    EXPECT_EQ(Narrow(center.Text(IDC_CENTER_STATUS_LABEL)), "&Status Window:");
    EXPECT_EQ(Narrow(center.Text(IDCANCEL)), "Close");
    EXPECT_EQ(Narrow(center.Text(IDC_CENTER_HELP)), "Help");
    LONG style = ::GetWindowLongW(center.Item(IDC_CENTER_STATUS), GWL_STYLE);
    EXPECT_TRUE(style & ES_MULTILINE);
    EXPECT_TRUE(style & ES_READONLY);
    EXPECT_TRUE(style & WS_VSCROLL);
  });
}

TEST_F(NotepadCenterTest, NothingRunsAndNothingClosesBeforeTheTimerNamesTheFiles) {
  LoadNotepad(L"Microsoft");
  bool busyAtStart = false, replaceEnabledAtStart = true, restoreEnabledAtStart = true;
  std::wstring prefixAtStart = L"unset";
  bool stillOpen = false;
  WithCenter(
      [&](TNotepadCenter& center) {
        stillOpen = ::IsWindow(center.hwnd()) && ::IsWindowVisible(center.hwnd());
        EXPECT_EQ(Narrow(center.StatusText()), "") << "a Replace before the files are named does nothing";
        EXPECT_EQ(Narrow(center.Prefix()), Narrow(prefix_));
        EXPECT_FALSE(center.Busy());
        EXPECT_TRUE(::IsWindowEnabled(center.Item(IDC_CENTER_REPLACE)));
        EXPECT_TRUE(::IsWindowEnabled(center.Item(IDC_CENTER_RESTORE)));
      },
      [&](TNotepadCenter& center) {
        busyAtStart = center.Busy();
        prefixAtStart = center.Prefix();
        replaceEnabledAtStart = ::IsWindowEnabled(center.Item(IDC_CENTER_REPLACE));
        restoreEnabledAtStart = ::IsWindowEnabled(center.Item(IDC_CENTER_RESTORE));
        center.ReplaceButtonClick();
        // Escape and the Close button, before the timer: refused while busy.
        ::PostMessageW(center.hwnd(), WM_COMMAND, IDCANCEL, 0);
        ::PostMessageW(center.hwnd(), WM_CLOSE, 0, 0);
      });
  EXPECT_TRUE(busyAtStart);
  EXPECT_EQ(Narrow(prefixAtStart), "");
  EXPECT_FALSE(replaceEnabledAtStart);
  EXPECT_FALSE(restoreEnabledAtStart);
  EXPECT_TRUE(stillOpen) << "a close asked for while busy is refused";
  EXPECT_FALSE(Exists(prefix_ + L"SWN"));
}

TEST_F(NotepadCenterTest, SaveToFileProposesLogTxtAndWritesTheLinesShown) {
  LoadNotepad(L"Microsoft");
  std::wstring log = folder_ / L"saved log.txt";
  prompter_.ExpectSave(log);
  std::wstring shown;
  WithCenter([&](TNotepadCenter& center) {
    Click(center, IDC_CENTER_REPLACE);
    shown = center.StatusText();
    ::SendMessageW(center.hwnd(), WM_COMMAND, IDM_CENTER_SAVE, 0);
  });
  ASSERT_EQ(prompter_.fileRequests.size(), 1u);
  EXPECT_EQ(Narrow(prompter_.fileRequests[0].fileName), "Log.txt");
  EXPECT_EQ(Narrow(prompter_.fileRequests[0].filter), Narrow(form().documents().OpenFilter())) << "the main window's filter";
  // Every line, the last one included, ends in CR LF.
  EXPECT_EQ(ReadBytes(log), win::ToAnsi(shown) + "\r\n");
  EXPECT_EQ(Narrow(shown), Narrow(ReplacedStatus()));
}

TEST_F(NotepadCenterTest, SaveToFileCancelledWritesNothing) {
  prompter_.ExpectSaveCancelled();
  WithCenter([&](TNotepadCenter& center) { ::SendMessageW(center.hwnd(), WM_COMMAND, IDM_CENTER_SAVE, 0); });
  EXPECT_FALSE(Exists(program_ + L"Log.txt"));
}

TEST_F(NotepadCenterTest, TheStatusWindowsMenuOffersCopyAllAndSaveToFile) {
  std::wstring log = folder_ / L"from the menu.txt";
  prompter_.ExpectSave(log);
  std::vector<std::wstring> items;
  WithCenter([&](TNotepadCenter& center) {
    Click(center, IDC_CENTER_RESTORE);
    // While the menu is up its own loop runs: read its items, then choose by mnemonic.
    g_menuItems = &items;
    ::SetTimer(nullptr, 0, 50, &ChooseSaveFromMenu);
    RECT rect{};
    ::GetWindowRect(center.Item(IDC_CENTER_STATUS), &rect);
    ::SendMessageW(center.Item(IDC_CENTER_STATUS), WM_CONTEXTMENU,
                   reinterpret_cast<WPARAM>(center.Item(IDC_CENTER_STATUS)), MAKELPARAM(rect.left + 5, rect.top + 5));
  });
  ASSERT_EQ(items.size(), 2u);
  EXPECT_EQ(Narrow(items[0]), "&Copy All");
  EXPECT_EQ(Narrow(items[1]), "&Save To File...");
  EXPECT_TRUE(Exists(log)) << "the menu's second item saves the log";
}

TEST_F(NotepadCenterTest, CopyAllCopiesTheWholeStatusAndKeepsTheCaret) {
  LoadNotepad(L"Neither");
  std::wstring shown;
  DWORD start = 0, end = 0;
  WithCenter([&](TNotepadCenter& center) {
    Click(center, IDC_CENTER_REPLACE);
    shown = center.StatusText();
    ::SendMessageW(center.Item(IDC_CENTER_STATUS), EM_SETSEL, 7, 7);
    ::SendMessageW(center.hwnd(), WM_COMMAND, IDM_CENTER_COPYALL, 0);
    ::SendMessageW(center.Item(IDC_CENTER_STATUS), EM_GETSEL, reinterpret_cast<WPARAM>(&start),
                   reinterpret_cast<LPARAM>(&end));
  });
  EXPECT_EQ(Narrow(ClipboardText()), Narrow(shown));
  EXPECT_EQ(start, 7u);
  EXPECT_EQ(end, 7u);
}

TEST_F(NotepadCenterTest, HelpOpensTheHelpFile) {
  prompter_.ExpectMessage(win::Fill(L"The help file \"%s\" was not found.", {context_.paths.helpPath}));
  WithCenter([](TNotepadCenter& center) { Click(center, IDC_CENTER_HELP); });
}
