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

bool RecordFile(config::Profile& profile, const std::wstring& path) {
  for (const std::wstring& entry : ReadFileHistory(profile))
    if (win::EqualsNoCase(entry, path)) return false;
  for (int n = kHistoryFiles - 2; n >= 0; --n)
    profile.WriteText(keys::kHistory, FileKey(n + 1), profile.ReadText(keys::kHistory, FileKey(n), L"", 260));
  profile.WriteText(keys::kHistory, FileKey(0), path);
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
  for (const FolderEntry& entry : ReadFolderHistory(profile))
    if (entry.folder == folder) return false;
  for (int n = kHistoryFolders - 2; n >= 0; --n) {
    profile.WriteText(keys::kDirHistory, DirKey(n + 1), profile.ReadText(keys::kDirHistory, DirKey(n), L"", 260));
    profile.WriteInt(keys::kDirHistory, TypeKey(n + 1), profile.ReadInt(keys::kDirHistory, TypeKey(n), 0));
  }
  profile.WriteText(keys::kDirHistory, DirKey(0), folder);
  profile.WriteInt(keys::kDirHistory, TypeKey(0), filterIndex);
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
