// The editor's commands on the favorites tree: New, Delete, rename, properties,
// shell drops, drag and drop, Verify Files, and the states they show.
#include <algorithm>
#include <utility>

#include "favorites/FavoritesTree.h"

namespace favorites {

namespace {
Edit Refused(Refusal refusal) {
  Edit edit;
  edit.refusal = refusal;
  return edit;
}
}  // namespace

Tree::Place Tree::NewItemPlace(NodeId selected) const {
  if (selected != Root() && IsPlaceholder(selected)) return {At(selected).parent, kNoNode, selected};
  if (selected == Root() || (At(selected).expanded && HasChildren(selected))) {
    NodeId first = At(selected).children.front();
    return {selected, kNoNode, IsPlaceholder(first) ? first : kNoNode};
  }
  return {At(selected).parent, kNoNode, kNoNode};
}

Edit Tree::PlaceNewItem(NodeId selected, std::wstring text, std::wstring path, bool folder) {
  if (!Contains(selected)) return Refused(Refusal::NotAllowed);
  Place place = NewItemPlace(selected);
  // From depth 99 a new folder, beside the selection or in it, would put its
  // placeholder at level 100 or deeper, which no reader shows.
  if (folder && Depth(selected) >= kMaxDepth - 1) return Refused(Refusal::LevelLimit);
  int added = (place.placeholder == kNoNode ? 1 : 0) + (folder ? 1 : 0);
  if (RecordCount() + added > kMaxRecords) return Refused(Refusal::StoreFull);

  Edit edit;
  if (place.placeholder != kNoNode) {
    edit.node = place.placeholder;
    Node& node = Writable(edit.node);
    node.text = std::move(text);
    node.path = std::move(path);
    edit.changed.push_back(edit.node);
  } else {
    edit.node = MakeNode(std::move(text), std::move(path));
    Attach(edit.node, place.parent, kNoNode);
    edit.inserted.push_back(edit.node);
  }
  if (folder) {
    NodeId placeholder = AddPlaceholder(edit.node);
    Writable(edit.node).expanded = true;
    if (place.placeholder != kNoNode) edit.inserted.push_back(placeholder);
  }
  Writable(place.parent).expanded = true;
  edit.changed.push_back(place.parent);
  return edit;
}

Edit Tree::NewFavorite(NodeId selected, std::wstring_view path) {
  if (!PathFits(path, codePage_)) return Refused(Refusal::PathTooLong);
  return PlaceNewItem(selected, CaptionFromFileName(path), std::wstring(path), false);
}

Edit Tree::NewSeparator(NodeId selected) { return PlaceNewItem(selected, kSeparatorCaption, L"", false); }

Edit Tree::NewFolder(NodeId selected) { return PlaceNewItem(selected, kNewFolderText, L"", true); }

Edit Tree::Delete(NodeId id) {
  if (!Contains(id) || id == Root() || IsPlaceholder(id)) return Refused(Refusal::NotAllowed);
  NodeId parent = At(id).parent;
  Detach(id);
  Erase(id);
  Edit edit;
  edit.removed.push_back(id);
  if (!HasChildren(parent)) {
    edit.inserted.push_back(AddPlaceholder(parent));
    Writable(parent).expanded = true;
    edit.changed.push_back(parent);
  }
  return edit;
}

bool Tree::CanRename(NodeId id) const { return Contains(id) && !IsPlaceholder(id) && !IsSeparator(id); }

Refusal Tree::CheckText(NodeId id, std::wstring_view text, std::wstring& accepted) const {
  // These texts would turn the node into a placeholder or a separator when the
  // store is read again; an empty title would leave the menu bar item blank.
  if (text.empty() || text == kEmptyCaption || text == kSeparatorCaption || text == L"-") return Refusal::NotAllowed;
  accepted = CutText(text, id == Root() ? kMaxTitleLength : kMaxCaptionLength);
  return Refusal::None;
}

Edit Tree::Rename(NodeId id, std::wstring_view text) {
  if (!CanRename(id)) return Refused(Refusal::NotAllowed);
  std::wstring accepted;
  if (Refusal refusal = CheckText(id, text, accepted); refusal != Refusal::None) return Refused(refusal);
  Writable(id).text = std::move(accepted);
  Edit edit;
  edit.node = id;
  edit.changed.push_back(id);
  return edit;
}

Edit Tree::SetProperties(NodeId id, std::wstring_view caption, std::wstring_view path) {
  if (!IsFavorite(id)) return Refused(Refusal::NotAllowed);
  if (!PathFits(path, codePage_)) return Refused(Refusal::PathTooLong);
  Node& node = Writable(id);
  std::wstring accepted;
  if (CheckText(id, caption, accepted) == Refusal::None) node.text = std::move(accepted);
  node.path = std::wstring(path);
  Edit edit;
  edit.node = id;
  edit.changed.push_back(id);
  return edit;
}

Tree::DropResult Tree::AddDroppedFiles(const std::vector<std::wstring>& paths) {
  DropResult result;
  NodeId placeholder = At(Root()).children.front();
  if (!IsPlaceholder(placeholder)) placeholder = kNoNode;
  int room = kMaxRecords - RecordCount() + (placeholder != kNoNode ? 1 : 0);
  int limit = std::min(kMaxDroppedFiles, room);
  for (const std::wstring& path : paths) {
    if (result.added >= limit) break;
    if (!PathFits(path, codePage_)) {
      if (result.tooLong++ == 0) result.firstTooLong = path;
      continue;
    }
    NodeId id = MakeNode(CaptionFromFileName(path), path);
    Attach(id, Root(), kNoNode);
    result.edit.inserted.push_back(id);
    ++result.added;
  }
  if (result.added > 0 && placeholder != kNoNode) {
    Detach(placeholder);
    Erase(placeholder);
    result.edit.removed.push_back(placeholder);
  }
  if (result.added == 0 && !paths.empty())
    result.edit.refusal = limit <= 0 ? Refusal::StoreFull : Refusal::PathTooLong;
  return result;
}

bool Tree::FindDropPlace(NodeId target, DropZone zone, Place& place) const {
  const Node& node = At(target);
  bool onlyPlaceholder = node.children.size() == 1 && IsPlaceholder(node.children.front());
  switch (zone) {
    case DropZone::Top:
      if (target == Root()) return false;
      place = {node.parent, target, kNoNode};
      return true;
    case DropZone::Bottom:
      if (node.expanded && HasChildren(target)) {
        place = onlyPlaceholder ? Place{target, kNoNode, node.children.front()}
                                : Place{target, node.children.front(), kNoNode};
        return true;
      }
      if (NodeId below = NodeBelow(target); below != kNoNode) {
        place = {At(below).parent, below, kNoNode};
        return true;
      }
      // The last row of the tree: the node follows it as its parent's last child.
      if (target == Root()) return false;
      place = {node.parent, kNoNode, kNoNode};
      return true;
    case DropZone::Middle:
      if (HasChildren(target)) {
        place = {target, kNoNode, onlyPlaceholder ? node.children.front() : kNoNode};
        return true;
      }
      place = {node.parent, target, kNoNode};
      return true;
  }
  return false;
}

Refusal Tree::DropRefusal(NodeId drag, NodeId target, DropZone zone) const {
  if (!Contains(drag) || !Contains(target) || drag == Root() || IsPlaceholder(drag) || IsPlaceholder(target))
    return Refusal::NotAllowed;
  if (drag == target) return Refusal::None;
  if (IsInSubtree(target, drag)) return Refusal::NotAllowed;
  Place place;
  if (!FindDropPlace(target, zone, place)) return Refusal::NotAllowed;
  if (Depth(place.parent) + 1 + SubtreeHeight(drag) > kMaxDepth) return Refusal::LevelLimit;
  NodeId oldParent = At(drag).parent;
  bool leavesEmpty = At(oldParent).children.size() == 1 && place.parent != oldParent;
  int added = (leavesEmpty ? 1 : 0) - (place.placeholder != kNoNode ? 1 : 0);
  if (RecordCount() + added > kMaxRecords) return Refusal::StoreFull;
  return Refusal::None;
}

bool Tree::CanDrop(NodeId drag, NodeId target, DropZone zone) const {
  return DropRefusal(drag, target, zone) == Refusal::None;
}

Edit Tree::Drop(NodeId drag, NodeId target, DropZone zone) {
  if (Refusal refusal = DropRefusal(drag, target, zone); refusal != Refusal::None) return Refused(refusal);
  Edit edit;
  edit.node = drag;
  Place place;
  if (drag == target || !FindDropPlace(target, zone, place) || place.before == drag) return edit;

  NodeId oldParent = At(drag).parent;
  if (place.placeholder != kNoNode) {
    Detach(place.placeholder);
    Erase(place.placeholder);
    edit.removed.push_back(place.placeholder);
  }
  Detach(drag);
  Attach(drag, place.parent, place.before);
  edit.removed.push_back(drag);
  edit.inserted.push_back(drag);
  Writable(place.parent).expanded = true;
  edit.changed.push_back(place.parent);
  if (!HasChildren(oldParent)) {
    edit.inserted.push_back(AddPlaceholder(oldParent));
    Writable(oldParent).expanded = true;
    edit.changed.push_back(oldParent);
  }
  return edit;
}

std::vector<NodeId> Tree::VerifyFiles(const std::function<bool(const std::wstring&)>& fileExists) {
  std::vector<NodeId> missing;
  for (NodeId id : InOrder()) {
    if (!IsFavorite(id) || fileExists(At(id).path)) continue;
    Writable(id).missing = true;
    missing.push_back(id);
  }
  return missing;
}

std::vector<std::wstring> Tree::FilesToOpen(NodeId id,
                                            const std::function<bool(const std::wstring&)>& fileExists) const {
  std::vector<std::wstring> files;
  if (!Contains(id)) return files;
  for (NodeId at : Subtree(id))
    if (Image(at) == NodeImage::Favorite && fileExists(At(at).path)) files.push_back(At(at).path);
  return files;
}

bool Tree::OpensOnDoubleClick(NodeId id) const { return IsFavorite(id); }

CommandStates Tree::Commands(NodeId selected) const {
  CommandStates states;
  if (!Contains(selected)) return states;
  states.deleteEnabled = selected != Root() && !IsPlaceholder(selected);
  states.propertiesEnabled =
      states.deleteEnabled && !IsSeparator(selected) && Image(selected) != NodeImage::Folder;
  if (HasChildren(selected)) {
    states.openCaption = L"&Open All";
    states.openHint = L"Open all Favorites in the selected Folder.";
    std::vector<NodeId> subtree = Subtree(selected);
    states.openEnabled = std::any_of(subtree.begin(), subtree.end(),
                                     [&](NodeId id) { return Image(id) == NodeImage::Favorite; });
  } else {
    states.openCaption = L"&Open";
    states.openHint = L"Open the selected Favorite.";
    states.openEnabled = Image(selected) == NodeImage::Favorite;
  }
  return states;
}

std::wstring Tree::PathPanelText(NodeId id) const { return IsFavorite(id) ? At(id).path : L""; }

StatusCounts Tree::Counts() const {
  StatusCounts counts;
  for (NodeId id : InOrder()) {
    if (IsSeparator(id))
      ++counts.separators;
    else if (HasChildren(id))
      ++counts.folders;
    else if (!IsPlaceholder(id))
      ++counts.files;
  }
  --counts.folders;
  return counts;
}

}  // namespace favorites
