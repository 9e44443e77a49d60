#include "workspace/TextEncoding.h"

#include <algorithm>
#include <cstdint>
#include <cstring>

namespace workspace {

namespace {

constexpr char32_t kReplacement = 0xFFFD;
constexpr std::string_view kUtf8Mark = "\xEF\xBB\xBF";
constexpr std::string_view kUtf16LeMark = "\xFF\xFE";
constexpr std::string_view kUtf16BeMark = "\xFE\xFF";

bool StartsWith(std::string_view bytes, std::string_view mark) { return bytes.substr(0, mark.size()) == mark; }

std::string_view WithoutMark(std::string_view bytes, std::string_view mark) {
  if (StartsWith(bytes, mark)) bytes.remove_prefix(mark.size());
  return bytes;
}

const unsigned char* Bytes(std::string_view bytes) { return reinterpret_cast<const unsigned char*>(bytes.data()); }

bool IsHighSurrogate(char32_t unit) { return unit >= 0xD800 && unit <= 0xDBFF; }
bool IsLowSurrogate(char32_t unit) { return unit >= 0xDC00 && unit <= 0xDFFF; }
bool IsContinuation(unsigned char byte) { return (byte & 0xC0) == 0x80; }

// The length a UTF-8 lead byte announces; 0 for bytes that never lead (C0 and C1
// only start overlong forms, F5 and above only values beyond U+10FFFF).
size_t Utf8Length(unsigned char lead) {
  if (lead < 0x80) return 1;
  if (lead >= 0xC2 && lead <= 0xDF) return 2;
  if (lead >= 0xE0 && lead <= 0xEF) return 3;
  if (lead >= 0xF0 && lead <= 0xF4) return 4;
  return 0;
}

// The length of the well-formed sequence at p[0], and its value; 0 for an overlong
// form, a surrogate, a value beyond U+10FFFF or a sequence the data cuts short.
size_t ReadUtf8(const unsigned char* p, size_t available, char32_t& value) {
  static constexpr unsigned char kLeadBits[] = {0, 0x7F, 0x1F, 0x0F, 0x07};
  static constexpr char32_t kSmallest[] = {0, 0, 0x80, 0x800, 0x10000};
  size_t length = Utf8Length(p[0]);
  if (length == 0 || length > available) return 0;
  value = p[0] & kLeadBits[length];
  for (size_t i = 1; i < length; ++i) {
    if (!IsContinuation(p[i])) return 0;
    value = (value << 6) | (p[i] & 0x3Fu);
  }
  if (value < kSmallest[length] || value > 0x10FFFF || (value >= 0xD800 && value <= 0xDFFF)) return 0;
  return length;
}

// Most of a large file is ASCII: step over it eight bytes at a time.
size_t SkipAscii(const unsigned char* p, size_t i, size_t size) {
  for (uint64_t word = 0; i + 8 <= size; i += 8) {
    std::memcpy(&word, p + i, 8);
    if (word & 0x8080808080808080u) break;
  }
  while (i < size && p[i] < 0x80) ++i;
  return i;
}

// Writes the units of `value` at text[out]; returns the position after them.
size_t PutUtf16(std::wstring& text, size_t out, char32_t value) {
  if (value < 0x10000) {
    text[out] = static_cast<wchar_t>(value);
    return out + 1;
  }
  value -= 0x10000;
  text[out] = static_cast<wchar_t>(0xD800 + (value >> 10));
  text[out + 1] = static_cast<wchar_t>(0xDC00 + (value & 0x3FF));
  return out + 2;
}

std::wstring DecodeUtf8(std::string_view bytes) {
  const unsigned char* p = Bytes(bytes);
  // Never more units than bytes: four bytes make at most two.
  std::wstring text(bytes.size(), L'\0');
  size_t out = 0;
  for (size_t i = 0; i < bytes.size();) {
    for (size_t ascii = SkipAscii(p, i, bytes.size()); i < ascii; ++i) text[out++] = static_cast<wchar_t>(p[i]);
    if (i == bytes.size()) break;
    char32_t value = kReplacement;
    size_t length = ReadUtf8(p + i, bytes.size() - i, value);
    out = PutUtf16(text, out, length == 0 ? kReplacement : value);
    i += std::max<size_t>(length, 1);
  }
  text.resize(out);
  return text;
}

std::wstring DecodeUtf16(std::string_view bytes, bool bigEndian) {
  const unsigned char* p = Bytes(bytes);
  const size_t high = bigEndian ? 0 : 1;
  // An odd byte at the end leaves its unit at U+FFFD.
  std::wstring text((bytes.size() + 1) / 2, static_cast<wchar_t>(kReplacement));
  for (size_t i = 0; i + 1 < bytes.size(); i += 2)
    text[i / 2] = static_cast<wchar_t>(p[i + high] << 8 | p[i + 1 - high]);
  return text;
}

// Hands every UTF-16 unit of `text` to `put`, each break written as `ending`. A value
// beyond 16 bits (possible only where wchar_t is wider) is no UTF-16 unit.
template <typename Put>
void ForEachUnit(std::wstring_view text, LineEnding ending, bool& lossy, Put put) {
  for (size_t i = 0; i < text.size(); ++i) {
    char32_t unit = static_cast<char32_t>(text[i]);
    if (unit == U'\r' || unit == U'\n') {
      if (unit == U'\r' && i + 1 < text.size() && text[i + 1] == L'\n') ++i;
      if (ending != LineEnding::Lf) put(U'\r');
      if (ending != LineEnding::Cr) put(U'\n');
      continue;
    }
    if (unit > 0xFFFF) {
      unit = kReplacement;
      lossy = true;
    }
    put(unit);
  }
}

// Pairs UTF-16 units into UTF-8. An unpaired surrogate has no UTF-8 form.
class Utf8Writer {
 public:
  Utf8Writer(char* out, bool& lossy) : out_(out), lossy_(lossy) {}

