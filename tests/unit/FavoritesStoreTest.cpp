#include <gtest/gtest.h>

#include <climits>
#include <cstdint>
#include <string>
#include <vector>

#include "favorites/FavoritesStore.h"
#include "unit/FavoritesSupport.h"

using namespace favorites;
using testing_support::TestCodePage;

namespace {

int32_t Int32At(const std::string& bytes, size_t offset) {
  uint32_t value = 0;
  for (size_t i = 0; i < 4; ++i) value |= static_cast<uint32_t>(static_cast<unsigned char>(bytes[offset + i])) << (8 * i);
  return static_cast<int32_t>(value);
}

void PutInt32(std::string& bytes, size_t offset, int32_t value) {
  for (size_t i = 0; i < 4; ++i) bytes[offset + i] = static_cast<char>((static_cast<uint32_t>(value) >> (8 * i)) & 0xFF);
}

std::string Field(const std::string& text) { return text + std::string(256 - text.size(), '\0'); }

}  // namespace

TEST(FavoritesStore, TheDefaultStoreHasItsFieldsAtTheirOffsets) {
  std::string bytes = DefaultStoreBytes();
  ASSERT_EQ(bytes.size(), 793u);
  struct {
    size_t offset;
    std::string expected;
  } fields[] = {
      {0, std::string("TWKFavorites\0\1\0\0\0\1\0\0\0", 21)},
      {21, Field("Favorites")},
      {277, std::string(4, '\0') + Field("") + Field("[Empty]")},
  };
  for (const auto& field : fields) EXPECT_EQ(bytes.substr(field.offset, field.expected.size()), field.expected);
}

TEST(FavoritesStore, AddingReplacesTheLonePlaceholderThenAppendsKeepingWhatIsThere) {
  AddResult first = AddFavorite(DefaultStoreBytes(), L"C:\\Docs\\R&D notes.txt", TestCodePage());
  EXPECT_EQ(first.outcome, AddOutcome::Replaced);
  EXPECT_EQ(first.caption, L"R&D notes.txt");
  EXPECT_EQ(first.bytes, DefaultStoreBytes().substr(0, 277) + std::string(4, '\0') +
                             Field("C:\\Docs\\R&D notes.txt") + Field("R&D notes.txt"));

  first.bytes[21 + 200] = 'x';  // bytes after a terminator mean nothing, and stay
  AddResult second = AddFavorite(first.bytes, L"Untitled01.txt", TestCodePage());
  EXPECT_EQ(second.outcome, AddOutcome::Appended);
  ASSERT_EQ(second.bytes.size(), 1309u);
  EXPECT_EQ(Int32At(second.bytes, 17), 2);
  EXPECT_EQ(second.bytes.substr(21, 772), first.bytes.substr(21, 772));

  std::string placeholderAmongTwo = WriteStore({"T", {{0, "", "[Empty]"}, {0, "C:\\a", "a"}}});
  EXPECT_EQ(AddFavorite(placeholderAmongTwo, L"C:\\b", TestCodePage()).outcome, AddOutcome::Appended);
}

TEST(FavoritesStore, LongNamesGiveCutCaptionsAndPathsThatDoNotFitAreRefused) {
  std::wstring a63(63, L'a'), a64(64, L'a'), pair = std::wstring(59, L'a') + L"\xD83D\xDE00" + L"bbbb";
  EXPECT_EQ(CaptionFromFileName(L"C:\\D\\" + a63), a63);
  EXPECT_EQ(CaptionFromFileName(L"C:\\D\\" + a64), a64.substr(0, 60) + L"...");
  EXPECT_EQ(CaptionFromFileName(pair), pair.substr(0, 59) + L"...") << "a surrogate pair is not split";

  auto add = [](std::wstring path, size_t otherBytes) {
    return AddFavorite(DefaultStoreBytes(), path, TestCodePage(otherBytes)).outcome;
  };
  std::wstring han(1, static_cast<wchar_t>(0x4E2D));
  EXPECT_EQ(add(L"C:\\" + std::wstring(252, L'a'), 1), AddOutcome::Replaced);
  EXPECT_EQ(add(L"C:\\" + std::wstring(253, L'a'), 1), AddOutcome::PathTooLong);
  EXPECT_EQ(add(L"C:\\" + std::wstring(126, han[0]), 2), AddOutcome::Replaced);
  EXPECT_EQ(add(L"C:\\" + std::wstring(127, han[0]), 2), AddOutcome::PathTooLong) << "130 characters, 257 bytes";
}

