// The Settings dialog's rules without windows: the file-type editor and the one pass
// that writes the file on OK.
#include <gtest/gtest.h>

#include "dialogs/SettingsModel.h"
#include "unit/MemoryProfile.h"

using namespace dialogs;
using config::FileType;
using testing_support::MemoryProfile;

namespace {
std::vector<FileType> Types(int count) {
  std::vector<FileType> types;
  for (int i = 0; i < count; ++i) types.push_back({L"Type " + std::to_wstring(i), L"*.t" + std::to_wstring(i), 0});
  return types;
}
}  // namespace

TEST(FileTypeList, NewIsDisabledAtFifteenEntriesAndEnabledAgainAfterADelete) {
  FileTypeList list(Types(14));
  EXPECT_TRUE(list.Enabled().add);
  ASSERT_TRUE(list.Add());
  EXPECT_EQ(list.entries().back().name, L"New Type");
  EXPECT_EQ(FileTypeList::LineText(list.entries().back()), L"New Type (*.*)");
  EXPECT_EQ(list.selected(), 14) << "the new entry is selected";
  EXPECT_FALSE(list.Enabled().add);
  EXPECT_FALSE(list.Add()) << "a sixteenth entry is refused";
  EXPECT_EQ(list.entries().size(), 15u);
  list.Remove();
  EXPECT_TRUE(list.Enabled().add);
}

TEST(FileTypeList, DeletingKeepsThePositionOrMovesToTheNewLastLine) {
  FileTypeList list(Types(3));
  list.Select(1);
  list.Remove();
  EXPECT_EQ(list.selected(), 1);
  EXPECT_EQ(list.entries()[1].name, L"Type 2");
  list.Remove();  // the last line
  EXPECT_EQ(list.selected(), 0) << "the new last line is selected";
  list.Remove();  // the only line
  EXPECT_TRUE(list.entries().empty());
  EXPECT_EQ(list.selected(), -1);
  FileTypeList::Enabling e = list.Enabled();
  EXPECT_FALSE(e.remove || e.moveUp || e.moveDown || e.fields);
  EXPECT_TRUE(e.add);
  list.Remove();  // nothing selected: nothing happens
  EXPECT_TRUE(list.entries().empty());
}

TEST(FileTypeList, MovesKeepTheEntrySelectedAndStopAtTheEnds) {
  FileTypeList list(Types(3));
  EXPECT_EQ(list.selected(), 0) << "the first line is selected when the list is not empty";
  EXPECT_FALSE(list.Enabled().moveUp);
  EXPECT_TRUE(list.Enabled().moveDown);
  list.MoveDown();
  list.MoveDown();
  EXPECT_EQ(list.selected(), 2);
  EXPECT_EQ(list.entries()[2].name, L"Type 0");
  EXPECT_FALSE(list.Enabled().moveDown);
  list.MoveDown();
  EXPECT_EQ(list.entries()[2].name, L"Type 0");
  list.MoveUp();
  EXPECT_EQ(list.selected(), 1);
  EXPECT_EQ(list.entries()[1].name, L"Type 0");
  list.Select(7);
  EXPECT_EQ(list.selected(), -1);
  EXPECT_FALSE(list.Enabled().moveUp || list.Enabled().moveDown);
}

TEST(FileTypeList, LeavingTheFieldsTurnsCommasIntoSemicolons) {
  FileTypeList list(Types(2));
  list.Select(1);
  EXPECT_EQ(list.StoreFields(L"Logs", L"*.log,*.out, *.err"), L"*.log;*.out; *.err");
  EXPECT_EQ(FileTypeList::LineText(list.entries()[1]), L"Logs (*.log;*.out; *.err)");
  list.SetFormat(1);
  EXPECT_EQ(list.entries()[1].format, 1);
  list.Select(-1);
  list.StoreFields(L"Lost", L"*.x");
  EXPECT_EQ(list.entries()[0].name, L"Type 0") << "with no selection nothing is stored";
}

TEST(SettingsFile, OkWithoutChangesLeavesAWrittenFileAsItWas) {
  MemoryProfile profile;
  profile.WriteText(L"Main", L"RulerColor", L"0x00D8D8D8");  // the shipped spelling
  profile.WriteText(L"Main", L"ShowSplash", L"7");            // any non-zero value is on
  WriteSettings(profile, ReadSettings(profile));
  int afterFirst = profile.writes;
  EXPECT_EQ(profile.ReadText(L"Main", L"RulerColor", L"", 50), L"0x00D8D8D8");
  EXPECT_EQ(profile.ReadText(L"Main", L"ShowSplash", L"", 50), L"7");
  EXPECT_EQ(profile.ReadText(L"Main", L"ToolBar", L"", 80).size(), 77u);
  EXPECT_EQ(profile.ReadText(L"FileTypes", L"Name1", L"?", 80), L"") << "no types: the terminator only";
  WriteSettings(profile, ReadSettings(profile));
  EXPECT_EQ(profile.writes, afterFirst) << "the second OK finds every key as it would write it";
}

