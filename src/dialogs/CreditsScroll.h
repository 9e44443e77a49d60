#pragma once
// The about box's credits move up one pixel per tick, stand still at the end for a
// while and start over from the top.

namespace dialogs {

struct CreditsScroll {
  static constexpr int kEnd = 750;
  static constexpr int kPauseTicks = 62;
  int position = 0;
  int pause = 0;

  void Tick() {
    if (position < kEnd) {
      ++position;
    } else if (++pause > kPauseTicks) {
      pause = 0;
      position = 0;
    }
  }
};

}  // namespace dialogs
