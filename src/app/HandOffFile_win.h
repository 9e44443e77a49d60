#pragma once
// Reading and writing param.dat on disk.
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace app {

// Appends `bytes` to the file, retrying for up to `timeoutMs` while the file cannot be
// opened (another writer or the reader may hold it for a moment). Returns false when
// it never opened; nothing is written then.
bool AppendHandOff(const std::wstring& path, std::string_view bytes, unsigned timeoutMs = 5000);

// The reading side of param.dat. Each take renames the file to a fresh private name
// before reading it, so a record appended meanwhile goes to a new param.dat and an
// earlier private copy is never overwritten. A copy that cannot be read yet waits for
// the next take; one that was read but cannot be deleted is never read again.
class HandOffInbox {
 public:
  explicit HandOffInbox(std::wstring path);
  // The bytes of every record taken over since the last call, oldest first, or
  // nothing when there were none.
  std::optional<std::string> Take();

 private:
  std::wstring NextPrivateName();
  std::wstring path_;
  unsigned counter_ = 0;
  bool leftoversSought_ = false;
  std::vector<std::wstring> unread_;     // taken over, not read yet
  std::vector<std::wstring> undeleted_;  // read, deletion to be tried again
};

}  // namespace app
