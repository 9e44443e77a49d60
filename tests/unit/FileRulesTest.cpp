// The file functions' decisions: destinations, new names, attributes and the counts
// of the properties.
#include <gtest/gtest.h>

#include "command/CommandIds.h"
#include "filefunc/FileRules.h"

using namespace filefunc;

TEST(FileRules, CopyOrMoveByWhereTheCommandCameFrom) {
  EXPECT_TRUE(IsCopyRequest(command::FileMenuCopy, -1));
  EXPECT_TRUE(IsCopyRequest(command::TabMenuCopy, -1));
  EXPECT_TRUE(IsCopyRequest(command::FileMenuCopy, 6)) << "the copy tool button";
  EXPECT_FALSE(IsCopyRequest(command::FileMenuMove, 7));
  EXPECT_FALSE(IsCopyRequest(command::TabMenuMove, -1));
}

TEST(FileRules, DestinationIsTheFolderAndTheDocumentsName) {
  EXPECT_EQ(TransferDestination(L"C:\\B", L"C:\\A\\a.txt"), L"C:\\B\\a.txt");
  EXPECT_EQ(TransferDestination(L"D:\\", L"C:\\A\\a.txt"), L"D:\\a.txt") << "a drive's root gets no second backslash";
  EXPECT_EQ(TransferDestination(L"\\\\server\\share", L"C:\\x\\notes & more.txt"), L"\\\\server\\share\\notes & more.txt");
}

TEST(FileRules, NewNamesAreTrimmedAndMustNameAFileInTheFolder) {
  EXPECT_EQ(RenamedName(L"  notes.txt\t "), L"notes.txt");
  EXPECT_EQ(RenamedName(L" \x01\t"), L"");
  for (const wchar_t* good : {L"notes.txt", L"a&b.txt", L"no extension", L"..hidden"}) EXPECT_TRUE(IsPlainFileName(good)) << good;
  for (const wchar_t* bad : {L"", L".", L"..", L"sub\\a.txt", L"../a.txt", L"C:a.txt", L"a?.txt", L"a*.txt",
                             L"a<b", L"a|b", L"\"a\"", L"a\x1f"})
    EXPECT_FALSE(IsPlainFileName(bad)) << bad;
}

TEST(FileRules, AttributesChangeOnlyWhenABoxChangedAndKeepTheOthers) {
  constexpr uint32_t kSystem = 0x4, kNotIndexed = 0x2000, kCompressed = 0x800;
  AttributeBoxes readOnlyArchive{true, false, true};
  EXPECT_EQ(BoxesOf(kReadOnly | kArchive | kSystem), readOnlyArchive);
  EXPECT_EQ(ChangedAttributes(kReadOnly | kArchive | kSystem, readOnlyArchive, readOnlyArchive), std::nullopt)
      << "nothing changed, nothing written";
  EXPECT_EQ(ChangedAttributes(kReadOnly | kArchive, readOnlyArchive, {true, true, true}),
            kReadOnly | kHidden | kArchive);
  EXPECT_EQ(ChangedAttributes(kReadOnly | kArchive | kSystem | kNotIndexed | kCompressed, readOnlyArchive,
                              {false, false, true}),
            kArchive | kSystem | kNotIndexed)
      << "system and not-indexed stay; the file system's own bits are not written";
  EXPECT_EQ(ChangedAttributes(kReadOnly | kHidden | kArchive, {true, true, true}, {false, false, false}), kNormal)
      << "all three cleared: a plain file";
}

TEST(FileRules, TextSizeCountsEveryLineBreakAsTwo) {
  EXPECT_EQ(TextSizeWithCrLf(L"ab\rc"), 5) << "the editor keeps CR";
  EXPECT_EQ(TextSizeWithCrLf(L"ab\r\nc"), 5);
  EXPECT_EQ(TextSizeWithCrLf(L"ab\nc\n"), 7);
  EXPECT_EQ(TextSizeWithCrLf(L""), 0);
  EXPECT_EQ(CrLfText(L"a\rb\nc\r\nd\r"), L"a\r\nb\r\nc\r\nd\r\n");
}

TEST(FileRules, LinesLeaveOutAnEmptyLastLine) {
  EXPECT_EQ(DocumentLines(2, false), 2) << "'ab', a break, 'c'";
  EXPECT_EQ(DocumentLines(3, true), 2) << "after a final line break";
  EXPECT_EQ(DocumentLines(1, true), 0) << "an empty document";
  EXPECT_EQ(DocumentLines(0, false), 0);
}
