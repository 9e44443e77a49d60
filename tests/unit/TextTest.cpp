#include <gtest/gtest.h>

#include "win/Text.h"

TEST(Text, FillReplacesPlaceholdersInOrder) {
  EXPECT_EQ(win::Fill(L"The file \"%s\" does not exist.", {L"C:\\a.txt"}), L"The file \"C:\\a.txt\" does not exist.");
  EXPECT_EQ(win::Fill(L"Enter a number from %d to %d.", {L"1", L"12"}), L"Enter a number from 1 to 12.");
  EXPECT_EQ(win::Fill(L"100%% %s", {L"done"}), L"100% done");
  EXPECT_EQ(win::Fill(L"%s and %s", {L"one"}), L"one and ") << "missing arguments leave nothing behind";
  EXPECT_EQ(win::Fill(L"ends with %", {}), L"ends with %");
}

TEST(Text, TrimRemovesSpacesAndControlCharacters) {
  EXPECT_EQ(win::Trim(L" \t\r\n a b \x01"), L"a b");
  EXPECT_EQ(win::TrimLeft(L"\t a "), L"a ");
  EXPECT_EQ(win::TrimRight(L" a\t"), L" a");
  EXPECT_EQ(win::Trim(L"   "), L"");
}

TEST(Text, CaseFoldingCoversTheLettersOfTheWesternCodePages) {
  EXPECT_TRUE(win::EqualsNoCase(L"C:\\Notes\\A.TXT", L"c:\\notes\\a.txt"));
  EXPECT_TRUE(win::EqualsNoCase(L"\u00C9COLE", L"\u00E9cole"));
  EXPECT_TRUE(win::EqualsNoCase(L"\u0160", L"\u0161"));
  EXPECT_TRUE(win::EqualsNoCase(L"\u0178", L"\u00FF"));
  EXPECT_TRUE(win::EqualsNoCase(L"\u0414\u0430", L"\u0434\u0410"));
  EXPECT_FALSE(win::EqualsNoCase(L"\u00D7", L"\u00F7")) << "multiplication and division signs are no letter pair";
  EXPECT_FALSE(win::EqualsNoCase(L"a.txt", L"a.txt "));
}

TEST(Text, EscapeAmpersandsDoublesEach) {
  EXPECT_EQ(win::EscapeAmpersands(L"Tom&Jerry.txt"), L"Tom&&Jerry.txt");
  EXPECT_EQ(win::EscapeAmpersands(L"&&"), L"&&&&");
}

TEST(Text, PathParts) {
  EXPECT_EQ(win::FileNamePart(L"C:\\Docs\\a.txt"), L"a.txt");
  EXPECT_EQ(win::FileNamePart(L"a.txt"), L"a.txt");
  EXPECT_EQ(win::FolderPart(L"C:\\Docs\\a.txt"), L"C:\\Docs\\");
  EXPECT_EQ(win::FolderPart(L"Untitled01.txt"), L"");
  EXPECT_EQ(win::ExtensionPart(L"C:\\x.y\\name"), L"") << "a dot in a folder is no extension";
  EXPECT_EQ(win::ExtensionPart(L"a.tar.gz"), L".gz");
  EXPECT_EQ(win::ExtensionPart(L"Untitled02."), L".");
}
