#include <gtest/gtest.h>

#include <climits>

#include "win/Placement.h"

using namespace win;

namespace {
// Two monitors side by side; the task bar takes 40 pixels at the bottom of each.
const std::vector<Monitor> kTwo = {{{0, 0, 1024, 768}, {0, 0, 1024, 728}},
                                   {{1024, 0, 2048, 768}, {1024, 0, 2048, 728}}};
}  // namespace

TEST(Placement, AWindowThatTouchesAMonitorStaysWhereItWasStored) {
  struct Case {
    StoredPlacement stored;
    DockRect expected;
  } cases[] = {
      {{10, 20, 500, 300}, {10, 20, 510, 320}},
      {{-300, 100, 600, 400}, {-300, 100, 300, 500}},       // partly off the left edge
      {{1500, 600, 400, 300}, {1500, 600, 1900, 900}},       // on the second monitor, hanging below
      {{1000, 10, 200, 200}, {1000, 10, 1200, 210}},         // across both monitors
  };
  for (const Case& c : cases) EXPECT_EQ(PlaceWindow(c.stored, kTwo), c.expected) << c.stored.left;
}

TEST(Placement, AWindowOffEveryMonitorMovesIntoTheNearestWorkArea) {
  EXPECT_EQ(PlaceWindow({-3000, 20, 600, 350}, kTwo), (DockRect{0, 20, 600, 370}));
  EXPECT_EQ(PlaceWindow({5000, 5000, 600, 350}, kTwo), (DockRect{1448, 378, 2048, 728}));
  EXPECT_EQ(PlaceWindow({INT_MIN, INT_MIN, 445, 400}, kTwo), (DockRect{0, 0, 445, 400}));
  EXPECT_EQ(PlaceWindow({INT_MAX, 100, 445, 400}, kTwo), (DockRect{1603, 100, 2048, 500}));
}

TEST(Placement, SizesAreBroughtBetweenTheMinimumAndTheWorkArea) {
  EXPECT_EQ(PlaceWindow({10, 10, -50, 0}, kTwo), (DockRect{10, 10, 10 + kMinWindowWidth, 10 + kMinWindowHeight}));
  EXPECT_EQ(PlaceWindow({0, 0, INT_MAX, INT_MAX}, kTwo), (DockRect{0, 0, 1024, 728}));
  // A monitor smaller than the minimum still gets a usable window.
  std::vector<Monitor> tiny = {{{0, 0, 100, 100}, {0, 0, 100, 100}}};
  EXPECT_EQ(PlaceWindow({5000, 5000, 445, 400}, tiny), (DockRect{0, 0, kMinWindowWidth, kMinWindowHeight}));
  EXPECT_EQ(PlaceWindow({INT_MIN, 0, INT_MIN, INT_MIN}, {}),
            (DockRect{-32000, 0, -32000 + kMinWindowWidth, kMinWindowHeight}));
}
