// The editor's tree control: the model's nodes as items, in-place renaming, the keys,
// drag and drop inside the tree with its drop line, and files dropped from the shell.
#include "favorites/FavoritesEditor_win.h"

#include <windowsx.h>
#include <shellapi.h>

#include <algorithm>

#include "favorites/FavoritesEditorIds.h"
#include "win/Text.h"

namespace favorites {

namespace {

// The character height of a control's font: the band at its bottom edge where a drag
// scrolls it.
int FontHeight(HWND control) {
  win::WindowDC dc(control);
  HGDIOBJ font = reinterpret_cast<HGDIOBJ>(::SendMessageW(control, WM_GETFONT, 0, 0));
  win::SelectGuard select(dc.get(), font ? font : ::GetStockObject(DEFAULT_GUI_FONT));
  TEXTMETRICW metrics{};
  ::GetTextMetricsW(dc.get(), &metrics);
  return metrics.tmHeight > 0 ? metrics.tmHeight : 11;
}
}  // namespace

HWND TMyTreeView::Create(HWND parent, HIMAGELIST images) {
  DWORD style = WS_CHILD | WS_VISIBLE | WS_TABSTOP | TVS_HASLINES | TVS_HASBUTTONS | TVS_EDITLABELS |
                TVS_SHOWSELALWAYS;
  hwnd_ = ::CreateWindowExW(WS_EX_CLIENTEDGE, WC_TREEVIEWW, nullptr, style, 0, 0, 0, 0, parent,
                            reinterpret_cast<HMENU>(IDC_FE_TREE), ::GetModuleHandleW(nullptr), nullptr);
  if (!hwnd_) return nullptr;
  TreeView_SetImageList(hwnd_, images, TVSIL_NORMAL);
  LOGBRUSH dotted{BS_SOLID, ::GetSysColor(COLOR_HIGHLIGHT), 0};
  pen_.reset(::ExtCreatePen(PS_COSMETIC | PS_ALTERNATE, 1, &dotted, 0, nullptr));
  // The window procedure is replaced by hand: under Wine, SetWindowSubclass looks its
  // data up as a window property, a server call on every message, which made loading
  // 4,000 favorites 30 times slower. The control leaves GWLP_USERDATA to its owner.
  ::SetWindowLongPtrW(hwnd_, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(this));
  controlProc_ = reinterpret_cast<WNDPROC>(
      ::SetWindowLongPtrW(hwnd_, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(&TMyTreeView::TreeProc)));
  return hwnd_;
}

void TMyTreeView::SetDropLineY(int y) {
  if (y == dropLineY_) return;
  dropLineY_ = y;
  // The control paints over an old line only when told to repaint.
  if (lastDropLineY_ != -1) ::InvalidateRect(hwnd_, nullptr, FALSE);
  if (dropLineY_ != -1) DrawDropLine();
  lastDropLineY_ = dropLineY_;
}

void TMyTreeView::DrawDropLine() {
  if (dropLineY_ == -1 || !pen_) return;
  win::WindowDC dc(hwnd_);
  win::SelectGuard pen(dc.get(), pen_.get());
  win::SelectGuard brush(dc.get(), ::GetStockObject(HOLLOW_BRUSH));
  ::MoveToEx(dc.get(), 0, dropLineY_, nullptr);
  ::LineTo(dc.get(), 20, dropLineY_);
}

LRESULT CALLBACK TMyTreeView::TreeProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
  auto* self = reinterpret_cast<TMyTreeView*>(::GetWindowLongPtrW(hwnd, GWLP_USERDATA));
  if (!self) return ::DefWindowProcW(hwnd, message, wParam, lParam);
  WNDPROC control = self->controlProc_;
  LRESULT result = 0;
  try {
    if (self->preview && self->preview(message, wParam, lParam, result)) return result;
    switch (message) {
      case WM_PAINT:
        result = ::CallWindowProcW(control, hwnd, message, wParam, lParam);
        self->DrawDropLine();
        self->lastDropLineY_ = self->dropLineY_;
        return result;
      case WM_NCDESTROY:
        ::SetWindowLongPtrW(hwnd, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(control));
        ::SetWindowLongPtrW(hwnd, GWLP_USERDATA, 0);
        self->hwnd_ = nullptr;
        break;
      default:
        break;
    }
  } catch (const std::exception& error) {
    win::ReportException(error);
  } catch (...) {
    win::ReportUnknownException();
  }
  return ::CallWindowProcW(control, hwnd, message, wParam, lParam);
}

