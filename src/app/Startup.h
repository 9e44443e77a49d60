#pragma once
#include <windows.h>

namespace app {

// The whole life of the editor process; returns the exit code (always 0).
int RunTarnwick(HINSTANCE instance, int showCommand);

}  // namespace app
