// Times the text commands on large documents against the moves of text that no
// implementation can avoid: loading the result into a rich-edit control, and taking
// the text out of one. Run it under Wine (see bench/README.md); it prints one line per
// measurement and writes the lines it sorted for the comparison with GNU sort.
#include <windows.h>
#include <commctrl.h>
#include <objbase.h>

#include <cstdio>
#include <fstream>
#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "app/AppContext.h"
#include "command/CommandIds.h"
#include "app/MainForm.h"
#include "config/IniFile_win.h"
#include "dialogs/ReplaceFormIds.h"
#include "textcmd/TextRules_win.h"
#include "textcmd/Transforms.h"
#include "win/Encoding.h"
#include "win/MessageLoop.h"
#include "workspace/RichEditor_win.h"

namespace {

double Now() {
  LARGE_INTEGER counter, frequency;
  ::QueryPerformanceCounter(&counter);
  ::QueryPerformanceFrequency(&frequency);
  return static_cast<double>(counter.QuadPart) / static_cast<double>(frequency.QuadPart);
}

double Time(const std::function<void()>& work) {
  double start = Now();
  work();
  return Now() - start;
}

class QuietPrompter : public win::Prompter {
 public:
  win::Answer Message(const win::MessageRequest&) override { return win::Answer::Ok; }
  bool OpenFile(win::FileRequest&) override { return false; }
  bool SaveFile(win::FileRequest&) override { return false; }
  bool PickColor(win::ColorRequest&) override { return false; }
  bool PickFont(win::FontRequest&) override { return false; }
  std::wstring BrowseFolder(const win::FolderRequest&) override { return std::wstring(); }
  bool Print(win::PrintRequest&) override { return false; }
};

// A deterministic mix of words in both cases.
class Words {
 public:
  std::wstring Next() {
    static const wchar_t* const kWords[] = {L"alpha", L"Bravo", L"CHARLIE", L"delta", L"Echo", L"foxtrot",
                                            L"Golf", L"hotel", L"India", L"juliet", L"KILO", L"lima",
                                            L"Mike", L"november", L"Oscar", L"papa", L"Quebec", L"romeo"};
    state_ = state_ * 6364136223846793005ULL + 1442695040888963407ULL;
    return kWords[(state_ >> 33) % (sizeof(kWords) / sizeof(kWords[0]))];
  }
  unsigned Below(unsigned n) {
    state_ = state_ * 6364136223846793005ULL + 1442695040888963407ULL;
    return static_cast<unsigned>((state_ >> 33) % n);
  }

 private:
  unsigned long long state_ = 12345;
};

// About `size` characters in lines of 50, each holding `word` once when given.
std::wstring Document(size_t size, const std::wstring& word) {
  Words words;
  std::wstring text;
  text.reserve(size + 64);
  while (text.size() < size) {
    std::wstring line = word.empty() ? std::wstring() : word + L" ";
    while (line.size() < 48) line += words.Next() + L" ";
    line.resize(48);
    text += line;
    text += L"\r\n";
  }
  return text;
}

// Loading into a bare control: hidden and 10 pixels wide as made, or given the size
// of a document's editor, which makes the control lay the text out as a shown one must.
double StreamIntoBareControl(HWND parent, const std::wstring& text, HWND sizedLike = nullptr) {
  HWND bare = workspace::RichEditor::Create(parent, 9999, true);
  workspace::RichEditor editor(bare);
  editor.SetMaxLength(20'971'520);
  if (sizedLike) {
    RECT r;
    ::GetWindowRect(sizedLike, &r);
    ::SetWindowPos(bare, nullptr, 0, 0, r.right - r.left, r.bottom - r.top, SWP_NOMOVE | SWP_NOZORDER);
  }
  double seconds = Time([&] { editor.StreamInText(text); });
  ::DestroyWindow(bare);
  return seconds;
}

void Report(const char* name, double seconds, double baseline, double laidOut) {
  std::printf("%-30s %6.2f s | bare %6.2f s, ratio %4.2f | laid out %6.2f s, ratio %4.2f\n", name, seconds, baseline,
              seconds / baseline, laidOut, seconds / laidOut);
  std::fflush(stdout);
}

class Bench {
 public:
  explicit Bench(const std::wstring& folder) {
    ::CreateDirectoryW(folder.c_str(), nullptr);
    context_.paths = config::AppPaths::ForFolders(folder, folder);
    ini_ = std::make_unique<config::IniFile>(context_.paths.iniPath);
    context_.profile = ini_.get();
    context_.prompter = &prompter_;
    context_.now = [] {
      SYSTEMTIME now;
      ::GetLocalTime(&now);
      return now;
    };
    form_ = std::make_unique<app::TMainForm>(context_);
    form_->Create();
    form_->Show(SW_SHOW);
    while (form_->FirstTickPending()) {
      win::MessageLoop::PumpPending();
      ::Sleep(5);
    }
  }
  ~Bench() {
    if (form_->hwnd()) {
      form_->documents().ActiveEditor().SetModified(false);
      ::DestroyWindow(form_->hwnd());
    }
  }

