#pragma once
// The main window: the frame around the documents. It lays out the bars, the tab
// control and the status bar, builds the menus from the command registry, dispatches
// commands, and owns one object per subsystem, wired together here.
#include <windows.h>
#include <commctrl.h>

#include <array>
#include <deque>
#include <map>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "app/AppContext.h"
#include "app/OpeningQueue_win.h"
#include "app/MenuLayout.h"
#include "chrome/MenuPictures_win.h"
#include "chrome/Ruler_win.h"
#include "chrome/ToolBar_win.h"
#include "chrome/Tray_win.h"
#include "command/Command.h"
#include "dialogs/HelpCommands_win.h"
#include "dialogs/SettingsCommands_win.h"
#include "favorites/Favorites_win.h"
#include "filefunc/FileFunctions_win.h"
#include "format/Formatting_win.h"
#include "notepad/NotepadCommands_win.h"
#include "print/Printing_win.h"
#include "recovery/Journal_win.h"
#include "sidebar/SideBar_win.h"
#include "textcmd/TextCommands_win.h"
#include "win/Handles.h"
#include "win/Window.h"
#include "workspace/Documents_win.h"
#include "workspace/Frame.h"

namespace app {

using command::Sender;
using command::TopMenu;

class TMainForm : public win::Window, public workspace::Frame, public dialogs::SettingsHost {
 public:
  static constexpr UINT_PTR kMainTimer = 1;
  static constexpr UINT_PTR kTrayTimer = chrome::Tray::kTimer;
  static constexpr UINT_PTR kOpenTimer = OpeningQueue::kTimer;
  static constexpr UINT kTrayMessage = chrome::Tray::kMessage;
  // Posted by Show: the first document's editor is made once the window is on screen.
  static constexpr UINT kShowFirstDocument = WM_APP + 1;
  explicit TMainForm(AppContext& context);
  ~TMainForm() override;

  // Creates the window (FormCreate runs inside); it is shown by Show.
  bool Create();
  void Show(int showCommand);

  // --- the subsystems
  workspace::Documents& documents() { return documents_; }
  favorites::Favorites& favorites() { return favorites_; }
  textcmd::TextCommands& textCommands() { return textCommands_; }
  filefunc::FileFunctions& fileFunctions() { return fileFunctions_; }
  format::Formatting& formatting() { return formatting_; }
  recovery::Journal& journal() { return journal_; }
  print::Printing& printing() { return printing_; }
  sidebar::SideBar& sideBar() { return sideBar_; }
  chrome::Ruler& ruler() { return ruler_; }
  const command::Registry& commands() const { return commands_; }

  // --- what every subsystem may ask of the frame
  HWND Window() const override { return hwnd(); }
  win::Prompter& Prompter() override;
  config::Profile& Profile() override { return *context_.profile; }
  const config::AppPaths& Paths() const override { return context_.paths; }
  void ShowHelpTopic(int topic) override {
    if (context_.showHelpTopic)
      context_.showHelpTopic(topic);
    else
      help_.ShowHelpTopic(topic);
  }
  void SetStatusText(int panel, const std::wstring& text) override;
  void UpdateStatusBar() override { ::UpdateWindow(statusBar_); }
  bool Busy() const override { return busy_; }
  void SetBusy(bool busy) override { busy_ = busy; }
  void Run(unsigned id) override { RunCommand(id, Sender::Kind::Code); }
  void CommandStatesChanged() override;
  void ShowPopupMenu(unsigned menu, POINT screenPoint) override;
  SYSTEMTIME Now() override;
  void PlaySound(const wchar_t* resource) override;

  // --- what tests and other windows read
  AppContext& context() { return context_; }
  config::Profile& profile() { return *context_.profile; }
  win::Prompter& prompter() { return Prompter(); }
  HWND PageControl() const { return documents_.PageControl(); }
  HWND StatusBar() const { return statusBar_; }
  HWND ToolBar() const { return toolBar_.hwnd(); }
  HWND FormatBar() const { return formatBar_; }
  HWND TopSplitter() const { return topSplitter_; }
  HMENU MenuOf(TopMenu menu) const { return topMenus_[menu]; }
  HACCEL Accelerators() const { return accelerators_; }
  std::wstring StatusText(int panel) const;
  bool IsToolEnabled(int tag) const { return toolBar_.IsEnabled(tag); }
  bool IsToolPressed(int tag) const { return toolBar_.IsPressed(tag); }
  std::vector<int> ToolBarTags() const { return toolBar_.Tags(); }
  HWND ReplaceDialog() const { return textCommands_.ReplaceDialog(); }
  bool FirstTickPending() const { return firstTick_; }
  // Documents handed over, named on the command line or left open by the last run
  // that are still waiting to be opened.
  bool OpeningPending() const { return opening_.Pending(); }

  // Runs a command as its menu item would: the menu's refresh first, then the
  // handler when the item is enabled. Returns false when nothing ran.
  bool RunCommand(unsigned id, Sender::Kind kind = Sender::Kind::Menu, int tag = -1);
  bool IsCommandEnabled(unsigned id);
  bool IsCommandChecked(unsigned id);