HTREEITEM TFavoritesEditor::ItemOf(NodeId id) const {
  return id >= 0 && static_cast<size_t>(id) < items_.size() ? items_[static_cast<size_t>(id)] : nullptr;
}

NodeId TFavoritesEditor::NodeOf(HTREEITEM item) const {
  if (!item) return kNoNode;
  TVITEMW info{};
  info.mask = TVIF_PARAM | TVIF_HANDLE;
  info.hItem = item;
  if (!TreeView_GetItem(TreeHandle(), &info)) return kNoNode;
  auto id = static_cast<NodeId>(info.lParam);
  return tree_.Contains(id) ? id : kNoNode;
}

NodeId TFavoritesEditor::Selected() const {
  NodeId id = NodeOf(TreeView_GetSelection(TreeHandle()));
  return id == kNoNode ? tree_.Root() : id;
}

void TFavoritesEditor::Select(NodeId id) {
  if (HTREEITEM item = ItemOf(id)) {
    TreeView_SelectItem(TreeHandle(), item);
    TreeView_EnsureVisible(TreeHandle(), item);
  }
  TreeViewChange(Selected());
}

NodeId TFavoritesEditor::NodeAt(POINT client, RECT* row) const {
  TVHITTESTINFO hit{};
  hit.pt = client;
  HTREEITEM item = TreeView_HitTest(TreeHandle(), &hit);
  if (!item) return kNoNode;
  if (row) TreeView_GetItemRect(TreeHandle(), item, row, FALSE);
  return NodeOf(item);
}

void TFavoritesEditor::InsertSubtree(NodeId id) {
  const Node& node = tree_.At(id);
  TVINSERTSTRUCTW insert{};
  if (node.parent == kNoNode) {
    insert.hParent = TVI_ROOT;
    insert.hInsertAfter = TVI_LAST;
  } else {
    insert.hParent = ItemOf(node.parent);
    NodeId previous = tree_.PreviousSibling(id);
    insert.hInsertAfter = previous == kNoNode ? TVI_FIRST : ItemOf(previous);
  }
  int image = static_cast<int>(tree_.Image(id));
  insert.item.mask = TVIF_TEXT | TVIF_IMAGE | TVIF_SELECTEDIMAGE | TVIF_PARAM;
  insert.item.pszText = const_cast<wchar_t*>(node.text.c_str());
  insert.item.iImage = insert.item.iSelectedImage = image;
  insert.item.lParam = id;
  HTREEITEM item = TreeView_InsertItem(TreeHandle(), &insert);
  if (items_.size() <= static_cast<size_t>(id)) items_.resize(static_cast<size_t>(id) + 1);
  items_[static_cast<size_t>(id)] = item;
  bool expanded = node.expanded;
  for (NodeId child : node.children) InsertSubtree(child);
  if (expanded && !node.children.empty()) TreeView_Expand(TreeHandle(), item, TVE_EXPAND);
}

void TFavoritesEditor::RefreshItem(NodeId id) {
  HTREEITEM item = ItemOf(id);
  if (!item || !tree_.Contains(id)) return;
  const Node& node = tree_.At(id);
  TVITEMW info{};
  info.mask = TVIF_HANDLE | TVIF_TEXT | TVIF_IMAGE | TVIF_SELECTEDIMAGE;
  info.hItem = item;
  info.pszText = const_cast<wchar_t*>(node.text.c_str());
  info.iImage = info.iSelectedImage = static_cast<int>(tree_.Image(id));
  TreeView_SetItem(TreeHandle(), &info);
  if (node.expanded && !node.children.empty()) TreeView_Expand(TreeHandle(), item, TVE_EXPAND);
}

void TFavoritesEditor::SyncExpanded() {
  // TVM_EXPAND notifies only the first time an item opens, so the control is asked.
  for (NodeId id : tree_.InOrder())
    if (tree_.HasChildren(id))
      tree_.SetExpanded(id, TreeView_GetItemState(TreeHandle(), ItemOf(id), TVIS_EXPANDED) & TVIS_EXPANDED);
}

