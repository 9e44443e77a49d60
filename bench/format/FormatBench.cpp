// Times rich-text formatting on a large document under Wine: making the whole of a
// 5 MB rich-text document bold, and the refresh that mirrors the selection's
// formatting in the format bar on each selection change. Prints one line each.
#include <windows.h>

#include <algorithm>
#include <cstdio>
#include <fstream>
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

  std::wstring path = work + L"\\format-5mb.rtf";
  std::ofstream(std::string(path.begin(), path.end()), std::ios::binary) << MakeRtf(5u << 20);
  double start = bench::Now();
  form.documents().OpenDocument(path);
  win::MessageLoop::PumpPending();
  std::printf("open the 5 MB rich-text document         %9.1f ms\n", bench::Now() - start);

  workspace::RichEditor& editor = form.documents().ActiveEditor();
  long length = editor.TextLength();
  std::vector<double> caret;
  for (int i = 0; i < 200; ++i) {
    long at = static_cast<long>((static_cast<long long>(length) * i) / 200);
    editor.SetSelection(at, at);
    start = bench::Now();
    form.documents().MemoSelectionChange();
    caret.push_back(bench::Now() - start);
  }
  std::printf("refresh on a caret move (median of 200)  %9.2f ms (slowest %.2f ms)\n", Median(caret),
              *std::max_element(caret.begin(), caret.end()));

  std::vector<double> words;
  for (int i = 0; i < 200; ++i) {
    long at = static_cast<long>((static_cast<long long>(length) * i) / 200);
    editor.SetSelection(at, at + 40);
    start = bench::Now();
    form.documents().MemoSelectionChange();
    words.push_back(bench::Now() - start);
  }
  std::printf("refresh on a 40-character selection      %9.2f ms (slowest %.2f ms)\n", Median(words),
              *std::max_element(words.begin(), words.end()));

  editor.SetSelection(0, -1);
  start = bench::Now();
  form.documents().MemoSelectionChange();
  std::printf("refresh with everything selected         %9.1f ms\n", bench::Now() - start);

  start = bench::Now();
  form.RunCommand(command::FormatMenuBold);
  std::printf("Bold on the whole document (with refresh)%9.1f ms\n", bench::Now() - start);
  start = bench::Now();
  form.RunCommand(command::FormatMenuBold);
  std::printf("Bold off again                           %9.1f ms\n", bench::Now() - start);

  for (int slot = 0; slot < workspace::kSlotCount; ++slot)
    if (auto* s = form.documents().Slot(slot)) s->editor.SetModified(false);
  ::DestroyWindow(form.hwnd());
  return 0;
}
