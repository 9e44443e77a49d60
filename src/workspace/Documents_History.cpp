// The File menu's refresh and its Re-Open submenu.
#include "workspace/Documents_win.h"
#include "config/Keys.h"
#include "win/Text.h"
#include "workspace/History.h"

namespace workspace {
using namespace command;
namespace keys = config::keys;

void Documents::BuildReopenMenu(HMENU fileMenu, HMENU reopenMenu) {
  bool hidden = frame_.Profile().Read(keys::HideReOpen);
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
    info.hSubMenu = reopenMenu;
    wchar_t caption[] = L"&Re-Open";
    info.dwTypeData = caption;
    ::InsertMenuItemW(fileMenu, 2, TRUE, &info);
  }
  while (::GetMenuItemCount(reopenMenu) > 2) ::DeleteMenu(reopenMenu, 2, MF_BYPOSITION);
  std::vector<std::wstring> files = workspace::ReadFileHistory(frame_.Profile());
  reopenHints_.assign(files.begin(), files.end());
  bool empty = true;
  for (int k = 0; k < workspace::kHistoryFiles; ++k) {
    std::wstring caption = workspace::ShortenCaption(win::FileNamePart(files[static_cast<size_t>(k)]));
    if (caption.empty() && k > 0) continue;
    bool placeholder = caption.empty();
    std::wstring shown = placeholder ? L"[Empty]" : win::EscapeAmpersands(caption);
    ::AppendMenuW(reopenMenu, MF_STRING | (placeholder ? MF_GRAYED : 0), ReopenMenuFirstFile + k, shown.c_str());
    if (!placeholder) {
      if (setMenuPicture) setMenuPicture(reopenMenu, ReopenMenuFirstFile + k, 1);
      empty = false;
    }
  }
  reopenEmpty_ = empty;
}

void Documents::FileMenuClick(HMENU fileMenu, HMENU reopenMenu) { BuildReopenMenu(fileMenu, reopenMenu); }

void Documents::ReopenMenuClearListClick(const Sender&) {
  frame_.Profile().EraseSection(keys::kHistory);
  if (onHistoryChanged) onHistoryChanged();
}

void Documents::LoadFavorite(const Sender& sender) {
  std::wstring path;
  if (sender.command >= ReopenMenuFirstFile && sender.command <= ReopenMenuLastFile) {
    size_t k = sender.command - ReopenMenuFirstFile;
    if (k < reopenHints_.size()) path = reopenHints_[k];
  }
  if (!path.empty()) OpenFromList(path);
}

}  // namespace workspace
