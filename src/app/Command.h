#pragma once
// The one command table: every menu item, accelerator, tool button and status-bar
// hint of the main window is described here once.
#include <windows.h>

#include <string>

#include "app/CommandIds.h"

namespace app {

class TMainForm;

// Who ran a command: handlers that serve several items tell them apart by this.
struct Sender {
  enum class Kind { Menu, Accelerator, ToolButton, Code };
  unsigned command = kNoCommand;
  Kind kind = Kind::Code;
  int tag = -1;  // the tool button's tag, or the dynamic item's tag
};

using Handler = void (TMainForm::*)(const Sender&);

struct Shortcut {
  BYTE virtualKey = 0;
  BYTE modifiers = 0;  // FCONTROL, FSHIFT, FALT
};

struct Command {
  unsigned id;
  const wchar_t* name;     // the component name the handlers refer to
  const wchar_t* caption;
  Shortcut shortcut;
  const wchar_t* hint;
  int toolbarTag;          // -1: no tool button
  Handler handler;         // nullptr: the command is not available yet
};

// The entry of a command, or nullptr.
const Command* FindCommand(unsigned id);
// The command run by the tool button with this tag, or nullptr.
const Command* FindCommandByTag(int tag);
// Every command, for building and for tests.
const Command* CommandsBegin();
const Command* CommandsEnd();

// "Ctrl+S", "Shift+F2", "F5"; empty without a shortcut.
std::wstring ShortcutText(const Shortcut& shortcut);

// Layout of a menu: a line of depth d + 1 after a line of depth d is an item of its
// submenu; id 0 is a separator.
struct MenuLine {
  int depth;
  unsigned id;
};

enum TopMenu : unsigned {
  kFileMenu = 1,
  kEditMenu,
  kSearchMenu,
  kFormatMenu,
  kDocumentMenu,
  kFavoritesMenu,
  kViewMenu,
  kHelpMenu,
  kTabMenu,
  kEditorPopup,
  kTrayMenu,
};

struct MenuLayout {
  const MenuLine* lines;
  size_t count;
};

MenuLayout MainMenuLayout();
MenuLayout PopupLayout(TopMenu menu);  // kTabMenu, kEditorPopup, kTrayMenu
const wchar_t* TopMenuCaption(TopMenu menu);

}  // namespace app
