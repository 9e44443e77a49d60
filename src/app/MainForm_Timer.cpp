// The main timer: the hand-off pickup on every tick and the set-up on the first.
#include "app/HandOff.h"
#include "app/HandOffFile_win.h"
#include "app/MainForm.h"
#include "config/Keys.h"
#include "win/Encoding.h"
#include "win/Text.h"
#include "workspace/DocumentFile_win.h"

namespace app {
namespace keys = config::keys;

namespace {
bool IsExistingFile(const std::wstring& name) { return workspace::FileExists(name); }
}  // namespace

void TMainForm::TimerTimer() {
  // A command, a prompt or an earlier tick is still running its own message loop: the
  // records wait in param.dat for a tick after it (or for the next start).
  if (InModalWork()) return;
  ModalScope scope(*this);
  PickUpHandOff();
  if (firstTick_) FirstTickSetUp();
}

void TMainForm::PickUpHandOff() {
  if (!handOff_) handOff_.emplace(context_.paths.handOffPath);
  std::optional<std::string> bytes = handOff_->Take();
  if (!bytes) return;
  HandOffRequest request = TokenizeHandOff(HandOffText(win::FromAnsi(*bytes), bytes->size()), &IsExistingFile);
  for (const std::wstring& handed : request.names) {
    std::wstring name = workspace::ShellPathName(handed);
    int openTab = FindOpenTab(name);
    if (openTab >= 0) {
      ActivateTab(openTab);
    } else {
      LimitReported = false;
      OpenDocument(name);
      ::UpdateWindow(hwnd());
    }
  }
  if (request.print) PrintFromRequest();
}

void TMainForm::PrintFromRequest() {
  if (printDialogOpen_) return;
  ++printRequests;
  RunCommand(FileMenuPrint, Sender::Kind::Code);
}

void TMainForm::FirstTickSetUp() {
  firstTick_ = false;
  ::SetTimer(hwnd(), kMainTimer, 500, nullptr);
  FocusActiveEditor();
  ::ShowWindow(statusBar_, profile().Read(keys::ShowStatusBar) ? SW_SHOWNA : SW_HIDE);
  if (profile().Read(keys::ShowRuler)) ViewMenuRulerClick(Sender{ViewMenuRuler});
  sideBarState_ = profile().Read(keys::SideBarState);

  LimitReported = false;
  HandOffRequest commandLine = TokenizeCommandLine(context_.arguments, &IsExistingFile);
  for (const std::wstring& name : commandLine.names) OpenDocument(name);

  RefreshToolStates();
  MemoSelectionChange();
  if (profile().Read(keys::FileTabWrap)) {
    LONG style = ::GetWindowLongW(pageControl_, GWL_STYLE);
    ::SetWindowLongW(pageControl_, GWL_STYLE, style | TCS_MULTILINE);
  }
  if (context_.trayMode) CreateTrayIcon();
  LoadFileTypes();
  showHints_ = profile().Read(keys::ShowHints);
  PlaySoundsOn = profile().Read(keys::PlaySounds);
  if (profile().Read(keys::AlwaysOnTop)) ViewMenuAlwaysOnTopClick(Sender{ViewMenuAlwaysOnTop});
  if (profile().Read(keys::StatusBarHints)) HelpMenuStatusBarHintsClick(Sender{HelpMenuStatusBarHints});
  if (profile().Read(keys::ReOpenLast))
    ReOpenLastDocuments();
  else if (commandLine.print)
    PrintFromRequest();
  LayoutFrame();
}

}  // namespace app
