#include "workspace/DocumentFile_win.h"

#include <windows.h>

#include <algorithm>
#include <string>
#include <vector>

#include "win/Encoding.h"
#include "win/Handles.h"
#include "win/Text.h"
#include "win/Window.h"
#include "workspace/SlotRules.h"

namespace workspace {
namespace {

[[noreturn]] void Fail(const wchar_t* what, const std::wstring& path, DWORD error) {
  throw win::Error(win::Fill(what, {path}) + L"\n" + win::SystemErrorText(error));
}

}  // namespace

bool IsRichTextFile(const std::wstring& path) {
  win::UniqueFile file(::CreateFileW(path.c_str(), GENERIC_READ, FILE_SHARE_READ, nullptr, OPEN_EXISTING,
                                     FILE_ATTRIBUTE_NORMAL, nullptr));
  if (!file) return false;
  char head[5];
  DWORD got = 0;
  if (!::ReadFile(file.get(), head, 5, &got, nullptr) || got != 5) return false;
  return IsRichText(std::string_view(head, 5));
}

bool IsRichText(std::string_view bytes) { return bytes.substr(0, 5) == "{\\rtf"; }

bool FileExists(const std::wstring& path) {
  DWORD attributes = ::GetFileAttributesW(path.c_str());
  return attributes != INVALID_FILE_ATTRIBUTES && !(attributes & FILE_ATTRIBUTE_DIRECTORY);
}

bool FolderExists(const std::wstring& path) {
  DWORD attributes = ::GetFileAttributesW(path.c_str());
  return attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_DIRECTORY);
}

bool CanOpenForReading(const std::wstring& path) {
  win::UniqueFile file(::CreateFileW(path.c_str(), GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_WRITE, nullptr,
                                     OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr));
  return file.valid();
}

bool HasReadOnlyAttribute(const std::wstring& path) {
  DWORD attributes = ::GetFileAttributesW(path.c_str());
  return attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_READONLY);
}

std::wstring ShellPathName(const std::wstring& path) {
  if (path.empty() || path.find_first_of(L"*?") != std::wstring::npos) return path;
  DWORD length = ::GetFullPathNameW(path.c_str(), 0, nullptr, nullptr);
  if (!length) return path;
  std::vector<wchar_t> full(length + 1);
  if (!::GetFullPathNameW(path.c_str(), length + 1, full.data(), nullptr)) return path;
  length = ::GetLongPathNameW(full.data(), nullptr, 0);
  if (!length) return path;
  std::vector<wchar_t> longBuffer(length + 1);
  DWORD got = ::GetLongPathNameW(full.data(), longBuffer.data(), length + 1);
  if (!got || got > length) return path;
  std::wstring longPath(longBuffer.data(), got);

  // Each part as the file system spells it, so that letter case cannot make one file
  // look like two.
  size_t rootEnd = 0;
  std::wstring result;
  if (longPath.size() >= 3 && longPath[1] == L':' && longPath[2] == L'\\') {
    result = std::wstring(1, static_cast<wchar_t>(towupper(longPath[0]))) + L":\\";
    rootEnd = 3;
  } else if (longPath.compare(0, 2, L"\\\\") == 0) {
    size_t server = longPath.find(L'\\', 2);
    size_t share = server == std::wstring::npos ? server : longPath.find(L'\\', server + 1);
    if (share == std::wstring::npos) return longPath;
    result = longPath.substr(0, share + 1);
    rootEnd = share + 1;
  } else {
    return longPath;
  }
  size_t start = rootEnd;
  while (start < longPath.size()) {
    size_t end = longPath.find(L'\\', start);
    std::wstring part = longPath.substr(start, end == std::wstring::npos ? std::wstring::npos : end - start);
    if (!part.empty()) {
      WIN32_FIND_DATAW data;
      win::UniqueFind find(::FindFirstFileW((result + part).c_str(), &data));
      if (!find) return longPath;
      result += data.cFileName;
      if (end != std::wstring::npos) result += L'\\';
    }
    if (end == std::wstring::npos) break;
    start = end + 1;
  }
  return result;
}

