#include <gtest/gtest.h>

#include <climits>
#include <cstdint>
#include <random>
#include <string>
#include <vector>

#include "favorites/FavoritesMenuModel.h"
#include "favorites/FavoritesTree.h"
#include "unit/FavoritesSupport.h"

using namespace favorites;
using testing_support::ExpectWellFormed;
using testing_support::TestCodePage;

namespace {

std::vector<std::string> Seeds() {
  const std::string separator = "[-- Separator --]";
  return {DefaultStoreBytes(),
          WriteStore({"Favorites",
                      {{0, "C:\\a.txt", "a"}, {0, "", "F"}, {1, "", separator}, {1, "C:\\b.txt", "R&D"}, {1, "", "G"},
                       {2, "", "[Empty]"}, {0, "", separator}, {0, "D:\\c", "c"}}}),
          WriteStore({std::string(255, 't'), {{0, std::string(255, 'p'), std::string(255, 'c')}}})};
}

const int32_t kBoundaries[] = {0, 1, -1, 2, 98, 99, 100, 101, 3999, 4000, 4001, INT_MAX, INT_MIN};

std::string Mutate(std::string bytes, std::mt19937& random) {
  int steps = 1 + static_cast<int>(random() % 4);
  for (int i = 0; i < steps; ++i) {
    size_t at = bytes.empty() ? 0 : random() % bytes.size();
    switch (random() % 5) {
      case 0:
        if (!bytes.empty()) bytes[at] = static_cast<char>(random() & 0xFF);
        break;
      case 1:
        if (!bytes.empty()) bytes[at] = static_cast<char>(bytes[at] ^ (1 << (random() % 8)));
        break;
      case 2:
        bytes.resize(at);
        break;
      case 3:
        bytes.append(random() % (2 * kRecordSize), static_cast<char>(random() & 0xFF));
        break;
      case 4: {
        // Count or a level, where the interesting values are.
        size_t field = random() % 2 ? kCountOffset : kHeaderSize + kRecordSize * (random() % 8);
        int32_t value = kBoundaries[random() % (sizeof kBoundaries / sizeof kBoundaries[0])];
        for (size_t b = 0; b < 4 && field + b < bytes.size(); ++b)
          bytes[field + b] = static_cast<char>((static_cast<uint32_t>(value) >> (8 * b)) & 0xFF);
        break;
      }
    }
  }
  return bytes;
}

void ExpectSoundMenu(const std::vector<MenuEntry>& entries) {
  if (entries.empty()) return;
  EXPECT_NE(entries.front().kind, MenuEntryKind::Separator);
  EXPECT_NE(entries.back().kind, MenuEntryKind::Separator);
  for (const MenuEntry& entry : entries) ExpectSoundMenu(entry.children);
}

// A few editing commands on whatever was read, chosen by the same generator.
void EditAtRandom(Tree& tree, std::mt19937& random) {
  std::vector<NodeId> nodes = tree.InOrder();
  auto any = [&] { return nodes[random() % nodes.size()]; };
  switch (random() % 5) {
    case 0: tree.NewFolder(any()); break;
    case 1: tree.NewFavorite(any(), L"C:\\x.txt"); break;
    case 2: tree.Delete(any()); break;
    case 3: tree.Drop(any(), any(), static_cast<DropZone>(random() % 3)); break;
    case 4: tree.SetExpanded(any(), random() % 2); break;
  }
}

}  // namespace

// Whatever the bytes, reading never fails, the tree is sound, and what the editor
// writes reads back to the same bytes.
TEST(FavoritesMutation, DamagedStoresNeverBreakTheReaders) {
  std::mt19937 random(20240613);
  std::vector<std::string> seeds = Seeds();
  int readable = 0;
  for (int i = 0; i < 20000; ++i) {
    std::string bytes = Mutate(seeds[i % seeds.size()], random);
    ReadResult read = ReadStore(bytes);
    AddResult added = AddFavorite(bytes, L"C:\\new.txt", TestCodePage());
    ASSERT_EQ(read.check, added.check);
    if (read.check != StoreCheck::Ok) continue;
    ++readable;
    if (added.outcome != AddOutcome::StoreFull) {
      ASSERT_EQ(ReadStore(added.bytes).store.records.back().path, "C:\\new.txt") << "iteration " << i;
      ASSERT_EQ(added.bytes.size() % kRecordSize, kHeaderSize % kRecordSize);
    }

    Tree tree = Tree::FromStore(read.store, TestCodePage());
    ExpectWellFormed(tree);
    ExpectSoundMenu(BuildMenuModel(tree).entries);
    for (int e = 0; e < 3; ++e) EditAtRandom(tree, random);
    ExpectWellFormed(tree);
    std::string saved = WriteStore(tree.ToStore());
    ASSERT_EQ(WriteStore(Tree::FromStore(ReadStore(saved).store, TestCodePage()).ToStore()), saved) << "iteration " << i;
    if (HasFailure()) break;
  }
  EXPECT_GT(readable, 5000) << "the mutations should leave many stores readable";
}
