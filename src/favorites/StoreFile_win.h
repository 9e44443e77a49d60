#pragma once
// Favorites.dat on disk: read no further than a store can usefully reach, and
// replace it in one step so that a failed save leaves the previous store intact.
#include <windows.h>

#include <optional>
#include <string>

#include "favorites/FavoritesStore.h"

namespace favorites {

// The first kMaxStoreBytes of the file, or nothing when it cannot be opened.
std::optional<std::string> ReadStoreFile(const std::wstring& path);
// Writes `bytes` as the whole file; `disposition` is CreateFile's (CREATE_NEW, ...).
bool WriteStoreFile(const std::wstring& path, const std::string& bytes, DWORD disposition);
// Writes a temporary file beside `path` and moves it over the store.
bool ReplaceStoreFile(const std::wstring& path, const std::string& bytes);
// The system code page, with its short-name way for paths.
CodePage SystemCodePage();

}  // namespace favorites
