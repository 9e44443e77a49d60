#include <gtest/gtest.h>

#include "config/Keys.h"
#include "unit/MemoryProfile.h"

namespace keys = config::keys;
using testing_support::MemoryProfile;

TEST(Profile, AbsentKeysGiveTheirDefaults) {
  MemoryProfile profile;
  EXPECT_EQ(profile.Read(keys::Width), 445);
  EXPECT_TRUE(profile.Read(keys::ShowToolBar));
  EXPECT_FALSE(profile.Read(keys::AlwaysOnTop));
  EXPECT_EQ(profile.Read(keys::EditorFont), L"Courier New");
  EXPECT_EQ(profile.Read(keys::RulerColor), 0xD8D8D8u);
}

TEST(Profile, IntegersFollowTheProfileRule) {
  MemoryProfile profile;
  profile.WriteText(L"Main", L"Width", L"abc");
  EXPECT_EQ(profile.Read(keys::Width), 0) << "a present value that does not begin with a digit reads as 0";
  profile.WriteText(L"Main", L"Width", L"-120");
  EXPECT_EQ(profile.Read(keys::Width), -120);
  profile.WriteText(L"Main", L"Width", L"  77px");
  EXPECT_EQ(profile.Read(keys::Width), 77);
  profile.WriteText(L"Main", L"Width", L"99999999999999999999");
  EXPECT_EQ(profile.Read(keys::Width), 2147483647);
  profile.WriteText(L"Main", L"Width", L"");
  EXPECT_EQ(profile.Read(keys::Width), 445);
}

TEST(Profile, FlagsCountAnyNonZeroValueAsOn) {
  MemoryProfile profile;
  profile.WriteText(L"Main", L"AlwaysOnTop", L"7");
  EXPECT_TRUE(profile.Read(keys::AlwaysOnTop));
  profile.Write(keys::AlwaysOnTop, false);
  EXPECT_EQ(profile.ReadText(L"Main", L"AlwaysOnTop", L"", 10), L"0");
}

TEST(Profile, TextIsCutToTheReadersBuffer) {
  MemoryProfile profile;
  profile.WriteText(L"Main", L"ToolBar", std::wstring(300, L'1'));
  EXPECT_EQ(profile.Read(keys::ToolBar).size(), 77u);
}

TEST(Profile, ColoursThatAreNeitherNameNorNumberReadAsTheDefault) {
  MemoryProfile profile;
  profile.WriteText(L"Main", L"RulerColor", L"sky blue-ish");
  EXPECT_EQ(profile.Read(keys::RulerColor), 0xD8D8D8u);
  profile.WriteText(L"Main", L"RulerColor", L"clRed");
  EXPECT_EQ(profile.Read(keys::RulerColor), 0x0000FFu);
  profile.Write(keys::RulerColor, 0x00ABCDEF);
  EXPECT_EQ(profile.ReadText(L"Main", L"RulerColor", L"", 50), L"$00ABCDEF");
}
