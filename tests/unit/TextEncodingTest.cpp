#include <gtest/gtest.h>

#include <random>
#include <string>
#include <string_view>
#include <vector>

#include "workspace/TextEncoding.h"

using namespace workspace;
using namespace std::string_literals;
using namespace std::string_view_literals;

namespace {

// A stand-in for the system code page: Latin-1, with '?' for anything beyond it.
class Latin1 : public CodePage {
 public:
  std::wstring Decode(std::string_view bytes) const override {
    std::wstring text;
    for (char byte : bytes) text.push_back(static_cast<wchar_t>(static_cast<unsigned char>(byte)));
    return text;
  }
  std::string Encode(std::wstring_view text, bool* lossy) const override {
    ++encodeCalls;
    std::string bytes;
    for (wchar_t unit : text) {
      bool fits = static_cast<unsigned>(unit) <= 0xFF;
      if (!fits && lossy) *lossy = true;
      bytes.push_back(fits ? static_cast<char>(unit) : '?');
    }
    return bytes;
  }
  mutable int encodeCalls = 0;
};

std::wstring Units(std::initializer_list<unsigned> units) {
  std::wstring text;
  for (unsigned unit : units) text.push_back(static_cast<wchar_t>(unit));
  return text;
}

std::string Utf16Bytes(std::wstring_view text, bool bigEndian) {
  std::string bytes;
  for (wchar_t unit : text) {
    char high = static_cast<char>(static_cast<unsigned>(unit) >> 8), low = static_cast<char>(unit & 0xFF);
    bytes += bigEndian ? std::string{high, low} : std::string{low, high};
  }
  return bytes;
}

constexpr TextEncoding kEncodings[] = {TextEncoding::Ansi, TextEncoding::Utf8, TextEncoding::Utf8Bom,
                                       TextEncoding::Utf16Le, TextEncoding::Utf16Be};
constexpr LineEnding kEndings[] = {LineEnding::CrLf, LineEnding::Lf, LineEnding::Cr};

}  // namespace

TEST(RoundTrip, EveryEncodingEndingAndFinalBreakSavesBackByteForByte) {
  // "Grüße", an empty line, then "€ 😀"; the ANSI file has "Ã©té", which starts as valid UTF-8.
  const std::vector<std::wstring> lines{L"Gr\u00FC\u00DFe", L"", Units({0x20AC, ' ', 0xD83D, 0xDE00})};
  const std::vector<std::string> utf8Lines{"Gr\xC3\xBC\xC3\x9F" "e", "", "\xE2\x82\xAC \xF0\x9F\x98\x80"};
  const std::vector<std::wstring> ansiLines{L"Gr\u00FC\u00DFe", L"", L"\u00C3\u00A9t\u00E9"};
  const std::vector<std::string> ansiBytes{"Gr\xFC\xDF" "e", "", "\xC3\xA9t\xE9"};
  for (TextEncoding encoding : kEncodings)
    for (LineEnding ending : kEndings)
      for (bool finalBreak : {false, true}) {
        const bool ansi = encoding == TextEncoding::Ansi;
        const bool utf16 = encoding == TextEncoding::Utf16Le || encoding == TextEncoding::Utf16Be;
        const bool bigEndian = encoding == TextEncoding::Utf16Be;
        const std::wstring breakUnits = ending == LineEnding::CrLf ? L"\r\n" : ending == LineEnding::Lf ? L"\n" : L"\r";
        const std::vector<std::wstring>& texts = ansi ? ansiLines : lines;
        std::string file = utf16 ? Utf16Bytes(L"\xFEFF", bigEndian) : "";
        if (encoding == TextEncoding::Utf8Bom) file = "\xEF\xBB\xBF";
        std::wstring expected;
        for (size_t i = 0; i < texts.size(); ++i) {
          file += ansi ? ansiBytes[i] : utf16 ? Utf16Bytes(texts[i], bigEndian) : utf8Lines[i];
          expected += texts[i];
          if (i + 1 == texts.size() && !finalBreak) break;
          file += utf16 ? Utf16Bytes(breakUnits, bigEndian) : std::string(breakUnits.begin(), breakUnits.end());
          expected += L'\r';
        }
        SCOPED_TRACE(testing::PrintToString(file));
        DecodedFile decoded = DecodeFile(file, Latin1());
        EXPECT_EQ(decoded.encoding, encoding);
        EXPECT_EQ(decoded.breaks.Majority(), ending);
        EXPECT_FALSE(decoded.breaks.Mixed());
        EXPECT_EQ(decoded.text, expected);
        bool lossy = true;
        EXPECT_EQ(EncodeText(decoded.text, encoding, ending, Latin1(), &lossy), file);
        EXPECT_FALSE(lossy);
      }
}

