// Many small documents at once: the real Tarnwick.exe reopening the last run's
// documents (ReOpenLast) and taking a hand-off of as many names, timed until the last
// tab is there, with the longest time the window took to answer meanwhile and the
// memory it holds at the end.
//   manydocs_bench <folder> <Tarnwick.exe> [documents]
#include <windows.h>
#include <commctrl.h>
#include <psapi.h>
#include <richedit.h>

#include <algorithm>
#include <cstdio>
#include <cstring>
#include <string>

#include "common/BenchClock.h"
#include "common/ProcessWindow.h"

namespace {

using bench::Now;

void WriteFileBytes(const std::wstring& path, const std::string& bytes) {
  HANDLE file = ::CreateFileW(path.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, 0, nullptr);
  DWORD written = 0;
  ::WriteFile(file, bytes.data(), static_cast<DWORD>(bytes.size()), &written, nullptr);
  ::CloseHandle(file);
}

std::string Ansi(const std::wstring& text) {
  int size = ::WideCharToMultiByte(CP_ACP, 0, text.c_str(), -1, nullptr, 0, nullptr, nullptr);
  std::string out(static_cast<size_t>(size), '\0');
  ::WideCharToMultiByte(CP_ACP, 0, text.c_str(), -1, out.data(), size, nullptr, nullptr);
  out.resize(static_cast<size_t>(size > 0 ? size - 1 : 0));
  return out;
}

BOOL CALLBACK FindTabs(HWND child, LPARAM data) {
  if (bench::ClassOf(child) != WC_TABCONTROLW) return TRUE;
  *reinterpret_cast<HWND*>(data) = child;
  return FALSE;
}

struct Result {
  double allIn = 0, worstAnswer = 0;
  SIZE_T privateBytes = 0;
  bool complete = false;
};

// Starts the editor and waits for `count` tabs; with `handOff`, param.dat gets the
// names once the window is there.
Result Run(const std::wstring& exe, const std::wstring& folder, int count, const std::string& handOff) {
  Result result;
  std::wstring commandLine = L"\"" + exe + L"\"";
  STARTUPINFOW startup{sizeof(startup)};
  PROCESS_INFORMATION process{};
  double start = Now();
  if (!::CreateProcessW(exe.c_str(), commandLine.data(), nullptr, nullptr, FALSE, 0, nullptr, folder.c_str(), &startup,
                        &process))
    return result;
  auto isMain = [](HWND hwnd) { return bench::ClassOf(hwnd) == L"TMainForm" && ::IsWindowVisible(hwnd); };
  HWND main = nullptr, tabs = nullptr;
  while (!main && Now() - start < 30000) {
    main = bench::FindProcessWindow(process.dwProcessId, isMain);
    if (!main) ::Sleep(1);
  }
  if (main) ::EnumChildWindows(main, &FindTabs, reinterpret_cast<LPARAM>(&tabs));
  if (tabs && !handOff.empty()) {
    // Handed over once the window is up, as a second start would.
    start = Now();
    WriteFileBytes(folder + L"param.dat", handOff);
  }
  while (tabs && Now() - start < 300000) {
    double asked = Now();
    DWORD_PTR items = 0;
    if (!::SendMessageTimeoutW(tabs, TCM_GETITEMCOUNT, 0, 0, SMTO_NORMAL, 60000, &items)) break;
    result.worstAnswer = std::max(result.worstAnswer, Now() - asked);
    if (static_cast<int>(items) >= count) {
      result.complete = true;
      break;
    }
    ::Sleep(20);
  }
  result.allIn = Now() - start;
  PROCESS_MEMORY_COUNTERS_EX memory{};
  memory.cb = sizeof(memory);
  if (::GetProcessMemoryInfo(process.hProcess, reinterpret_cast<PROCESS_MEMORY_COUNTERS*>(&memory), sizeof(memory)))
    result.privateBytes = memory.PrivateUsage ? memory.PrivateUsage : memory.PagefileUsage;
  if (main) ::PostMessageW(main, WM_CLOSE, 0, 0);
  if (::WaitForSingleObject(process.hProcess, 60000) != WAIT_OBJECT_0) ::TerminateProcess(process.hProcess, 1);
  ::CloseHandle(process.hThread);
  ::CloseHandle(process.hProcess);
  return result;
}

DWORD CALLBACK StreamText(DWORD_PTR cookie, LPBYTE buffer, LONG size, LONG* got) {
  auto* rest = reinterpret_cast<std::string*>(cookie);
  size_t n = std::min(rest->size(), static_cast<size_t>(size));
  std::memcpy(buffer, rest->data(), n);
  rest->erase(0, n);
  *got = static_cast<LONG>(n);
  return 0;
}

// The floor: as many bare rich-edit controls in one window, each streamed the text.
double Floor(int count, const std::string& text) {
  ::LoadLibraryW(L"Msftedit.dll");
  HWND window = ::CreateWindowExW(0, L"STATIC", L"floor", WS_OVERLAPPEDWINDOW | WS_VISIBLE, 0, 0, 600, 400, nullptr,
                                  nullptr, nullptr, nullptr);
  double start = Now();
  for (int i = 0; i < count; ++i) {
    HWND editor = ::CreateWindowExW(0, L"RICHEDIT50W", L"", WS_CHILD | WS_VSCROLL | ES_MULTILINE, 0, 0, 580, 360,
                                    window, nullptr, nullptr, nullptr);
    ::SendMessageW(editor, EM_SETTEXTMODE, TM_PLAINTEXT, 0);
    std::string rest = text;
    EDITSTREAM stream{reinterpret_cast<DWORD_PTR>(&rest), 0, &StreamText};
    ::SendMessageW(editor, EM_STREAMIN, SF_TEXT, reinterpret_cast<LPARAM>(&stream));
  }
  double elapsed = Now() - start;
  ::DestroyWindow(window);
  return elapsed;
}

void Report(const char* what, int count, const Result& r) {
  std::printf("%-34s %3d documents: all in after %8.0f ms (%6.1f ms each), slowest answer %6.0f ms, "
              "%6.1f MB private (%5.2f MB each)%s\n",
              what, count, r.allIn, r.allIn / count, r.worstAnswer, static_cast<double>(r.privateBytes) / 1048576.0,
              static_cast<double>(r.privateBytes) / 1048576.0 / count, r.complete ? "" : "  INCOMPLETE");
}

}  // namespace

