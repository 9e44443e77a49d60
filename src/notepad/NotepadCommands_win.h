#pragma once
// Help > Notepad Center: replacing or restoring the system's notepad.
#include "command/Command.h"
#include "workspace/DocumentHost.h"
#include "workspace/Frame.h"

namespace notepad {

class NotepadCommands {
 public:
  using Sender = command::Sender;
  NotepadCommands(workspace::Frame& frame, workspace::DocumentHost& documents, command::Registry& commands);
  void HelpMenuNotepadCenterClick(const Sender&);

 private:
  workspace::Frame& frame_;
  workspace::DocumentHost& documents_;
};

}  // namespace notepad
