// Times rich-text formatting on a large document under Wine: making the whole of a
// 5 MB rich-text document bold, and the refresh that mirrors the selection's
// formatting in the format bar on each selection change. Prints one line each.
#include <windows.h>

#include <algorithm>
#include <cstdio>
#include <fstream>
#include <functional>
#include <string>
#include <vector>

#include "common/BenchClock.h"
#include "common/BenchForm.h"
#include "command/CommandIds.h"
#include "win/MessageLoop.h"

namespace {

// About `bytes` of RTF text in paragraphs of words, every seventh word bold, every
// eleventh red, a size change every 13 words: many runs, as a real document has.
std::string MakeRtf(size_t bytes) {
  std::string rtf = "{\\rtf1\\ansi{\\fonttbl{\\f0 Courier New;}{\\f1 Tahoma;}}{\\colortbl;\\red200\\green0\\blue0;}\\f0\\fs20 ";
  static const char* const kWords[] = {"alpha", "bravo", "charlie", "delta", "echo", "foxtrot", "golf", "hotel"};
  unsigned state = 7;
  for (size_t word = 0; rtf.size() < bytes; ++word) {
    state = state * 1103515245u + 12345u;
    const char* text = kWords[(state >> 16) % 8];
    if (word % 7 == 0)
      rtf += std::string("{\\b ") + text + "} ";
    else if (word % 11 == 0)
      rtf += std::string("{\\cf1 ") + text + "} ";
    else if (word % 13 == 0)
      rtf += std::string("{\\f1\\fs28 ") + text + "} ";
    else
      rtf += std::string(text) + " ";
    if (word % 12 == 11) rtf += "\\par\n";
  }
  return rtf + "}";
}

double Median(std::vector<double> values) {
  std::sort(values.begin(), values.end());
  return values.empty() ? 0 : values[values.size() / 2];
}

}  // namespace

int wmain(int argc, wchar_t** argv) {
  std::wstring work = argc > 1 ? argv[1] : L".";
  bench::BenchForm bench(work);
  app::TMainForm& form = bench.form;
  win::MessageLoop::PumpPending();

  size_t kilobytes = argc > 2 ? static_cast<size_t>(_wtoi(argv[2])) : 5120;
  std::wstring path = work + L"\\format-bench.rtf";
  std::ofstream(std::string(path.begin(), path.end()), std::ios::binary) << MakeRtf(kilobytes << 10);
  double start = bench::Now();
  form.documents().OpenDocument(path);
  win::MessageLoop::PumpPending();
  std::printf("open a rich-text document of %zu KB        %9.1f ms\n", kilobytes, bench::Now() - start);

  workspace::RichEditor& editor = form.documents().ActiveEditor();
  long length = editor.TextLength();
  // Each measurement moves through the document at 200 places; the first pass also
  // brings Wine's layout of the text up to date and is reported apart.
  auto measure = [&](const char* what, long width, const std::function<void()>& refresh) {
    std::vector<double> times;
    for (int i = 0; i < 200; ++i) {
      long at = static_cast<long>((static_cast<long long>(length - width) * i) / 200);
      editor.SetSelection(at, at + width);
      double begin = bench::Now();
      refresh();
      times.push_back(bench::Now() - begin);
    }
    std::printf("%-44s %8.2f ms median, slowest %.2f ms\n", what, Median(times),
                *std::max_element(times.begin(), times.end()));
  };
  auto whole = [&] { form.documents().MemoSelectionChange(); };
  auto mirror = [&] { form.formatting().MemoSelectionChange(); };
  measure("whole refresh, caret move (first pass)", 0, whole);
  measure("whole refresh, caret move", 0, whole);
  measure("format bar mirroring alone, caret move", 0, mirror);
  measure("whole refresh, 40 characters selected", 40, whole);
  measure("format bar mirroring alone, 40 characters", 40, mirror);

  editor.SetSelection(0, -1);
  start = bench::Now();
  form.documents().MemoSelectionChange();
  std::printf("refresh with everything selected         %9.1f ms\n", bench::Now() - start);

  start = bench::Now();
  form.RunCommand(command::FormatMenuBold);
  std::printf("Bold on the whole document (with refresh) %9.1f ms\n", bench::Now() - start);
  start = bench::Now();
  form.RunCommand(command::FormatMenuBold);
  std::printf("Bold off again                           %9.1f ms\n", bench::Now() - start);

  for (int slot = 0; slot < workspace::kSlotCount; ++slot)
    if (auto* s = form.documents().Slot(slot)) s->editor.SetModified(false);
  ::DestroyWindow(form.hwnd());
  return 0;
}
