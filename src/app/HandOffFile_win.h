#pragma once
// Reading and writing param.dat on disk.
#include <optional>
#include <string>
#include <string_view>

namespace app {

// Appends `bytes` to the file, retrying for up to `timeoutMs` while the file cannot be
// opened (another writer or the reader may hold it for a moment). Returns false when
// it never opened; nothing is written then.
bool AppendHandOff(const std::wstring& path, std::string_view bytes, unsigned timeoutMs = 5000);

// Takes the file over and returns its bytes, or nothing when there is no file or it
// is busy (the next poll tries again). The file is renamed to a private name before it
// is read and deleted, so a record appended meanwhile goes to a fresh file instead of
// being lost.
std::optional<std::string> TakeHandOff(const std::wstring& path);

}  // namespace app
