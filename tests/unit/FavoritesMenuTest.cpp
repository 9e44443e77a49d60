#include <gtest/gtest.h>

#include <string>
#include <utility>
#include <vector>

#include "favorites/FavoritesMenuModel.h"
#include "unit/FavoritesSupport.h"

using namespace favorites;
using testing_support::TestCodePage;

namespace {

FavoritesMenu MenuOf(const std::string& title, const std::vector<Record>& records) {
  return BuildMenuModel(Tree::FromStore({title, records}, TestCodePage()));
}

// Entries in one line: captions, "-" for separators, "(x)" for a disabled one,
// submenus in braces.
std::wstring Shape(const std::vector<MenuEntry>& entries) {
  std::wstring text;
  for (const MenuEntry& entry : entries) {
    if (!text.empty()) text += L" ";
    text += entry.enabled ? entry.caption : L"(" + entry.caption + L")";
    if (entry.kind == MenuEntryKind::Folder) text += L"{" + Shape(entry.children) + L"}";
  }
  return text;
}

const Record kSeparator{0, "", "[-- Separator --]"};
Record At(int32_t level, Record record) {
  record.level = level;
  return record;
}

}  // namespace

TEST(FavoritesMenu, TheTitleTakesAnAccessKeyNoOtherMenuHas) {
  struct {
    std::wstring title;
    std::wstring caption;
  } cases[] = {
      {L"Favorites", L"F&avorites"}, {L"My Files", L"&My Files"}, {L"Food", L"Food"},
      {L"Do", L"Do"},                {L"", L""},                  {L"R&D", L"&R&&D"},
      {L"&Co", L"&&&Co"},            {L" fix", L" f&ix"},          {L"\u00F6l", L"&\u00F6l"},
  };
  for (const auto& c : cases) EXPECT_EQ(MenuAccessCaption(c.title), c.caption);
}

TEST(FavoritesMenu, TheTitleNamesTheCommandsAndAnEmptyStoreShowsADisabledPlaceholder) {
  FavoritesMenu menu = BuildMenuModel(Tree::FromStore(ReadStore(DefaultStoreBytes()).store, TestCodePage()));
  EXPECT_EQ((std::vector<std::wstring>{menu.menuCaption, menu.addCaption, menu.addHint, menu.editCaption,
                                       menu.editHint, menu.sideBarCaption, menu.sideBarHint}),
            (std::vector<std::wstring>{L"F&avorites", L"&Add to Favorites", L"Add the document to the Favorites.",
                                       L"&Edit Favorites...", L"Edit the list of Favorites.", L"Favorites",
                                       L"View Favorites in the Side Bar."}));
  EXPECT_TRUE(menu.separatorShown);
  EXPECT_EQ(Shape(menu.entries), L"([Empty])");
  EXPECT_EQ(menu.entries[0].kind, MenuEntryKind::Placeholder);

  menu = MenuOf("R&D", {{0, "C:\\R&D notes.txt", "R&D notes"}});
  EXPECT_EQ(Shape(menu.entries), L"R&&D notes") << "ampersands show literally";
  EXPECT_EQ(menu.entries[0].hint, L"C:\\R&D notes.txt");
  EXPECT_EQ(menu.addCaption, L"&Add to R&&D");
  EXPECT_EQ(menu.addHint, L"Add the document to the R&D.") << "hints are no menu captions";
  EXPECT_EQ(MenuOf("", {}).menuCaption, L"F&avorites") << "a blank title would leave the menu bar item blank";
}

TEST(FavoritesMenu, DeeperRecordsMakeSubmenusAndLevel100IsHidden) {
  FavoritesMenu menu = MenuOf("T", {{0, "C:\\a", "a"}, {0, "C:\\f", "F"}, {1, "", "G"}, {2, "C:\\b", "b"},
                                    {100, "C:\\h", "hidden"}, {1, "C:\\c", "c"}, {0, "", "H"}, {1, "", "[Empty]"}});
  EXPECT_EQ(Shape(menu.entries), L"a F{G{b} c} H{([Empty])}");
  const MenuEntry& folder = menu.entries[1];
  EXPECT_EQ(folder.image, kMenuFolderImage);
  EXPECT_EQ(folder.children[0].image, kMenuFolderImage) << "a submenu inside a submenu";
  EXPECT_EQ(folder.children[0].children[0].image, kMenuDocumentImage);
  EXPECT_EQ(menu.entries[0].image, kMenuDocumentImage);
  EXPECT_EQ(menu.entries[2].children[0].image, kMenuNoImage);
}

TEST(FavoritesMenu, SeparatorsNeverStandFirstLastOrTogether) {
  Record a{0, "C:\\a", "a"}, b{0, "C:\\b", "b"};
  struct {
    const char* what;
    std::vector<Record> records;
    std::wstring shape;
    bool separatorShown;
  } cases[] = {
      {"at the start and end", {kSeparator, a, kSeparator}, L"a", true},
      {"in a row", {a, kSeparator, kSeparator, kSeparator, b}, L"a - b", true},
      {"in a submenu",
       {At(0, a), At(1, kSeparator), At(1, b), At(1, kSeparator), At(1, kSeparator), At(1, a), At(1, kSeparator)},
       L"a{b - a}", true},
      {"nothing but separators", {kSeparator, kSeparator}, L"", false},
      {"nothing shown: the collection is empty", {At(100, a)}, L"([Empty])", true},
  };
  for (const auto& c : cases) {
    FavoritesMenu menu = MenuOf("T", c.records);
    EXPECT_EQ(Shape(menu.entries), c.shape) << c.what;
    EXPECT_EQ(menu.separatorShown, c.separatorShown) << c.what;
  }
}
