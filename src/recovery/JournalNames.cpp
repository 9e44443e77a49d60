#include "recovery/JournalNames.h"

namespace recovery {

namespace {

constexpr std::wstring_view kLockSuffix = L".lock";
constexpr std::wstring_view kEntrySuffix = L".twr";
constexpr std::wstring_view kTempSuffix = L".tmp";
constexpr std::wstring_view kLoadingPart = L"loading";
constexpr size_t kMaxOwnerDigits = 32;

bool EndsWith(std::wstring_view text, std::wstring_view suffix) {
  return text.size() >= suffix.size() && text.substr(text.size() - suffix.size()) == suffix;
}

std::wstring Hex(uint64_t value, int digits) {
  std::wstring text(static_cast<size_t>(digits), L'0');
  for (int i = digits - 1; i >= 0; --i, value >>= 4) text[static_cast<size_t>(i)] = L"0123456789abcdef"[value & 0xF];
  return text;
}

std::optional<unsigned> ParseNumber(std::wstring_view text) {
  if (text.empty() || text.size() > 5 || (text.size() > 1 && text[0] == L'0')) return std::nullopt;
  unsigned value = 0;
  for (wchar_t c : text) {
    if (c < L'0' || c > L'9') return std::nullopt;
    value = value * 10 + static_cast<unsigned>(c - L'0');
  }
  if (value > kMaxFileNumber) return std::nullopt;
  return value;
}

std::optional<JournalFile> ParseFinalName(std::wstring_view name) {
  if (EndsWith(name, kLockSuffix)) {
    std::wstring_view owner = name.substr(0, name.size() - kLockSuffix.size());
    if (!IsOwnerId(owner)) return std::nullopt;
    return JournalFile{std::wstring(owner), JournalFileKind::Lock, 0};
  }
  if (!EndsWith(name, kEntrySuffix)) return std::nullopt;
  std::wstring_view stem = name.substr(0, name.size() - kEntrySuffix.size());
  size_t dash = stem.find(L'-');
  if (dash == std::wstring_view::npos || !IsOwnerId(stem.substr(0, dash))) return std::nullopt;
  JournalFile file{std::wstring(stem.substr(0, dash)), JournalFileKind::Slot, 0};
  std::wstring_view rest = stem.substr(dash + 1);
  if (rest == kLoadingPart) {
    file.kind = JournalFileKind::Loading;
    return file;
  }
  if (!rest.empty() && rest[0] == L't') {
    file.kind = JournalFileKind::Taken;
    rest.remove_prefix(1);
  }
  std::optional<unsigned> number = ParseNumber(rest);
  if (!number) return std::nullopt;
  file.number = *number;
  return file;
}

}  // namespace

std::wstring MakeOwnerId(uint32_t processId, uint64_t startTime) { return Hex(processId, 8) + Hex(startTime, 16); }

bool IsOwnerId(std::wstring_view text) {
  if (text.empty() || text.size() > kMaxOwnerDigits) return false;
  for (wchar_t c : text)
    if (!((c >= L'0' && c <= L'9') || (c >= L'a' && c <= L'f'))) return false;
  return true;
}

std::wstring LockFileName(std::wstring_view owner) { return std::wstring(owner) + std::wstring(kLockSuffix); }

std::wstring SlotFileName(std::wstring_view owner, unsigned slot) {
  return std::wstring(owner) + L"-" + std::to_wstring(slot) + std::wstring(kEntrySuffix);
}

std::wstring TakenFileName(std::wstring_view owner, unsigned n) {
  return std::wstring(owner) + L"-t" + std::to_wstring(n) + std::wstring(kEntrySuffix);
}

std::wstring LoadingFileName(std::wstring_view owner) {
  return std::wstring(owner) + L"-" + std::wstring(kLoadingPart) + std::wstring(kEntrySuffix);
}

std::wstring TempFileName(std::wstring_view finalName) { return std::wstring(finalName) + std::wstring(kTempSuffix); }

std::optional<JournalFile> ParseJournalFileName(std::wstring_view name) {
  if (!EndsWith(name, kTempSuffix)) return ParseFinalName(name);
  std::optional<JournalFile> file = ParseFinalName(name.substr(0, name.size() - kTempSuffix.size()));
  // A lock is never written through a temporary file.
  if (!file || file->kind == JournalFileKind::Lock) return std::nullopt;
  return JournalFile{file->owner, JournalFileKind::Temp, 0};
}

}  // namespace recovery
