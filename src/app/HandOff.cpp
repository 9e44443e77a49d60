#include "app/HandOff.h"

#include "win/Text.h"

namespace app {

std::string HandOffRecords(const std::vector<std::string>& arguments) {
  std::string out;
  for (const std::string& argument : arguments) {
    out += argument;
    out += ' ';
  }
  return out;
}

std::wstring HandOffText(std::wstring_view decoded, size_t byteCount) {
  std::wstring text;
  text.reserve(byteCount);
  for (size_t i = 0; i < decoded.size(); ++i) {
    wchar_t c = decoded[i];
    if (c == L'\0' || c == 0x1A) continue;
    if (c == L'\r' && i + 1 < decoded.size() && decoded[i + 1] == L'\n') continue;
    if (c == L'\r' || c == L'\n' || c == L'"') c = L' ';
    text += c;
  }
  if (text.size() < byteCount) text.append(byteCount - text.size(), L' ');
  return text;
}

HandOffRequest TokenizeHandOff(std::wstring_view text, const std::function<bool(const std::wstring&)>& fileExists) {
  HandOffRequest request;
  std::wstring accumulator;
  for (size_t i = 0; i < text.size(); ++i) {
    accumulator += text[i];
    bool last = i + 1 == text.size();
    if (text[i] != L' ' && !last) continue;
    accumulator = win::Trim(accumulator);
    if (accumulator == L"/p") {
      request.print = true;
      accumulator.clear();
    }
    if (!accumulator.empty() && fileExists(accumulator)) {
      request.names.push_back(accumulator);
      accumulator.clear();
    }
    if (!last && !accumulator.empty()) accumulator += L' ';
  }
  return request;
}

HandOffRequest TokenizeCommandLine(const std::vector<std::wstring>& arguments,
                                   const std::function<bool(const std::wstring&)>& fileExists) {
  HandOffRequest request;
  std::wstring accumulator;
  bool first = true;
  for (const std::wstring& argument : arguments) {
    if (first) {
      accumulator = argument;
      first = false;
    } else {
      accumulator += L" " + argument;
    }
    if (accumulator.compare(0, 2, L"/p") == 0) {
      accumulator.erase(0, 2);
      request.print = true;
    }
    accumulator = win::Trim(accumulator);
    if (!accumulator.empty() && fileExists(accumulator)) {
      request.names.push_back(accumulator);
      accumulator.clear();
    }
  }
  return request;
}

}  // namespace app