bool TFavoritesEditor::Apply(const Edit& edit) {
  if (!edit.Done()) return false;
  for (NodeId id : edit.removed)
    if (HTREEITEM item = ItemOf(id)) TreeView_DeleteItem(TreeHandle(), item);
  // A parent's picture and expanded state follow its children; each is refreshed once,
  // since the control measures its items again on every change (slow for thousands).
  std::vector<NodeId> refresh = edit.changed;
  for (NodeId id : edit.inserted) {
    InsertSubtree(id);
    refresh.push_back(tree_.At(id).parent);
  }
  std::sort(refresh.begin(), refresh.end());
  refresh.erase(std::unique(refresh.begin(), refresh.end()), refresh.end());
  for (NodeId id : refresh) RefreshItem(id);
  return true;
}

LRESULT TFavoritesEditor::OnTreeNotify(NMHDR& header) {
  switch (header.code) {
    case TVN_SELCHANGEDW:
      TreeViewChange(NodeOf(reinterpret_cast<NMTREEVIEWW&>(header).itemNew.hItem));
      return 0;
    case TVN_ITEMEXPANDEDW: {
      auto& change = reinterpret_cast<NMTREEVIEWW&>(header);
      NodeId id = NodeOf(change.itemNew.hItem);
      if (id != kNoNode) tree_.SetExpanded(id, change.action == TVE_EXPAND);
      return 0;
    }
    case TVN_KEYDOWN:
      TreeViewKeyDown(reinterpret_cast<NMTVKEYDOWN&>(header).wVKey);
      return 0;
    case TVN_BEGINLABELEDITW:
      return TreeViewEditing(NodeOf(reinterpret_cast<NMTVDISPINFOW&>(header).item.hItem)) ? FALSE : TRUE;
    case TVN_ENDLABELEDITW: {
      auto& info = reinterpret_cast<NMTVDISPINFOW&>(header);
      TreeViewEdited(NodeOf(info.item.hItem), info.item.pszText);
      return FALSE;  // the text the model accepted is set already
    }
    case TVN_BEGINDRAGW:
      BeginDrag(NodeOf(reinterpret_cast<NMTREEVIEWW&>(header).itemNew.hItem));
      return 0;
    case NM_DBLCLK:
      TreeViewDblClick();
      return 0;
    case NM_RCLICK: {
      POINT at{};
      ::GetCursorPos(&at);
      ShowTreeMenu(at);
      return TRUE;
    }
    default:
      return 0;
  }
}

void TFavoritesEditor::TreeViewKeyDown(WORD key) {
  if (editingLabel_) return;
  NodeId selected = Selected();
  switch (key) {
    case VK_INSERT:
      Run(IDM_FE_NEW_FAVORITE);
      break;
    case VK_DELETE:
      Run(IDM_FE_DELETE);
      break;
    case VK_F2:
      if (tree_.CanRename(selected)) TreeView_EditLabel(TreeHandle(), ItemOf(selected));
      break;
    default:
      break;
  }
}

bool TFavoritesEditor::TreeViewEditing(NodeId id) {
  if (id == kNoNode || !tree_.CanRename(id)) return false;
  editingLabel_ = true;
  return true;
}

void TFavoritesEditor::TreeViewEdited(NodeId id, const wchar_t* text) {
  editingLabel_ = false;
  if (id == kNoNode || !text) return;
  if (!tree_.Rename(id, text).Done()) return;
  RefreshItem(id);
  if (id == tree_.Root()) UpdateTitle();
}

bool TFavoritesEditor::PreviewTree(UINT message, WPARAM wParam, LPARAM lParam, LRESULT& result) {
  POINT point{GET_X_LPARAM(lParam), GET_Y_LPARAM(lParam)};
  switch (message) {
    case WM_LBUTTONDOWN:
    case WM_RBUTTONDOWN:
      TreeViewMouseDown(point, message == WM_RBUTTONDOWN);
      return false;
    case WM_DROPFILES:
      DropFiles(reinterpret_cast<HDROP>(wParam));
      result = 0;
      return true;
    case WM_MOUSEMOVE:
      if (dragNode_ == kNoNode) return false;
      TreeViewDragOver(point);
      return true;
    case WM_LBUTTONUP:
      if (dragNode_ == kNoNode) return false;
      TreeViewDragDrop(point);
      return true;
    case WM_KEYDOWN:
      if (dragNode_ == kNoNode || wParam != VK_ESCAPE) return false;
      EndDrag();
      return true;
    case WM_CAPTURECHANGED:
      if (dragNode_ != kNoNode && reinterpret_cast<HWND>(lParam) != TreeHandle()) EndDrag();
      return false;
    default:
      return false;
  }
}

