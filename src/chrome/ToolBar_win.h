#pragma once
// The main tool bar: its buttons come from the ToolBar mask, each runs a registered
// command, and their states are the commands' states.
#include <windows.h>
#include <commctrl.h>

#include <functional>
#include <string>
#include <vector>

#include "command/Command.h"
#include "config/Profile.h"
#include "win/Handles.h"

namespace chrome {

class ToolBar {
 public:
  ToolBar(config::Profile& profile, const command::Registry& commands) : profile_(profile), commands_(commands) {}
  ToolBar(const ToolBar&) = delete;
  ToolBar& operator=(const ToolBar&) = delete;

  void Create(HWND parent);
  HWND hwnd() const { return toolBar_; }
  // The pictures of the buttons; menus show them beside their commands.
  HIMAGELIST Images() const { return images_.get(); }
  // Builds the buttons again from the mask; Refresh gives them their states.
  void Build();
  // Every button's enabled and pressed state from its command's rules.
  void Refresh();

  // A drop-down arrow was clicked: the button's command and where its menu goes.
  std::function<void(unsigned command, POINT screenPoint)> onDropDown;
  // The pointer moved over a button (empty: left the bar); for the status-bar hints.
  std::function<void(const std::wstring& hint)> onHint;
  bool showTips = true;
  LRESULT OnNotify(NMHDR& header);
  // The tool tip of one of the bar's buttons.
  LRESULT OnToolTip(NMHDR& header);

  bool IsEnabled(int tag) const;
  bool IsPressed(int tag) const;
  std::vector<int> Tags() const;  // left to right; -1 for separators

 private:
  int ButtonCommand(int tag) const;

  config::Profile& profile_;
  const command::Registry& commands_;
  HWND toolBar_ = nullptr;
  win::UniqueImageList images_;
};

}  // namespace chrome