  // The document as the user has it before a command: loaded, laid out and painted.
  void Load(const std::wstring& text) {
    form_->documents().ReplaceActiveEditor([&](workspace::RichEditor& editor) { editor.StreamInText(text); });
    form_->documents().ActiveEditor().SetModified(false);
    ::UpdateWindow(form_->hwnd());
    win::MessageLoop::PumpPending();
  }

  // A case or line command over the whole document, against taking its text out
  // and loading it into a fresh control.
  void WholeDocument(const char* name, unsigned command, const std::wstring& text) {
    Load(text);
    form_->documents().ActiveEditor().SetSelection(0, -1);
    double seconds = Time([&] { form_->RunCommand(command); });
    std::wstring result;
    double out = Time([&] { result = form_->documents().ActiveEditor().StreamOutText(); });
    HWND panel = ::GetParent(form_->documents().ActiveEditor().hwnd());
    Report(name, seconds, out + StreamIntoBareControl(panel, result),
           out + StreamIntoBareControl(panel, result, form_->documents().ActiveEditor().hwnd()));
  }

  void ReplaceAll(const std::wstring& text, const wchar_t* search, const wchar_t* with) {
    Load(text);
    form_->documents().ActiveEditor().SetSelection(0, 0);
    form_->RunCommand(command::SearchMenuReplace);
    HWND dialog = form_->ReplaceDialog();
    ::SetDlgItemTextW(dialog, IDC_REPLACE_SEARCH, search);
    ::SetDlgItemTextW(dialog, IDC_REPLACE_WITH, with);
    double seconds = Time([&] {
      ::SendMessageW(dialog, WM_COMMAND, MAKEWPARAM(IDC_REPLACE_EVERYWHERE, BN_CLICKED),
                     reinterpret_cast<LPARAM>(::GetDlgItem(dialog, IDC_REPLACE_EVERYWHERE)));
    });
    ::ShowWindow(dialog, SW_HIDE);
    std::wstring result = form_->documents().ActiveEditor().StreamOutText();
    HWND panel = ::GetParent(form_->documents().ActiveEditor().hwnd());
    Report("Replace All, 100,000 matches", seconds, StreamIntoBareControl(panel, result),
           StreamIntoBareControl(panel, result, form_->documents().ActiveEditor().hwnd()));
  }

