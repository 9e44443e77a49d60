// File > New, the New drop-down of the tool bar and its folder-history twin.
#include "workspace/Documents_win.h"
#include "config/FileTypes.h"
#include "config/Keys.h"
#include "dialogs/NewFile.h"
#include "win/Text.h"
#include "workspace/DocumentFile_win.h"
#include "workspace/History.h"

namespace workspace {
using namespace command;
namespace keys = config::keys;

void Documents::FileMenuNewClick(const Sender&) {
  dialogs::TNewFile dialog(frame_.Profile(), frame_.Paths().programFolder,
                          [this](int topic) { frame_.ShowHelpTopic(topic); });
  bool confirmed = dialog.ShowModal(frame_.Window()) == IDOK;
  if (!confirmed) return;
  std::wstring extension = config::DocumentExtension(dialog.extensionText());
  if (!NewDocument(dialog.format(), extension)) {
    ReportLimit();
    return;
  }
  std::wstring templatePath = dialog.templatePath();
  if (!templatePath.empty()) {
    workspace::DocumentSlot& slot = Active();
    slot.changeAttached = false;
    try {
      LoadMarked(slot.editor, templatePath, {});
    } catch (...) {
      slot.changeAttached = true;
      throw;
    }
    slot.changeAttached = true;
    slot.editor.SetModified(false);
    slot.editor.SetSelection(0, 0);
    UpdateTabImage(ActiveSlot);
  }
  FocusActiveEditor();
}

void Documents::NewMenuClick(const Sender& sender) {
  int n = sender.tag;
  if (n < 1 || n > config::kMaxFileTypes) return;
  int format = frame_.Profile().ReadInt(keys::kFileTypes, L"Format" + win::ToText(n), 0);
  std::wstring extension = static_cast<size_t>(n - 1) < newMenuHints_.size() ? newMenuHints_[static_cast<size_t>(n - 1)]
                                                                             : std::wstring();
  if (!NewDocument(format, extension)) ReportLimit();
}

void Documents::BuildNewMenu(bool fileTypes) {
  newMenu_.reset(::CreatePopupMenu());
  newMenuHints_.clear();
  newMenuTags_.clear();
  newMenuShowsTypes_ = fileTypes;
  HMENU menu = newMenu_.get();
  if (fileTypes) {
    std::vector<config::FileType> types = config::ReadFileTypes(frame_.Profile(), 260);
    for (size_t i = 0; i < types.size(); ++i) {
      std::wstring caption = config::DisplayName(types[i].name);
      unsigned id = NewMenuFirstItem + static_cast<unsigned>(i);
      ::AppendMenuW(menu, MF_STRING, id, caption.c_str());
      if (setMenuPicture) setMenuPicture(menu, id, 1);
      newMenuHints_.push_back(config::FirstPatternExtension(types[i].extensions));
      newMenuTags_.push_back(static_cast<int>(i) + 1);
    }
    return;
  }
  std::vector<workspace::FolderEntry> folders = workspace::ReadFolderHistory(frame_.Profile());
  bool empty = folders.empty() || folders.front().folder.empty();
  ::AppendMenuW(menu, MF_STRING | (empty ? MF_GRAYED : 0), NewMenuFirstItem, L"&Clear List");
  newMenuHints_.push_back(L"Clear the drop down list.");
  newMenuTags_.push_back(0);
  ::AppendMenuW(menu, MF_SEPARATOR, 0, nullptr);
  newMenuHints_.push_back(L"");
  newMenuTags_.push_back(0);
  if (empty) {
    ::AppendMenuW(menu, MF_STRING | MF_GRAYED, NewMenuFirstItem + 2, L"[Empty]");
    newMenuHints_.push_back(L"");
    newMenuTags_.push_back(0);
    return;
  }
  for (size_t k = 0; k < folders.size() && !folders[k].folder.empty(); ++k) {
    unsigned id = NewMenuFirstItem + 2 + static_cast<unsigned>(k);
    std::wstring caption = win::EscapeAmpersands(folders[k].folder);
    ::AppendMenuW(menu, MF_STRING, id, caption.c_str());
    if (setMenuPicture) setMenuPicture(menu, id, 0);
    newMenuHints_.push_back(L"Open files in " + folders[k].folder);
    newMenuTags_.push_back(folders[k].filterIndex);
  }
}

void Documents::ShowNewMenu(unsigned command, POINT screenPoint) {
  PrepareNewMenu(command);
  ::TrackPopupMenu(newMenu_.get(), TPM_LEFTALIGN | TPM_TOPALIGN, screenPoint.x, screenPoint.y, 0, frame_.Window(),
                   nullptr);
}

}  // namespace workspace
