#pragma once
// Conversions between the program's UTF-16 text and the 8-bit text of the system code
// page that the program's own files (Tarnwick.ini, param.dat, plain-text documents) use.
#include <string>
#include <string_view>

namespace win {

std::string ToAnsi(std::wstring_view text);
std::wstring FromAnsi(std::string_view bytes);
// True when the text survives the trip to the system code page and back unchanged.
bool IsAnsiSafe(std::wstring_view text);
// A path in the system code page. A name with characters the code page cannot hold
// is replaced by its short (8.3) form when the file exists, so it can still be named.
std::string ToAnsiPath(std::wstring_view path);

std::string ToUtf8(std::wstring_view text);
std::wstring FromUtf8(std::string_view bytes);

}  // namespace win