int wmain(int argc, wchar_t** argv) {
  if (argc < 3) {
    std::fwprintf(stderr, L"usage: manydocs_bench <folder> <Tarnwick.exe> [documents]\n");
    return 2;
  }
  std::wstring folder = argv[1];
  if (folder.back() != L'\\') folder += L'\\';
  int count = argc > 3 ? _wtoi(argv[3]) : 200;
  std::wstring exe = folder + L"Tarnwick.exe";
  ::CopyFileW(argv[2], exe.c_str(), FALSE);

  // Documents of 200 lines of 45 characters: about 9 KB each.
  std::string text;
  for (int line = 0; line < 200; ++line) text += "The quick brown fox jumps over the lazy dog " + std::to_string(line % 10) + "\r\n";
  std::string reopen = "[ReOpenLast]\r\nCount=" + std::to_string(count) + "\r\n", handOff;
  for (int i = 0; i < count; ++i) {
    std::wstring name = folder + L"doc" + std::to_wstring(i) + L".txt";
    WriteFileBytes(name, text);
    reopen += "File" + std::to_string(i) + "=" + Ansi(name) + "\r\n";
    handOff += Ansi(name) + " ";
  }
  std::string main = "[Main]\r\nShowSplash=0\r\nReOpenLast=1\r\n";
  for (int round = 0; round < 2; ++round) {
    WriteFileBytes(folder + L"Tarnwick.ini", main + reopen);
    Report("ReOpenLast", count, Run(exe, folder, count, ""));
    WriteFileBytes(folder + L"Tarnwick.ini", "[Main]\r\nShowSplash=0\r\n");
    Report("hand-off of every name at once", count, Run(exe, folder, count, handOff));
  }
  // Last: windows of this process that never answer would slow the editor's own.
  double floor = Floor(count, text);
  std::printf("floor: %d bare controls streamed in %8.0f ms (%6.1f ms each)\n", count, floor, floor / count);
  return 0;
}