TEST(RoundTrip, AnyBytesOpenedSavedAndOpenedAgainGiveTheSameText) {
  // Short files of whole characters, breaks and NULs, and half of them with damaged
  // sequences and stray bytes too, behind every kind of mark and none.
  const std::vector<std::string> pieces{"a", "\r", "\n", "\0"s, "\xC3\xA9", "\xE2\x82\xAC", "\xF0\x9F\x98\x80",
                                        "\xC3", "\x80", "\xED\xA0\x80", "\xFF", "\xD8", "\xDC"};
  const size_t wholePieces = 7;
  const char* marks[] = {"", "\xEF\xBB\xBF", "\xFF\xFE", "\xFE\xFF"};
  std::mt19937 random(7);
  for (int round = 0; round < 4000; ++round) {
    std::string bytes = marks[round % 4];
    for (unsigned n = random() % 12; n > 0; --n)
      bytes += pieces[random() % (round % 8 < 4 ? wholePieces : pieces.size())];
    SCOPED_TRACE(testing::PrintToString(bytes));
    DecodedFile first = DecodeFile(bytes, Latin1());
    std::string saved = EncodeText(first.text, first.encoding, first.breaks.Majority(), Latin1());
    DecodedFile second = DecodeFile(saved, Latin1());
    ASSERT_EQ(second.encoding, first.encoding);
    ASSERT_EQ(second.text, first.text);
    ASSERT_FALSE(second.breaks.Mixed()) << "a mixed file saves with its majority kind";
    for (size_t start = 0, end; start < bytes.size(); start = end) {
      end = PieceEnd(bytes, start, 4);
      ASSERT_TRUE(end > start && end <= bytes.size());
    }
  }
}

TEST(Detection, AMarkDecidesOtherwiseOnlyWellFormedUtf8BeyondAsciiIsUtf8) {
  struct Case {
    std::string_view bytes;
    TextEncoding expected;
    const char* why;
  } cases[] = {
      {"", TextEncoding::Ansi, "an empty file"},
      {"plain\r\n", TextEncoding::Ansi, "ASCII alone"},
      {"\xEF\xBB\xBF", TextEncoding::Utf8Bom, "only a mark"},
      {"\xFF\xFE", TextEncoding::Utf16Le, "only a mark"},
      {"\xFE\xFF", TextEncoding::Utf16Be, "only a mark"},
      {"\xEF\xBB", TextEncoding::Ansi, "a mark cut short"},
      {"a\0b\0"sv, TextEncoding::Ansi, "UTF-16 without a mark is never guessed"},
      {"\xC2\x80", TextEncoding::Utf8, "U+0080"},
      {"\xE0\xA0\x80", TextEncoding::Utf8, "U+0800"},
      {"\xED\x9F\xBF\xEE\x80\x80", TextEncoding::Utf8, "U+D7FF and U+E000, beside the surrogates"},
      {"\xF0\x90\x80\x80\xF4\x8F\xBF\xBF", TextEncoding::Utf8, "U+10000 and U+10FFFF"},
      {"\xC0\x80", TextEncoding::Ansi, "overlong U+0000"},
      {"\xE0\x9F\xBF", TextEncoding::Ansi, "overlong U+07FF"},
      {"\xF0\x8F\xBF\xBF", TextEncoding::Ansi, "overlong U+FFFF"},
      {"\xED\xA0\x80", TextEncoding::Ansi, "a high surrogate"},
      {"\xF4\x90\x80\x80", TextEncoding::Ansi, "U+110000"},
      {"\x80", TextEncoding::Ansi, "a lone continuation byte"},
      {"\xE2\x28\xA1", TextEncoding::Ansi, "ASCII inside a sequence"},
      {"caf\xE9", TextEncoding::Ansi, "Latin-1"},
      {"\xE2\x82\xAC \xE2\x82", TextEncoding::Ansi, "a sequence cut short at the end"},
      {"0123456789abcdef\xC3\xA9" "0123456789", TextEncoding::Utf8, "between long ASCII runs"},
      {std::string_view("\xE2\x82\xAC", 2), TextEncoding::Ansi, "bytes that end inside a sequence"},
  };
  for (const Case& c : cases) EXPECT_EQ(DetectEncoding(c.bytes), c.expected) << c.why;
  for (size_t lane = 0; lane < 8; ++lane) {
    std::string bytes = "\xC3\xA9" "abcdefgh" "ijklmnop";
    bytes[2 + lane] = '\xFF';
    EXPECT_EQ(DetectEncoding(bytes), TextEncoding::Ansi) << "a stray byte in place " << lane << " of a block of eight";
  }
}

