#include "uninstall/Uninstall.h"

#include <windows.h>

#include <vector>

#include "notepad/VersionBlock_win.h"
#include "win/Handles.h"
#include "win/Text.h"

namespace uninstall {
namespace {

constexpr const wchar_t* kProgramFiles[] = {
    L"Template.bat", L"Template.html", L"Favorites.dat", L"Tarnwick.exe", L"Tarnwick.hlp",
    L"Tarnwick.cnt", L"Tarnwick.ini",  L"Tarnwick.GID",  L"Tarnwick.FTS", L"Example.rtf",
    L"FILE_ID.DIZ",  L"Notepad.exe",   L"ReadMe.txt",    L"Vendor.txt",   L"WhatsNew.txt",
};
constexpr const wchar_t* kMenuShortcuts[] = {L"Tarnwick.lnk", L"Tarnwick Help.lnk", L"Un-Install.lnk"};
constexpr wchar_t kQuickLaunch[] = L"Application Data\\Microsoft\\Internet Explorer\\Quick Launch\\";
constexpr wchar_t kStubTranslation[] = L"040904E4";

void Delete(const std::wstring& path) { ::DeleteFileW(path.c_str()); }

bool Exists(const std::wstring& path) { return ::GetFileAttributesW(path.c_str()) != INVALID_FILE_ATTRIBUTES; }

bool Confirmed(Messages& messages) {
  return messages.Show({L"UnInstall Tarnwick?", L"UnInstall", Icon::Warning, true});
}

void DeleteShortcuts(const Folders& folders) {
  Delete(folders.windows + kQuickLaunch + L"Tarnwick.lnk");
  // Without a folder from the shell the names would be relative to the root of the
  // current drive, where nothing of ours is: those deletions are left out.
  if (!folders.programsMenu.empty()) {
    std::wstring menu = WithBackslash(folders.programsMenu) + L"Tarnwick\\";
    for (const wchar_t* name : kMenuShortcuts) Delete(menu + name);
    ::RemoveDirectoryW(menu.c_str());
  }
  if (!folders.desktop.empty()) Delete(WithBackslash(folders.desktop) + L"Tarnwick.lnk");
}

void RestoreSystemNotepad(const std::wstring& windows, Messages& messages) {
  std::wstring loaded = windows + L"Notepad.exe";
  if (!IsInstalledStub(loaded)) return;
  if (!Exists(windows + L"Notepad.SWN")) {
    messages.Show({L"Un-Install is un-able to restore the\nStandard Windows Notepad because the\nNOTEPAD.SWN file was "
                   L"not found.",
                   L"Error", Icon::Warning, false});
    return;
  }
  Delete(loaded);
  ::MoveFileW((windows + L"Notepad.swn").c_str(), loaded.c_str());
  Delete(windows + L"Notepad.twk");
}

std::vector<std::wstring> OrdinaryFiles(const std::wstring& folder) {
  std::vector<std::wstring> names;
  WIN32_FIND_DATAW data;
  win::UniqueFind find(::FindFirstFileW((folder + L"*").c_str(), &data));
  if (!find) return names;
  constexpr DWORD kNotListed = FILE_ATTRIBUTE_DIRECTORY | FILE_ATTRIBUTE_HIDDEN | FILE_ATTRIBUTE_SYSTEM;
  do {
    if (!(data.dwFileAttributes & kNotListed)) names.push_back(data.cFileName);
  } while (::FindNextFileW(find.get(), &data));
  return names;
}

void OfferUserFiles(const std::wstring& program, Messages& messages) {
  for (const std::wstring& name : OrdinaryFiles(program)) {
    if (win::EqualsNoCase(name, L"Remove.exe")) continue;
    Message question{win::Fill(L"The file \"%s%s\"\nwas found in the Tarnwick folder. This file was not part of the\n"
                               L"original installation and might be a user created file.\n\nDo you want to delete "
                               L"this file?",
                               {program, name}),
                     L"Delete File?", Icon::None, true};
    if (messages.Show(question)) Delete(program + name);
  }
}

std::wstring ShortName(const std::wstring& path) {
  DWORD length = ::GetShortPathNameW(path.c_str(), nullptr, 0);
  if (length == 0) return path;
  std::vector<wchar_t> buffer(length + 1);
  DWORD got = ::GetShortPathNameW(path.c_str(), buffer.data(), length + 1);
  if (got == 0 || got > length) return path;
  return std::wstring(buffer.data(), got);
}

void ScheduleSelfRemoval(const Folders& folders) {
  ::WritePrivateProfileStringW(L"Rename", L"NUL", ShortName(folders.self).c_str(),
                               (folders.windows + L"WININIT.INI").c_str());
}

}  // namespace

std::wstring WithBackslash(std::wstring folder) {
  if (!folder.empty() && folder.back() != L'\\') folder += L'\\';
  return folder;
}

bool IsInstalledStub(const std::wstring& notepadPath) {
  notepad::VersionBlock block;
  if (!block.Load(notepadPath)) return false;
  for (const wchar_t* name : notepad::kMakerStrings) {
    std::optional<std::wstring> text = block.String(kStubTranslation, name);
    if (text && text->find(L"Vardle") != std::wstring::npos) return true;
  }
  return false;
}

void RunUninstall(const Folders& given, Messages& messages) {
  Folders folders = given;
  folders.program = WithBackslash(folders.program);
  folders.windows = WithBackslash(folders.windows);
  if (!Confirmed(messages)) return;
  for (const wchar_t* name : kProgramFiles) Delete(folders.program + name);
  DeleteShortcuts(folders);
  RestoreSystemNotepad(folders.windows, messages);
  OfferUserFiles(folders.program, messages);
  ScheduleSelfRemoval(folders);
  messages.Show({L"UnInstall Complete!\n\nThe next time Windows boots,\nthe UnInstall progam will be removed.",
                 L"UnInstall", Icon::Information, false});
}

}  // namespace uninstall
