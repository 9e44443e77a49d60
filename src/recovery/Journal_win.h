#pragma once
// Keeps the recovery journal of the open documents: every edited document is written
// to it when the user pauses, at most a few seconds apart while the edits go on, and
// at once when Windows ends the session; its entry goes when the document is saved,
// reloaded or closed. At the start, the documents of an editor that ended without
// closing them are offered back.
#include <windows.h>

#include <functional>
#include <memory>
#include <set>
#include <string>

#include "recovery/RecoveryStore_win.h"
#include "workspace/DocumentHost.h"
#include "workspace/Frame.h"

namespace recovery {

class Journal {
 public:
  static constexpr UINT_PTR kTimer = 4;
  static constexpr UINT kPauseMs = 2000;  // written when the user pauses this long
  static constexpr DWORD kLongestWaitMs = 5000;  // and at least this often while typing

  Journal(workspace::Frame& frame, workspace::DocumentHost& documents);
  ~Journal();
  // Opens the journal in `folder` (empty: no journal) and offers back what an editor
  // that is gone left in it. Runs once, before anything else is opened.
  void Start(const std::wstring& folder);
  bool Active() const { return store_ != nullptr; }

  // A file is about to be loaded (empty: the load is over). The journal is brought up
  // to date first, so that a load that brings the program down loses nothing. The
  // mark of a rich-text file is on disk before its load begins: the control's parser
  // of rich text is what has been seen to fail. Plain text is marked without waiting,
  // so that opening many files does not wait for the disk once each.
  void Loading(const std::wstring& fileName, bool rich);
  // True for a file that brought the editor down while loading it: it is not loaded
  // again during this start, and the user is told so once.
  bool RefuseLoad(const std::wstring& fileName);

  void Edited(int slot);
  void Settled(int slot);
  void OnTimer();
  // Hands the edited documents to the writer now: their text is read on this thread,
  // the disk is written on the writer's.
  void PostEdits();
  // Writes every edited document now and waits until it is on disk (the session ends,
  // or a test asks).
  void Flush();
  // A clean exit: the journal is left empty.
  void Close();

 private:
  class Writer;
  void Restore(const Orphans& orphans);
  void ReportRefused(const std::wstring& fileName, bool restored);
  void WriteSlot(int slot);

  workspace::Frame& frame_;
  workspace::DocumentHost& documents_;
  std::unique_ptr<RecoveryStore> store_;
  std::unique_ptr<Writer> writer_;  // the one thread that touches the store while it runs
  std::set<int> dirty_;
  std::set<std::wstring> refused_;
  std::set<std::wstring> reported_;
  DWORD dirtySince_ = 0;
};

}  // namespace recovery
