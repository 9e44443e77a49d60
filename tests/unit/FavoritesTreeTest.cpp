#include <gtest/gtest.h>

#include <climits>
#include <set>
#include <string>
#include <utility>
#include <vector>

#include "favorites/FavoritesTree.h"
#include "unit/FavoritesSupport.h"

using namespace favorites;
using testing_support::ControlMirror;
using testing_support::ExpectWellFormed;
using testing_support::Outline;
using testing_support::TestCodePage;

namespace {

using Records = std::vector<std::pair<int32_t, std::string>>;

// "-" is a separator; every caption but "[Empty]" gets the path C:\<caption>.
Store StoreOf(const Records& records) {
  Store store{"T", {}};
  for (const auto& [level, caption] : records) {
    bool plain = caption != "-" && caption != "[Empty]";
    store.records.push_back({level, plain ? "C:\\" + caption : "", caption == "-" ? "[-- Separator --]" : caption});
  }
  return store;
}

Tree TreeOf(const Records& records) { return Tree::FromStore(StoreOf(records), TestCodePage()); }

NodeId Find(const Tree& tree, const std::wstring& text) {
  for (NodeId id : tree.InOrder())
    if (tree.At(id).text == text) return id;
  ADD_FAILURE() << "no node " << std::string(text.begin(), text.end());
  return kNoNode;
}

// Runs an edit and checks that a tree control following the edit's lists shows the
// same tree afterwards.
template <typename Command>
Edit Tracked(Tree& tree, Command command) {
  ControlMirror control(tree);
  Edit edit = command(tree);
  control.Apply(edit);
  EXPECT_EQ(control.Outline(), Outline(tree)) << "the edit's lists missed a change";
  ExpectWellFormed(tree);
  return edit;
}

// Folders d1, d2, ... with the favorite "leaf" at `depth`.
Tree Chain(int depth) {
  Records records;
  for (int level = 0; level + 1 < depth; ++level) records.push_back({level, "d" + std::to_string(level + 1)});
  records.push_back({depth - 1, "leaf"});
  return TreeOf(records);
}

const Records kSample = {{0, "F"}, {1, "a"}, {1, "b"}, {0, "G"}, {1, "[Empty]"}, {0, "c"}, {0, "d"}};

}  // namespace

TEST(FavoritesTree, AnyLevelsGiveASoundTree) {
  struct {
    const char* what;
    Records records;
    std::wstring outline;
  } cases[] = {
      {"well-formed", {{0, "A"}, {1, "B"}, {1, "C"}, {0, "D"}}, L"T{A{B C} D}"},
      {"jump from 0 to 3", {{0, "A"}, {3, "B"}}, L"T{A{B}}"},
      {"first record deep", {{2, "A"}, {0, "B"}}, L"T{A B}"},
      {"jump past a closed branch", {{0, "A"}, {1, "B"}, {0, "C"}, {2, "D"}}, L"T{A{B} C{D}}"},
      {"negative, 100 and beyond", {{0, "A"}, {-1, "X"}, {100, "Y"}, {INT_MAX, "Z"}, {1, "B"}}, L"T{A{B}}"},
      {"under a separator", {{0, "-"}, {1, "A"}}, L"T{- A}"},
      {"under a placeholder", {{0, "F"}, {1, "[Empty]"}, {2, "A"}}, L"T{F{A}}"},
      {"placeholder with siblings", {{0, "[Empty]"}, {0, "A"}}, L"T{A}"},
      {"two placeholders", {{0, "F"}, {1, "[Empty]"}, {1, "[Empty]"}}, L"T{F{[Empty]}}"},
      {"nothing shown", {{100, "X"}}, L"T{[Empty]}"},
  };
  for (const auto& c : cases) {
    Tree tree = TreeOf(c.records);
    EXPECT_EQ(Outline(tree), c.outline) << c.what;
    ExpectWellFormed(tree);
  }
  EXPECT_EQ(Chain(kMaxDepth).ToStore().records.back().level, kMaxLevel);
  EXPECT_EQ(Chain(kMaxDepth + 1).RecordCount(), kMaxDepth) << "level 100 is left out";
}

TEST(FavoritesTree, SavingReproducesTheStoreTheMenuWrote) {
  std::vector<std::string> stores{DefaultStoreBytes()};
  for (const wchar_t* file : {L"C:\\a.txt", L"D:\\R&D notes.txt", L"Untitled01.txt"})
    stores.push_back(AddFavorite(stores.back(), file, TestCodePage()).bytes);
  Store nested = StoreOf({{0, "F"}, {1, "a"}, {1, "G"}, {2, "[Empty]"}, {0, "-"}, {0, "b"}});
  nested.title = "Caf\xE9s";
  stores.push_back(WriteStore(nested));
  for (const std::string& bytes : stores)
    EXPECT_EQ(WriteStore(Tree::FromStore(ReadStore(bytes).store, TestCodePage()).ToStore()), bytes);
}

