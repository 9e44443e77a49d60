// The texts of the document properties: separators, sizes, times and file types.
#include <gtest/gtest.h>

#include <cstdint>
#include <limits>

#include "filefunc/PropertiesText.h"

using namespace filefunc;

TEST(PropertiesText, NumbersAndSizes) {
  EXPECT_EQ(ThousandsText(0), L"0");
  EXPECT_EQ(ThousandsText(999), L"999");
  EXPECT_EQ(ThousandsText(1000), L"1,000");
  EXPECT_EQ(ThousandsText(1234567), L"1,234,567");
  EXPECT_EQ(ThousandsText(-1234), L"-1,234");
  EXPECT_EQ(ThousandsText(std::numeric_limits<int64_t>::min()), L"-9,223,372,036,854,775,808");
  EXPECT_EQ(SizeText(1234567), L"1,234,567 Bytes");
  EXPECT_EQ(SizeText(5), L"5 Bytes");
}

TEST(PropertiesText, TimesInTheProgramsEnglishForm) {
  Moment moment{2026, 12, 7, 1, 3, 31, 38};
  EXPECT_EQ(TimeText(moment), L"Mon Dec 07 03:31:38 2026");
  EXPECT_EQ(AccessedText(moment), L"Mon Dec 07");
  EXPECT_EQ(TimeText({999, 1, 1, 0, 23, 59, 59}), L"Sun Jan 01 23:59:59 0999");
  EXPECT_EQ(TimeText({2026, 13, 1, 0, 0, 0, 0}), std::nullopt);
  EXPECT_EQ(TimeText({2026, 1, 1, 7, 0, 0, 0}), std::nullopt);
  EXPECT_EQ(AccessedText(std::nullopt), L"(Unknown)");
  EXPECT_EQ(AccessedText(Moment{2026, 0, 1, 0, 0, 0, 0}), L"(Unknown)");
}

TEST(PropertiesText, TheTypeWhoseListNamesTheExtension) {
  std::vector<config::FileType> types = {{L"Text Files", L"*.txt; *.asc;*.DIZ", 0}, {L"Rich Text", L"*.rtf", 1},
                                         {L"All Files", L"*.*", 0}};
  EXPECT_EQ(FileTypeName(types, L".txt"), L"Text Files");
  EXPECT_EQ(FileTypeName(types, L".diz"), L"Text Files") << "any case, blanks ignored";
  EXPECT_EQ(FileTypeName(types, L".ASC"), L"Text Files");
  EXPECT_EQ(FileTypeName(types, L".RTF"), L"Rich Text");
  EXPECT_EQ(FileTypeName(types, L".t"), kUnknownType) << "a part of a pattern names nothing";
  EXPECT_EQ(FileTypeName(types, L""), kUnknownType);
  EXPECT_EQ(FileTypeName(types, L".log"), kUnknownType);
}