std::string ReadFileBytes(const std::wstring& path) {
  win::UniqueFile file(::CreateFileW(path.c_str(), GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_WRITE, nullptr,
                                     OPEN_EXISTING, FILE_FLAG_SEQUENTIAL_SCAN, nullptr));
  if (!file) Fail(L"Unable to read \"%s\".", path, ::GetLastError());
  LARGE_INTEGER size{};
  ::GetFileSizeEx(file.get(), &size);
  // Read straight into a string of the file's size and one byte more (the last read
  // then finds the end); a file that grows meanwhile is still read to its end.
  constexpr size_t kChunk = 1 << 20;
  std::string bytes;
  size_t used = 0;
  bytes.resize(static_cast<size_t>(std::max<LONGLONG>(size.QuadPart, 0)) + 1);
  for (;;) {
    if (used == bytes.size()) bytes.resize(bytes.size() + kChunk);
    DWORD want = static_cast<DWORD>(std::min(bytes.size() - used, kChunk));
    DWORD got = 0;
    if (!::ReadFile(file.get(), bytes.data() + used, want, &got, nullptr))
      Fail(L"Unable to read \"%s\".", path, ::GetLastError());
    if (got == 0) break;
    used += got;
  }
  bytes.resize(used);
  return bytes;
}

namespace {

class SystemConversions : public CodePage {
 public:
  std::wstring Decode(std::string_view bytes) const override { return win::FromAnsi(bytes); }
  std::string Encode(std::wstring_view text, bool* lossy) const override {
    if (lossy) *lossy = false;
    if (text.empty()) return std::string();
    int length = static_cast<int>(text.size());
    // Under a UTF-8 system code page the default-character report is not available;
    // everything but a lone surrogate fits there anyway.
    bool utf8 = ::GetACP() == CP_UTF8;
    DWORD flags = utf8 ? 0 : WC_NO_BEST_FIT_CHARS;
    // One pass into room for the longest result rather than a pass that only measures.
    CPINFO info{};
    size_t most = ::GetCPInfo(CP_ACP, &info) ? info.MaxCharSize : 4;
    std::string bytes(text.size() * std::max<size_t>(most, 1), '\0');
    BOOL usedDefault = FALSE;
    int size = ::WideCharToMultiByte(CP_ACP, flags, text.data(), length, bytes.data(),
                                     static_cast<int>(std::min<size_t>(bytes.size(), 0x7FFFFFFF)),
                                     utf8 ? nullptr : "?", utf8 ? nullptr : &usedDefault);
    // Writing nothing in place of a text would lose it: a failed conversion fails the save.
    if (size <= 0) throw win::Error(L"The text could not be converted to the system code page.\n" +
                                    win::SystemErrorText(::GetLastError()));
    bytes.resize(static_cast<size_t>(size));
    if (lossy) *lossy = utf8 ? !win::IsAnsiSafe(text) : usedDefault != FALSE;
    return bytes;
  }
};

}  // namespace

const CodePage& SystemCodePage() {
  static const SystemConversions conversions;
  return conversions;
}

std::wstring SystemCodePageName() { return L"Windows-" + std::to_wstring(::GetACP()); }

TextFormat FormatOf(const DecodedFile& file) {
  TextFormat format;
  format.encoding = file.encoding;
  format.ending = file.breaks.Majority();
  format.mixedEndings = file.breaks.Mixed();
  return format;
}

void FillEditor(RichEditor& editor, std::wstring_view text, const StreamProgress& progress) {
  if (static_cast<long long>(text.size()) >= editor.MaxLength()) editor.SetMaxLength(static_cast<long>(text.size()) + 1);
  if (!editor.StreamInText(text, progress)) throw LoadCancelled{};
}

