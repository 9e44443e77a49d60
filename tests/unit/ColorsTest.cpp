#include <gtest/gtest.h>

#include "config/Colors.h"

using config::FormatColor;
using config::ParseColor;

TEST(Colors, AcceptsNamesInAnyCaseAndBothHexPrefixes) {
  EXPECT_EQ(ParseColor(L"clWhite"), 0xFFFFFFu);
  EXPECT_EQ(ParseColor(L"CLBTNFACE"), 0xFF00000Fu);
  EXPECT_EQ(ParseColor(L"clbtnface"), 0xFF00000Fu);
  EXPECT_EQ(ParseColor(L"0x00D8D8D8"), 0xD8D8D8u);
  EXPECT_EQ(ParseColor(L"$00D8D8D8"), 0xD8D8D8u);
  EXPECT_EQ(ParseColor(L"$00d8d8d8"), 0xD8D8D8u);
  EXPECT_EQ(ParseColor(L"255"), 0xFFu);
  EXPECT_EQ(ParseColor(L"clNone"), 0x1FFFFFFFu);
  EXPECT_EQ(ParseColor(L"clMenuBar"), 0xFF00001Eu);
  EXPECT_EQ(ParseColor(L"clHotLight"), 0xFF00001Au);
}

TEST(Colors, GarbageGivesNoValueInsteadOfCrashing) {
  for (const wchar_t* text : {L"", L"$", L"0x", L"$123456789", L"clWhit", L"red", L"12abc", L"$GG", L"-",
                              L"99999999999999999999", L"0x1FFFFFFFFF"})
    EXPECT_FALSE(ParseColor(text).has_value()) << "input: " << std::string(text, text + wcslen(text));
}

TEST(Colors, WritesNamesWhenTheColourHasOneElseDollarAndEightDigits) {
  EXPECT_EQ(FormatColor(0xFFFFFF), L"clWhite");
  EXPECT_EQ(FormatColor(0xFF00000F), L"clBtnFace");
  EXPECT_EQ(FormatColor(0xD8D8D8), L"$00D8D8D8");
  EXPECT_EQ(FormatColor(0x0000AB), L"$000000AB");
}

TEST(Colors, EveryNameRoundTrips) {
  for (const wchar_t* name : {L"clBlack", L"clMaroon", L"clGreen", L"clOlive", L"clNavy", L"clPurple", L"clTeal",
                              L"clGray", L"clSilver", L"clRed", L"clLime", L"clYellow", L"clBlue", L"clFuchsia",
                              L"clAqua", L"clWhite", L"clMoneyGreen", L"clSkyBlue", L"clCream", L"clMedGray",
                              L"clNone", L"clDefault", L"clScrollBar", L"clInfoBk", L"clGradientActiveCaption"}) {
    auto value = ParseColor(name);
    ASSERT_TRUE(value.has_value());
    EXPECT_EQ(FormatColor(*value), name);
  }
}

TEST(Colors, SystemColoursResolveThroughTheSystemTable) {
  auto sys = [](int index) -> std::uint32_t { return 0x010000u * static_cast<std::uint32_t>(index); };
  EXPECT_EQ(config::ResolveColor(0xFF00000F, sys), 0x0F0000u);
  EXPECT_EQ(config::ResolveColor(0x123456, sys), 0x123456u);
}
