#include "favorites/FavoritesEditor_win.h"

#include <windowsx.h>

#include <algorithm>

#include "favorites/FavProperties_win.h"
#include "favorites/FavoritesEditorIds.h"
#include "favorites/StoreFile_win.h"
#include "win/Text.h"

namespace favorites {

namespace {

constexpr wchar_t kClassName[] = L"TFavoritesEditor";
constexpr wchar_t kAppTitle[] = L"Tarnwick";
constexpr wchar_t kSaveFailedMessage[] = L"Unable to save Favorites.dat.";
constexpr int kContentsTopic = 27;

// Pictures of the image list beyond the node pictures (NodeImage).
constexpr int kDeletePicture = 5;
constexpr int kPropertiesPicture = 6;
constexpr int kClosePicture = 7;

struct MenuRow {
  int id;
  const wchar_t* caption;
  const wchar_t* hint;
};

constexpr MenuRow kFileRows[] = {
    {IDM_FE_OPEN, L"&Open", L"Open the selected Favorite."},
    {0, nullptr, nullptr},
    {IDM_FE_NEW_FAVORITE, L"New &Favorite...", L"Add a new Favorite."},
    {IDM_FE_NEW_SEPARATOR, L"New &Separator", L"Add a new Separator."},
    {IDM_FE_NEW_FOLDER, L"New Folde&r", L"Add a new Folder."},
    {0, nullptr, nullptr},
    {IDM_FE_DELETE, L"&Delete", L"Delete the selected item."},
    {IDM_FE_PROPERTIES, L"&Properties...\tCtrl+P", L"Edit the Properties of the Favorite."},
    {0, nullptr, nullptr},
    {IDM_FE_VERIFY, L"&Verify Files...", L"Verify that all Favorites exist on disk."},
    {0, nullptr, nullptr},
    {IDM_FE_CLOSE, L"&Close", L"Close the Favorites Editor and save the Favorites."},
};
constexpr MenuRow kViewRows[] = {
    {IDM_FE_TOOLBAR, L"&Tool Bar", L"Shows or Hides the Tool Bar."},
    {IDM_FE_STATUSBAR, L"&Status Bar", L"Shows or Hides the Status Bar."},
    {0, nullptr, nullptr},
    {IDM_FE_COLLAPSE, L"&Collapse All", L"Closes all Folders."},
    {IDM_FE_EXPAND, L"&Expand All", L"Opens all Folders."},
};
constexpr MenuRow kHelpRows[] = {
    {IDM_FE_CONTENTS, L"&Contents...", L"Displays the help file."},
    {IDM_FE_ABOUT, L"&About...", L"Displays program version and related information."},
};
constexpr MenuRow kTreeRows[] = {
    {IDM_FE_OPEN, L"&Open", nullptr},
    {0, nullptr, nullptr},
    {IDM_FE_NEW_FAVORITE, L"New &Favorite...", nullptr},
    {IDM_FE_NEW_SEPARATOR, L"New &Separator", nullptr},
    {IDM_FE_NEW_FOLDER, L"New F&older", nullptr},
    {0, nullptr, nullptr},
    {IDM_FE_DELETE, L"&Delete", nullptr},
    {IDM_FE_PROPERTIES, L"&Properties...", nullptr},
};

struct ToolButton {
  int id;
  int picture;
  const wchar_t* hint;
};
constexpr ToolButton kToolButtons[] = {
    {IDM_FE_NEW_FAVORITE, static_cast<int>(NodeImage::Favorite), L"New Favorite"},
    {IDM_FE_NEW_SEPARATOR, static_cast<int>(NodeImage::Separator), L"New Separator"},
    {IDM_FE_NEW_FOLDER, static_cast<int>(NodeImage::Folder), L"New Folder"},
    {0, 0, nullptr},
    {IDM_FE_DELETE, kDeletePicture, L"Delete"},
    {IDM_FE_PROPERTIES, kPropertiesPicture, L"Properties"},
    {0, 0, nullptr},
    {IDM_FE_CLOSE, kClosePicture, L"Close"},
};

template <size_t N>
HMENU PopupOf(const MenuRow (&rows)[N]) {
  HMENU menu = ::CreatePopupMenu();
  for (const MenuRow& row : rows)
    ::AppendMenuW(menu, row.id ? MF_STRING : MF_SEPARATOR, static_cast<UINT_PTR>(row.id), row.caption);
  return menu;
}

const wchar_t* HintOf(int id) {
  for (const MenuRow& row : kFileRows)
    if (row.id == id) return row.hint;
  for (const MenuRow& row : kViewRows)
    if (row.id == id) return row.hint;
  for (const MenuRow& row : kHelpRows)
    if (row.id == id) return row.hint;
  return nullptr;
}

TFavoritesEditor::TestHook& Hook() {
  static TFavoritesEditor::TestHook hook;
  return hook;
}

bool FileExists(const std::wstring& path) {
  if (path.empty()) return false;
  DWORD attributes = ::GetFileAttributesW(path.c_str());
  return attributes != INVALID_FILE_ATTRIBUTES && !(attributes & FILE_ATTRIBUTE_DIRECTORY);
}

void SetMenuText(HMENU menu, int id, const std::wstring& text) {
  MENUITEMINFOW info{};
  info.cbSize = sizeof(info);
  info.fMask = MIIM_STRING;
  info.dwTypeData = const_cast<wchar_t*>(text.c_str());
  ::SetMenuItemInfoW(menu, static_cast<UINT>(id), FALSE, &info);
}

void EnableItem(HMENU menu, int id, bool enabled) {
  ::EnableMenuItem(menu, static_cast<UINT>(id), MF_BYCOMMAND | (enabled ? MF_ENABLED : MF_GRAYED));
}

}  // namespace

void TFavoritesEditor::SetTestHook(TestHook hook) { Hook() = std::move(hook); }

TFavoritesEditor::TFavoritesEditor(workspace::Frame& frame, Options options, const Store& store, CodePage codePage)
    : frame_(frame), options_(std::move(options)), tree_(Tree::FromStore(store, std::move(codePage))) {}

TFavoritesEditor::~TFavoritesEditor() {
  if (hwnd()) ::DestroyWindow(hwnd());
  if (accelerators_) ::DestroyAcceleratorTable(accelerators_);
}

TFavoritesEditor::Outcome TFavoritesEditor::ShowModal(HWND owner) {
  RegisterClassOnce(kClassName, CS_DBLCLKS, reinterpret_cast<HBRUSH>(COLOR_BTNFACE + 1));
  const RECT& b = options_.bounds;
  CreateHandle(0, kClassName, kAppTitle, WS_OVERLAPPEDWINDOW | WS_CLIPCHILDREN, b.left, b.top, b.right - b.left,
               b.bottom - b.top, owner, MakeMenus());
  if (!hwnd()) return outcome_;
  ACCEL properties{FCONTROL | FVIRTKEY, 'P', IDM_FE_PROPERTIES};
  accelerators_ = ::CreateAcceleratorTableW(&properties, 1);
  FormShow();
  if (owner) ::EnableWindow(owner, FALSE);
  ::ShowWindow(hwnd(), SW_SHOW);
  ::UpdateWindow(hwnd());

  bool quit = false;
  WPARAM quitCode = 0;
  if (Hook()) {
    Hook()(*this);
    Close();
  }
  while (!closed_) {
    MSG msg;
    BOOL got = ::GetMessageW(&msg, nullptr, 0, 0);
    if (got <= 0) {
      // The program is ending: save, and leave the quit for the main loop.
      quit = got == 0;
      quitCode = msg.wParam;
      Close();
      break;
    }
    if (::TranslateAcceleratorW(hwnd(), accelerators_, &msg)) continue;
    ::TranslateMessage(&msg);
    ::DispatchMessageW(&msg);
  }
  // The owner is enabled before the editor goes, so that it gets the activation back.
  if (owner) ::EnableWindow(owner, TRUE);
  ::DestroyWindow(hwnd());
  if (quit) ::PostQuitMessage(static_cast<int>(quitCode));
  return outcome_;
}

HMENU TFavoritesEditor::MakeMenus() {
  HMENU bar = ::CreateMenu();
  fileMenu_ = PopupOf(kFileRows);
  ::AppendMenuW(bar, MF_POPUP, reinterpret_cast<UINT_PTR>(fileMenu_), L"&File");
  ::AppendMenuW(bar, MF_POPUP, reinterpret_cast<UINT_PTR>(PopupOf(kViewRows)), L"&View");
  ::AppendMenuW(bar, MF_POPUP, reinterpret_cast<UINT_PTR>(PopupOf(kHelpRows)), L"&Help");
  treeMenu_.reset(PopupOf(kTreeRows));
  return bar;
}

void TFavoritesEditor::CreateBars() {
  images_.reset(::ImageList_Create(16, 16, ILC_COLOR24 | ILC_MASK, 8, 0));
  if (HBITMAP strip = static_cast<HBITMAP>(::LoadImageW(::GetModuleHandleW(nullptr),
                                                         MAKEINTRESOURCEW(IDB_FAVEDIT_IMAGES), IMAGE_BITMAP, 0, 0,
                                                         LR_CREATEDIBSECTION))) {
    ::ImageList_AddMasked(images_.get(), strip, RGB(255, 0, 255));
    ::DeleteObject(strip);
  }
  DWORD toolStyle = WS_CHILD | TBSTYLE_FLAT | CCS_TOP | (options_.showHints ? TBSTYLE_TOOLTIPS : 0);
  toolBar_ = ::CreateWindowExW(0, TOOLBARCLASSNAMEW, nullptr, toolStyle, 0, 0, 0, 0, hwnd(),
                               reinterpret_cast<HMENU>(IDC_FE_TOOLBAR), ::GetModuleHandleW(nullptr), nullptr);
  ::SendMessageW(toolBar_, TB_BUTTONSTRUCTSIZE, sizeof(TBBUTTON), 0);
  ::SendMessageW(toolBar_, TB_SETIMAGELIST, 0, reinterpret_cast<LPARAM>(images_.get()));
  for (const ToolButton& tool : kToolButtons) {
    TBBUTTON button{};
    button.iBitmap = tool.id ? tool.picture : 8;
    button.idCommand = tool.id;
    button.fsState = TBSTATE_ENABLED;
    button.fsStyle = tool.id ? BTNS_BUTTON : BTNS_SEP;
    ::SendMessageW(toolBar_, TB_ADDBUTTONSW, 1, reinterpret_cast<LPARAM>(&button));
  }
  ::SendMessageW(toolBar_, TB_AUTOSIZE, 0, 0);
  if (options_.toolBar) ::ShowWindow(toolBar_, SW_SHOW);

  statusBar_ = ::CreateWindowExW(0, STATUSCLASSNAMEW, nullptr, WS_CHILD | SBARS_SIZEGRIP, 0, 0, 0, 0, hwnd(),
                                 reinterpret_cast<HMENU>(IDC_FE_STATUS), ::GetModuleHandleW(nullptr), nullptr);
  int edges[] = {80, 160, 240, -1};
  ::SendMessageW(statusBar_, SB_SETPARTS, 4, reinterpret_cast<LPARAM>(edges));
  if (options_.statusBar) ::ShowWindow(statusBar_, SW_SHOW);
  ::CheckMenuItem(::GetMenu(hwnd()), IDM_FE_TOOLBAR, options_.toolBar ? MF_CHECKED : MF_UNCHECKED);
  ::CheckMenuItem(::GetMenu(hwnd()), IDM_FE_STATUSBAR, options_.statusBar ? MF_CHECKED : MF_UNCHECKED);
}

void TFavoritesEditor::FormShow() {
  CreateBars();
  treeView_.preview = [this](UINT message, WPARAM wParam, LPARAM lParam, LRESULT& result) {
    return PreviewTree(message, wParam, lParam, result);
  };
  treeView_.Create(hwnd(), images_.get());
  items_.clear();
  ::SendMessageW(TreeHandle(), WM_SETREDRAW, FALSE, 0);
  InsertSubtree(tree_.Root());
  ::SendMessageW(TreeHandle(), WM_SETREDRAW, TRUE, 0);
  Select(tree_.Root());
  ::DragAcceptFiles(TreeHandle(), TRUE);
  LayoutChildren();
  UpdateFavoritesStatus();
  UpdateTitle();
  ::SetFocus(TreeHandle());
}

void TFavoritesEditor::LayoutChildren() {
  RECT client{};
  ::GetClientRect(hwnd(), &client);
  int top = 0, bottom = client.bottom;
  if (toolBar_ && ::IsWindowVisible(toolBar_)) {
    ::SendMessageW(toolBar_, TB_AUTOSIZE, 0, 0);
    RECT bar{};
    ::GetWindowRect(toolBar_, &bar);
    top = bar.bottom - bar.top;
  }
  if (statusBar_ && ::IsWindowVisible(statusBar_)) {
    ::SendMessageW(statusBar_, WM_SIZE, 0, 0);
    RECT bar{};
    ::GetWindowRect(statusBar_, &bar);
    bottom -= bar.bottom - bar.top;
  }
  if (TreeHandle()) ::MoveWindow(TreeHandle(), 0, top, client.right, std::max(0, bottom - top), TRUE);
}

void TFavoritesEditor::UpdateTitle() {
  ::SetWindowTextW(hwnd(), (std::wstring(kAppTitle) + L" - " + tree_.Title()).c_str());
}

void TFavoritesEditor::UpdateFavoritesStatus() {
  StatusCounts counts = tree_.Counts();
  auto set = [this](int panel, const std::wstring& text) {
    ::SendMessageW(statusBar_, SB_SETTEXTW, static_cast<WPARAM>(panel), reinterpret_cast<LPARAM>(text.c_str()));
  };
  set(0, L"Files: " + win::ToText(counts.files));
  set(1, L"Folders: " + win::ToText(counts.folders));
  set(2, L"Separators: " + win::ToText(counts.separators));
}

std::wstring TFavoritesEditor::StatusText(int panel) const {
  auto length = LOWORD(::SendMessageW(statusBar_, SB_GETTEXTLENGTHW, static_cast<WPARAM>(panel), 0));
  std::wstring text(length + 1u, L'\0');
  ::SendMessageW(statusBar_, SB_GETTEXTW, static_cast<WPARAM>(panel), reinterpret_cast<LPARAM>(text.data()));
  text.resize(length);
  return text;
}

void TFavoritesEditor::Warn(const std::wstring& text, win::Icon icon) {
  win::MessageRequest request{hwnd(), text};
  request.icon = icon;
  frame_.Prompter().Message(request);
}

void TFavoritesEditor::Close() {
  if (closed_) return;
  if (editingLabel_) TreeView_EndEditLabelNow(TreeHandle(), FALSE);
  EndDrag();
  FormClose();
  closed_ = true;
  ::ShowWindow(hwnd(), SW_HIDE);
}

void TFavoritesEditor::FormClose() {
  ::SendMessageW(statusBar_, SB_SETTEXTW, 3, reinterpret_cast<LPARAM>((L"Saving " + tree_.Title() + L"...").c_str()));
  outcome_.maximized = ::IsZoomed(hwnd()) != FALSE;
  ::GetWindowRect(hwnd(), &outcome_.bounds);
  outcome_.toolBar = ::IsWindowVisible(toolBar_) != FALSE;
  outcome_.statusBar = ::IsWindowVisible(statusBar_) != FALSE;
  // A temporary file replaced in one step: a failed save leaves the old favorites.
  outcome_.saved = ReplaceStoreFile(options_.storePath, WriteStore(tree_.ToStore()));
  if (!outcome_.saved) Warn(kSaveFailedMessage);
}

LRESULT TFavoritesEditor::HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) {
  switch (message) {
    case WM_SIZE:
      LayoutChildren();
      return 0;
    case WM_COMMAND:
      OnCommand(LOWORD(wParam));
      return 0;
    case WM_NOTIFY:
      return OnNotify(*reinterpret_cast<NMHDR*>(lParam));
    case WM_INITMENUPOPUP:
      FileMenuClick();
      return 0;
    case WM_MENUSELECT: {
      int item = LOWORD(wParam);
      std::wstring open = tree_.Commands(Selected()).openHint;
      const wchar_t* hint = HIWORD(wParam) & MF_POPUP ? nullptr : item == IDM_FE_OPEN ? open.c_str() : HintOf(item);
      ::SendMessageW(statusBar_, SB_SIMPLE, hint ? TRUE : FALSE, 0);
      if (hint) ::SendMessageW(statusBar_, SB_SETTEXTW, SB_SIMPLEID, reinterpret_cast<LPARAM>(hint));
      return 0;
    }
    case WM_EXITMENULOOP:
      ::SendMessageW(statusBar_, SB_SIMPLE, FALSE, 0);
      return 0;
    case WM_CONTEXTMENU:
      if (reinterpret_cast<HWND>(wParam) == TreeHandle()) {
        POINT at{GET_X_LPARAM(lParam), GET_Y_LPARAM(lParam)};
        if (at.x == -1 && at.y == -1) {
          RECT row{};
          if (HTREEITEM item = TreeView_GetSelection(TreeHandle()); item && TreeView_GetItemRect(TreeHandle(), item, &row, TRUE))
            at = {row.left, row.bottom};
          ::ClientToScreen(TreeHandle(), &at);
        }
        ShowTreeMenu(at);
        return 0;
      }
      break;
    case WM_SETFOCUS:
      if (TreeHandle()) ::SetFocus(TreeHandle());
      return 0;
    case WM_CLOSE:
      Close();
      return 0;
    default:
      break;
  }
  return DefaultProc(message, wParam, lParam);
}

