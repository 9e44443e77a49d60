#include <gtest/gtest.h>

#include <set>

#include "workspace/SlotRules.h"

using namespace workspace;

TEST(SlotRules, UntitledNames) {
  EXPECT_EQ(UntitledName(0, L"txt"), L"Untitled01.txt");
  EXPECT_EQ(UntitledName(9, L"rtf"), L"Untitled10.rtf");
  EXPECT_EQ(UntitledName(199, L"txt"), L"Untitled200.txt");
  EXPECT_EQ(UntitledName(1, L""), L"Untitled02.");
}

TEST(SlotRules, NewDocumentsTakeTheLowestFreeSlot) {
  std::set<int> used = {0, 1, 3};
  EXPECT_EQ(LowestFreeSlot([&](int n) { return used.count(n) > 0; }), 2);
  EXPECT_EQ(LowestFreeSlot([](int n) { return n < 199; }), 199);
  EXPECT_FALSE(LowestFreeSlot([](int) { return true; }).has_value()) << "the 201st document finds no slot";
}

TEST(SlotRules, TheNeighbourTakesOverAClosedTab) {
  EXPECT_EQ(TabAfterClose(1, 3), 1) << "the right-hand neighbour moved into the closed tab's place";
  EXPECT_EQ(TabAfterClose(3, 3), 2) << "the last tab was closed";
  EXPECT_EQ(TabAfterClose(0, 0), std::nullopt) << "no tab left: a new document is made";
  EXPECT_EQ(TabAfterClose(7, 3), 0);
}

TEST(SlotRules, TemporaryCopiesTakeTheFirstFreeNumber) {
  std::set<std::wstring> existing = {L"C:\\Docs\\~TWK_TMP1.txt", L"C:\\Docs\\~TWK_TMP2.txt"};
  auto exists = [&](const std::wstring& path) { return existing.count(path) > 0; };
  EXPECT_EQ(TempFileName(L"C:\\Docs\\a.txt", L"C:\\Work", exists), L"C:\\Docs\\~TWK_TMP3.txt");
  EXPECT_EQ(TempFileName(L"Untitled01.txt", L"C:\\Work", exists), L"C:\\Work\\~TWK_TMP1.txt");
  EXPECT_EQ(TempFileName(L"notes", L"C:\\Work\\", exists), L"C:\\Work\\~TWK_TMP1") << "no extension";
}

TEST(SlotRules, TabImages) {
  EXPECT_EQ(TabImageIndex(false, false), 0);
  EXPECT_EQ(TabImageIndex(true, false), 1);
  EXPECT_EQ(TabImageIndex(false, true), 2);
  EXPECT_EQ(TabImageIndex(true, true), 3);
}

TEST(SlotRules, LogDocumentsAreThoseWithDotLogAloneOnTheFirstLine) {
  for (const wchar_t* text : {L".LOG", L".LOG\r\nmore", L".LOG\nmore", L".LOG\rmore"}) EXPECT_TRUE(IsLogText(text)) << text;
  for (const wchar_t* text : {L"", L".LO", L".log", L".LOGS", L" .LOG", L".LOG more"}) EXPECT_FALSE(IsLogText(text)) << text;
}
