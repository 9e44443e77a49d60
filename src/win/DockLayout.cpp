#include "win/DockLayout.h"

#include <algorithm>

namespace win {

std::vector<DockRect> LayOut(const std::vector<DockItem>& items, DockRect client) {
  if (client.right < client.left) client.right = client.left;
  if (client.bottom < client.top) client.bottom = client.top;
  DockRect rest = client;
  std::vector<DockRect> out(items.size());
  std::vector<size_t> fills;
  for (size_t i = 0; i < items.size(); ++i) {
    int size = std::max(0, items[i].size);
    DockRect r = rest;
    switch (items[i].dock) {
      case Dock::Top:
        size = std::min(size, rest.height());
        r.bottom = r.top + size;
        rest.top += size;
        break;
      case Dock::Bottom:
        size = std::min(size, rest.height());
        r.top = r.bottom - size;
        rest.bottom -= size;
        break;
      case Dock::Left:
        size = std::min(size, rest.width());
        r.right = r.left + size;
        rest.left += size;
        break;
      case Dock::Right:
        size = std::min(size, rest.width());
        r.left = r.right - size;
        rest.right -= size;
        break;
      case Dock::Fill:
        fills.push_back(i);
        continue;
    }
    out[i] = r;
  }
  for (size_t i : fills) out[i] = rest;
  return out;
}

}  // namespace win
