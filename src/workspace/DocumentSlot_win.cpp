#include "workspace/DocumentSlot_win.h"

#include <ole2.h>

#include <algorithm>

#include "win/Container.h"

namespace workspace {
namespace {
constexpr wchar_t kTagProp[] = L"TwkSlot";
}

void SetEditorTag(HWND editor, int slot) {
  ::SetPropW(editor, kTagProp, reinterpret_cast<HANDLE>(static_cast<INT_PTR>(slot) + 1));
}

int EditorTag(HWND editor) {
  auto value = reinterpret_cast<INT_PTR>(::GetPropW(editor, kTagProp));
  return value ? static_cast<int>(value - 1) : -1;
}

namespace {
void AttachHooks(RichEditor& editor, const EditorHooks& hooks) {
  if (hooks.proc) ::SetWindowSubclass(editor.hwnd(), hooks.proc, 1, hooks.data);
  editor.SetEventMask(hooks.eventMask);
}
RichEditor CreateBareEditor(HWND panel, int slot, bool plainText) {
  RichEditor editor(RichEditor::Create(panel, kEditorControlId, plainText));
  SetEditorTag(editor.hwnd(), slot);
  win::SetDock(editor.hwnd(), win::Dock::Fill, 50);
  // Files dropped on an editor go to the tab control (which opens them), never into
  // the text as embedded objects.
  ::RevokeDragDrop(editor.hwnd());
  return editor;
}
}  // namespace

RichEditor CreateEditor(HWND panel, int slot, bool plainText, const EditorHooks& hooks) {
  RichEditor editor = CreateBareEditor(panel, slot, plainText);
  AttachHooks(editor, hooks);
  return editor;
}

void ReplaceEditor(DocumentSlot& slot, const EditorHooks& hooks, const std::function<void(RichEditor&)>& fill) {
  RichEditor old = slot.editor;
  RichEditor fresh = CreateBareEditor(slot.panel, slot.number, old.IsPlainText());
  fresh.SetMaxLength(old.MaxLength());
  fresh.SetBackground(slot.background);
  fresh.SetDefaultFont(old.DefaultFont());
  fresh.SetWordWrap(old.WordWrap());
  if (!slot.insertMode) ::SendMessageW(fresh.hwnd(), WM_KEYDOWN, VK_INSERT, 0);

  CHARRANGE selection = old.Selection();
  POINT scroll = old.ScrollPosition();
  bool modified = old.Modified();
  bool readOnly = old.ReadOnly();
  bool hadFocus = ::GetFocus() == old.hwnd();

  // The fresh control gets its size before it is filled: laying a large text out once
  // for a 10-pixel control and again for the real one doubles the cost under Wine.
  RECT bounds;
  ::GetWindowRect(old.hwnd(), &bounds);
  ::MapWindowPoints(nullptr, slot.panel, reinterpret_cast<POINT*>(&bounds), 2);
  ::SetWindowPos(fresh.hwnd(), old.hwnd(), bounds.left, bounds.top, bounds.right - bounds.left,
                 bounds.bottom - bounds.top, SWP_NOACTIVATE);

  try {
    fill(fresh);
  } catch (...) {
    ::DestroyWindow(fresh.hwnd());
    throw;
  }

  long length = fresh.TextLength();
  fresh.SetSelection(std::min<long>(selection.cpMin, length), std::min<long>(selection.cpMax, length));
  fresh.SetModified(modified);
  fresh.SetReadOnly(readOnly);

  if (::GetWindowLongW(old.hwnd(), GWL_STYLE) & WS_VISIBLE) ::ShowWindow(fresh.hwnd(), SW_SHOWNA);
  fresh.SetScrollPosition(scroll);
  slot.editor = fresh;
  if (hadFocus) ::SetFocus(fresh.hwnd());
  ::DestroyWindow(old.hwnd());
  AttachHooks(fresh, hooks);
}

}  // namespace workspace