TEST(FavoritesTree, NewItemsGoWhereTheSelectionSays) {
  struct {
    const char* what;
    std::wstring selected;
    bool expanded;
    std::wstring outline;
  } cases[] = {
      {"root", L"T", false, L"T{F{a b} G{[Empty]} c d -}"},
      {"favorite in a folder: the folder's end", L"a", false, L"T{F{a b -} G{[Empty]} c d}"},
      {"expanded folder", L"F", true, L"T{F{a b -} G{[Empty]} c d}"},
      {"collapsed folder: after its siblings", L"F", false, L"T{F{a b} G{[Empty]} c d -}"},
      {"placeholder: taken over", L"[Empty]", false, L"T{F{a b} G{-} c d}"},
      {"expanded empty folder", L"G", true, L"T{F{a b} G{-} c d}"},
  };
  for (const auto& c : cases) {
    Tree tree = TreeOf(kSample);
    NodeId selected = Find(tree, c.selected), placeholder = Find(tree, L"[Empty]");
    tree.SetExpanded(selected, c.expanded);
    Edit edit = Tracked(tree, [&](Tree& t) { return t.NewSeparator(selected); });
    EXPECT_EQ(Outline(tree), c.outline) << c.what;
    EXPECT_EQ(edit.node == placeholder, c.outline.find(L"G{-}") != std::wstring::npos) << c.what;
  }

  Tree tree(TestCodePage());
  Edit favorite = Tracked(tree, [](Tree& t) { return t.NewFavorite(t.Root(), L"C:\\Docs\\a.txt"); });
  EXPECT_EQ(tree.At(favorite.node).path, L"C:\\Docs\\a.txt");
  Tracked(tree, [](Tree& t) { return t.NewFolder(t.Root()); });
  Edit inner = Tracked(tree, [&](Tree& t) { return t.NewFolder(Find(t, L"[Empty]")); });
  EXPECT_EQ(Outline(tree), L"Favorites{a.txt New Folder{New Folder{[Empty]}}}");
  EXPECT_TRUE(tree.At(inner.node).expanded);
}

TEST(FavoritesTree, FoldersStayWithinTheLevelsTheStoreShows) {
  // A folder's placeholder must stay at level 99 or above.
  struct {
    int chain;
    std::wstring selected;
    Refusal refusal;
  } cases[] = {{99, L"d98", Refusal::None},
               {99, L"leaf", Refusal::LevelLimit},
               {100, L"leaf", Refusal::LevelLimit}};
  for (const auto& c : cases) {
    Tree tree = Chain(c.chain);
    EXPECT_EQ(Tracked(tree, [&](Tree& t) { return t.NewFolder(Find(t, c.selected)); }).refusal, c.refusal) << c.chain;
  }
}

TEST(FavoritesTree, DeletingTheLastChildLeavesAPlaceholder) {
  Tree tree = TreeOf({{0, "F"}, {1, "a"}, {0, "b"}});
  Tracked(tree, [&](Tree& t) { return t.Delete(Find(t, L"a")); });
  EXPECT_EQ(Outline(tree), L"T{F{[Empty]} b}");
  EXPECT_EQ(tree.Delete(Find(tree, L"[Empty]")).refusal, Refusal::NotAllowed);
  EXPECT_EQ(tree.Delete(tree.Root()).refusal, Refusal::NotAllowed);
  Tracked(tree, [&](Tree& t) { return t.Delete(Find(t, L"F")); });
  Tracked(tree, [&](Tree& t) { return t.Delete(Find(t, L"b")); });
  EXPECT_EQ(Outline(tree), L"T{[Empty]}");
}

