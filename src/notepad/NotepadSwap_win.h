#pragma once
// Putting the stand-in notepad in place of the system's notepad in the Windows folder,
// and putting the system's notepad back. The Notepad Center shows what these report.
#include <string>
#include <string_view>

namespace notepad {

enum class NotepadKind {
  Standard,     // the maker strings name "Microsoft"
  Replacement,  // not "Microsoft", but "Vardle": this program's stand-in
  Other,        // neither, or no version block at all
};

// The rule applied to the collected maker strings; "Microsoft" wins over "Vardle".
NotepadKind KindOfMakerText(std::wstring_view makerText);

// Reads CompanyName, LegalCopyright and ProductName of every translation the version
// block of `path` lists.
NotepadKind RecogniseNotepad(const std::wstring& path);

// Where the procedures report each step.
class StatusOutput {
 public:
  virtual ~StatusOutput() = default;
  virtual void Set(const std::wstring& text) = 0;
  virtual void Append(const std::wstring& text) = 0;
};

// `prefix` is the Windows folder followed by "NOTEPAD."; `programFolder` ends in a
// backslash and holds the stand-in as NOTEPAD.EXE. Each leaves the files as it found
// them when it fails (except a pointer file that could not be written).
void ReplaceNotepad(const std::wstring& prefix, const std::wstring& programFolder, StatusOutput& status);
void RestoreNotepad(const std::wstring& prefix, StatusOutput& status);

}  // namespace notepad
