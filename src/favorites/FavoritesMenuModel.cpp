#include "favorites/FavoritesMenuModel.h"

#include <utility>

#include "win/Text.h"

namespace favorites {

namespace {

bool IsOtherMenusKey(wchar_t c) {
  wchar_t upper = win::FoldCase(c);
  return upper == L'F' || upper == L'E' || upper == L'S' || upper == L'V' || upper == L'O' || upper == L'D' ||
         upper == L'H';
}

bool CanBeAccessKey(wchar_t c) { return c != L'&' && static_cast<unsigned>(c) > 32 && !IsOtherMenusKey(c); }

// Leading, trailing and repeated separators are left out.
void AppendEntry(std::vector<MenuEntry>& entries, MenuEntry entry) {
  bool separator = entry.kind == MenuEntryKind::Separator;
  if (separator && (entries.empty() || entries.back().kind == MenuEntryKind::Separator)) return;
  entries.push_back(std::move(entry));
}

std::vector<MenuEntry> EntriesOf(const Tree& tree, NodeId parent) {
  std::vector<MenuEntry> entries;
  for (NodeId id : tree.At(parent).children) {
    const Node& node = tree.At(id);
    MenuEntry entry;
    if (tree.IsSeparator(id)) {
      entry.kind = MenuEntryKind::Separator;
      entry.caption = L"-";
    } else if (tree.IsPlaceholder(id)) {
      entry.kind = MenuEntryKind::Placeholder;
      entry.caption = kEmptyCaption;
      entry.enabled = false;
    } else {
      entry.caption = win::EscapeAmpersands(node.text);
      entry.hint = node.path;
      if (tree.HasChildren(id)) {
        entry.kind = MenuEntryKind::Folder;
        entry.image = kMenuFolderImage;
        entry.children = EntriesOf(tree, id);
      } else {
        entry.image = kMenuDocumentImage;
      }
    }
    AppendEntry(entries, std::move(entry));
  }
  if (!entries.empty() && entries.back().kind == MenuEntryKind::Separator) entries.pop_back();
  return entries;
}

}  // namespace

std::wstring MenuAccessCaption(std::wstring_view title) {
  for (size_t i = 0; i + 1 < title.size(); ++i)
    if (CanBeAccessKey(title[i]))
      return win::EscapeAmpersands(title.substr(0, i)) + L"&" + win::EscapeAmpersands(title.substr(i));
  return win::EscapeAmpersands(title);
}

FavoritesMenu BuildMenuModel(const Tree& tree) {
  FavoritesMenu menu;
  std::wstring title = tree.Title();
  std::wstring shown = win::EscapeAmpersands(title);
  menu.menuCaption = MenuAccessCaption(title);
  menu.addCaption = L"&Add to " + shown;
  menu.addHint = L"Add the document to the " + title + L".";
  menu.editCaption = L"&Edit " + shown + L"...";
  menu.editHint = L"Edit the list of " + title + L".";
  menu.sideBarCaption = shown;
  menu.sideBarHint = L"View " + title + L" in the Side Bar.";
  menu.entries = EntriesOf(tree, tree.Root());
  menu.separatorShown = !menu.entries.empty();
  return menu;
}

}  // namespace favorites
