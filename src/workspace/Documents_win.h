#pragma once
// The open documents: the slot table, the tab control showing them, and the File
// menu's commands that open, save, close and reload them, with the history of files
// and folders.
#include <windows.h>
#include <commctrl.h>
#include <shellapi.h>

#include <array>
#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "command/Command.h"
#include "config/Colors.h"
#include "win/Handles.h"
#include "win/PaintSuspender.h"
#include "workspace/DocumentHost.h"
#include "workspace/DocumentSlot_win.h"
#include "workspace/Frame.h"
#include "workspace/SlotRules.h"

namespace workspace {

class Documents : public DocumentHost {
 public:
  using Sender = command::Sender;
  Documents(Frame& frame, command::Registry& commands);
  Documents(const Documents&) = delete;
  Documents& operator=(const Documents&) = delete;

  // Creates the tab control in the main window and reads the tab settings.
  void Create(HWND parent);
  HWND PageControl() const { return pageControl_; }
  // Lays the pages out in the tab control's display area.
  void LayoutPages();
  // A document was edited / was saved, reloaded or closed (the recovery journal keeps
  // the edited ones until then).
  std::function<void(int slot)> onEdited;
  std::function<void(int slot)> onSettled;
  // Around every load of a file: a file that brought the program down while loading is
  // refused (refuseLoad answers true and says why), the others are recorded before
  // (loading with the name, and whether it is rich text, which the control parses) and
  // cleared after (loading with an empty name).
  std::function<bool(const std::wstring& name)> refuseLoad;
  std::function<void(const std::wstring& name, bool rich)> loading;
  // The active editor's selection moved (after the caret panel and the command states).
  std::function<void()> onSelectionChange;
  // Keys typed in any editor that other subsystems act on; true when handled there.
  std::function<bool(WPARAM key)> onEditorKey;

  // --- the slot table and the tabs
  int ActiveSlot = 0;
  bool LimitReported = false;
  bool TabImages = true;
  bool PlaySoundsOn = false;

  int ActiveSlotNumber() const override { return ActiveSlot; }
  DocumentSlot* Slot(int number) override;
  DocumentSlot* SlotAsIs(int number) const override {
    return number >= 0 && number < kSlotCount ? slots_[static_cast<size_t>(number)].get() : nullptr;
  }
  // Makes the page, panel and editor of a waiting document and fills the editor.
  void Realize(int number);
  // Whether the document is read-only, waiting or not.
  bool IsReadOnly(const DocumentSlot& slot) const;
  int TabCount() const override;
  int SlotOfTab(int tabIndex) const override;
  int TabIndexOfSlot(int slot) const override;
  void ActivateTab(int tabIndex) override;
  void FocusActiveEditor() override;
  void ReplaceSlotEditor(int slot, const std::function<void(RichEditor&)>& fill) override;
  void ReplaceActiveEditor(const std::function<void(RichEditor&)>& fill) { ReplaceSlotEditor(ActiveSlot, fill); }
  void UpdateTabImage(int slot) override;
  void MemoChange(int slot) override;
  void MemoSelectionChange() override;
  void OpenDocument(std::wstring name) override;
  void OpenFromList(const std::wstring& name) override {
    LimitReported = false;
    OpenDocument(name);
  }
  StreamProgress WorkProgress(const wchar_t* text, const std::wstring& name, HWND busy) override {
    return Progress(text, name, busy, false);
  }
  bool NewDocument(int format, const std::wstring& extension) override;
  // The untitled document the window starts with: its tab now, its page and editor
  // once the window is on screen (ShowFirstDocument) or as soon as something reaches
  // it; the first rich-edit control is much of what a start costs.
  void FirstDocument();
  void ShowFirstDocument();
  const std::wstring& SaveFilter() const override { return saveFilter_; }
  const std::wstring& SaveInitialDir() const override { return saveInitialDir_; }

