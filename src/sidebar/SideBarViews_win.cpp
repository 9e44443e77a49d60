// The side bar's views: the favorites and recent documents in the tree, the fonts in
// the owner-drawn list, and what opening and choosing from them do.
#include <windowsx.h>

#include <algorithm>

#include "sidebar/SideBar_win.h"
#include "win/Encoding.h"
#include "win/Handles.h"

namespace sidebar {

namespace {

// At most the bytes a store can usefully hold: the reader never looks further.
std::optional<std::string> ReadStoreBytes(const std::wstring& path) {
  win::UniqueFile file(::CreateFileW(path.c_str(), GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_WRITE, nullptr,
                                     OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr));
  if (!file) return std::nullopt;
  std::string bytes(favorites::kMaxStoreBytes, '\0');
  DWORD got = 0;
  if (!::ReadFile(file.get(), bytes.data(), static_cast<DWORD>(bytes.size()), &got, nullptr)) return std::nullopt;
  bytes.resize(got);
  return bytes;
}

favorites::CodePage SystemCodePage() {
  return {[](std::string_view bytes) { return win::FromAnsi(bytes); },
          [](std::wstring_view text) { return win::ToAnsi(text); },
          [](std::wstring_view path) { return win::ToAnsiPath(path); }};
}

bool FileExists(const std::wstring& path) {
  DWORD attributes = ::GetFileAttributesW(path.c_str());
  return attributes != INVALID_FILE_ATTRIBUTES && !(attributes & FILE_ATTRIBUTE_DIRECTORY);
}

// The face at the system's default height for it, as each font chooser item shows it.
win::UniqueFont FaceFont(const std::wstring& face) {
  LOGFONTW font{};
  font.lfCharSet = DEFAULT_CHARSET;
  lstrcpynW(font.lfFaceName, face.c_str(), LF_FACESIZE);
  return win::UniqueFont(::CreateFontIndirectW(&font));
}

}  // namespace

void SideBar::FillView(View view) {
  switch (view) {
    case View::Favorites: {
      std::wstring path = frame_.Paths().programFolder + favorites::kStoreFileName;
      FillTree(FavoritesContent(ReadStoreBytes(path), SystemCodePage()));
      if (!items_.empty()) TreeView_Expand(tree_, items_.front(), TVE_EXPAND);
      break;
    }
    case View::RecentDocuments:
      FillTree(RecentContent(workspace::RecentDocuments(frame_.Profile())));
      break;
    case View::FontChooser:
      ::SetWindowTextW(label_, L"Font Chooser");
      FillFontChooser();
      break;
    case View::Closed:
      break;
  }
}

void SideBar::ClearViews() {
  TreeView_DeleteAllItems(tree_);
  ListBox_ResetContent(list_);
  rows_.clear();
  items_.clear();
  fontItemHeights_.clear();
  ::SetWindowTextW(label_, L"");
}

void SideBar::FillTree(const TreeContent& content) {
  ::SetWindowTextW(label_, content.header.c_str());
  rows_ = content.rows;
  items_.clear();
  std::vector<HTREEITEM> lastAtDepth;
  for (size_t i = 0; i < rows_.size(); ++i) {
    const Row& row = rows_[i];
    auto depth = static_cast<size_t>(std::max(0, row.depth));
    TVINSERTSTRUCTW insert{};
    insert.hParent = depth == 0 || depth > lastAtDepth.size() ? TVI_ROOT : lastAtDepth[depth - 1];
    insert.hInsertAfter = TVI_LAST;
    insert.item.mask = TVIF_TEXT | TVIF_IMAGE | TVIF_SELECTEDIMAGE | TVIF_PARAM;
    insert.item.pszText = const_cast<wchar_t*>(row.text.c_str());
    insert.item.iImage = insert.item.iSelectedImage = static_cast<int>(row.picture);
    insert.item.lParam = static_cast<LPARAM>(i);
    HTREEITEM item = TreeView_InsertItem(tree_, &insert);
    items_.push_back(item);
    lastAtDepth.resize(depth + 1);
    lastAtDepth[depth] = item;
  }
}

std::optional<size_t> SideBar::SelectedRow() const {
  HTREEITEM item = TreeView_GetSelection(tree_);
  if (!item) return std::nullopt;
  TVITEMW info{};
  info.mask = TVIF_PARAM;
  info.hItem = item;
  if (!TreeView_GetItem(tree_, &info)) return std::nullopt;
  auto row = static_cast<size_t>(info.lParam);
  return row < rows_.size() ? std::optional<size_t>(row) : std::nullopt;
}

void SideBar::SelectRow(size_t index) {
  if (index < items_.size()) TreeView_SelectItem(tree_, items_[index]);
}

void SideBar::TVDblClick() {
  if (state_ != View::Favorites && state_ != View::RecentDocuments) return;
  auto row = SelectedRow();
  if (!row || rows_[*row].path.empty()) return;
  std::wstring path = rows_[*row].path;
  documents_.OpenFromList(path);
}

void SideBar::SideBarPopUp1Click() {
  if (state_ == View::FontChooser) {
    ListBoxDblClick();
    return;
  }
  auto row = SelectedRow();
  if (state_ != View::Favorites || !row || rows_[*row].picture != Picture::Folder) {
    TVDblClick();
    return;
  }
  // Open All: the paths are taken first, since opening may change the views.
  std::vector<std::wstring> paths = OpenAllPaths(rows_, *row, &FileExists);
  bool first = true;
  for (const std::wstring& path : paths) {
    if (!FileExists(path)) continue;
    // The limit of open documents is reported once for the whole lot.
    if (first)
      documents_.OpenFromList(path);
    else
      documents_.OpenDocument(path);
    first = false;
    ::UpdateWindow(frame_.Window());
  }
}

void SideBar::SideBarPopUp3Click() {
  if (state_ != View::Favorites) return;
  for (HTREEITEM item : items_) TreeView_Expand(tree_, item, TVE_COLLAPSE);
  if (!items_.empty()) TreeView_Expand(tree_, items_.front(), TVE_EXPAND);
}

void SideBar::SideBarPopUp4Click() {
  if (state_ != View::Favorites) return;
  for (HTREEITEM item : items_) TreeView_Expand(tree_, item, TVE_EXPAND);
}

const std::vector<std::wstring>& SideBar::InstalledFonts() {
  // The format bar's font names, taken once: fonts installed while the program runs
  // show after a restart.
  if (!installedFonts_) installedFonts_ = fontNames ? fontNames() : std::vector<std::wstring>{};
  return *installedFonts_;
}

void SideBar::FillFontChooser() {
  const std::vector<std::wstring>& fonts = InstalledFonts();
  fontItemHeights_.clear();
  {
    win::WindowDC dc(list_);
    for (const std::wstring& face : fonts) {
      win::UniqueFont font = FaceFont(face);
      win::SelectGuard select(dc.get(), font.get());
      SIZE size{};
      ::GetTextExtentPoint32W(dc.get(), L"Wg", 2, &size);
      fontItemHeights_.push_back(FontItemHeight(size.cy));
    }
  }
  ::SendMessageW(list_, WM_SETREDRAW, FALSE, 0);
  for (const std::wstring& face : fonts) ListBox_AddString(list_, face.c_str());
  ::SendMessageW(list_, WM_SETREDRAW, TRUE, 0);
  workspace::DocumentSlot* slot = documents_.Slot(documents_.ActiveSlotNumber());
  if (!slot) return;
  std::wstring current;
  if (slot->editor.IsPlainText())
    current = slot->editor.DefaultFont().name;
  else
    current = slot->editor.SelectionCharFormat().szFaceName;
  SelectFace(current);
}

void SideBar::SelectFace(const std::wstring& face) {
  int index = face.empty() ? LB_ERR : ListBox_FindStringExact(list_, -1, face.c_str());
  ListBox_SetCurSel(list_, index);
  listHint_ = SelectedFont();
}

std::wstring SideBar::SelectedFont() const {
  int index = ListBox_GetCurSel(list_);
  if (index < 0) return L"";
  std::wstring text(static_cast<size_t>(std::max(0, ListBox_GetTextLen(list_, index))) + 1, L'\0');
  ListBox_GetText(list_, index, text.data());
  text.resize(wcslen(text.c_str()));
  return text;
}

void SideBar::ListBoxDblClick() {
  if (state_ != View::FontChooser) return;
  std::wstring face = SelectedFont();
  if (!face.empty()) ChooseFace(face);
}

void SideBar::ChooseFace(const std::wstring& face) {
  workspace::DocumentSlot* slot = documents_.Slot(documents_.ActiveSlotNumber());
  if (!slot) return;
  workspace::RichEditor& editor = slot->editor;
  if (!editor.IsPlainText()) {
    ApplyFontToRichSelection(face);
    return;
  }
  // The look of a plain text is no edit: the document stays as modified as it was.
  bool attached = slot->changeAttached;
  slot->changeAttached = false;
  bool modified = editor.Modified();
  workspace::FontSpec font = editor.DefaultFont();
  font.name = face;
  font.charSet = DEFAULT_CHARSET;
  editor.SetDefaultFont(font);
  editor.SetModified(modified);
  slot->changeAttached = attached;
}

void SideBar::ApplyFontToRichSelection(const std::wstring& face) {
  if (onRichFontChosen) {
    onRichFontChosen(face);
    return;
  }
  CHARFORMAT2W format{};
  format.cbSize = sizeof(format);
  format.dwMask = CFM_FACE | CFM_CHARSET;
  format.bCharSet = DEFAULT_CHARSET;
  lstrcpynW(format.szFaceName, face.c_str(), LF_FACESIZE);
  documents_.ActiveEditor().SetSelectionCharFormat(format);
}

void SideBar::OnMeasureItem(MEASUREITEMSTRUCT& item) {
  if (item.CtlID != static_cast<UINT>(::GetDlgCtrlID(list_))) return;
  item.itemHeight = item.itemID < fontItemHeights_.size() ? static_cast<UINT>(fontItemHeights_[item.itemID]) : 16;
}

void SideBar::OnDrawItem(const DRAWITEMSTRUCT& item) {
  if (item.hwndItem == closeButton_) {
    DrawCloseButton(item);
    return;
  }
  if (item.hwndItem != list_) return;
  HDC dc = item.hDC;
  bool selected = item.itemState & ODS_SELECTED;
  COLORREF back = selected ? ::GetSysColor(COLOR_HIGHLIGHT) : background_;
  win::UniqueBrush brush(::CreateSolidBrush(back));
  ::FillRect(dc, &item.rcItem, brush.get());
  if (item.itemID != static_cast<UINT>(-1)) {
    std::wstring face(static_cast<size_t>(std::max(0, ListBox_GetTextLen(list_, item.itemID))) + 1, L'\0');
    ListBox_GetText(list_, item.itemID, face.data());
    face.resize(wcslen(face.c_str()));
    win::UniqueFont font = FaceFont(face);
    win::SelectGuard select(dc, font.get());
    ::SetBkMode(dc, TRANSPARENT);
    ::SetTextColor(dc, selected ? ::GetSysColor(COLOR_HIGHLIGHTTEXT) : textColor_);
    ::TextOutW(dc, item.rcItem.left + 1, item.rcItem.top + 1, face.c_str(), static_cast<int>(face.size()));
  }
  if (item.itemState & ODS_FOCUS) ::DrawFocusRect(dc, &item.rcItem);
}

}  // namespace sidebar
