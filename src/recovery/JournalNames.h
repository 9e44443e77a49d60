#pragma once
// Names of the files in the recovery folder. Every running editor has an owner id and
// names all its files after it, so instances sharing the folder never touch each
// other's files:
//   <owner>.lock          held open while the owner runs
//   <owner>-<slot>.twr    the entry of the document in a slot
//   <owner>-t<n>.twr      an entry taken over from an owner that is gone
//   <owner>-loading.twr   the file being loaded, while it loads
//   <name>.tmp            a file above while it is written
// Owner ids are 1 to 32 lowercase hexadecimal digits; numbers are decimal without
// leading zeros, at most kMaxFileNumber. Any other name belongs to someone else and
// is left alone. No windows.h here.
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace recovery {

inline constexpr unsigned kMaxFileNumber = 99999;

enum class JournalFileKind { Lock, Slot, Taken, Loading, Temp };

struct JournalFile {
  std::wstring owner;
  JournalFileKind kind = JournalFileKind::Lock;
  unsigned number = 0;  // the slot of Slot, n of Taken, else 0
};

// An id that no other running editor has: its process id and its start time.
std::wstring MakeOwnerId(uint32_t processId, uint64_t startTime);
bool IsOwnerId(std::wstring_view text);

std::wstring LockFileName(std::wstring_view owner);
std::wstring SlotFileName(std::wstring_view owner, unsigned slot);
std::wstring TakenFileName(std::wstring_view owner, unsigned n);
std::wstring LoadingFileName(std::wstring_view owner);
// The same name for every write of a file: a write torn by a crash is overwritten by
// the next one instead of piling up.
std::wstring TempFileName(std::wstring_view finalName);

// What a name in the folder is, or nothing when it is not one of the names above.
std::optional<JournalFile> ParseJournalFileName(std::wstring_view name);

}  // namespace recovery
