#include "workspace/History.h"

#include "config/Keys.h"
#include "win/Text.h"

namespace workspace {
namespace keys = config::keys;

namespace {
std::wstring FileKey(int n) { return L"File" + win::ToText(n); }
std::wstring DirKey(int n) { return L"Dir" + win::ToText(n); }
std::wstring TypeKey(int n) { return L"Type" + win::ToText(n); }
}  // namespace

std::vector<std::wstring> ReadFileHistory(const config::Profile& profile) {
  std::vector<std::wstring> files;
  for (int n = 0; n < kHistoryFiles; ++n) files.push_back(profile.ReadText(keys::kHistory, FileKey(n), L"", 260));
  return files;
}

bool RecordFile(config::Profile& profile, const std::wstring& path) { return RecordFiles(profile, {path}); }

bool RecordFiles(config::Profile& profile, const std::vector<std::wstring>& paths) {
  std::vector<std::wstring> files = ReadFileHistory(profile);
  bool changed = false;
  for (const std::wstring& path : paths) {
    bool listed = false;
    for (const std::wstring& entry : files)
      if (win::EqualsNoCase(entry, path)) listed = true;
    if (listed) continue;
    files.insert(files.begin(), path);
    files.resize(kHistoryFiles);
    changed = true;
  }
  if (!changed) return false;
  // The whole list in one write: a key at a time rewrote the file fifteen times, and a
  // write per document of a batch cost as much as opening them.
  std::vector<std::pair<std::wstring, std::wstring>> entries;
  for (int n = 0; n < kHistoryFiles; ++n) entries.emplace_back(FileKey(n), files[static_cast<size_t>(n)]);
  profile.WriteSection(keys::kHistory, entries);
  return true;
}

std::vector<FolderEntry> ReadFolderHistory(const config::Profile& profile) {
  std::vector<FolderEntry> folders;
  for (int n = 0; n < kHistoryFolders; ++n)
    folders.push_back({profile.ReadText(keys::kDirHistory, DirKey(n), L"", 260),
                       profile.ReadInt(keys::kDirHistory, TypeKey(n), 0)});
  return folders;
}

bool RecordFolder(config::Profile& profile, const std::wstring& folder, int filterIndex) {
  std::vector<FolderEntry> folders = ReadFolderHistory(profile);
  for (const FolderEntry& entry : folders)
    if (entry.folder == folder) return false;
  folders.insert(folders.begin(), {folder, filterIndex});
  folders.resize(kHistoryFolders);
  std::vector<std::pair<std::wstring, std::wstring>> entries;
  for (int n = 0; n < kHistoryFolders; ++n) {
    entries.emplace_back(DirKey(n), folders[static_cast<size_t>(n)].folder);
    entries.emplace_back(TypeKey(n), win::ToText(folders[static_cast<size_t>(n)].filterIndex));
  }
  profile.WriteSection(keys::kDirHistory, entries);
  return true;
}

std::vector<RecentDocument> RecentDocuments(const config::Profile& profile) {
  std::vector<RecentDocument> documents;
  for (const std::wstring& path : ReadFileHistory(profile))
    if (!path.empty()) documents.push_back({win::FileNamePart(path), path});
  return documents;
}

std::wstring ShortenCaption(const std::wstring& text) {
  if (text.size() > 63) return text.substr(0, 60) + L"...";
  return text;
}

}  // namespace workspace
