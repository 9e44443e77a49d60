#pragma once
// What the subsystems see of the open documents: the slots, the tabs showing them and
// the notifications of the active editor.
#include <functional>
#include <string>

#include "workspace/DocumentSlot_win.h"

namespace workspace {

class DocumentHost {
 public:
  virtual int ActiveSlotNumber() const = 0;
  // The slot with this number, or nullptr when none is open there. A document opened
  // in the background gets its editor now.
  virtual DocumentSlot* Slot(int number) = 0;
  // The slot as it is: a document opened in the background may have no editor yet
  // (`pending`), and is unmodified then.
  virtual DocumentSlot* SlotAsIs(int number) const = 0;
  virtual int TabCount() const = 0;
  virtual int SlotOfTab(int tabIndex) const = 0;
  virtual int TabIndexOfSlot(int slot) const = 0;
  virtual void ActivateTab(int tabIndex) = 0;
  virtual void FocusActiveEditor() = 0;
  // Replaces a slot's editor by a fresh control filled by `fill` (see ReplaceEditor),
  // not counting as an edit.
  virtual void ReplaceSlotEditor(int slot, const std::function<void(RichEditor&)>& fill) = 0;
  virtual void UpdateTabImage(int slot) = 0;
  virtual void SetTabCaption(int slot, const std::wstring& displayName) = 0;
  // A document's text changed / the active editor's selection moved.
  virtual void MemoChange(int slot) = 0;
  virtual void MemoSelectionChange() = 0;
  virtual void OpenDocument(std::wstring name) = 0;
  // Opens a document chosen from a list (Re-Open, Favorites): the limit of open
  // documents is reported again if it is met.
  virtual void OpenFromList(const std::wstring& name) = 0;
  // The progress of long work on a document (`text`: "%s" its name, then the percent),
  // shown once the work has taken a second, the window kept painted but `busy`.
  virtual StreamProgress WorkProgress(const wchar_t* text, const std::wstring& name, HWND busy) = 0;
  virtual bool NewDocument(int format, const std::wstring& extension) = 0;
  // The Save As dialog's filter and first folder, as File > Save As uses them.
  virtual const std::wstring& SaveFilter() const = 0;
  virtual const std::wstring& SaveInitialDir() const = 0;
  // The Open dialog's filter, as File > Open uses it.
  virtual const std::wstring& OpenFilter() const = 0;

  DocumentSlot& Active() { return *Slot(ActiveSlotNumber()); }
  RichEditor& ActiveEditor() { return Active().editor; }

 protected:
  ~DocumentHost() = default;
};

}  // namespace workspace
