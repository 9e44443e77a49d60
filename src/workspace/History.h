#pragma once
// The recent-files list (section History) and the folder history of the Open dialog
// (section DirHistory). Both live only in the configuration file.
#include <string>
#include <vector>

#include "config/Profile.h"

namespace workspace {

inline constexpr int kHistoryFiles = 15;
inline constexpr int kHistoryFolders = 13;

// File0..File14, empty entries included.
std::vector<std::wstring> ReadFileHistory(const config::Profile& profile);
// Records a file at File0 unless it is listed already (compared without regard to
// case); returns whether the list changed.
bool RecordFile(config::Profile& profile, const std::wstring& path);
// Records the files in this order as RecordFile would one by one, with at most one
// write; returns whether the list changed.
bool RecordFiles(config::Profile& profile, const std::vector<std::wstring>& paths);

struct FolderEntry {
  std::wstring folder;
  int filterIndex = 0;
};
// Dir0..Dir12 with their Type values.
std::vector<FolderEntry> ReadFolderHistory(const config::Profile& profile);
// Records a folder (with its trailing backslash) at Dir0 unless it is listed already
// (exact comparison); returns whether the list changed.
bool RecordFolder(config::Profile& profile, const std::wstring& folder, int filterIndex);

// The recent documents the side bar lists: the non-empty History entries, newest
// first, each shown by its name and extension.
struct RecentDocument {
  std::wstring name;
  std::wstring path;
};
std::vector<RecentDocument> RecentDocuments(const config::Profile& profile);

// A menu caption made from a file name: the first 60 characters and "..." when the
// name is longer than 63 characters.
std::wstring ShortenCaption(const std::wstring& text);

}  // namespace workspace
