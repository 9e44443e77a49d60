#pragma once
// The recovery journal on disk: one folder shared by every running editor of the user,
// one file per unsaved document (names in JournalNames.h).
//
// Ownership: each store holds its lock file open, shared with nobody and deleted when
// closed, for as long as it lives; the system closes it when the process ends, however
// it ends. Entries whose owner's lock can be opened belong to an editor that is gone.
// Taking them holds that lock in turn while they are renamed to the taker's own names,
// so two editors starting together never both take them, and a taker that dies half
// way leaves every entry to the next start.
#include <memory>
#include <string>
#include <vector>

#include "recovery/JournalEntry.h"
#include "win/Handles.h"

namespace recovery {

// The local application data folder's "Tarnwick\Recovery\" (never the program folder,
// which may be read-only), or an empty string when the system does not say where that is.
std::wstring DefaultJournalFolder();

struct Orphans {
  std::vector<JournalEntry> entries;  // the unsaved documents, by owner, then slot
  std::vector<std::wstring> loading;  // files that were loading when their editor ended
};

// Not thread-safe: one thread at a time, which may be a writer thread.
class RecoveryStore {
 public:
  // Creates the folder and takes a fresh owner id; nothing when either fails.
  static std::unique_ptr<RecoveryStore> Open(std::wstring folder);
  // Releases the lock and leaves the entries, as a crash would: Clear first on a clean exit.
  ~RecoveryStore() = default;
  RecoveryStore(const RecoveryStore&) = delete;
  RecoveryStore& operator=(const RecoveryStore&) = delete;

  const std::wstring& folder() const { return folder_; }  // ends in a backslash
  const std::wstring& owner() const { return owner_; }

  // Replaces the slot's entry through a temporary file flushed to disk, so a crash
  // leaves either the old entry or the new one. False when the entry cannot be encoded
  // (see EncodeEntry) or written; the previous entry stays then.
  bool Write(unsigned slot, const JournalEntry& entry);
  bool Remove(unsigned slot);  // true when the slot has no entry afterwards

  // Records the file about to be loaded, durably, until ClearLoading.
  bool MarkLoading(const std::wstring& fileName);
  bool ClearLoading();

  // The entries and loading marks of every editor that is gone. The entries stay in
  // the journal under this store's names until DiscardTaken, so a crash while they are
  // restored loses nothing; write the restored documents to their slots, then discard.
  // Temporary files and entries that do not decode are deleted on the way.
  Orphans TakeOrphans();
  void DiscardTaken();

  // Deletes every file of this store but its lock: a clean exit.
  void Clear();

 private:
  RecoveryStore(std::wstring folder, std::wstring owner, win::UniqueFile lock);
  bool WriteNamed(const std::wstring& name, const JournalEntry& entry);
  bool DeleteOwnFile(const std::wstring& name);
  void TakeFrom(const std::wstring& owner, Orphans& orphans);

  std::wstring folder_;
  std::wstring owner_;
  win::UniqueFile lock_;
  unsigned nextTaken_ = 0;
};

}  // namespace recovery