void TFavoritesEditor::OnCommand(int id) {
  if (!IsEnabled(id)) return;
  SyncExpanded();
  switch (id) {
    case IDM_FE_OPEN: PopupMenuOpenClick(); break;
    case IDM_FE_NEW_FAVORITE: FileMenuNewFavoriteClick(); break;
    case IDM_FE_NEW_SEPARATOR: FileMenuNewSeparatorClick(); break;
    case IDM_FE_NEW_FOLDER: FileMenuNewFolderClick(); break;
    case IDM_FE_DELETE: FileMenuDeleteClick(); break;
    case IDM_FE_PROPERTIES: FileMenuPropertiesClick(); break;
    case IDM_FE_VERIFY: FileMenuVerifyClick(); break;
    case IDM_FE_CLOSE: Close(); break;
    case IDM_FE_TOOLBAR: ViewMenuBarClick(toolBar_, id); break;
    case IDM_FE_STATUSBAR: ViewMenuBarClick(statusBar_, id); break;
    case IDM_FE_COLLAPSE: ViewMenuCollapseExpandClick(false); break;
    case IDM_FE_EXPAND: ViewMenuCollapseExpandClick(true); break;
    case IDM_FE_CONTENTS: frame_.ShowHelpTopic(kContentsTopic); break;
    case IDM_FE_ABOUT:
      if (options_.showAbout) options_.showAbout();
      break;
    default: break;
  }
}

