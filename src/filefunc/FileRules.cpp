#include "filefunc/FileRules.h"

#include "command/CommandIds.h"
#include "win/Text.h"

namespace filefunc {

bool IsCopyRequest(unsigned command, int tag) {
  return command == command::FileMenuCopy || command == command::TabMenuCopy || tag == 6;
}

std::wstring TransferDestination(std::wstring_view folder, std::wstring_view fileName) {
  std::wstring destination(folder);
  if (destination.empty() || (destination.back() != L'\\' && destination.back() != L'/')) destination += L'\\';
  destination += win::FileNamePart(fileName);
  return destination;
}

std::wstring RenamedName(std::wstring_view field) { return win::Trim(field); }

bool IsPlainFileName(std::wstring_view name) {
  if (name.empty() || name == L"." || name == L"..") return false;
  for (wchar_t c : name)
    if (c < 32 || std::wstring_view(L"\\/:*?\"<>|").find(c) != std::wstring_view::npos) return false;
  return true;
}

AttributeBoxes BoxesOf(uint32_t attributes) {
  return {(attributes & kReadOnly) != 0, (attributes & kHidden) != 0, (attributes & kArchive) != 0};
}

std::optional<uint32_t> ChangedAttributes(uint32_t current, const AttributeBoxes& shown,
                                          const AttributeBoxes& chosen) {
  if (shown == chosen) return std::nullopt;
  // The attributes a program may set; the others (folder, compressed, encrypted, ...)
  // belong to the file system.
  constexpr uint32_t kSystem = 0x4, kTemporary = 0x100, kOffline = 0x1000, kNotIndexed = 0x2000;
  constexpr uint32_t kKept = kSystem | kTemporary | kOffline | kNotIndexed;
  uint32_t result = current & kKept;
  if (chosen.readOnly) result |= kReadOnly;
  if (chosen.hidden) result |= kHidden;
  if (chosen.archive) result |= kArchive;
  return result ? result : kNormal;
}

int64_t TextSizeWithCrLf(std::wstring_view text) {
  int64_t size = 0;
  for (size_t i = 0; i < text.size(); ++i) {
    if (text[i] == L'\r') {
      if (i + 1 < text.size() && text[i + 1] == L'\n') ++i;
      size += 2;
    } else if (text[i] == L'\n') {
      size += 2;
    } else {
      ++size;
    }
  }
  return size;
}

std::wstring CrLfText(std::wstring_view text) {
  std::wstring result;
  result.reserve(text.size() + text.size() / 16);
  for (size_t i = 0; i < text.size(); ++i) {
    if (text[i] == L'\r' || text[i] == L'\n') {
      if (text[i] == L'\r' && i + 1 < text.size() && text[i + 1] == L'\n') ++i;
      result += L"\r\n";
    } else {
      result += text[i];
    }
  }
  return result;
}

int DocumentLines(int editorLineCount, bool lastLineEmpty) {
  if (editorLineCount <= 0) return 0;
  return lastLineEmpty ? editorLineCount - 1 : editorLineCount;
}

}  // namespace filefunc
