#include <gtest/gtest.h>

#include <set>

#include "format/FormatRules.h"

using namespace format;

TEST(FontSize, TypedTextIsADecimalNumberAndAnythingElseCountsAsZero) {
  EXPECT_EQ(ParseFontSize(L"14"), 14);
  EXPECT_EQ(ParseFontSize(L" 12 "), 12);
  EXPECT_EQ(ParseFontSize(L"-3"), -3);
  EXPECT_EQ(ParseFontSize(L"+9"), 9);
  for (const wchar_t* text : {L"", L"abc", L"12pt", L"1.5", L"-", L"0x10", L"1 2"}) EXPECT_EQ(ParseFontSize(text), 0);
  EXPECT_GT(ParseFontSize(L"99999999999999999999"), kMaxFontSize) << "too long for an int is still too large";
}

TEST(FontSize, OutsideOneTo1638IsReportedAndCorrectedToTheNearestBound) {
  struct Case {
    int typed, applied;
    bool reported;
  } cases[] = {{0, 1, true}, {-5, 1, true}, {1, 1, false}, {14, 14, false},
               {1638, 1638, false}, {1639, 1638, true}, {5000, 1638, true}};
  for (const Case& c : cases) {
    SizeChoice choice = CheckFontSize(c.typed);
    EXPECT_EQ(choice.size, c.applied) << c.typed;
    EXPECT_EQ(choice.outOfRange, c.reported) << c.typed;
  }
}

TEST(FontSize, LargerAndSmallerStopAtTheBounds) {
  EXPECT_EQ(StepFontSize(10, +1), 11);
  EXPECT_EQ(StepFontSize(10, -1), 9);
  EXPECT_EQ(StepFontSize(1638, +1), 1638);
  EXPECT_EQ(StepFontSize(1, -1), 1);
  EXPECT_EQ(StepFontSize(1637, +1), 1638);
  EXPECT_EQ(StepFontSize(2, -1), 1);
}

TEST(FontList, DropsSymbolAndVerticalFontsKeepsEachNameOnceSortedIgnoringCase) {
  std::vector<FontName> found = {{L"Wingdings", kSymbolCharSet}, {L"tahoma", 0},    {L"Arial", 204},
                                 {L"Arial", kAnsiCharSet},       {L"@MS Gothic", 128}, {L"Courier New", 161},
                                 {L"Marlett", kSymbolCharSet},   {L"Courier New", 238}};
  std::vector<FontName> list = FontList(found);
  ASSERT_EQ(list.size(), 3u);
  EXPECT_EQ(list[0].name, L"Arial");
  EXPECT_EQ(list[0].charSet, kAnsiCharSet) << "the ANSI character set wins over the first one met";
  EXPECT_EQ(list[1].name, L"Courier New");
  EXPECT_EQ(list[1].charSet, 161) << "without ANSI, the first one met";
  EXPECT_EQ(list[2].name, L"tahoma");
}

TEST(Alignment, TagsOfTheButtonsAndItemsWithLeftForNoTag) {
  EXPECT_EQ(AlignmentOfTag(0), Alignment::Left);
  EXPECT_EQ(AlignmentOfTag(1), Alignment::Right);
  EXPECT_EQ(AlignmentOfTag(2), Alignment::Center);
  EXPECT_EQ(AlignmentOfTag(-1), Alignment::Left);
  EXPECT_EQ(AlignmentOfTag(7), Alignment::Left);
}

