// The File menu's refresh and its Re-Open submenu.
#include "app/MainForm.h"
#include "config/Keys.h"
#include "win/Text.h"
#include "workspace/History.h"

namespace app {
namespace keys = config::keys;

void TMainForm::BuildReopenMenu() {
  HMENU fileMenu = topMenus_[kFileMenu];
  bool hidden = profile().Read(keys::HideReOpen);
  bool present = ::GetMenuState(fileMenu, FileMenuReOpen, MF_BYCOMMAND) != static_cast<UINT>(-1);
  if (hidden) {
    if (present) ::RemoveMenu(fileMenu, FileMenuReOpen, MF_BYCOMMAND);
    return;
  }
  if (!present) {
    MENUITEMINFOW info{};
    info.cbSize = sizeof(info);
    info.fMask = MIIM_ID | MIIM_STRING | MIIM_SUBMENU;
    info.wID = FileMenuReOpen;
    info.hSubMenu = reopenMenu_;
    wchar_t caption[] = L"&Re-Open";
    info.dwTypeData = caption;
    ::InsertMenuItemW(fileMenu, 2, TRUE, &info);
  }
  while (::GetMenuItemCount(reopenMenu_) > 2) ::DeleteMenu(reopenMenu_, 2, MF_BYPOSITION);
  std::vector<std::wstring> files = workspace::ReadFileHistory(profile());
  reopenHints_.assign(files.begin(), files.end());
  bool empty = true;
  for (int k = 0; k < workspace::kHistoryFiles; ++k) {
    std::wstring caption = workspace::ShortenCaption(win::FileNamePart(files[static_cast<size_t>(k)]));
    if (caption.empty() && k > 0) continue;
    bool placeholder = caption.empty();
    std::wstring shown = placeholder ? L"[Empty]" : win::EscapeAmpersands(caption);
    ::AppendMenuW(reopenMenu_, MF_STRING | (placeholder ? MF_GRAYED : 0), ReopenMenuFirstFile + k, shown.c_str());
    if (!placeholder) {
      SetMenuImage(reopenMenu_, ReopenMenuFirstFile + k, 1);
      empty = false;
    }
  }
  ::EnableMenuItem(reopenMenu_, ReopenMenuClearList, MF_BYCOMMAND | (empty ? MF_GRAYED : MF_ENABLED));
}

void TMainForm::FileMenuClick() {
  BuildReopenMenu();
  bool hasFile = Active().hasFile;
  for (unsigned id : {FileMenuDelete, FileMenuOpenFolder, FileMenuCopy, FileMenuMove, FileMenuReload})
    EnableItem(id, hasFile);
}

void TMainForm::ReopenMenuClearListClick(const Sender&) {
  profile().EraseSection(keys::kHistory);
  OnHistoryChanged();
}

void TMainForm::LoadFavorite(const Sender& sender) {
  std::wstring path;
  if (sender.command >= ReopenMenuFirstFile && sender.command <= ReopenMenuLastFile) {
    size_t k = sender.command - ReopenMenuFirstFile;
    if (k < reopenHints_.size()) path = reopenHints_[k];
  }
  if (path.empty()) return;
  LimitReported = false;
  OpenDocument(path);
}

void TMainForm::OnHistoryChanged() {}

}  // namespace app
