#include <gtest/gtest.h>

#include "dialogs/CreditsScroll.h"

TEST(CreditsScroll, RisesToTheEndPausesAndStartsOver) {
  dialogs::CreditsScroll scroll;
  for (int tick = 0; tick < 750; ++tick) scroll.Tick();
  EXPECT_EQ(scroll.position, 750);
  for (int tick = 0; tick < 62; ++tick) scroll.Tick();
  EXPECT_EQ(scroll.position, 750) << "stands still for 62 ticks";
  EXPECT_EQ(scroll.pause, 62);
  scroll.Tick();
  EXPECT_EQ(scroll.position, 0);
  EXPECT_EQ(scroll.pause, 0);
  scroll.Tick();
  EXPECT_EQ(scroll.position, 1);
}
