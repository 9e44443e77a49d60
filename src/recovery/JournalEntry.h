#pragma once
// One entry of the recovery journal: an unsaved document as it stood at its last
// journal write, and the bytes of its file. The files outlive the process that wrote
// them and may be torn by a crash or a full disk, so reading accepts only an entry
// that is whole: a marker, a version, a body whose length is exactly what remains
// and whose CRC-32 matches, and inner lengths that fit the body. No windows.h here.
//
// Layout, little-endian:
//   0  8 bytes  "TWKJRNL" and a zero
//   8  u32      version (1)
//  12  u32      body length
//  16  u32      CRC-32 of the body
//  20  body:    u8 format, u8 flags (bit 0 has a file, bit 1 read-only),
//               u8 encoding, u8 line break, u32 caret,
//               u32 name length in UTF-16 units, the name as UTF-16LE,
//               u32 content length in bytes, the content
#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace recovery {

enum class DocumentFormat : uint8_t { Plain = 0, Rich = 1 };

struct JournalEntry {
  std::wstring fileName;  // the full path, or the untitled name
  bool hasFile = false;
  DocumentFormat format = DocumentFormat::Plain;
  // The caller's own ids for the text encoding and the line breaks; the journal
  // keeps them as they are, so a later version can add kinds without a new format.
  uint8_t encoding = 0;
  uint8_t lineBreak = 0;
  bool readOnly = false;
  uint32_t caret = 0;
  std::string content;  // plain text as UTF-16LE, rich text as RTF

  bool operator==(const JournalEntry& other) const;
  bool operator!=(const JournalEntry& other) const { return !(*this == other); }
};

inline constexpr size_t kHeaderBytes = 20;
// The longest path Windows can name.
inline constexpr size_t kMaxNameUnits = 32767;
// The editor holds at most 20,971,520 characters: two bytes each as plain text, and
// rarely more than eight as RTF (a \uN escape with its fallback character).
inline constexpr size_t kMaxContentBytes = 20971520u * 8;
inline constexpr size_t kMaxEntryBytes = kHeaderBytes + 16 + 2 * kMaxNameUnits + kMaxContentBytes;

// The whole file, or an empty string when the entry cannot be written: a name longer
// than kMaxNameUnits or with a unit beyond 16 bits, content beyond kMaxContentBytes,
// or plain text of an odd number of bytes.
std::string EncodeEntry(const JournalEntry& entry);
// The entry, or nothing when the bytes are not one whole entry of this version.
std::optional<JournalEntry> DecodeEntry(std::string_view bytes);

// Text as UTF-16LE bytes and back; an odd last byte is dropped.
std::string ToUtf16Le(std::wstring_view text);
std::wstring FromUtf16Le(std::string_view bytes);

// The CRC-32 of zlib and PNG (reflected polynomial 0xEDB88320).
uint32_t Crc32(std::string_view bytes);

}  // namespace recovery