void FillEditorRtf(RichEditor& editor, std::string_view rtf, const StreamProgress& progress) {
  // The limit also bounds rich text while it streams in; the text is never longer
  // than the file.
  if (static_cast<long long>(rtf.size()) >= editor.MaxLength())
    editor.SetMaxLength(static_cast<long>(std::min<size_t>(rtf.size() + 1, 0x7FFFFFFE)));
  if (!editor.StreamInRtf(rtf, progress)) throw LoadCancelled{};
}

TextFormat LoadDocument(RichEditor& editor, const std::wstring& path, const StreamProgress& progress) {
  std::string bytes = ReadFileBytes(path);
  if (!editor.IsPlainText()) {
    FillEditorRtf(editor, bytes, progress);
    return {};
  }
  DecodedFile file = DecodeFile(bytes, SystemCodePage());
  bytes = std::string();
  FillEditor(editor, file.text, progress);
  return FormatOf(file);
}

std::string DocumentBytes(const RichEditor& editor, const TextFormat& format, bool* lossy,
                          const StreamProgress& progress) {
  if (lossy) *lossy = false;
  if (!editor.IsPlainText()) return editor.StreamOutRtf(progress);
  return EncodeText(editor.StreamOutText(progress), format.encoding, format.ending, SystemCodePage(), lossy);
}

void SaveDocument(const RichEditor& editor, const std::wstring& path, const TextFormat& format) {
  WriteFileSafely(path, DocumentBytes(editor, format));
}

void WriteFileSafely(const std::wstring& path, std::string_view bytes) {
  // A read-only file is not replaced (Wine would let the rename through).
  DWORD existing = ::GetFileAttributesW(path.c_str());
  if (existing != INVALID_FILE_ATTRIBUTES && (existing & FILE_ATTRIBUTE_READONLY))
    Fail(L"Unable to save \"%s\".", path, ERROR_ACCESS_DENIED);
  std::wstring folder = win::FolderPart(path);
  if (folder.empty()) folder = L".\\";
  wchar_t temp[MAX_PATH + 1] = L"";
  if (!::GetTempFileNameW(folder.c_str(), L"twk", 0, temp)) Fail(L"Unable to save \"%s\".", path, ::GetLastError());
  std::wstring tempPath = temp;
  auto discard = [&tempPath] { ::DeleteFileW(tempPath.c_str()); };
  {
    win::UniqueFile file(::CreateFileW(tempPath.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS,
                                       FILE_ATTRIBUTE_NORMAL, nullptr));
    if (!file) {
      DWORD error = ::GetLastError();
      discard();
      Fail(L"Unable to save \"%s\".", path, error);
    }
    size_t done = 0;
    while (done < bytes.size()) {
      DWORD chunk = static_cast<DWORD>(std::min<size_t>(bytes.size() - done, 1 << 24));
      DWORD written = 0;
      if (!::WriteFile(file.get(), bytes.data() + done, chunk, &written, nullptr) || written == 0) {
        DWORD error = ::GetLastError();
        file.reset();
        discard();
        Fail(L"Unable to save \"%s\".", path, error ? error : ERROR_WRITE_FAULT);
      }
      done += written;
    }
    LARGE_INTEGER size{};
    if (!::FlushFileBuffers(file.get()) || !::GetFileSizeEx(file.get(), &size) ||
        static_cast<unsigned long long>(size.QuadPart) != bytes.size()) {
      DWORD error = ::GetLastError();
      file.reset();
      discard();
      Fail(L"Unable to save \"%s\".", path, error ? error : ERROR_WRITE_FAULT);
    }
  }
  DWORD attributes = ::GetFileAttributesW(path.c_str());
  if (!::MoveFileExW(tempPath.c_str(), path.c_str(), MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH)) {
    DWORD error = ::GetLastError();
    discard();
    Fail(L"Unable to save \"%s\".", path, error);
  }
  if (attributes != INVALID_FILE_ATTRIBUTES) ::SetFileAttributesW(path.c_str(), attributes);
}

}  // namespace workspace
