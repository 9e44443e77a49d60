#include "recovery/RecoveryStore_win.h"

#include <windows.h>
#include <knownfolders.h>
#include <shlobj.h>

#include <algorithm>
#include <new>
#include <optional>
#include <tuple>

#include "recovery/JournalNames.h"

namespace recovery {

namespace {

struct FoundFile {
  std::wstring name;
  JournalFile file;
};

// Every file in the folder that is named by the journal's rules; anything else is
// someone else's and never touched.
std::vector<FoundFile> ListJournalFiles(const std::wstring& folder) {
  std::vector<FoundFile> found;
  WIN32_FIND_DATAW data;
  win::UniqueFind search(::FindFirstFileW((folder + L"*").c_str(), &data));
  if (!search) return found;
  do {
    if (data.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) continue;
    if (std::optional<JournalFile> file = ParseJournalFileName(data.cFileName))
      found.push_back({data.cFileName, std::move(*file)});
  } while (::FindNextFileW(search.get(), &data));
  return found;
}

// Each missing level in turn: the application data folder may have no Tarnwick yet.
bool CreateFolders(const std::wstring& folder) {
  for (size_t at = folder.find(L'\\'); at != std::wstring::npos; at = folder.find(L'\\', at + 1))
    if (at > 0) ::CreateDirectoryW(folder.substr(0, at).c_str(), nullptr);
  DWORD attributes = ::GetFileAttributesW(folder.c_str());
  return attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_DIRECTORY);
}

// Shared with nobody, so that a second open fails for as long as the handle lives, and
// deleted on close, so that the file goes with its holder (on a crash, the system
// closes the handle).
win::UniqueFile OpenLock(const std::wstring& path, DWORD disposition) {
  return win::UniqueFile(::CreateFileW(path.c_str(), GENERIC_READ | DELETE, 0, nullptr, disposition,
                                       FILE_ATTRIBUTE_NORMAL | FILE_FLAG_DELETE_ON_CLOSE, nullptr));
}

enum class ReadStatus { Ok, Broken, Unreadable };

// A file that cannot be read now may be readable later and is left alone; one that
// was read and is not a whole entry never will be.
ReadStatus ReadEntry(const std::wstring& path, JournalEntry& entry) {
  win::UniqueFile file(::CreateFileW(path.c_str(), GENERIC_READ, FILE_SHARE_READ, nullptr, OPEN_EXISTING,
                                     FILE_ATTRIBUTE_NORMAL, nullptr));
  LARGE_INTEGER size;
  if (!file || !::GetFileSizeEx(file.get(), &size)) return ReadStatus::Unreadable;
  if (static_cast<unsigned long long>(size.QuadPart) > kMaxEntryBytes) return ReadStatus::Broken;
  std::string bytes;
  try {
    bytes.resize(static_cast<size_t>(size.QuadPart));
  } catch (const std::bad_alloc&) {
    return ReadStatus::Unreadable;
  }
  for (size_t got = 0; got < bytes.size();) {
    DWORD chunk = static_cast<DWORD>(std::min<size_t>(bytes.size() - got, 1 << 20)), read = 0;
    if (!::ReadFile(file.get(), &bytes[got], chunk, &read, nullptr)) return ReadStatus::Unreadable;
    if (read == 0) return ReadStatus::Broken;
    got += read;
  }
  std::optional<JournalEntry> decoded = DecodeEntry(bytes);
  if (!decoded) return ReadStatus::Broken;
  entry = std::move(*decoded);
  return ReadStatus::Ok;
}

bool WriteAll(HANDLE file, const std::string& bytes) {
  for (size_t done = 0; done < bytes.size();) {
    DWORD chunk = static_cast<DWORD>(std::min<size_t>(bytes.size() - done, 1 << 20)), written = 0;
    if (!::WriteFile(file, bytes.data() + done, chunk, &written, nullptr) || written == 0) return false;
    done += written;
  }
  return true;
}

bool DeleteIfThere(const std::wstring& path) {
  return ::DeleteFileW(path.c_str()) || ::GetLastError() == ERROR_FILE_NOT_FOUND;
}

}  // namespace

std::wstring DefaultJournalFolder() {
  // The environment names the folder on every system that has one; asking the shell
  // would load its library at every start.
  wchar_t local[MAX_PATH] = L"";
  DWORD length = ::GetEnvironmentVariableW(L"LOCALAPPDATA", local, MAX_PATH);
  if (length > 0 && length < MAX_PATH) return std::wstring(local) + L"\\Tarnwick\\Recovery\\";
  PWSTR path = nullptr;
  std::wstring folder;
  if (SUCCEEDED(::SHGetKnownFolderPath(FOLDERID_LocalAppData, 0, nullptr, &path)) && path && *path)
    folder = std::wstring(path) + L"\\Tarnwick\\Recovery\\";
  ::CoTaskMemFree(path);
  return folder;
}

std::unique_ptr<RecoveryStore> RecoveryStore::Open(std::wstring folder) {
  if (folder.empty()) return nullptr;
  if (folder.back() != L'\\') folder += L'\\';
  if (!CreateFolders(folder)) return nullptr;
  FILETIME now;
  ::GetSystemTimeAsFileTime(&now);
  uint64_t time = (static_cast<uint64_t>(now.dwHighDateTime) << 32) | now.dwLowDateTime;
  // Two stores made within one tick of the clock get the same first id; the lock
  // decides, and the later one moves on.
  for (uint64_t attempt = 0; attempt < 64; ++attempt) {
    std::wstring owner = MakeOwnerId(::GetCurrentProcessId(), time + attempt);
    win::UniqueFile lock = OpenLock(folder + LockFileName(owner), CREATE_NEW);
    if (!lock) continue;
    // Files left under this id by an editor that is gone are not this store's to clear.
    std::vector<FoundFile> files = ListJournalFiles(folder);
    if (std::any_of(files.begin(), files.end(), [&](const FoundFile& found) {
          return found.file.owner == owner && found.file.kind != JournalFileKind::Lock;
        }))
      continue;
    return std::unique_ptr<RecoveryStore>(new RecoveryStore(std::move(folder), std::move(owner), std::move(lock)));
  }
  return nullptr;
}

