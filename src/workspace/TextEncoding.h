#pragma once
// Plain-text files on disk: which encoding and line ending they use, and the trip
// between their bytes and the editor's UTF-16 text. The system code page ("ANSI")
// comes in from the Win32 side.
#include <cstddef>
#include <string>
#include <string_view>

namespace workspace {

enum class TextEncoding { Ansi, Utf8, Utf8Bom, Utf16Le, Utf16Be };
enum class LineEnding { CrLf, Lf, Cr };

// Conversions to and from the system code page.
class CodePage {
 public:
  virtual ~CodePage() = default;
  virtual std::wstring Decode(std::string_view bytes) const = 0;
  // Sets *lossy when a character had no exact counterpart and was replaced; a
  // look-alike stand-in counts as replaced, or "α" would quietly be saved as "a".
  virtual std::string Encode(std::wstring_view text, bool* lossy) const = 0;
};

// A byte-order mark decides. Without one, bytes that are well-formed UTF-8 and hold
// at least one character beyond ASCII are UTF-8; everything else, a sequence cut
// short at the very end included, is the system code page. UTF-16 is never guessed.
TextEncoding DetectEncoding(std::string_view bytes);

// The file's text with its breaks as they are and without the encoding's mark.
// UTF-8 that is not well-formed gives U+FFFD for every byte that is out of place.
// UTF-16 keeps unpaired surrogates as they are, so such a file saves back unchanged;
// an odd byte at the end becomes U+FFFD rather than vanishing.
std::wstring DecodeText(std::string_view bytes, TextEncoding encoding, const CodePage& ansi);

struct LineBreaks {
  size_t crLf = 0;
  size_t lf = 0;
  size_t cr = 0;
  // The kind used most; ties go to CR LF, then LF. A text without breaks is CR LF.
  LineEnding Majority() const;
  bool Mixed() const;
};
// Turns every CR LF, lone LF and lone CR into the single CR the editor holds for a
// break, and counts them by kind: CR CR LF is a CR and a CR LF, LF CR an LF and a CR.
// Text streamed in this form cannot lose a CR LF pair across two pieces, nor meet the
// control's rule that reads CR CR LF as a space.
LineBreaks ToEditorBreaks(std::wstring& text);

struct DecodedFile {
  std::wstring text;  // breaks as the editor holds them
  TextEncoding encoding = TextEncoding::Ansi;
  LineBreaks breaks;  // as they were in the file
};
DecodedFile DecodeFile(std::string_view bytes, const CodePage& ansi);

// The bytes to write: every CR LF, lone CR and lone LF of `text` as one `ending`,
// behind the encoding's mark. Sets *lossy (when given) when a character could not be
// represented: anything the code page lacks for ANSI, an unpaired surrogate for UTF-8.
std::string EncodeText(std::wstring_view text, TextEncoding encoding, LineEnding ending, const CodePage& ansi,
                       bool* lossy = nullptr);
// Whether the text saves in the system code page without a replaced character; text
// that is all ASCII never reaches the converter.
bool FitsCodePage(std::wstring_view text, const CodePage& ansi);

// Where the piece of at most `limit` units that starts at `start` should end when the
// data is handed to the control piece by piece. A piece does not end on a CR while
// more follows (Wine reads a CR LF pair split between pieces as two breaks) unless it
// is all CRs, and then not right before an LF; it never splits a surrogate pair or a
// UTF-8 sequence. A limit of at least one unit always gives a piece while data remains;
// a limit too small for a whole pair or character (below 2 units of UTF-16, 4 bytes of
// UTF-8) may split it.
size_t PieceEnd(std::wstring_view text, size_t start, size_t limit);
size_t PieceEnd(std::string_view utf8, size_t start, size_t limit);

// Names for the status bar: "UTF-8 BOM", "CR LF", "UTF-8 BOM | CR LF".
const wchar_t* EncodingName(TextEncoding encoding);
const wchar_t* LineEndingName(LineEnding ending);
std::wstring StatusText(TextEncoding encoding, LineEnding ending);

}  // namespace workspace