  // --- start-up, tray and close
  void TimerTimer();
  void OpenTimerTimer();
  void TrayIconTimerTimer() { tray_.OnTimer(); }
  bool TrayIconPresent() { return tray_.Present(); }
  // Print requests routed from the hand-off and the command line ("/p").
  int printRequests = 0;
  bool FormCloseQuery();
  void FormClose();
  // True while a command, the close query or a prompt runs: its message loop must not
  // let the hand-off open or switch documents underneath it.
  bool InModalWork() const { return modalDepth_ > 0; }

  // --- the frame's own commands: the bars, hints, always on top, exit
  void ViewMenuToolBarClick(const Sender&);
  void ViewMenuFormatBarClick(const Sender&);
  void ViewMenuStatusBarClick(const Sender&);
  void ViewMenuAlwaysOnTopClick(const Sender&);
  void HelpMenuShowHintsClick(const Sender&);
  void HelpMenuStatusBarHintsClick(const Sender&);
  void FileMenuExitClick(const Sender&);

  // --- the Settings dialog's view of the window (MainForm_Settings.cpp)
  dialogs::WindowState CurrentWindowState() const override;
  void ApplySettingsAtOnce(const dialogs::SettingsValues& values) override;
  void SettingsAccepted(bool toolBarChanged, bool tabsChanged) override;
  // The ruler and the side bar take their look from Tarnwick.ini again.
  void ApplyViewSettings();

 protected:
  LRESULT HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) override;

 private:
  // frame
  void FormCreate();
  void FormShow();
  void FormDestroy();
  void CreateBars();
  void CreateStatusBar();
  void SetStatusParts();
  void LayoutFrame();
  void RegisterFrameCommands();
  void OnTimer(UINT_PTR id);
  void FirstTickSetUp();
  void PrintFromRequest(const std::wstring& printer);
  void RestoreApplication();
  void SaveWindowState();
  void SetAppIcon(int icon);
  // The program icon of this Icon setting in the size of a window's big or small icon.
  static HICON LoadProgramIcon(int icon, bool smallSize, UINT flags);
  HICON TrayIcon() const;  // the small icon the window shows

  // menus and commands
  void BuildMenus();
  HMENU BuildMenu(const MenuLine* lines, size_t count, size_t& index, int depth, TopMenu top);
  void BuildAccelerators();
  void RefreshMenu(TopMenu menu);
  void RefreshItems(HMENU menu);
  void OnCommand(unsigned id, unsigned code, HWND control);
  bool Execute(unsigned id, Sender::Kind kind, int tag, bool refreshFirst);
  LRESULT OnNotify(NMHDR& header);
  void OnInitMenuPopup(HMENU menu);
  void OnMenuSelect(unsigned item, unsigned flags, HMENU menu);
  void ShowHint(const std::wstring& hint);

  // Counts the commands, close queries and prompts under way (see InModalWork).
  struct ModalScope {
    explicit ModalScope(TMainForm& form) : form_(form) { ++form_.modalDepth_; }
    ~ModalScope() { --form_.modalDepth_; }
    ModalScope(const ModalScope&) = delete;
    ModalScope& operator=(const ModalScope&) = delete;
    TMainForm& form_;
  };
  class GuardedPrompter;

  AppContext& context_;
  std::unique_ptr<win::Prompter> guardedPrompter_;
  command::Registry commands_;
  dialogs::HelpCommands help_;
  workspace::Documents documents_;
  textcmd::TextCommands textCommands_;
  format::Formatting formatting_;
  notepad::NotepadCommands notepadCommands_;
  favorites::Favorites favorites_;
  filefunc::FileFunctions fileFunctions_;
  dialogs::SettingsCommands settings_;
  print::Printing printing_;
  sidebar::SideBar sideBar_;
  chrome::ToolBar toolBar_;
  chrome::Tray tray_;
  chrome::Ruler ruler_;
  chrome::MenuPictures menuPictures_;
  recovery::Journal journal_;
  OpeningQueue opening_;

  int modalDepth_ = 0;
  bool busy_ = false;
  bool firstTick_ = true;
  bool alwaysOnTop_ = false;
  bool statusBarHints_ = false;
  bool showHints_ = true;

  HWND formatBar_ = nullptr;
  HWND topSplitter_ = nullptr;
  HWND statusBar_ = nullptr;
  HMENU menuBar_ = nullptr;
  HMENU reopenMenu_ = nullptr;  // owned by the File menu while shown there
  std::array<HMENU, 12> topMenus_{};
  std::map<unsigned, TopMenu> ownerMenus_;  // command -> the menu holding it
  win::UniqueMenu tabMenu_, editorPopup_, trayMenu_;
  HACCEL accelerators_ = nullptr;
  win::UniqueIcon appIcon_, appIconSmall_;
  int windowIcon_ = 0;  // the Icon setting the window shows; 0 is its class's icon
};

}  // namespace app
