#pragma once
// Facts about the running system.

namespace win {

// True when the version query succeeds and the system belongs to the NT family
// (major version 5 or higher, or the NT platform identifier).
bool IsNtPlatform();

}  // namespace win
