// The Document menu's word wrap and read-only switches.
#include "app/MainForm.h"
#include "win/PaintSuspender.h"

namespace app {

void TMainForm::DocumentMenuWordWrapClick(const Sender&) {
  workspace::DocumentSlot& slot = Active();
  win::PaintSuspender suspend(hwnd());
  bool attached = slot.changeAttached;
  slot.changeAttached = false;
  bool wrap = !slot.editor.WordWrap();
  slot.editor.SetWordWrap(wrap);
  SetToolPressed(42, wrap);
  UpdateTabImage();
  slot.changeAttached = attached;
}

void TMainForm::DocumentMenuReadOnlyClick(const Sender&) {
  bool readOnly = !ActiveEditor().ReadOnly();
  ActiveEditor().SetReadOnly(readOnly);
  SetToolPressed(45, readOnly);
  UpdateTabImage();
}

}  // namespace app
