#include <gtest/gtest.h>

#include <string>

#include "print/PrintKeys.h"
#include "print/PrintSettings.h"
#include "unit/MemoryProfile.h"

using namespace print;
using testing_support::MemoryProfile;

namespace {
std::wstring Stored(const MemoryProfile& profile, const wchar_t* section, const wchar_t* key) {
  return profile.ReadText(section, key, L"(absent)", 300);
}
}  // namespace

TEST(PrintSettings, AnEmptyFileGivesTheDefaults) {
  MemoryProfile profile;
  PrintSettings s = ReadPrintSettings(profile);
  EXPECT_EQ(s.margins.left, L"1.0");
  EXPECT_EQ(s.margins.right, L"1.0");
  EXPECT_EQ(s.margins.top, L"1.0");
  EXPECT_EQ(s.margins.bottom, L"1.0");
  EXPECT_EQ(s.orientation, Orientation::Portrait);
  EXPECT_EQ(s.font.name, L"Courier New");
  EXPECT_EQ(s.font.size, 10);
  EXPECT_EQ(s.font.color, config::kClBlack);
  EXPECT_FALSE(s.font.bold || s.font.italic || s.font.underline || s.font.strikeOut);
  EXPECT_TRUE(s.header);
  EXPECT_EQ(s.headerTexts.left, L"[FILENAME]");
  EXPECT_EQ(s.headerTexts.centre, L"");
  EXPECT_EQ(s.headerTexts.right, L"Page: [PAGENUM]");
  EXPECT_TRUE(s.footer);
  EXPECT_TRUE(s.footerTexts.IsEmpty());
}

TEST(PrintSettings, SavedSettingsReadBackAsTheyWere) {
  PrintSettings s;
  s.margins = {L"0.5", L"0.75", L"2", L"0.2"};
  s.orientation = Orientation::Landscape;
  s.font = {L"Lucida Console", 12, 0x00123456, true, false, true, false};
  s.header = false;
  s.headerTexts = {L"[DATE]", L"Draft", L""};
  s.footer = false;
  s.footerTexts = {L"", L"[PAGENUM] of [PAGES]", L"[TIME]"};
  MemoryProfile profile;
  SavePrintSettings(profile, s);
  PrintSettings back = ReadPrintSettings(profile);
  EXPECT_EQ(back.margins.left, L"0.5");
  EXPECT_EQ(back.margins.right, L"0.75");
  EXPECT_EQ(back.margins.top, L"2");
  EXPECT_EQ(back.margins.bottom, L"0.2");
  EXPECT_EQ(back.orientation, Orientation::Landscape);
  EXPECT_EQ(back.font.name, L"Lucida Console");
  EXPECT_EQ(back.font.size, 12);
  EXPECT_EQ(back.font.color, 0x00123456u);
  EXPECT_TRUE(back.font.bold);
  EXPECT_FALSE(back.font.italic);
  EXPECT_TRUE(back.font.underline);
  EXPECT_FALSE(back.font.strikeOut);
  EXPECT_FALSE(back.header);
  EXPECT_EQ(back.headerTexts.left, L"[DATE]");
  EXPECT_EQ(back.headerTexts.centre, L"Draft");
  EXPECT_FALSE(back.footer);
  EXPECT_EQ(back.footerTexts.centre, L"[PAGENUM] of [PAGES]");
  EXPECT_EQ(back.footerTexts.right, L"[TIME]");
}

TEST(PrintSettings, SaveSettingsWritesEveryKeyInTheFilesForms) {
  PrintSettings s;
  s.orientation = Orientation::Landscape;
  s.font.color = 0x00ABCDEF;
  s.font.italic = true;
  s.footer = false;
  s.footerTexts = {L"left", L"", L"right"};
  MemoryProfile profile;
  SavePrintSettings(profile, s);
  struct Row {
    const wchar_t* key;
    const wchar_t* value;
  } rows[] = {
      {L"LeftMargin", L"1.0"},   {L"RightMargin", L"1.0"},    {L"TopMargin", L"1.0"},
      {L"BottomMargin", L"1.0"}, {L"Orientation", L"1"},      {L"FontName", L"Courier New"},
      {L"FontSize", L"10"},      {L"FontColor", L"$00ABCDEF"}, {L"Bold", L"0"},
      {L"Italic", L"1"},         {L"Underline", L"0"},        {L"StrikeOut", L"0"},
      {L"Header", L"1"},         {L"HeaderL", L"[FILENAME]"}, {L"HeaderC", L""},
      {L"HeaderR", L"Page: [PAGENUM]"},
      {L"Footer", L"0"},  // switched off, and still its three texts are kept
      {L"FooterL", L"left"},     {L"FooterC", L""},           {L"FooterR", L"right"},
  };
  for (const Row& row : rows) EXPECT_EQ(Stored(profile, L"PrintDefaults", row.key), row.value) << row.key;
  s.font.color = config::kClBlack;
  s.orientation = Orientation::Portrait;
  SavePrintSettings(profile, s);
  EXPECT_EQ(Stored(profile, L"PrintDefaults", L"FontColor"), L"clBlack");
  EXPECT_EQ(Stored(profile, L"PrintDefaults", L"Orientation"), L"0");
}

