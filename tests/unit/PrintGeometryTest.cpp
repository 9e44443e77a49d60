#include <gtest/gtest.h>

#include <climits>
#include <optional>
#include <string>

#include "print/PageGeometry.h"

using namespace print;

TEST(PrintMargins, TextsInInchesBecomeTwipsTruncatedTowardZero) {
  struct Row {
    const wchar_t* text;
    std::optional<int> twips;
  } rows[] = {
      {L"1.0", 1440},
      {L"0.2", 288},
      {L"0.19", 273},  // 273.6
      {L"0.7", 1008},  // the nearest double of 0.7 times 1440 is just below 1008
      {L"0.35", 504},
      {L" 1.5\t", 2160},
      {L".5", 720},
      {L"5.", 7200},
      {L"+2", 2880},
      {L"-1", -1440},
      {L"-0.0001", 0},
      {L"0.000694444444444444444444", 0},  // digits past the fifteenth place do not count
      {L"99999999999999999999999999", kMaxMarginTwips},
      {L"", std::nullopt},
      {L".", std::nullopt},
      {L"-", std::nullopt},
      {L"1.2.3", std::nullopt},
      {L"1,5", std::nullopt},
      {L"1e3", std::nullopt},
      {L"1 .5", std::nullopt},
      {L"one", std::nullopt},
  };
  for (const Row& row : rows) EXPECT_EQ(MarginTwips(row.text), row.twips) << "margin \"" << row.text << "\"";
  EXPECT_EQ(MarginTwipsOrZero(L"abc"), 0) << "the print job reads a non-number as 0";
}

TEST(PrintMargins, BelowTwoTenthsOrNotANumberTheFieldBecomesTwoTenths) {
  struct Row {
    const wchar_t* typed;
    const wchar_t* left;
  } rows[] = {
      {L"0", L"0.2"},      {L"0.19", L"0.2"}, {L"0.1999", L"0.2"}, {L"-3", L"0.2"},
      {L"abc", L"0.2"},    {L"", L"0.2"},     {L"0.2", L"0.2"},    {L"0.20", L"0.20"},
      {L"0.21", L"0.21"},  {L"1.0", L"1.0"},  {L" 2", L" 2"},      {L"9999", L"9999"},
  };
  for (const Row& row : rows) EXPECT_EQ(CorrectedMargin(row.typed), row.left) << "typed \"" << row.typed << "\"";
}

namespace {
// US Letter on a 600 dpi printer that cannot print the outer eighth of an inch.
DeviceMetrics Letter600() {
  DeviceMetrics d;
  d.physicalWidth = 5100;
  d.physicalHeight = 6600;
  d.dpiX = d.dpiY = 600;
  d.offsetX = d.offsetY = 75;
  d.printableWidth = 4950;
  d.printableHeight = 6450;
  return d;
}
}  // namespace

TEST(PrintLayout, PaperFormattingRectangleAndBodyOrigin) {
  PageLayout layout = LayOutPage(Letter600(), {1440, 1440, 1440, 1440});
  EXPECT_EQ(layout.page.right, 12240);
  EXPECT_EQ(layout.page.bottom, 15840);
  EXPECT_EQ(layout.format.left, 0);
  EXPECT_EQ(layout.format.top, 0);
  EXPECT_EQ(layout.format.right, 12240 - 2880);
  EXPECT_EQ(layout.format.bottom, 15840 - 2880);
  EXPECT_EQ(layout.bodyOrigin.x, 600 - 75) << "one inch from the sheet's edge, less the unprintable strip";
  EXPECT_EQ(layout.bodyOrigin.y, 600 - 75);
}

TEST(PrintLayout, EachAxisUsesItsOwnResolutionAndMargins) {
  DeviceMetrics d = Letter600();
  d.dpiY = 300;
  d.physicalHeight = 3300;
  d.offsetY = 30;
  PageLayout layout = LayOutPage(d, {720, 1440, 2160, 288});
  EXPECT_EQ(layout.page.right, 12240);
  EXPECT_EQ(layout.page.bottom, 15840);
  EXPECT_EQ(layout.format.right, 12240 - 720 - 1440);
  EXPECT_EQ(layout.format.bottom, 15840 - 2160 - 288);
  EXPECT_EQ(layout.bodyOrigin.x, 300 - 75);
  EXPECT_EQ(layout.bodyOrigin.y, 450 - 30);
}

