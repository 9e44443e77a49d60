// Save, Save As and Save All.
#include "app/MainForm.h"
#include "config/FileTypes.h"
#include "config/Keys.h"
#include "win/Text.h"
#include "workspace/DocumentFile_win.h"

namespace app {
namespace keys = config::keys;

namespace {

// Runs a write and shows its error the way the program shows every error; false when
// it failed.
template <typename Write>
bool Reported(Write write) {
  try {
    write();
    return true;
  } catch (const std::exception& error) {
    win::ReportException(error);
    return false;
  }
}

}  // namespace

bool TMainForm::SaveActiveDocument() {
  workspace::DocumentSlot& slot = Active();
  if (!slot.hasFile) return SaveActiveDocumentAs();
  if (!slot.editor.Modified()) return true;
  if (!Reported([&] { workspace::SaveDocument(slot.editor, slot.fileName); })) return false;
  slot.editor.SetModified(false);
  SetToolEnabled(3, false);
  UpdateTabImage();
  return true;
}

bool TMainForm::SaveActiveDocumentAs(bool chooseFilter) {
  workspace::DocumentSlot& slot = Active();
  win::FileRequest request;
  request.owner = hwnd();
  request.title = L"Save As";
  request.filter = saveFilter_;
  request.initialDir = saveInitialDir_;
  request.fileName = win::FileNamePart(slot.fileName);
  std::wstring extension = win::ExtensionPart(slot.fileName);
  request.defaultExt = extension.empty() ? std::wstring() : extension.substr(1);
  request.overwritePrompt = true;

  std::wstring lower = extension;
  for (wchar_t& c : lower) c = static_cast<wchar_t>(towlower(c));
  std::vector<config::FileType> types = config::ReadFileTypes(profile(), 80);
  int index = config::FilterIndexForExtension(types, lower);
  if (chooseFilter && index > 0) saveFilterIndex_ = index;
  request.filterIndex = saveFilterIndex_;

  if (!prompter().SaveFile(request)) return false;
  saveFilterIndex_ = request.filterIndex;
  const std::wstring& path = request.fileName;
  if (!Reported([&] { workspace::SaveDocument(slot.editor, path); })) return false;
  slot.editor.SetModified(false);
  SetToolEnabled(3, false);
  UpdateTabImage();
  slot.fileName = path;
  DeleteTempFile();
  SetTabCaption(slot.number, win::FileNamePart(path));
  slot.hasFile = true;
  SetStatusText(3, path);
  return true;
}

void TMainForm::FileMenuSaveClick(const Sender&) { SaveActiveDocument(); }

void TMainForm::FileMenuSaveAsClick(const Sender&) { SaveActiveDocumentAs(); }

void TMainForm::FileMenuSaveAllClick(const Sender&) {
  int count = TabCount();
  int start = TabCtrl_GetCurSel(pageControl_);
  if (count == 0 || start < 0) return;
  int original = ActiveSlot;
  for (int step = 0; step < count; ++step) {
    int tab = (start + step) % count;
    workspace::DocumentSlot* slot = Slot(SlotOfTab(tab));
    if (!slot || !slot->editor.Modified()) continue;
    if (slot->hasFile) {
      bool ok = Reported([&] { workspace::SaveDocument(slot->editor, slot->fileName); });
      if (!ok) {
        ActiveSlot = original;
        return;
      }
      slot->editor.SetModified(false);
    } else {
      ActivateTab(tab);
      original = ActiveSlot;
      if (!SaveActiveDocumentAs(false)) return;
    }
    if (TabImages) {
      TCITEMW item{};
      item.mask = TCIF_IMAGE;
      item.iImage = slot->editor.ReadOnly() ? 2 : 0;
      TabCtrl_SetItem(pageControl_, tab, &item);
    }
  }
  ActiveSlot = original;
  SetToolEnabled(3, false);
}

}  // namespace app