bool TFavoritesEditor::Run(int command) {
  if (!IsEnabled(command)) return false;
  OnCommand(command);
  return true;
}

bool TFavoritesEditor::IsEnabled(int command) {
  CommandStates states = tree_.Commands(Selected());
  switch (command) {
    case IDM_FE_OPEN: return states.openEnabled;
    case IDM_FE_DELETE: return states.deleteEnabled;
    case IDM_FE_PROPERTIES: return states.propertiesEnabled;
    default: return true;
  }
}

void TFavoritesEditor::FileMenuClick() {
  CommandStates states = tree_.Commands(Selected());
  for (HMENU menu : {fileMenu_, treeMenu_.get()}) {
    SetMenuText(menu, IDM_FE_OPEN, states.openCaption);
    EnableItem(menu, IDM_FE_OPEN, states.openEnabled);
    EnableItem(menu, IDM_FE_DELETE, states.deleteEnabled);
    EnableItem(menu, IDM_FE_PROPERTIES, states.propertiesEnabled);
  }
}

void TFavoritesEditor::ShowTreeMenu(POINT screen) {
  FileMenuClick();
  ::TrackPopupMenu(treeMenu_.get(), TPM_RIGHTBUTTON, screen.x, screen.y, 0, hwnd(), nullptr);
}

