#include "config/FileTypes.h"

#include "config/Keys.h"
#include "win/Text.h"

namespace config {
namespace {
std::wstring Key(const wchar_t* base, int n) { return base + win::ToText(n); }
}  // namespace

void EnsureDefaultFileTypes(Profile& profile) {
  if (!profile.ReadText(keys::kFileTypes, L"Name1", L"", 260).empty()) return;
  struct Default {
    const wchar_t *name, *extensions, *format;
  };
  const Default defaults[] = {
      {L"Text Files", L"*.txt;*.asc;*.diz", L"0"},
      {L"HyperText Markup Language Files", L"*.htm;*.html", L"0"},
      {L"Rich Text Files", L"*.rtf", L"1"},
      {L"Batch Files", L"*.bat", L"0"},
  };
  int n = 1;
  for (const Default& type : defaults) {
    profile.WriteText(keys::kFileTypes, Key(L"Name", n), type.name);
    profile.WriteText(keys::kFileTypes, Key(L"Ext", n), type.extensions);
    profile.WriteText(keys::kFileTypes, Key(L"Format", n), type.format);
    ++n;
  }
  profile.WriteText(keys::kFileTypes, Key(L"Name", n), L"");
  profile.WriteText(keys::kFileTypes, Key(L"Ext", n), L"");
}

std::vector<FileType> ReadFileTypes(const Profile& profile, size_t bufferLength) {
  std::vector<FileType> types;
  for (int n = 1; n <= kMaxFileTypes; ++n) {
    FileType type;
    type.name = profile.ReadText(keys::kFileTypes, Key(L"Name", n), L"", bufferLength);
    if (type.name.empty()) break;
    type.extensions = profile.ReadText(keys::kFileTypes, Key(L"Ext", n), L"", bufferLength);
    type.format = profile.ReadInt(keys::kFileTypes, Key(L"Format", n), 0);
    types.push_back(type);
  }
  return types;
}

std::wstring BuildFilter(const std::vector<FileType>& types) {
  std::wstring filter;
  for (const FileType& type : types)
    filter += type.name + L" (" + type.extensions + L")|" + type.extensions + L"|";
  filter += L"All Files (*.*)|*.*";
  return filter;
}

std::wstring DisplayName(std::wstring_view name) {
  std::wstring text(name);
  size_t at = text.find(L"Files");
  if (at != std::wstring::npos) text[at + 4] = L' ';
  return text;
}

std::vector<std::wstring> SplitExtensions(std::wstring_view extensions) {
  std::vector<std::wstring> pieces;
  if (extensions.empty()) return pieces;
  std::wstring piece;
  for (size_t i = 0; i < extensions.size(); ++i) {
    wchar_t c = extensions[i];
    bool last = i + 1 == extensions.size();
    if (last) {
      if (c != L' ') piece += c;
      pieces.push_back(piece);
    } else if (c == L';') {
      pieces.push_back(piece);
      piece.clear();
    } else if (c != L' ') {
      piece += c;
    }
  }
  return pieces;
}

std::wstring TemplateExtension(std::wstring_view pattern) {
  size_t dot = pattern.find_last_of(L'.');
  return dot == std::wstring_view::npos ? std::wstring() : std::wstring(pattern.substr(dot + 1));
}

std::wstring DocumentExtension(std::wstring_view pattern) {
  size_t dot = pattern.find(L'.');
  return dot == std::wstring_view::npos ? std::wstring(pattern) : std::wstring(pattern.substr(dot + 1));
}

std::wstring FirstPatternExtension(std::wstring_view extensions) {
  std::wstring_view first = extensions.substr(0, extensions.find(L';'));
  size_t dot = first.find(L'.');
  return dot == std::wstring_view::npos ? std::wstring(first) : std::wstring(first.substr(dot + 1));
}

int FilterIndexForExtension(const std::vector<FileType>& types, std::wstring_view dottedExtension) {
  for (size_t n = 0; n < types.size(); ++n) {
    if (types[n].extensions.empty()) break;
    if (types[n].extensions.find(dottedExtension) != std::wstring::npos) return static_cast<int>(n) + 1;
  }
  return 0;
}

}  // namespace config
