// Building the Favorites menu and opening the favorites editor over a store of 4,000
// records: folders nested to depth 4, favorites and separators.
//   favorites_bench <work folder> [runs]
#include <windows.h>

#include <algorithm>
#include <cstdio>
#include <string>
#include <vector>

#include "common/BenchClock.h"
#include "common/BenchForm.h"
#include "favorites/FavoritesEditor_win.h"
#include "favorites/StoreFile_win.h"

namespace {

using bench::Now;

double Median(std::vector<double> values) {
  std::sort(values.begin(), values.end());
  return values[values.size() / 2];
}

std::string LargeStore() {
  favorites::Store store{"Favorites", {}};
  int n = 0;
  while (store.records.size() < static_cast<size_t>(favorites::kMaxRecords)) {
    int level = 0;
    for (; level < 4; ++level) store.records.push_back({level, "", "Folder " + std::to_string(n++)});
    for (int i = 0; i < 20 && store.records.size() < 4000u; ++i)
      store.records.push_back({level, "C:\\favorites\\file" + std::to_string(n++) + ".txt",
                               i == 10 ? "[-- Separator --]" : "file" + std::to_string(n) + ".txt"});
  }
  store.records.resize(favorites::kMaxRecords);
  return favorites::WriteStore(store);
}

}  // namespace

int wmain(int argc, wchar_t** argv) {
  if (argc < 2) {
    std::fprintf(stderr, "favorites_bench <work folder> [runs]\n");
    return 2;
  }
  std::wstring work = argv[1];
  if (work.back() != L'\\') work += L'\\';
  int runs = argc > 2 ? std::max(1, _wtoi(argv[2])) : 9;
  favorites::WriteStoreFile(work + L"Favorites.dat", LargeStore(), CREATE_ALWAYS);
  bench::BenchForm bench(work);

  std::vector<double> menu, shown, closed;
  for (int run = 0; run < runs; ++run) {
    double start = Now();
    bench.form.favorites().BuildFavoritesMenu();
    menu.push_back(Now() - start);

    double opened = 0;
    favorites::TFavoritesEditor::SetTestHook([&](favorites::TFavoritesEditor&) { opened = Now(); });
    start = Now();
    bench.form.RunCommand(command::FavoritesMenuEdit);
    double end = Now();
    shown.push_back(opened - start);
    closed.push_back(end - opened);
  }
  std::printf("4000 records, median of %d: menu built %.1f ms; editor loaded and shown %.1f ms; "
              "saved, closed and menu rebuilt %.1f ms\n",
              runs, Median(menu), Median(shown), Median(closed));
  return 0;
}
