#include "favorites/FavoritesStore.h"

#include <algorithm>
#include <cstring>

#include "win/Text.h"

namespace favorites {

namespace {

constexpr size_t kVersionOffset = 13;
constexpr size_t kTitleOffset = 21;
constexpr size_t kPathOffset = 4;
constexpr size_t kCaptionOffset = 260;

int32_t ReadInt32(std::string_view bytes, size_t offset) {
  uint32_t value = 0;
  for (size_t i = 0; i < 4; ++i) value |= static_cast<uint32_t>(static_cast<unsigned char>(bytes[offset + i])) << (8 * i);
  return static_cast<int32_t>(value);
}

void AppendInt32(std::string& out, int32_t value) {
  uint32_t bits = static_cast<uint32_t>(value);
  for (size_t i = 0; i < 4; ++i) out.push_back(static_cast<char>((bits >> (8 * i)) & 0xFF));
}

void PutInt32(std::string& out, size_t offset, int32_t value) {
  uint32_t bits = static_cast<uint32_t>(value);
  for (size_t i = 0; i < 4; ++i) out[offset + i] = static_cast<char>((bits >> (8 * i)) & 0xFF);
}

// A field without its zero is read as 255 bytes, so that whatever is read can be
// written back with its terminator.
std::string ReadField(std::string_view bytes, size_t offset) {
  std::string_view field = bytes.substr(offset, kTextFieldSize);
  size_t end = std::min(field.find('\0'), kMaxTextBytes);
  return std::string(field.substr(0, end));
}

void AppendField(std::string& out, std::string_view text) {
  text = text.substr(0, std::min(text.find('\0'), kMaxTextBytes));
  out.append(text);
  out.append(kTextFieldSize - text.size(), '\0');
}

std::string RecordBytes(const Record& record) {
  std::string out;
  out.reserve(kRecordSize);
  AppendInt32(out, record.level);
  AppendField(out, record.path);
  AppendField(out, record.caption);
  return out;
}

bool FitsField(const std::string& text) { return text.size() <= kMaxTextBytes && text.find('\0') == std::string::npos; }

bool IsHighSurrogate(wchar_t c) { return c >= 0xD800 && c <= 0xDBFF; }

StoreCheck CheckHeader(std::string_view bytes) {
  if (bytes.size() < kMarkerSize || bytes.substr(0, kMarkerSize) != std::string_view(kMarker, kMarkerSize))
    return StoreCheck::BadMarker;
  if (bytes.size() < kVersionOffset + 4) return StoreCheck::ShortHeader;
  if (ReadInt32(bytes, kVersionOffset) != kFavoritesVersion) return StoreCheck::BadVersion;
  if (bytes.size() < kHeaderSize) return StoreCheck::ShortHeader;
  return StoreCheck::Ok;
}

// How many records to take from a file whose header passed the check.
size_t AcceptedRecords(std::string_view bytes) {
  int32_t count = ReadInt32(bytes, kCountOffset);
  if (count <= 0) return 0;
  size_t whole = (bytes.size() - kHeaderSize) / kRecordSize;
  return std::min({static_cast<size_t>(count), whole, static_cast<size_t>(kMaxRecords)});
}

}  // namespace

ReadResult ReadStore(std::string_view bytes) {
  ReadResult result;
  result.check = CheckHeader(bytes);
  if (result.check != StoreCheck::Ok) return result;
  result.store.title = ReadField(bytes, kTitleOffset);
  size_t count = AcceptedRecords(bytes);
  result.store.records.reserve(count);
  for (size_t i = 0; i < count; ++i) {
    size_t at = kHeaderSize + i * kRecordSize;
    result.store.records.push_back(
        {ReadInt32(bytes, at), ReadField(bytes, at + kPathOffset), ReadField(bytes, at + kCaptionOffset)});
  }
  return result;
}

std::string WriteStore(const Store& store) {
  std::string out;
  out.reserve(kHeaderSize + kRecordSize * store.records.size());
  out.append(kMarker, kMarkerSize);
  AppendInt32(out, kFavoritesVersion);
  AppendInt32(out, static_cast<int32_t>(store.records.size()));
  AppendField(out, store.title);
  for (const Record& record : store.records) out += RecordBytes(record);
  return out;
}

std::string DefaultStoreBytes() {
  Store store;
  store.title = "Favorites";
  store.records.push_back({0, "", "[Empty]"});
  return WriteStore(store);
}

AddResult AddFavorite(std::string_view storeBytes, std::wstring_view fileName, const CodePage& codePage) {
  AddResult result;
  result.check = CheckHeader(storeBytes);
  if (result.check != StoreCheck::Ok) return result;
  Record record{0, codePage.EncodePath(fileName), ""};
  if (!FitsField(record.path)) {
    result.outcome = AddOutcome::PathTooLong;
    return result;
  }
  result.caption = CaptionFromFileName(fileName);
  record.caption = codePage.encode(result.caption);

  size_t kept = AcceptedRecords(storeBytes);
  bool replacing = ReadInt32(storeBytes, kCountOffset) == 1 && kept == 1 &&
                   ReadField(storeBytes, kHeaderSize + kCaptionOffset) == "[Empty]";
  if (replacing) kept = 0;
  if (kept >= static_cast<size_t>(kMaxRecords)) {
    result.outcome = AddOutcome::StoreFull;
    return result;
  }
  result.bytes = std::string(storeBytes.substr(0, kHeaderSize + kept * kRecordSize));
  PutInt32(result.bytes, kCountOffset, static_cast<int32_t>(kept + 1));
  result.bytes += RecordBytes(record);
  result.outcome = replacing ? AddOutcome::Replaced : AddOutcome::Appended;
  return result;
}

std::wstring CaptionFromFileName(std::wstring_view fileName) {
  std::wstring name = win::FileNamePart(fileName);
  if (name.size() > 63) return CutText(name, 60) + L"...";
  return name;
}

bool PathFits(std::wstring_view path, const CodePage& codePage) { return FitsField(codePage.EncodePath(path)); }

std::wstring CutText(std::wstring_view text, size_t length) {
  if (text.size() <= length) return std::wstring(text);
  // Half a surrogate pair would reach the code page as a stray '?'.
  if (length > 0 && IsHighSurrogate(text[length - 1])) --length;
  return std::wstring(text.substr(0, length));
}

}  // namespace favorites
