// The View menu's switches and the Help menu's hint switches.
#include "app/MainForm.h"
#include "win/SystemInfo.h"

namespace app {

namespace {
bool Visible(HWND hwnd) { return hwnd && (::GetWindowLongW(hwnd, GWL_STYLE) & WS_VISIBLE); }
}  // namespace

void TMainForm::ViewMenuClick() {
  CheckItem(ViewMenuToolBar, Visible(toolBar_));
  CheckItem(ViewMenuFormatBar, Visible(formatBar_));
  CheckItem(ViewMenuStatusBar, Visible(statusBar_));
  CheckItem(ViewMenuRuler, rulerShown_);
  CheckItem(ViewMenuAlwaysOnTop, alwaysOnTop_);
}

void TMainForm::ViewMenuToolBarClick(const Sender&) {
  bool show = !Visible(toolBar_);
  ::ShowWindow(toolBar_, show ? SW_SHOWNA : SW_HIDE);
  ::ShowWindow(topSplitter_, show ? SW_HIDE : SW_SHOWNA);
  LayoutFrame();
}

void TMainForm::ViewMenuFormatBarClick(const Sender&) {
  ::ShowWindow(formatBar_, Visible(formatBar_) ? SW_HIDE : SW_SHOWNA);
  // The layout keeps the tool bar above the format bar and the line at the top.
  if (!Visible(toolBar_)) ::ShowWindow(topSplitter_, SW_SHOWNA);
  LayoutFrame();
}

void TMainForm::ViewMenuStatusBarClick(const Sender&) {
  ::ShowWindow(statusBar_, Visible(statusBar_) ? SW_HIDE : SW_SHOWNA);
  LayoutFrame();
}

void TMainForm::ViewMenuRulerClick(const Sender&) { rulerShown_ = !rulerShown_; }

void TMainForm::ViewMenuAlwaysOnTopClick(const Sender&) {
  alwaysOnTop_ = !alwaysOnTop_;
  ::SetWindowPos(hwnd(), alwaysOnTop_ ? HWND_TOPMOST : HWND_NOTOPMOST, 0, 0, 0, 0,
                 SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
}

void TMainForm::HelpMenuClick() {
  CheckItem(HelpMenuShowHints, showHints_);
  CheckItem(HelpMenuStatusBarHints, statusBarHints_);
  // The system notepad of the NT family is guarded by the system: the Notepad Center
  // is offered on the other systems only.
  bool offerCenter = !win::IsNtPlatform();
  HMENU help = topMenus_[kHelpMenu];
  bool present = ::GetMenuState(help, HelpMenuNotepadCenter, MF_BYCOMMAND) != static_cast<UINT>(-1);
  if (!offerCenter && present) {
    int position = -1;
    for (int i = 0, count = ::GetMenuItemCount(help); i < count; ++i)
      if (::GetMenuItemID(help, i) == HelpMenuNotepadCenter) position = i;
    ::DeleteMenu(help, HelpMenuNotepadCenter, MF_BYCOMMAND);
    if (position >= 0) ::DeleteMenu(help, static_cast<UINT>(position), MF_BYPOSITION);  // its separator
  }
}

void TMainForm::HelpMenuShowHintsClick(const Sender&) { showHints_ = !showHints_; }

void TMainForm::HelpMenuStatusBarHintsClick(const Sender&) {
  statusBarHints_ = !statusBarHints_;
  if (!statusBarHints_) PageControlChange();
}

}  // namespace app
