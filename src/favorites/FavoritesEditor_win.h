#pragma once
// The favorites editor: a modal window showing Favorites.dat as a tree to arrange by
// commands and by drag and drop. It saves the store whenever it closes.
#include <windows.h>
#include <commctrl.h>
#include <shellapi.h>

#include <functional>
#include <string>
#include <vector>

#include "favorites/FavoritesTree.h"
#include "win/Handles.h"
#include "win/Window.h"
#include "workspace/Frame.h"

namespace favorites {

// The editor's tree control. After the control has painted itself it draws the drop
// line of a drag; shell drops and the mouse during a drag go to `preview` first.
class TMyTreeView {
 public:
  TMyTreeView() = default;
  TMyTreeView(const TMyTreeView&) = delete;
  TMyTreeView& operator=(const TMyTreeView&) = delete;

  HWND Create(HWND parent, HIMAGELIST images);
  HWND hwnd() const { return hwnd_; }
  int DropLineY() const { return dropLineY_; }
  // -1 takes the line away.
  void SetDropLineY(int y);

  std::function<bool(UINT message, WPARAM wParam, LPARAM lParam, LRESULT& result)> preview;

 private:
  static LRESULT CALLBACK TreeProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam);
  void DrawDropLine();

  HWND hwnd_ = nullptr;
  WNDPROC controlProc_ = nullptr;
  win::UniquePen pen_;
  int dropLineY_ = -1;
  int lastDropLineY_ = -1;
};

class TFavoritesEditor : public win::Window {
 public:
  struct Options {
    std::wstring storePath;
    RECT bounds{};
    bool toolBar = true;
    bool statusBar = true;
    bool showHints = true;
    std::wstring openFilter;  // the main window's Open dialog's
    std::function<void()> showAbout;
  };
  // How the editor was left, for the caller to remember.
  struct Outcome {
    bool maximized = false;
    RECT bounds{};
    bool toolBar = true;
    bool statusBar = true;
    bool saved = false;
    std::vector<std::wstring> filesToOpen;  // chosen with Open or Open All
  };

  TFavoritesEditor(workspace::Frame& frame, Options options, const Store& store, CodePage codePage);
  ~TFavoritesEditor() override;

  // Returns once the editor has closed and saved the store.
  Outcome ShowModal(HWND owner);

  // Tests drive the editor from this hook, called once it is shown; the editor closes
  // when the hook returns, so no modal loop waits for a user.
  using TestHook = std::function<void(TFavoritesEditor&)>;
  static void SetTestHook(TestHook hook);

  const Tree& tree() const { return tree_; }
  HWND TreeHandle() const { return treeView_.hwnd(); }
  HTREEITEM ItemOf(NodeId id) const;
  NodeId Selected() const;
  void Select(NodeId id);
  // Runs a command as its menu item or tool button would; false when it is disabled.
  bool Run(int command);
  // A drag of `id` starts as when the mouse pulls it.
  void BeginDrag(NodeId id);
  std::wstring StatusText(int panel) const;
  void Close();

 protected:
  LRESULT HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) override;

 private:
  void FormShow();
  void FormClose();
  void CreateBars();
  void LayoutChildren();
  HMENU MakeMenus();
  void OnCommand(int id);
  LRESULT OnNotify(NMHDR& header);
  LRESULT OnTreeNotify(NMHDR& header);
  bool PreviewTree(UINT message, WPARAM wParam, LPARAM lParam, LRESULT& result);

  void FileMenuClick();
  bool IsEnabled(int command);
  void PopupMenuOpenClick();
  void FileMenuNewFavoriteClick();
  void FileMenuNewSeparatorClick();
  void FileMenuNewFolderClick();
  void FileMenuDeleteClick();
  void FileMenuPropertiesClick();
  void FileMenuVerifyClick();
  void ViewMenuBarClick(HWND bar, int command);
  void ViewMenuCollapseExpandClick(bool expand);
  void TreeViewChange(NodeId id);
  void TreeViewDblClick();
  void TreeViewKeyDown(WORD key);
  bool TreeViewEditing(NodeId id);
  void TreeViewEdited(NodeId id, const wchar_t* text);
  void TreeViewMouseDown(POINT point, bool right);
  void TreeViewDragOver(POINT point);
  void TreeViewDragDrop(POINT point);
  void EndDrag();
  void DropFiles(HDROP drop);
  void ShowTreeMenu(POINT screen);
  void UpdateFavoritesStatus();
  void UpdateTitle();
  void OpenAndClose(std::vector<std::wstring> files);

  // Brings the tree control in line with what an edit of the model changed.
  bool Apply(const Edit& edit);
  void InsertSubtree(NodeId id);
  void SyncExpanded();
  void RefreshItem(NodeId id);
  NodeId NodeOf(HTREEITEM item) const;
  NodeId NodeAt(POINT client, RECT* row) const;
  void Warn(const std::wstring& text, win::Icon icon = win::Icon::Warning);

  workspace::Frame& frame_;
  Options options_;
  Tree tree_;
  Outcome outcome_;
  TMyTreeView treeView_;
  win::UniqueImageList images_;
  win::UniqueMenu treeMenu_;
  HMENU fileMenu_ = nullptr;
  HACCEL accelerators_ = nullptr;
  HWND toolBar_ = nullptr;
  HWND statusBar_ = nullptr;
  std::vector<HTREEITEM> items_;  // by node
  bool closed_ = false;
  bool editingLabel_ = false;
  NodeId clickedNode_ = kNoNode;
  NodeId dragNode_ = kNoNode;
};

}  // namespace favorites