void TFavoritesEditor::TreeViewMouseDown(POINT point, bool right) {
  clickedNode_ = NodeAt(point, nullptr);
  if (right && clickedNode_ != kNoNode) {
    ::SetFocus(TreeHandle());
    Select(clickedNode_);
  }
}

void TFavoritesEditor::BeginDrag(NodeId id) {
  if (!tree_.Contains(id) || id == tree_.Root() || tree_.IsPlaceholder(id)) return;
  dragNode_ = id;
  ::SetCapture(TreeHandle());
}

void TFavoritesEditor::EndDrag() {
  if (dragNode_ == kNoNode) return;
  dragNode_ = kNoNode;
  TreeView_SelectDropTarget(TreeHandle(), nullptr);
  treeView_.SetDropLineY(-1);
  if (::GetCapture() == TreeHandle()) ::ReleaseCapture();
  ::SetCursor(::LoadCursorW(nullptr, IDC_ARROW));
}

void TFavoritesEditor::TreeViewDragOver(POINT point) {
  SyncExpanded();
  RECT client{};
  ::GetClientRect(TreeHandle(), &client);
  int step = AutoScrollStep(point.y, client.bottom, FontHeight(TreeHandle()));
  if (step != 0) {
    ::SendMessageW(TreeHandle(), WM_VSCROLL, step > 0 ? SB_LINEDOWN : SB_LINEUP, 0);
    ::UpdateWindow(TreeHandle());
  }
  RECT row{};
  NodeId target = NodeAt(point, &row);
  bool accepted = false;
  int line = -1;
  HTREEITEM highlight = nullptr;
  if (target != kNoNode) {
    DropZone zone = ZoneAt(point.y, row.top, row.bottom);
    accepted = tree_.CanDrop(dragNode_, target, zone);
    if (accepted && target != dragNode_) {
      line = DropLineY(zone, row.top, row.bottom);
      if (zone == DropZone::Middle && tree_.HasChildren(target)) highlight = ItemOf(target);
    }
  }
  TreeView_SelectDropTarget(TreeHandle(), highlight);
  treeView_.SetDropLineY(line);
  ::SetCursor(::LoadCursorW(nullptr, accepted ? IDC_ARROW : IDC_NO));
}

void TFavoritesEditor::TreeViewDragDrop(POINT point) {
  NodeId drag = dragNode_;
  EndDrag();
  RECT row{};
  NodeId target = NodeAt(point, &row);
  if (target == kNoNode || target == drag) return;
  SyncExpanded();
  Edit edit = tree_.Drop(drag, target, ZoneAt(point.y, row.top, row.bottom));
  ::SendMessageW(TreeHandle(), WM_SETREDRAW, FALSE, 0);
  bool moved = Apply(edit);
  ::SendMessageW(TreeHandle(), WM_SETREDRAW, TRUE, 0);
  ::InvalidateRect(TreeHandle(), nullptr, TRUE);
  if (!moved) return;
  Select(drag);
  UpdateFavoritesStatus();
}

void TFavoritesEditor::DropFiles(HDROP drop) {
  ::DragAcceptFiles(TreeHandle(), FALSE);
  UINT count = ::DragQueryFileW(drop, 0xFFFFFFFF, nullptr, 0);
  // The first 3,999 names as the drop lists them; the model skips any that do not fit.
  std::vector<std::wstring> paths;
  for (UINT i = 0; i < count && paths.size() < static_cast<size_t>(kMaxDroppedFiles); ++i) {
    UINT length = ::DragQueryFileW(drop, i, nullptr, 0);
    std::wstring path(length + 1u, L'\0');
    path.resize(::DragQueryFileW(drop, i, path.data(), length + 1));
    paths.push_back(std::move(path));
  }
  ::DragFinish(drop);
  ::SendMessageW(TreeHandle(), WM_SETREDRAW, FALSE, 0);
  Tree::DropResult result = tree_.AddDroppedFiles(paths);
  Apply(result.edit);
  ::SendMessageW(TreeHandle(), WM_SETREDRAW, TRUE, 0);
  ::InvalidateRect(TreeHandle(), nullptr, TRUE);
  UpdateFavoritesStatus();
  ::DragAcceptFiles(TreeHandle(), TRUE);
  if (result.tooLong > 0) Warn(win::Fill(kPathTooLongMessage, {result.firstTooLong}));
  if (result.added + result.tooLong < static_cast<int>(paths.size())) Warn(kStoreFullMessage);
}

}  // namespace favorites
