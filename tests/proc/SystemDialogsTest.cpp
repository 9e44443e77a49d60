// The real executable with the system's dialogs: the libraries the first window does not
// use load on their first call (cmake/DelayLoad.cmake), and Save As carries the lists
// of encodings and line breaks.
#include <windows.h>
#include <psapi.h>

#include <functional>
#include <string>

#include <gtest/gtest.h>

#include "command/CommandIds.h"
#include "proc/ProcessHarness.h"
#include "support/Scratch.h"
#include "win/Handles.h"

using namespace proctest;

namespace {

bool HasModule(HANDLE process, const wchar_t* name) {
  HMODULE modules[1024];
  DWORD needed = 0;
  if (!::EnumProcessModules(process, modules, sizeof(modules), &needed)) return false;
  for (DWORD i = 0; i < needed / sizeof(HMODULE) && i < 1024; ++i) {
    wchar_t base[MAX_PATH] = L"";
    ::GetModuleBaseNameW(process, modules[i], base, MAX_PATH);
    if (lstrcmpiW(base, name) == 0) return true;
  }
  return false;
}

HWND ShownMainWindow(DWORD processId) {
  HWND main = FindWindowOf(L"TMainForm", processId);
  return main && ::IsWindowVisible(main) ? main : nullptr;
}


}  // namespace

TEST(Startup, TheFirstWindowLeavesTheDialogShellAndSoundLibrariesForLater) {
  uitest::ScratchFolder folder;
  CopyInto(BinFolder() + L"Tarnwick.exe", folder.path());
  uitest::WriteBytes(folder / L"Tarnwick.ini", "[Main]\r\nShowSplash=0\r\n");
  DWORD processId = 0;
  win::UniqueHandle process(Start(folder / L"Tarnwick.exe", L"", &processId));
  ASSERT_TRUE(process.valid());
  HWND main = nullptr;
  ASSERT_TRUE(WaitFor([&] { return (main = ShownMainWindow(processId)) != nullptr; }, 20000));
  DWORD_PTR answer = 0;
  ::SendMessageTimeoutW(main, WM_NULL, 0, 0, SMTO_NORMAL, 10000, &answer);

  // Wine maps the version library into every process, so it is not asked about here.
  for (const wchar_t* name : {L"comdlg32.dll", L"shell32.dll", L"winmm.dll"})
    EXPECT_FALSE(HasModule(process.get(), name))
        << name << " is loaded before it is needed (an ordinary import, or a call on the way to the first window)";

  ::PostMessageW(main, WM_COMMAND, command::FileMenuOpen, 0);
  MessageBoxSeen dialog = WaitForMessageBox(processId);
  ASSERT_NE(dialog.hwnd, nullptr) << "the delay-loaded open dialog did not come";
  EXPECT_EQ(dialog.title, L"Open");
  EXPECT_TRUE(HasModule(process.get(), L"comdlg32.dll"));
  Answer(dialog, IDCANCEL);

  ::PostMessageW(main, WM_CLOSE, 0, 0);
  if (::WaitForSingleObject(process.get(), 20000) != WAIT_OBJECT_0) ::TerminateProcess(process.get(), 1);
}

namespace {

HWND Descendant(HWND parent, int id) {
  for (HWND child : ChildrenOf(parent, nullptr))
    if (::GetDlgCtrlID(child) == id) return child;
  return nullptr;
}

}  // namespace

TEST(Startup, TheRealSaveAsDialogOffersTheEncodingAndWritesTheChosenOne) {
  uitest::ScratchFolder folder;
  CopyInto(BinFolder() + L"Tarnwick.exe", folder.path());
  uitest::WriteBytes(folder / L"Tarnwick.ini", "[Main]\r\nShowSplash=0\r\n");
  uitest::WriteBytes(folder / L"unix.txt", "a\nb\n");
  DWORD processId = 0;
  win::UniqueHandle process(Start(folder / L"Tarnwick.exe", L"unix.txt", &processId));
  ASSERT_TRUE(process.valid());
  HWND main = nullptr;
  ASSERT_TRUE(WaitFor([&] { return (main = ShownMainWindow(processId)) != nullptr; }, 20000));
  ::Sleep(500);  // the first tick opens the file

  ::PostMessageW(main, WM_COMMAND, command::FileMenuSaveAs, 0);
  MessageBoxSeen dialog = WaitForMessageBox(processId);
  ASSERT_NE(dialog.hwnd, nullptr) << "no Save As dialog";
  HWND encoding = nullptr, breaks = nullptr;
  ASSERT_TRUE(WaitFor([&] { return (encoding = Descendant(dialog.hwnd, 3952)) && (breaks = Descendant(dialog.hwnd, 3954)); }, 5000));
  EXPECT_EQ(::SendMessageW(encoding, CB_GETCURSEL, 0, 0), 0) << "ANSI, as the file came";
  EXPECT_EQ(::SendMessageW(breaks, CB_GETCURSEL, 0, 0), 1) << "LF, as the file came";
  ::SendMessageW(encoding, CB_SETCURSEL, 3, 0);  // UTF-16 LE
  std::wstring copy = folder / L"copy.txt";
  HWND name = Descendant(dialog.hwnd, 0x47c);  // the file name box
  if (!name) name = Descendant(dialog.hwnd, 0x480);
  ASSERT_TRUE(name);
  ::SendMessageW(name, WM_SETTEXT, 0, reinterpret_cast<LPARAM>(copy.c_str()));
  Answer(dialog, IDOK);
  ASSERT_TRUE(WaitFor([&] { return uitest::Exists(copy); }, 5000));
  EXPECT_EQ(uitest::ReadBytes(copy), std::string("\xFF\xFE" "a\0\n\0b\0\n\0", 10));

  ::PostMessageW(main, WM_CLOSE, 0, 0);
  if (::WaitForSingleObject(process.get(), 20000) != WAIT_OBJECT_0) ::TerminateProcess(process.get(), 1);
}
