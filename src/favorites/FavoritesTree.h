#pragma once
// The favorites as the editor and the menus see them: a tree whose root carries the
// store's title. A folder is a node with children; an empty folder holds one "[Empty]"
// placeholder, and the root is never left without children. No windows.h here.
#include <functional>
#include <string>
#include <string_view>
#include <vector>

#include "favorites/FavoritesStore.h"

namespace favorites {

// Stable for the node's life and never reused within one tree, so the tree control
// can carry it as item data.
using NodeId = int;
inline constexpr NodeId kNoNode = -1;
// The root is at depth 0; a record of level n is a node at depth n + 1.
inline constexpr int kMaxDepth = kMaxLevel + 1;

inline constexpr int kMaxDroppedFiles = 3999;
inline constexpr size_t kMaxTitleLength = 30;
inline constexpr size_t kMaxCaptionLength = 63;
inline constexpr wchar_t kNewFolderText[] = L"New Folder";
inline constexpr wchar_t kLevelLimitMessage[] = L"The Favorites Editor can only handle 100 levels of folders.";
inline constexpr wchar_t kFilesMissingMessage[] =
    L"One or more Favorites point to Files that no longer exist.\n\nThe images on these Favorites have an 'X' on them.";
inline constexpr wchar_t kAllVerifiedMessage[] = L"All Files Verified!";

// Pictures of the editor's image list.
enum class NodeImage { Folder = 0, Favorite = 1, Separator = 2, Placeholder = 3, Missing = 4 };

struct Node {
  std::wstring text;
  std::wstring path;  // what a favorite opens; a folder may keep the path it was read with
  NodeId parent = kNoNode;
  std::vector<NodeId> children;
  bool expanded = false;
  bool missing = false;  // set by Verify Files, cleared only by loading again
};

enum class Refusal {
  None,
  NotAllowed,   // the rules of the editor forbid it (root, placeholder, own subtree, a reserved text...)
  LevelLimit,   // it would place a node deeper than kMaxDepth
  PathTooLong,  // the path needs more than 255 bytes in the code page
  StoreFull,    // the store would hold more than kMaxRecords records
};

// What an editing command changed, for the tree control to follow: first delete the
// `removed` items (with their subtrees), then insert the `inserted` nodes (with their
// subtrees, in this order, each after its previous sibling), then refresh text,
// picture and expanded state of the `changed` ones. A moved node is removed and
// inserted again.
struct Edit {
  Refusal refusal = Refusal::None;
  NodeId node = kNoNode;  // the node made, renamed or moved
  std::vector<NodeId> removed;
  std::vector<NodeId> inserted;
  std::vector<NodeId> changed;

  bool Done() const { return refusal == Refusal::None; }
};

// The three bands of a row during a drag.
enum class DropZone { Top, Middle, Bottom };

// Row bounds are the item rectangle's top and (exclusive) bottom, as the tree control
// gives them: the top zone is y < top + 5, the bottom zone y > bottom - 5.
DropZone ZoneAt(int y, int rowTop, int rowBottom);
// Where the drop line goes for a zone: the row's top or bottom edge, or -1 for none.
int DropLineY(DropZone zone, int rowTop, int rowBottom);
// While dragging, the tree scrolls by one line when the pointer is within a character
// height of its bottom edge (+1) or at or above its top edge (-1).
int AutoScrollStep(int y, int clientHeight, int charHeight);

struct StatusCounts {
  int files = 0;
  int folders = 0;  // the root not counted
  int separators = 0;
};

// The File menu's and tree menu's states for the selected node.
struct CommandStates {
  bool deleteEnabled = false;
  bool propertiesEnabled = false;
  std::wstring openCaption;
  std::wstring openHint;
  bool openEnabled = false;
};

class Tree {
 public:
  // An empty collection: the title with one "[Empty]" child, the root expanded.
  explicit Tree(CodePage codePage, std::wstring title = kDefaultTitle);

  // Records of level 0 to 99 become nodes in order. So that any store gives a sound
  // tree: a record more than one level deeper than the node before it is taken one
  // level deeper; a record under a separator or placeholder is taken as its sibling;
  // a placeholder that shares its folder with other nodes is dropped; a root left
  // without children gets its placeholder, and an empty title reads as "Favorites".
  static Tree FromStore(const Store& store, CodePage codePage);
  // Every node after the root in depth-first order, with level = depth - 1.
  Store ToStore() const;

