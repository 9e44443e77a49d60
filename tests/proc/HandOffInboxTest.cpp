// Taking param.dat over: records are read once, in order, and never lost, whatever
// another process does to the files meanwhile.
#include <windows.h>

#include <gtest/gtest.h>

#include "app/HandOffFile_win.h"
#include "support/Scratch.h"
#include "win/Handles.h"

namespace {

win::UniqueFile Hold(const std::wstring& path, DWORD share) {
  return win::UniqueFile(::CreateFileW(path.c_str(), GENERIC_READ, share, nullptr, OPEN_EXISTING, 0, nullptr));
}

}  // namespace

TEST(HandOffInbox, ACopyThatCannotBeReadYetWaitsAndKeepsItsPlaceInTheOrder) {
  uitest::ScratchFolder folder;
  std::wstring param = folder / L"param.dat";
  // A copy an earlier run took over but never read, busy for the moment.
  std::wstring leftover = folder / L"param.dat.7.1.tmp";
  uitest::WriteBytes(leftover, "first ");
  uitest::WriteBytes(param, "second ");
  app::HandOffInbox inbox(param);
  {
    win::UniqueFile busy = Hold(leftover, 0);
    ASSERT_TRUE(busy.valid());
    EXPECT_FALSE(inbox.Take());
    EXPECT_FALSE(uitest::Exists(param)) << "param.dat was taken over under a name of its own";
    uitest::WriteBytes(param, "third ");
    EXPECT_FALSE(inbox.Take());
  }
  EXPECT_EQ(inbox.Take().value_or("none"), "first second third ");
  EXPECT_FALSE(inbox.Take());
}

TEST(HandOffInbox, ACopyThatCannotBeDeletedIsNeverReadAgain) {
  uitest::ScratchFolder folder;
  std::wstring param = folder / L"param.dat";
  std::wstring leftover = folder / L"param.dat.7.1.tmp";
  uitest::WriteBytes(leftover, "/p a.txt ");
  app::HandOffInbox inbox(param);
  {
    win::UniqueFile reader = Hold(leftover, FILE_SHARE_READ);
    ASSERT_TRUE(reader.valid());
    EXPECT_EQ(inbox.Take().value_or("none"), "/p a.txt ");
    EXPECT_FALSE(inbox.Take()) << "a print request must not come again on every tick";
  }
  EXPECT_FALSE(inbox.Take());
  EXPECT_FALSE(uitest::Exists(leftover)) << "deleted once it was free";
}