TEST(FavoritesStore, ForeignFilesAreReportedByWhatFailedAndLeftAlone) {
  std::string good = DefaultStoreBytes();
  auto with = [&](size_t offset, const std::string& bytes) {
    return good.substr(0, offset) + bytes + good.substr(offset + bytes.size());
  };
  struct {
    const char* what;
    std::string bytes;
    StoreCheck check;
  } cases[] = {
      {"marker without its zero", with(12, "s"), StoreCheck::BadMarker},
      {"version 2", with(13, std::string("\2\0\0\0", 4)), StoreCheck::BadVersion},
      {"empty file", "", StoreCheck::BadMarker},
      {"cut inside the version", good.substr(0, 15), StoreCheck::ShortHeader},
      {"cut inside the title", good.substr(0, 276), StoreCheck::ShortHeader},
  };
  for (const auto& c : cases) {
    EXPECT_EQ(ReadStore(c.bytes).check, c.check) << c.what;
    AddResult added = AddFavorite(c.bytes, L"C:\\a.txt", TestCodePage());
    EXPECT_EQ(added.outcome, AddOutcome::ForeignFile) << c.what;
    EXPECT_EQ(added.check, c.check) << c.what;
    EXPECT_TRUE(added.bytes.empty()) << c.what;
  }
}

TEST(FavoritesStore, OnlyWholeRecordsUpToCountAreReadAndAnAddFollowsThem) {
  struct {
    const char* what;
    int32_t count;
    size_t recordBytes;
    size_t expected;
  } cases[] = {
      {"count above the records", 5, 3 * 516, 3}, {"torn last record", 3, 2 * 516 + 515, 2},
      {"count below the records", 1, 3 * 516, 1}, {"negative count", -1, 3 * 516, 0},
      {"largest count", INT_MAX, 3 * 516, 3},     {"smallest count", INT_MIN, 3 * 516, 0},
  };
  for (const auto& c : cases) {
    std::string bytes = WriteStore({"T", {{0, "a", "A"}, {0, "b", "B"}, {0, "c", "C"}}}).substr(0, 277 + c.recordBytes);
    PutInt32(bytes, 17, c.count);
    EXPECT_EQ(ReadStore(bytes).store.records.size(), c.expected) << c.what;
    AddResult added = AddFavorite(bytes, L"C:\\new", TestCodePage());
    ASSERT_EQ(added.bytes.size(), 277 + 516 * (c.expected + 1)) << c.what;
    EXPECT_EQ(Int32At(added.bytes, 17), static_cast<int32_t>(c.expected + 1)) << c.what;
    EXPECT_EQ(ReadStore(added.bytes).store.records.back().path, "C:\\new") << c.what;
  }
}

TEST(FavoritesStore, NoMoreThan4000RecordsAreReadOrAdded) {
  std::vector<Record> records(4100, Record{0, "C:\\f", "f"});
  std::string bytes = WriteStore({"T", records}) + std::string(1 << 20, '\x7F');
  EXPECT_EQ(ReadStore(bytes).store.records.size(), 4000u);
  EXPECT_EQ(AddFavorite(bytes, L"C:\\g", TestCodePage()).outcome, AddOutcome::StoreFull);
  records.resize(3999);
  EXPECT_EQ(AddFavorite(WriteStore({"T", records}), L"C:\\g", TestCodePage()).bytes.size(), kMaxStoreBytes);
}

TEST(FavoritesStore, UnterminatedFieldsAreReadAs255BytesAndLevelsAsSignedIntegers) {
  std::string bytes = WriteStore({"T", {{-2, "p", "c"}, {0x01020304, "", ""}}});
  EXPECT_EQ(bytes.substr(277, 4), "\xFE\xFF\xFF\xFF");
  EXPECT_EQ(bytes.substr(793, 4), "\x04\x03\x02\x01");
  bytes.replace(21, 256, std::string(256, 'T'));
  bytes.replace(281, 512, std::string(512, 'P'));
  ReadResult read = ReadStore(bytes);
  ASSERT_EQ(read.store.records.size(), 2u);
  EXPECT_EQ(read.store.title, std::string(255, 'T'));
  EXPECT_EQ(read.store.records[0].path, std::string(255, 'P'));
  EXPECT_EQ(read.store.records[0].level, -2);
  EXPECT_EQ(read.store.records[1].level, 0x01020304);
  std::string written = WriteStore(read.store);
  for (size_t end : {21 + 255, 281 + 255, 537 + 255}) EXPECT_EQ(written[end], '\0') << end;
}
