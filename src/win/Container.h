#pragma once
// A plain child window that holds other windows: it paints its background, lays its
// children out by their dock settings, and passes their notifications to the
// top-level window, which handles every command of the program.
#include <windows.h>

#include "win/DockLayout.h"

namespace win {

HWND CreateContainer(HWND parent, COLORREF background);
void SetContainerBackground(HWND container, COLORREF background);

// How a child of a container is placed: `order` sorts children of the container
// (lower first), `size` is the height or width for edge-docked children.
void SetDock(HWND child, Dock dock, int order, int size = 0);
void Relayout(HWND container);

}  // namespace win
