#pragma once
// The side bar: a pane beside the active document's editor showing the favorites or
// the recent documents as a tree, or every installed font in its own face. It sits on
// the active tab's page and moves with it; the frame only tells it when the page
// changes or goes, and when the window's size changed.
#include <windows.h>
#include <commctrl.h>

#include <functional>
#include <optional>
#include <string>
#include <vector>

#include "command/Command.h"
#include "sidebar/SideBarModel.h"
#include "sidebar/Splitter_win.h"
#include "win/Handles.h"
#include "win/Window.h"
#include "workspace/DocumentHost.h"
#include "workspace/Frame.h"

namespace sidebar {

class SideBar : public win::Window {
 public:
  using Sender = command::Sender;
  SideBar(workspace::Frame& frame, workspace::DocumentHost& documents, command::Registry& commands);

  // Makes the pane, hidden, in the main window; when a view was open at the last close
  // the empty pane is put in place at once (its view is filled by FirstTick).
  void Create(HWND mainWindow);
  // The first tick of the main timer: the look, then the stored view.
  void FirstTick();
  // The close of the main window: the view and the width are stored.
  void SaveState();

  // The pane follows the active tab; a page about to be destroyed gives it back first.
  void ActivePageChanged();
  void SlotClosing(int slot);
  // The page changed size: the pane keeps the editor some room.
  void FitToPage();

  // The favorites changed (Add to Favorites, the favorites editor): the open favorites
  // view is built again.
  void ReloadFavoritesView();
  // The recent-documents list changed: the open recent view is built again.
  void RecentDocumentsChanged();
  // Applies the appearance keys of section SideBar.
  void ApplySideBarLook();
  // Puts the pane on the active page at the side RightSide names; `clear` empties the views.
  void PlaceSideBar(bool clear);

  // A font chosen for a rich-text document goes to its selection here; the format bar
  // may take this over (its font box then shows the choice too).
  std::function<void(const std::wstring& face)> onRichFontChosen;
  // The names the font chooser lists: the format bar's font box's.
  std::function<std::vector<std::wstring>()> fontNames;
  // The pointer moved over one of the pane's controls (empty: left them), for the
  // status-bar hints.
  std::function<void(const std::wstring& hint)> onHint;
  bool showTips = true;

  // --- handlers
  void ViewMenuFavoritesClick(const Sender&) { ToggleView(View::Favorites); }
  void ViewMenuRecentDocumentsClick(const Sender&) { ToggleView(View::RecentDocuments); }
  void ViewMenuFontChooserClick(const Sender&) { ToggleView(View::FontChooser); }
  void CloseSideBarButtonClick();
  // The context menu as it opens.
  PopupState SBPopupMenuPopup();
  void SideBarPopUp1Click();
  void SideBarPopUp3Click();  // Collapse All
  void SideBarPopUp4Click();  // Expand All
  void TVDblClick();
  void ListBoxDblClick();

  // --- what tests and the frame read
  View State() const { return state_; }
  HWND SplitterWindow() const { return splitter_.hwnd(); }
  HWND TreeWindow() const { return tree_; }
  HWND ListWindow() const { return list_; }
  HWND CloseButton() const { return closeButton_; }
  std::wstring HeaderText() const;
  int WantedWidth() const { return width_; }
  // The tree's rows in tree order (the favorites and recent views).
  const std::vector<Row>& Rows() const { return rows_; }
  // Selects a row of the tree / an item of the list, as a click does.
  void SelectRow(size_t index);
  void SelectFace(const std::wstring& face);
  // The hint the control under the pointer would show.
  std::wstring HintOf(HWND control) const;

 protected:
  LRESULT HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) override;

 private:
  static LRESULT CALLBACK ControlProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam, UINT_PTR id,
                                     DWORD_PTR data);
  void CreateControls();
  void CreateTips();
  void LayoutControls();
  void ToggleView(View view);
  void Rebuild(View view);
  void ClearViews();
  void FillView(View view);
  void FillTree(const TreeContent& content);
  std::wstring SelectedFont() const;
  void FillFontChooser();
  void ChooseFace(const std::wstring& face);
  void ApplyFontToRichSelection(const std::wstring& face);
  std::optional<size_t> SelectedRow() const;
  void ShowPopup(POINT screenPoint);
  LRESULT OnNotify(NMHDR& header);
  void OnMeasureItem(MEASUREITEMSTRUCT& item);
  void OnDrawItem(const DRAWITEMSTRUCT& item);
  void DrawCloseButton(const DRAWITEMSTRUCT& item);
  void PaintHeader();
  void Post(int action);
  void RunPosted(int action);
  const std::vector<std::wstring>& InstalledFonts();
  HWND Page() const;
  void SetWidthOnPage(int width);

  workspace::Frame& frame_;
  workspace::DocumentHost& documents_;
  View state_ = View::Closed;
  bool placed_ = false;
  bool rightSide_ = false;
  int width_ = kDefaultWidth;
  int dragStartWidth_ = 0;

  Splitter splitter_;
  HWND label_ = nullptr;
  HWND closeButton_ = nullptr;
  HWND tree_ = nullptr;
  HWND list_ = nullptr;
  HWND tips_ = nullptr;
  win::UniqueImageList images_, closeGlyph_;
  win::UniqueFont lookFont_;
  win::UniqueBrush listBrush_;
  COLORREF background_ = RGB(255, 255, 255);
  COLORREF textColor_ = RGB(0, 0, 0);

  std::vector<Row> rows_;
  std::vector<HTREEITEM> items_;
  std::vector<int> fontItemHeights_;
  std::optional<std::vector<std::wstring>> installedFonts_;
  std::wstring paneHint_, treeHint_, listHint_, tipText_;
};

}  // namespace sidebar
