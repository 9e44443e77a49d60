#pragma once
// Small string helpers shared by every part of the program. No windows.h here:
// this file is also built natively and tested with sanitizers.
#include <cstdint>
#include <initializer_list>
#include <string>
#include <string_view>

namespace win {

// Replaces each "%s" or "%d" of `format` by the next argument, in order; "%%" gives "%".
// Messages keep the placeholders that users of the program know from its texts.
std::wstring Fill(std::wstring_view format, std::initializer_list<std::wstring_view> args);

// Trims leading and trailing characters whose value is 32 or less (spaces and control
// characters), the rule the program uses for names and tokens.
std::wstring Trim(std::wstring_view text);
std::wstring TrimLeft(std::wstring_view text);
std::wstring TrimRight(std::wstring_view text);

// Case folding good for file names and menu texts: ASCII, Latin-1, Latin Extended-A,
// Greek and Cyrillic letters compare without regard to case.
wchar_t FoldCase(wchar_t c);
bool EqualsNoCase(std::wstring_view a, std::wstring_view b);
bool ContainsNoCase(std::wstring_view haystack, std::wstring_view needle);

// Doubles every "&" so that a file name shows literally as a menu or tab caption.
std::wstring EscapeAmpersands(std::wstring_view text);

// Name and extension of a path without drive and folder: C:\Docs\a.txt gives a.txt.
std::wstring FileNamePart(std::wstring_view path);
// Drive and folder of a path with the trailing backslash (empty for a bare name).
std::wstring FolderPart(std::wstring_view path);
// Extension with its dot (".txt"), empty when the name has none.
std::wstring ExtensionPart(std::wstring_view path);

// Decimal text of a number.
std::wstring ToText(long long value);
// Parses optional leading blanks, an optional sign and decimal digits. Text that does
// not begin with a digit (after the sign) gives 0; values beyond the range of int are
// clamped.
int ParseIntPrefix(std::wstring_view text);

std::wstring Widen(std::string_view ascii);

}  // namespace win