void TFavoritesEditor::OpenAndClose(std::vector<std::wstring> files) {
  // The caller opens them once the store is saved and the main window is back.
  outcome_.filesToOpen = std::move(files);
  Close();
}

void TFavoritesEditor::PopupMenuOpenClick() {
  NodeId selected = Selected();
  if (tree_.Image(selected) == NodeImage::Favorite) {
    OpenAndClose({tree_.At(selected).path});
    return;
  }
  if (tree_.HasChildren(selected)) OpenAndClose(tree_.FilesToOpen(selected, FileExists));
}

void TFavoritesEditor::TreeViewDblClick() {
  if (tree_.Contains(clickedNode_) && tree_.OpensOnDoubleClick(clickedNode_))
    OpenAndClose({tree_.At(clickedNode_).path});
}

void TFavoritesEditor::FileMenuNewFavoriteClick() {
  win::FileRequest request;
  request.owner = hwnd();
  request.title = L"New Favorite";
  request.filter = options_.openFilter;
  if (!frame_.Prompter().OpenFile(request)) return;
  Edit edit = tree_.NewFavorite(Selected(), request.fileName);
  if (edit.refusal == Refusal::PathTooLong) Warn(win::Fill(kPathTooLongMessage, {request.fileName}));
  if (Apply(edit)) Select(edit.node);
  UpdateFavoritesStatus();
}

