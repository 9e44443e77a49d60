#include "textcmd/DateTime.h"

#include "win/Text.h"

namespace textcmd {
namespace {
std::wstring TwoDigits(int value) {
  std::wstring text = win::ToText(value);
  return text.size() < 2 ? L"0" + text : text;
}
std::wstring FourDigits(int value) {
  std::wstring text = win::ToText(value);
  while (text.size() < 4) text.insert(0, 1, L'0');
  return text;
}
}  // namespace

std::wstring FormatTime(const ClockValue& clock, int timeFormat, const std::wstring& timeSeparator) {
  if (timeFormat == 1) {
    int hour = clock.hour % 12;
    if (hour == 0) hour = 12;
    return win::ToText(hour) + timeSeparator + TwoDigits(clock.minute) + (clock.hour < 12 ? L"AM" : L"PM");
  }
  return TwoDigits(clock.hour) + timeSeparator + TwoDigits(clock.minute);
}

std::wstring FormatDate(const ClockValue& clock, int dateFormat, const std::wstring& dateSeparator) {
  std::wstring month = TwoDigits(clock.month), day = TwoDigits(clock.day);
  if (dateFormat == 1) return month + dateSeparator + day + dateSeparator + FourDigits(clock.year);
  return day + dateSeparator + month + dateSeparator + FourDigits(clock.year);
}

}  // namespace textcmd
