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
  // "/pt file printer [driver [port]]", as Windows' "print to" asks a notepad: the
  // printer to print on without a dialog once the file is open (driver and port are
  // not needed to find it).
  std::wstring printer;
};
using NameTest = std::function<bool(const std::wstring&)>;

// Splits the text into words at spaces and joins words until the joined text names an
// existing file (folders do not count); "/p" alone asks for printing. After "/pt" and
// the file that follows it, words are joined until they name a printer. Words that
// never form a name are dropped.
HandOffRequest TokenizeHandOff(std::wstring_view text, const NameTest& fileExists, const NameTest& printerExists = {});

// The first tick's reading of the command line: arguments are joined the same way;
// "/p" and "/pt" count only at the start of the joined text.
HandOffRequest TokenizeCommandLine(const std::vector<std::wstring>& arguments, const NameTest& fileExists,
                                   const NameTest& printerExists = {});

}  // namespace app