RecoveryStore::RecoveryStore(std::wstring folder, std::wstring owner, win::UniqueFile lock)
    : folder_(std::move(folder)), owner_(std::move(owner)), lock_(std::move(lock)) {}

bool RecoveryStore::Write(unsigned slot, const JournalEntry& entry) {
  return slot <= kMaxFileNumber && WriteNamed(SlotFileName(owner_, slot), entry);
}

bool RecoveryStore::Remove(unsigned slot) { return slot > kMaxFileNumber || DeleteOwnFile(SlotFileName(owner_, slot)); }

bool RecoveryStore::MarkLoading(const std::wstring& fileName) {
  JournalEntry mark;
  mark.fileName = fileName;
  mark.hasFile = true;
  return WriteNamed(LoadingFileName(owner_), mark);
}

bool RecoveryStore::ClearLoading() { return DeleteOwnFile(LoadingFileName(owner_)); }

bool RecoveryStore::WriteNamed(const std::wstring& name, const JournalEntry& entry) {
  std::string bytes = EncodeEntry(entry);
  if (bytes.empty()) return false;
  std::wstring path = folder_ + name, temp = folder_ + TempFileName(name);
  bool written = false;
  {
    win::UniqueFile file(
        ::CreateFileW(temp.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr));
    // The data reaches the disk before the rename does; otherwise a power cut could
    // leave the new name over an empty file and neither entry would survive.
    written = file && WriteAll(file.get(), bytes) && ::FlushFileBuffers(file.get());
  }
  if (written && ::MoveFileExW(temp.c_str(), path.c_str(), MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH))
    return true;
  ::DeleteFileW(temp.c_str());
  return false;
}

bool RecoveryStore::DeleteOwnFile(const std::wstring& name) {
  DeleteIfThere(folder_ + TempFileName(name));
  return DeleteIfThere(folder_ + name);
}

Orphans RecoveryStore::TakeOrphans() {
  std::vector<std::wstring> owners;
  for (const FoundFile& found : ListJournalFiles(folder_))
    if (found.file.owner != owner_) owners.push_back(found.file.owner);
  std::sort(owners.begin(), owners.end());
  owners.erase(std::unique(owners.begin(), owners.end()), owners.end());
  Orphans orphans;
  for (const std::wstring& owner : owners) TakeFrom(owner, orphans);
  return orphans;
}

void RecoveryStore::TakeFrom(const std::wstring& owner, Orphans& orphans) {
  // The open fails while the owner runs, and while another editor is taking its files.
  win::UniqueFile claim = OpenLock(folder_ + LockFileName(owner), OPEN_ALWAYS);
  if (!claim) return;
  // Listed again under the claim: an editor that took them since the first look has
  // renamed them all.
  std::vector<FoundFile> files = ListJournalFiles(folder_);
  files.erase(
      std::remove_if(files.begin(), files.end(), [&](const FoundFile& found) { return found.file.owner != owner; }),
      files.end());
  std::sort(files.begin(), files.end(), [](const FoundFile& a, const FoundFile& b) {
    return std::tie(a.file.kind, a.file.number) < std::tie(b.file.kind, b.file.number);
  });
  for (const FoundFile& found : files) {
    std::wstring path = folder_ + found.name;
    JournalEntry entry;
    switch (found.file.kind) {
      case JournalFileKind::Lock:
        break;
      case JournalFileKind::Temp:
        ::DeleteFileW(path.c_str());
        break;
      case JournalFileKind::Loading: {
        ReadStatus status = ReadEntry(path, entry);
        if (status == ReadStatus::Ok) orphans.loading.push_back(entry.fileName);
        if (status != ReadStatus::Unreadable) ::DeleteFileW(path.c_str());
        break;
      }
      case JournalFileKind::Slot:
      case JournalFileKind::Taken: {
        ReadStatus status = ReadEntry(path, entry);
        if (status == ReadStatus::Broken) ::DeleteFileW(path.c_str());
        if (status != ReadStatus::Ok) break;
        // An entry that cannot be renamed stays with its owner for the next start.
        if (nextTaken_ > kMaxFileNumber) break;
        std::wstring taken = folder_ + TakenFileName(owner_, nextTaken_++);
        if (::MoveFileExW(path.c_str(), taken.c_str(), MOVEFILE_WRITE_THROUGH))
          orphans.entries.push_back(std::move(entry));
        break;
      }
    }
  }
}

void RecoveryStore::DiscardTaken() {
  for (const FoundFile& found : ListJournalFiles(folder_))
    if (found.file.owner == owner_ && found.file.kind == JournalFileKind::Taken)
      ::DeleteFileW((folder_ + found.name).c_str());
}

void RecoveryStore::Clear() {
  for (const FoundFile& found : ListJournalFiles(folder_))
    if (found.file.owner == owner_ && found.file.kind != JournalFileKind::Lock)
      ::DeleteFileW((folder_ + found.name).c_str());
}

}  // namespace recovery
