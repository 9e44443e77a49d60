#include "workspace/SlotRules.h"

#include "win/Text.h"

namespace workspace {

std::wstring UntitledName(int slot, std::wstring_view extension) {
  std::wstring number = win::ToText(slot + 1);
  if (number.size() < 2) number.insert(0, 1, L'0');
  return L"Untitled" + number + L"." + std::wstring(extension);
}

std::optional<int> LowestFreeSlot(const std::function<bool(int)>& isUsed) {
  for (int slot = 0; slot < kSlotCount; ++slot)
    if (!isUsed(slot)) return slot;
  return std::nullopt;
}

std::optional<int> TabAfterClose(int closedIndex, int tabCount) {
  if (tabCount <= 0) return std::nullopt;
  if (closedIndex >= 0 && closedIndex < tabCount) return closedIndex;
  if (closedIndex - 1 >= 0 && closedIndex - 1 < tabCount) return closedIndex - 1;
  return 0;
}

std::wstring TempFileName(std::wstring_view fileName, std::wstring_view currentDir,
                          const std::function<bool(const std::wstring&)>& fileExists) {
  std::wstring folder = win::FolderPart(fileName);
  if (folder.empty()) {
    folder = std::wstring(currentDir);
    if (folder.empty() || folder.back() != L'\\') folder += L'\\';
  }
  std::wstring extension = win::ExtensionPart(fileName);
  for (long long n = 1;; ++n) {
    std::wstring candidate = folder + L"~TWK_TMP" + win::ToText(n) + extension;
    if (!fileExists(candidate)) return candidate;
  }
}

bool IsLogText(std::wstring_view text) {
  // The control holds a line break as CR; a file may have it as CR LF or LF alone.
  return text.substr(0, 4) == L".LOG" && (text.size() == 4 || text[4] == L'\r' || text[4] == L'\n');
}

}  // namespace workspace
