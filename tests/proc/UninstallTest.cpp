// The uninstaller: its steps in-process over scratch folders, and the real Remove.exe
// answered through its own message boxes.
#include <windows.h>

#include <functional>
#include <set>
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "proc/ProcessHarness.h"
#include "support/Scratch.h"
#include "uninstall/Uninstall.h"
#include "win/Encoding.h"
#include "win/Handles.h"
#include "win/Text.h"

using namespace proctest;
using uitest::Exists;
using uitest::ReadBytes;
using uitest::ScratchFolder;
using uitest::WriteBytes;
using uninstall::Icon;
using uninstall::Message;

namespace {

const wchar_t* const kProgramFiles[] = {
    L"Template.bat", L"Template.html", L"Favorites.dat", L"Tarnwick.exe", L"Tarnwick.hlp",
    L"Tarnwick.cnt", L"Tarnwick.ini",  L"Tarnwick.GID",  L"Tarnwick.FTS", L"Example.rtf",
    L"FILE_ID.DIZ",  L"Notepad.exe",   L"ReadMe.txt",    L"Vendor.txt",   L"WhatsNew.txt",
};
const wchar_t kQuickLaunch[] = L"Application Data\\Microsoft\\Internet Explorer\\Quick Launch\\";

const Message kConfirm{L"UnInstall Tarnwick?", L"UnInstall", Icon::Warning, true};
const Message kMissingBackup{
    L"Un-Install is un-able to restore the\nStandard Windows Notepad because the\nNOTEPAD.SWN file was not found.",
    L"Error", Icon::Warning, false};
const Message kComplete{L"UnInstall Complete!\n\nThe next time Windows boots,\nthe UnInstall progam will be removed.",
                        L"UnInstall", Icon::Information, false};

Message Offer(const std::wstring& folder, const std::wstring& name) {
  return {win::Fill(L"The file \"%s%s\"\nwas found in the Tarnwick folder. This file was not part of the\noriginal "
                    L"installation and might be a user created file.\n\nDo you want to delete this file?",
                    {folder, name}),
          L"Delete File?", Icon::None, true};
}

std::string Describe(const Message& message) {
  return win::ToUtf8(message.title + L" | " + message.text) + " | icon " +
         std::to_string(static_cast<int>(message.icon)) + (message.yesNo ? " | yes/no" : " | ok");
}

std::vector<std::string> Describe(const std::vector<Message>& messages) {
  std::vector<std::string> out;
  for (const Message& message : messages) out.push_back(Describe(message));
  return out;
}

std::wstring BinFile(const wchar_t* name) { return BinFolder() + name; }

void Copy(const std::wstring& from, const std::wstring& to) {
  ASSERT_TRUE(::CopyFileW(from.c_str(), to.c_str(), FALSE)) << win::ToUtf8(from);
}

std::wstring ShortName(const std::wstring& path) {
  wchar_t buffer[MAX_PATH] = L"";
  DWORD got = ::GetShortPathNameW(path.c_str(), buffer, MAX_PATH);
  return std::wstring(buffer, got < MAX_PATH ? got : 0);
}

std::wstring IniValue(const std::wstring& file, const wchar_t* section, const wchar_t* key) {
  wchar_t buffer[1024] = L"";
  ::GetPrivateProfileStringW(section, key, L"<absent>", buffer, 1024, file.c_str());
  return buffer;
}

// Every file below a folder with its bytes, to see that nothing changed.
void Snapshot(const std::wstring& folder, std::vector<std::pair<std::wstring, std::string>>& out) {
  WIN32_FIND_DATAW data;
  win::UniqueFind find(::FindFirstFileW((folder + L"*").c_str(), &data));
  if (!find) return;
  do {
    std::wstring name = data.cFileName;
    if (name == L"." || name == L"..") continue;
    if (data.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) {
      out.push_back({folder + name + L"\\", ""});
      Snapshot(folder + name + L"\\", out);
    } else {
      out.push_back({folder + name, ReadBytes(folder + name)});
    }
  } while (::FindNextFileW(find.get(), &data));
}

class ScriptedMessages : public uninstall::Messages {
 public:
  explicit ScriptedMessages(std::function<bool(const Message&)> answer) : answer_(std::move(answer)) {}
  bool Show(const Message& message) override {
    shown.push_back(message);
    return answer_(message);
  }
  std::vector<Message> shown;

