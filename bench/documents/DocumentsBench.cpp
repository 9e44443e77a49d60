// Opening and saving documents in Tarnwick against the floor: streaming the same
// bytes into and out of a bare rich-edit control in the same run; Wine's wordpad
// opening the same files beside it.
//   documents_bench <work folder> <wordpad.exe>
#include <windows.h>

#include "common/BenchClock.h"
#include "common/BenchForm.h"
#include "common/ProcessWindow.h"
#include <commctrl.h>
#include <richedit.h>

#include <cstdio>
#include <random>
#include <string>
#include <vector>

#include "app/AppContext.h"
#include "app/MainForm.h"
#include "config/IniFile_win.h"
#include "win/Handles.h"
#include "win/Prompt.h"
#include "workspace/DocumentFile_win.h"

namespace {

using bench::BenchForm;
using bench::Now;

std::string PlainText(size_t bytes) {
  static const char* words[] = {"the", "quick", "brown", "fox", "jumps", "over", "lazy", "dog", "caf\xe9",
                                "na\xefve", "r\xe9sum\xe9", "editor", "window", "12345", "(tab)\t"};
  std::mt19937 random(42);
  std::string text;
  text.reserve(bytes + 100);
  size_t line = 0;
  while (text.size() < bytes) {
    const char* word = words[random() % 15];
    text += word;
    line += strlen(word) + 1;
    if (line > 60 + random() % 30) {
      text += "\r\n";
      line = 0;
    } else {
      text += ' ';
    }
  }
  text.resize(bytes);
  if (text.back() == '\r') text.back() = 'x';
  return text;
}

// The same words as UTF-8: the accented ones take two bytes each.
std::string Utf8Text(size_t bytes) {
  std::string ansi = PlainText(bytes);
  int length = ::MultiByteToWideChar(1252, 0, ansi.data(), static_cast<int>(ansi.size()), nullptr, 0);
  std::wstring wide(static_cast<size_t>(length), L'\0');
  ::MultiByteToWideChar(1252, 0, ansi.data(), static_cast<int>(ansi.size()), wide.data(), length);
  int size = ::WideCharToMultiByte(CP_UTF8, 0, wide.data(), length, nullptr, 0, nullptr, nullptr);
  std::string utf8(static_cast<size_t>(size), '\0');
  ::WideCharToMultiByte(CP_UTF8, 0, wide.data(), length, utf8.data(), size, nullptr, nullptr);
  return utf8;
}

std::string RichText(size_t bytes) {
  std::string rtf = "{\\rtf1\\ansi\\deff0{\\fonttbl{\\f0 Times New Roman;}{\\f1 Courier New;}}\r\n";
  std::mt19937 random(7);
  while (rtf.size() < bytes) {
    rtf += (random() % 3 == 0) ? "{\\b bold words} " : "";
    rtf += (random() % 4 == 0) ? "{\\i\\f1 italic mono} " : "";
    rtf += "plain text of a paragraph with some length to it and more words\\par\r\n";
  }
  rtf += "}";
  return rtf;
}

void Write(const std::wstring& path, const std::string& bytes) {
  win::UniqueFile file(::CreateFileW(path.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, 0, nullptr));
  DWORD written = 0;
  ::WriteFile(file.get(), bytes.data(), static_cast<DWORD>(bytes.size()), &written, nullptr);
}

struct InCookie {
  const char* data;
  size_t left;
};
DWORD CALLBACK FloorIn(DWORD_PTR cookie, LPBYTE buffer, LONG size, LONG* written) {
  auto* in = reinterpret_cast<InCookie*>(cookie);
  size_t n = std::min(static_cast<size_t>(size), in->left);
  if (n < in->left && n > 1 && in->data[n - 1] == '\r') --n;
  memcpy(buffer, in->data, n);
  in->data += n;
  in->left -= n;
  *written = static_cast<LONG>(n);
  return 0;
}
DWORD CALLBACK FloorOut(DWORD_PTR cookie, LPBYTE buffer, LONG size, LONG* written) {
  reinterpret_cast<std::string*>(cookie)->append(reinterpret_cast<char*>(buffer), static_cast<size_t>(size));
  *written = size;
  return 0;
}

// The floor: the file's bytes straight into a bare control of the editor's size and
// styles (no wrapping for plain text), and back out.
void Floor(HWND parent, const std::string& bytes, bool rich, bool utf8, double& in, double& out) {
  // UTF-8 goes in and out through the control's own conversion of that code page.
  WPARAM format = rich ? SF_RTF : utf8 ? (CP_UTF8 << 16) | SF_USECODEPAGE | SF_TEXT : SF_TEXT;
  HWND edit = ::CreateWindowExW(0, MSFTEDIT_CLASS, L"",
                                WS_CHILD | WS_VSCROLL | WS_HSCROLL | ES_MULTILINE | ES_AUTOHSCROLL | ES_DISABLENOSCROLL,
                                0, 0, 420, 280, parent, nullptr, nullptr, nullptr);
  if (!rich) {
    ::SendMessageW(edit, EM_SETTEXTMODE, TM_PLAINTEXT, 0);
    ::SendMessageW(edit, EM_SETTARGETDEVICE, 0, 1);
  }
  ::SendMessageW(edit, EM_EXLIMITTEXT, 0, 0x7FFFFFFE);
  InCookie cookie{bytes.data(), bytes.size()};
  EDITSTREAM stream{reinterpret_cast<DWORD_PTR>(&cookie), 0, &FloorIn};
  double start = Now();
  ::SendMessageW(edit, EM_STREAMIN, format, reinterpret_cast<LPARAM>(&stream));
  in = Now() - start;
  std::string back;
  EDITSTREAM outStream{reinterpret_cast<DWORD_PTR>(&back), 0, &FloorOut};
  start = Now();
  ::SendMessageW(edit, EM_STREAMOUT, format, reinterpret_cast<LPARAM>(&outStream));
  out = Now() - start;
  ::DestroyWindow(edit);
}

double Wordpad(const std::wstring& wordpad, const std::wstring& path) {
  std::wstring commandLine = L"\"" + wordpad + L"\" \"" + path + L"\"";
  STARTUPINFOW startup{sizeof(startup)};
  PROCESS_INFORMATION process{};
  double start = Now();
  if (!::CreateProcessW(wordpad.c_str(), commandLine.data(), nullptr, nullptr, FALSE, 0, nullptr, nullptr, &startup,
                        &process))
    return -1;
  // The file is loaded before the window answers its first message.
  HWND found = nullptr;
  while (!found && Now() - start < 120000) {
    found = bench::FindProcessWindow(process.dwProcessId, [](HWND hwnd) { return ::IsWindowVisible(hwnd) != FALSE; });
    if (!found) ::Sleep(2);
  }
  DWORD_PTR result;
  if (found) ::SendMessageTimeoutW(found, WM_NULL, 0, 0, SMTO_NORMAL, 120000, &result);
  double elapsed = Now() - start;
  ::TerminateProcess(process.hProcess, 0);
  ::WaitForSingleObject(process.hProcess, 10000);
  ::CloseHandle(process.hThread);
  ::CloseHandle(process.hProcess);
  return elapsed;
}

}  // namespace

