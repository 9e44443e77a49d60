#pragma once
// The user's list of file types (section FileTypes): the filters of the Open and
// Save As dialogs, the New dialog and the New drop-down.
#include <string>
#include <string_view>
#include <vector>

#include "config/Profile.h"

namespace config {

inline constexpr int kMaxFileTypes = 15;

struct FileType {
  std::wstring name;        // "Text Files"
  std::wstring extensions;  // "*.txt;*.asc;*.diz"
  int format = 0;           // 0 plain text, anything else rich text
};

// Writes the four default types and the empty fifth entry when Name1 is empty.
void EnsureDefaultFileTypes(Profile& profile);

// Types 1.. up to the first empty name (at most 15), read with buffers of
// `bufferLength` characters.
std::vector<FileType> ReadFileTypes(const Profile& profile, size_t bufferLength = 80);

// "Text Files (*.txt;*.asc;*.diz)|*.txt;*.asc;*.diz|...|All Files (*.*)|*.*"
std::wstring BuildFilter(const std::vector<FileType>& types);

// "Text Files" shows as "Text File " (the first "Files" loses its "s" to a space).
std::wstring DisplayName(std::wstring_view name);

// The New dialog's extension list: split at ";", every space dropped; two adjacent
// ";" give an empty piece and the value's last character always ends the last piece.
std::vector<std::wstring> SplitExtensions(std::wstring_view extensions);

// Text after the last "." of a pattern ("*.txt" gives "txt"), for template names.
std::wstring TemplateExtension(std::wstring_view pattern);
// Text after the first "." ("*.tar.gz" gives "tar.gz"; no "." gives the whole pattern),
// for the new document's name.
std::wstring DocumentExtension(std::wstring_view pattern);
// The first pattern's extension, for the New drop-down ("*.htm;*.html" gives "htm").
std::wstring FirstPatternExtension(std::wstring_view extensions);

// The Save As filter for a document extension with its dot, in lower case: the first
// type (counted from 1) whose patterns contain it; 0 when none does. Types are read
// with buffers of 80 characters.
int FilterIndexForExtension(const std::vector<FileType>& types, std::wstring_view dottedExtension);

}  // namespace config
