#include "app/HandOffFile_win.h"

#include <windows.h>

#include "win/Handles.h"

namespace app {

bool AppendHandOff(const std::wstring& path, std::string_view bytes, unsigned timeoutMs) {
  DWORD start = ::GetTickCount();
  win::UniqueFile file;
  for (;;) {
    // Each writer keeps the file to itself while it appends (the others retry): under
    // Wine, appends made at the same moment through handles that share writing
    // overwrite one another.
    file.reset(::CreateFileW(path.c_str(), FILE_APPEND_DATA, FILE_SHARE_READ, nullptr, OPEN_ALWAYS,
                             FILE_ATTRIBUTE_NORMAL, nullptr));
    if (file) break;
    if (::GetTickCount() - start > timeoutMs) return false;
    ::Sleep(1);
  }
  if (bytes.empty()) return true;
  DWORD written = 0;
  return ::WriteFile(file.get(), bytes.data(), static_cast<DWORD>(bytes.size()), &written, nullptr) &&
         written == bytes.size();
}

namespace {

std::optional<std::string> ReadWhole(const std::wstring& path) {
  win::UniqueFile file(::CreateFileW(path.c_str(), GENERIC_READ, FILE_SHARE_READ, nullptr, OPEN_EXISTING,
                                     FILE_ATTRIBUTE_NORMAL, nullptr));
  if (!file) return std::nullopt;
  std::string bytes;
  char buffer[4096];
  DWORD got = 0;
  for (;;) {
    if (!::ReadFile(file.get(), buffer, sizeof(buffer), &got, nullptr)) return std::nullopt;
    if (got == 0) return bytes;
    bytes.append(buffer, got);
  }
}

bool Exists(const std::wstring& path) { return ::GetFileAttributesW(path.c_str()) != INVALID_FILE_ATTRIBUTES; }

}  // namespace

HandOffInbox::HandOffInbox(std::wstring path) : path_(std::move(path)) {}

std::wstring HandOffInbox::NextPrivateName() {
  return path_ + L"." + std::to_wstring(::GetCurrentProcessId()) + L"." + std::to_wstring(++counter_) + L".tmp";
}

std::optional<std::string> HandOffInbox::Take() {
  if (!leftoversSought_) {
    // Copies a run before us took over but did not get to read (it ended first). Only
    // one editor runs at a time, so whatever is there is nobody else's.
    leftoversSought_ = true;
    std::wstring folder = path_.substr(0, path_.find_last_of(L'\\') + 1);
    WIN32_FIND_DATAW found;
    win::UniqueFind search(::FindFirstFileW((path_ + L".*.tmp").c_str(), &found));
    if (search) {
      do {
        if (!(found.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY)) unread_.push_back(folder + found.cFileName);
      } while (::FindNextFileW(search.get(), &found));
    }
  }
  for (auto it = undeleted_.begin(); it != undeleted_.end();)
    it = ::DeleteFileW(it->c_str()) || !Exists(*it) ? undeleted_.erase(it) : it + 1;

  if (Exists(path_)) {
    std::wstring taken = NextPrivateName();
    while (Exists(taken)) taken = NextPrivateName();
    // Without MOVEFILE_REPLACE_EXISTING: nothing that is already there can be lost.
    if (::MoveFileExW(path_.c_str(), taken.c_str(), 0)) unread_.push_back(taken);
  }

  std::string bytes;
  bool any = false;
  while (!unread_.empty()) {
    std::optional<std::string> read = ReadWhole(unread_.front());
    if (!read) break;  // still busy: it and the later ones keep their order for the next take
    bytes += *read;
    any = true;
    if (!::DeleteFileW(unread_.front().c_str()) && Exists(unread_.front())) undeleted_.push_back(unread_.front());
    unread_.erase(unread_.begin());
  }
  if (!any) return std::nullopt;
  return bytes;
}

}  // namespace app
