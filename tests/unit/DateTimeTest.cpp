#include <gtest/gtest.h>

#include "textcmd/DateTime.h"

using textcmd::ClockValue;
using textcmd::FormatDate;
using textcmd::FormatTime;

TEST(DateTime, TwelveHourClock) {
  EXPECT_EQ(FormatTime({2000, 12, 31, 0, 7}, 1, L":"), L"12:07AM");
  EXPECT_EQ(FormatTime({2000, 12, 31, 13, 5}, 1, L":"), L"1:05PM");
  EXPECT_EQ(FormatTime({2000, 12, 31, 12, 0}, 1, L":"), L"12:00PM");
  EXPECT_EQ(FormatTime({2000, 12, 31, 11, 59}, 1, L"."), L"11.59AM");
}

TEST(DateTime, TwentyFourHourClockForEveryOtherValue) {
  EXPECT_EQ(FormatTime({2000, 12, 31, 0, 7}, 2, L":"), L"00:07");
  EXPECT_EQ(FormatTime({2000, 12, 31, 13, 5}, 2, L":"), L"13:05");
  EXPECT_EQ(FormatTime({2000, 12, 31, 13, 5}, 0, L":"), L"13:05");
}

TEST(DateTime, DatesWithTheRegionalSeparator) {
  ClockValue newYearsEve{2000, 12, 31, 0, 0};
  EXPECT_EQ(FormatDate(newYearsEve, 1, L"/"), L"12/31/2000");
  EXPECT_EQ(FormatDate(newYearsEve, 2, L"."), L"31.12.2000");
  EXPECT_EQ(FormatDate({987, 3, 4, 0, 0}, 7, L"-"), L"04-03-0987");
}