void TFavoritesEditor::FileMenuNewSeparatorClick() {
  Edit edit = tree_.NewSeparator(Selected());
  if (Apply(edit)) Select(edit.node);
  UpdateFavoritesStatus();
}

void TFavoritesEditor::FileMenuNewFolderClick() {
  Edit edit = tree_.NewFolder(Selected());
  if (edit.refusal == Refusal::LevelLimit) {
    Warn(kLevelLimitMessage, win::Icon::None);
    return;
  }
  if (!Apply(edit)) return;
  Select(edit.node);
  UpdateFavoritesStatus();
  TreeView_EditLabel(TreeHandle(), ItemOf(edit.node));
}

void TFavoritesEditor::FileMenuDeleteClick() {
  // The control moves the selection to a neighbour, as Explorer does; never to the
  // parent, where a second Delete would take the whole folder.
  Apply(tree_.Delete(Selected()));
  TreeViewChange(Selected());
  UpdateFavoritesStatus();
}

void TFavoritesEditor::FileMenuPropertiesClick() {
  NodeId selected = Selected();
  const Node& node = tree_.At(selected);
  TFavProperties properties({node.text, node.path}, frame_.Prompter(), options_.openFilter,
                            [this](int topic) { frame_.ShowHelpTopic(topic); });
  if (properties.ShowModal(hwnd()) != IDOK) return;
  Edit edit = tree_.SetProperties(selected, properties.fields().title, properties.fields().fileName);
  if (edit.refusal == Refusal::PathTooLong) Warn(win::Fill(kPathTooLongMessage, {properties.fields().fileName}));
  Apply(edit);
  TreeViewChange(selected);
}

