// The libraries the editor's first window does not use are loaded on their first call
// (cmake/DelayLoad.cmake), not at start-up.
#include <windows.h>
#include <psapi.h>

#include <functional>
#include <string>

#include <gtest/gtest.h>

#include "app/CommandIds.h"
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

  ::PostMessageW(main, WM_COMMAND, app::FileMenuOpen, 0);
  MessageBoxSeen dialog = WaitForMessageBox(processId);
  ASSERT_NE(dialog.hwnd, nullptr) << "the delay-loaded open dialog did not come";
  EXPECT_EQ(dialog.title, L"Open");
  EXPECT_TRUE(HasModule(process.get(), L"comdlg32.dll"));
  Answer(dialog, IDCANCEL);

  ::PostMessageW(main, WM_CLOSE, 0, 0);
  if (::WaitForSingleObject(process.get(), 20000) != WAIT_OBJECT_0) ::TerminateProcess(process.get(), 1);
}