  std::wstring TabCaption(int tabIndex) const;
  int TabImage(int tabIndex) const;
  void SetTabCaption(int slot, const std::wstring& displayName) override;
  void PageControlChange();
  // Moves the keyboard to the active editor when it was somewhere in this window.
  void FocusIfInWindow();
  void DestroySlot(int slot);
  void SelectAfterClose(int oldTabIndex);
  void MakeTempFileName();
  const std::wstring& TempFileOf(int slot);
  void ReportLimit();
  // Reports the limit unless it was reported already (LimitReported).
  void ReportLimitOnce();
  // The tab of a document whose name equals `name` (already canonical), or -1.
  int FindOpenTab(const std::wstring& name) const;
  // Status panels: the caret, insert mode, format, file name and encoding.
  void ShowStatus();

  // Many documents opening one after another: the bars and the tab strip are brought
  // up to date about once a second and at the end rather than after each document,
  // the history is written once, and small documents wait for their editor until
  // their tab is shown.
  void BeginBatch();
  void EndBatch(bool finished);
  // Opens several files as one batch (files chosen together in the Open dialog, or
  // dropped together).
  void OpenTogether(const std::vector<std::wstring>& names);
  // The spelling of `name` on disk (ShellPathName); in a batch the folders resolved
  // before are reused.
  std::wstring CanonicalName(const std::wstring& name);

  // The look of the tabs (Settings): wrapping onto rows, below the pages or drawn as
  // buttons (always above), and whether they show the documents' state images.
  void ApplyTabLook(bool wrap, bool below, bool buttons, bool images);

  // --- opening, saving and closing
  void LoadFileTypes();
  // Saves a slot's document as File > Save does; false when the user cancelled the
  // Save As dialog or the write failed (the error has been shown then).
  bool SaveDocument(int slot);
  bool SaveDocumentAs(int slot, bool chooseFilter = true);
  // Writes a slot's document to `path` (plain text in `format`), asking first when the
  // code page would lose characters; false when the user cancelled or it failed. The
  // format written becomes the document's.
  bool WriteDocument(int slot, const std::wstring& path, TextFormat format);
  // The save prompt of the closing commands for one slot; false means stop closing.
  bool ConfirmClose(int slot);
  // Closes the documents from the last tab to the first with the save prompt; false
  // when the user stopped it. With `recordForReOpen` the names go to ReOpenLast.
  bool CloseEveryDocument(bool recordForReOpen);
  // The documents of the last run, in the order to open them.
  std::vector<std::wstring> ReOpenLastNames();
  const std::wstring& OpenFilter() const override { return openFilter_; }
  const std::wstring& OpenInitialDir() const { return openInitialDir_; }

  // --- the New and folder-history drop-downs and the Re-Open submenu
  // Fills the drop-down of the New button (the file types) or the Open button (the
  // folder history), named by their commands.
  void PrepareNewMenu(unsigned command) { BuildNewMenu(command == command::FileMenuNew); }
  void ShowNewMenu(unsigned command, POINT screenPoint);
  HMENU NewMenuHandle() const { return newMenu_.get(); }
  // Runs an item of those menus; false when `sender` is none of theirs.
  bool RunDynamicItem(const Sender& sender);
  // The hint of such an item, or `fallback`.
  std::wstring DynamicItemHint(unsigned id, const std::wstring& fallback) const;
  // The File menu opens: its Re-Open submenu is built again.
  void FileMenuClick(HMENU fileMenu, HMENU reopenMenu);
  // The file history changed (the side bar follows it).
  std::function<void()> onHistoryChanged;
  // Another page became the active one / a slot's page is about to be destroyed: the
  // panes that live on the active page (side bar, ruler) follow it.
  std::function<void()> onActivePage;
  std::function<void(int slot)> onSlotClosing;
  // Menu pictures: a menu item shows a picture of the menu strip.
  std::function<void(HMENU menu, unsigned id, int picture)> setMenuPicture;

  // --- command handlers
  void FileMenuNewClick(const Sender&);
  void FileMenuOpenClick(const Sender&);
  void FileMenuReloadClick(const Sender&);
  void FileMenuSaveClick(const Sender&);
  void FileMenuSaveAsClick(const Sender&);
  void FileMenuSaveAllClick(const Sender&);
  void FileMenuCloseClick(const Sender&);
  void FileMenuCloseAllClick(const Sender&);
  void ReopenMenuClearListClick(const Sender&);
  void LoadFavorite(const Sender&);
  void NewMenuClick(const Sender&);
  void FolderHistoryClick(const Sender&);
  void DocumentMenuWordWrapClick(const Sender&);
  void DocumentMenuReadOnlyClick(const Sender&);

