#pragma once
// The time and date texts that Insert Time, Insert Date and the print macros use,
// as functions of a clock value and the user's regional separators.
#include <string>

namespace textcmd {

struct ClockValue {
  int year = 2000, month = 1, day = 1;
  int hour = 0, minute = 0;
};

// TimeFormat 1: "h:nnAM/PM" (12-hour clock); any other value: "hh:nn".
std::wstring FormatTime(const ClockValue& clock, int timeFormat, const std::wstring& timeSeparator);
// DateFormat 1: "mm/dd/yyyy"; any other value: "dd/mm/yyyy".
std::wstring FormatDate(const ClockValue& clock, int dateFormat, const std::wstring& dateSeparator);

}  // namespace textcmd
