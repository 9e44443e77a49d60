#pragma once
// Favorites.dat, the favorites store: a 277-byte header and 516-byte records,
// little-endian, with 8-bit text of the system code page in zero-terminated fixed
// fields. The file may come from anywhere (older versions, other tools, a damaged
// disk), so reading never trusts its count, levels or strings. No windows.h here.
#include <cstddef>
#include <cstdint>
#include <functional>
#include <string>
#include <string_view>
#include <vector>

namespace favorites {

inline constexpr wchar_t kStoreFileName[] = L"Favorites.dat";
inline constexpr char kMarker[] = "TWKFavorites";
inline constexpr size_t kMarkerSize = 13;  // the marker with its zero
inline constexpr int32_t kFavoritesVersion = 1;
inline constexpr size_t kTextFieldSize = 256;
inline constexpr size_t kMaxTextBytes = kTextFieldSize - 1;
inline constexpr size_t kCountOffset = 17;
inline constexpr size_t kHeaderSize = 277;
inline constexpr size_t kRecordSize = 516;
// The editor loads no more records than this, so nothing beyond it is ever shown.
inline constexpr int kMaxRecords = 4000;
// A caller never needs to read more of the file than this.
inline constexpr size_t kMaxStoreBytes = kHeaderSize + kRecordSize * kMaxRecords;
// Records of level 0 to 99 are shown; deeper ones are skipped.
inline constexpr int kMaxLevel = 99;

inline constexpr wchar_t kDefaultTitle[] = L"Favorites";
inline constexpr wchar_t kEmptyCaption[] = L"[Empty]";
inline constexpr wchar_t kSeparatorCaption[] = L"[-- Separator --]";

inline constexpr wchar_t kCannotCreateMessage[] = L"Unable to create Favorites.dat.";
inline constexpr wchar_t kCannotOpenMessage[] = L"Unable to open Favorites.dat.";
inline constexpr wchar_t kFormatChangedMessage[] =
    L"The file format of Favorites.dat has changed.\n\nManually delete the file.";
// The fixed fields hold 255 bytes of a path; a longer one is refused, never cut.
inline constexpr wchar_t kPathTooLongMessage[] = L"The path of the file is too long to be stored in Favorites.dat:\n\n%s";
inline constexpr wchar_t kStoreFullMessage[] = L"Favorites.dat holds 4000 items, as many as it can hold.";

// The system code page's conversions come from the Win32 side (win::FromAnsi,
// win::ToAnsi, win::ToAnsiPath); tests bring their own.
struct CodePage {
  std::function<std::wstring(std::string_view)> decode;
  std::function<std::string(std::wstring_view)> encode;
  // Paths may take another way into the code page (short names for characters it
  // lacks); without one they are encoded like any text.
  std::function<std::string(std::wstring_view)> encodePath;

  std::string EncodePath(std::wstring_view path) const { return encodePath ? encodePath(path) : encode(path); }
};

// Text fields hold the bytes before their terminator.
struct Record {
  int32_t level = 0;
  std::string path;
  std::string caption;
};

struct Store {
  std::string title;
  std::vector<Record> records;
};

enum class StoreCheck {
  Ok,
  BadMarker,    // the first 13 bytes are not "TWKFavorites" and a zero
  BadVersion,   // the version is not 1
  ShortHeader,  // the file ends inside the header
};

struct ReadResult {
  StoreCheck check = StoreCheck::Ok;
  Store store;  // empty unless the check passed
};

// Reads the records that are really there: no more than Count (a negative Count
// gives none), none past the last whole record, no more than kMaxRecords. A field
// without its terminating zero gives its first 255 bytes. Levels are kept as they
// are; the tree decides what they mean.
ReadResult ReadStore(std::string_view bytes);

// The whole file: Count is the number of records, texts longer than 255 bytes are
// cut, and the rest of every field is zeros.
std::string WriteStore(const Store& store);

// Written when the file is missing: the title "Favorites" and one "[Empty]" record.
std::string DefaultStoreBytes();

enum class AddOutcome {
  Replaced,     // the new favorite took the place of the lone "[Empty]"
  Appended,     // it was added after the last record
  ForeignFile,  // the marker, version or header failed (see `check`); leave the file alone
  PathTooLong,  // the path needs more than 255 bytes in the code page
  StoreFull,    // kMaxRecords records are there already
};

struct AddResult {
  AddOutcome outcome = AddOutcome::ForeignFile;
  StoreCheck check = StoreCheck::Ok;
  std::string bytes;     // the whole new file, for Replaced and Appended
  std::wstring caption;  // the new favorite's caption
};

// Favorites > Add: the document's full name becomes a favorite of level 0 named by
// its file name part (60 characters and "..." when longer than 63). The records the
// reader accepts are kept byte for byte; anything after them (records beyond Count, a
// torn last record) is dropped, so the new record always lands where Count says.
AddResult AddFavorite(std::string_view storeBytes, std::wstring_view fileName, const CodePage& codePage);

// The caption a file name gives: the first 60 characters and "..." when it is longer
// than 63, without splitting a surrogate pair.
std::wstring CaptionFromFileName(std::wstring_view fileName);

// The first `length` UTF-16 units, one fewer when the cut would split a surrogate pair.
std::wstring CutText(std::wstring_view text, size_t length);

// True when the path's code-page bytes fit a fixed field.
bool PathFits(std::wstring_view path, const CodePage& codePage);

}  // namespace favorites
