#pragma once
// Helpers of the favorites tests.
#include <string>

#include "favorites/FavoritesStore.h"

namespace testing_support {

// Latin-1 text one byte per character; any other character takes `otherBytes`
// bytes, as in a double-byte code page.
inline favorites::CodePage TestCodePage(size_t otherBytes = 1) {
  favorites::CodePage codePage;
  codePage.decode = [](std::string_view bytes) {
    std::wstring text;
    for (char c : bytes) text += static_cast<wchar_t>(static_cast<unsigned char>(c));
    return text;
  };
  codePage.encode = [otherBytes](std::wstring_view text) {
    std::string bytes;
    for (wchar_t c : text) bytes.append(c <= 0xFF ? 1 : otherBytes, c <= 0xFF ? static_cast<char>(c) : '\x81');
    return bytes;
  };
  return codePage;
}

}  // namespace testing_support
