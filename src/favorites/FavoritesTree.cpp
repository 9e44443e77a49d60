#include "favorites/FavoritesTree.h"

#include <algorithm>
#include <utility>

namespace favorites {

namespace {
constexpr int kZoneHeight = 5;
}  // namespace

DropZone ZoneAt(int y, int rowTop, int rowBottom) {
  if (y < rowTop + kZoneHeight) return DropZone::Top;
  if (y > rowBottom - kZoneHeight) return DropZone::Bottom;
  return DropZone::Middle;
}

int DropLineY(DropZone zone, int rowTop, int rowBottom) {
  switch (zone) {
    case DropZone::Top: return rowTop;
    case DropZone::Bottom: return rowBottom;
    case DropZone::Middle: break;
  }
  return -1;
}

int AutoScrollStep(int y, int clientHeight, int charHeight) {
  if (y <= 0) return -1;
  if (y > clientHeight - charHeight) return 1;
  return 0;
}

Tree::Tree(CodePage codePage, std::wstring title) : codePage_(std::move(codePage)) {
  MakeNode(std::move(title), L"");
  AddPlaceholder(Root());
  Writable(Root()).expanded = true;
}

Tree Tree::FromStore(const Store& store, CodePage codePage) {
  Tree tree(std::move(codePage));
  // A blank title would leave the menu bar item without a caption.
  if (!store.title.empty()) tree.Writable(tree.Root()).text = tree.codePage_.decode(store.title);
  NodeId placeholder = tree.At(tree.Root()).children.front();
  tree.Detach(placeholder);
  tree.Erase(placeholder);

  // chain[d] is the node at depth d on the branch of the node made last.
  std::vector<NodeId> chain{tree.Root()};
  for (const Record& record : store.records) {
    if (record.level < 0 || record.level > kMaxLevel) continue;
    size_t deepest = tree.CanHoldChildren(chain.back()) ? chain.size() : chain.size() - 1;
    size_t depth = std::min(static_cast<size_t>(record.level) + 1, deepest);
    chain.resize(depth);
    NodeId id = tree.MakeNode(tree.codePage_.decode(record.caption), tree.codePage_.decode(record.path));
    tree.Attach(id, chain.back(), kNoNode);
    chain.push_back(id);
  }

  for (NodeId id : tree.InOrder()) {
    std::vector<NodeId>& children = tree.Writable(id).children;
    if (children.size() < 2) continue;
    bool onlyPlaceholders =
        std::all_of(children.begin(), children.end(), [&](NodeId child) { return tree.IsPlaceholder(child); });
    std::vector<NodeId> keep;
    for (NodeId child : children) {
      bool kept = onlyPlaceholders ? keep.empty() : !tree.IsPlaceholder(child);
      if (kept)
        keep.push_back(child);
      else
        tree.Erase(child);
    }
    children = std::move(keep);
  }
  if (!tree.HasChildren(tree.Root())) tree.AddPlaceholder(tree.Root());
  return tree;
}

Store Tree::ToStore() const {
  Store store;
  store.title = codePage_.encode(Title());
  for (NodeId id : InOrder()) {
    if (id == Root()) continue;
    const Node& node = At(id);
    store.records.push_back(
        {static_cast<int32_t>(Depth(id) - 1), codePage_.EncodePath(node.path), codePage_.encode(node.text)});
  }
  return store;
}

bool Tree::Contains(NodeId id) const {
  return id >= 0 && static_cast<size_t>(id) < nodes_.size() && alive_[static_cast<size_t>(id)];
}

int Tree::Depth(NodeId id) const {
  int depth = 0;
  for (NodeId at = At(id).parent; at != kNoNode; at = At(at).parent) ++depth;
  return depth;
}

bool Tree::IsPlaceholder(NodeId id) const { return id != Root() && At(id).text == kEmptyCaption; }

bool Tree::IsSeparator(NodeId id) const { return id != Root() && At(id).text == kSeparatorCaption; }

NodeImage Tree::Image(NodeId id) const {
  if (IsPlaceholder(id)) return NodeImage::Placeholder;
  if (IsSeparator(id)) return NodeImage::Separator;
  if (HasChildren(id) || id == Root()) return NodeImage::Folder;
  return At(id).missing ? NodeImage::Missing : NodeImage::Favorite;
}

std::vector<NodeId> Tree::InOrder() const { return Subtree(Root()); }

std::vector<NodeId> Tree::Subtree(NodeId top) const {
  std::vector<NodeId> order;
  std::vector<NodeId> stack{top};
  while (!stack.empty()) {
    NodeId id = stack.back();
    stack.pop_back();
    order.push_back(id);
    const std::vector<NodeId>& children = At(id).children;
    stack.insert(stack.end(), children.rbegin(), children.rend());
  }
  return order;
}

NodeId Tree::PreviousSibling(NodeId id) const {
  if (id == Root()) return kNoNode;
  const std::vector<NodeId>& siblings = At(At(id).parent).children;
  auto it = std::find(siblings.begin(), siblings.end(), id);
  return it == siblings.begin() || it == siblings.end() ? kNoNode : *(it - 1);
}

int Tree::RecordCount() const { return liveNodes_ - 1; }

void Tree::SetExpanded(NodeId id, bool expanded) {
  if (Contains(id)) Writable(id).expanded = expanded;
}

void Tree::SetAllExpanded(bool expanded) {
  for (NodeId id : InOrder()) Writable(id).expanded = expanded;
  Writable(Root()).expanded = true;
}

bool Tree::CanHoldChildren(NodeId id) const { return !IsPlaceholder(id) && !IsSeparator(id); }

bool Tree::IsFavorite(NodeId id) const {
  return Contains(id) && id != Root() && !HasChildren(id) && !IsPlaceholder(id) && !IsSeparator(id);
}

bool Tree::IsInSubtree(NodeId id, NodeId top) const {
  for (NodeId at = id; at != kNoNode; at = At(at).parent)
    if (at == top) return true;
  return false;
}

int Tree::SubtreeHeight(NodeId top) const {
  int base = Depth(top), height = 0;
  for (NodeId id : Subtree(top)) height = std::max(height, Depth(id) - base);
  return height;
}

NodeId Tree::NodeBelow(NodeId id) const {
  for (NodeId at = id; at != Root(); at = At(at).parent) {
    const std::vector<NodeId>& siblings = At(At(at).parent).children;
    auto it = std::find(siblings.begin(), siblings.end(), at);
    if (it + 1 != siblings.end()) return *(it + 1);
  }
  return kNoNode;
}

NodeId Tree::MakeNode(std::wstring text, std::wstring path) {
  Node node;
  node.text = std::move(text);
  node.path = std::move(path);
  nodes_.push_back(std::move(node));
  alive_.push_back(true);
  ++liveNodes_;
  return static_cast<NodeId>(nodes_.size() - 1);
}

void Tree::Attach(NodeId id, NodeId parent, NodeId before) {
  std::vector<NodeId>& children = Writable(parent).children;
  if (before == kNoNode)
    children.push_back(id);
  else
    children.insert(std::find(children.begin(), children.end(), before), id);
  Writable(id).parent = parent;
}

void Tree::Detach(NodeId id) {
  Node& node = Writable(id);
  std::vector<NodeId>& siblings = Writable(node.parent).children;
  siblings.erase(std::find(siblings.begin(), siblings.end(), id));
  node.parent = kNoNode;
}

// Marks the subtree dead; the caller has taken `top` out of its parent's list.
void Tree::Erase(NodeId top) {
  for (NodeId id : Subtree(top)) {
    Writable(id) = Node{};
    alive_[static_cast<size_t>(id)] = false;
    --liveNodes_;
  }
}

NodeId Tree::AddPlaceholder(NodeId parent) {
  NodeId id = MakeNode(kEmptyCaption, L"");
  Attach(id, parent, kNoNode);
  return id;
}

}  // namespace favorites
