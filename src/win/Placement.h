#pragma once
// Where a window stored in the configuration file is put back: as stored while some of
// it lies on a monitor, otherwise inside the nearest monitor's work area. No windows.h.
#include <vector>

#include "win/DockLayout.h"

namespace win {

struct Monitor {
  DockRect bounds;  // the whole monitor
  DockRect work;    // without the task bar
};

struct StoredPlacement {
  // As read from the file: any integer at all, garbage included.
  long long left = 0, top = 0, width = 0, height = 0;
};

inline constexpr int kMinWindowWidth = 200;
inline constexpr int kMinWindowHeight = 150;

// The rectangle to create the window with. The size is brought within the minimum and
// the work area of the monitor the window ends up on; the position is kept while the
// window overlaps any monitor, else it is moved into the nearest monitor's work area.
// Without monitors the stored values come back, clamped to sane coordinates.
DockRect PlaceWindow(const StoredPlacement& stored, const std::vector<Monitor>& monitors);

}  // namespace win
