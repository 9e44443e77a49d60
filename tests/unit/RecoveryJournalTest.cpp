#include <gtest/gtest.h>

#include <cstdint>
#include <string>
#include <vector>

#include "recovery/JournalEntry.h"
#include "recovery/JournalNames.h"

using namespace recovery;

namespace {

std::string U32(uint32_t value) {
  std::string bytes;
  for (int i = 0; i < 4; ++i) bytes.push_back(static_cast<char>((value >> (8 * i)) & 0xFF));
  return bytes;
}

// A header with a matching CRC around any body, so that the body's own checks are
// what a test meets.
std::string Sealed(const std::string& body, uint32_t version = 1) {
  return std::string("TWKJRNL\0", 8) + U32(version) + U32(static_cast<uint32_t>(body.size())) + U32(Crc32(body)) + body;
}

std::string Body(uint8_t format, uint8_t flags, uint32_t nameUnits, const std::string& name, uint32_t contentBytes,
                 const std::string& content) {
  return std::string{static_cast<char>(format), static_cast<char>(flags), 0, 0} + U32(0) + U32(nameUnits) + name +
         U32(contentBytes) + content;
}

JournalEntry Entry(std::wstring name, DocumentFormat format, std::string content) {
  JournalEntry entry;
  entry.fileName = std::move(name);
  entry.format = format;
  entry.content = std::move(content);
  return entry;
}

JournalEntry Sample() {
  JournalEntry entry = Entry(L"C:\\Docs\\notes.txt", DocumentFormat::Plain, ToUtf16Le(L"one\rtwo"));
  entry.hasFile = true;
  entry.caret = 4;
  return entry;
}

}  // namespace

TEST(RecoveryJournal, EntriesComeBackAsTheyWereWritten) {
  std::string everyByte;
  for (int i = 0; i < 256; ++i) everyByte.push_back(static_cast<char>(i));
  JournalEntry flags = Entry(L"Untitled01.rtf", DocumentFormat::Rich, "{\\rtf1 x}");
  flags.hasFile = false;
  flags.readOnly = true;
  flags.caret = UINT32_MAX;
  flags.encoding = 255;
  flags.lineBreak = 255;
  const JournalEntry entries[] = {
      JournalEntry(),
      Sample(),
      flags,
      Entry(L"Untitled02.", DocumentFormat::Rich, everyByte),
      Entry(std::wstring(L"a\0b", 3), DocumentFormat::Plain, std::string(2, '\0')),
      Entry(L"C:\\\xD83D\xDE00\\\xD800.txt", DocumentFormat::Plain, ToUtf16Le(L"\xDC00\xD83D\xDE00")),
      Entry(std::wstring(kMaxNameUnits, L'\xFFFF'), DocumentFormat::Plain, ""),
  };
  for (const JournalEntry& entry : entries) {
    std::string bytes = EncodeEntry(entry);
    ASSERT_FALSE(bytes.empty()) << bytes.size();
    std::optional<JournalEntry> back = DecodeEntry(bytes);
    ASSERT_TRUE(back.has_value()) << entry.fileName.size();
    EXPECT_TRUE(*back == entry) << entry.fileName.size();
  }
  EXPECT_EQ(FromUtf16Le(ToUtf16Le(L"x\xD83D\xDE00")), L"x\xD83D\xDE00");
}

TEST(RecoveryJournal, TheLayoutStaysReadableByLaterVersions) {
  EXPECT_EQ(Crc32("123456789"), 0xCBF43926u);
  JournalEntry entry = Entry(L"a.rtf", DocumentFormat::Rich, "{\\rtf1}");
  entry.hasFile = true;
  entry.readOnly = true;
  entry.encoding = 2;
  entry.lineBreak = 1;
  entry.caret = 0x01020304;
  const std::string pinned = std::string("TWKJRNL\0\1\0\0\0\x21\0\0\0\xab\xb0\xed\x36", 20) +
                             std::string("\1\3\2\1\4\3\2\1\5\0\0\0a\0.\0r\0t\0f\0\7\0\0\0{\\rtf1}", 33);
  EXPECT_EQ(EncodeEntry(entry), pinned);
  std::optional<JournalEntry> read = DecodeEntry(pinned);
  ASSERT_TRUE(read.has_value());
  EXPECT_TRUE(*read == entry);
}

TEST(RecoveryJournal, ATornOrDamagedEntryIsRejectedWhole) {
  const std::string good = EncodeEntry(Sample());
  ASSERT_TRUE(DecodeEntry(good).has_value());
  for (size_t size = 0; size < good.size(); ++size)
    EXPECT_FALSE(DecodeEntry(good.substr(0, size)).has_value()) << "cut to " << size;
  EXPECT_FALSE(DecodeEntry(good + '\0').has_value()) << "a byte after the body";
  for (size_t at = 0; at < good.size(); ++at) {
    for (int bit = 0; bit < 8; ++bit) {
      std::string flipped = good;
      flipped[at] = static_cast<char>(flipped[at] ^ (1 << bit));
      EXPECT_FALSE(DecodeEntry(flipped).has_value()) << "byte " << at << " bit " << bit;
    }
  }
}

