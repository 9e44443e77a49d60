#pragma once
// Helpers of the favorites tests: a code page, the tree in one line, the tree's
// promises, and a stand-in for the tree control that follows edits by their lists.
#include <gtest/gtest.h>

#include <algorithm>
#include <map>
#include <string>
#include <vector>

#include "favorites/FavoritesTree.h"

namespace testing_support {

// Latin-1 text one byte per character; any other character takes `otherBytes`
// bytes, as in a double-byte code page.
inline favorites::CodePage TestCodePage(size_t otherBytes = 1) {
  favorites::CodePage codePage;
  codePage.decode = [](std::string_view bytes) {
    std::wstring text;
    for (char c : bytes) text += static_cast<wchar_t>(static_cast<unsigned char>(c));
    return text;
  };
  codePage.encode = [otherBytes](std::wstring_view text) {
    std::string bytes;
    for (wchar_t c : text) bytes.append(c <= 0xFF ? 1 : otherBytes, c <= 0xFF ? static_cast<char>(c) : '\x81');
    return bytes;
  };
  return codePage;
}

// "Title{a F{b -} [Empty]}", with "-" for a separator.
inline std::wstring Outline(const favorites::Tree& tree, favorites::NodeId id = 0) {
  std::wstring text = tree.IsSeparator(id) ? L"-" : tree.At(id).text;
  for (favorites::NodeId child : tree.At(id).children)
    text += (child == tree.At(id).children.front() ? L"{" : L" ") + Outline(tree, child);
  return tree.HasChildren(id) ? text + L"}" : text;
}

inline void ExpectWellFormed(const favorites::Tree& tree) {
  using namespace favorites;
  std::vector<NodeId> order = tree.InOrder();
  EXPECT_EQ(tree.RecordCount() + 1, static_cast<int>(order.size()));
  EXPECT_LE(tree.RecordCount(), kMaxRecords);
  EXPECT_TRUE(tree.HasChildren(tree.Root()));
  for (NodeId id : order) {
    EXPECT_LE(tree.Depth(id), kMaxDepth);
    for (NodeId child : tree.At(id).children) EXPECT_EQ(tree.At(child).parent, id);
    bool leaf = tree.IsSeparator(id) || tree.IsPlaceholder(id);
    EXPECT_FALSE(leaf && tree.HasChildren(id));
    EXPECT_FALSE(tree.IsPlaceholder(id) && tree.At(tree.At(id).parent).children.size() != 1) << "a lone placeholder";
  }
}

// Items by id with their children, changed only as the window will change its tree
// control: by an edit's lists, asking the tree for each inserted node's place.
class ControlMirror {
 public:
  explicit ControlMirror(const favorites::Tree& tree) : tree_(tree) { Insert(tree.Root()); }

  void Apply(const favorites::Edit& edit) {
    for (favorites::NodeId id : edit.removed) {
      ASSERT_TRUE(children_.count(id)) << "removed " << id << " is no item";
      Remove(id);
    }
    for (favorites::NodeId id : edit.inserted) {
      ASSERT_FALSE(children_.count(id)) << "inserted " << id << " is an item already";
      Insert(id);
    }
    for (favorites::NodeId id : edit.changed) ASSERT_TRUE(children_.count(id)) << "changed " << id << " is no item";
  }

  // The items' structure with the tree's texts.
  std::wstring Outline(favorites::NodeId id = 0) const {
    std::wstring text = tree_.IsSeparator(id) ? L"-" : tree_.At(id).text;
    const auto& children = children_.at(id);
    for (favorites::NodeId child : children) text += (child == children.front() ? L"{" : L" ") + Outline(child);
    return children.empty() ? text : text + L"}";
  }

 private:
  void Insert(favorites::NodeId id) {
    children_[id] = {};
    if (id != tree_.Root()) {
      auto& siblings = children_.at(tree_.At(id).parent);
      favorites::NodeId previous = tree_.PreviousSibling(id);
      auto at = siblings.begin();
      if (previous != favorites::kNoNode) {
        at = std::find(siblings.begin(), siblings.end(), previous);
        ASSERT_NE(at, siblings.end()) << "the item before " << id << " is missing";
        ++at;
      }
      siblings.insert(at, id);
    }
    for (favorites::NodeId child : tree_.At(id).children) Insert(child);
  }
  void Remove(favorites::NodeId id) {
    for (favorites::NodeId child : std::vector<favorites::NodeId>(children_[id])) Remove(child);
    children_.erase(id);
    for (auto& item : children_) {
      auto& children = item.second;
      children.erase(std::remove(children.begin(), children.end(), id), children.end());
    }
  }

  const favorites::Tree& tree_;
  std::map<favorites::NodeId, std::vector<favorites::NodeId>> children_;
};

}  // namespace testing_support