 private:
  void RegisterCommands(command::Registry& commands);
  static LRESULT CALLBACK PageControlWindowProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam,
                                                UINT_PTR id, DWORD_PTR data);
  static LRESULT CALLBACK EditorProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam, UINT_PTR id,
                                     DWORD_PTR data);
  bool MemoKeyDown(WPARAM key);
  void MemoKeyPress(wchar_t key);
  void OnDropFiles(HDROP drop);
  void PageControlMouseDown(POINT screenPoint);
  void ShowActivePage();
  EditorHooks Hooks();
  COLORREF ColorOf(config::Color color) const;
  void SetInsertModePanel();
  void ShowTextFormat();
  int CaretLine();
  int CaretColumn();
  void DeleteTempFile(int slot);

  // The steps of OpenDocument.
  bool ConfirmAnotherCopy(const std::wstring& name);
  bool CheckOpenable(const std::wstring& name);
  // A slot for the file: an untouched untitled tab, else a new one; nullopt at the limit.
  std::optional<std::pair<int, bool>> TakeSlot();
  // The first tab of an untitled document never edited, or -1.
  int UntouchedTab() const;
  std::optional<int> FreeSlot() const;
  // The tab control's display area, where the pages go.
  RECT PageArea() const;
  // In a batch, a small file gets its tab and waits for its editor; false when it is
  // to be loaded as usual.
  bool OpenInBackground(const std::wstring& name);
  int InsertTab(int number, const std::wstring& displayName, int image);
  // Puts a document waiting for its editor in its slot, its tab last and selected.
  void AddWaitingSlot(std::unique_ptr<DocumentSlot> slot, const std::wstring& caption, int image);
  // The page, panel and editor of a slot, in the look Tarnwick.ini gives new editors.
  void MakeSlotWindows(DocumentSlot& slot, bool plain);

  bool LoadIntoSlot(int slot, bool reused, const std::wstring& name, int previousSlot);
  void AfterOpen(int slot, const std::wstring& name);
  // Every load of a file goes through here, between the two calls of `loading`.
  TextFormat LoadMarked(RichEditor& editor, const std::wstring& name, const StreamProgress& progress);
  StreamProgress LoadProgress(const std::wstring& displayName, HWND loading);
  // Shows `text` ("%s" the name, then the percent) in the status bar once the work has
  // taken a second, keeping the window painted (but `busy`); Escape stops it when
  // `escapeStops`, and is dropped otherwise.
  StreamProgress Progress(const wchar_t* text, const std::wstring& displayName, HWND busy, bool escapeStops);
  bool EscapePressed();
  void PaintWhileLoading(HWND loading);

  void RecordHistory(const std::wstring& name);
  void BuildReopenMenu(HMENU fileMenu, HMENU reopenMenu);
  void BuildNewMenu(bool fileTypes);
  void AttachTabImages(bool shown);

  static constexpr DWORD kProgressAfterMs = 1000;
  static constexpr DWORD kProgressEveryMs = 150;

  Frame& frame_;
  std::array<std::unique_ptr<DocumentSlot>, kSlotCount> slots_;
  std::vector<int> tabSlots_;  // slot numbers in tab order
  HWND pageControl_ = nullptr;
  win::UniqueImageList tabImageList_;
  bool inBatch_ = false;  // while a slice of waiting documents opens
  bool refreshPending_ = false;
  std::vector<std::wstring> batchHistory_;
  std::vector<std::pair<std::wstring, std::wstring>> batchFolders_;  // as given, as on disk
  std::optional<win::PaintSuspender> batchPaint_;
  DWORD batchShownAt_ = 0;

  std::wstring openFilter_, saveFilter_;
  std::wstring openInitialDir_ = L"\\", saveInitialDir_ = L"\\";
  int openFilterIndex_ = 1, saveFilterIndex_ = 1;
  win::UniqueMenu newMenu_;
  std::vector<std::wstring> reopenHints_;
  std::vector<std::wstring> newMenuHints_;
  std::vector<int> newMenuTags_;
  bool newMenuShowsTypes_ = true;
  bool reopenEmpty_ = true;
};

}  // namespace workspace
