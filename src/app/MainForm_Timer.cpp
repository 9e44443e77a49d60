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
// How long one go at the waiting documents may keep the window from answering.
constexpr unsigned kFirstOpenSliceMs = 300;
constexpr unsigned kOpenSliceMs = 100;
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
  std::vector<PendingOpen> items;
  for (const std::wstring& name : request.names) items.push_back({PendingOpen::Kind::HandOff, name});
  if (request.print) items.push_back({PendingOpen::Kind::Print, L""});
  QueueOpens(std::move(items));
}

void TMainForm::QueueOpens(std::vector<PendingOpen> items) {
  if (items.empty()) return;
  for (PendingOpen& item : items) pendingOpens_.push_back(std::move(item));
  // A few documents open at once; the rest follow from the timer.
  RunPendingOpens(kFirstOpenSliceMs);
}

void TMainForm::RunPendingOpens(unsigned budgetMs) {
  DWORD start = ::GetTickCount();
  documents_.BeginBatch();
  while (!pendingOpens_.empty()) {
    PendingOpen item = std::move(pendingOpens_.front());
    pendingOpens_.pop_front();
    try {
      RunPendingOpen(item);
    } catch (const std::exception& error) {
      win::ReportException(error);
    }
    if (::GetTickCount() - start >= budgetMs) break;
  }
  documents_.EndBatch(pendingOpens_.empty());
  if (pendingOpens_.empty())
    ::KillTimer(hwnd(), kOpenTimer);
  else
    ::SetTimer(hwnd(), kOpenTimer, USER_TIMER_MINIMUM, nullptr);
}

void TMainForm::RunPendingOpen(const PendingOpen& item) {
  using Kind = PendingOpen::Kind;
  switch (item.kind) {
    case Kind::ResetLimit:
      documents_.LimitReported = false;
      break;
    case Kind::HandOff: {
      std::wstring name = workspace::ShellPathName(item.name);
      if (int tab = documents_.FindOpenTab(name); tab >= 0) {
        documents_.ActivateTab(tab);
      } else {
        documents_.LimitReported = false;  // every handed-over name meets the limit on its own
        documents_.OpenDocument(name);
      }
      break;
    }
    case Kind::File:
      documents_.OpenDocument(item.name);
      break;
    case Kind::ReOpen:
      if (!documents_.LimitReported && workspace::FileExists(item.name)) documents_.OpenDocument(item.name);
      break;
    case Kind::ActivateFirst:
      if (documents_.TabCount() > 0) documents_.ActivateTab(0);
      break;
    case Kind::Print:
      PrintFromRequest();
      break;
  }
}

void TMainForm::OpenTimerTimer() {
  if (InModalWork()) return;
  ModalScope scope(*this);
  RunPendingOpens(kOpenSliceMs);
}

void TMainForm::HandBackPendingOpens() {
  // The window closes before it got to these: they go back to param.dat for the next
  // start rather than being lost.
  std::string records;
  for (const PendingOpen& item : pendingOpens_) {
    if (item.kind == PendingOpen::Kind::Print) records += "/p ";
    if (item.kind == PendingOpen::Kind::HandOff || item.kind == PendingOpen::Kind::File ||
        item.kind == PendingOpen::Kind::ReOpen)
      records += win::ToAnsiPath(item.name) + " ";
  }
  pendingOpens_.clear();
  ::KillTimer(hwnd(), kOpenTimer);
  if (!records.empty()) AppendHandOff(context_.paths.handOffPath, records);
}

void TMainForm::PrintFromRequest() {
  if (printDialogOpen_) return;
  ++printRequests;
  RunCommand(command::FileMenuPrint, Sender::Kind::Code);
}

void TMainForm::FirstTickSetUp() {
  firstTick_ = false;
  ::SetTimer(hwnd(), kMainTimer, 500, nullptr);
  documents_.FocusActiveEditor();
  ::ShowWindow(statusBar_, profile().Read(keys::ShowStatusBar) ? SW_SHOWNA : SW_HIDE);
  if (profile().Read(keys::ShowRuler)) ViewMenuRulerClick(Sender{command::ViewMenuRuler});
  sideBarState_ = profile().Read(keys::SideBarState);

  // Documents an editor left unsaved when it ended come back before anything opens.
  if (context_.journalFolder && profile().Read(keys::RecoveryJournal)) journal_.Start(context_.journalFolder());

  HandOffRequest commandLine = TokenizeCommandLine(context_.arguments, &IsExistingFile);
  std::vector<PendingOpen> opens{{PendingOpen::Kind::ResetLimit, L""}};
  for (const std::wstring& name : commandLine.names) opens.push_back({PendingOpen::Kind::File, name});

  CommandStatesChanged();
  documents_.MemoSelectionChange();
  if (profile().Read(keys::FileTabWrap)) {
    LONG style = ::GetWindowLongW(documents_.PageControl(), GWL_STYLE);
    ::SetWindowLongW(documents_.PageControl(), GWL_STYLE, style | TCS_MULTILINE);
  }
  if (context_.trayMode) tray_.Create(appIconSmall_ ? appIconSmall_.get() : appIcon_.get());
  documents_.LoadFileTypes();
  showHints_ = profile().Read(keys::ShowHints);
  toolBar_.showTips = showHints_;
  documents_.PlaySoundsOn = profile().Read(keys::PlaySounds);
  if (profile().Read(keys::AlwaysOnTop)) ViewMenuAlwaysOnTopClick(Sender{command::ViewMenuAlwaysOnTop});
  if (profile().Read(keys::StatusBarHints)) HelpMenuStatusBarHintsClick(Sender{command::HelpMenuStatusBarHints});
  if (profile().Read(keys::ReOpenLast)) {
    opens.push_back({PendingOpen::Kind::ResetLimit, L""});
    for (std::wstring& name : documents_.ReOpenLastNames()) opens.push_back({PendingOpen::Kind::ReOpen, std::move(name)});
    opens.push_back({PendingOpen::Kind::ActivateFirst, L""});
  }
  else if (commandLine.print)
    opens.push_back({PendingOpen::Kind::Print, L""});
  LayoutFrame();
  QueueOpens(std::move(opens));
}

}  // namespace app
