#include "notepad/NotepadSwap_win.h"

#include <windows.h>

#include "notepad/VersionBlock_win.h"
#include "win/Encoding.h"
#include "win/Handles.h"

namespace notepad {
namespace {

constexpr wchar_t kSeeing[] = L"Seeing what version of Notepad is loaded...\r\n\r\n";

bool Exists(const std::wstring& path) { return ::GetFileAttributesW(path.c_str()) != INVALID_FILE_ATTRIBUTES; }

// MoveFile and CopyFile with a failing existing target are what keep every step
// from overwriting a notepad.
bool Rename(const std::wstring& from, const std::wstring& to) { return ::MoveFileW(from.c_str(), to.c_str()) != 0; }

void WritePointerFile(const std::wstring& path, const std::wstring& programFolder) {
  win::UniqueFile file(
      ::CreateFileW(path.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr));
  if (!file) return;
  // The stand-in reads the line in the system code page; a folder that code page
  // cannot spell is written in its short form.
  std::string line = win::ToAnsiPath(programFolder) + "\r\n";
  DWORD written = 0;
  ::WriteFile(file.get(), line.data(), static_cast<DWORD>(line.size()), &written, nullptr);
}

}  // namespace

NotepadKind KindOfMakerText(std::wstring_view makerText) {
  if (makerText.find(L"Microsoft") != std::wstring_view::npos) return NotepadKind::Standard;
  if (makerText.find(L"Vardle") != std::wstring_view::npos) return NotepadKind::Replacement;
  return NotepadKind::Other;
}

NotepadKind RecogniseNotepad(const std::wstring& path) {
  VersionBlock block;
  if (!block.Load(path)) return NotepadKind::Other;
  std::wstring collected;
  for (const std::wstring& translation : block.Translations()) {
    for (const wchar_t* name : kMakerStrings) {
      if (auto text = block.String(translation, name)) {
        // Kept apart so that the end of one string and the start of the next never
        // form a word that neither holds.
        collected += *text;
        collected += L'\n';
      }
    }
  }
  return KindOfMakerText(collected);
}

void ReplaceNotepad(const std::wstring& prefix, const std::wstring& programFolder, StatusOutput& status) {
  status.Set(kSeeing);
  switch (RecogniseNotepad(prefix + L"EXE")) {
    case NotepadKind::Replacement:
      status.Append(L"The Tarnwick - Notepad Replacement program is already loaded.\r\n\r\nFunction Aborted.");
      return;
    case NotepadKind::Other:
      status.Append(
          L"An unknown version of Notepad.exe is loaded. This function requires the Standard Windows Notepad to be "
          L"loaded.\r\n\r\nFunction Aborted.");
      return;
    case NotepadKind::Standard:
      break;
  }
  const std::wstring exe = prefix + L"EXE", saved = prefix + L"SWN", source = programFolder + L"NOTEPAD.EXE";
  status.Append(L"Making backup of the Standard Windows Notepad...  Renaming " + exe + L"\r\n  to " + saved + L"\r\n");
  if (!Rename(exe, saved) || !Exists(saved)) {
    status.Append(L"Unable to rename file. Function Aborted.");
    return;
  }
  status.Append(L"Replacing Standard Windows Notepad with Tarnwick.\r\n  Copying " + source + L"\r\n  to " + exe +
                L"\r\n");
  if (!::CopyFileW(source.c_str(), exe.c_str(), TRUE)) {
    status.Append(L"Unable to copy file. Renaming NOTEPAD.SWN\r\nback to NOTEPAD.EXE.\r\n\r\nFunction Aborted.");
    Rename(saved, exe);
    return;
  }
  status.Append(L"Creating Tarnwick configuration file.\r\n");
  WritePointerFile(prefix + L"TWK", programFolder);
  status.Append(L"The Standard Windows Notepad has been Replaced\r\nwith Tarnwick.\r\n\r\nFunction Complete!");
}

void RestoreNotepad(const std::wstring& prefix, StatusOutput& status) {
  status.Set(kSeeing);
  switch (RecogniseNotepad(prefix + L"EXE")) {
    case NotepadKind::Standard:
      status.Append(L"The Standard Windows Notepad is already loaded.\r\n\r\nFunction Aborted.");
      return;
    case NotepadKind::Other:
      status.Append(
          L"An unknown version of Notepad is loaded. This function requires the Tarnwick version of Notepad to be "
          L"loaded before it can restore the Standard Windows Notepad.\r\n\r\nFunction Aborted.");
      return;
    case NotepadKind::Replacement:
      break;
  }
  const std::wstring exe = prefix + L"EXE", saved = prefix + L"SWN", aside = prefix + L"BK";
  status.Append(L"Verifying backup existance...\r\n");
  if (!Exists(saved)) {
    status.Append(L"NOTEPAD.SWN file not found.\r\n\r\nFunction Aborted.");
    return;
  }
  status.Append(L"Renaming currently loaded Notepad to NOTEPAD.BK\r\n");
  if (!Rename(exe, aside)) {
    status.Append(L"Unable to rename file.\r\n\r\nFunction Aborted.");
    return;
  }
  status.Append(L"Restoring Standard Windows Notepad...\r\n");
  if (!Rename(saved, exe)) {
    status.Append(L"Unable to rename file.\r\n\r\nFunction Aborted.");
    Rename(aside, exe);
    return;
  }
  status.Append(L"Deleting Tarnwick - Notepad Replacement program...\r\n");
  ::DeleteFileW(aside.c_str());
  status.Append(L"Deleting Tarnwick - Notepad Replacement configuration...\r\n");
  ::DeleteFileW((prefix + L"TWK").c_str());
  status.Append(L"The Standard Windows Notepad has been Restored.\r\n\r\nFunction complete!");
}

}  // namespace notepad
