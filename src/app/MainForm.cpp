#include "app/MainForm.h"


#include <windows.h>

#include <algorithm>

#include "win/resource.h"
#include "config/Keys.h"
#include "win/Container.h"
#include "win/DockLayout.h"
#include "win/MessageLoop.h"
#include "win/Placement.h"
#include "win/Text.h"

namespace app {
using namespace command;
namespace keys = config::keys;

namespace {
constexpr wchar_t kClassName[] = L"TMainForm";
constexpr int kStatusWidths[] = {75, 58, 62};
constexpr int kEncodingPanelWidth = 150;
constexpr int kTopSplitterHeight = 2;

BOOL CALLBACK AddMonitor(HMONITOR monitor, HDC, LPRECT, LPARAM data) {
  MONITORINFO info{sizeof(info)};
  if (::GetMonitorInfoW(monitor, &info)) {
    const RECT& b = info.rcMonitor;
    const RECT& w = info.rcWork;
    reinterpret_cast<std::vector<win::Monitor>*>(data)->push_back(
        {{b.left, b.top, b.right, b.bottom}, {w.left, w.top, w.right, w.bottom}});
  }
  return TRUE;
}

std::vector<win::Monitor> Monitors() {
  std::vector<win::Monitor> monitors;
  ::EnumDisplayMonitors(nullptr, nullptr, &AddMonitor, reinterpret_cast<LPARAM>(&monitors));
  return monitors;
}

}  // namespace

// Forwards to the context's prompter while counting the prompt as modal work: a
// message box or common dialog runs its own message loop, and the hand-off must not
// open documents under a question that is about another one.
class TMainForm::GuardedPrompter : public win::Prompter {
 public:
  explicit GuardedPrompter(TMainForm& form) : form_(form) {}
  win::Answer Message(const win::MessageRequest& request) override {
    ModalScope scope(form_);
    return Real().Message(request);
  }
  bool OpenFile(win::FileRequest& request) override {
    ModalScope scope(form_);
    return Real().OpenFile(request);
  }
  bool SaveFile(win::FileRequest& request) override {
    ModalScope scope(form_);
    return Real().SaveFile(request);
  }
  bool PickColor(win::ColorRequest& request) override {
    ModalScope scope(form_);
    return Real().PickColor(request);
  }
  bool PickFont(win::FontRequest& request) override {
    ModalScope scope(form_);
    return Real().PickFont(request);
  }
  std::wstring BrowseFolder(const win::FolderRequest& request) override {
    ModalScope scope(form_);
    return Real().BrowseFolder(request);
  }
  bool Print(win::PrintRequest& request) override {
    ModalScope scope(form_);
    return Real().Print(request);
  }

