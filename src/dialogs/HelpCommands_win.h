#pragma once
// The Help menu's About box and the help file behind every dialog's Help button.
#include <functional>
#include <string>

#include "command/Command.h"
#include "workspace/Frame.h"

namespace dialogs {

class HelpCommands {
 public:
  using Sender = command::Sender;
  // `openAddress` opens a web or mail address with the shell.
  HelpCommands(workspace::Frame& frame, command::Registry& commands,
               std::function<void(const wchar_t* address)> openAddress);

  // Shows a topic of the help file, or says that the file is missing.
  void ShowHelpTopic(int topic);
  void HelpMenuAboutClick(const Sender&);

 private:
  workspace::Frame& frame_;
  std::function<void(const wchar_t*)> openAddress_;
};

}  // namespace dialogs
