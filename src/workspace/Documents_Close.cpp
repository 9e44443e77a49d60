// Close, Close All, closing the window, Reload, and reopening the last run's documents.
#include "workspace/Documents_win.h"
#include "config/Keys.h"
#include "win/Text.h"
#include "workspace/DocumentFile_win.h"

namespace workspace {
using namespace command;
namespace keys = config::keys;

bool Documents::ConfirmClose(int number) {
  workspace::DocumentSlot* slot = SlotAsIs(number);
  if (!slot || !slot->editor.Modified()) return true;
  win::MessageRequest ask{frame_.Window(), win::Fill(L"Save changes to \"%s\"?", {slot->fileName})};
  ask.icon = win::Icon::Question;
  ask.buttons = win::Buttons::YesNoCancel;
  switch (frame_.Prompter().Message(ask)) {
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

void Documents::FileMenuCloseClick(const Sender&) {
  // The slot asked about is the one closed, whatever is active once the prompt is gone.
  int number = ActiveSlot;
  if (!ConfirmClose(number)) return;
  int index = TabIndexOfSlot(number);
  DestroySlot(number);
  SelectAfterClose(index);
}

bool Documents::CloseEveryDocument(bool recordForReOpen) {
  int recorded = 0;
  for (int tab = TabCount() - 1; tab >= 0; --tab) {
    int number = SlotOfTab(tab);
    workspace::DocumentSlot* slot = SlotAsIs(number);  // a waiting document is unmodified
    if (!slot) continue;
    if (recordForReOpen && slot->fileName.compare(0, 8, L"Untitled") != 0) {
      frame_.Profile().WriteText(keys::kReOpenLast, L"File" + win::ToText(recorded), slot->fileName);
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
  if (recordForReOpen) frame_.Profile().Write(keys::ReOpenCount, recorded);
  return true;
}

void Documents::FileMenuCloseAllClick(const Sender&) {
  ::UpdateWindow(frame_.Window());
  if (!CloseEveryDocument(false)) return;
  NewDocument(0, L"txt");
  FocusActiveEditor();
}

std::vector<std::wstring> Documents::ReOpenLastNames() {
  std::vector<std::wstring> names;
  int count = frame_.Profile().Read(keys::ReOpenCount);
  for (int i = 0; i < count && i < 10000; ++i) {
    std::wstring name = frame_.Profile().ReadText(keys::kReOpenLast, L"File" + win::ToText(count - 1 - i), L"", 260);
    if (!name.empty()) names.push_back(std::move(name));
  }
  return names;
}

void Documents::FileMenuReloadClick(const Sender&) {
  workspace::DocumentSlot& slot = Active();
  win::MessageRequest ask{
      frame_.Window(), win::Fill(L"You will loose any unsaved changes if you Reload.\n\nReload \"%s\" from disk?", {slot.fileName})};
  ask.buttons = win::Buttons::YesNo;
  if (frame_.Prompter().Message(ask) != win::Answer::Yes) return;
  if (refuseLoad && refuseLoad(slot.fileName)) return;
  slot.changeAttached = false;
  try {
    // Reloading into a fresh control: emptying a large text in place is slow under Wine.
    ReplaceActiveEditor([&](RichEditor& editor) {
      slot.format =
          LoadMarked(editor, slot.fileName, LoadProgress(win::FileNamePart(slot.fileName), editor.hwnd()));
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
  if (onSettled) onSettled(slot.number);
  frame_.CommandStatesChanged();
  UpdateTabImage(ActiveSlot);
  ShowTextFormat();
}

}  // namespace workspace