  NodeId Root() const { return 0; }
  bool Contains(NodeId id) const;
  const Node& At(NodeId id) const { return nodes_.at(static_cast<size_t>(id)); }
  std::wstring Title() const { return At(Root()).text; }
  int Depth(NodeId id) const;
  bool IsPlaceholder(NodeId id) const;
  bool IsSeparator(NodeId id) const;
  bool HasChildren(NodeId id) const { return !At(id).children.empty(); }
  NodeImage Image(NodeId id) const;
  // The root and every node below it, parents before their children.
  std::vector<NodeId> InOrder() const;
  // The child of the same parent shown just before it, or kNoNode for a first child.
  NodeId PreviousSibling(NodeId id) const;
  int RecordCount() const;

  // The tree control reports what the user expands and collapses.
  void SetExpanded(NodeId id, bool expanded);
  // Collapse All leaves the root open.
  void SetAllExpanded(bool expanded);

  // The New commands place their item by one rule: the root or an expanded folder
  // takes it as its last child; a placeholder (selected, or the first child of such
  // a target) is taken over in place; any other node gets it as the last child of its
  // parent, not right after it.
  Edit NewFavorite(NodeId selected, std::wstring_view path);
  Edit NewSeparator(NodeId selected);
  // Refused with LevelLimit from a node at depth 99 or deeper, where the folder's
  // placeholder would leave the levels the store can show.
  Edit NewFolder(NodeId selected);
  // Anything but the root or a placeholder, with its subtree; a folder left empty
  // gets its placeholder.
  Edit Delete(NodeId id);

  // The root, folders and favorites; never placeholders or separators.
  bool CanRename(NodeId id) const;
  // Refused (the old text stays) for an empty text, "[Empty]", "[-- Separator --]"
  // and "-". Captions are cut to 63 characters, the title to 30.
  Edit Rename(NodeId id, std::wstring_view text);
  // The Properties dialog's OK on a favorite: the caption follows the rename rules,
  // the path must fit its field.
  Edit SetProperties(NodeId id, std::wstring_view caption, std::wstring_view path);

  // Files dropped from the shell go to the end of the root in the order given, at
  // most 3,999 per drop; paths that do not fit are skipped.
  struct DropResult {
    Edit edit;
    int added = 0;
    int tooLong = 0;
    std::wstring firstTooLong;
  };
  DropResult AddDroppedFiles(const std::vector<std::wstring>& paths);

  // A drag never moves the root, a placeholder, a node onto a placeholder, a node into
  // its own subtree, anything before the root or beyond kMaxDepth. Dropping a node on
  // itself is allowed and changes nothing.
  bool CanDrop(NodeId drag, NodeId target, DropZone zone) const;
  Edit Drop(NodeId drag, NodeId target, DropZone zone);

  // Verify Files: marks the favorites whose files are missing and returns them in
  // order. Marks stay until the tree is loaded again, even when a file comes back.
  std::vector<NodeId> VerifyFiles(const std::function<bool(const std::wstring&)>& fileExists);
  // Open All on a folder: the unmarked favorites of its subtree whose files exist.
  std::vector<std::wstring> FilesToOpen(NodeId id, const std::function<bool(const std::wstring&)>& fileExists) const;
  // A double-click opens a node without children that is no separator or placeholder.
  bool OpensOnDoubleClick(NodeId id) const;

  CommandStates Commands(NodeId selected) const;
  // The status bar's path panel: the path of a favorite, nothing for the rest.
  std::wstring PathPanelText(NodeId id) const;
  StatusCounts Counts() const;

 private:
  struct Place {
    NodeId parent = kNoNode;
    NodeId before = kNoNode;       // kNoNode: at the end
    NodeId placeholder = kNoNode;  // taken over, or removed by a drop
  };
  Place NewItemPlace(NodeId selected) const;
  bool FindDropPlace(NodeId target, DropZone zone, Place& place) const;
  NodeId NodeBelow(NodeId id) const;
  int SubtreeHeight(NodeId id) const;
  bool IsInSubtree(NodeId id, NodeId top) const;
  bool CanHoldChildren(NodeId id) const;
  bool IsFavorite(NodeId id) const;
  std::vector<NodeId> Subtree(NodeId top) const;
  Refusal DropRefusal(NodeId drag, NodeId target, DropZone zone) const;

  Node& Writable(NodeId id) { return nodes_[static_cast<size_t>(id)]; }
  NodeId MakeNode(std::wstring text, std::wstring path);
  void Attach(NodeId id, NodeId parent, NodeId before);
  void Detach(NodeId id);
  void Erase(NodeId id);
  NodeId AddPlaceholder(NodeId parent);
  Edit PlaceNewItem(NodeId selected, std::wstring text, std::wstring path, bool folder);
  Refusal CheckText(NodeId id, std::wstring_view text, std::wstring& accepted) const;

  CodePage codePage_;
  std::vector<Node> nodes_;
  std::vector<bool> alive_;
  int liveNodes_ = 0;
};

}  // namespace favorites
