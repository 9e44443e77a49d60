// The stand-in notepad under Wine: its start-to-exit time against an empty program's,
// both started the same way, and the time from a stub's start until a running editor
// shows the handed-over document.
//   stub_bench [runs] [handovers]
// NOTEPAD.EXE, Tarnwick.exe and the stub_bench_* yardsticks are taken from this
// program's folder; everything else happens in scratch folders under %TEMP%.
#include <windows.h>

#include "common/BenchClock.h"
#include "common/ProcessWindow.h"

#include <algorithm>
#include <cstdio>
#include <string>
#include <vector>

namespace {

using bench::Now;

std::wstring OwnFolder() {
  wchar_t path[MAX_PATH] = L"";
  DWORD length = ::GetModuleFileNameW(nullptr, path, MAX_PATH);
  std::wstring folder(path, length);
  return folder.substr(0, folder.find_last_of(L'\\') + 1);
}

std::wstring MakeFolder(const wchar_t* name) {
  wchar_t temp[MAX_PATH] = L"";
  ::GetTempPathW(MAX_PATH, temp);
  std::wstring folder = std::wstring(temp) + name + std::to_wstring(::GetCurrentProcessId()) + L"\\";
  ::CreateDirectoryW(folder.c_str(), nullptr);
  return folder;
}

void RemoveFolder(const std::wstring& folder) {
  WIN32_FIND_DATAW data;
  HANDLE find = ::FindFirstFileW((folder + L"*").c_str(), &data);
  if (find != INVALID_HANDLE_VALUE) {
    do {
      if (!(data.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY)) ::DeleteFileW((folder + data.cFileName).c_str());
    } while (::FindNextFileW(find, &data));
    ::FindClose(find);
  }
  ::RemoveDirectoryW(folder.c_str());
}

void WriteFileBytes(const std::wstring& path, const std::string& bytes) {
  HANDLE file = ::CreateFileW(path.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr);
  DWORD written = 0;
  ::WriteFile(file, bytes.data(), static_cast<DWORD>(bytes.size()), &written, nullptr);
  ::CloseHandle(file);
}

std::string Ansi(const std::wstring& text) {
  int length = ::WideCharToMultiByte(CP_ACP, 0, text.c_str(), -1, nullptr, 0, nullptr, nullptr);
  std::string out(static_cast<size_t>(length), '\0');
  ::WideCharToMultiByte(CP_ACP, 0, text.c_str(), -1, out.data(), length, nullptr, nullptr);
  out.resize(out.size() - 1);
  return out;
}

HANDLE Launch(const std::wstring& exe, const std::wstring& arguments) {
  std::wstring commandLine = L"\"" + exe + L"\"" + (arguments.empty() ? L"" : L" " + arguments);
  STARTUPINFOW startup{sizeof(startup)};
  PROCESS_INFORMATION process{};
  if (!::CreateProcessW(exe.c_str(), commandLine.data(), nullptr, nullptr, FALSE, 0, nullptr, nullptr, &startup,
                        &process))
    return nullptr;
  ::CloseHandle(process.hThread);
  return process.hProcess;
}

// Milliseconds from CreateProcess until the process has ended.
double StartToExit(const std::wstring& exe, const std::wstring& arguments) {
  double start = Now();
  HANDLE process = Launch(exe, arguments);
  if (!process) return -1;
  ::WaitForSingleObject(process, 30000);
  double spent = Now() - start;
  ::CloseHandle(process);
  return spent;
}

struct Summary {
  double median, mean, low, high;
};

Summary Summarise(std::vector<double> values) {
  std::sort(values.begin(), values.end());
  double sum = 0;
  for (double v : values) sum += v;
  size_t n = values.size();
  double median = n % 2 ? values[n / 2] : (values[n / 2 - 1] + values[n / 2]) / 2;
  return {median, sum / static_cast<double>(n), values.front(), values.back()};
}

void Print(const char* what, const Summary& s) {
  std::printf("%-42s median %7.1f ms  mean %7.1f ms  min %7.1f ms  max %7.1f ms\n", what, s.median, s.mean, s.low,
              s.high);
}

struct TextSearch {
  const std::wstring* wanted;
  bool found;
};

BOOL CALLBACK FindEditorText(HWND hwnd, LPARAM data) {
  auto* search = reinterpret_cast<TextSearch*>(data);
  if (lstrcmpiW(bench::ClassOf(hwnd).c_str(), L"RICHEDIT50W") != 0) return TRUE;
  wchar_t text[128] = L"";
  ::SendMessageW(hwnd, WM_GETTEXT, 128, reinterpret_cast<LPARAM>(text));
  if (*search->wanted == text) {
    search->found = true;
    return FALSE;
  }
  return TRUE;
}

// Stub start to document shown, with the editor already running in `folder`.
struct HandOverTimes {
  std::vector<double> stubEnded, shown;
};

HandOverTimes HandOvers(const std::wstring& bin, const std::wstring& folder, int count) {
  HandOverTimes times;
  HANDLE editor = Launch(folder + L"Tarnwick.exe", L"");
  if (!editor) return times;
  HWND main = nullptr;
  for (double start = Now(); !main && Now() - start < 30000; ::Sleep(10))
    main = bench::FindProcessWindow(::GetProcessId(editor),
                                    [](HWND hwnd) { return lstrcmpiW(bench::ClassOf(hwnd).c_str(), L"TMainForm") == 0; });
  ::Sleep(1000);
  for (int i = 0; i < count && main; ++i) {
    std::wstring name = folder + L"handed over " + std::to_wstring(i) + L".txt";
    std::wstring text = L"document number " + std::to_wstring(i);
    WriteFileBytes(name, Ansi(text));
    double start = Now();
    HANDLE stub = Launch(bin + L"site\\NOTEPAD.EXE", L"\"" + name + L"\"");
    TextSearch wanted{&text, false};
    double ended = 0;
    while (!wanted.found && Now() - start < 10000) {
      if (!ended && ::WaitForSingleObject(stub, 0) == WAIT_OBJECT_0) ended = Now() - start;
      ::EnumChildWindows(main, &FindEditorText, reinterpret_cast<LPARAM>(&wanted));
      if (!wanted.found) ::Sleep(2);
    }
    ::WaitForSingleObject(stub, 10000);
    if (!ended) ended = Now() - start;
    if (wanted.found) {
      times.shown.push_back(Now() - start);
      times.stubEnded.push_back(ended);
    }
    ::CloseHandle(stub);
    // Let the hand-off start of the editor that the stub launched end before the next.
    ::Sleep(600);
  }
  if (main) ::PostMessageW(main, WM_CLOSE, 0, 0);
  if (::WaitForSingleObject(editor, 10000) != WAIT_OBJECT_0) ::TerminateProcess(editor, 1);
  ::CloseHandle(editor);
  return times;
}

}  // namespace