TEST(RecoveryJournal, LengthsAndValuesThatDoNotFitAreRejectedEvenWithAGoodChecksum) {
  const std::string name = ToUtf16Le(L"ab"), text = ToUtf16Le(L"xy");
  ASSERT_TRUE(DecodeEntry(Sealed(Body(0, 1, 2, name, 4, text))).has_value()) << "the unchanged case";
  struct {
    const char* what;
    std::string bytes;
  } cases[] = {
      {"name longer than the body", Sealed(Body(0, 1, 3, name, 4, text))},
      {"name length at its maximum", Sealed(Body(0, 1, 0xFFFFFFFF, name, 4, text))},
      {"name over the limit", Sealed(Body(0, 0, kMaxNameUnits + 1, std::string(2 * kMaxNameUnits + 2, 'a'), 0, ""))},
      {"content longer than the body", Sealed(Body(0, 1, 2, name, 5, text))},
      {"content shorter than the body", Sealed(Body(1, 1, 2, name, 3, text))},
      {"content length at its maximum", Sealed(Body(0, 1, 2, name, 0xFFFFFFFF, text))},
      {"body cut inside the fixed part", Sealed(Body(0, 1, 2, name, 4, text).substr(0, 7))},
      {"unknown format", Sealed(Body(2, 1, 2, name, 4, text))},
      {"unknown flag", Sealed(Body(0, 4, 2, name, 4, text))},
      {"plain text of an odd number of bytes", Sealed(Body(0, 1, 2, name, 3, "xyz"))},
      {"later version", Sealed(Body(0, 1, 2, name, 4, text), 2)},
      {"header says a longer body", Sealed(Body(0, 1, 2, name, 4, text)).replace(12, 4, U32(0xFFFFFFFF))},
      {"other marker", "TWKJRNX" + Sealed(Body(0, 1, 2, name, 4, text)).substr(7)},
  };
  for (const auto& c : cases) EXPECT_FALSE(DecodeEntry(c.bytes).has_value()) << c.what;
}

TEST(RecoveryJournal, EntriesTheFormatCannotHoldAreNotWritten) {
  EXPECT_EQ(EncodeEntry(Entry(std::wstring(kMaxNameUnits + 1, L'a'), DocumentFormat::Plain, "")), "");
  EXPECT_EQ(EncodeEntry(Entry(L"a.txt", DocumentFormat::Plain, "odd")), "") << "half a UTF-16 unit";
  EXPECT_NE(EncodeEntry(Entry(L"a.rtf", DocumentFormat::Rich, "odd")), "");
}

TEST(JournalNames, EveryNameParsesBackToItsOwnerKindAndNumber) {
  const std::wstring owner = MakeOwnerId(0x1234, 0xABCDEF);
  EXPECT_EQ(owner, L"000012340000000000abcdef");
  struct {
    std::wstring name;
    JournalFileKind kind;
    unsigned number;
  } cases[] = {
      {LockFileName(owner), JournalFileKind::Lock, 0},
      {SlotFileName(owner, 0), JournalFileKind::Slot, 0},
      {SlotFileName(owner, kMaxFileNumber), JournalFileKind::Slot, kMaxFileNumber},
      {TakenFileName(owner, 0), JournalFileKind::Taken, 0},
      {TakenFileName(owner, 12), JournalFileKind::Taken, 12},
      {LoadingFileName(owner), JournalFileKind::Loading, 0},
      {TempFileName(SlotFileName(owner, 7)), JournalFileKind::Temp, 0},
      {TempFileName(LoadingFileName(owner)), JournalFileKind::Temp, 0},
  };
  for (const auto& c : cases) {
    std::optional<JournalFile> file = ParseJournalFileName(c.name);
    ASSERT_TRUE(file.has_value()) << c.name;
    EXPECT_EQ(file->owner, owner);
    EXPECT_EQ(file->kind, c.kind) << file->number;
    EXPECT_EQ(file->number, c.number);
  }
  EXPECT_EQ(ParseJournalFileName(LockFileName(L"0"))->owner, L"0");
}

TEST(JournalNames, NamesOutsideTheRulesAreSomeoneElses) {
  const wchar_t* names[] = {
      L"",
      L"Tarnwick.ini",
      L".lock",
      L"-1.twr",
      L"abc-.twr",
      L"abc-01.twr",
      L"abc-100000.twr",
      L"abc-t100000.twr",
      L"abc-t01.twr",
      L"abc-t.twr",
      L"abc-x.twr",
      L"abc--1.twr",
      L"abc-1-2.twr",
      L"abc-loading2.twr",
      L"ABC-1.twr",
      L"abc-1.TWR",
      L"abc-1.twr ",
      L"abc.lock.tmp",
      L"abc-1.twr.tmp.tmp",
      L"abc.tmp",
      L"g-1.twr",
      L"000000000000000000000000000000000-1.twr",
  };
  for (const wchar_t* name : names) EXPECT_FALSE(ParseJournalFileName(name).has_value()) << name;
}
