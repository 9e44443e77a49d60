#pragma once
// The pictures beside menu items: a command's tool-bar picture, or one of the menu
// strip's own (folders, documents). The window draws them itself (HBMMENU_CALLBACK).
#include <windows.h>
#include <commctrl.h>

#include "chrome/ToolBar_win.h"
#include "command/Command.h"
#include "win/Handles.h"

namespace chrome {

class MenuPictures {
 public:
  MenuPictures(const command::Registry& commands, const ToolBar& toolBar) : commands_(commands), toolBar_(toolBar) {}
  // Off (the MenuImages setting), no item gets a picture.
  void SetShown(bool shown) { shown_ = shown; }
  // An item of the menu strip beside the item `id` of `menu`.
  void SetPicture(HMENU menu, unsigned id, int picture);
  // Every item of the menu and its submenus whose command has a tool button; while
  // pictures are off, every item of them loses its picture instead.
  void SetCommandPictures(HMENU menu);
  // WM_MEASUREITEM and WM_DRAWITEM: false when the item is not one of ours.
  bool Measure(MEASUREITEMSTRUCT& item) const;
  bool Draw(const DRAWITEMSTRUCT& item);

 private:
  const command::Registry& commands_;
  const ToolBar& toolBar_;
  bool shown_ = true;
  win::UniqueImageList menuStrip_;
};

}  // namespace chrome