TEST(FavoritesTree, RenamingKeepsReservedTextsOutAndCutsLongOnes) {
  std::wstring forty(40, L'x'), seventy(70, L'y');
  struct {
    std::wstring node, text, result;
  } cases[] = {
      {L"a", L"renamed", L"renamed"}, {L"a", L"[Empty]", L"a"},         {L"a", L"[-- Separator --]", L"a"},
      {L"a", L"-", L"a"},             {L"a", L"", L"a"},                {L"a", seventy, seventy.substr(0, 63)},
      {L"F", L"Folder", L"Folder"},   {L"T", forty, forty.substr(0, 30)},
  };
  for (const auto& c : cases) {
    Tree tree = TreeOf({{0, "F"}, {1, "a"}});
    NodeId id = Find(tree, c.node);
    EXPECT_EQ(tree.Rename(id, c.text).Done(), c.result != c.node);
    EXPECT_EQ(tree.At(id).text, c.result);
  }
  Tree tree = TreeOf({{0, "-"}, {0, "F"}, {1, "[Empty]"}});
  EXPECT_FALSE(tree.CanRename(Find(tree, L"[-- Separator --]")));
  EXPECT_FALSE(tree.CanRename(Find(tree, L"[Empty]")));

  EXPECT_EQ(tree.SetProperties(Find(tree, L"F"), L"x", L"").refusal, Refusal::NotAllowed) << "a folder has none";
  NodeId a = Tracked(tree, [](Tree& t) { return t.NewFavorite(t.Root(), L"C:\\a"); }).node;
  EXPECT_TRUE(tree.SetProperties(a, L"[Empty]", L"C:\\b").Done());
  EXPECT_EQ(tree.At(a).text + L" " + tree.At(a).path, L"a C:\\b") << "the caption follows the rename rules";
  EXPECT_EQ(tree.SetProperties(a, L"b", L"C:\\" + std::wstring(253, L'p')).refusal, Refusal::PathTooLong);
  EXPECT_EQ(tree.NewFavorite(a, L"C:\\" + std::wstring(253, L'p')).refusal, Refusal::PathTooLong);
}

TEST(FavoritesTree, DropsMoveByZone) {
  struct {
    const char* what;
    std::wstring drag, target;
    DropZone zone;
    std::wstring outline;
  } cases[] = {
      {"top: before the target", L"c", L"a", DropZone::Top, L"T{F{c a b} G{[Empty]} d}"},
      {"middle of a favorite: before it", L"c", L"b", DropZone::Middle, L"T{F{a c b} G{[Empty]} d}"},
      {"bottom of a last child: after its folder", L"c", L"b", DropZone::Bottom, L"T{F{a b} c G{[Empty]} d}"},
      {"bottom of an expanded folder: first child", L"c", L"F", DropZone::Bottom, L"T{F{c a b} G{[Empty]} d}"},
      {"middle of a folder: last child", L"c", L"F", DropZone::Middle, L"T{F{a b c} G{[Empty]} d}"},
      {"middle of an empty folder", L"c", L"G", DropZone::Middle, L"T{F{a b} G{c} d}"},
      {"bottom of a collapsed folder", L"d", L"G", DropZone::Bottom, L"T{F{a b} G{[Empty]} d c}"},
      {"bottom of the last row", L"F", L"d", DropZone::Bottom, L"T{G{[Empty]} c d F{a b}}"},
      {"onto itself", L"c", L"c", DropZone::Middle, L"T{F{a b} G{[Empty]} c d}"},
  };
  for (const auto& c : cases) {
    Tree tree = TreeOf(kSample);
    tree.SetExpanded(Find(tree, L"F"), true);
    NodeId drag = Find(tree, c.drag), target = Find(tree, c.target);
    EXPECT_TRUE(tree.CanDrop(drag, target, c.zone)) << c.what;
    EXPECT_TRUE(Tracked(tree, [&](Tree& t) { return t.Drop(drag, target, c.zone); }).Done()) << c.what;
    EXPECT_EQ(Outline(tree), c.outline) << c.what;
  }

  Tree tree = TreeOf({{0, "F"}, {1, "a"}, {0, "b"}});
  Tracked(tree, [&](Tree& t) { return t.Drop(Find(t, L"a"), Find(t, L"b"), DropZone::Bottom); });
  EXPECT_EQ(Outline(tree), L"T{F{[Empty]} b a}") << "the only child dragged out leaves a placeholder";
}

TEST(FavoritesTree, DropsThatWouldBreakTheTreeAreRefused) {
  struct {
    const char* what;
    std::wstring drag, target;
    DropZone zone;
  } cases[] = {
      {"into its own subtree", L"F", L"a", DropZone::Middle}, {"before the root", L"c", L"T", DropZone::Top},
      {"onto a placeholder", L"c", L"[Empty]", DropZone::Middle}, {"a placeholder", L"[Empty]", L"c", DropZone::Top},
      {"the root", L"T", L"c", DropZone::Top},
  };
  for (const auto& c : cases) {
    Tree tree = TreeOf(kSample);
    tree.SetExpanded(Find(tree, L"F"), true);
    EXPECT_EQ(tree.Drop(Find(tree, c.drag), Find(tree, c.target), c.zone).refusal, Refusal::NotAllowed) << c.what;
    EXPECT_EQ(Outline(tree), L"T{F{a b} G{[Empty]} c d}") << c.what;
  }

  Tree deep = Chain(kMaxDepth);
  NodeId folder = Tracked(deep, [](Tree& t) { return t.NewFolder(t.Root()); }).node;
  EXPECT_EQ(deep.Drop(folder, Find(deep, L"leaf"), DropZone::Top).refusal, Refusal::LevelLimit);

  Tree full = TreeOf({{0, "F"}, {1, "a"}});
  full.AddDroppedFiles(std::vector<std::wstring>(kMaxRecords - 2, L"C:\\f"));
  EXPECT_EQ(full.Drop(Find(full, L"a"), full.Root(), DropZone::Middle).refusal, Refusal::StoreFull)
      << "the folder's new placeholder would be record 4001";
}

