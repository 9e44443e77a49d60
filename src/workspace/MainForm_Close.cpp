// Close, Close All, closing the window, Reload, and reopening the last run's documents.
#include "app/MainForm.h"
#include "config/Keys.h"
#include "win/Text.h"
#include "workspace/DocumentFile_win.h"

namespace app {
namespace keys = config::keys;

bool TMainForm::ConfirmClose(int number) {
  workspace::DocumentSlot* slot = Slot(number);
  if (!slot || !slot->editor.Modified()) return true;
  win::MessageRequest ask{hwnd(), win::Fill(L"Save changes to \"%s\"?", {slot->fileName})};
  ask.icon = win::Icon::Question;
  ask.buttons = win::Buttons::YesNoCancel;
  switch (prompter().Message(ask)) {
    case win::Answer::Yes:
      // Closing after a cancelled Save As or a failed write would lose the text:
      // both stop the close as Cancel does.
      return SaveDocument(number);
    case win::Answer::No:
      return true;
    default:
      return false;
  }
}

void TMainForm::FileMenuCloseClick(const Sender&) {
  // The slot asked about is the one closed, whatever is active once the prompt is gone.
  int number = ActiveSlot;
  if (!ConfirmClose(number)) return;
  int index = TabIndexOfSlot(number);
  DestroySlot(number);
  SelectAfterClose(index);
}

bool TMainForm::CloseEveryDocument(bool recordForReOpen) {
  int recorded = 0;
  for (int tab = TabCount() - 1; tab >= 0; --tab) {
    int number = SlotOfTab(tab);
    workspace::DocumentSlot* slot = Slot(number);
    if (!slot) continue;
    if (recordForReOpen && slot->fileName.compare(0, 8, L"Untitled") != 0) {
      profile().WriteText(keys::kReOpenLast, L"File" + win::ToText(recorded), slot->fileName);
      ++recorded;
    }
    if (slot->editor.Modified()) {
      ActivateTab(tab);  // the user sees the document the question is about
      if (!ConfirmClose(number)) {
        FocusActiveEditor();
        return false;
      }
    }
    DestroySlot(number);
  }
  if (recordForReOpen) profile().Write(keys::ReOpenCount, recorded);
  return true;
}

void TMainForm::FileMenuCloseAllClick(const Sender&) {
  ::UpdateWindow(hwnd());
  if (!CloseEveryDocument(false)) return;
  NewDocument(0, L"txt");
  FocusActiveEditor();
}

bool TMainForm::FormCloseQuery() {
  if (busy_) return false;
  ModalScope scope(*this);
  if (!CloseEveryDocument(profile().Read(keys::ReOpenLast))) return false;
  HandBackPendingOpens();
  return true;
}

void TMainForm::QueueReOpenLast(std::vector<PendingOpen>& opens) {
  int count = profile().Read(keys::ReOpenCount);
  opens.push_back({PendingOpen::Kind::ResetLimit, L""});
  for (int i = 0; i < count && i < 10000; ++i) {
    std::wstring name = profile().ReadText(keys::kReOpenLast, L"File" + win::ToText(count - 1 - i), L"", 260);
    if (!name.empty()) opens.push_back({PendingOpen::Kind::ReOpen, name});
  }
  opens.push_back({PendingOpen::Kind::ActivateFirst, L""});
}

void TMainForm::FileMenuReloadClick(const Sender&) {
  workspace::DocumentSlot& slot = Active();
  win::MessageRequest ask{
      hwnd(), win::Fill(L"You will loose any unsaved changes if you Reload.\n\nReload \"%s\" from disk?", {slot.fileName})};
  ask.buttons = win::Buttons::YesNo;
  if (prompter().Message(ask) != win::Answer::Yes) return;
  slot.changeAttached = false;
  try {
    // Reloading into a fresh control: emptying a large text in place is slow under Wine.
    ReplaceActiveEditor([&](workspace::RichEditor& editor) {
      slot.format =
          workspace::LoadDocument(editor, slot.fileName, LoadProgress(win::FileNamePart(slot.fileName), editor.hwnd()));
    });
  } catch (const workspace::LoadCancelled&) {
    slot.changeAttached = true;  // stopped by the user: the document stays as it was
    PageControlChange();
    return;
  } catch (...) {
    slot.changeAttached = true;
    throw;
  }
  slot.changeAttached = true;
  slot.editor.SetModified(false);
  SetToolEnabled(3, false);
  UpdateTabImage();
  ShowTextFormat();
}

}  // namespace app
