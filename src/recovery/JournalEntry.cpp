#include "recovery/JournalEntry.h"

#include <array>

namespace recovery {

namespace {

constexpr char kMarker[8] = {'T', 'W', 'K', 'J', 'R', 'N', 'L', '\0'};
constexpr uint32_t kVersion = 1;
constexpr uint8_t kHasFileFlag = 1;
constexpr uint8_t kReadOnlyFlag = 2;
// The fixed part of the body: format, flags, encoding, line break, caret and the two lengths.
constexpr size_t kFixedBodyBytes = 16;

void AppendU32(std::string& out, uint32_t value) {
  for (int i = 0; i < 4; ++i) out.push_back(static_cast<char>((value >> (8 * i)) & 0xFF));
}

// Reads the body front to back; every read first checks that the bytes are there.
class Reader {
 public:
  explicit Reader(std::string_view bytes) : bytes_(bytes) {}
  size_t Remaining() const { return bytes_.size() - at_; }
  bool U8(uint8_t& value) {
    if (Remaining() < 1) return false;
    value = static_cast<uint8_t>(bytes_[at_++]);
    return true;
  }
  bool U32(uint32_t& value) {
    if (Remaining() < 4) return false;
    value = 0;
    for (int i = 0; i < 4; ++i) value |= static_cast<uint32_t>(static_cast<uint8_t>(bytes_[at_++])) << (8 * i);
    return true;
  }
  bool Bytes(size_t count, std::string_view& out) {
    if (Remaining() < count) return false;
    out = bytes_.substr(at_, count);
    at_ += count;
    return true;
  }

 private:
  std::string_view bytes_;
  size_t at_ = 0;
};

std::array<uint32_t, 256> MakeCrcTable() {
  std::array<uint32_t, 256> table{};
  for (uint32_t n = 0; n < 256; ++n) {
    uint32_t c = n;
    for (int k = 0; k < 8; ++k) c = (c & 1) ? 0xEDB88320u ^ (c >> 1) : c >> 1;
    table[n] = c;
  }
  return table;
}

bool NameFits(std::wstring_view name) {
  if (name.size() > kMaxNameUnits) return false;
  for (wchar_t unit : name)
    if (static_cast<uint32_t>(unit) >> 16) return false;
  return true;
}

std::optional<JournalEntry> DecodeBody(std::string_view body) {
  Reader reader(body);
  JournalEntry entry;
  uint8_t format = 0, flags = 0;
  uint32_t nameUnits = 0, contentBytes = 0;
  std::string_view name, content;
  if (!reader.U8(format) || !reader.U8(flags) || !reader.U8(entry.encoding) || !reader.U8(entry.lineBreak) ||
      !reader.U32(entry.caret) || !reader.U32(nameUnits) || nameUnits > kMaxNameUnits ||
      !reader.Bytes(size_t{nameUnits} * 2, name) || !reader.U32(contentBytes) || contentBytes > kMaxContentBytes ||
      !reader.Bytes(contentBytes, content) || reader.Remaining() != 0)
    return std::nullopt;
  // Anything this version would not have written is someone else's file.
  if (format > static_cast<uint8_t>(DocumentFormat::Rich) || (flags & ~(kHasFileFlag | kReadOnlyFlag)))
    return std::nullopt;
  entry.format = static_cast<DocumentFormat>(format);
  if (entry.format == DocumentFormat::Plain && content.size() % 2) return std::nullopt;
  entry.hasFile = flags & kHasFileFlag;
  entry.readOnly = flags & kReadOnlyFlag;
  entry.fileName = FromUtf16Le(name);
  entry.content = std::string(content);
  return entry;
}

}  // namespace

bool JournalEntry::operator==(const JournalEntry& other) const {
  return fileName == other.fileName && hasFile == other.hasFile && format == other.format &&
         encoding == other.encoding && lineBreak == other.lineBreak && readOnly == other.readOnly &&
         caret == other.caret && content == other.content;
}

std::string EncodeEntry(const JournalEntry& entry) {
  if (!NameFits(entry.fileName) || entry.content.size() > kMaxContentBytes) return std::string();
  if (entry.format == DocumentFormat::Plain && entry.content.size() % 2) return std::string();
  std::string body;
  body.reserve(kFixedBodyBytes + 2 * entry.fileName.size() + entry.content.size());
  body.push_back(static_cast<char>(entry.format));
  body.push_back(static_cast<char>((entry.hasFile ? kHasFileFlag : 0) | (entry.readOnly ? kReadOnlyFlag : 0)));
  body.push_back(static_cast<char>(entry.encoding));
  body.push_back(static_cast<char>(entry.lineBreak));
  AppendU32(body, entry.caret);
  AppendU32(body, static_cast<uint32_t>(entry.fileName.size()));
  body += ToUtf16Le(entry.fileName);
  AppendU32(body, static_cast<uint32_t>(entry.content.size()));
  body += entry.content;

  std::string out(kMarker, sizeof(kMarker));
  out.reserve(kHeaderBytes + body.size());
  AppendU32(out, kVersion);
  AppendU32(out, static_cast<uint32_t>(body.size()));
  AppendU32(out, Crc32(body));
  return out + body;
}

std::optional<JournalEntry> DecodeEntry(std::string_view bytes) {
  Reader header(bytes);
  std::string_view marker;
  uint32_t version = 0, bodyBytes = 0, crc = 0;
  if (!header.Bytes(sizeof(kMarker), marker) || marker != std::string_view(kMarker, sizeof(kMarker)) ||
      !header.U32(version) || version != kVersion || !header.U32(bodyBytes) || !header.U32(crc))
    return std::nullopt;
  // A torn file is shorter than its header says; one with bytes after the body is not ours.
  if (bodyBytes != header.Remaining()) return std::nullopt;
  std::string_view body = bytes.substr(kHeaderBytes);
  if (Crc32(body) != crc) return std::nullopt;
  return DecodeBody(body);
}

std::string ToUtf16Le(std::wstring_view text) {
  std::string bytes;
  bytes.reserve(text.size() * 2);
  for (wchar_t unit : text) {
    bytes.push_back(static_cast<char>(static_cast<uint32_t>(unit) & 0xFF));
    bytes.push_back(static_cast<char>((static_cast<uint32_t>(unit) >> 8) & 0xFF));
  }
  return bytes;
}

std::wstring FromUtf16Le(std::string_view bytes) {
  std::wstring text;
  text.reserve(bytes.size() / 2);
  for (size_t i = 0; i + 1 < bytes.size(); i += 2)
    text.push_back(static_cast<wchar_t>(static_cast<uint8_t>(bytes[i]) | (static_cast<uint8_t>(bytes[i + 1]) << 8)));
  return text;
}

uint32_t Crc32(std::string_view bytes) {
  static const std::array<uint32_t, 256> table = MakeCrcTable();
  uint32_t crc = 0xFFFFFFFFu;
  for (char byte : bytes) crc = table[(crc ^ static_cast<uint8_t>(byte)) & 0xFF] ^ (crc >> 8);
  return crc ^ 0xFFFFFFFFu;
}

}  // namespace recovery