TEST(SettingsFile, OkWritesTheChoicesAndErasesTheListsTheyDisable) {
  MemoryProfile profile;
  for (const wchar_t* section : {L"History", L"DirHistory", L"ReOpenLast"}) profile.WriteText(section, L"File0", L"a");
  SettingsValues values = ReadSettings(profile);
  values.hideReOpen = true;
  values.dropDownMenusDisabled = true;
  values.reOpenLast = false;
  values.tabButtons = true;
  values.tabsBelow = true;  // buttons are always above
  values.twelveHourClock = false;
  values.rulerColor = 0x0000FF;
  values.sideBarFont = {L"Tahoma", 10, config::kClNavy, true, false, true, false};
  values.fileTypes = {{L"Text", L"*.txt", 0}, {L"Rich", L"*.rtf", 1}};
  WriteSettings(profile, values);
  EXPECT_FALSE(profile.HasSection(L"History"));
  EXPECT_FALSE(profile.HasSection(L"DirHistory"));
  EXPECT_FALSE(profile.HasSection(L"ReOpenLast"));
  EXPECT_EQ(profile.ReadText(L"Main", L"FileTabStyle", L"", 9), L"1");
  EXPECT_EQ(profile.ReadText(L"Main", L"FileTabBelow", L"", 9), L"0");
  EXPECT_EQ(profile.ReadText(L"Main", L"ToolBarMenus", L"", 9), L"0");
  EXPECT_EQ(profile.ReadText(L"Main", L"TimeFormat", L"", 9), L"2");
  EXPECT_EQ(profile.ReadText(L"Main", L"RulerColor", L"", 50), L"clRed");
  EXPECT_EQ(profile.ReadText(L"SideBar", L"Font", L"", 50), L"Tahoma");
  EXPECT_EQ(profile.ReadText(L"SideBar", L"Color", L"", 50), L"clNavy");
  EXPECT_EQ(profile.ReadText(L"SideBar", L"Underline", L"", 9), L"1");
  EXPECT_EQ(profile.ReadText(L"FileTypes", L"Format2", L"", 9), L"1");
  EXPECT_TRUE(profile.Has(L"FileTypes", L"Name3"));
  EXPECT_EQ(profile.ReadText(L"FileTypes", L"Name3", L"?", 9), L"");
  EXPECT_EQ(ReadSettings(profile).fileTypes.size(), 2u);
}

TEST(SettingsFile, UntrustedValuesReadAsUsableSettings) {
  MemoryProfile profile;
  profile.WriteText(L"Main", L"Icon", L"4711");
  profile.WriteText(L"Main", L"RulerStyle", L"9");
  profile.WriteText(L"Editor", L"BGColor", L"clNoSuchColour");
  profile.WriteText(L"Main", L"ToolBar", L"1111111111");
  SettingsValues values = ReadSettings(profile);
  EXPECT_EQ(values.icon, 0);
  EXPECT_EQ(values.rulerUnits, 1);
  EXPECT_EQ(values.editorBackground, config::kClWhite);
  EXPECT_EQ(values.toolBarMask, L"1111111111" + std::wstring(67, L'0'));
}

TEST(SettingsFile, CustomColoursRoundTripWithTheirEmptyMarks) {
  MemoryProfile profile;
  CustomColors colors = ReadCustomColors(profile);
  EXPECT_EQ(colors[0], 0xFFFFFFFFu) << "absent entries are empty";
  profile.WriteText(L"CustomColors", L"ColorB", L"junk");
  EXPECT_EQ(ReadCustomColors(profile)[1], 0xFFFFFFFFu);
  colors[2] = 0x0000FF;
  WriteCustomColors(profile, colors);
  EXPECT_EQ(profile.ReadText(L"CustomColors", L"ColorC", L"", 20), L"0000FF");
  EXPECT_EQ(profile.ReadText(L"CustomColors", L"ColorP", L"", 20), L"FFFFFFFF");
  EXPECT_EQ(ReadCustomColors(profile), colors);
}
