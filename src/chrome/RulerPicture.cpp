#include "chrome/RulerPicture.h"

#include <cstddef>
#include <utility>

namespace chrome {

std::vector<int> RulerCopies(int style, int width) {
  int repeat = IsCentimetres(style) ? kCentimetreRepeat : kInchRepeat;
  std::vector<int> copies{0};
  for (int x = repeat; x < width; x += repeat) copies.push_back(x);
  return copies;
}

void FloodFill(std::vector<std::uint32_t>& pixels, int width, int height, int x, int y, std::uint32_t color,
               std::uint32_t border) {
  if (width <= 0 || height <= 0 || pixels.size() < static_cast<size_t>(width) * static_cast<size_t>(height)) return;
  auto at = [&](int px, int py) -> std::uint32_t& {
    return pixels[static_cast<size_t>(py) * static_cast<size_t>(width) + static_cast<size_t>(px)];
  };
  // A pixel already of the fill colour is never filled again, so this ends even when
  // the fill colour is the border's.
  auto fillable = [&](int px, int py) {
    return px >= 0 && py >= 0 && px < width && py < height && at(px, py) != border && at(px, py) != color;
  };
  std::vector<std::pair<int, int>> stack;
  if (fillable(x, y)) stack.emplace_back(x, y);
  while (!stack.empty()) {
    auto [px, py] = stack.back();
    stack.pop_back();
    if (!fillable(px, py)) continue;
    at(px, py) = color;
    stack.emplace_back(px + 1, py);
    stack.emplace_back(px - 1, py);
    stack.emplace_back(px, py + 1);
    stack.emplace_back(px, py - 1);
  }
}

}  // namespace chrome