TEST(PrintLayout, LengthsAreTruncatedTowardZero) {
  DeviceMetrics a4;  // A4 at 600 dpi: 4961 x 7016 pixels
  a4.physicalWidth = 4961;
  a4.physicalHeight = 7016;
  a4.dpiX = a4.dpiY = 600;
  a4.offsetX = a4.offsetY = 100;
  Point paper = PaperTwips(a4);
  EXPECT_EQ(paper.x, 11906);  // 11906.4
  EXPECT_EQ(paper.y, 16838);  // 16838.4
  PageLayout layout = LayOutPage(a4, {1000, 0, 1001, 0});
  EXPECT_EQ(layout.bodyOrigin.x, 416 - 100);  // 416.67
  EXPECT_EQ(layout.bodyOrigin.y, 417 - 100);  // 417.08
  a4.offsetX = 500;
  EXPECT_EQ(LayOutPage(a4, {1000, 0, 0, 0}).bodyOrigin.x, -84) << "an origin left of the printable area";
}

TEST(PrintLayout, UnusableDevicesAndExtremeMarginsStayInRange) {
  DeviceMetrics none;
  PageLayout layout = LayOutPage(none, {1440, 1440, 1440, 1440});
  EXPECT_EQ(layout.page.right, 0) << "a printer without a resolution has no paper";
  EXPECT_EQ(layout.format.right, -2880);

  DeviceMetrics huge = Letter600();
  huge.physicalWidth = huge.physicalHeight = INT_MAX;
  huge.dpiX = INT_MAX;
  huge.dpiY = 1;
  huge.offsetX = huge.offsetY = INT_MIN;
  layout = LayOutPage(huge, {-kMaxMarginTwips, -kMaxMarginTwips, kMaxMarginTwips, kMaxMarginTwips});
  EXPECT_EQ(layout.page.right, 1440);
  EXPECT_EQ(layout.page.bottom, INT_MAX);
  EXPECT_EQ(layout.format.right, INT_MAX);
  EXPECT_EQ(layout.format.bottom, INT_MAX - 2 * static_cast<long long>(kMaxMarginTwips));
  EXPECT_EQ(layout.bodyOrigin.x, INT_MIN);
  EXPECT_EQ(layout.bodyOrigin.y, INT_MAX);
}

TEST(PrintLayout, MarginsThatLeaveNoRoomAreNamed) {
  DeviceMetrics letter = Letter600();
  Point line{100, 240};  // one character and one line of the print font, in twips
  struct Row {
    MarginTexts margins;
    const wchar_t* problem;  // nullptr: the margins are fine
  } rows[] = {
      {{L"1.0", L"1.0", L"1.0", L"1.0"}, nullptr},
      {{L"4.3", L"4.3", L"1.0", L"1.0"}, L"The left and right margins (4.3 and 4.3 inches) leave no room for the text "
                                         L"on paper 8.5 inches wide."},
      {{L"8", L"0.43", L"1.0", L"1.0"}, nullptr},  // 12240 - 11520 - 619 = 101 twips: one character
      {{L"8", L"0.44", L"1.0", L"1.0"}, L"The left and right margins (8 and 0.44 inches) leave no room for the text "
                                        L"on paper 8.5 inches wide."},
      {{L"1.0", L"1.0", L"5", L"5.8"}, nullptr},  // 15840 - 7200 - 8352 = 288 twips
      {{L"1.0", L"1.0", L"5", L" 5.84 "}, L"The top and bottom margins (5 and 5.84 inches) leave no room for a line "
                                          L"of text on paper 11 inches high."},  // 231 twips: less than a line
      {{L"1.0", L"1.0", L"9", L"2"}, L"The top and bottom margins (9 and 2 inches) leave no room for a line of "
                                     L"text on paper 11 inches high."},
  };
  for (const Row& row : rows) {
    auto problem = MarginsProblem(row.margins, letter, line);
    if (row.problem)
      EXPECT_EQ(problem.value_or(L"(none)"), row.problem);
    else
      EXPECT_FALSE(problem) << std::string(problem->begin(), problem->end());
  }
}

TEST(PrintLayout, PaperSizesInMessagesAreRoundedToHundredths) {
  DeviceMetrics a4;
  a4.physicalWidth = 4961;
  a4.physicalHeight = 7016;
  a4.dpiX = a4.dpiY = 600;
  auto problem = MarginsProblem({L"9", L"0.2", L"1", L"1"}, a4, {1, 1});
  EXPECT_EQ(problem.value_or(L""),
            L"The left and right margins (9 and 0.2 inches) leave no room for the text on paper 8.27 inches wide.");
  problem = MarginsProblem({L"1", L"1", L"11.5", L"0.2"}, a4, {1, 1});
  EXPECT_EQ(problem.value_or(L""), L"The top and bottom margins (11.5 and 0.2 inches) leave no room for a line of "
                                   L"text on paper 11.69 inches high.");
  EXPECT_TRUE(MarginsProblem({L"1", L"1", L"1", L"1"}, DeviceMetrics{}, {0, 0}))
      << "no paper at all leaves no room, even for an empty minimum";
}
