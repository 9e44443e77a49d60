#pragma once
// Documents on disk: reading into an editor, writing from it, and the checks that
// opening makes before it reads.
#include <string>
#include <string_view>

#include "workspace/DocumentSlot_win.h"
#include "workspace/RichEditor_win.h"
#include "workspace/TextEncoding.h"

namespace workspace {

// True exactly when the file's first five bytes are "{\rtf".
bool IsRichTextFile(const std::wstring& path);
bool IsRichText(std::string_view bytes);

// One spelling per existing file: the full, long form with each part as it is on
// disk. A path that cannot be resolved comes back unchanged.
std::wstring ShellPathName(const std::wstring& path);

bool FileExists(const std::wstring& path);    // an existing file, not a folder
bool FolderExists(const std::wstring& path);
// True when the file opens for reading (as the editor would open it).
bool CanOpenForReading(const std::wstring& path);
bool HasReadOnlyAttribute(const std::wstring& path);

// The system code page's conversions. Saving writes "?" for a character the code page
// lacks (never a look-alike) and reports it.
const CodePage& SystemCodePage();
// "Windows-1252" and the like, for messages.
std::wstring SystemCodePageName();

// Loads the whole file into the (empty) editor in the editor's present format: rich
// text is interpreted; plain text is decoded from the encoding the file shows (a
// byte-order mark, well-formed UTF-8, else the system code page), and its line breaks
// are counted. Returns how plain text came in (rich text: the defaults). The editor's
// limit is raised when the file is longer, so nothing is cut. Throws win::Error
// naming the file when it cannot be read.
// With `progress` (see StreamProgress), a load it stops throws LoadCancelled.
TextFormat LoadDocument(RichEditor& editor, const std::wstring& path, const StreamProgress& progress = {});

// Thrown when the user stopped a load; the half-loaded editor is to be discarded.
struct LoadCancelled {};

// The two halves of LoadDocument for a file already read: how a decoded plain text
// is to be written back, and filling the empty editor (plain text already decoded, or
// RTF), its limit raised first when the text is longer.
TextFormat FormatOf(const DecodedFile& file);
void FillEditor(RichEditor& editor, std::wstring_view text, const StreamProgress& progress = {});
void FillEditorRtf(RichEditor& editor, std::string_view rtf, const StreamProgress& progress = {});

// Writes the editor's content in its format: RTF, or plain text in `format`'s
// encoding and line breaks. The new content goes to a temporary file in the same
// folder first, which then replaces the original in one step, so a failure never
// leaves a truncated file. Throws win::Error naming the file on failure.
void SaveDocument(const RichEditor& editor, const std::wstring& path, const TextFormat& format = {});

// The bytes SaveDocument writes. For plain text in the system code page, *lossy (when
// given) tells whether a character became "?".
std::string DocumentBytes(const RichEditor& editor, const TextFormat& format, bool* lossy = nullptr,
                          const StreamProgress& progress = {});

// The replace-in-one-step write used by SaveDocument.
void WriteFileSafely(const std::wstring& path, std::string_view bytes);

// The whole file as bytes; throws win::Error naming the file.
std::string ReadFileBytes(const std::wstring& path);

}  // namespace workspace