TEST(PrintSettings, ValuesTheProgramCannotUseReadAsSafeOnes) {
  struct Row {
    const wchar_t* key;
    const wchar_t* value;
  } rows[] = {
      {L"LeftMargin", L"0"},   {L"RightMargin", L"abc"}, {L"TopMargin", L"-1"}, {L"BottomMargin", L""},
      {L"FontSize", L"0"},     {L"FontName", L"  "},     {L"FontColor", L"sky blue-ish"},
      {L"Orientation", L"2"},  {L"Header", L"x"},        {L"Footer", L"7"},
  };
  MemoryProfile profile;
  for (const Row& row : rows) profile.WriteText(L"PrintDefaults", row.key, row.value);
  PrintSettings s = ReadPrintSettings(profile);
  EXPECT_EQ(s.margins.left, L"0.2");
  EXPECT_EQ(s.margins.right, L"0.2");
  EXPECT_EQ(s.margins.top, L"0.2");
  EXPECT_EQ(s.margins.bottom, L"0.2");
  EXPECT_EQ(s.font.size, 10);
  EXPECT_EQ(s.font.name, L"Courier New");
  EXPECT_EQ(s.font.color, config::kClBlack);
  EXPECT_EQ(s.orientation, Orientation::Portrait) << "only 1 means landscape";
  EXPECT_FALSE(s.header) << "a present flag that is not a number reads as 0";
  EXPECT_TRUE(s.footer) << "any non-zero flag is on";
}

TEST(PrintSettings, FontSizesOutsideTheChoosersRangeReadAsTheDefault) {
  struct Row {
    const wchar_t* stored;
    int size;
  } rows[] = {{L"1", 1}, {L"0", 10}, {L"-12", 10}, {L"1638", 1638}, {L"1639", 10}, {L"99999999999", 10}};
  for (const Row& row : rows) {
    MemoryProfile profile;
    profile.WriteText(L"PrintDefaults", L"FontSize", row.stored);
    EXPECT_EQ(ReadPrintSettings(profile).font.size, row.size) << row.stored;
  }
}

TEST(PrintSettings, LongTextsAreCutToWhatTheirReadersHold) {
  MemoryProfile profile;
  profile.WriteText(L"PrintDefaults", L"FontName", std::wstring(40, L'F'));
  profile.WriteText(L"PrintDefaults", L"HeaderL", std::wstring(1000, L'h'));
  profile.WriteText(L"PrintDefaults", L"LeftMargin", std::wstring(1000, L'9'));
  PrintSettings s = ReadPrintSettings(profile);
  EXPECT_EQ(s.font.name, std::wstring(31, L'F'));
  EXPECT_EQ(s.headerTexts.left.size(), 259u);
  EXPECT_EQ(s.margins.left, std::wstring(259, L'9')) << "a number, however long, stands";
}

TEST(PrintJobTexts, PrintHandsOverOnlyTheLinesThatAreSwitchedOn) {
  LineTexts header{L"[FILENAME]", L"", L"Page: [PAGENUM]"};
  LineTexts footer{L"", L"[DATE]", L""};
  struct Row {
    bool header, footer;
  } rows[] = {{true, true}, {false, true}, {true, false}, {false, false}};
  for (const Row& row : rows) {
    MemoryProfile profile;
    profile.WriteText(L"Temp", L"HL", L"left over from a job that never ran");
    HandOverJobTexts(profile, row.header, header, row.footer, footer);
    for (const wchar_t* key : {L"HL", L"HC", L"HR"}) EXPECT_EQ(profile.Has(L"Temp", key), row.header) << key;
    for (const wchar_t* key : {L"FL", L"FC", L"FR"}) EXPECT_EQ(profile.Has(L"Temp", key), row.footer) << key;
    JobTexts job = TakeJobTexts(profile);
    EXPECT_EQ(job.HeaderOn(), row.header);
    EXPECT_EQ(job.FooterOn(), row.footer);
    EXPECT_FALSE(profile.HasSection(L"Temp")) << "the job erases the hand-over";
    if (row.header) {
      EXPECT_EQ(job.header.right, L"Page: [PAGENUM]");
    }
    if (row.footer) {
      EXPECT_EQ(job.footer.centre, L"[DATE]");
    }
  }
}

TEST(PrintJobTexts, ALineIsOnWhenOneOfItsTextsIsNotEmpty) {
  MemoryProfile profile;
  HandOverJobTexts(profile, true, {L"", L"", L""}, true, {L"", L"", L"x"});
  JobTexts job = TakeJobTexts(profile);
  EXPECT_FALSE(job.HeaderOn()) << "a ticked header with three empty texts draws nothing";
  EXPECT_TRUE(job.FooterOn());
}

TEST(PrintJobTexts, TheJobReadsAtMost79Characters) {
  MemoryProfile profile;
  HandOverJobTexts(profile, true, {std::wstring(260, L'a'), L"", L""}, false, {});
  EXPECT_EQ(TakeJobTexts(profile).header.left, std::wstring(79, L'a'));
  EXPECT_FALSE(TakeJobTexts(profile).HeaderOn()) << "a second job finds nothing";
}
