#pragma once
// What the side bar shows, worked out without windows: the favorites and recent
// documents as rows of a tree, the fonts of the font chooser, the context menu's state
// and the pane's width. No windows.h: tested natively.
#include <functional>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "favorites/FavoritesStore.h"
#include "workspace/History.h"

namespace sidebar {

// The open view; stored as State of section SideBar.
enum class View { Closed = 0, Favorites = 1, RecentDocuments = 2, FontChooser = 3 };
// A stored state the program does not know leaves the side bar closed.
View ViewFromState(int state);

// Pictures of the tree's image list.
enum class Picture { Folder = 0, Document = 1, Placeholder = 2 };

// One node of the tree, in tree order; `depth` 0 is a top-level node.
struct Row {
  int depth = 0;
  std::wstring text;
  std::wstring path;  // empty for folders, the root and placeholders
  Picture picture = Picture::Folder;
};

struct TreeContent {
  std::wstring header;  // the header label's text
  std::vector<Row> rows;
};

// The favorites view from the bytes of Favorites.dat (nullopt when it could not be
// read): a root carrying the store's title and the favorites below it, separators
// left out. A store that cannot be read, or is of another format, shows the root
// "Favorites" with its "[Empty]" child.
TreeContent FavoritesContent(const std::optional<std::string>& storeBytes, const favorites::CodePage& codePage);

// The recent documents, newest first, each by its name and extension.
TreeContent RecentContent(const std::vector<workspace::RecentDocument>& documents);

// Open All on the row `selected`: the paths of the documents at and below it, in tree
// order, whose files exist.
std::vector<std::wstring> OpenAllPaths(const std::vector<Row>& rows, size_t selected,
                                       const std::function<bool(const std::wstring&)>& fileExists);

// The context menu of the tree and the list as it opens.
struct PopupState {
  std::wstring openCaption;  // the first item
  bool openEnabled = true;
  bool treeItems = false;    // the separator, Collapse All and Expand All
};
// `selected` is the picture of the selected node, nullopt when none is.
PopupState PopupFor(View view, std::optional<Picture> selected);

// An item's height: the face's text height and a pixel above and below, within what
// a list box can hold.
int FontItemHeight(int textHeight);

inline constexpr int kDefaultWidth = 91;
inline constexpr int kMinWidth = 23;
inline constexpr int kSplitterWidth = 3;
inline constexpr int kHeaderHeight = 23;
// The editor keeps at least this much of the page beside the side bar.
inline constexpr int kMinEditorWidth = 23;

// The stored width, or the default when it is no width a screen of `screenWidth` can show.
int StoredWidth(int stored, int screenWidth);
// The width shown on a page `pageWidth` wide: the wanted width, never below the
// minimum and never leaving the editor less than its minimum.
int ShownWidth(int wanted, int pageWidth);
// The width while the splitter is dragged `dx` pixels from where it was pressed.
int DraggedWidth(int startWidth, int dx, bool rightSide, int pageWidth);

}  // namespace sidebar
