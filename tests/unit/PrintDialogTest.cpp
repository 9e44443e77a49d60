#include <gtest/gtest.h>

#include <string>

#include "print/PrintDialogRules.h"

using namespace print;

TEST(PrintDialog, TheAllCaptionCountsThePages) {
  EXPECT_EQ(AllCaption(1), L"&All (1 Pages)");
  EXPECT_EQ(AllCaption(12345), L"&All (12345 Pages)");
}

TEST(PrintDialog, FromFieldOnLeaving) {
  struct Row {
    const wchar_t* typed;
    int pageCount;
    const wchar_t* left;
  } rows[] = {
      {L"-3", 6, L"1"},  {L"0", 6, L"1"},  {L"", 6, L"1"},   {L"abc", 6, L"1"}, {L"1", 6, L"1"},
      {L"3", 6, L"3"},   {L"6", 6, L"6"},  {L"7", 6, L"6"},  {L"99999", 6, L"6"}, {L" 4", 6, L" 4"},
      {L"2", 1, L"1"},
  };
  for (const Row& row : rows)
    EXPECT_EQ(CorrectedFrom(row.typed, row.pageCount), row.left) << "\"" << row.typed << "\" of " << row.pageCount;
}

TEST(PrintDialog, ToFieldOnLeavingOnlyComesDownToTheCount) {
  struct Row {
    const wchar_t* typed;
    int pageCount;
    const wchar_t* left;
  } rows[] = {
      {L"7", 6, L"6"}, {L"6", 6, L"6"}, {L"5", 6, L"5"}, {L"0", 6, L"0"}, {L"-3", 6, L"-3"}, {L"abc", 6, L"abc"},
  };
  for (const Row& row : rows)
    EXPECT_EQ(CappedToCount(row.typed, row.pageCount), row.left) << "\"" << row.typed << "\" of " << row.pageCount;
}

TEST(PrintDialog, ANewCountIsAnnouncedOnlyWhenItChanged) {
  Recount same = AfterRecount(L"1", L"3", 3, 3);
  EXPECT_FALSE(same.announce);
  EXPECT_EQ(same.allCaption, L"");
  EXPECT_EQ(same.pageCount, 3);

  Recount grown = AfterRecount(L"1", L"3", 3, 4);
  EXPECT_TRUE(grown.announce);
  EXPECT_EQ(grown.allCaption, L"&All (4 Pages)");
  EXPECT_EQ(grown.pageCount, 4) << "All then prints the 4 pages";
  EXPECT_EQ(grown.to, L"3") << "a larger count leaves the fields alone";

  Recount shrunk = AfterRecount(L"5", L"6", 6, 4);
  EXPECT_TRUE(shrunk.announce);
  EXPECT_EQ(shrunk.allCaption, L"&All (4 Pages)");
  EXPECT_EQ(shrunk.from, L"4");
  EXPECT_EQ(shrunk.to, L"4");

  EXPECT_FALSE(AfterRecount(L"1", L"4", shrunk.pageCount, 4).announce) << "the message comes once";
}

TEST(PrintDialog, PrintRefusesOnlyAToBeforeFrom) {
  struct Row {
    const wchar_t* from;
    const wchar_t* to;
    bool refused;
  } rows[] = {
      {L"3", L"4", false}, {L"4", L"4", false}, {L"5", L"4", true},
      {L"1", L"", true},   // an empty To reads as 0
      {L"", L"3", false},  // an empty From reads as 0
      {L"x", L"y", false},
  };
  for (const Row& row : rows) {
    auto refusal = RangeRefusal(row.from, row.to);
    EXPECT_EQ(refusal.has_value(), row.refused) << row.from << L" to " << row.to;
    if (refusal) {
      EXPECT_EQ(*refusal, L"The \"From\" page cannot be greater than the \"To\" page.");
    }
  }
}