TEST(Palette, FiveRowsOfEightCellsWithTheNamedThirdRowAndTheCustomColoursLast) {
  std::array<std::uint32_t, 16> custom{};
  for (size_t i = 0; i < 16; ++i) custom[i] = 0x010101u * static_cast<std::uint32_t>(i + 1);
  std::vector<PaletteCell> cells = PaletteLayout(custom);
  ASSERT_EQ(cells.size(), 40u);
  std::set<std::pair<int, int>> places;
  for (size_t i = 0; i < cells.size(); ++i) {
    EXPECT_EQ(cells[i].tag, static_cast<int>(i) + 1);
    EXPECT_EQ(cells[i].rect.width, 18);
    EXPECT_EQ(cells[i].rect.height, 16);
    places.insert({cells[i].rect.left, cells[i].rect.top});
    EXPECT_EQ(PaletteTagAt(cells[i].rect.left + 9, cells[i].rect.top + 8), cells[i].tag);
  }
  EXPECT_EQ(places.size(), 40u) << "no two cells share a place";
  auto at = [&](int tag) { return cells[static_cast<size_t>(tag - 1)]; };
  EXPECT_EQ(at(1).rect.left, 6);
  EXPECT_EQ(at(1).rect.top, 26);
  EXPECT_EQ(at(2).color, 0xFF0000u) << "blue as 00BBGGRR";
  EXPECT_EQ(at(3).color, 0x0000FFu) << "red";
  EXPECT_EQ(at(16).color, 0xC0C0C0u) << "silver";
  // The third row is not in tag order: P22 stands first, P17 sixth.
  EXPECT_EQ(at(22).rect.left, 6);
  EXPECT_EQ(at(22).rect.top, 62);
  EXPECT_EQ(at(22).color, 0x626262u);
  EXPECT_EQ(at(17).rect.left, 96);
  EXPECT_EQ(at(17).color, 0x0080FFu) << "RGB (255, 128, 0)";
  EXPECT_EQ(at(24).rect.left, 132);
  EXPECT_EQ(at(25).color, custom[0]);
  EXPECT_EQ(at(25).rect.top, 80);
  EXPECT_EQ(at(33).color, custom[8]);
  EXPECT_EQ(at(40).rect.left, 132);
  EXPECT_EQ(at(40).rect.top, 98);
}

TEST(Palette, PanelsAndGapsUnderThePointer) {
  EXPECT_EQ(PaletteTagAt(10, 10), kDefaultTag);
  EXPECT_EQ(PaletteTagAt(110, 12), kDefaultTag) << "the swatch belongs to the default panel";
  EXPECT_EQ(PaletteTagAt(70, 125), kMoreColorsTag);
  EXPECT_EQ(PaletteTagAt(2, 2), kNoTag);
  EXPECT_EQ(PaletteTagAt(10, 24), kNoTag) << "between the panel and the first row";
  EXPECT_EQ(PaletteTagAt(155, 140), kNoTag);
}

TEST(CustomColors, KeysAndTheTwoReadingsOfTheStoredText) {
  EXPECT_EQ(CustomColorKey(0), L"ColorA");
  EXPECT_EQ(CustomColorKey(15), L"ColorP");
  // The palette: 8 characters are cut to 6, so the empty-slot marker shows white.
  EXPECT_EQ(ParsePaletteColor(L"FFFFFFFF"), 0xFFFFFFu);
  EXPECT_EQ(ParsePaletteColor(L"FFFFFF"), 0xFFFFFFu);
  EXPECT_EQ(ParsePaletteColor(L"0000FF"), 0x0000FFu);
  EXPECT_EQ(ParsePaletteColor(L"ab12"), 0xAB12u);
  // The dialog: the marker is an empty slot.
  EXPECT_EQ(ParseDialogColor(L"FFFFFFFF"), kEmptyCustomColor);
  EXPECT_EQ(ParseDialogColor(L"00FF00"), 0x00FF00u);
  // Text a user broke reads as white or an empty slot instead of failing.
  for (const wchar_t* text : {L"", L"zz", L"12345G", L"123456789", L"1FFFFFF", L"-1"}) {
    EXPECT_EQ(ParsePaletteColor(text), 0xFFFFFFu);
    EXPECT_EQ(ParseDialogColor(text), kEmptyCustomColor);
  }
}

TEST(CustomColors, WrittenInUpperCaseWithAtLeastSixDigits) {
  EXPECT_EQ(FormatCustomColor(0), L"000000");
  EXPECT_EQ(FormatCustomColor(0xABCDEF), L"ABCDEF");
  EXPECT_EQ(FormatCustomColor(0x00FF), L"0000FF");
  EXPECT_EQ(FormatCustomColor(kEmptyCustomColor), L"FFFFFFFF");
  for (std::uint32_t color : {0u, 0x123456u, 0xFFFFFFu, kEmptyCustomColor})
    EXPECT_EQ(ParseDialogColor(FormatCustomColor(color)), color) << "round trip";
}
