// What the side bar shows: the favorites view from a store as the reader finds it, the
// recent documents, Open All, the context menu, the font list and the pane's width.
#include <gtest/gtest.h>

#include "favorites/FavoritesStore.h"
#include "sidebar/SideBarModel.h"
#include "unit/FavoritesSupport.h"

using namespace sidebar;
using testing_support::TestCodePage;

namespace {

// "depth text picture path" per row, picture as F, D or E.
std::vector<std::wstring> Lines(const TreeContent& content) {
  std::vector<std::wstring> lines;
  for (const Row& row : content.rows) {
    wchar_t picture = row.picture == Picture::Folder ? L'F' : row.picture == Picture::Document ? L'D' : L'E';
    lines.push_back(std::to_wstring(row.depth) + L" " + row.text + L" " + picture + (row.path.empty() ? L"" : L" " + row.path));
  }
  return lines;
}

std::string StoreOf(std::string title, std::vector<favorites::Record> records) {
  return favorites::WriteStore({std::move(title), std::move(records)});
}

}  // namespace

TEST(SideBarFavorites, FoldersDocumentsAndPlaceholdersWithoutSeparators) {
  std::string bytes = StoreOf("My Files", {{0, "c:\\a.txt", "a.txt"},
                                           {0, "", "[-- Separator --]"},
                                           {0, "", "Work"},
                                           {1, "c:\\w\\b.txt", "b.txt"},
                                           {1, "", "[-- Separator --]"},
                                           {1, "", "Old"},
                                           {2, "", "[Empty]"},
                                           {0, "c:\\z.txt", "z.txt"}});
  TreeContent content = FavoritesContent(bytes, TestCodePage());
  EXPECT_EQ(content.header, L"My Files");
  EXPECT_EQ(Lines(content), (std::vector<std::wstring>{L"0 My Files F", L"1 a.txt D c:\\a.txt", L"1 Work F",
                                                       L"2 b.txt D c:\\w\\b.txt", L"2 Old F", L"3 [Empty] E",
                                                       L"1 z.txt D c:\\z.txt"}));
}

TEST(SideBarFavorites, AMissingForeignOrTornStoreShowsTheEmptyRoot) {
  std::vector<std::wstring> empty{L"0 Favorites F", L"1 [Empty] E"};
  EXPECT_EQ(Lines(FavoritesContent(std::nullopt, TestCodePage())), empty);
  std::string foreign = favorites::DefaultStoreBytes();
  foreign[13] = 2;
  EXPECT_EQ(Lines(FavoritesContent(foreign, TestCodePage())), empty);
  EXPECT_EQ(Lines(FavoritesContent(std::string("TWK"), TestCodePage())), empty);
  EXPECT_EQ(Lines(FavoritesContent(favorites::DefaultStoreBytes(), TestCodePage())), empty);
  // A count far beyond the records and a level that skips ahead give a sound tree.
  std::string lying = StoreOf("", {{0, "", "F"}, {7, "c:\\deep.txt", "deep"}});
  lying[favorites::kCountOffset] = '\x7F';
  EXPECT_EQ(Lines(FavoritesContent(lying, TestCodePage())),
            (std::vector<std::wstring>{L"0 Favorites F", L"1 F F", L"2 deep D c:\\deep.txt"}));
}

TEST(SideBarFavorites, OpenAllTakesTheExistingDocumentsOfAFolderAndItsSubfolders) {
  std::string bytes = StoreOf("T", {{0, "", "Work"},
                                    {1, "c:\\1.txt", "1"},
                                    {1, "", "Sub"},
                                    {2, "c:\\2.txt", "2"},
                                    {2, "c:\\gone.txt", "gone"},
                                    {0, "c:\\3.txt", "3"}});
  TreeContent content = FavoritesContent(bytes, TestCodePage());
  auto exists = [](const std::wstring& path) { return path != L"c:\\gone.txt"; };
  EXPECT_EQ(OpenAllPaths(content.rows, 1, exists), (std::vector<std::wstring>{L"c:\\1.txt", L"c:\\2.txt"}));
  EXPECT_EQ(OpenAllPaths(content.rows, 3, exists), (std::vector<std::wstring>{L"c:\\2.txt"}));
  EXPECT_EQ(OpenAllPaths(content.rows, 0, exists),
            (std::vector<std::wstring>{L"c:\\1.txt", L"c:\\2.txt", L"c:\\3.txt"}));
  EXPECT_TRUE(OpenAllPaths(content.rows, 99, exists).empty());
}

TEST(SideBarRecent, NewestFirstByName) {
  TreeContent content = RecentContent({{L"b.txt", L"c:\\x\\b.txt"}, {L"a.rtf", L"d:\\a.rtf"}});
  EXPECT_EQ(content.header, L"Recent Documents");
  EXPECT_EQ(Lines(content), (std::vector<std::wstring>{L"0 b.txt D c:\\x\\b.txt", L"0 a.rtf D d:\\a.rtf"}));
}

TEST(SideBarPopup, TheFirstItemFollowsViewAndNode) {
  EXPECT_EQ(PopupFor(View::Favorites, Picture::Folder).openCaption, L"Open All");
  EXPECT_EQ(PopupFor(View::Favorites, Picture::Document).openCaption, L"Open");
  EXPECT_FALSE(PopupFor(View::Favorites, Picture::Placeholder).openEnabled);
  EXPECT_TRUE(PopupFor(View::Favorites, std::nullopt).openEnabled);
  EXPECT_TRUE(PopupFor(View::Favorites, std::nullopt).treeItems);
  EXPECT_FALSE(PopupFor(View::RecentDocuments, Picture::Folder).treeItems);
  EXPECT_EQ(PopupFor(View::RecentDocuments, Picture::Document).openCaption, L"Open");
  EXPECT_EQ(PopupFor(View::FontChooser, std::nullopt).openCaption, L"&Choose");
}

TEST(SideBarFonts, AnItemIsAsHighAsItsTextWithinWhatAListHolds) {
  EXPECT_EQ(FontItemHeight(14), 16);
  EXPECT_EQ(FontItemHeight(900), 255) << "a list box item is at most 255 pixels high";
}

TEST(SideBarState, UnknownStatesLeaveTheSideBarClosed) {
  EXPECT_EQ(ViewFromState(2), View::RecentDocuments);
  EXPECT_EQ(ViewFromState(4), View::Closed);
  EXPECT_EQ(ViewFromState(-1), View::Closed);
}

TEST(SideBarWidth, StoredWidthsThatNoScreenShowsGiveTheDefault) {
  EXPECT_EQ(StoredWidth(150, 1024), 150);
  EXPECT_EQ(StoredWidth(0, 1024), kDefaultWidth);
  EXPECT_EQ(StoredWidth(22, 1024), kDefaultWidth);
  EXPECT_EQ(StoredWidth(100000, 1024), kDefaultWidth);
  EXPECT_EQ(StoredWidth(1024, 1024), 1024);
}

TEST(SideBarWidth, ThePaneKeepsItsMinimumAndTheEditorSomeRoom) {
  EXPECT_EQ(ShownWidth(91, 600), 91);
  EXPECT_EQ(ShownWidth(900, 600), 600 - kSplitterWidth - kMinEditorWidth);
  EXPECT_EQ(ShownWidth(91, 30), kMinWidth) << "a tiny page still shows the pane at its minimum";
  EXPECT_EQ(DraggedWidth(91, 40, false, 600), 131);
  EXPECT_EQ(DraggedWidth(91, 40, true, 600), 51) << "on the right, dragging right narrows the pane";
  EXPECT_EQ(DraggedWidth(91, -200, false, 600), kMinWidth);
}
