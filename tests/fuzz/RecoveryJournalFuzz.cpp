// libFuzzer target for recovery journal entries and the names of the journal's files.
// Not part of the build; from the repository root:
//   clang++ -std=c++17 -g -O1 -fsanitize=fuzzer,address,undefined -Isrc \
//     tests/fuzz/RecoveryJournalFuzz.cpp src/recovery/JournalEntry.cpp src/recovery/JournalNames.cpp \
//     -o recovery_fuzz
//   ./recovery_fuzz -max_len=4000 corpus/
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string>

#include "recovery/JournalEntry.h"
#include "recovery/JournalNames.h"

namespace {

// The name a parsed file name came from, except for temporary files, whose parse
// keeps only the owner.
std::wstring NameOf(const recovery::JournalFile& file) {
  using recovery::JournalFileKind;
  switch (file.kind) {
    case JournalFileKind::Lock: return recovery::LockFileName(file.owner);
    case JournalFileKind::Slot: return recovery::SlotFileName(file.owner, file.number);
    case JournalFileKind::Taken: return recovery::TakenFileName(file.owner, file.number);
    case JournalFileKind::Loading: return recovery::LoadingFileName(file.owner);
    case JournalFileKind::Temp: break;
  }
  return std::wstring();
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  std::string bytes(reinterpret_cast<const char*>(data), size);
  // Only one way of writing an entry is accepted, so whatever is read writes back the same.
  if (std::optional<recovery::JournalEntry> entry = recovery::DecodeEntry(bytes))
    if (recovery::EncodeEntry(*entry) != bytes) abort();

  std::wstring name = recovery::FromUtf16Le(bytes);
  if (std::optional<recovery::JournalFile> file = recovery::ParseJournalFileName(name))
    if (file->kind != recovery::JournalFileKind::Temp && NameOf(*file) != name) abort();
  return 0;
}
