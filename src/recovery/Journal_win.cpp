#include "recovery/Journal_win.h"

#include <algorithm>
#include <condition_variable>
#include <deque>
#include <mutex>
#include <thread>

#include "win/Text.h"

namespace recovery {

// Runs the journal's disk work in order on a thread of its own, so that typing never
// waits for a file to be written and flushed.
class Journal::Writer {
 public:
  explicit Writer(RecoveryStore& store) : store_(store), thread_([this] { Run(); }) {}
  ~Writer() {
    {
      std::lock_guard<std::mutex> lock(mutex_);
      stop_ = true;
    }
    wake_.notify_all();
    thread_.join();  // after the last job: nothing handed over is dropped
  }
  Writer(const Writer&) = delete;
  Writer& operator=(const Writer&) = delete;

  void Post(std::function<void(RecoveryStore&)> job) {
    {
      std::lock_guard<std::mutex> lock(mutex_);
      jobs_.push_back(std::move(job));
    }
    wake_.notify_all();
  }
  // Returns once everything handed over is done.
  void Wait() {
    std::unique_lock<std::mutex> lock(mutex_);
    done_.wait(lock, [this] { return jobs_.empty() && !busy_; });
  }

 private:
  void Run() {
    for (;;) {
      std::function<void(RecoveryStore&)> job;
      {
        std::unique_lock<std::mutex> lock(mutex_);
        wake_.wait(lock, [this] { return stop_ || !jobs_.empty(); });
        if (jobs_.empty()) return;
        job = std::move(jobs_.front());
        jobs_.pop_front();
        busy_ = true;
      }
      job(store_);
      {
        std::lock_guard<std::mutex> lock(mutex_);
        busy_ = false;
      }
      done_.notify_all();
    }
  }