 private:
  win::Prompter& Real() { return *form_.context_.prompter; }
  TMainForm& form_;
};

TMainForm::TMainForm(AppContext& context)
    : context_(context),
      guardedPrompter_(std::make_unique<GuardedPrompter>(*this)),
      help_(*this, commands_,
            [this](const wchar_t* address) {
              if (context_.shellOpen) context_.shellOpen(address, L"", SW_RESTORE);
            }),
      documents_(*this, commands_),
      textCommands_(*this, documents_, commands_),
      formatting_(*this, documents_, commands_),
      notepadCommands_(*this, documents_, commands_),
      favorites_(*this, documents_, commands_),
      fileFunctions_(*this, documents_, commands_,
                     [this](const std::wstring& target, const std::wstring& directory, int show) {
                       if (context_.shellOpen) context_.shellOpen(target, directory, show);
                     }),
      settings_(*this, *this, commands_),
      printing_(*this, documents_, commands_),
      sideBar_(*this, documents_, commands_),
      toolBar_(*context.profile, commands_),
      tray_(*this, commands_, [this] { RestoreApplication(); }),
      ruler_(*this, documents_, commands_),
      menuPictures_(commands_, toolBar_),
      journal_(*this, documents_),
      opening_(*this, documents_, context.paths.handOffPath, [this](const std::wstring& printer) { PrintFromRequest(printer); }) {
  RegisterFrameCommands();
  if (context_.makePrinter) printing_.UseDevice(context_.makePrinter());
  opening_.printerExists = [this](const std::wstring& name) { return printing_.PrinterExists(name); };
  documents_.onEditorKey = [this](WPARAM key) { return textCommands_.MemoKeyDown(key); };
  documents_.onEdited = [this](int slot) { journal_.Edited(slot); };
  documents_.onSettled = [this](int slot) { journal_.Settled(slot); };
  documents_.loading = [this](const std::wstring& name, bool rich) { journal_.Loading(name, rich); };
  documents_.refuseLoad = [this](const std::wstring& name) { return journal_.RefuseLoad(name); };
  documents_.setMenuPicture = [this](HMENU menu, unsigned id, int picture) {
    menuPictures_.SetPicture(menu, id, picture);
  };
  favorites_.setMenuPicture = documents_.setMenuPicture;
  sideBar_.fontNames = [this] { return formatting_.FontNames(); };
  sideBar_.onRichFontChosen = [this](const std::wstring& face) { formatting_.ChooseFontFace(face); };
  favorites_.onStoreChanged = [this] { sideBar_.ReloadFavoritesView(); };
  help_.documents = &documents_;
  help_.openDocument = [this](const std::wstring& name) {
    documents_.LimitReported = false;
    documents_.OpenDocument(name);
    return !documents_.LimitReported;
  };
  documents_.onHistoryChanged = [this] { sideBar_.RecentDocumentsChanged(); };
  documents_.onActivePage = [this] {
    sideBar_.ActivePageChanged();
    ruler_.ActivePageChanged();
  };
  documents_.onSlotClosing = [this](int slot) {
    sideBar_.SlotClosing(slot);
    ruler_.SlotClosing(slot);
  };
  sideBar_.onHint = [this](const std::wstring& hint) {
    if (statusBarHints_) ShowHint(hint);
  };
  ruler_.onHint = sideBar_.onHint;
  toolBar_.onDropDown = [this](unsigned command, POINT point) { documents_.ShowNewMenu(command, point); };
  toolBar_.onHint = [this](const std::wstring& hint) {
    if (statusBarHints_) ShowHint(hint);
  };
  formatting_.onHint = toolBar_.onHint;
  documents_.onSelectionChange = [this] { formatting_.MemoSelectionChange(); };
}

win::Prompter& TMainForm::Prompter() { return *guardedPrompter_; }

TMainForm::~TMainForm() {
  win::MessageLoop::SetIdle(nullptr);
  if (accelerators_) ::DestroyAcceleratorTable(accelerators_);
  // A hidden Re-Open submenu belongs to no menu and is freed here.
  if (reopenMenu_ && topMenus_[kFileMenu] &&
      ::GetMenuState(topMenus_[kFileMenu], FileMenuReOpen, MF_BYCOMMAND) == static_cast<UINT>(-1))
    ::DestroyMenu(reopenMenu_);
}

bool TMainForm::Create() {
  // The class carries the first program icon, the one most windows keep: under Wine
  // every WM_SETICON converts the icons for X once more before the window can show.
  RegisterClassOnce(kClassName, CS_DBLCLKS, reinterpret_cast<HBRUSH>(COLOR_BTNFACE + 1),
                    LoadProgramIcon(0, false, LR_SHARED), LoadProgramIcon(0, true, LR_SHARED));
  int screenWidth = ::GetSystemMetrics(SM_CXSCREEN);
  int screenHeight = ::GetSystemMetrics(SM_CYSCREEN);
  win::StoredPlacement stored;
  stored.left = profile().ReadInt(keys::Left.section, keys::Left.key, (screenWidth - 445) / 2);
  stored.top = profile().ReadInt(keys::Top.section, keys::Top.key, (screenHeight - 400) / 2);
  stored.width = profile().Read(keys::Width);
  stored.height = profile().Read(keys::Height);
  // A window stored on a monitor that is gone, or garbage in the file, would leave the
  // editor running where nobody can see it.
  win::DockRect placed = win::PlaceWindow(stored, Monitors());
  HWND owner = nullptr;
  if (context_.trayMode) {
    // Windows that have an owner get no taskbar button: in tray mode the main window
    // is owned by a hidden tool window, and the tray icon is the way back.
    owner = ::CreateWindowExW(WS_EX_TOOLWINDOW, L"STATIC", L"Tarnwick", WS_POPUP, 0, 0, 0, 0, nullptr, nullptr,
                              ::GetModuleHandleW(nullptr), nullptr);
  }
  HWND hwnd = CreateHandle(0, kClassName, L"Tarnwick",
                           WS_OVERLAPPEDWINDOW | WS_CLIPCHILDREN, placed.left, placed.top, placed.width(),
                           placed.height(), owner, nullptr);
  if (!hwnd) return false;
  FormCreate();
  return true;
}

void TMainForm::Show(int showCommand) {
  // The window answers as soon as it is on screen; the first document's editor is made
  // next, and the frame and the editor are painted together once nothing else waits.
  ::ShowWindow(hwnd(), showCommand);
  ::PostMessageW(hwnd(), kShowFirstDocument, 0, 0);
}

void TMainForm::FormCreate() {
  busy_ = false;
  firstTick_ = true;

  SetAppIcon(profile().Read(keys::Icon));

  BuildMenus();
  favorites_.SetMenus(menuBar_, topMenus_[kFavoritesMenu], topMenus_[kViewMenu]);
  favorites_.BuildFavoritesMenu();
  BuildAccelerators();
  CreateBars();
  CreateStatusBar();
  documents_.Create(hwnd());
  toolBar_.Build();

  ::SetTimer(hwnd(), kMainTimer, 1, nullptr);
  documents_.FirstDocument();
  win::MessageLoop::SetIdle([this] { CommandStatesChanged(); });
  LayoutFrame();
}

void TMainForm::CreateBars() {
  HINSTANCE instance = ::GetModuleHandleW(nullptr);
  toolBar_.Create(hwnd());
  formatBar_ = formatting_.CreateBar(hwnd());
  topSplitter_ = ::CreateWindowExW(0, L"STATIC", L"", WS_CHILD | SS_ETCHEDHORZ, 0, 0, 0, kTopSplitterHeight, hwnd(),
                                   nullptr, instance, nullptr);
  bool showToolBar = profile().Read(keys::ShowToolBar);
  ::ShowWindow(toolBar_.hwnd(), showToolBar ? SW_SHOWNA : SW_HIDE);
  ::ShowWindow(formatBar_, profile().Read(keys::ShowFormatBar) ? SW_SHOWNA : SW_HIDE);
  ::ShowWindow(topSplitter_, showToolBar ? SW_HIDE : SW_SHOWNA);
}

void TMainForm::CreateStatusBar() {
  statusBar_ = ::CreateWindowExW(0, STATUSCLASSNAMEW, L"", WS_CHILD | WS_VISIBLE | SBARS_SIZEGRIP | CCS_NOPARENTALIGN |
                                                               CCS_NORESIZE | CCS_NODIVIDER,
                                 0, 0, 0, 0, hwnd(), nullptr, ::GetModuleHandleW(nullptr), nullptr);
  SetStatusParts();
}

void TMainForm::SetStatusParts() {
  // Caret, mode, format, the file name stretching up to the encoding at the right.
  RECT client{};
  ::GetClientRect(hwnd(), &client);
  int edges[5];
  int right = 0;
  for (int i = 0; i < 3; ++i) edges[i] = (right += kStatusWidths[i]);
  edges[3] = std::max<int>(right, client.right - kEncodingPanelWidth);
  edges[4] = -1;
  ::SendMessageW(statusBar_, SB_SETPARTS, 5, reinterpret_cast<LPARAM>(edges));
}

namespace {
int BarHeight(HWND bar) {
  if (!bar || !(::GetWindowLongW(bar, GWL_STYLE) & WS_VISIBLE)) return 0;
  int count = static_cast<int>(::SendMessageW(bar, TB_BUTTONCOUNT, 0, 0));
  int bottom = 0;
  for (int i = 0; i < count; ++i) {
    RECT r{};
    if (::SendMessageW(bar, TB_GETITEMRECT, i, reinterpret_cast<LPARAM>(&r))) bottom = std::max<int>(bottom, r.bottom);
  }
  return count ? bottom + 2 : 0;
}

bool Visible(HWND hwnd) { return hwnd && (::GetWindowLongW(hwnd, GWL_STYLE) & WS_VISIBLE); }
}  // namespace

void TMainForm::LayoutFrame() {
  if (!hwnd()) return;
  RECT client;
  ::GetClientRect(hwnd(), &client);
  // A wrapping tool bar needs its width before it can tell its height.
  HWND toolBar = toolBar_.hwnd();
  if (toolBar) ::MoveWindow(toolBar, 0, 0, client.right, std::max<int>(BarHeight(toolBar), 1), FALSE);
  int statusHeight = 0;
  if (Visible(statusBar_)) {
    RECT r;
    ::SendMessageW(statusBar_, WM_SIZE, 0, 0);
    SetStatusParts();
    ::GetWindowRect(statusBar_, &r);
    statusHeight = std::max<int>(r.bottom - r.top, 20);
  }
  std::vector<win::DockItem> items = {
      {win::Dock::Top, Visible(topSplitter_) ? kTopSplitterHeight : 0},
      {win::Dock::Top, BarHeight(toolBar)},
      {win::Dock::Top, formatting_.BarHeight()},
      {win::Dock::Bottom, statusHeight},
      {win::Dock::Fill, 0},
  };
  auto rects = win::LayOut(items, {client.left, client.top, client.right, client.bottom});
  HWND windows[] = {topSplitter_, toolBar, formatBar_, statusBar_, documents_.PageControl()};
  for (size_t i = 0; i < rects.size(); ++i) {
    if (!windows[i]) continue;
    const win::DockRect& r = rects[i];
    ::MoveWindow(windows[i], r.left, r.top, r.width(), r.height(), TRUE);
  }
  documents_.LayoutPages();
  sideBar_.FitToPage();
}

void TMainForm::FormShow() {
  if (context_.onFirstShow) {
    auto onFirstShow = std::move(context_.onFirstShow);
    context_.onFirstShow = nullptr;
    onFirstShow();
  }
}

void TMainForm::SaveWindowState() {
  if (!::IsZoomed(hwnd())) {
    RECT r;
    if (::IsIconic(hwnd())) {
      WINDOWPLACEMENT placement{sizeof(placement)};
      ::GetWindowPlacement(hwnd(), &placement);
      r = placement.rcNormalPosition;
      MONITORINFO monitor{sizeof(monitor)};
      ::GetMonitorInfoW(::MonitorFromRect(&r, MONITOR_DEFAULTTONEAREST), &monitor);
      // The normal position is in work-area coordinates.
      ::OffsetRect(&r, monitor.rcWork.left - monitor.rcMonitor.left, monitor.rcWork.top - monitor.rcMonitor.top);
    } else {
      ::GetWindowRect(hwnd(), &r);
    }
    profile().Write(keys::Left, r.left);
    profile().Write(keys::Top, r.top);
    profile().Write(keys::Width, r.right - r.left);
    profile().Write(keys::Height, r.bottom - r.top);
  }
  profile().Write(keys::ShowToolBar, Visible(toolBar_.hwnd()));
  profile().Write(keys::ShowFormatBar, Visible(formatBar_));
  profile().Write(keys::ShowStatusBar, Visible(statusBar_));
  profile().Write(keys::AlwaysOnTop, alwaysOnTop_);
  profile().Write(keys::ShowHints, showHints_);
  profile().Write(keys::ShowRuler, ruler_.Shown());
  profile().Write(keys::StatusBarHints, statusBarHints_);
  sideBar_.SaveState();
}

void TMainForm::FormClose() {
  SaveWindowState();
  tray_.Remove();
  textCommands_.Close();
}

void TMainForm::FormDestroy() {
  journal_.Close();
  win::MessageLoop::SetIdle(nullptr);
  ::KillTimer(hwnd(), kMainTimer);
  ::KillTimer(hwnd(), kOpenTimer);
}

bool TMainForm::FormCloseQuery() {
  // A close sent by another program while a command, a prompt or the first tick is under
  // way would destroy the window beneath the code waiting for the answer: the recovery
  // question, for one, would find its store cleared (with the documents it was about
  // to restore) and crash. The close waits for the user's answer.
  if (busy_ || InModalWork()) return false;
  ModalScope scope(*this);
  if (!documents_.CloseEveryDocument(profile().Read(keys::ReOpenLast))) return false;
  opening_.HandBack();
  return true;
}

void TMainForm::OnTimer(UINT_PTR id) {
  if (id == kMainTimer) TimerTimer();
  if (id == kTrayTimer) tray_.OnTimer();
  if (id == kOpenTimer) OpenTimerTimer();
  if (id == recovery::Journal::kTimer) journal_.OnTimer();
}

void TMainForm::SetStatusText(int panel, const std::wstring& text) {
  // A leading tab centres the text; the file name in panel 3 stays left-aligned.
  std::wstring shown = panel != 3 ? L"\t" + text : text;
  ::SendMessageW(statusBar_, SB_SETTEXTW, static_cast<WPARAM>(panel), reinterpret_cast<LPARAM>(shown.c_str()));
}

std::wstring TMainForm::StatusText(int panel) const {
  auto length = LOWORD(::SendMessageW(statusBar_, SB_GETTEXTLENGTHW, static_cast<WPARAM>(panel), 0));
  std::wstring text(static_cast<size_t>(length) + 1, L'\0');
  ::SendMessageW(statusBar_, SB_GETTEXTW, static_cast<WPARAM>(panel), reinterpret_cast<LPARAM>(text.data()));
  text.resize(length);
  if (!text.empty() && text[0] == L'\t') text.erase(0, 1);
  return text;
}

SYSTEMTIME TMainForm::Now() { return context_.now ? context_.now() : SYSTEMTIME{}; }

void TMainForm::PlaySound(const wchar_t* resource) {
  if (context_.playSound) context_.playSound(resource);
}

void TMainForm::RestoreApplication() {
  ::ShowWindow(hwnd(), ::IsIconic(hwnd()) || !::IsWindowVisible(hwnd()) ? SW_RESTORE : SW_SHOW);
  ::SetForegroundWindow(hwnd());
  documents_.FocusActiveEditor();
}


LRESULT TMainForm::HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) {
  switch (message) {
    case WM_SIZE:
      // In tray mode a minimized window leaves the taskbar; the tray icon brings it back.
      if (wParam == SIZE_MINIMIZED && context_.trayMode) {
        ::ShowWindow(hwnd(), SW_HIDE);
        return 0;
      }
      LayoutFrame();
      return 0;
    case kShowFirstDocument:
      documents_.ShowFirstDocument();
      return 0;
    case kTrayMessage:
      tray_.OnMessage(lParam, trayMenu_.get(), [this](POINT point) { ShowPopupMenu(command::kTrayMenu, point); });
      return 0;
    case WM_TIMER:
      OnTimer(wParam);
      return 0;
    case WM_COMMAND:
      OnCommand(LOWORD(wParam), HIWORD(wParam), reinterpret_cast<HWND>(lParam));
      return 0;
    case WM_HELP: {
      // F1 on a highlighted menu item: the help topic of its menu.
      const auto& info = *reinterpret_cast<const HELPINFO*>(lParam);
      if (info.iContextType == HELPINFO_MENUITEM) {
        if (DWORD topic = ::GetMenuContextHelpId(static_cast<HMENU>(info.hItemHandle))) ShowHelpTopic(static_cast<int>(topic));
        return TRUE;
      }
      break;
    }
    case WM_INITMENUPOPUP:
      OnInitMenuPopup(reinterpret_cast<HMENU>(wParam));
      return 0;
    case WM_MENUSELECT:
      OnMenuSelect(LOWORD(wParam), HIWORD(wParam), reinterpret_cast<HMENU>(lParam));
      return 0;
    case WM_NOTIFY:
      return OnNotify(*reinterpret_cast<NMHDR*>(lParam));
    case WM_MEASUREITEM:
      if (menuPictures_.Measure(*reinterpret_cast<MEASUREITEMSTRUCT*>(lParam))) return TRUE;
      break;
    case WM_DRAWITEM:
      if (menuPictures_.Draw(*reinterpret_cast<const DRAWITEMSTRUCT*>(lParam))) return TRUE;
      break;
    case WM_SHOWWINDOW:
      if (wParam) FormShow();
      break;
    case WM_SETFOCUS:
      documents_.FocusActiveEditor();
      return 0;
    case WM_CLOSE:
      if (FormCloseQuery()) {
        FormClose();
        ::DestroyWindow(hwnd());
      }
      return 0;
    case WM_QUERYENDSESSION:
      // Windows may end the program without waiting for the questions that follow.
      journal_.Flush();
      return FormCloseQuery() ? TRUE : FALSE;
    case WM_ENDSESSION:
      journal_.Flush();
      if (wParam)
        FormClose();
      else if (documents_.TabCount() == 0)
        documents_.NewDocument(0, L"txt");  // the session goes on after all
      return 0;
    case WM_DESTROY:
      FormDestroy();
      ::PostQuitMessage(0);
      return 0;
  }
  return DefaultProc(message, wParam, lParam);
}

}  // namespace app