TEST(Decoding, MarksGoAndDamagedBytesShowWithoutLoss) {
  struct Case {
    std::string_view bytes;
    TextEncoding encoding;
    std::wstring expected;
    const char* why;
  } cases[] = {
      {"\xFF\xFE", TextEncoding::Utf16Le, L"", "only a mark"},
      {"\xEF\xBB\xBF", TextEncoding::Utf8Bom, L"", "only a mark"},
      {"\xEF\xBB\xBF", TextEncoding::Utf8, Units({0xFEFF}), "UTF-8 without a mark keeps what looks like one"},
      {"\xFF\xFE" "a\0b"sv, TextEncoding::Utf16Le, Units({'a', 0xFFFD}), "an odd byte at the end"},
      {"\xFE\xFF\0"sv, TextEncoding::Utf16Be, Units({0xFFFD}), "a mark and an odd byte"},
      {"\xFF\xFE\x00\xDE" "a\0\x3D\xD8"sv, TextEncoding::Utf16Le, Units({0xDE00, 'a', 0xD83D}), "unpaired surrogates"},
      {"\xEF\xBB\xBF" "a\xFF" "b", TextEncoding::Utf8Bom, Units({'a', 0xFFFD, 'b'}), "a marked file that is not UTF-8"},
      {"\xE2\x82", TextEncoding::Utf8, Units({0xFFFD, 0xFFFD}), "a sequence cut short"},
  };
  for (const Case& c : cases) EXPECT_EQ(DecodeText(c.bytes, c.encoding, Latin1()), c.expected) << c.why;
}

TEST(Encoding, Utf8AtEveryLengthLimitAndUnpairedSurrogatesReplaced) {
  struct Case {
    std::wstring text;
    std::string utf8;
    bool lossy;
  } cases[] = {
      {Units({0x7F, 0x80}), "\x7F\xC2\x80", false},
      {Units({0x7FF, 0x800}), "\xDF\xBF\xE0\xA0\x80", false},
      {Units({0xFFFF, 0xD800, 0xDC00}), "\xEF\xBF\xBF\xF0\x90\x80\x80", false},
      {Units({0xDBFF, 0xDFFF}), "\xF4\x8F\xBF\xBF", false},
      {Units({'a', 0xDE00}), "a\xEF\xBF\xBD", true},
      {Units({0xD83D}), "\xEF\xBF\xBD", true},
      {Units({0xD83D, 0xD83D, 0xDE00}), "\xEF\xBF\xBD\xF0\x9F\x98\x80", true},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(testing::PrintToString(c.utf8));
    bool lossy = !c.lossy;
    EXPECT_EQ(EncodeText(c.text, TextEncoding::Utf8, LineEnding::CrLf, Latin1(), &lossy), c.utf8);
    EXPECT_EQ(lossy, c.lossy);
    if (!c.lossy) {
      EXPECT_EQ(DecodeText(c.utf8, TextEncoding::Utf8, Latin1()), c.text);
    }
  }
  std::string file = "\xFF\xFE\x00\xDE" "a\0\x3D\xD8"s;
  bool lossy = true;
  EXPECT_EQ(EncodeText(DecodeFile(file, Latin1()).text, TextEncoding::Utf16Le, LineEnding::CrLf, Latin1(), &lossy),
            file)
      << "UTF-16 keeps unpaired surrogates";
  EXPECT_FALSE(lossy);
}

