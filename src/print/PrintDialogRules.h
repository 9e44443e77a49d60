#pragma once
// The Print dialog's rules without its window: its texts, the corrections of the page
// fields, what follows a new page count, and the one refusal of the Print button.
#include <optional>
#include <string>
#include <string_view>

namespace print {

inline constexpr wchar_t kDialogTitle[] = L"Tarnwick - Print";
inline constexpr wchar_t kMessageTitle[] = L"Tarnwick";
inline constexpr wchar_t kPageCountChanged[] = L"The Total Number of Pages to be printed has changed.";
inline constexpr wchar_t kSettingsSaved[] = L"Settings Saved!";
inline constexpr wchar_t kFromAfterTo[] = L"The \"From\" page cannot be greater than the \"To\" page.";

// The dialog's pages, in order, with the help topic "&Help" opens for each.
struct DialogPage {
  const wchar_t* caption;
  int helpContext;
};
inline constexpr DialogPage kDialogPages[] = {
    {L"Pages", 145}, {L"Margins", 146}, {L"Font", 147}, {L"Header", 148}, {L"Footer", 149}};

// "&All (%d Pages)".
std::wstring AllCaption(int pageCount);

// The From field when it loses the focus: above the page count it becomes the count;
// 0, less, or not a number, "1"; else it stays as typed.
std::wstring CorrectedFrom(std::wstring_view from, int pageCount);
// The To field when it loses the focus, and both fields after a layout change: above
// the page count it becomes the count; else it stays as typed.
std::wstring CappedToCount(std::wstring_view field, int pageCount);

// What a layout change leaves after the pages were counted again.
struct Recount {
  std::wstring from, to;    // the fields, capped to the new count
  int pageCount = 0;        // the dialog's page count from now on
  bool announce = false;    // the count changed: new "All" caption and kPageCountChanged
  std::wstring allCaption;  // set when `announce`
};
Recount AfterRecount(std::wstring_view from, std::wstring_view to, int previousCount, int newCount);

// The Print button's check: the message when To is less than From (fields that are not
// numbers read as 0), else nothing.
std::optional<std::wstring> RangeRefusal(std::wstring_view from, std::wstring_view to);

}  // namespace print
