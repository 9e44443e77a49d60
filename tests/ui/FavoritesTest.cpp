// The Favorites menu over Favorites.dat: made when missing, added to, opened from, and
// a foreign file left alone.
#include <windows.h>

#include "favorites/FavoritesStore.h"
#include "ui/Harness.h"

using namespace uitest;

namespace {

// The captions, with " (off)" after a greyed item.
std::vector<std::wstring> Items(HMENU menu) {
  std::vector<std::wstring> items = Captions(menu);
  for (size_t i = 0; i < items.size(); ++i) {
    bool grayed = ::GetMenuState(menu, static_cast<UINT>(i), MF_BYPOSITION) & MF_GRAYED;
    if (items[i] != L"-" && grayed) items[i] += L" (off)";
  }
  return items;
}

class FavoritesTest : public MainFormTest {
 protected:
  // The menu as it opens.
  HMENU Menu() {
    form().IsCommandEnabled(command::FavoritesMenuEdit);
    return form().MenuOf(command::kFavoritesMenu);
  }
  std::wstring Store() { return folder_ / L"Favorites.dat"; }
};

TEST_F(FavoritesTest, TheStoreIsMadeAddedToAndOpenedFrom) {
  Start();
  EXPECT_EQ(ReadBytes(Store()).size(), 793u);
  EXPECT_EQ(Items(Menu()), (std::vector<std::wstring>{L"&Add to Favorites\tCtrl+D", L"&Edit Favorites...", L"-",
                                                      L"[Empty] (off)"}));
  std::wstring notes = MakeFile(L"R&D notes.txt", "notes");
  std::wstring plan = MakeFile(L"plan.txt", "plan");
  form().documents().OpenDocument(notes);
  form().RunCommand(command::FavoritesMenuAdd);
  EXPECT_EQ(ReadBytes(Store()).size(), 793u) << "the placeholder was replaced";
  form().documents().OpenDocument(plan);
  form().RunCommand(command::FavoritesMenuAdd);
  EXPECT_EQ(ReadBytes(Store()).size(), 1309u);
  EXPECT_EQ(Items(Menu()), (std::vector<std::wstring>{L"&Add to Favorites\tCtrl+D", L"&Edit Favorites...", L"-",
                                                      L"R&&D notes.txt", L"plan.txt"}));

  form().RunCommand(command::FileMenuCloseAll);
  UINT first = ::GetMenuItemID(Menu(), 3);
  form().RunCommand(first);
  EXPECT_EQ(form().documents().Active().fileName, notes);
  EXPECT_EQ(EditorText(), L"notes");
}

TEST_F(FavoritesTest, AForeignStoreIsNamedAndLeftAlone) {
  std::string bytes = favorites::DefaultStoreBytes();
  bytes[13] = 2;  // version 2
  WriteBytes(Store(), bytes);
  prompter_.ExpectMessage(L"The file format of Favorites.dat has changed.\n\nManually delete the file.");
  Start();
  EXPECT_EQ(ReadBytes(Store()), bytes);
  EXPECT_EQ(::GetMenuItemCount(Menu()), 3);
  prompter_.ExpectMessage(L"The file format of Favorites.dat has changed.\n\nManually delete the file.");
  form().RunCommand(command::FavoritesMenuAdd);
  EXPECT_EQ(ReadBytes(Store()), bytes) << "nothing is added to a file of another format";
}

}  // namespace
