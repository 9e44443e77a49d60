#pragma once
// The Help menu: the help file (also behind every dialog's Help button), the history
// file, the home page and the About box.
#include <functional>
#include <string>

#include "command/Command.h"
#include "workspace/DocumentHost.h"
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
  void HelpMenuContentsClick(const Sender&);
  void HelpMenuWhatsNewClick(const Sender&);
  void HelpMenuHomepageClick(const Sender&);

  // The documents, and how the Help menu opens one: true unless the limit of open
  // documents stopped it (the limit is reported again if it is met).
  workspace::DocumentHost* documents = nullptr;
  std::function<bool(const std::wstring& name)> openDocument;

 private:
  bool HelpFileFound();

  workspace::Frame& frame_;
  std::function<void(const wchar_t*)> openAddress_;
};

}  // namespace dialogs
