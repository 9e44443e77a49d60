// The frame's own commands: the View menu's bars and switches, the Help menu's hint
// switches and Exit.
#include "app/MainForm.h"

namespace app {
using namespace command;

namespace {
bool Visible(HWND hwnd) { return hwnd && (::GetWindowLongW(hwnd, GWL_STYLE) & WS_VISIBLE); }
}  // namespace

void TMainForm::RegisterFrameCommands() {
  // clang-format off
  commands_.Add({
    {FileMenuExit, L"FileMenuExit", L"E&xit", {}, L"Exit Tarnwick.", 51, Bind(this, &TMainForm::FileMenuExitClick)},
    {ViewMenuToolBar, L"ViewMenuToolBar", L"&Tool Bar", {}, L"Show or hide the Tool Bar.", -1,
     Bind(this, &TMainForm::ViewMenuToolBarClick), {}, [this] { return Visible(toolBar_.hwnd()); }},
    {ViewMenuFormatBar, L"ViewMenuFormatBar", L"&Format Bar", {}, L"Show or hide the Format Bar.", -1,
     Bind(this, &TMainForm::ViewMenuFormatBarClick), {}, [this] { return Visible(formatBar_); }},
    {ViewMenuStatusBar, L"ViewMenuStatusBar", L"&Status Bar", {}, L"Show or hide the Status Bar.", -1,
     Bind(this, &TMainForm::ViewMenuStatusBarClick), {}, [this] { return Visible(statusBar_); }},
    {ViewMenuAlwaysOnTop, L"ViewMenuAlwaysOnTop", L"&Always On Top", {}, L"Set window to stay on top of other windows.", -1,
     Bind(this, &TMainForm::ViewMenuAlwaysOnTopClick), {}, [this] { return alwaysOnTop_; }},
    {HelpMenuShowHints, L"HelpMenuShowHints", L"&Show Hints", {}, L"Toggles balloon help on or off.", -1,
     Bind(this, &TMainForm::HelpMenuShowHintsClick), {}, [this] { return showHints_; }},
    {HelpMenuStatusBarHints, L"HelpMenuStatusBarHints", L"S&tatus Bar Hints", {}, L"Toggles hints on the Status Bar on or off.", -1,
     Bind(this, &TMainForm::HelpMenuStatusBarHintsClick), {}, [this] { return statusBarHints_; }},
  });
  // clang-format on
  Row close{TrayPopupMenuClose, L"TrayPopupMenuClose", L"&Close", {VK_F4, kAlt}, L"Exit Tarnwick.", -1,
            Bind(this, &TMainForm::FileMenuExitClick), [this] { return ::GetActiveWindow() == hwnd(); }};
  close.systemShortcut = true;
  commands_.Add(std::move(close));
}

void TMainForm::ViewMenuToolBarClick(const Sender&) {
  bool show = !Visible(toolBar_.hwnd());
  ::ShowWindow(toolBar_.hwnd(), show ? SW_SHOWNA : SW_HIDE);
  ::ShowWindow(topSplitter_, show ? SW_HIDE : SW_SHOWNA);
  LayoutFrame();
}

void TMainForm::ViewMenuFormatBarClick(const Sender&) {
  ::ShowWindow(formatBar_, Visible(formatBar_) ? SW_HIDE : SW_SHOWNA);
  // The layout keeps the tool bar above the format bar and the line at the top.
  if (!Visible(toolBar_.hwnd())) ::ShowWindow(topSplitter_, SW_SHOWNA);
  LayoutFrame();
}

void TMainForm::ViewMenuStatusBarClick(const Sender&) {
  ::ShowWindow(statusBar_, Visible(statusBar_) ? SW_HIDE : SW_SHOWNA);
  LayoutFrame();
}

void TMainForm::ViewMenuAlwaysOnTopClick(const Sender&) {
  alwaysOnTop_ = !alwaysOnTop_;
  ::SetWindowPos(hwnd(), alwaysOnTop_ ? HWND_TOPMOST : HWND_NOTOPMOST, 0, 0, 0, 0,
                 SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
}

void TMainForm::HelpMenuShowHintsClick(const Sender&) {
  showHints_ = !showHints_;
  toolBar_.showTips = showHints_;
  formatting_.SetShowTips(showHints_);
  sideBar_.showTips = showHints_;
  ruler_.showTips = showHints_;
}

void TMainForm::HelpMenuStatusBarHintsClick(const Sender&) {
  statusBarHints_ = !statusBarHints_;
  if (!statusBarHints_) documents_.PageControlChange();
}

void TMainForm::FileMenuExitClick(const Sender&) { ::PostMessageW(hwnd(), WM_CLOSE, 0, 0); }

}  // namespace app
