#include <gtest/gtest.h>

#include "chrome/ToolBarItems.h"
#include "unit/MemoryProfile.h"

using namespace chrome;

namespace {
std::vector<int> Tags(const std::vector<PlannedButton>& row) {
  std::vector<int> tags;
  for (const PlannedButton& b : row) tags.push_back(b.tag);
  return tags;
}
}  // namespace

TEST(ToolBarItems, TheTableHasItsBoundariesAndCategories) {
  for (int position : {20, 37, 49, 56, 66}) EXPECT_EQ(ItemAt(position).kind, ItemKind::Boundary);
  int buttons = 0;
  for (int p = 0; p < kMaskLength; ++p)
    if (ItemAt(p).kind == ItemKind::Button) {
      EXPECT_EQ(ItemAt(p).tag, buttons) << "tags run 0..51 in mask order";
      ++buttons;
    }
  EXPECT_EQ(buttons, 52);
  EXPECT_STREQ(ItemAt(12).label, L"Properites");
  EXPECT_STREQ(ItemAt(12).hint, L"Properties");
}

TEST(ToolBarItems, DefaultMaskGivesTheDocumentedRow) {
  auto row = PlanToolBar(kDefaultMask, true);
  EXPECT_EQ(Tags(row), (std::vector<int>{0, 1, 3, 4, -1, 12, -1, 15, 16, 17, -1, 21, 22, -1, 36, -1, 40, 41, -1, 42,
                                         -1, 46, -1, 51}));
  EXPECT_TRUE(row[0].dropDown);
  EXPECT_TRUE(row[1].dropDown);
  EXPECT_TRUE(row[19].toggle);
  EXPECT_FALSE(row[2].dropDown);
}

TEST(ToolBarItems, EdgeMasks) {
  EXPECT_TRUE(PlanToolBar(std::wstring(77, L'0'), true).empty());
  std::wstring onlyExit(77, L'0');
  onlyExit[76] = L'1';
  EXPECT_EQ(Tags(PlanToolBar(onlyExit, true)), (std::vector<int>{-1, 51}));
  auto noMenus = PlanToolBar(kDefaultMask, false);
  EXPECT_FALSE(noMenus[0].dropDown);
  EXPECT_EQ(Tags(PlanToolBar(L"11", true)), (std::vector<int>{0, 1})) << "a short mask is padded with 0";
  EXPECT_EQ(NormalizeMask(L"1111111111"), L"1111111111" + std::wstring(67, L'0'));
}

TEST(ToolBarItems, SettingsPageWorksOnAPaddedCopy) {
  ToolBarMaskEditor editor(L"1111111111", true, true);
  EXPECT_EQ(editor.mask().size(), 77u);
  EXPECT_FALSE(editor.changed());
  editor.SelectCategory(3);
  auto lines = editor.Lines();
  ASSERT_EQ(lines.size(), 6u);
  EXPECT_EQ(lines[0].label, L"Find");
  EXPECT_FALSE(lines[0].ticked);
  editor.SelectAll();
  EXPECT_EQ(editor.mask().substr(50, 6), L"111111") << "Find, Find Next, both separators, Replace, Go to Line";
  EXPECT_TRUE(editor.changed());
  editor.Tick(1, false);
  EXPECT_EQ(editor.mask()[51], L'0');
  editor.ClearAll();
  EXPECT_EQ(editor.mask().substr(50, 6), L"000000");
  EXPECT_EQ(editor.mask()[49], L'0') << "boundaries are never touched";
}

TEST(ToolBarItems, RestoreDefaultAndTheTwoSwitches) {
  ToolBarMaskEditor editor(std::wstring(77, L'0'), false, false);
  EXPECT_TRUE(editor.dropDownMenusDisabled());
  editor.SetWrap(false);
  EXPECT_FALSE(editor.changed()) << "setting the same wrap state is no change";
  editor.RestoreDefault();
  EXPECT_EQ(editor.mask(), kDefaultMask);
  EXPECT_TRUE(editor.wrap());
  EXPECT_FALSE(editor.dropDownMenusDisabled());
  EXPECT_TRUE(editor.changed());
}

TEST(ToolBarItems, OkStoresThePaddedMaskAndTheSwitches) {
  testing_support::MemoryProfile profile;
  profile.WriteText(L"DirHistory", L"Dir0", L"C:\\Docs\\");
  ToolBarMaskEditor untouched(L"1111111111", true, true);
  EXPECT_FALSE(StoreToolBarSettings(profile, untouched)) << "nothing changed: no rebuild";
  EXPECT_EQ(profile.ReadText(L"Main", L"ToolBar", L"", 78), L"1111111111" + std::wstring(67, L'0'));
  EXPECT_EQ(profile.ReadText(L"Main", L"ToolBarMenus", L"", 10), L"1");
  EXPECT_TRUE(profile.HasSection(L"DirHistory"));

  ToolBarMaskEditor editor(L"1111111111", true, true);
  editor.SetDropDownMenusDisabled(true);
  editor.SetWrap(false);
  EXPECT_TRUE(StoreToolBarSettings(profile, editor));
  EXPECT_EQ(profile.ReadText(L"Main", L"ToolBarMenus", L"", 10), L"0");
  EXPECT_EQ(profile.ReadText(L"Main", L"ToolBarWrap", L"", 10), L"0");
  EXPECT_FALSE(profile.HasSection(L"DirHistory"));
}
