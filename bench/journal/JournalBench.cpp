// The recovery journal's cost on the window's thread: reading the document for an entry
// against a bare stream-out of the same document (the floor), and the disk work left to
// the writer's thread.
//   journal_bench <work folder>
#include <windows.h>
#include <commctrl.h>

#include <algorithm>
#include <cstdio>
#include <string>
#include <vector>

#include "app/AppContext.h"
#include "app/MainForm.h"
#include "common/BenchClock.h"
#include "common/BenchForm.h"
#include "config/IniFile_win.h"
#include "win/Prompt.h"

namespace {

using bench::BenchForm;
using bench::Now;

std::wstring PlainText(size_t characters) {
  std::wstring line = L"the quick brown fox jumps over the lazy dog, caf\u00e9 r\u00e9sum\u00e9 12345\r\n";
  std::wstring text;
  while (text.size() < characters) text += line;
  return text;
}

double Median(std::vector<double> values) {
  std::sort(values.begin(), values.end());
  return values[values.size() / 2];
}

}  // namespace

int wmain(int argc, wchar_t** argv) {
  if (argc < 2) {
    std::fwprintf(stderr, L"usage: journal_bench <work folder>\n");
    return 2;
  }
  std::wstring work = argv[1];
  if (work.back() != L'\\') work += L'\\';
  BenchForm bench(work);
  app::TMainForm& form = bench.form;
  double start = Now();
  form.journal().Start(work + L"Recovery\\");
  double opening = Now() - start;
  std::wprintf(L"opening an empty journal: %.2f ms\n", opening);
  std::wprintf(L"%-14ls %12ls %12ls %7ls %12ls\n", L"document", L"stream-out", L"journal UI", L"ratio", L"disk");

  struct Case {
    const wchar_t* name;
    size_t characters;
  };
  for (const Case& c : {Case{L"plain 100 KB", 100000}, Case{L"plain 1 MB", 1000000}, Case{L"plain 5 MB", 5000000},
                        Case{L"plain 20 MB", 20000000}}) {
    workspace::Documents& documents = form.documents();
    documents.NewDocument(0, L"txt");
    workspace::RichEditor& editor = documents.ActiveEditor();
    editor.StreamInText(PlainText(c.characters));
    std::vector<double> floor, ui, disk;
    for (int run = 0; run < 5; ++run) {
      start = Now();
      std::wstring out = editor.StreamOutText();
      floor.push_back(Now() - start);
      editor.SetModified(true);
      form.journal().Edited(documents.ActiveSlot);
      start = Now();
      form.journal().PostEdits();
      ui.push_back(Now() - start);
      start = Now();
      form.journal().Flush();
      disk.push_back(Now() - start);
    }
    std::wprintf(L"%-14ls %10.1fms %10.1fms %7.2f %10.1fms\n", c.name, Median(floor), Median(ui),
                 Median(ui) / Median(floor), Median(disk));
    std::fflush(stdout);
    editor.SetModified(false);
    form.RunCommand(command::FileMenuClose, command::Sender::Kind::Code);
  }
  form.journal().Close();
  return 0;
}