  RecoveryStore& store_;
  std::mutex mutex_;
  std::condition_variable wake_, done_;
  std::deque<std::function<void(RecoveryStore&)>> jobs_;
  bool busy_ = false;
  bool stop_ = false;
  std::thread thread_;
};

Journal::Journal(workspace::Frame& frame, workspace::DocumentHost& documents) : frame_(frame), documents_(documents) {}

Journal::~Journal() { writer_.reset(); }

void Journal::Start(const std::wstring& folder) {
  if (folder.empty() || store_) return;
  store_ = RecoveryStore::Open(folder);
  if (!store_) return;
  Orphans orphans = store_->TakeOrphans();
  refused_.insert(orphans.loading.begin(), orphans.loading.end());
  if (orphans.entries.empty()) {
    store_->DiscardTaken();
    writer_ = std::make_unique<Writer>(*store_);
    for (const std::wstring& file : orphans.loading) ReportRefused(file, false);
    return;
  }
  win::MessageRequest ask{frame_.Window(),
                          win::Fill(L"Tarnwick did not close properly. Restore %s unsaved document(s)?",
                                    {win::ToText(static_cast<int>(orphans.entries.size()))})};
  ask.icon = win::Icon::Question;
  ask.buttons = win::Buttons::YesNo;
  bool restore = frame_.Prompter().Message(ask) == win::Answer::Yes;
  writer_ = std::make_unique<Writer>(*store_);
  if (restore) Restore(orphans);
  // The restored documents are in this editor's own entries now; what was taken goes.
  writer_->Post([](RecoveryStore& store) { store.DiscardTaken(); });
  for (const std::wstring& file : orphans.loading) ReportRefused(file, restore);
}

void Journal::ReportRefused(const std::wstring& fileName, bool restored) {
  reported_.insert(fileName);
  std::wstring text = win::Fill(L"%s could not be opened: it made Tarnwick close.", {fileName});
  if (restored) text += L" Your other documents were restored.";
  win::MessageRequest message{frame_.Window(), text};
  message.icon = win::Icon::Warning;
  frame_.Prompter().Message(message);
}

bool Journal::RefuseLoad(const std::wstring& fileName) {
  for (const std::wstring& refused : refused_) {
    if (::CompareStringOrdinal(refused.c_str(), -1, fileName.c_str(), -1, TRUE) == CSTR_EQUAL) {
      // Said once a start: the hand-off or ReOpenLast may name the file again.
      if (reported_.insert(refused).second) ReportRefused(fileName, false);
      return true;
    }
  }
  return false;
}

void Journal::Loading(const std::wstring& fileName, bool rich) {
  if (!writer_) return;
  if (fileName.empty()) {
    writer_->Post([](RecoveryStore& store) { store.ClearLoading(); });
    return;
  }
  PostEdits();
  writer_->Post([fileName](RecoveryStore& store) { store.MarkLoading(fileName); });
  if (rich) writer_->Wait();
}

void Journal::Restore(const Orphans& orphans) {
  for (const JournalEntry& entry : orphans.entries) {
    bool rich = entry.format == DocumentFormat::Rich;
    std::wstring extension = win::ExtensionPart(entry.fileName);
    if (!extension.empty()) extension.erase(0, 1);
    if (!documents_.NewDocument(rich ? 1 : 0, extension)) break;  // the limit of open documents
    int number = documents_.ActiveSlotNumber();
    workspace::DocumentSlot& slot = *documents_.Slot(number);
    slot.changeAttached = false;
    if (rich)
      slot.editor.StreamInRtf(entry.content);
    else
      slot.editor.StreamInText(FromUtf16Le(entry.content));
    slot.changeAttached = true;
    if (entry.hasFile) {
      slot.fileName = entry.fileName;
      slot.hasFile = true;
      documents_.SetTabCaption(number, win::FileNamePart(entry.fileName));
    }
    slot.format.encoding = static_cast<workspace::TextEncoding>(std::min<int>(entry.encoding, 4));
    slot.format.ending = static_cast<workspace::LineEnding>(std::min<int>(entry.lineBreak, 2));
    slot.editor.SetReadOnly(entry.readOnly);
    auto caret = static_cast<long>(std::min<uint32_t>(entry.caret, static_cast<uint32_t>(slot.editor.TextLength())));
    slot.editor.SetSelection(caret, caret);
    // Nothing is written to the file until the user saves.
    slot.editor.SetModified(true);
    documents_.UpdateTabImage(number);
    WriteSlot(number);
  }
  if (documents_.TabCount() > 0) documents_.ActivateTab(documents_.TabIndexOfSlot(documents_.ActiveSlotNumber()));
}

void Journal::Edited(int slot) {
  if (!writer_) return;
  DWORD now = ::GetTickCount();
  if (dirty_.empty()) dirtySince_ = now;
  dirty_.insert(slot);
  if (now - dirtySince_ >= kLongestWaitMs)
    PostEdits();
  else
    ::SetTimer(frame_.Window(), kTimer, kPauseMs, nullptr);  // starts the pause again
}

void Journal::Settled(int slot) {
  if (!writer_) return;
  dirty_.erase(slot);
  writer_->Post([slot](RecoveryStore& store) { store.Remove(static_cast<unsigned>(slot)); });
}

void Journal::OnTimer() {
  ::KillTimer(frame_.Window(), kTimer);
  PostEdits();
}

void Journal::PostEdits() {
  if (!writer_) return;
  for (int slot : dirty_) WriteSlot(slot);
  dirty_.clear();
  ::KillTimer(frame_.Window(), kTimer);
}

void Journal::Flush() {
  if (!writer_) return;
  PostEdits();
  writer_->Wait();
}

void Journal::WriteSlot(int number) {
  workspace::DocumentSlot* slot = documents_.Slot(number);
  if (!slot || !slot->editor || !slot->editor.Modified()) {
    writer_->Post([number](RecoveryStore& store) { store.Remove(static_cast<unsigned>(number)); });
    return;
  }
  JournalEntry entry;
  entry.fileName = slot->fileName;
  entry.hasFile = slot->hasFile;
  bool plain = slot->editor.IsPlainText();
  entry.format = plain ? DocumentFormat::Plain : DocumentFormat::Rich;
  entry.encoding = static_cast<uint8_t>(slot->format.encoding);
  entry.lineBreak = static_cast<uint8_t>(slot->format.ending);
  entry.readOnly = slot->editor.ReadOnly();
  entry.caret = static_cast<uint32_t>(std::max(0L, slot->editor.Selection().cpMin));
  entry.content = plain ? ToUtf16Le(slot->editor.StreamOutText()) : slot->editor.StreamOutRtf();
  writer_->Post([number, entry = std::move(entry)](RecoveryStore& store) {
    store.Write(static_cast<unsigned>(number), entry);
  });
}

void Journal::Close() {
  if (!store_) return;
  ::KillTimer(frame_.Window(), kTimer);
  dirty_.clear();
  writer_.reset();
  store_->Clear();
  store_.reset();
}

}  // namespace recovery
