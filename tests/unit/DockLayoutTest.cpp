#include <gtest/gtest.h>

#include "win/DockLayout.h"

using win::Dock;
using win::DockRect;

TEST(DockLayout, EdgesTakeTheirSizeInOrderAndFillGetsTheRest) {
  auto rects = win::LayOut({{Dock::Top, 26}, {Dock::Top, 24}, {Dock::Bottom, 20}, {Dock::Fill, 0}}, {0, 0, 400, 300});
  EXPECT_EQ(rects[0], (DockRect{0, 0, 400, 26}));
  EXPECT_EQ(rects[1], (DockRect{0, 26, 400, 50}));
  EXPECT_EQ(rects[2], (DockRect{0, 280, 400, 300}));
  EXPECT_EQ(rects[3], (DockRect{0, 50, 400, 280}));
}

TEST(DockLayout, SideBarOnEitherSide) {
  auto left = win::LayOut({{Dock::Left, 91}, {Dock::Left, 3}, {Dock::Fill, 0}}, {0, 0, 300, 200});
  EXPECT_EQ(left[2], (DockRect{94, 0, 300, 200}));
  auto right = win::LayOut({{Dock::Right, 91}, {Dock::Fill, 0}}, {0, 0, 300, 200});
  EXPECT_EQ(right[0], (DockRect{209, 0, 300, 200}));
}

TEST(DockLayout, OversizedAndNegativeSizesStayInside) {
  auto rects = win::LayOut({{Dock::Top, 500}, {Dock::Left, -5}, {Dock::Fill, 0}}, {0, 0, 100, 100});
  EXPECT_EQ(rects[0], (DockRect{0, 0, 100, 100}));
  EXPECT_EQ(rects[1].width(), 0);
  EXPECT_EQ(rects[2].height(), 0);
  auto inverted = win::LayOut({{Dock::Fill, 0}}, {50, 50, 10, 10});
  EXPECT_GE(inverted[0].width(), 0);
  EXPECT_GE(inverted[0].height(), 0);
}
