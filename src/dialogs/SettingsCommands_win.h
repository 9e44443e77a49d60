#pragma once
// Edit > Settings: runs the Settings dialog and lets the main window catch up after OK.
#include "command/Command.h"
#include "dialogs/Settings.h"
#include "workspace/Frame.h"

namespace dialogs {

class SettingsCommands {
 public:
  using Sender = command::Sender;
  SettingsCommands(workspace::Frame& frame, SettingsHost& host, command::Registry& commands);

  void EditMenuSettingsClick(const Sender&);

 private:
  workspace::Frame& frame_;
  SettingsHost& host_;
};

}  // namespace dialogs
