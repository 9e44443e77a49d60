#pragma once
// The main window: menus, bars, the document tabs and the slot table behind them.
// Its members are defined over several files, one per subsystem.
#include <windows.h>
#include <commctrl.h>
#include <shellapi.h>

#include <array>
#include <deque>
#include <functional>
#include <map>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "app/AppContext.h"
#include "app/Command.h"
#include "app/HandOffFile_win.h"
#include "win/Handles.h"
#include "win/PaintSuspender.h"
#include "win/Window.h"
#include "workspace/DocumentSlot_win.h"
#include "workspace/SlotRules.h"

namespace app {

class TMainForm : public win::Window {
 public:
  static constexpr UINT_PTR kMainTimer = 1;
  static constexpr UINT_PTR kTrayTimer = 2;
  static constexpr UINT_PTR kOpenTimer = 3;
  static constexpr UINT kTrayMessage = 2025;
  explicit TMainForm(AppContext& context);
  ~TMainForm() override;

  // Creates the window (FormCreate runs inside); it is shown by Show.
  bool Create();
  void Show(int showCommand);

  // --- what tests and other windows read
  AppContext& context() { return context_; }
  config::Profile& profile() { return *context_.profile; }
  // Every prompt of the window goes through here; it counts as modal work.
  win::Prompter& prompter();
  HWND PageControl() const { return pageControl_; }
  HWND StatusBar() const { return statusBar_; }
  HWND ToolBar() const { return toolBar_; }
  HWND FormatBar() const { return formatBar_; }
  HWND TopSplitter() const { return topSplitter_; }
  HMENU MenuOf(TopMenu menu) const;
  HACCEL Accelerators() const;
  int TabCount() const;
  int TabIndexOfSlot(int slot) const;
  int SlotOfTab(int tabIndex) const;
  std::wstring TabCaption(int tabIndex) const;
  int TabImage(int tabIndex) const;
  std::wstring StatusText(int panel) const;
  workspace::DocumentSlot* Slot(int number) {
    return number >= 0 && number < workspace::kSlotCount ? slots_[static_cast<size_t>(number)].get() : nullptr;
  }
  workspace::DocumentSlot& Active() { return *slots_[static_cast<size_t>(ActiveSlot)]; }
  workspace::RichEditor& ActiveEditor() { return Active().editor; }
  bool Busy() const { return busy_; }
  bool FirstTickPending() const { return firstTick_; }
  // Documents handed over, named on the command line or left open by the last run
  // that are still waiting to be opened.
  bool OpeningPending() const { return !pendingOpens_.empty(); }
  void SetBusy(bool busy) { busy_ = busy; }

  // Runs a command as its menu item would: the menu's refresh first, then the
  // handler when the item is enabled. Returns false when nothing ran.
  bool RunCommand(unsigned id, Sender::Kind kind = Sender::Kind::Menu, int tag = -1);
  // The refresh of the menu holding `id`, then whether its item is enabled.
  bool IsCommandEnabled(unsigned id);
  bool IsCommandChecked(unsigned id);

  // --- document slots and tabs
  int ActiveSlot = 0;
  bool LimitReported = false;
  bool TabImages = true;
  bool PlaySoundsOn = false;

  bool NewDocument(int format, const std::wstring& extension);
  void PageControlChange();
  void UpdateTabImage() { UpdateTabImage(ActiveSlot); }
  void UpdateTabImage(int slot);
  void DestroySlot(int slot);
  void SelectAfterClose(int oldTabIndex);
  void MakeTempFileName();
  void DeleteTempFile(int slot);
  const std::wstring& TempFileOf(int slot) const;
  int CaretLine();
  int CaretColumn();
  void MemoChange(int slot);
  void MemoKeyPress(wchar_t key);
  void MemoSelectionChange();
  void ActivateTab(int tabIndex);
  void SetTabCaption(int slot, const std::wstring& displayName);
  void ReportLimit();
  // The progress of loading a file into `loading`: shown in the status bar once a load
  // has taken a second, with painting kept up; Escape stops it.
  workspace::StreamProgress LoadProgress(const std::wstring& displayName, HWND loading);
  bool EscapePressed();
  void PaintWhileLoading(HWND loading);
  static constexpr DWORD kProgressAfterMs = 1000;
  static constexpr DWORD kProgressEveryMs = 150;
  void FocusActiveEditor();
  // Moves the keyboard to the active editor when it was somewhere in this window.
  void FocusIfInWindow();
  // Replaces the active editor by a fresh control filled by `fill` (see ReplaceEditor).
  void ReplaceActiveEditor(const std::function<void(workspace::RichEditor&)>& fill);

