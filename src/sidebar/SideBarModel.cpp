#include "sidebar/SideBarModel.h"

#include <algorithm>
#include <cwctype>

#include "favorites/FavoritesTree.h"

namespace sidebar {

View ViewFromState(int state) {
  return state >= 0 && state <= 3 ? static_cast<View>(state) : View::Closed;
}

namespace {

Picture PictureOf(const std::wstring& text, const std::wstring& path) {
  if (text == favorites::kEmptyCaption) return Picture::Placeholder;
  return path.empty() ? Picture::Folder : Picture::Document;
}

TreeContent EmptyFavorites() {
  TreeContent content;
  content.rows.push_back({0, favorites::kDefaultTitle, L"", Picture::Folder});
  content.rows.push_back({1, favorites::kEmptyCaption, L"", Picture::Placeholder});
  return content;
}

}  // namespace

TreeContent FavoritesContent(const std::optional<std::string>& storeBytes, const favorites::CodePage& codePage) {
  if (!storeBytes) return EmptyFavorites();
  favorites::ReadResult read = favorites::ReadStore(*storeBytes);
  // Bytes of another format are no favorites: reading them as records would show
  // whatever they happen to hold.
  if (read.check != favorites::StoreCheck::Ok) return EmptyFavorites();
  // The tree gives every store a sound shape: no level skipped, nothing under a
  // separator or placeholder, at most the records the editor loads.
  favorites::Tree tree = favorites::Tree::FromStore(read.store, codePage);
  TreeContent content;
  content.header = tree.Title();
  for (favorites::NodeId id : tree.InOrder()) {
    if (tree.IsSeparator(id)) continue;
    const favorites::Node& node = tree.At(id);
    Row row{tree.Depth(id), node.text, node.path, Picture::Folder};
    if (id == tree.Root()) row.path.clear();
    row.picture = id == tree.Root() ? Picture::Folder : PictureOf(row.text, row.path);
    if (row.picture == Picture::Placeholder) row.path.clear();
    content.rows.push_back(std::move(row));
  }
  return content;
}

TreeContent RecentContent(const std::vector<workspace::RecentDocument>& documents) {
  TreeContent content;
  content.header = L"Recent Documents";
  for (const workspace::RecentDocument& document : documents)
    content.rows.push_back({0, document.name, document.path, Picture::Document});
  return content;
}

std::vector<std::wstring> OpenAllPaths(const std::vector<Row>& rows, size_t selected,
                                       const std::function<bool(const std::wstring&)>& fileExists) {
  std::vector<std::wstring> paths;
  if (selected >= rows.size()) return paths;
  int top = rows[selected].depth;
  for (size_t i = selected; i < rows.size(); ++i) {
    if (i > selected && rows[i].depth <= top) break;
    const Row& row = rows[i];
    if (row.picture == Picture::Document && !row.path.empty() && fileExists(row.path)) paths.push_back(row.path);
  }
  return paths;
}

PopupState PopupFor(View view, std::optional<Picture> selected) {
  PopupState state;
  switch (view) {
    case View::Favorites:
      state.treeItems = true;
      state.openCaption = L"Open";
      if (selected == Picture::Folder) state.openCaption = L"Open All";
      if (selected == Picture::Placeholder) state.openEnabled = false;
      break;
    case View::RecentDocuments:
      state.openCaption = L"Open";
      break;
    case View::FontChooser:
      state.openCaption = L"&Choose";
      break;
    case View::Closed:
      state.openEnabled = false;
      break;
  }
  return state;
}

int FontItemHeight(int textHeight) { return std::clamp(textHeight + 2, 4, 255); }

int StoredWidth(int stored, int screenWidth) {
  return stored >= kMinWidth && stored <= std::max(kMinWidth, screenWidth) ? stored : kDefaultWidth;
}

int ShownWidth(int wanted, int pageWidth) {
  int room = pageWidth - kSplitterWidth - kMinEditorWidth;
  return std::max(kMinWidth, std::min(wanted, room));
}

int DraggedWidth(int startWidth, int dx, bool rightSide, int pageWidth) {
  return ShownWidth(rightSide ? startWidth - dx : startWidth + dx, pageWidth);
}

}  // namespace sidebar
