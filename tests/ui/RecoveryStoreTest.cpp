#include <windows.h>

#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

#include "recovery/JournalNames.h"
#include "recovery/RecoveryStore_win.h"
#include "support/Scratch.h"
#include "win/Handles.h"

using namespace recovery;
using Names = std::vector<std::wstring>;

namespace {

Names FilesIn(const std::wstring& folder) {
  Names names;
  WIN32_FIND_DATAW data;
  win::UniqueFind search(::FindFirstFileW((folder + L"*").c_str(), &data));
  if (search) {
    do {
      if (!(data.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY)) names.push_back(data.cFileName);
    } while (::FindNextFileW(search.get(), &data));
  }
  std::sort(names.begin(), names.end());
  return names;
}

Names Sorted(Names names) {
  std::sort(names.begin(), names.end());
  return names;
}

JournalEntry Document(std::wstring name, std::wstring text) {
  JournalEntry entry;
  entry.fileName = std::move(name);
  entry.content = ToUtf16Le(text);
  return entry;
}

}  // namespace

TEST(RecoveryStore, WritesReplaceRemoveAndClearOnlyTheStoresOwnFiles) {
  uitest::ScratchFolder scratch;
  std::unique_ptr<RecoveryStore> store = RecoveryStore::Open(scratch / L"Local\\Tarnwick\\Recovery");
  ASSERT_TRUE(store) << "the missing levels of the folder are made";
  const std::wstring folder = store->folder(), owner = store->owner();
  uitest::WriteBytes(folder + L"notes.txt", "the user's own file");

  ASSERT_TRUE(store->Write(0, Document(L"Untitled01.txt", L"first")));
  ASSERT_TRUE(store->Write(0, Document(L"Untitled01.txt", L"second")));
  ASSERT_TRUE(store->Write(5, Document(L"C:\\a.txt", L"")));
  ASSERT_TRUE(store->MarkLoading(L"C:\\table.rtf"));
  EXPECT_EQ(uitest::ReadBytes(folder + SlotFileName(owner, 0)), EncodeEntry(Document(L"Untitled01.txt", L"second")));
  EXPECT_EQ(FilesIn(folder), Sorted({LockFileName(owner), SlotFileName(owner, 0), SlotFileName(owner, 5),
                                     LoadingFileName(owner), L"notes.txt"}))
      << "no temporary file is left behind";

  JournalEntry halfAUnit = Document(L"b.txt", L"");
  halfAUnit.content = "x";
  EXPECT_FALSE(store->Write(5, halfAUnit));
  EXPECT_EQ(uitest::ReadBytes(folder + SlotFileName(owner, 5)), EncodeEntry(Document(L"C:\\a.txt", L"")))
      << "a failed write leaves the previous entry";

  EXPECT_TRUE(store->Remove(0));
  EXPECT_FALSE(uitest::Exists(folder + SlotFileName(owner, 0)));
  EXPECT_TRUE(store->Remove(0)) << "nothing to remove is no failure";
  EXPECT_TRUE(store->ClearLoading());
  EXPECT_FALSE(uitest::Exists(folder + LoadingFileName(owner)));

  store->Clear();
  EXPECT_EQ(FilesIn(folder), Sorted({LockFileName(owner), L"notes.txt"}));
  store.reset();
  EXPECT_EQ(FilesIn(folder), Names{L"notes.txt"}) << "the lock goes with its store";
}

TEST(RecoveryStore, OnlyEntriesOfAnEditorThatIsGoneAreTakenAndByOneTakerOnly) {
  uitest::ScratchFolder scratch;
  const std::wstring folder = scratch.path();
  std::unique_ptr<RecoveryStore> gone = RecoveryStore::Open(folder);
  ASSERT_TRUE(gone);
  const std::wstring goneOwner = gone->owner();
  ASSERT_TRUE(gone->Write(3, Document(L"C:\\b.txt", L"bee")));
  ASSERT_TRUE(gone->Write(1, Document(L"Untitled02.txt", L"ay")));
  ASSERT_TRUE(gone->MarkLoading(L"C:\\table.rtf"));
  // A write torn by a crash beside the entry it was replacing, and an entry cut short.
  uitest::WriteBytes(folder + TempFileName(SlotFileName(goneOwner, 1)),
                     EncodeEntry(Document(L"x", L"new")).substr(0, 30));
  uitest::WriteBytes(folder + SlotFileName(goneOwner, 7), EncodeEntry(Document(L"y", L"cut")).substr(0, 40));

  std::unique_ptr<RecoveryStore> taker = RecoveryStore::Open(folder);
  ASSERT_TRUE(taker);
  ASSERT_NE(taker->owner(), goneOwner);
  Orphans none = taker->TakeOrphans();
  EXPECT_TRUE(none.entries.empty() && none.loading.empty()) << "their editor still runs";
  EXPECT_TRUE(uitest::Exists(folder + SlotFileName(goneOwner, 7))) << "a running editor's files are not touched";

  gone.reset();  // as when its process ends: the lock goes, the entries stay
  {
    // Another editor starting at the same moment is taking them.
    win::UniqueFile otherTaker(::CreateFileW((folder + LockFileName(goneOwner)).c_str(), GENERIC_READ | DELETE, 0,
                                             nullptr, OPEN_ALWAYS, FILE_FLAG_DELETE_ON_CLOSE, nullptr));
    ASSERT_TRUE(otherTaker);
    EXPECT_TRUE(taker->TakeOrphans().entries.empty());
  }
  Orphans orphans = taker->TakeOrphans();
  ASSERT_EQ(orphans.entries.size(), 2u);
  EXPECT_TRUE(orphans.entries[0] == Document(L"Untitled02.txt", L"ay")) << "slot 1 before slot 3";
  EXPECT_TRUE(orphans.entries[1] == Document(L"C:\\b.txt", L"bee"));
  EXPECT_EQ(orphans.loading, Names{L"C:\\table.rtf"});
  EXPECT_EQ(FilesIn(folder),
            Sorted({LockFileName(taker->owner()), TakenFileName(taker->owner(), 0), TakenFileName(taker->owner(), 1)}))
      << "the torn and the cut files are gone; the entries are the taker's until it discards them";

  taker.reset();  // the taker ends before it has written the restored documents
  std::unique_ptr<RecoveryStore> next = RecoveryStore::Open(folder);
  ASSERT_TRUE(next);
  Orphans again = next->TakeOrphans();
  ASSERT_EQ(again.entries.size(), 2u);
  EXPECT_TRUE(again.entries[0] == orphans.entries[0]);
  EXPECT_TRUE(again.loading.empty());
  next->DiscardTaken();
  EXPECT_EQ(FilesIn(folder), Names{LockFileName(next->owner())});
}
