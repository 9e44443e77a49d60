#pragma once
// Facts about the running system.

namespace win {

// True when the version query succeeds and the system belongs to the NT family
// (major version 5 or higher, or the NT platform identifier).
bool IsNtPlatform();

// Pixels per logical inch of the screen, vertically (96 when it cannot be read).
int ScreenDpi();

}  // namespace win
