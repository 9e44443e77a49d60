#pragma once
// The user's locale, as the text commands need it: case conversion, case-insensitive
// comparison and sort keys, and what a word character is.
#include <string>
#include <string_view>

#include "textcmd/TextSearch.h"

namespace textcmd {

void LowerCaseBuffer(wchar_t* data, size_t count);
void UpperCaseBuffer(wchar_t* data, size_t count);
bool IsWordCharacter(wchar_t c);
TextRules EditorTextRules();

int CompareNoCase(std::wstring_view a, std::wstring_view b);
void AppendSortKey(std::wstring_view line, std::string& keys);

}  // namespace textcmd