  // --- tool bar states (by tag; a tag without a button is ignored)
  void BuildToolBar();
  void SetToolEnabled(int tag, bool enabled);
  void SetToolPressed(int tag, bool pressed);
  void RefreshToolStates();
  bool IsToolEnabled(int tag) const;
  bool IsToolPressed(int tag) const;
  std::vector<int> ToolBarTags() const;  // left to right; -1 for separators

  // --- start-up, tray and close
  void TimerTimer();
  void OpenTimerTimer();
  void TrayIconTimerTimer();
  void TrayIconMessage(LPARAM mouseMessage);
  bool TrayIconPresent();
  // Print requests routed from the hand-off and the command line ("/p").
  int printRequests = 0;
  bool FormCloseQuery();
  void FormClose();

  // --- opening, saving and closing documents
  void OpenDocument(std::wstring name);
  void LoadFileTypes();
  // Saves a slot's document as File > Save does; false when the user cancelled the
  // Save As dialog or the write failed (the error has been shown then).
  bool SaveDocument(int slot);
  // Writes a slot's document to `path` (plain text in `format`), asking first when the
  // code page would lose characters; false when the user cancelled or it failed. The
  // format written becomes the document's.
  bool WriteDocument(int slot, const std::wstring& path, workspace::TextFormat format);
  // The encoding and line breaks of the active document in the last status panel.
  void ShowTextFormat();
  bool SaveDocumentAs(int slot, bool chooseFilter = true);
  // The save prompt of the closing commands for one slot; false means stop closing.
  bool ConfirmClose(int slot);
  // The tab of a document whose name equals `name` (already canonical), or -1.
  int FindOpenTab(const std::wstring& name) const;
  // True while a command, the close query or a prompt runs: its message loop must not
  // let the hand-off open or switch documents underneath it.
  bool InModalWork() const { return modalDepth_ > 0; }
  // Fills the drop-down of the New (tag 0) or Open (other tags) tool button.
  void PrepareNewMenu(int buttonTag) { BuildNewMenu(buttonTag == 0); }
  HMENU NewMenuHandle() const { return newMenu_.get(); }
  const std::wstring& OpenFilter() const { return openFilter_; }
  const std::wstring& OpenInitialDir() const { return openInitialDir_; }
  const std::wstring& SaveInitialDir() const { return saveInitialDir_; }

  // --- command handlers
  void FileMenuNewClick(const Sender&);
  void FileMenuOpenClick(const Sender&);
  void FileMenuReloadClick(const Sender&);
  void FileMenuSaveClick(const Sender&);
  void FileMenuSaveAsClick(const Sender&);
  void FileMenuSaveAllClick(const Sender&);
  void FileMenuCloseClick(const Sender&);
  void FileMenuCloseAllClick(const Sender&);
  void FileMenuExitClick(const Sender&);
  void ReopenMenuClearListClick(const Sender&);
  void LoadFavorite(const Sender&);
  void NewMenuClick(const Sender&);
  void FolderHistoryClick(const Sender&);
  void HelpMenuAboutClick(const Sender&);
  void DocumentMenuWordWrapClick(const Sender&);
  void DocumentMenuReadOnlyClick(const Sender&);
  void EditMenuTimeClick(const Sender&);
  void EditMenuDateClick(const Sender&);
  void EditInsertTimeAndDateClick(const Sender&);
  void EditMenuUndoClick(const Sender&);
  void EditMenuSelectAllClick(const Sender&);
  void EditMenuCutClick(const Sender&);
  void EditMenuCopyClick(const Sender&);
  void EditMenuPasteClick(const Sender&);
  void EditMenuDeleteClick(const Sender&);
  void EditMenuCopyAllClick(const Sender&);
  void EditMenuClearAllClick(const Sender&);
  void EditMenuInsertSymbolClick(const Sender&);
  void ViewMenuToolBarClick(const Sender&);
  void ViewMenuFormatBarClick(const Sender&);
  void ViewMenuStatusBarClick(const Sender&);
  void ViewMenuRulerClick(const Sender&);
  void ViewMenuAlwaysOnTopClick(const Sender&);
  void HelpMenuShowHintsClick(const Sender&);
  void HelpMenuStatusBarHintsClick(const Sender&);
  void TrayPopupMenuRestoreClick(const Sender&);
  void TrayPopupMenuMinimizeClick(const Sender&);
  void TrayPopupMenuMaximizeClick(const Sender&);

