// Edit > Insert Time, Insert Date, Insert Time And Date.
#include "app/MainForm.h"
#include "config/Keys.h"
#include "textcmd/DateTime.h"

namespace app {
namespace keys = config::keys;

namespace {

std::wstring LocaleText(LCTYPE type, const wchar_t* fallback) {
  wchar_t buffer[16] = L"";
  if (::GetLocaleInfoW(LOCALE_USER_DEFAULT, type, buffer, 16) <= 1) return fallback;
  return buffer;
}

textcmd::ClockValue ToClock(const SYSTEMTIME& time) {
  return {time.wYear, time.wMonth, time.wDay, time.wHour, time.wMinute};
}

}  // namespace

std::wstring TMainForm::TimeText() {
  SYSTEMTIME now = context_.now ? context_.now() : SYSTEMTIME{};
  return textcmd::FormatTime(ToClock(now), profile().Read(keys::TimeFormat), LocaleText(LOCALE_STIME, L":"));
}

std::wstring TMainForm::DateText() {
  SYSTEMTIME now = context_.now ? context_.now() : SYSTEMTIME{};
  return textcmd::FormatDate(ToClock(now), profile().Read(keys::DateFormat), LocaleText(LOCALE_SDATE, L"/"));
}

void TMainForm::InsertText(const std::wstring& text) { ActiveEditor().ReplaceSelection(text, true); }

void TMainForm::EditMenuTimeClick(const Sender&) {
  if (ActiveEditor().ReadOnly()) return;
  InsertText(TimeText());
}

void TMainForm::EditMenuDateClick(const Sender&) {
  if (ActiveEditor().ReadOnly()) return;
  InsertText(DateText());
}

void TMainForm::EditInsertTimeAndDateClick(const Sender&) {
  if (ActiveEditor().ReadOnly()) return;
  InsertText(TimeText());
  InsertText(L" ");
  InsertText(DateText());
}

}  // namespace app
