// The ruler's picture: copies across the width, the units a click switches to, and the
// flood fill that colours the background between the black marks.
#include <gtest/gtest.h>

#include "chrome/RulerPicture.h"

using namespace chrome;

TEST(Ruler, CopiesCoverTheWidthAtTheirRepeat) {
  EXPECT_EQ(RulerCopies(0, 1728), (std::vector<int>{0, 576, 1152}));
  EXPECT_EQ(RulerCopies(1, 1729), (std::vector<int>{0, 570, 1140, 1710}));
  EXPECT_EQ(RulerCopies(7, 10), (std::vector<int>{0}));
}

TEST(Ruler, AClickSwitchesUnitsAndHint) {
  EXPECT_EQ(NextRulerStyle(0), 1);
  EXPECT_EQ(NextRulerStyle(1), 0);
  EXPECT_EQ(NextRulerStyle(5), 0) << "any other value means centimetres";
  EXPECT_STREQ(RulerHint(0), L"Inches");
  EXPECT_STREQ(RulerHint(3), L"Centimeters");
}

TEST(Ruler, TheFillStopsAtBlackAndLeavesEnclosedHolesAlone) {
  constexpr std::uint32_t W = 0xFFFFFF, B = 0, R = 0xFF0000;
  // A tick from the top and a closed box with a hole in it.
  std::vector<std::uint32_t> pixels{W, B, W, B, B, B,  //
                                    W, B, W, B, W, B,  //
                                    W, W, W, B, B, B};
  FloodFill(pixels, 6, 3, 0, 1, R, B);
  EXPECT_EQ(pixels, (std::vector<std::uint32_t>{R, B, R, B, B, B,  //
                                                R, B, R, B, W, B,  //
                                                R, R, R, B, B, B}));
}

TEST(Ruler, TheFillDoesNothingOnBorderOrOutsideAndEndsWithTheBordersColour) {
  std::vector<std::uint32_t> pixels{0, 5, 5, 0};
  FloodFill(pixels, 2, 2, 0, 0, 7, 0);
  EXPECT_EQ(pixels, (std::vector<std::uint32_t>{0, 5, 5, 0}));
  FloodFill(pixels, 2, 2, 5, 5, 7, 0);
  EXPECT_EQ(pixels, (std::vector<std::uint32_t>{0, 5, 5, 0}));
  FloodFill(pixels, 3, 3, 1, 0, 7, 0);  // fewer pixels than the size says
  EXPECT_EQ(pixels, (std::vector<std::uint32_t>{0, 5, 5, 0}));
  // Filling with the border's own colour fills the one area and stops.
  FloodFill(pixels, 2, 2, 1, 0, 0, 0);
  EXPECT_EQ(pixels, (std::vector<std::uint32_t>{0, 0, 5, 0}));
}