  // --- text commands (textcmd/): case and line transforms, find, replace, go to line
  void FormatMenuLowerCaseClick(const Sender&);
  void FormatMenuUpperCaseClick(const Sender&);
  void FormatMenuCapitalizeClick(const Sender&);
  void FormatMenuInvertCaseClick(const Sender&);
  void FormatMenuTrimClick(const Sender&);
  void FormatMenuSortClick(const Sender&);
  void SearchMenuFindClick(const Sender&);
  void SearchMenuFindNextClick(const Sender&);
  void SearchMenuReplaceClick(const Sender&);
  void SearchMenuGoToLineClick(const Sender&);
  // Frees the Replace dialog when the window closes.
  void CloseTextCommands();
  // The Replace dialog once it was made (hidden or shown), else nullptr.
  HWND ReplaceDialog() const;
  // --- end of text commands

  // --- notepad replacement (notepad/)
  void HelpMenuNotepadCenterClick(const Sender&);
  // --- end of notepad replacement

 protected:
  LRESULT HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) override;

 private:
  friend struct MainFormAccess;

  // frame
  void FormCreate();
  void FormShow();
  void FormDestroy();
  void CreateBars();
  void CreatePageControl();
  void CreateStatusBar();
  void SetStatusParts();
  void LayoutFrame();
  void OnTimer(UINT_PTR id);
  void FirstTickSetUp();
  void PickUpHandOff();
  // What waits to be opened, in order. Many documents at once are opened a slice of
  // time at a time from a timer, so the window paints and answers in between.
  struct PendingOpen {
    enum class Kind { ResetLimit, HandOff, File, ReOpen, ActivateFirst, Print } kind;
    std::wstring name;
  };
  void QueueOpens(std::vector<PendingOpen> items);
  void RunPendingOpens(unsigned budgetMs);
  void RunPendingOpen(const PendingOpen& item);
  void HandBackPendingOpens();
  // The documents of the last run, to be opened in the order they were recorded.
  void QueueReOpenLast(std::vector<PendingOpen>& opens);
  void PrintFromRequest();
  void CreateTrayIcon();
  bool AddTrayIcon();
  void RemoveTrayIcon();
  void RestoreApplication();
  void SaveWindowState();
  // Closes the documents from the last tab to the first with the save prompt; false
  // when the user stopped it. With `recordForReOpen` the names go to ReOpenLast.
  bool CloseEveryDocument(bool recordForReOpen);

  // menus and commands
  void BuildMenus();
  HMENU BuildMenu(const MenuLine* lines, size_t count, size_t& index, int depth, TopMenu top);
  void BuildAccelerators();
  void RefreshMenu(TopMenu menu);
  void OnCommand(unsigned id, unsigned code, HWND control);
  void OnControlCommand(unsigned id, unsigned code, HWND control);
  bool Execute(unsigned id, Sender::Kind kind, int tag, bool refreshFirst);
  bool RunDynamicItem(const Sender& sender);
  std::wstring DynamicItemHint(unsigned id, const std::wstring& fallback);
  LRESULT OnNotify(NMHDR& header);
  void OnInitMenuPopup(HMENU menu);
  void OnMenuSelect(unsigned item, unsigned flags, HMENU menu);
  void ShowHint(const std::wstring& hint);
  LRESULT OnToolBarNotify(NMHDR& header);
  LRESULT OnToolTip(NMHDR& header);
  int ToolButtonCommand(int tag) const;
  void EnableItem(unsigned id, bool enabled);
  void CheckItem(unsigned id, bool checked);
  void FileMenuClick();
  void EditMenuClick();
  void SearchMenuClick();
  void FormatMenuClick();
  void DocumentMenuClick();
  void FavoritesMenuClick();
  void ViewMenuClick();
  void HelpMenuClick();
  void TabPopupMenuPopup();
  void PopupMenuPopup();
  void TrayPopupMenuPopup();
  void DisableUnavailable(HMENU menu);