  // An upper bound of the bytes a unit takes: a pair makes four, a lone surrogate three.
  static size_t MostBytes(char32_t unit) { return unit < 0x80 ? 1 : unit < 0x800 ? 2 : 3; }

  void Put(char32_t unit) {
    if (high_ != 0 && IsLowSurrogate(unit)) {
      Write(0x10000 + ((high_ - 0xD800) << 10) + (unit - 0xDC00));
      high_ = 0;
      return;
    }
    Finish();
    if (IsHighSurrogate(unit))
      high_ = unit;
    else
      Write(IsLowSurrogate(unit) ? Replaced() : unit);
  }

  // Returns the end of what was written.
  char* Finish() {
    if (high_ != 0) {
      high_ = 0;
      Write(Replaced());
    }
    return out_;
  }

 private:
  char32_t Replaced() {
    lossy_ = true;
    return kReplacement;
  }

  void Write(char32_t value) {
    if (value < 0x80) {
      *out_++ = static_cast<char>(value);
    } else if (value < 0x800) {
      *out_++ = static_cast<char>(0xC0 | (value >> 6));
      *out_++ = static_cast<char>(0x80 | (value & 0x3F));
    } else if (value < 0x10000) {
      *out_++ = static_cast<char>(0xE0 | (value >> 12));
      *out_++ = static_cast<char>(0x80 | ((value >> 6) & 0x3F));
      *out_++ = static_cast<char>(0x80 | (value & 0x3F));
    } else {
      *out_++ = static_cast<char>(0xF0 | (value >> 18));
      *out_++ = static_cast<char>(0x80 | ((value >> 12) & 0x3F));
      *out_++ = static_cast<char>(0x80 | ((value >> 6) & 0x3F));
      *out_++ = static_cast<char>(0x80 | (value & 0x3F));
    }
  }

