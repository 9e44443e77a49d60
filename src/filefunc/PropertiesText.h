#pragma once
// The texts of the document properties: numbers with thousands separators, sizes,
// the file's times in the program's English form, and the file type a document's
// extension belongs to. No windows.h here.
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "config/FileTypes.h"

namespace filefunc {

inline constexpr wchar_t kUnknownType[] = L"Unknown  (to Tarnwick)";
inline constexpr wchar_t kUnknownTime[] = L"(Unknown)";

// "1,234,567"; negative numbers keep their sign: "-1,234".
std::wstring ThousandsText(int64_t number);
// "1,234 Bytes".
std::wstring SizeText(int64_t bytes);

// A local time as the file system gives it.
struct Moment {
  int year = 0, month = 1, day = 1;  // month 1 to 12
  int weekday = 0;                   // 0 Sunday to 6 Saturday
  int hour = 0, minute = 0, second = 0;
};
// "Mon Dec 07 03:31:38 2026"; fields out of range give nothing.
std::optional<std::wstring> TimeText(const Moment& moment);
// The accessed time shows its first ten characters ("Mon Dec 07"), or "(Unknown)".
std::wstring AccessedText(const std::optional<Moment>& moment);

// The name of the first file type whose list (";"-separated patterns such as "*.txt",
// blanks ignored, any case) names the extension (".txt", with its dot); kUnknownType
// when none does or the document has no extension.
std::wstring FileTypeName(const std::vector<config::FileType>& types, std::wstring_view extension);

}  // namespace filefunc
