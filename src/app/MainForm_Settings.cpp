// The main window's side of the Settings dialog: what it shows of the window, what
// applies at once on OK, and how the window catches up with the file afterwards.
#include "app/MainForm.h"
#include "config/Keys.h"
#include "win/resource.h"

namespace app {
namespace keys = config::keys;

HICON TMainForm::LoadProgramIcon(int icon, bool smallSize, UINT flags) {
  return static_cast<HICON>(::LoadImageW(::GetModuleHandleW(nullptr), MAKEINTRESOURCEW(IDI_APP_BASE + icon), IMAGE_ICON,
                                         ::GetSystemMetrics(smallSize ? SM_CXSMICON : SM_CXICON),
                                         ::GetSystemMetrics(smallSize ? SM_CYSMICON : SM_CYICON), flags));
}

void TMainForm::SetAppIcon(int icon) {
  // The window shows its class's icon, the first, until another is chosen.
  if (icon < 0 || icon >= 1000 || icon == windowIcon_) return;
  win::UniqueIcon big(LoadProgramIcon(icon, false, 0));
  win::UniqueIcon small(LoadProgramIcon(icon, true, 0));
  // The window keeps using the old icons until it has the new ones.
  if (big && small) windowIcon_ = icon;
  if (big) {
    ::SendMessageW(hwnd(), WM_SETICON, ICON_BIG, reinterpret_cast<LPARAM>(big.get()));
    appIcon_ = std::move(big);
  }
  if (small) {
    ::SendMessageW(hwnd(), WM_SETICON, ICON_SMALL, reinterpret_cast<LPARAM>(small.get()));
    appIconSmall_ = std::move(small);
  }
}

HICON TMainForm::TrayIcon() const {
  if (appIconSmall_) return appIconSmall_.get();
  if (appIcon_) return appIcon_.get();
  return reinterpret_cast<HICON>(::GetClassLongPtrW(hwnd(), GCLP_HICONSM));
}

dialogs::WindowState TMainForm::CurrentWindowState() const {
  dialogs::WindowState state;
  state.toolBarWraps = (::GetWindowLongW(toolBar_.hwnd(), GWL_STYLE) & TBSTYLE_WRAPABLE) != 0;
  LONG tabs = ::GetWindowLongW(documents_.PageControl(), GWL_STYLE);
  state.tabsWrap = (tabs & TCS_MULTILINE) != 0;
  state.tabsBelow = (tabs & TCS_BOTTOM) != 0;
  state.trayMode = context_.trayMode;
  return state;
}

void TMainForm::ApplySettingsAtOnce(const dialogs::SettingsValues& values) {
  SetAppIcon(values.icon);
  documents_.PlaySoundsOn = values.playSounds;
  documents_.ApplyTabLook(values.tabsWrap, values.tabsBelow, values.tabButtons, values.tabImages);
}

void TMainForm::SettingsAccepted(bool toolBarChanged, bool) {
  documents_.LoadFileTypes();
  toolBar_.Refresh();
  ApplyViewSettings();
  if (toolBarChanged) {
    toolBar_.Build();
    toolBar_.Refresh();
  }
  menuPictures_.SetShown(profile().Read(keys::MenuImages));
  for (unsigned top = command::kFileMenu; top <= command::kHelpMenu; ++top)
    menuPictures_.SetCommandPictures(topMenus_[top]);
  ::DrawMenuBar(hwnd());
  if (context_.trayMode) tray_.SetIcon(TrayIcon());
  // The tabs took their look when OK was pressed; their rows may have changed the
  // room left for the pages.
  LayoutFrame();
}

void TMainForm::ApplyViewSettings() {
  ruler_.DrawRuler();
  sideBar_.ApplySideBarLook();
  // The side may have changed; the recent documents may have been hidden or cleared.
  if (sideBar_.State() != sidebar::View::Closed) sideBar_.PlaceSideBar(false);
  sideBar_.RecentDocumentsChanged();
  LayoutFrame();
}

}  // namespace app
