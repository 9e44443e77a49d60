// A second start of the editor hands its arguments over and ends without a window.
#include <windows.h>

#include <algorithm>
#include <functional>

#include <gtest/gtest.h>

#include "proc/ProcessHarness.h"
#include "support/Scratch.h"
#include "win/Handles.h"

using namespace proctest;

TEST(Instance, SecondStartWritesItsArgumentsToParamDatAndExits) {
  uitest::ScratchFolder folder;
  CopyInto(BinFolder() + L"Tarnwick.exe", folder.path());
  // This test holds the instance mutex, as a running editor would.
  win::UniqueHandle mutex(::CreateMutexW(nullptr, TRUE, L"Tarnwick"));
  ASSERT_TRUE(mutex.valid());
  DWORD processId = 0;
  win::UniqueHandle process(Start(folder / L"Tarnwick.exe", L"a.txt \"My File.txt\"", &processId));
  ASSERT_TRUE(process.valid());
  ASSERT_EQ(::WaitForSingleObject(process.get(), 20000), WAIT_OBJECT_0);
  DWORD exitCode = 99;
  ::GetExitCodeProcess(process.get(), &exitCode);
  EXPECT_EQ(exitCode, 0u);
  EXPECT_EQ(uitest::ReadBytes(folder / L"param.dat"), "a.txt My File.txt ");
  EXPECT_FALSE(uitest::Exists(folder / L"Tarnwick.ini")) << "a handing-off start writes no settings";
}

TEST(Instance, SecondStartWithoutArgumentsLeavesAnEmptyParamDat) {
  uitest::ScratchFolder folder;
  CopyInto(BinFolder() + L"Tarnwick.exe", folder.path());
  win::UniqueHandle mutex(::CreateMutexW(nullptr, TRUE, L"Tarnwick"));
  RunResult result = proctest::Run(folder / L"Tarnwick.exe", L"");
  ASSERT_TRUE(result.finished);
  EXPECT_EQ(result.exitCode, 0u);
  EXPECT_TRUE(uitest::Exists(folder / L"param.dat"));
  EXPECT_EQ(uitest::ReadBytes(folder / L"param.dat"), "");
}

namespace {

// The texts of a process's document editors, read across the process boundary.
std::vector<std::wstring> EditorTexts(DWORD processId) {
  std::vector<std::wstring> texts;
  for (HWND top : WindowsOf(processId))
    for (HWND editor : ChildrenOf(top, L"RICHEDIT50W")) texts.push_back(TextOf(editor));
  return texts;
}

HWND MainWindowOf(DWORD processId) { return FindWindowOf(L"TMainForm", processId); }


}  // namespace

TEST(Instance, ARunningEditorTakesOverTheSecondStartsFiles) {
  uitest::ScratchFolder folder;
  CopyInto(BinFolder() + L"Tarnwick.exe", folder.path());
  uitest::WriteBytes(folder / L"Tarnwick.ini", "[Main]\r\nShowSplash=0\r\n");
  uitest::WriteBytes(folder / L"a.txt", "first file");
  uitest::WriteBytes(folder / L"My File.txt", "second file");
  DWORD firstId = 0;
  win::UniqueHandle first(Start(folder / L"Tarnwick.exe", L"", &firstId));
  ASSERT_TRUE(first.valid());
  ASSERT_TRUE(WaitFor([&] { return MainWindowOf(firstId) != nullptr; }, 20000));

  // Held open without delete sharing, param.dat cannot be taken over yet: the test
  // reads what the second start appended before the editor does.
  win::UniqueFile hold(::CreateFileW((folder / L"param.dat").c_str(), GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_WRITE,
                                     nullptr, OPEN_ALWAYS, 0, nullptr));
  ASSERT_TRUE(hold.valid());
  DWORD secondId = 0;
  win::UniqueHandle second(Start(folder / L"Tarnwick.exe", L"a.txt \"My File.txt\"", &secondId));
  ASSERT_EQ(::WaitForSingleObject(second.get(), 20000), WAIT_OBJECT_0);
  DWORD exitCode = 99;
  ::GetExitCodeProcess(second.get(), &exitCode);
  EXPECT_EQ(exitCode, 0u);
  char bytes[256] = {};
  DWORD got = 0;
  ::ReadFile(hold.get(), bytes, sizeof(bytes), &got, nullptr);
  EXPECT_EQ(std::string(bytes, got), "a.txt My File.txt ");
  hold.reset();

  // The editors are made before their files are in them.
  std::vector<std::wstring> texts;
  WaitFor([&] {
    texts = EditorTexts(firstId);
    std::sort(texts.begin(), texts.end());
    return texts == std::vector<std::wstring>{L"first file", L"second file"};
  }, 5000);
  EXPECT_EQ(texts, (std::vector<std::wstring>{L"first file", L"second file"}));
  EXPECT_FALSE(uitest::Exists(folder / L"param.dat"));

  ::PostMessageW(MainWindowOf(firstId), WM_CLOSE, 0, 0);
  if (::WaitForSingleObject(first.get(), 20000) != WAIT_OBJECT_0) ::TerminateProcess(first.get(), 1);
}