  // slots and tabs
  static LRESULT CALLBACK PageControlWindowProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam,
                                                UINT_PTR id, DWORD_PTR data);
  static LRESULT CALLBACK EditorProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam, UINT_PTR id,
                                     DWORD_PTR data);
  bool MemoKeyDown(HWND editor, WPARAM key);
  void OnDropFiles(HDROP drop);
  void PageControlMouseDown(POINT screenPoint);
  void ShowTabMenu(POINT screenPoint);
  void ShowEditorMenu(HWND editor, POINT screenPoint);
  void ShowActivePage();
  void LayoutPages();
  workspace::EditorHooks Hooks();
  void SetInsertModePanel();
  void SetStatusText(int panel, const std::wstring& text);
  COLORREF ColorOf(config::Color color) const;

  void BuildReopenMenu();
  void OnHistoryChanged();
  void SetMenuImage(HMENU menu, unsigned id, int image);
  void SetCommandImages(HMENU menu);
  bool MeasureMenuPicture(MEASUREITEMSTRUCT& item);
  bool DrawMenuPicture(const DRAWITEMSTRUCT& item);
  void ShowHelpTopic(int topic);
  void BuildNewMenu(bool fileTypes);
  void ShowNewMenu(int buttonTag, POINT screenPoint);
  void RecordHistory(const std::wstring& name);
  std::wstring TimeText();
  std::wstring DateText();
  void InsertText(const std::wstring& text);
  void DeleteCaretLine();
  bool insertSymbolForAll_ = false;

  // --- text commands state (textcmd/)
  struct TextCommandState;
  std::shared_ptr<TextCommandState> textCommands_;
  TextCommandState& TextCommands();
  std::function<void(int)> HelpShower();
  // Puts `text` (CR LF breaks) in place of [start, end) of a slot's document, not
  // recorded for Undo, leaving the caret after it: in place, or by a fresh control
  // when that is cheaper.
  void ReplaceDocumentRange(int slot, long start, long end, const std::wstring& text);
  void ReplaceSelectionText(const std::function<std::wstring(const std::wstring&)>& transform);
  void RunSlowCaseCommand(bool capitalize);
  void RunLineCommand(bool number);
  bool PromptForNumber(const std::wstring& caption, const std::wstring& label, const std::wstring& explanation,
                       const std::wstring& text, int helpTopic, int fieldHelpTopic, long long& number);
  bool SearchRoutine(bool fromReplace);
  void ShowSearchEnd(bool fromReplace);
  void StoreReplaceFormSearch();
  bool ReplaceFormRefuses();
  void ReplaceFormFindNext();
  void ReplaceFormReplace();
  void ReplaceFormReplaceAll();
  // Replace All over one document from `from` and, with `again`, once more from its
  // start; how many replacements each pass made.
  std::pair<size_t, size_t> ReplaceAllInDocument(int slot, long from, bool again);
  void ReplaceAllDocuments();
  // --- end of text commands state

  // Counts the commands, close queries and prompts under way (see InModalWork).
  struct ModalScope {
    explicit ModalScope(TMainForm& form) : form_(form) { ++form_.modalDepth_; }
    ~ModalScope() { --form_.modalDepth_; }
    ModalScope(const ModalScope&) = delete;
    ModalScope& operator=(const ModalScope&) = delete;
    TMainForm& form_;
  };
  class GuardedPrompter;
  int modalDepth_ = 0;
  std::optional<HandOffInbox> handOff_;
  std::deque<PendingOpen> pendingOpens_;
  bool refreshDeferred_ = false;  // while a slice of waiting documents opens
  bool refreshPending_ = false;
  std::optional<win::PaintSuspender> batchPaint_;  // the tabs, while documents open
  DWORD batchShownAt_ = 0;
  std::unique_ptr<win::Prompter> guardedPrompter_;

  AppContext& context_;
  std::wstring openFilter_, saveFilter_;
  std::wstring openInitialDir_ = L"\\", saveInitialDir_ = L"\\";
  int openFilterIndex_ = 1, saveFilterIndex_ = 1;
  win::UniqueMenu newMenu_;
  HMENU reopenMenu_ = nullptr;  // owned by the File menu while shown there
  std::vector<std::wstring> reopenHints_;
  std::vector<std::wstring> newMenuHints_;
  std::vector<int> newMenuTags_;
  bool newMenuShowsTypes_ = true;
  std::array<std::unique_ptr<workspace::DocumentSlot>, workspace::kSlotCount> slots_;
  std::vector<std::wstring> tempFiles_;
  std::vector<int> tabSlots_;  // slot numbers in tab order
  bool busy_ = false;
  bool firstTick_ = true;
  bool printDialogOpen_ = false;
  int sideBarState_ = 0;
  int sideBarWidth_ = 91;
  bool rulerShown_ = false;
  bool alwaysOnTop_ = false;
  bool statusBarHints_ = false;
  bool showHints_ = true;

  HWND toolBar_ = nullptr;
  HWND formatBar_ = nullptr;
  HWND topSplitter_ = nullptr;
  HWND pageControl_ = nullptr;
  HWND statusBar_ = nullptr;
  HMENU menuBar_ = nullptr;
  std::array<HMENU, 12> topMenus_{};
  std::map<unsigned, TopMenu> ownerMenus_;  // command -> the menu whose refresh covers it
  win::UniqueMenu tabMenu_, editorPopup_, trayMenu_;
  HACCEL accelerators_ = nullptr;
  win::UniqueImageList tabImageList_;
  win::UniqueImageList toolImages_;
  bool menuImages_ = true;
  win::UniqueImageList menuImageList_;
  std::map<int, win::UniqueBitmap> trayBitmaps_;  // the tray menu's check-mark pictures by resource
  win::UniqueIcon appIcon_, appIconSmall_, trayIcon_;
};

}  // namespace app
