#pragma once
// The decisions of the file functions that need no window: where a copy or move goes,
// what a new name may be, which attributes the properties write, and what the
// properties say of a document's text. No windows.h here.
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace filefunc {

// Copy or Move: the File menu's and the tab menu's Copy and the tool button with tag 6
// copy; everything else that runs the handler moves.
bool IsCopyRequest(unsigned command, int tag);

// The chosen folder, one backslash and the document's name and extension. A folder
// that already ends with a backslash (a drive's root) gets no second one.
std::wstring TransferDestination(std::wstring_view folder, std::wstring_view fileName);

// A name the rename accepts as given by the user: trimmed of leading and trailing
// blanks and control characters.
std::wstring RenamedName(std::wstring_view field);
// True when `name` (already trimmed, not empty) can name a file in a folder: no folder
// separators, none of the characters the file system refuses, not "." or "..".
bool IsPlainFileName(std::wstring_view name);

// File attributes as the file system numbers them.
inline constexpr uint32_t kReadOnly = 0x1;
inline constexpr uint32_t kHidden = 0x2;
inline constexpr uint32_t kArchive = 0x20;
inline constexpr uint32_t kNormal = 0x80;

// The three attribute boxes of the properties.
struct AttributeBoxes {
  bool readOnly = false, hidden = false, archive = false;
  bool operator==(const AttributeBoxes& o) const {
    return readOnly == o.readOnly && hidden == o.hidden && archive == o.archive;
  }
  bool operator!=(const AttributeBoxes& o) const { return !(*this == o); }
};
AttributeBoxes BoxesOf(uint32_t attributes);
// The attributes to write when the user turned the boxes from `shown` to `chosen`:
// nothing when no box changed; otherwise the file's `current` attributes with only
// the three boxes' bits replaced, every other settable attribute (system, temporary,
// not indexed, offline) kept as it is.
std::optional<uint32_t> ChangedAttributes(uint32_t current, const AttributeBoxes& shown,
                                          const AttributeBoxes& chosen);

// The text's size as a file would have it: every line break counts as CR LF, whether
// the editor keeps it as CR, LF or both.
int64_t TextSizeWithCrLf(std::wstring_view text);
// The text with every line break written CR LF, as a mail body wants it.
std::wstring CrLfText(std::wstring_view text);
// The lines the properties count: the editor's count without an empty last line
// (after a final line break, or of an empty document).
int DocumentLines(int editorLineCount, bool lastLineEmpty);

}  // namespace filefunc