 private:
  std::function<bool(const Message&)> answer_;
};

// The installed system and everything around it, in scratch folders.
class Installation {
 public:
  Installation() {
    for (const wchar_t* name : kProgramFiles) WriteBytes(program / name, "installed");
    std::wstring quickLaunch = windows.path() + kQuickLaunch;
    std::wstring part = windows.path();
    for (const wchar_t* piece : {L"Application Data\\", L"Microsoft\\", L"Internet Explorer\\", L"Quick Launch\\"}) {
      part += piece;
      ::CreateDirectoryW(part.c_str(), nullptr);
    }
    WriteBytes(quickLaunch + L"Tarnwick.lnk", "shortcut");
    ::CreateDirectoryW((programs / L"Tarnwick").c_str(), nullptr);
    for (const wchar_t* name : {L"Tarnwick.lnk", L"Tarnwick Help.lnk", L"Un-Install.lnk"})
      WriteBytes(programs / (std::wstring(L"Tarnwick\\") + name), "shortcut");
    WriteBytes(desktop / L"Tarnwick.lnk", "shortcut");
    WriteBytes(desktop / L"Other.lnk", "someone else's");
  }

  void LoadNotepad(const wchar_t* exe, const wchar_t* saved = nullptr) {
    Copy(BinFile(exe), windows / L"NOTEPAD.EXE");
    if (saved) Copy(BinFile(saved), windows / L"NOTEPAD.SWN");
    WriteBytes(windows / L"NOTEPAD.TWK", win::ToAnsi(program.path()) + "\r\n");
  }

  std::vector<std::pair<std::wstring, std::string>> Everything() const {
    std::vector<std::pair<std::wstring, std::string>> all;
    for (const ScratchFolder* folder : {&program, &windows, &programs, &desktop}) Snapshot(folder->path(), all);
    return all;
  }

  void ExpectUninstalled() const {
    for (const wchar_t* name : kProgramFiles) EXPECT_FALSE(Exists(program / name)) << win::ToUtf8(name);
    EXPECT_FALSE(Exists(windows.path() + kQuickLaunch + L"Tarnwick.lnk"));
    EXPECT_FALSE(Exists(programs / L"Tarnwick")) << "the emptied menu folder is removed";
    EXPECT_FALSE(Exists(desktop / L"Tarnwick.lnk"));
    EXPECT_TRUE(Exists(desktop / L"Other.lnk"));
    EXPECT_TRUE(Exists(program.path())) << "the program folder itself stays";
  }

  ScratchFolder program, windows, programs, desktop;
};

}  // namespace

// --- The steps, in-process

class UninstallSteps : public ::testing::Test {
 protected:
  void SetUp() override { WriteBytes(self_, "the running uninstaller"); }

  std::vector<std::string> RunSteps(std::function<bool(const Message&)> answer) {
    ScriptedMessages messages(std::move(answer));
    uninstall::Folders folders{site_.program.path(), site_.windows.path(), site_.programs.path(),
                               site_.desktop.path(), site_.program / L"Remove.exe"};
    uninstall::RunUninstall(folders, messages);
    return Describe(messages.shown);
  }
  static bool YesToAll(const Message&) { return true; }
  std::wstring WinInit() const { return site_.windows / L"WININIT.INI"; }

  Installation site_;
  std::wstring self_ = site_.program / L"REMOVE.EXE";
};

TEST_F(UninstallSteps, AnsweringNoChangesNothing) {
  site_.LoadNotepad(L"NOTEPAD.EXE", L"FixtureMicrosoftNotepad.exe");
  auto before = site_.Everything();
  EXPECT_EQ(RunSteps([](const Message&) { return false; }), Describe(std::vector<Message>{kConfirm}));
  EXPECT_EQ(site_.Everything(), before);
}

