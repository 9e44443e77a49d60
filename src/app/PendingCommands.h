#pragma once
#include "command/Command.h"

namespace app {

// The rows of the commands that no subsystem runs yet.
void RegisterPendingCommands(command::Registry& commands);

}  // namespace app