void TFavoritesEditor::FileMenuVerifyClick() {
  std::vector<NodeId> missing = tree_.VerifyFiles(FileExists);
  if (missing.empty()) {
    Warn(kAllVerifiedMessage, win::Icon::Information);
    return;
  }
  for (NodeId id : missing) RefreshItem(id);
  ViewMenuCollapseExpandClick(true);
  Select(missing.front());
  ::UpdateWindow(TreeHandle());
  Warn(kFilesMissingMessage);
}

void TFavoritesEditor::ViewMenuBarClick(HWND bar, int command) {
  bool show = !::IsWindowVisible(bar);
  ::ShowWindow(bar, show ? SW_SHOW : SW_HIDE);
  ::CheckMenuItem(::GetMenu(hwnd()), static_cast<UINT>(command), show ? MF_CHECKED : MF_UNCHECKED);
  LayoutChildren();
}

void TFavoritesEditor::ViewMenuCollapseExpandClick(bool expand) {
  ::SendMessageW(TreeHandle(), WM_SETREDRAW, FALSE, 0);
  for (NodeId id : tree_.InOrder())
    if (tree_.HasChildren(id)) TreeView_Expand(TreeHandle(), ItemOf(id), expand ? TVE_EXPAND : TVE_COLLAPSE);
  TreeView_Expand(TreeHandle(), ItemOf(tree_.Root()), TVE_EXPAND);
  tree_.SetAllExpanded(expand);
  ::SendMessageW(TreeHandle(), WM_SETREDRAW, TRUE, 0);
  ::InvalidateRect(TreeHandle(), nullptr, TRUE);
}

void TFavoritesEditor::TreeViewChange(NodeId id) {
  if (!tree_.Contains(id)) return;
  std::wstring path = tree_.PathPanelText(id);
  ::SendMessageW(statusBar_, SB_SETTEXTW, 3, reinterpret_cast<LPARAM>(path.c_str()));
  CommandStates states = tree_.Commands(id);
  ::SendMessageW(toolBar_, TB_ENABLEBUTTON, IDM_FE_DELETE, MAKELPARAM(states.deleteEnabled ? TRUE : FALSE, 0));
  ::SendMessageW(toolBar_, TB_ENABLEBUTTON, IDM_FE_PROPERTIES, MAKELPARAM(states.propertiesEnabled ? TRUE : FALSE, 0));
}

LRESULT TFavoritesEditor::OnNotify(NMHDR& header) {
  if (header.hwndFrom == TreeHandle()) return OnTreeNotify(header);
  if (header.code == TTN_GETDISPINFOW) {
    auto& info = reinterpret_cast<NMTTDISPINFOW&>(header);
    for (const ToolButton& tool : kToolButtons)
      if (tool.id && static_cast<UINT_PTR>(tool.id) == header.idFrom) info.lpszText = const_cast<wchar_t*>(tool.hint);
  }
  return 0;
}

}  // namespace favorites