TEST_F(UninstallSteps, RemovesFilesAndShortcutsAndLeavesTheSystemNotepadAlone) {
  site_.LoadNotepad(L"FixtureMicrosoftNotepad.exe");
  std::string system = ReadBytes(site_.windows / L"NOTEPAD.EXE");
  EXPECT_EQ(RunSteps(&YesToAll), Describe(std::vector<Message>{kConfirm, kComplete}));
  site_.ExpectUninstalled();
  EXPECT_EQ(ReadBytes(site_.windows / L"NOTEPAD.EXE"), system);
  EXPECT_TRUE(Exists(site_.windows / L"NOTEPAD.TWK")) << "a notepad that is not the stub leaves the folder alone";
  EXPECT_EQ(win::ToUtf8(IniValue(WinInit(), L"Rename", L"NUL")), win::ToUtf8(ShortName(self_)));
}

TEST_F(UninstallSteps, TheInstalledStubIsReplacedByTheSavedSystemNotepad) {
  site_.LoadNotepad(L"NOTEPAD.EXE", L"FixtureMicrosoftNotepad.exe");
  EXPECT_EQ(RunSteps(&YesToAll), Describe(std::vector<Message>{kConfirm, kComplete}));
  EXPECT_EQ(ReadBytes(site_.windows / L"NOTEPAD.EXE"), ReadBytes(BinFile(L"FixtureMicrosoftNotepad.exe")));
  EXPECT_FALSE(Exists(site_.windows / L"NOTEPAD.SWN"));
  EXPECT_FALSE(Exists(site_.windows / L"NOTEPAD.TWK"));
}

TEST_F(UninstallSteps, AStubWithoutItsBackupIsReportedAndTheRestGoesOn) {
  site_.LoadNotepad(L"NOTEPAD.EXE");
  EXPECT_EQ(RunSteps(&YesToAll), Describe(std::vector<Message>{kConfirm, kMissingBackup, kComplete}));
  EXPECT_EQ(ReadBytes(site_.windows / L"NOTEPAD.EXE"), ReadBytes(BinFile(L"NOTEPAD.EXE")));
  EXPECT_TRUE(Exists(site_.windows / L"NOTEPAD.TWK"));
  site_.ExpectUninstalled();
  EXPECT_NE(IniValue(WinInit(), L"Rename", L"NUL"), L"<absent>");
}

TEST_F(UninstallSteps, OnlyTheUsEnglishMakerStringsRecogniseTheStub) {
  // "Vardle" in a German table only: not the stub, so nothing in the Windows folder moves.
  site_.LoadNotepad(L"FixtureVardleGermanNotepad.exe", L"FixtureMicrosoftNotepad.exe");
  std::string loaded = ReadBytes(site_.windows / L"NOTEPAD.EXE");
  EXPECT_EQ(RunSteps(&YesToAll), Describe(std::vector<Message>{kConfirm, kComplete}));
  EXPECT_EQ(ReadBytes(site_.windows / L"NOTEPAD.EXE"), loaded);
  EXPECT_TRUE(Exists(site_.windows / L"NOTEPAD.SWN"));
  // Without any version block, and without a notepad at all: left alone, no message.
  for (bool present : {true, false}) {
    if (present)
      site_.LoadNotepad(L"FixturePlainNotepad.exe");
    else
      ::DeleteFileW((site_.windows / L"NOTEPAD.EXE").c_str());
    EXPECT_EQ(RunSteps(&YesToAll), Describe(std::vector<Message>{kConfirm, kComplete}));
    EXPECT_TRUE(Exists(site_.windows / L"NOTEPAD.SWN"));
  }
}