int wmain(int argc, wchar_t** argv) {
  if (argc < 3) {
    std::fwprintf(stderr, L"usage: documents_bench <work folder> <wordpad.exe>\n");
    return 2;
  }
  std::wstring work = argv[1];
  if (work.back() != L'\\') work += L'\\';
  BenchForm bench(work);
  app::TMainForm& form = bench.form;

  struct Case {
    const wchar_t* name;
    size_t bytes;
    bool rich;
    bool utf8 = false;
  };
  std::vector<Case> cases = {{L"plain 1 MB", 1000000, false},
                             {L"plain 10 MB", 10000000, false},
                             {L"plain 20 MB", 20000000, false},
                             {L"rich 5 MB", 5000000, true}};
  // A size in MB as the third argument measures that plain file alone; "utf8" measures
  // 20 MB of UTF-8 beside the same words in the code page.
  if (argc > 3) cases = {{L"plain", static_cast<size_t>(_wtoi(argv[3])) * 1000000, false}};
  if (argc > 3 && std::wstring(argv[3]) == L"utf8")
    cases = {{L"utf-8 20 MB", 20000000, false, true}, {L"plain 20 MB", 20000000, false}};
  bool withWordpad = argc <= 4;
  std::wprintf(L"%-12ls %10ls %10ls %7ls %10ls %7ls | %10ls %10ls %7ls %10ls | %10ls\n", L"file", L"floor in", L"open",
               L"ratio", L"wordpad", L"ratio", L"floor out", L"save", L"ratio", L"safe write", L"clear all");
  auto measure = [&](const Case& c, bool print) {
    std::string bytes = c.rich ? RichText(c.bytes) : c.utf8 ? Utf8Text(c.bytes) : PlainText(c.bytes);
    std::wstring path = work + (c.rich ? L"bench.rtf" : L"bench.txt");
    Write(path, bytes);
    double floorIn = 0, floorOut = 0;
    Floor(form.hwnd(), bytes, c.rich, c.utf8, floorIn, floorOut);

    form.documents().LimitReported = false;
    double start = Now();
    form.documents().OpenDocument(path);
    double open = Now() - start;
    std::wstring saved = work + (c.rich ? L"saved.rtf" : L"saved.txt");
    form.documents().ActiveEditor().SetModified(true);
    start = Now();
    workspace::SaveDocument(form.documents().ActiveEditor(), saved, form.documents().Active().format);
    double save = Now() - start;
    // What the safe write alone costs (temporary file, flush, replace) for the same bytes.
    start = Now();
    workspace::WriteFileSafely(work + L"written.bin", bytes);
    double safeWrite = Now() - start;
    start = Now();
    form.RunCommand(command::EditMenuClearAll, command::Sender::Kind::Code);
    double clear = Now() - start;
    form.documents().ActiveEditor().SetModified(false);
    form.RunCommand(command::FileMenuClose, command::Sender::Kind::Code);
    if (!print) return;

    double wordpad = withWordpad ? Wordpad(argv[2], path) : 0;
    std::wprintf(L"%-12ls %8.0fms %8.0fms %7.2f %8.0fms %7.2f | %8.0fms %8.0fms %7.2f %8.0fms | %8.0fms\n", c.name,
                 floorIn, open, open / floorIn, wordpad, wordpad / floorIn, floorOut, save, save / floorOut, safeWrite,
                 clear);
    std::fflush(stdout);
  };
  // A first pass over small files, untimed, so that what a process does once (loading
  // libraries, fonts, the first file in a folder) does not fall on the first case.
  measure({L"warm-up", 200000, false}, false);
  measure({L"warm-up", 200000, true}, false);
  for (const Case& c : cases) measure(c, true);
  return 0;
}