// One series of start-to-exit times; failed starts are counted, not timed.
struct Series {
  const char* what;
  std::wstring exe, arguments;
  std::vector<double> times;
  int failed = 0;
};

int wmain(int argc, wchar_t** argv) {
  int runs = argc > 1 ? _wtoi(argv[1]) : 60;
  int handOvers = argc > 2 ? _wtoi(argv[2]) : 20;
  const std::wstring bin = OwnFolder();
  const std::wstring empty = bin + L"stub_bench_empty.exe";

  // The stub's own cost: the "editor" it starts is the empty program.
  std::wstring windows = MakeFolder(L"twk-bench-windows-"), program = MakeFolder(L"twk-bench-program-");
  const std::wstring editor = program + L"Tarnwick.exe";
  ::CopyFileW(empty.c_str(), editor.c_str(), FALSE);
  WriteFileBytes(windows + L"NOTEPAD.TWK", Ansi(program) + "\r\n");
  ::SetEnvironmentVariableW(L"TARNWICK_WINDOWS_FOLDER", windows.c_str());
  const std::wstring argument = L"\"" + program + L"a long file name.txt\"";

  std::vector<Series> series = {
      {"empty program", empty, argument, {}},
      {"CreateProcess of the empty program", bin + L"stub_bench_create.exe", editor, {}},
      {"ShellExecute open of the empty program", bin + L"stub_bench_shell.exe", editor, {}},
      {"NOTEPAD.EXE with a file name", bin + L"site\\NOTEPAD.EXE", argument, {}},
      {"NOTEPAD.EXE without arguments", bin + L"site\\NOTEPAD.EXE", L"", {}},
  };
  for (int i = 0; i < 5; ++i)
    for (Series& one : series) StartToExit(one.exe, one.arguments);
  for (int i = 0; i < runs; ++i) {
    for (Series& one : series) {
      double spent = StartToExit(one.exe, one.arguments);
      if (spent < 0)
        ++one.failed;
      else
        one.times.push_back(spent);
      // The program a launcher started ends before the next measurement begins.
      ::Sleep(40);
    }
    ::DeleteFileW((program + L"param.dat").c_str());
  }
  std::printf("start to exit, %d runs each, interleaved, wineserver warm\n", runs);
  for (const Series& one : series) {
    if (one.times.empty()) continue;
    Print(one.what, Summarise(one.times));
    if (one.failed) std::printf("  (%d starts failed)\n", one.failed);
  }
  double emptyMedian = Summarise(series[0].times).median;
  for (size_t i = 1; i < series.size(); ++i)
    if (!series[i].times.empty())
      std::printf("%-42s %.2f x empty (medians)\n", series[i].what, Summarise(series[i].times).median / emptyMedian);

  std::wstring editorFolder = MakeFolder(L"twk-bench-editor-");
  ::CopyFileW((bin + L"Tarnwick.exe").c_str(), (editorFolder + L"Tarnwick.exe").c_str(), FALSE);
  WriteFileBytes(editorFolder + L"Tarnwick.ini", "[Main]\r\nShowSplash=0\r\n");
  WriteFileBytes(windows + L"NOTEPAD.TWK", Ansi(editorFolder) + "\r\n");
  HandOverTimes handOverTimes = HandOvers(bin, editorFolder, handOvers);
  for (const std::wstring& folder : {windows, program, editorFolder}) RemoveFolder(folder);
  if (handOverTimes.shown.empty()) {
    std::printf("no document was shown by the editor\n");
    return 1;
  }
  std::printf("\nhand-over to a running editor, %zu of %d shown\n", handOverTimes.shown.size(), handOvers);
  Print("stub start to stub exit", Summarise(handOverTimes.stubEnded));
  Print("stub start to document shown", Summarise(handOverTimes.shown));
  return 0;
}
