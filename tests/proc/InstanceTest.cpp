// A second start of the editor hands its arguments over and ends without a window.
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