  char* out_;
  bool& lossy_;
  char32_t high_ = 0;
};

// The encoders size their output in a first pass and then write through a plain
// pointer: growing a string byte by byte is several times slower on large files.
std::string EncodeUtf8(std::wstring_view text, LineEnding ending, bool mark, bool& lossy) {
  const std::string_view prefix = mark ? kUtf8Mark : std::string_view();
  size_t size = prefix.size();
  ForEachUnit(text, ending, lossy, [&size](char32_t unit) { size += Utf8Writer::MostBytes(unit); });
  std::string bytes(size, '\0');
  prefix.copy(bytes.data(), prefix.size());
  Utf8Writer writer(bytes.data() + prefix.size(), lossy);
  ForEachUnit(text, ending, lossy, [&writer](char32_t unit) { writer.Put(unit); });
  bytes.resize(static_cast<size_t>(writer.Finish() - bytes.data()));
  return bytes;
}

std::string EncodeUtf16(std::wstring_view text, LineEnding ending, bool bigEndian, bool& lossy) {
  size_t units = 1;
  ForEachUnit(text, ending, lossy, [&units](char32_t) { ++units; });
  std::string bytes(2 * units, '\0');
  char* out = bytes.data();
  const int first = bigEndian ? 8 : 0;
  auto put = [&out, first](char32_t unit) {
    *out++ = static_cast<char>(unit >> first);
    *out++ = static_cast<char>(unit >> (8 - first));
  };
  put(0xFEFF);
  ForEachUnit(text, ending, lossy, put);
  return bytes;
}

// True when every break of `text` is already written as `ending` and every value is a
// UTF-16 unit, so the converter can take the text as it is.
bool AlreadyInForm(std::wstring_view text, LineEnding ending) {
  for (size_t i = 0; i < text.size(); ++i) {
    char32_t unit = static_cast<char32_t>(text[i]);
    if (unit > 0xFFFF) return false;
    if (unit == U'\r') {
      bool pair = i + 1 < text.size() && text[i + 1] == L'\n';
      if (ending == LineEnding::Lf || (ending == LineEnding::CrLf) != pair) return false;
      if (pair) ++i;
    } else if (unit == U'\n' && ending != LineEnding::Lf) {
      return false;
    }
  }
  return true;
}

std::string EncodeAnsi(std::wstring_view text, LineEnding ending, const CodePage& ansi, bool& lossy) {
  // A save of text the editor hands out with CR LF breaks, as a file in CR LF: one
  // scan instead of a converted copy of a text that may be tens of megabytes.
  if (AlreadyInForm(text, ending)) {
    bool replaced = false;
    std::string bytes = ansi.Encode(text, &replaced);
    lossy = lossy || replaced;
    return bytes;
  }
  size_t units = 0;
  ForEachUnit(text, ending, lossy, [&units](char32_t) { ++units; });
  std::wstring converted(units, L'\0');
  wchar_t* out = converted.data();
  ForEachUnit(text, ending, lossy, [&out](char32_t unit) { *out++ = static_cast<wchar_t>(unit); });
  bool replaced = false;
  std::string bytes = ansi.Encode(converted, &replaced);
  lossy = lossy || replaced;
  return bytes;
}

// Where a piece ending at `end` must end instead so that no character is cut.
size_t WholeCharactersEnd(std::wstring_view text, size_t end) {
  bool splitsPair = IsHighSurrogate(static_cast<char32_t>(text[end - 1])) &&
                    IsLowSurrogate(static_cast<char32_t>(text[end]));
  return splitsPair ? end - 1 : end;
}

size_t WholeCharactersEnd(std::string_view utf8, size_t end) {
  const unsigned char* p = Bytes(utf8);
  size_t lead = end;
  while (lead > 0 && end - lead < 3 && IsContinuation(p[lead])) --lead;
  // Bytes that are not UTF-8 at all have no characters to keep whole.
  if (lead < end && !IsContinuation(p[lead]) && lead + Utf8Length(p[lead]) > end) return lead;
  return end;
}

template <typename Char>
size_t PieceEndOf(std::basic_string_view<Char> data, size_t start, size_t limit) {
  if (start >= data.size()) return start;
  const size_t end = start + std::min(limit, data.size() - start);
  if (end == data.size() || end == start) return end;
  size_t cut = std::max(WholeCharactersEnd(data, end), start);
  size_t beforeCrs = cut;
  while (beforeCrs > start && data[beforeCrs - 1] == Char('\r')) --beforeCrs;
  if (beforeCrs > start) return beforeCrs;
  // A run of CRs longer than the piece: CR CR splits harmlessly, CR LF does not.
  if (cut > start && data[cut] == Char('\n')) --cut;
  return cut > start ? cut : end;
}

}  // namespace

TextEncoding DetectEncoding(std::string_view bytes) {
  if (StartsWith(bytes, kUtf8Mark)) return TextEncoding::Utf8Bom;
  if (StartsWith(bytes, kUtf16LeMark)) return TextEncoding::Utf16Le;
  if (StartsWith(bytes, kUtf16BeMark)) return TextEncoding::Utf16Be;
  const unsigned char* p = Bytes(bytes);
  bool beyondAscii = false;
  for (size_t i = SkipAscii(p, 0, bytes.size()); i < bytes.size(); i = SkipAscii(p, i, bytes.size())) {
    char32_t value = 0;
    size_t length = ReadUtf8(p + i, bytes.size() - i, value);
    if (length == 0) return TextEncoding::Ansi;
    beyondAscii = true;
    i += length;
  }
  return beyondAscii ? TextEncoding::Utf8 : TextEncoding::Ansi;
}

std::wstring DecodeText(std::string_view bytes, TextEncoding encoding, const CodePage& ansi) {
  switch (encoding) {
    case TextEncoding::Ansi:
      return ansi.Decode(bytes);
    case TextEncoding::Utf8:
      return DecodeUtf8(bytes);
    case TextEncoding::Utf8Bom:
      return DecodeUtf8(WithoutMark(bytes, kUtf8Mark));
    case TextEncoding::Utf16Le:
      return DecodeUtf16(WithoutMark(bytes, kUtf16LeMark), false);
    case TextEncoding::Utf16Be:
      return DecodeUtf16(WithoutMark(bytes, kUtf16BeMark), true);
  }
  return {};
}

LineEnding LineBreaks::Majority() const {
  if (crLf >= lf && crLf >= cr) return LineEnding::CrLf;
  return lf >= cr ? LineEnding::Lf : LineEnding::Cr;
}

bool LineBreaks::Mixed() const { return (crLf != 0) + (lf != 0) + (cr != 0) > 1; }

LineBreaks ToEditorBreaks(std::wstring& text) {
  LineBreaks breaks;
  const size_t size = text.size();
  size_t out = 0;
  for (size_t i = 0; i < size; ++i) {
    wchar_t unit = text[i];
    if (unit == L'\n') {
      ++breaks.lf;
      unit = L'\r';
    } else if (unit == L'\r' && i + 1 < size && text[i + 1] == L'\n') {
      ++breaks.crLf;
      ++i;
    } else if (unit == L'\r') {
      ++breaks.cr;
    }
    text[out++] = unit;
  }
  text.resize(out);
  return breaks;
}

DecodedFile DecodeFile(std::string_view bytes, const CodePage& ansi) {
  DecodedFile file;
  file.encoding = DetectEncoding(bytes);
  file.text = DecodeText(bytes, file.encoding, ansi);
  file.breaks = ToEditorBreaks(file.text);
  return file;
}

std::string EncodeText(std::wstring_view text, TextEncoding encoding, LineEnding ending, const CodePage& ansi,
                       bool* lossy) {
  bool replaced = false;
  std::string bytes;
  switch (encoding) {
    case TextEncoding::Ansi:
      bytes = EncodeAnsi(text, ending, ansi, replaced);
      break;
    case TextEncoding::Utf8:
    case TextEncoding::Utf8Bom:
      bytes = EncodeUtf8(text, ending, encoding == TextEncoding::Utf8Bom, replaced);
      break;
    case TextEncoding::Utf16Le:
    case TextEncoding::Utf16Be:
      bytes = EncodeUtf16(text, ending, encoding == TextEncoding::Utf16Be, replaced);
      break;
  }
  if (lossy) *lossy = replaced;
  return bytes;
}

bool FitsCodePage(std::wstring_view text, const CodePage& ansi) {
  // Every Windows code page holds ASCII, and a code page's conversion needs no context.
  auto beyondAscii = std::find_if(text.begin(), text.end(), [](wchar_t unit) { return static_cast<char32_t>(unit) >= 0x80; });
  if (beyondAscii == text.end()) return true;
  bool lossy = false;
  ansi.Encode(text.substr(static_cast<size_t>(beyondAscii - text.begin())), &lossy);
  return !lossy;
}

size_t PieceEnd(std::wstring_view text, size_t start, size_t limit) { return PieceEndOf(text, start, limit); }
size_t PieceEnd(std::string_view utf8, size_t start, size_t limit) { return PieceEndOf(utf8, start, limit); }

const wchar_t* EncodingName(TextEncoding encoding) {
  switch (encoding) {
    case TextEncoding::Ansi:
      return L"ANSI";
    case TextEncoding::Utf8:
      return L"UTF-8";
    case TextEncoding::Utf8Bom:
      return L"UTF-8 BOM";
    case TextEncoding::Utf16Le:
      return L"UTF-16 LE";
    case TextEncoding::Utf16Be:
      return L"UTF-16 BE";
  }
  return L"";
}

const wchar_t* LineEndingName(LineEnding ending) {
  switch (ending) {
    case LineEnding::CrLf:
      return L"CR LF";
    case LineEnding::Lf:
      return L"LF";
    case LineEnding::Cr:
      return L"CR";
  }
  return L"";
}

std::wstring StatusText(TextEncoding encoding, LineEnding ending) {
  return std::wstring(EncodingName(encoding)) + L" | " + LineEndingName(ending);
}

}  // namespace workspace
