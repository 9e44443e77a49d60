#pragma once
// The command registry: every menu item, accelerator, tool button and status-bar hint
// of the main window is one row, registered by the subsystem that runs it together
// with the rules for its enabled and checked states.
#include <cstdint>
#include <functional>
#include <string>
#include <vector>

#include "command/CommandIds.h"

namespace command {

// Who ran a command: handlers that serve several items tell them apart by this.
struct Sender {
  enum class Kind { Menu, Accelerator, ToolButton, Code };
  unsigned command = kNoCommand;
  Kind kind = Kind::Code;
  int tag = -1;  // the tool button's tag, or the dynamic item's tag
};

// Modifier bits as the accelerator table spells them (FSHIFT, FCONTROL, FALT).
inline constexpr std::uint8_t kShift = 0x04;
inline constexpr std::uint8_t kCtrl = 0x08;
inline constexpr std::uint8_t kAlt = 0x10;
inline constexpr std::uint8_t kKeyF1 = 0x70;  // VK_F1; F2.. follow

struct Shortcut {
  std::uint8_t virtualKey = 0;
  std::uint8_t modifiers = 0;
};
constexpr Shortcut Ctrl(char key) { return {static_cast<std::uint8_t>(key), kCtrl}; }
constexpr Shortcut Key(std::uint8_t key) { return {key, 0}; }
constexpr Shortcut ShiftKey(std::uint8_t key) { return {key, kShift}; }
constexpr std::uint8_t FunctionKey(int n) { return static_cast<std::uint8_t>(kKeyF1 + n - 1); }

using Action = std::function<void(const Sender&)>;
using Rule = std::function<bool()>;

// A handler of the subsystem `self` as a row's action.
template <typename Owner>
Action Bind(Owner* self, void (Owner::*handler)(const Sender&)) {
  return [self, handler](const Sender& sender) { (self->*handler)(sender); };
}

struct Row {
  unsigned id = kNoCommand;
  const wchar_t* name = L"";     // the component name the handlers refer to
  const wchar_t* caption = L"";
  Shortcut shortcut;
  const wchar_t* hint = L"";
  int toolbarTag = -1;           // -1: no tool button
  Action run;                    // empty: not available yet, shown disabled
  Rule enabled;                  // empty: enabled whenever available
  Rule checked;                  // empty: never checked
  // The tool button's own rule where it is stricter than the menu item's (Save is
  // always on the menu, its button only while there is something to save).
  Rule buttonEnabled;
  // The hint as things stand, where it can change; nullptr there means `hint`.
  std::function<const wchar_t*()> currentHint;
  // The shortcut is the system's own (Alt+F4 closes the window): shown, no accelerator.
  bool systemShortcut = false;
};

class Registry {
 public:
  // A second row with an id already registered is a programming error.
  void Add(Row row);
  void Add(std::vector<Row> rows);

  const Row* Find(unsigned id) const;
  const Row* FindByTag(int tag) const;
  const std::vector<Row>& Rows() const { return rows_; }

  bool Available(unsigned id) const;
  bool Enabled(unsigned id) const;
  bool ButtonEnabled(unsigned id) const;
  bool Checked(unsigned id) const;
  // The status-bar hint of a row as things stand; empty for an unknown id.
  std::wstring Hint(unsigned id) const;
  void SetHint(unsigned id, std::function<const wchar_t*()> currentHint);

  // What breaks the table's promises, one line each: ids or shortcuts used twice,
  // a tool-bar tag in `toolTags` that no row (or more than one) carries, a row with
  // rules but nothing to run. Empty when all is well.
  std::vector<std::wstring> Problems(const std::vector<int>& toolTags) const;

 private:
  std::vector<Row> rows_;
};

// "Ctrl+S", "Shift+F2", "F5"; empty without a shortcut.
std::wstring ShortcutText(const Shortcut& shortcut);

}  // namespace command
