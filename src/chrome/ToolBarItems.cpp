#include "chrome/ToolBarItems.h"

#include <iterator>

#include "config/Keys.h"

namespace chrome {
namespace {

constexpr ToolBarItem Button(const wchar_t* label, const wchar_t* hint, int tag) {
  return {ItemKind::Button, label, hint, tag};
}
constexpr ToolBarItem kSeparator{ItemKind::Separator, L"[-- Separator --]", L"", -1};
constexpr ToolBarItem kBoundary{ItemKind::Boundary, L"", L"", -1};

// clang-format off
const ToolBarItem kItems[kMaskLength] = {
  Button(L"New Document", L"New Document", 0),
  Button(L"Open", L"Open", 1),
  Button(L"Reload", L"Reload", 2),
  Button(L"Save", L"Save", 3),
  Button(L"Close Document", L"Close Document", 4),
  Button(L"Close All", L"Close All", 5),
  kSeparator,
  Button(L"Copy", L"Copy", 6),
  Button(L"Move", L"Move", 7),
  Button(L"Delete", L"Delete", 8),
  Button(L"Rename", L"Rename", 9),
  kSeparator,
  Button(L"Properites", L"Properties", 10),
  kSeparator,
  Button(L"Open Folder", L"Open Folder", 11),
  kSeparator,
  Button(L"Print", L"Print", 12),
  Button(L"Printer Setup", L"Printer Setup", 13),
  kSeparator,
  Button(L"Send As Mail", L"Send As Mail", 14),
  kBoundary,  // 20
  Button(L"Cut", L"Cut", 15),
  Button(L"Copy", L"Copy", 16),
  Button(L"Paste", L"Paste", 17),
  kSeparator,
  Button(L"Select All", L"Select All", 18),
  Button(L"Copy All", L"Copy All", 19),
  Button(L"Clear All", L"Clear All", 20),
  kSeparator,
  Button(L"Undo", L"Undo", 21),
  Button(L"Delete (Text)", L"Delete (Text)", 22),
  kSeparator,
  Button(L"Insert Time", L"Insert Time", 23),
  Button(L"Insert Date", L"Insert Date", 24),
  Button(L"Insert Time And Date", L"Insert Time And Date", 25),
  kSeparator,
  Button(L"Insert Symbol", L"Insert Symbol", 26),
  kBoundary,  // 37
  Button(L"Lower Case", L"Lower Case", 27),
  Button(L"Upper Case", L"Upper Case", 28),
  Button(L"Capitalize", L"Capitalize", 29),
  Button(L"Invert Case", L"Invert Case", 30),
  kSeparator,
  Button(L"Trim Left", L"Trim Left", 31),
  Button(L"Trim Right", L"Trim Right", 32),
  Button(L"Trim Spaces", L"Trim Spaces", 33),
  kSeparator,
  Button(L"Sort Lines", L"Sort Lines", 34),
  Button(L"Number Lines", L"Number Lines", 35),
  kBoundary,  // 49
  Button(L"Find", L"Find", 36),
  Button(L"Find Next", L"Find Next", 37),
  kSeparator,
  Button(L"Replace", L"Replace", 38),
  kSeparator,
  Button(L"Go to Line", L"Go to Line", 39),
  kBoundary,  // 56
  Button(L"Background Color", L"Background Color", 40),
  Button(L"Font Settings", L"Font Settings", 41),
  kSeparator,
  Button(L"Word Wrap", L"Word Wrap", 42),
  kSeparator,
  Button(L"Larger Font", L"Larger Font", 43),
  Button(L"Smaller Font", L"Smaller Font", 44),
  kSeparator,
  Button(L"Read Only", L"Read Only", 45),
  kBoundary,  // 66
  Button(L"View in Associated Application", L"View in Associated Application", 46),
  kSeparator,
  Button(L"Add to Favorites", L"Add To Favorites", 47),
  Button(L"Edit Favorites", L"Edit Favorites", 48),
  kSeparator,
  Button(L"Settings", L"Settings", 49),
  kSeparator,
  Button(L"Help", L"Help", 50),
  kSeparator,
  Button(L"Exit", L"Exit", 51),
};
// clang-format on

}  // namespace

const ToolBarItem& ItemAt(int position) { return kItems[position]; }

const std::vector<Category>& Categories() {
  static const std::vector<Category> categories = {
      {L"File", 0, 19},    {L"Edit", 21, 36},     {L"Format", 38, 48},
      {L"Search", 50, 55}, {L"Document", 57, 65}, {L"Miscellaneous", 67, 76},
  };
  return categories;
}

std::wstring NormalizeMask(std::wstring_view mask) {
  std::wstring out(mask.substr(0, kMaskLength));
  out.append(kMaskLength - out.size(), L'0');
  return out;
}

std::vector<PlannedButton> PlanToolBar(std::wstring_view rawMask, bool dropDownMenus) {
  std::wstring mask = NormalizeMask(rawMask);
  std::vector<PlannedButton> row;
  if (mask.find(L'1') == std::wstring::npos) return row;
  // Walking from the last position down and inserting at the front keeps mask order
  // on screen and lets each boundary see whether its following category made items.
  bool madeSinceBoundary = false;
  for (int position = kMaskLength - 1; position >= 0; --position) {
    const ToolBarItem& item = kItems[position];
    if (item.kind == ItemKind::Boundary) {
      if (madeSinceBoundary) row.insert(row.begin(), PlannedButton{-1});
      madeSinceBoundary = false;
      continue;
    }
    if (mask[static_cast<size_t>(position)] != L'1') continue;
    PlannedButton planned{item.tag};
    if (item.kind == ItemKind::Button) {
      planned.dropDown = dropDownMenus && (item.tag == 0 || item.tag == 1);
      planned.toggle = item.tag == 42 || item.tag == 45;
    }
    row.insert(row.begin(), planned);
    madeSinceBoundary = true;
  }
  return row;
}

const wchar_t* HintForTag(int tag) {
  for (const ToolBarItem& item : kItems)
    if (item.kind == ItemKind::Button && item.tag == tag) return item.hint;
  return nullptr;
}

ToolBarMaskEditor::ToolBarMaskEditor(std::wstring_view storedMask, bool wrap, bool dropDownMenus)
    : mask_(NormalizeMask(storedMask)), wrap_(wrap), menusDisabled_(!dropDownMenus) {}

void ToolBarMaskEditor::SelectCategory(int category) {
  if (category >= 0 && category < static_cast<int>(Categories().size())) category_ = category;
}

std::vector<ToolBarMaskEditor::Line> ToolBarMaskEditor::Lines() const {
  const Category& c = Categories()[static_cast<size_t>(category_)];
  std::vector<Line> lines;
  for (int position = c.first; position <= c.last; ++position)
    lines.push_back({kItems[position].label, mask_[static_cast<size_t>(position)] == L'1'});
  return lines;
}

void ToolBarMaskEditor::Tick(int line, bool ticked) {
  const Category& c = Categories()[static_cast<size_t>(category_)];
  int position = c.first + line;
  if (line < 0 || position > c.last) return;
  mask_[static_cast<size_t>(position)] = ticked ? L'1' : L'0';
  changed_ = true;
}

void ToolBarMaskEditor::SetAll(bool ticked) {
  const Category& c = Categories()[static_cast<size_t>(category_)];
  for (int position = c.first; position <= c.last; ++position) mask_[static_cast<size_t>(position)] = ticked ? L'1' : L'0';
  changed_ = true;
}

void ToolBarMaskEditor::SetWrap(bool wrap) {
  if (wrap == wrap_) return;
  wrap_ = wrap;
  changed_ = true;
}

void ToolBarMaskEditor::SetDropDownMenusDisabled(bool disabled) {
  if (disabled == menusDisabled_) return;
  menusDisabled_ = disabled;
  changed_ = true;
}

void ToolBarMaskEditor::RestoreDefault() {
  mask_ = kDefaultMask;
  wrap_ = true;
  menusDisabled_ = false;
  changed_ = true;
}

}  // namespace chrome

namespace chrome {

bool StoreToolBarSettings(config::Profile& profile, const ToolBarMaskEditor& editor) {
  namespace keys = config::keys;
  profile.Write(keys::ToolBar, editor.mask());
  profile.Write(keys::ToolBarWrap, editor.wrap());
  profile.Write(keys::ToolBarMenus, !editor.dropDownMenusDisabled());
  if (editor.dropDownMenusDisabled()) profile.EraseSection(keys::kDirHistory);
  return editor.changed();
}

}  // namespace chrome
