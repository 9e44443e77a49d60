#pragma once
// Docking arithmetic for windows that share their parent's client area: items
// docked to an edge take their size from that edge in order, the fill item gets the
// rest. No windows.h: tested natively.
#include <vector>

namespace win {

enum class Dock { Top, Bottom, Left, Right, Fill };

struct DockRect {
  int left = 0, top = 0, right = 0, bottom = 0;
  int width() const { return right - left; }
  int height() const { return bottom - top; }
  bool operator==(const DockRect& o) const {
    return left == o.left && top == o.top && right == o.right && bottom == o.bottom;
  }
};

struct DockItem {
  Dock dock;
  int size;  // height for Top/Bottom, width for Left/Right; ignored for Fill
};

// Places the items in their order; sizes never go below zero and no item leaves the
// client rectangle.
std::vector<DockRect> LayOut(const std::vector<DockItem>& items, DockRect client);

}  // namespace win
