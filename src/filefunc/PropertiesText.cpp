#include "filefunc/PropertiesText.h"

#include <cwctype>

namespace filefunc {

std::wstring ThousandsText(int64_t number) {
  // The magnitude in an unsigned type: the smallest int64 has no positive twin.
  uint64_t magnitude = number < 0 ? 0 - static_cast<uint64_t>(number) : static_cast<uint64_t>(number);
  std::wstring digits = std::to_wstring(magnitude);
  std::wstring text;
  for (size_t i = 0; i < digits.size(); ++i) {
    if (i > 0 && (digits.size() - i) % 3 == 0) text += L',';
    text += digits[i];
  }
  return number < 0 ? L"-" + text : text;
}

std::wstring SizeText(int64_t bytes) { return ThousandsText(bytes) + L" Bytes"; }

std::optional<std::wstring> TimeText(const Moment& m) {
  static const wchar_t* const kDays[] = {L"Sun", L"Mon", L"Tue", L"Wed", L"Thu", L"Fri", L"Sat"};
  static const wchar_t* const kMonths[] = {L"Jan", L"Feb", L"Mar", L"Apr", L"May", L"Jun",
                                           L"Jul", L"Aug", L"Sep", L"Oct", L"Nov", L"Dec"};
  if (m.weekday < 0 || m.weekday > 6 || m.month < 1 || m.month > 12 || m.day < 1 || m.day > 31 || m.hour < 0 ||
      m.hour > 23 || m.minute < 0 || m.minute > 59 || m.second < 0 || m.second > 60 || m.year < 0 || m.year > 9999)
    return std::nullopt;
  auto two = [](int value) { return (value < 10 ? L"0" : L"") + std::to_wstring(value); };
  std::wstring year = std::to_wstring(m.year);
  while (year.size() < 4) year.insert(0, 1, L'0');
  return std::wstring(kDays[m.weekday]) + L" " + kMonths[m.month - 1] + L" " + two(m.day) + L" " + two(m.hour) + L":" +
         two(m.minute) + L":" + two(m.second) + L" " + year;
}

std::wstring AccessedText(const std::optional<Moment>& moment) {
  std::optional<std::wstring> text = moment ? TimeText(*moment) : std::nullopt;
  return text ? text->substr(0, 10) : kUnknownTime;
}

namespace {
std::wstring Lower(std::wstring_view text) {
  std::wstring lower;
  for (wchar_t c : text)
    if (c != L' ') lower += static_cast<wchar_t>(std::towlower(static_cast<wint_t>(c)));
  return lower;
}
}  // namespace

std::wstring FileTypeName(const std::vector<config::FileType>& types, std::wstring_view extension) {
  // Each pattern is compared whole: a part of one (".t" in "*.txt") or a missing
  // extension names no type.
  if (extension.size() < 2 || extension[0] != L'.') return kUnknownType;
  std::wstring wanted = L"*" + Lower(extension);
  for (const config::FileType& type : types) {
    std::wstring list = Lower(type.extensions);
    size_t start = 0;
    while (start <= list.size()) {
      size_t end = list.find(L';', start);
      if (end == std::wstring::npos) end = list.size();
      if (list.compare(start, end - start, wanted) == 0) return type.name;
      start = end + 1;
    }
  }
  return kUnknownType;
}

}  // namespace filefunc