TEST_F(UninstallSteps, UserFilesAreOfferedOneByOneButNeverTheUninstaller) {
  WriteBytes(site_.program / L"notes.txt", "mine");
  WriteBytes(site_.program / L"keep me.rtf", "mine too");
  WriteBytes(site_.program / L"hidden.dat", "hidden");
  ::SetFileAttributesW((site_.program / L"hidden.dat").c_str(), FILE_ATTRIBUTE_HIDDEN);
  ::CreateDirectoryW((site_.program / L"Backups").c_str(), nullptr);
  std::set<std::string> offered;
  std::vector<std::string> shown = RunSteps([&](const Message& message) {
    if (message.title != L"Delete File?") return true;
    offered.insert(Describe(message));
    return message.text.find(L"notes.txt") != std::wstring::npos;
  });
  const std::wstring folder = site_.program.path();
  EXPECT_EQ(offered, (std::set<std::string>{Describe(Offer(folder, L"notes.txt")), Describe(Offer(folder, L"keep me.rtf"))}));
  ASSERT_EQ(shown.size(), 4u);
  EXPECT_EQ(shown.front(), Describe(kConfirm));
  EXPECT_EQ(shown.back(), Describe(kComplete));
  EXPECT_FALSE(Exists(site_.program / L"notes.txt"));
  EXPECT_TRUE(Exists(site_.program / L"keep me.rtf"));
  EXPECT_TRUE(Exists(self_));
  EXPECT_TRUE(Exists(site_.program / L"hidden.dat"));
  EXPECT_TRUE(Exists(site_.program / L"Backups"));
}

TEST_F(UninstallSteps, ARunReplacesAnEarlierRemovalEntryAndKeepsTheOthers) {
  WriteBytes(WinInit(), "[Rename]\r\nNUL=C:\\OLD\\REMOVE.EXE\r\nC:\\A.TMP=C:\\B.TMP\r\n[Other]\r\nKey=1\r\n");
  RunSteps(&YesToAll);
  RunSteps(&YesToAll);
  std::string ini = ReadBytes(WinInit());
  EXPECT_EQ(win::ToUtf8(IniValue(WinInit(), L"Rename", L"NUL")), win::ToUtf8(ShortName(self_)));
  ASSERT_NE(ini.find("NUL="), std::string::npos) << "written in the system code page";
  EXPECT_EQ(ini.find("NUL="), ini.rfind("NUL=")) << ini;
  EXPECT_EQ(IniValue(WinInit(), L"Rename", L"C:\\A.TMP"), L"C:\\B.TMP");
  EXPECT_EQ(IniValue(WinInit(), L"Other", L"Key"), L"1");
  EXPECT_EQ(ini.find("OLD"), std::string::npos);
}

TEST_F(UninstallSteps, UnknownShellFoldersLeaveTheirShortcutsAlone) {
  ScriptedMessages messages(&UninstallSteps::YesToAll);
  uninstall::Folders folders{site_.program.path(), site_.windows.path(), L"", L"", self_};
  uninstall::RunUninstall(folders, messages);
  EXPECT_EQ(Describe(messages.shown), Describe(std::vector<Message>{kConfirm, kComplete}));
  EXPECT_TRUE(Exists(site_.programs / L"Tarnwick\\Tarnwick.lnk"));
  EXPECT_TRUE(Exists(site_.desktop / L"Tarnwick.lnk"));
  EXPECT_FALSE(Exists(site_.program / L"Tarnwick.exe"));
}

// --- The real Remove.exe

class RemoveExeTest : public ::testing::Test {
 protected:
  void SetUp() override { Copy(BinFile(L"site\\Remove.exe"), site_.program / L"Remove.exe"); }
  void TearDown() override { EndProcessesIn(site_.program.path()); }

  // Starts Remove.exe and answers each box it shows in turn with the given button;
  // returns what the boxes said as "title | text".
  std::vector<std::string> RunAnswering(const std::vector<int>& buttons) {
    DWORD processId = 0;
    win::UniqueHandle process(Start(site_.program / L"Remove.exe", L"", &processId));
    std::vector<std::string> seen;
    if (!process) {
      ADD_FAILURE() << "Remove.exe did not start";
      return seen;
    }
    for (int button : buttons) {
      MessageBoxSeen box = WaitForMessageBox(processId);
      if (!box.hwnd) {
        ADD_FAILURE() << "no message box after " << seen.size();
        break;
      }
      seen.push_back(win::ToUtf8(box.title + L" | " + box.text));
      Answer(box, button);
    }
    EXPECT_EQ(::WaitForSingleObject(process.get(), 10000), WAIT_OBJECT_0) << "Remove.exe did not end";
    DWORD exitCode = 99;
    ::GetExitCodeProcess(process.get(), &exitCode);
    EXPECT_EQ(exitCode, 0u);
    return seen;
  }
  static std::string Shown(const Message& message) { return win::ToUtf8(message.title + L" | " + message.text); }