  // What the choice between a change in place and a fresh control rests on.
  void InPlaceCosts() {
    for (size_t size : {size_t{1'000'000}, size_t{5'000'000}}) {
      std::wstring text = Document(size, L"");
      for (long removed : {16L, 65'536L, 262'144L}) {
        Load(text);
        workspace::RichEditor& editor = form_->documents().ActiveEditor();
        editor.SetSelection(100'000, 100'000 + removed);
        double seconds = Time([&] { editor.ReplaceSelection(L"x", false); });
        std::printf("in place, %zu characters: removing %7ld %8.3f s\n", size, removed, seconds);
      }
      Load(text);
      std::wstring piece = Document(262'144, L"");
      form_->documents().ActiveEditor().SetSelection(100'000, 100'000);
      double inserting = Time([&] { form_->documents().ActiveEditor().ReplaceSelection(piece, false); });
      std::printf("in place, %zu characters: inserting %7zu %8.3f s\n", size, piece.size(), inserting);
      double loading = StreamIntoBareControl(form_->hwnd(), text, form_->documents().ActiveEditor().hwnd());
      std::printf("loading %zu characters laid out %8.3f s (%.2f ms per thousand)\n", text.size(), loading,
                  loading * 1e6 / static_cast<double>(text.size()));
      std::fflush(stdout);
    }
  }

 private:
  QuietPrompter prompter_;
  std::unique_ptr<config::IniFile> ini_;
  app::AppContext context_;
  std::unique_ptr<app::TMainForm> form_;
};

// The sort alone over a million lines, and the same lines for GNU sort.
void SortMillionLines(const std::wstring& folder) {
  Words words;
  std::vector<std::wstring> lines;
  lines.reserve(1'000'000);
  for (int i = 0; i < 1'000'000; ++i) {
    std::wstring line;
    unsigned count = 1 + words.Below(4);
    for (unsigned w = 0; w < count; ++w) line += (w ? L" " : L"") + words.Next();
    line += std::to_wstring(words.Below(100000));
    lines.push_back(std::move(line));
  }
  std::ofstream out(win::ToUtf8(folder) + "\\sort-lines.txt", std::ios::binary);
  for (const std::wstring& line : lines) out << win::ToUtf8(line) << '\n';
  out.close();
  double seconds = Time([&] { textcmd::SortLinesByKeys(lines, textcmd::AppendSortKey); });
  std::vector<std::wstring> sample(lines.begin(), lines.begin() + 100'000);
  double compared = Time([&] { textcmd::SortLines(sample, textcmd::CompareNoCase); });
  std::printf("sort of 1,000,000 lines by sort keys %8.2f s\n", seconds);
  std::printf("(by CompareStringW, 100,000 lines    %8.2f s)\n", compared);
  std::fflush(stdout);
}

}  // namespace

int wmain(int argc, wchar_t** argv) {
  std::wstring folder = argc > 1 ? argv[1] : L"C:\\twk-bench";
  std::wstring only = argc > 2 ? argv[2] : L"";
  ::CoInitializeEx(nullptr, COINIT_APARTMENTTHREADED);
  INITCOMMONCONTROLSEX controls{sizeof(controls), ICC_WIN95_CLASSES | ICC_BAR_CLASSES | ICC_TAB_CLASSES};
  ::InitCommonControlsEx(&controls);
  if (only.empty() || only == L"sort") SortMillionLines(folder);
  if (only == L"sort") return 0;
  Bench bench(folder);
  if (only.empty() || only == L"inplace") bench.InPlaceCosts();
  if (only.empty() || only == L"replace") bench.ReplaceAll(Document(5'000'000, L"needle"), L"needle", L"pin");
  if (only.empty() || only == L"case") {
    std::wstring text = Document(5'000'000, L"");
    bench.WholeDocument("Lower Case, 5 MB", command::FormatMenuLowerCase, text);
    bench.WholeDocument("Capitalize, 5 MB", command::FormatMenuCapitalize, text);
    bench.WholeDocument("Invert Case, 5 MB", command::FormatMenuInvertCase, text);
    bench.WholeDocument("Sort Lines, 5 MB", command::FormatMenuSort, text);
  }
  ::CoUninitialize();
  return 0;
}