TEST(FavoritesTree, DropZonesComeFromTheRowGeometry) {
  struct {
    int y;
    DropZone zone;
  } cases[] = {{100, DropZone::Top}, {104, DropZone::Top}, {105, DropZone::Middle}, {113, DropZone::Middle},
               {114, DropZone::Bottom}, {117, DropZone::Bottom}};
  for (const auto& c : cases) EXPECT_EQ(ZoneAt(c.y, 100, 118), c.zone) << c.y;
  EXPECT_EQ(AutoScrollStep(0, 300, 11), -1);
  EXPECT_EQ(AutoScrollStep(289, 300, 11), 0);
  EXPECT_EQ(AutoScrollStep(290, 300, 11), 1);
}

TEST(FavoritesTree, ShellDropsAddAtTheEndUpToTheirLimits) {
  std::vector<std::wstring> files;
  for (int i = 0; i < 4100; ++i) files.push_back(L"C:\\f" + std::to_wstring(i));
  Tree tree(TestCodePage());
  Tree::DropResult dropped;
  Tracked(tree, [&](Tree& t) { return (dropped = t.AddDroppedFiles(files)).edit; });
  EXPECT_EQ(dropped.added, 3999);
  EXPECT_EQ(tree.RecordCount(), 3999) << "the placeholder went";
  EXPECT_EQ(tree.AddDroppedFiles({L"C:\\x", L"C:\\y"}).added, 1) << "the store takes 4000 records";
  EXPECT_EQ(tree.NewSeparator(tree.Root()).refusal, Refusal::StoreFull);

  Tree small = TreeOf({{0, "a"}});
  dropped = small.AddDroppedFiles({L"C:\\" + std::wstring(300, L'l'), L"C:\\b.txt"});
  EXPECT_EQ(dropped.added, 1);
  EXPECT_EQ(dropped.tooLong, 1);
  EXPECT_EQ(dropped.firstTooLong, L"C:\\" + std::wstring(300, L'l')) << "the message names the file";
  EXPECT_EQ(Outline(small), L"T{a b.txt}");
}

TEST(FavoritesTree, VerifyMarksMissingFilesUntilReloaded) {
  Tree tree = TreeOf({{0, "F"}, {1, "a"}, {1, "b"}, {0, "-"}, {0, "c"}, {0, "G"}, {1, "[Empty]"}});
  std::set<std::wstring> existing = {L"C:\\a"};
  auto exists = [&](const std::wstring& path) { return existing.count(path) > 0; };
  EXPECT_EQ(tree.VerifyFiles(exists), (std::vector<NodeId>{Find(tree, L"b"), Find(tree, L"c")}));
  existing = {L"C:\\a", L"C:\\b", L"C:\\c"};
  EXPECT_TRUE(tree.VerifyFiles(exists).empty());
  EXPECT_EQ(tree.Image(Find(tree, L"b")), NodeImage::Missing) << "a mark goes only with a reload";
  EXPECT_EQ(tree.FilesToOpen(tree.Root(), exists), std::vector<std::wstring>{L"C:\\a"}) << "marked ones are skipped";
}

TEST(FavoritesTree, CommandStatesFollowTheSelection) {
  Tree tree = TreeOf({{0, "F"}, {1, "a"}, {0, "-"}, {0, "G"}, {1, "[Empty]"}});
  struct {
    std::wstring node;
    bool canDelete, properties, open;
    std::wstring openCaption, pathPanel;
  } cases[] = {
      {L"T", false, false, true, L"&Open All", L""},       {L"G", true, false, false, L"&Open All", L""},
      {L"a", true, true, true, L"&Open", L"C:\\a"},         {L"[-- Separator --]", true, false, false, L"&Open", L""},
      {L"[Empty]", false, false, false, L"&Open", L""},
  };
  for (const auto& c : cases) {
    CommandStates states = tree.Commands(Find(tree, c.node));
    EXPECT_EQ((std::vector<bool>{states.deleteEnabled, states.propertiesEnabled, states.openEnabled}),
              (std::vector<bool>{c.canDelete, c.properties, c.open}))
        << std::string(c.node.begin(), c.node.end());
    EXPECT_EQ(states.openCaption, c.openCaption);
    EXPECT_EQ(tree.PathPanelText(Find(tree, c.node)), c.pathPanel);
  }
  StatusCounts counts = tree.Counts();
  EXPECT_EQ((std::vector<int>{counts.files, counts.folders, counts.separators}), (std::vector<int>{1, 2, 1}))
      << "the root is no folder of its own";
}
