#include "recovery/Journal_win.h"

#include <algorithm>

#include "win/Text.h"

namespace recovery {

Journal::Journal(workspace::Frame& frame, workspace::DocumentHost& documents) : frame_(frame), documents_(documents) {}

void Journal::Start(const std::wstring& folder) {
  if (folder.empty() || store_) return;
  store_ = RecoveryStore::Open(folder);
  if (!store_) return;
  Orphans orphans = store_->TakeOrphans();
  refused_.insert(orphans.loading.begin(), orphans.loading.end());
  if (orphans.entries.empty()) {
    store_->DiscardTaken();
    for (const std::wstring& file : orphans.loading) ReportRefused(file, false);
    return;
  }
  win::MessageRequest ask{frame_.Window(),
                          win::Fill(L"Tarnwick did not close properly. Restore %s unsaved document(s)?",
                                    {win::ToText(static_cast<int>(orphans.entries.size()))})};
  ask.icon = win::Icon::Question;
  ask.buttons = win::Buttons::YesNo;
  bool restore = frame_.Prompter().Message(ask) == win::Answer::Yes;
  if (restore) Restore(orphans);
  // The restored documents are in this editor's own entries now; what was taken goes.
  store_->DiscardTaken();
  for (const std::wstring& file : orphans.loading) ReportRefused(file, restore);
}

void Journal::ReportRefused(const std::wstring& fileName, bool restored) {
  std::wstring text = win::Fill(L"%s could not be opened: it made Tarnwick close.", {fileName});
  if (restored) text += L" Your other documents were restored.";
  win::MessageRequest message{frame_.Window(), text};
  message.icon = win::Icon::Warning;
  frame_.Prompter().Message(message);
}

bool Journal::Refuses(const std::wstring& fileName) const {
  for (const std::wstring& refused : refused_)
    if (::CompareStringOrdinal(refused.c_str(), -1, fileName.c_str(), -1, TRUE) == CSTR_EQUAL) return true;
  return false;
}

void Journal::Loading(const std::wstring& fileName) {
  if (!store_) return;
  if (fileName.empty()) {
    store_->ClearLoading();
    return;
  }
  Flush();
  store_->MarkLoading(fileName);
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
  if (!store_) return;
  DWORD now = ::GetTickCount();
  if (dirty_.empty()) dirtySince_ = now;
  dirty_.insert(slot);
  if (now - dirtySince_ >= kLongestWaitMs)
    Flush();
  else
    ::SetTimer(frame_.Window(), kTimer, kPauseMs, nullptr);  // starts the pause again
}

void Journal::Settled(int slot) {
  if (!store_) return;
  dirty_.erase(slot);
  store_->Remove(static_cast<unsigned>(slot));
}

void Journal::OnTimer() {
  ::KillTimer(frame_.Window(), kTimer);
  Flush();
}

void Journal::Flush() {
  if (!store_) return;
  for (int slot : dirty_) WriteSlot(slot);
  dirty_.clear();
  ::KillTimer(frame_.Window(), kTimer);
}

bool Journal::WriteSlot(int number) {
  workspace::DocumentSlot* slot = documents_.Slot(number);
  if (!slot || !slot->editor || !slot->editor.Modified()) return store_->Remove(static_cast<unsigned>(number));
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
  return store_->Write(static_cast<unsigned>(number), entry);
}

void Journal::Close() {
  if (!store_) return;
  ::KillTimer(frame_.Window(), kTimer);
  dirty_.clear();
  store_->Clear();
  store_.reset();
}

}  // namespace recovery
