// libFuzzer target for Favorites.dat and everything that reads it. Not part of the
// build; from the repository root:
//   clang++ -std=c++17 -g -O1 -fsanitize=fuzzer,address,undefined -Isrc \
//     tests/fuzz/FavoritesStoreFuzz.cpp src/favorites/*.cpp src/win/Text.cpp -o favorites_fuzz
//   ./favorites_fuzz -max_len=8000 corpus/
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string>

#include "favorites/FavoritesMenuModel.h"
#include "favorites/FavoritesStore.h"
#include "favorites/FavoritesTree.h"

namespace {

favorites::CodePage Latin1() {
  favorites::CodePage codePage;
  codePage.decode = [](std::string_view bytes) {
    std::wstring text;
    for (char c : bytes) text += static_cast<wchar_t>(static_cast<unsigned char>(c));
    return text;
  };
  codePage.encode = [](std::wstring_view text) {
    std::string bytes;
    for (wchar_t c : text) bytes += c <= 0xFF ? static_cast<char>(c) : '?';
    return bytes;
  };
  return codePage;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  using namespace favorites;
  std::string bytes(reinterpret_cast<const char*>(data), size);
  ReadResult read = ReadStore(bytes);
  AddResult added = AddFavorite(bytes, L"C:\\fuzz.txt", Latin1());
  if (read.check != added.check) abort();
  if (read.check != StoreCheck::Ok) return 0;

  Tree tree = Tree::FromStore(read.store, Latin1());
  BuildMenuModel(tree);
  // Edits driven by the input's last bytes, on whatever the tree became.
  for (size_t i = size > 16 ? size - 16 : 0; i + 1 < size; i += 2) {
    std::vector<NodeId> nodes = tree.InOrder();
    NodeId a = nodes[data[i] % nodes.size()], b = nodes[data[i + 1] % nodes.size()];
    switch (data[i] % 4) {
      case 0: tree.Drop(a, b, static_cast<DropZone>(data[i + 1] % 3)); break;
      case 1: tree.Delete(a); break;
      case 2: tree.NewFolder(a); break;
      case 3: tree.SetExpanded(a, data[i + 1] & 1); break;
    }
  }
  std::string saved = WriteStore(tree.ToStore());
  std::string again = WriteStore(Tree::FromStore(ReadStore(saved).store, Latin1()).ToStore());
  if (saved != again) abort();
  return 0;
}
