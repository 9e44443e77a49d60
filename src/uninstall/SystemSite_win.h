#pragma once
// The uninstaller's place on the machine: its own folder, the system's Windows folder,
// the user's Programs menu and desktop, and message boxes that ask the user.
#include "uninstall/Uninstall.h"

namespace uninstall {

Folders SystemFolders();

class MessageBoxes : public Messages {
 public:
  bool Show(const Message& message) override;
};

}  // namespace uninstall
