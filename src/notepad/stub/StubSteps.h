#pragma once
// The steps of the stand-in notepad: find the editor through the pointer file, hand it
// the command line through param.dat and start it.
#include <optional>
#include <string>
#include <string_view>

namespace notepad {

// The text after the program's own name, as WinMain receives it: the name (quoted or
// not) and the blanks after it are skipped, the rest is kept as it is.
std::wstring_view ArgumentsOf(std::wstring_view commandLine);

// The command line as a param.dat record text in the system code page. It keeps its
// quotes and words, but each stretch of words that names an existing file the code page
// cannot spell becomes that file's full short (8.3) name, and one named relative to the
// current folder becomes its full name.
std::string HandOffCommandLine(std::wstring_view arguments);

// The editor's folder from the first bytes of the pointer file: the first line without
// its line break, ending in a backslash. Nothing when the line is empty.
std::optional<std::wstring> EditorFolderFromPointer(std::string_view bytes);

// The system's Windows folder with a trailing backslash.
std::wstring SystemWindowsFolder();

// The whole program, reading the pointer file of `windowsFolder` (with its trailing
// backslash); returns the exit code (always 0).
int RunStub(std::wstring_view arguments, const std::wstring& windowsFolder);

}  // namespace notepad
