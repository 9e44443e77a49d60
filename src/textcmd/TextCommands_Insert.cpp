// Edit > Insert Time, Insert Date, Insert Time And Date.
#include "textcmd/TextCommands_win.h"
#include "config/Keys.h"
#include "textcmd/DateTime.h"

namespace textcmd {
using namespace command;
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

std::wstring TextCommands::TimeText() {
  SYSTEMTIME now = frame_.Now();
  return textcmd::FormatTime(ToClock(now), frame_.Profile().Read(keys::TimeFormat), LocaleText(LOCALE_STIME, L":"));
}

std::wstring TextCommands::DateText() {
  SYSTEMTIME now = frame_.Now();
  return textcmd::FormatDate(ToClock(now), frame_.Profile().Read(keys::DateFormat), LocaleText(LOCALE_SDATE, L"/"));
}

void TextCommands::InsertText(const std::wstring& text) { documents_.ActiveEditor().ReplaceSelection(text, true); }

void TextCommands::EditMenuTimeClick(const Sender&) {
  if (documents_.ActiveEditor().ReadOnly()) return;
  InsertText(TimeText());
}

void TextCommands::EditMenuDateClick(const Sender&) {
  if (documents_.ActiveEditor().ReadOnly()) return;
  InsertText(DateText());
}

void TextCommands::EditInsertTimeAndDateClick(const Sender&) {
  if (documents_.ActiveEditor().ReadOnly()) return;
  InsertText(TimeText());
  InsertText(L" ");
  InsertText(DateText());
}

}  // namespace textcmd
