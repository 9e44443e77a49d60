#pragma once
// Pictures from the program's bitmap strips: 16-pixel cells, magenta marks what is
// transparent.
#include <windows.h>
#include <commctrl.h>

namespace chrome {

inline constexpr COLORREF kTransparentKey = RGB(255, 0, 255);

// An image list of the strip's 16 x 16 cells with the magenta mask applied.
HIMAGELIST LoadImageStrip(int resourceId);

}  // namespace chrome