TEST(Instance, TheSplashShowsWhileTheWindowIsBuiltAndGoesWhenItShows) {
  uitest::ScratchFolder folder;
  CopyInto(BinFolder() + L"Tarnwick.exe", folder.path());
  DWORD processId = 0;
  win::UniqueHandle process(Start(folder / L"Tarnwick.exe", L"", &processId));
  ASSERT_TRUE(process.valid());
  bool splashSeen = false;
  HWND main = nullptr;
  ASSERT_TRUE(WaitFor(
      [&] {
        for (HWND hwnd : WindowsOf(processId)) {
          wchar_t name[64] = L"";
          ::GetClassNameW(hwnd, name, 64);
          if (lstrcmpW(name, L"TSplashScreen") == 0 && ::IsWindowVisible(hwnd)) splashSeen = true;
        }
        main = MainWindowOf(processId);
        return main && ::IsWindowVisible(main);
      },
      20000));
  DWORD_PTR answer = 0;
  ::SendMessageTimeoutW(main, WM_NULL, 0, 0, SMTO_NORMAL, 10000, &answer);
  EXPECT_TRUE(splashSeen);
  bool splashLeft = false;
  for (HWND hwnd : WindowsOf(processId)) {
    wchar_t name[64] = L"";
    ::GetClassNameW(hwnd, name, 64);
    if (lstrcmpW(name, L"TSplashScreen") == 0 && ::IsWindow(hwnd)) splashLeft = true;
  }
  EXPECT_FALSE(splashLeft) << "the splash is destroyed when the main window is first shown";
  ::PostMessageW(main, WM_CLOSE, 0, 0);
  if (::WaitForSingleObject(process.get(), 20000) != WAIT_OBJECT_0) ::TerminateProcess(process.get(), 1);
  EXPECT_NE(uitest::ReadBytes(folder / L"Tarnwick.ini").find("ShowToolBar=1"), std::string::npos)
      << "closing wrote the window's state";
}

TEST(Instance, ASecondStartWhileTheExitAsksToSaveNeitherTakesNorLosesAnything) {
  uitest::ScratchFolder folder;
  CopyInto(BinFolder() + L"Tarnwick.exe", folder.path());
  uitest::WriteBytes(folder / L"Tarnwick.ini", "[Main]\r\nShowSplash=0\r\n");
  uitest::WriteBytes(folder / L"a.txt", "a");
  uitest::WriteBytes(folder / L"b.txt", "b");
  DWORD firstId = 0;
  win::UniqueHandle first(Start(folder / L"Tarnwick.exe", L"a.txt", &firstId));
  ASSERT_TRUE(first.valid());
  ASSERT_TRUE(WaitFor([&] { return EditorTexts(firstId) == std::vector<std::wstring>{L"a"}; }, 20000));
  HWND main = MainWindowOf(firstId);
  HWND editor = nullptr;
  for (HWND top : WindowsOf(firstId))
    for (HWND child : ChildrenOf(top, L"RICHEDIT50W"))
      if (::IsWindowVisible(child)) editor = child;
  ASSERT_TRUE(editor);
  ::PostMessageW(editor, WM_CHAR, L'!', 0);
  ASSERT_TRUE(WaitFor([&] { return EditorTexts(firstId) == std::vector<std::wstring>{L"!a"}; }, 5000));

  ::PostMessageW(main, WM_CLOSE, 0, 0);
  MessageBoxSeen box = WaitForMessageBox(firstId);
  ASSERT_TRUE(box.hwnd);
  EXPECT_NE(box.text.find(L"Save changes to"), std::wstring::npos);
  ASSERT_TRUE(proctest::Run(folder / L"Tarnwick.exe", L"b.txt").finished);
  ::Sleep(1500);  // three ticks of the editor's timer with the question open
  EXPECT_EQ(EditorTexts(firstId).size(), 1u) << "b.txt was not opened under the question";
  Answer(box, IDYES);

  ASSERT_EQ(::WaitForSingleObject(first.get(), 20000), WAIT_OBJECT_0);
  EXPECT_EQ(uitest::ReadBytes(folder / L"a.txt"), "!a");
  EXPECT_EQ(uitest::ReadBytes(folder / L"param.dat"), "b.txt ") << "the record waits for the next start";
}
