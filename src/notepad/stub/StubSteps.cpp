#include "notepad/stub/StubSteps.h"

#include <windows.h>
#include <shellapi.h>

#include <algorithm>
#include <vector>

#include "app/HandOffFile_win.h"
#include "win/Encoding.h"
#include "win/Handles.h"

namespace notepad {
namespace {

// The editor joins words of a record with single spaces until they name a file; the
// same rule finds the names to shorten. Names longer than this are never tried.
constexpr size_t kLongestName = 260;
// The pointer file's line is read as the C library's fgets with 260 bytes would.
constexpr size_t kPointerLineBytes = 259;

constexpr wchar_t kPointerMissing[] =
    L"Error: NOTEPAD.TWK file not found. See Notepad Center\ninside of Tarnwick for more information.";

bool IsSeparator(wchar_t c) { return c == L' ' || c == L'\t' || c == L'\r' || c == L'\n' || c == L'"'; }

struct Word {
  size_t begin, end;
};

std::vector<Word> Words(std::wstring_view text) {
  std::vector<Word> words;
  size_t i = 0;
  while (i < text.size()) {
    while (i < text.size() && IsSeparator(text[i])) ++i;
    size_t begin = i;
    while (i < text.size() && !IsSeparator(text[i])) ++i;
    if (i > begin) words.push_back({begin, i});
  }
  return words;
}

bool IsFile(const std::wstring& name) {
  DWORD attributes = ::GetFileAttributesW(name.c_str());
  return attributes != INVALID_FILE_ATTRIBUTES && !(attributes & FILE_ATTRIBUTE_DIRECTORY);
}

bool IsRelative(const std::wstring& name) {
  bool drive = name.size() >= 3 && name[1] == L':' && (name[2] == L'\\' || name[2] == L'/');
  bool network = name.size() >= 2 && (name[0] == L'\\' || name[0] == L'/') && (name[1] == L'\\' || name[1] == L'/');
  return !drive && !network;
}

std::wstring FullName(const std::wstring& name) {
  DWORD length = ::GetFullPathNameW(name.c_str(), 0, nullptr, nullptr);
  if (length == 0) return name;
  std::vector<wchar_t> full(length + 1);
  DWORD got = ::GetFullPathNameW(name.c_str(), length + 1, full.data(), nullptr);
  return got == 0 || got > length ? name : std::wstring(full.data(), got);
}

std::wstring FullShortName(const std::wstring& name) {
  DWORD length = ::GetFullPathNameW(name.c_str(), 0, nullptr, nullptr);
  if (length == 0) return name;
  std::vector<wchar_t> full(length + 1);
  DWORD got = ::GetFullPathNameW(name.c_str(), length + 1, full.data(), nullptr);
  if (got == 0 || got > length) return name;
  length = ::GetShortPathNameW(full.data(), nullptr, 0);
  if (length == 0) return name;
  std::vector<wchar_t> shortName(length + 1);
  got = ::GetShortPathNameW(full.data(), shortName.data(), length + 1);
  if (got == 0 || got > length) return name;
  return std::wstring(shortName.data(), got);
}

void ShowPointerMissing() { ::MessageBoxW(nullptr, kPointerMissing, L"Notepad", MB_OK | MB_ICONINFORMATION); }

std::optional<std::string> ReadHead(const std::wstring& path, size_t count) {
  win::UniqueFile file(::CreateFileW(path.c_str(), GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_WRITE, nullptr,
                                     OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr));
  if (!file) return std::nullopt;
  std::string bytes(count, '\0');
  DWORD got = 0;
  if (!::ReadFile(file.get(), bytes.data(), static_cast<DWORD>(count), &got, nullptr)) got = 0;
  bytes.resize(got);
  return bytes;
}

}  // namespace

std::wstring_view ArgumentsOf(std::wstring_view commandLine) {
  size_t i = 0;
  if (!commandLine.empty() && commandLine[0] == L'"') {
    i = commandLine.find(L'"', 1);
    i = i == std::wstring_view::npos ? commandLine.size() : i + 1;
  } else {
    while (i < commandLine.size() && commandLine[i] != L' ' && commandLine[i] != L'\t') ++i;
  }
  while (i < commandLine.size() && (commandLine[i] == L' ' || commandLine[i] == L'\t')) ++i;
  return commandLine.substr(i);
}

std::string HandOffCommandLine(std::wstring_view arguments) {
  std::vector<Word> words = Words(arguments);
  std::wstring rebuilt;
  size_t copied = 0;
  for (size_t first = 0; first < words.size();) {
    std::wstring name;
    size_t last = words.size();
    for (size_t j = first; j < words.size(); ++j) {
      if (j > first) name += L' ';
      name.append(arguments.substr(words[j].begin, words[j].end - words[j].begin));
      if (name.size() > kLongestName) break;
      if (IsFile(name)) {
        last = j;
        break;
      }
    }
    if (last == words.size()) {
      ++first;
      continue;
    }
    std::wstring replacement;
    if (!win::IsAnsiSafe(name)) {
      std::wstring shortName = FullShortName(name);
      if (win::IsAnsiSafe(shortName)) replacement = shortName;
    } else if (IsRelative(name)) {
      // The editor reads names against its own folder; this one was meant against the
      // folder the notepad was started in.
      std::wstring full = FullName(name);
      replacement = win::IsAnsiSafe(full) ? full : FullShortName(name);
    }
    if (!replacement.empty()) {
      rebuilt.append(arguments.substr(copied, words[first].begin - copied));
      rebuilt += replacement;
      copied = words[last].end;
    }
    first = last + 1;
  }
  rebuilt.append(arguments.substr(copied));
  return win::ToAnsi(rebuilt);
}

std::optional<std::wstring> EditorFolderFromPointer(std::string_view bytes) {
  std::string_view line = bytes.substr(0, std::min(bytes.size(), kPointerLineBytes));
  size_t lineEnd = line.find('\n');
  if (lineEnd != std::string_view::npos) line = line.substr(0, lineEnd);
  while (!line.empty() && (line.back() == '\r' || line.back() == '\n')) line.remove_suffix(1);
  if (line.empty()) return std::nullopt;
  std::wstring folder = win::FromAnsi(line);
  // A folder written by hand without its backslash still names the folder.
  if (folder.back() != L'\\') folder += L'\\';
  return folder;
}

std::wstring SystemWindowsFolder() {
  std::wstring folder;
  wchar_t buffer[MAX_PATH] = L"";
  UINT got = ::GetWindowsDirectoryW(buffer, MAX_PATH);
  if (got > 0 && got < MAX_PATH) folder.assign(buffer, got);
  if (!folder.empty() && folder.back() != L'\\') folder += L'\\';
  return folder;
}

int RunStub(std::wstring_view arguments, const std::wstring& windowsFolder) {
  std::optional<std::string> pointer = ReadHead(windowsFolder + L"notepad.twk", kPointerLineBytes);
  std::optional<std::wstring> folder = pointer ? EditorFolderFromPointer(*pointer) : std::nullopt;
  if (!folder) {
    ShowPointerMissing();
    return 0;
  }
  if (!arguments.empty()) app::AppendHandOff(*folder + L"param.dat", HandOffCommandLine(arguments) + " ");
  std::wstring editor = *folder + L"Tarnwick.exe";
  ::ShellExecuteW(nullptr, L"open", editor.c_str(), nullptr, nullptr, SW_RESTORE);
  return 0;
}

}  // namespace notepad
