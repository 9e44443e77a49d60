#pragma once
// The 77 positions of the tool-bar mask, the six categories of the Settings page, and
// the rule that turns a mask into the row of buttons. No windows.h here.
#include <string>
#include <string_view>
#include <vector>

namespace config {
class Profile;
}

namespace chrome {

inline constexpr int kMaskLength = 77;
inline constexpr wchar_t kDefaultMask[] =
    L"11011000000000011000111100001110000000000000000000100000111110000011000000011";

enum class ItemKind { Button, Separator, Boundary };

struct ToolBarItem {
  ItemKind kind;
  const wchar_t* label;  // the Settings line
  const wchar_t* hint;   // the button's tool tip
  int tag;               // image index and tag; -1 for separators and boundaries
};

const ToolBarItem& ItemAt(int position);

struct Category {
  const wchar_t* name;
  int first, last;  // mask positions
};
const std::vector<Category>& Categories();

// A mask read from the configuration file: cut to 77 characters, padded with "0".
std::wstring NormalizeMask(std::wstring_view mask);

struct PlannedButton {
  int tag;              // -1: a separator
  bool dropDown = false;  // New Document and Open, while drop-down menus are on
  bool toggle = false;    // Word Wrap and Read Only
};

// The tool bar's items left to right. An all-zero mask gives no items at all; a
// separator stands at each category boundary whose following category shows
// something.
std::vector<PlannedButton> PlanToolBar(std::wstring_view mask, bool dropDownMenus);

// The hint of the button with this tag, or nullptr.
const wchar_t* HintForTag(int tag);

// The "Tool Bar" page of the Settings dialog works on a copy of the mask.
class ToolBarMaskEditor {
 public:
  ToolBarMaskEditor(std::wstring_view storedMask, bool wrap, bool dropDownMenus);

  const std::wstring& mask() const { return mask_; }
  bool changed() const { return changed_; }
  bool wrap() const { return wrap_; }
  bool dropDownMenusDisabled() const { return menusDisabled_; }

  // The lines of a category: its labels in table order with their ticks.
  struct Line {
    std::wstring label;
    bool ticked;
  };
  void SelectCategory(int category);
  int category() const { return category_; }
  std::vector<Line> Lines() const;

  void Tick(int line, bool ticked);
  void SelectAll() { SetAll(true); }
  void ClearAll() { SetAll(false); }
  // Wrapping shown from the live tool bar does not count as a change when it is set.
  void SetWrap(bool wrap);
  void SetDropDownMenusDisabled(bool disabled);
  // After the user confirmed the question "Restore ALL Tool Bar Settings ...".
  void RestoreDefault();

 private:
  void SetAll(bool ticked);
  std::wstring mask_;
  int category_ = 0;
  bool wrap_, menusDisabled_;
  bool changed_ = false;
};

// What the Settings dialog's OK stores from the page: the mask, the wrapping and the
// drop-down switch (the folder history goes when drop-down menus are disabled).
// Returns whether the tool bar is to be rebuilt.
bool StoreToolBarSettings(config::Profile& profile, const ToolBarMaskEditor& editor);

}  // namespace chrome