TEST(Encoding, EveryKindOfBreakFromTheEditorIsOneBreak) {
  struct Case {
    std::wstring_view text;
    LineEnding ending;
    std::string_view expected;
  } cases[] = {
      {L"a\r\nb\rc\nd", LineEnding::Lf, "a\nb\nc\nd"},
      {L"\r\r\n", LineEnding::CrLf, "\r\n\r\n"},
      {L"\n\r", LineEnding::CrLf, "\r\n\r\n"},
      {L"\r", LineEnding::CrLf, "\r\n"},
  };
  for (const Case& c : cases)
    for (TextEncoding encoding : {TextEncoding::Ansi, TextEncoding::Utf8})
      EXPECT_EQ(EncodeText(c.text, encoding, c.ending, Latin1()), c.expected);
  EXPECT_EQ(EncodeText(L"\r\n\n", TextEncoding::Utf16Be, LineEnding::Cr, Latin1()), "\xFE\xFF\0\r\0\r"s);
  DecodedFile mixed = DecodeFile("a\nb\r\nc\nd\r", Latin1());
  EXPECT_EQ(EncodeText(mixed.text, mixed.encoding, mixed.breaks.Majority(), Latin1()), "a\nb\nc\nd\n")
      << "a mixed file saves with its majority kind";
}

TEST(Encoding, TheAnsiCheckCatchesWhatTheCodePageLacks) {
  Latin1 latin1;
  EXPECT_TRUE(FitsCodePage(L"plain\r\n", latin1));
  EXPECT_EQ(latin1.encodeCalls, 0) << "ASCII alone needs no converter";
  EXPECT_TRUE(FitsCodePage(L"caf\u00E9", latin1));
  EXPECT_FALSE(FitsCodePage(L"abc \u03B1", latin1));
  EXPECT_FALSE(FitsCodePage(Units({'a', 0xD83D, 0xDE00}), latin1));
  bool lossy = false;
  EXPECT_EQ(EncodeText(L"\u03B1\r\n", TextEncoding::Ansi, LineEnding::Lf, latin1, &lossy), "?\n");
  EXPECT_TRUE(lossy);
  EncodeText(L"caf\u00E9", TextEncoding::Ansi, LineEnding::Lf, latin1, &lossy);
  EXPECT_FALSE(lossy) << "a clean save clears the flag";
}

