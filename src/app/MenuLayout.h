#pragma once
// Where the commands show: the menu bar, its menus and the pop-up menus.
#include <cstddef>

#include "command/CommandIds.h"

namespace app {

// Layout of a menu: a line of depth d + 1 after a line of depth d is an item of its
// submenu; id 0 is a separator.
struct MenuLine {
  int depth;
  unsigned id;
};

struct MenuLayout {
  const MenuLine* lines;
  size_t count;
};

MenuLayout MainMenuLayout();
MenuLayout PopupLayout(command::TopMenu menu);  // kTabMenu, kEditorPopup, kTrayMenu
const wchar_t* TopMenuCaption(command::TopMenu menu);
// The help topic of a menu and its submenus: F1 on a highlighted item shows it.
int MenuHelpTopic(command::TopMenu menu);

}  // namespace app
