// Close, Close All, closing the window, Reload, and reopening the last run's documents.
#include "app/MainForm.h"
#include "config/Keys.h"
#include "win/Text.h"
#include "workspace/DocumentFile_win.h"

namespace app {
namespace keys = config::keys;

bool TMainForm::ConfirmClose() {
  if (!ActiveEditor().Modified()) return true;
  win::MessageRequest ask{hwnd(), win::Fill(L"Save changes to \"%s\"?", {Active().fileName})};
  ask.icon = win::Icon::Question;
  ask.buttons = win::Buttons::YesNoCancel;
  switch (prompter().Message(ask)) {
    case win::Answer::Yes:
      // Closing after a cancelled Save As or a failed write would lose the text:
      // both stop the close as Cancel does.
      return SaveActiveDocument();
    case win::Answer::No:
      return true;
    default:
      return false;
  }
}

void TMainForm::FileMenuCloseClick(const Sender&) {
  if (!ConfirmClose()) return;
  int index = TabIndexOfSlot(ActiveSlot);
  DestroySlot();
  SelectAfterClose(index);
}

void TMainForm::FileMenuCloseAllClick(const Sender&) {
  ::UpdateWindow(hwnd());
  for (int tab = TabCount() - 1; tab >= 0; --tab) {
    ActiveSlot = SlotOfTab(tab);
    if (ActiveEditor().Modified()) {
      ActivateTab(tab);
      if (!ConfirmClose()) {
        FocusActiveEditor();
        return;
      }
    }
    DestroySlot();
  }
  NewDocument(0, L"txt");
  FocusActiveEditor();
}

bool TMainForm::FormCloseQuery() {
  if (busy_) return false;
  bool recording = profile().Read(keys::ReOpenLast);
  int recorded = 0;
  for (int tab = TabCount() - 1; tab >= 0; --tab) {
    ActiveSlot = SlotOfTab(tab);
    const std::wstring& name = Active().fileName;
    if (recording && name.compare(0, 8, L"Untitled") != 0) {
      profile().WriteText(keys::kReOpenLast, L"File" + win::ToText(recorded), name);
      ++recorded;
    }
    if (ActiveEditor().Modified()) {
      ActivateTab(tab);
      if (!ConfirmClose()) {
        FocusActiveEditor();
        return false;
      }
    }
    DestroySlot();
  }
  if (recording) profile().Write(keys::ReOpenCount, recorded);
  return true;
}

void TMainForm::ReOpenLastDocuments() {
  int count = profile().Read(keys::ReOpenCount);
  LimitReported = false;
  for (int i = 0; i < count && i < 10000; ++i) {
    std::wstring name = profile().ReadText(keys::kReOpenLast, L"File" + win::ToText(count - 1 - i), L"", 260);
    if (!name.empty() && workspace::FileExists(name)) OpenDocument(name);
    ::UpdateWindow(hwnd());
    if (LimitReported) break;
  }
  if (TabCount() > 0) ActivateTab(0);
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
    ReplaceActiveEditor([&](workspace::RichEditor& editor) { workspace::LoadDocument(editor, slot.fileName); });
  } catch (...) {
    slot.changeAttached = true;
    throw;
  }
  slot.changeAttached = true;
  slot.editor.SetModified(false);
  SetToolEnabled(3, false);
  UpdateTabImage();
}

}  // namespace app
