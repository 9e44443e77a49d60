// The main timer: the hand-off pickup on every tick and the set-up on the first.
#include "app/HandOff.h"
#include "app/MainForm.h"
#include "config/Keys.h"
#include "win/Text.h"
#include "workspace/DocumentFile_win.h"

namespace app {
namespace keys = config::keys;

namespace {
bool IsExistingFile(const std::wstring& name) { return workspace::FileExists(name); }
// How long one go of the timer at the waiting documents may keep the window from answering.
constexpr unsigned kOpenSliceMs = 100;
}  // namespace

void TMainForm::TimerTimer() {
  // A command, a prompt or an earlier tick is still running its own message loop: the
  // records wait in param.dat for a tick after it (or for the next start).
  if (InModalWork()) return;
  ModalScope scope(*this);
  // The first tick sets up what the window did not need to show; the documents wait
  // for the next one, so that the window answers in between.
  opening_.PickUpHandOff(!firstTick_);
  if (firstTick_) FirstTickSetUp();
}

void TMainForm::OpenTimerTimer() {
  if (InModalWork()) return;
  ModalScope scope(*this);
  opening_.RunSlice(kOpenSliceMs);
}

void TMainForm::PrintFromRequest(const std::wstring& printer) {
  if (printing_.DialogOpen()) return;
  ++printRequests;
  if (printer.empty()) {
    // Without a printer the command is off; the request still gets its answer.
    if (!RunCommand(command::FileMenuPrint, Sender::Kind::Code) && !printing_.HasPrinter())
      printing_.FileMenuPrintClick(Sender{command::FileMenuPrint});
  } else
    printing_.PrintTo(printer);
}

void TMainForm::FirstTickSetUp() {
  firstTick_ = false;
  ::SetTimer(hwnd(), kMainTimer, 500, nullptr);
  printing_.AskSpooler();
  formatting_.FirstTick();
  documents_.FocusActiveEditor();
  ::ShowWindow(statusBar_, profile().Read(keys::ShowStatusBar) ? SW_SHOWNA : SW_HIDE);
  // The side bar and the ruler are filled or shown only now: made before the window
  // showed, they only made it show later.
  sideBar_.Create(hwnd());
  ruler_.Create(hwnd());
  if (profile().Read(keys::ShowRuler)) ruler_.ViewMenuRulerClick(Sender{command::ViewMenuRuler});
  sideBar_.FirstTick();

  // Documents an editor left unsaved when it ended come back before anything opens.
  if (context_.journalFolder && profile().Read(keys::RecoveryJournal)) journal_.Start(context_.journalFolder());

  HandOffRequest commandLine = TokenizeCommandLine(context_.arguments, &IsExistingFile,
                                                   [this](const std::wstring& name) { return printing_.PrinterExists(name); });
  std::vector<OpeningQueue::Item> opens{{OpeningQueue::Item::Kind::ResetLimit, L""}};
  for (const std::wstring& name : commandLine.names) opens.push_back({OpeningQueue::Item::Kind::File, name});

  CommandStatesChanged();
  documents_.MemoSelectionChange();
  if (profile().Read(keys::FileTabWrap)) {
    LONG style = ::GetWindowLongW(documents_.PageControl(), GWL_STYLE);
    ::SetWindowLongW(documents_.PageControl(), GWL_STYLE, style | TCS_MULTILINE);
  }
  if (context_.trayMode) tray_.Create(TrayIcon());
  documents_.LoadFileTypes();
  showHints_ = profile().Read(keys::ShowHints);
  toolBar_.showTips = showHints_;
  formatting_.SetShowTips(showHints_);
  sideBar_.showTips = showHints_;
  ruler_.showTips = showHints_;
  documents_.PlaySoundsOn = profile().Read(keys::PlaySounds);
  if (profile().Read(keys::AlwaysOnTop)) ViewMenuAlwaysOnTopClick(Sender{command::ViewMenuAlwaysOnTop});
  if (profile().Read(keys::StatusBarHints)) HelpMenuStatusBarHintsClick(Sender{command::HelpMenuStatusBarHints});
  if (profile().Read(keys::ReOpenLast)) {
    opens.push_back({OpeningQueue::Item::Kind::ResetLimit, L""});
    for (std::wstring& name : documents_.ReOpenLastNames()) opens.push_back({OpeningQueue::Item::Kind::ReOpen, std::move(name)});
    opens.push_back({OpeningQueue::Item::Kind::ActivateFirst, L""});
  }
  else if (commandLine.print || !commandLine.printer.empty())
    opens.push_back({OpeningQueue::Item::Kind::Print, commandLine.printer});
  LayoutFrame();
  opening_.Queue(std::move(opens), false);
}

}  // namespace app
