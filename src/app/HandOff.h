#pragma once
// The hand-off file param.dat: records "text " appended by later starts of the
// program and by the notepad stand-in, read and consumed by the running editor.
// No windows.h here.
#include <functional>
#include <string>
#include <string_view>
#include <vector>

namespace app {

// One record per argument: the argument followed by one space, no line break.
std::string HandOffRecords(const std::vector<std::string>& arguments);

// The file's bytes as the reader sees them: NUL and end-of-file characters are
// dropped, CR LF counts as one character (text mode), CR, LF and the double quote
// become spaces, and the text is padded with spaces to the number of bytes.
std::wstring HandOffText(std::wstring_view decoded, size_t byteCount);

struct HandOffRequest {
  std::vector<std::wstring> names;  // existing files, in order
  bool print = false;               // "/p" was among the words
};

// Splits the text into words at spaces and joins words until the joined text names an
// existing file (folders do not count); "/p" alone asks for printing. Words that never
// form a name are dropped.
HandOffRequest TokenizeHandOff(std::wstring_view text, const std::function<bool(const std::wstring&)>& fileExists);

// The first tick's reading of the command line: arguments are joined the same way;
// "/p" counts only at the start of the joined text.
HandOffRequest TokenizeCommandLine(const std::vector<std::wstring>& arguments,
                                   const std::function<bool(const std::wstring&)>& fileExists);

}  // namespace app