TEST(LineEndings, EveryBreakBecomesOneCrAndCountsByItsKind) {
  struct Case {
    std::wstring text;
    std::wstring editorText;
    size_t crLf, lf, cr;
    LineEnding majority;
    bool mixed;
  } cases[] = {
      {L"", L"", 0, 0, 0, LineEnding::CrLf, false},
      {L"no break", L"no break", 0, 0, 0, LineEnding::CrLf, false},
      {L"a\nb\n", L"a\rb\r", 0, 2, 0, LineEnding::Lf, false},
      {L"a\rb", L"a\rb", 0, 0, 1, LineEnding::Cr, false},
      {L"\r\n\n\r", L"\r\r\r", 1, 1, 1, LineEnding::CrLf, true},
      {L"\n\r", L"\r\r", 0, 1, 1, LineEnding::Lf, true},
      {L"\r\r\n", L"\r\r", 1, 0, 1, LineEnding::CrLf, true},
      {L"\r\r\n\r", L"\r\r\r", 1, 0, 2, LineEnding::Cr, true},
      {L"\n\n\r\nx", L"\r\r\rx", 1, 2, 0, LineEnding::Lf, true},
  };
  for (Case& c : cases) {
    SCOPED_TRACE(testing::PrintToString(c.text));
    LineBreaks breaks = ToEditorBreaks(c.text);
    EXPECT_EQ(c.text, c.editorText);
    EXPECT_EQ((std::vector<size_t>{breaks.crLf, breaks.lf, breaks.cr}), (std::vector<size_t>{c.crLf, c.lf, c.cr}));
    EXPECT_EQ(breaks.Majority(), c.majority);
    EXPECT_EQ(breaks.Mixed(), c.mixed);
  }
}

TEST(Pieces, EndBeforeACrLfPairASurrogatePairOrAUtf8Sequence) {
  const std::wstring pair = Units({0xD83D, 0xDE00});
  struct Case {
    std::wstring text;
    size_t start, limit, expected;
    const char* why;
  } cases[] = {
      {L"ab\r\ncd", 0, 3, 2, "not between CR and LF"},
      {L"ab\r\ncd", 0, 4, 4, "after the pair"},
      {L"a\r\rb", 0, 3, 1, "not on a CR while more follows"},
      {L"ab\r", 0, 3, 3, "a CR that ends the text"},
      {L"\r\r\r\n", 0, 2, 2, "a run of CRs longer than the piece"},
      {L"\r\r\r\n", 0, 3, 2, "and still not before its LF"},
      {L"\r\n", 0, 1, 1, "a piece of one unit cannot help it"},
      {L"a" + pair + L"b", 0, 2, 1, "not inside a surrogate pair"},
      {L"a" + pair + L"b", 0, 3, 3, "after the pair"},
      {pair + L"\r\n", 0, 3, 2, "a pair, then not before the LF"},
      {L"\r" + pair, 0, 2, 1, "a CR alone rather than half a pair"},
      {L"abc", 3, 5, 3, "nothing left"},
      {L"abc", 1, 0, 1, "no room"},
  };
  for (const Case& c : cases) EXPECT_EQ(PieceEnd(c.text, c.start, c.limit), c.expected) << c.why;
  struct ByteCase {
    std::string_view bytes;
    size_t limit, expected;
    const char* why;
  } byteCases[] = {
      {"a\xE2\x82\xAC" "b", 2, 1, "not after the lead byte"},
      {"a\xE2\x82\xAC" "b", 3, 1, "not inside"},
      {"a\xE2\x82\xAC" "b", 4, 4, "after the sequence"},
      {"ab\xF0\x9F\x98\x80", 5, 2, "not inside four bytes"},
      {"\xC3\xA9\r\n", 3, 2, "not between CR and LF"},
      {"a\x80\x80\x80\x80" "b", 3, 3, "stray continuation bytes hold no character"},
  };
  for (const ByteCase& c : byteCases) EXPECT_EQ(PieceEnd(c.bytes, 0, c.limit), c.expected) << c.why;
}

TEST(StatusBar, NamesTheEncodingAndTheLineEnding) {
  EXPECT_EQ(StatusText(TextEncoding::Utf8, LineEnding::Lf), L"UTF-8 | LF");
  EXPECT_EQ(StatusText(TextEncoding::Ansi, LineEnding::CrLf), L"ANSI | CR LF");
  EXPECT_EQ(StatusText(TextEncoding::Utf8Bom, LineEnding::CrLf), L"UTF-8 BOM | CR LF");
  EXPECT_EQ(StatusText(TextEncoding::Utf16Le, LineEnding::CrLf), L"UTF-16 LE | CR LF");
  EXPECT_EQ(StatusText(TextEncoding::Utf16Be, LineEnding::Cr), L"UTF-16 BE | CR");
}