  Installation site_;
  ScopedEnvironment windows_{L"TARNWICK_WINDOWS_FOLDER", site_.windows.path()};
  ScopedEnvironment programs_{L"TARNWICK_PROGRAMS_FOLDER", site_.programs.path()};
  ScopedEnvironment desktop_{L"TARNWICK_DESKTOP_FOLDER", site_.desktop.path()};
};

TEST_F(RemoveExeTest, AnsweringNoChangesNothing) {
  site_.LoadNotepad(L"NOTEPAD.EXE", L"FixtureMicrosoftNotepad.exe");
  auto before = site_.Everything();
  EXPECT_EQ(RunAnswering({IDNO}), std::vector<std::string>{Shown(kConfirm)});
  EXPECT_EQ(site_.Everything(), before);
}

TEST_F(RemoveExeTest, UninstallsRestoresTheNotepadOffersUserFilesAndSchedulesItsRemoval) {
  site_.LoadNotepad(L"NOTEPAD.EXE", L"FixtureMicrosoftNotepad.exe");
  WriteBytes(site_.program / L"notes.txt", "mine");
  const std::wstring folder = site_.program.path();
  EXPECT_EQ(RunAnswering({IDYES, IDYES, IDOK}),
            (std::vector<std::string>{Shown(kConfirm), Shown(Offer(folder, L"notes.txt")), Shown(kComplete)}));
  site_.ExpectUninstalled();
  EXPECT_FALSE(Exists(site_.program / L"notes.txt"));
  EXPECT_TRUE(Exists(site_.program / L"Remove.exe"));
  EXPECT_EQ(ReadBytes(site_.windows / L"NOTEPAD.EXE"), ReadBytes(BinFile(L"FixtureMicrosoftNotepad.exe")));
  EXPECT_FALSE(Exists(site_.windows / L"NOTEPAD.SWN"));
  EXPECT_FALSE(Exists(site_.windows / L"NOTEPAD.TWK"));
  const std::wstring winInit = site_.windows / L"WININIT.INI";
  const std::wstring self = ShortName(site_.program / L"Remove.exe");
  EXPECT_EQ(win::ToUtf8(IniValue(winInit, L"Rename", L"NUL")), win::ToUtf8(self));

  // Run again over an entry that names something else: it is replaced, not repeated.
  ::WritePrivateProfileStringW(L"Rename", L"NUL", L"C:\\ELSE\\REMOVE.EXE", winInit.c_str());
  EXPECT_EQ(RunAnswering({IDYES, IDOK}), (std::vector<std::string>{Shown(kConfirm), Shown(kComplete)}));
  EXPECT_EQ(win::ToUtf8(IniValue(winInit, L"Rename", L"NUL")), win::ToUtf8(self));
  std::string ini = ReadBytes(winInit);
  ASSERT_NE(ini.find("NUL="), std::string::npos) << "written in the system code page";
  EXPECT_EQ(ini.find("NUL="), ini.rfind("NUL=")) << ini;
}

TEST_F(RemoveExeTest, AStubWithoutItsBackupIsReportedAndTheUninstallGoesOn) {
  site_.LoadNotepad(L"NOTEPAD.EXE");
  EXPECT_EQ(RunAnswering({IDYES, IDOK, IDOK}),
            (std::vector<std::string>{Shown(kConfirm), Shown(kMissingBackup), Shown(kComplete)}));
  EXPECT_EQ(ReadBytes(site_.windows / L"NOTEPAD.EXE"), ReadBytes(BinFile(L"NOTEPAD.EXE")));
  site_.ExpectUninstalled();
}
