#include <gtest/gtest.h>

#include "unit/MemoryProfile.h"
#include "workspace/History.h"

using testing_support::MemoryProfile;
using namespace workspace;

TEST(History, SixteenFilesKeepTheLastFifteenNewestFirst) {
  MemoryProfile profile;
  for (int i = 1; i <= 16; ++i) EXPECT_TRUE(RecordFile(profile, L"C:\\f" + std::to_wstring(i) + L".txt"));
  std::vector<std::wstring> files = ReadFileHistory(profile);
  EXPECT_EQ(files.front(), L"C:\\f16.txt");
  EXPECT_EQ(files.back(), L"C:\\f2.txt");
  for (const std::wstring& file : files) EXPECT_NE(file, L"C:\\f1.txt");
  EXPECT_EQ(profile.sectionWrites, 16) << "the file is rewritten once per recorded name, not once per key";
}

TEST(History, ABatchOfFilesEndsAsOneByOneWouldInOneWrite) {
  // Twenty names, one of them twice in another case and one already listed: the
  // batch leaves the list as recording them one at a time does.
  std::vector<std::wstring> names;
  for (int i = 0; i < 20; ++i) names.push_back(L"C:\\b\\" + std::to_wstring(i) + L".txt");
  names.insert(names.begin() + 15, L"c:\\B\\3.TXT");
  names.push_back(L"C:\\old.txt");
  MemoryProfile single, batch;
  RecordFile(single, L"C:\\old.txt");
  RecordFile(batch, L"C:\\old.txt");
  batch.sectionWrites = 0;
  for (const std::wstring& name : names) RecordFile(single, name);
  EXPECT_TRUE(RecordFiles(batch, names));
  EXPECT_EQ(ReadFileHistory(batch), ReadFileHistory(single));
  EXPECT_EQ(batch.sectionWrites, 1);
  EXPECT_FALSE(RecordFiles(batch, {L"C:\\B\\19.txt"}));
  EXPECT_EQ(batch.sectionWrites, 1) << "nothing new, nothing written";
}

TEST(History, AFileAlreadyListedKeepsItsPlaceWhateverItsCase) {
  MemoryProfile profile;
  for (int i = 0; i < 7; ++i) RecordFile(profile, L"c:\\notes\\" + std::to_wstring(i) + L".txt");
  RecordFile(profile, L"c:\\notes\\a.txt");
  for (int i = 7; i < 13; ++i) RecordFile(profile, L"c:\\notes\\" + std::to_wstring(i) + L".txt");
  auto before = ReadFileHistory(profile);
  EXPECT_FALSE(RecordFile(profile, L"C:\\Notes\\A.TXT"));
  EXPECT_EQ(ReadFileHistory(profile), before);
  EXPECT_EQ(before[6], L"c:\\notes\\a.txt");
}

TEST(History, FoldersCompareWithLetterCaseAndMoveWithTheirFilter) {
  MemoryProfile profile;
  EXPECT_TRUE(RecordFolder(profile, L"C:\\Docs\\", 2));
  EXPECT_TRUE(RecordFolder(profile, L"c:\\docs\\", 3));
  EXPECT_FALSE(RecordFolder(profile, L"C:\\Docs\\", 1));
  auto folders = ReadFolderHistory(profile);
  EXPECT_EQ(folders[0].folder, L"c:\\docs\\");
  EXPECT_EQ(folders[0].filterIndex, 3);
  EXPECT_EQ(folders[1].folder, L"C:\\Docs\\");
  EXPECT_EQ(folders[1].filterIndex, 2);
  for (int i = 0; i < 20; ++i) RecordFolder(profile, L"D:\\" + std::to_wstring(i) + L"\\", i);
  folders = ReadFolderHistory(profile);
  EXPECT_EQ(folders.size(), 13u);
  EXPECT_EQ(folders[12].folder, L"D:\\7\\");
  EXPECT_EQ(folders[12].filterIndex, 7);
  EXPECT_FALSE(profile.Has(L"DirHistory", L"Dir13"));
}

TEST(History, CaptionsLongerThan63CharactersAreCut) {
  std::wstring name70(66, L'n');
  name70 += L".txt";
  EXPECT_EQ(ShortenCaption(name70), std::wstring(60, L'n') + L"...");
  std::wstring name63(63, L'x');
  EXPECT_EQ(ShortenCaption(name63), name63);
}

TEST(History, RecentDocumentsSkipEmptyEntriesAndKeepTheOrder) {
  MemoryProfile profile;
  profile.WriteText(L"History", L"File0", L"C:\\new\\b.txt");
  profile.WriteText(L"History", L"File1", L"");
  profile.WriteText(L"History", L"File2", L"C:\\old\\Tom&Jerry.txt");
  auto documents = RecentDocuments(profile);
  ASSERT_EQ(documents.size(), 2u);
  EXPECT_EQ(documents[0].name, L"b.txt");
  EXPECT_EQ(documents[0].path, L"C:\\new\\b.txt");
  EXPECT_EQ(documents[1].name, L"Tom&Jerry.txt") << "no escaping in the side bar";
}
