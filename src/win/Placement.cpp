#include "win/Placement.h"

#include <algorithm>
#include <limits>

namespace win {

namespace {

constexpr long long kCoordinateLimit = 32000;

long long Clamp(long long value, long long low, long long high) { return std::max(low, std::min(value, high)); }

// Distance between two rectangles along both axes (0 when they overlap on that axis),
// squared and summed; large enough for any coordinates we accept.
long long DistanceSquared(long long left, long long top, long long right, long long bottom, const DockRect& r) {
  long long dx = right <= r.left ? r.left - right : (left >= r.right ? left - r.right : 0);
  long long dy = bottom <= r.top ? r.top - bottom : (top >= r.bottom ? top - r.bottom : 0);
  return dx * dx + dy * dy;
}

}  // namespace

DockRect PlaceWindow(const StoredPlacement& stored, const std::vector<Monitor>& monitors) {
  long long left = Clamp(stored.left, -kCoordinateLimit, kCoordinateLimit);
  long long top = Clamp(stored.top, -kCoordinateLimit, kCoordinateLimit);
  long long width = Clamp(stored.width, kMinWindowWidth, kCoordinateLimit);
  long long height = Clamp(stored.height, kMinWindowHeight, kCoordinateLimit);
  if (monitors.empty())
    return {static_cast<int>(left), static_cast<int>(top), static_cast<int>(left + width),
            static_cast<int>(top + height)};

  // The monitor the window overlaps most, else the nearest one.
  const Monitor* target = nullptr;
  long long bestOverlap = 0;
  long long bestDistance = std::numeric_limits<long long>::max();
  for (const Monitor& m : monitors) {
    const DockRect& b = m.bounds;
    long long overlapWidth = std::min<long long>(left + width, b.right) - std::max<long long>(left, b.left);
    long long overlapHeight = std::min<long long>(top + height, b.bottom) - std::max<long long>(top, b.top);
    long long overlap = overlapWidth > 0 && overlapHeight > 0 ? overlapWidth * overlapHeight : 0;
    long long distance = DistanceSquared(left, top, left + width, top + height, b);
    if (overlap > bestOverlap || (bestOverlap == 0 && overlap == 0 && distance < bestDistance)) {
      target = &m;
      bestOverlap = overlap;
      bestDistance = distance;
    }
  }
  const DockRect& work = target->work;
  width = std::min<long long>(width, std::max(work.width(), kMinWindowWidth));
  height = std::min<long long>(height, std::max(work.height(), kMinWindowHeight));
  if (bestOverlap == 0) {
    left = Clamp(left, work.left, std::max<long long>(work.left, work.right - width));
    top = Clamp(top, work.top, std::max<long long>(work.top, work.bottom - height));
  }
  return {static_cast<int>(left), static_cast<int>(top), static_cast<int>(left + width),
          static_cast<int>(top + height)};
}

}  // namespace win
