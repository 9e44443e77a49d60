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

namespace {

// Where a "/pt" request stands: waiting for its file, then for its printer.
enum class PrintTo { None, File, Printer };

// Takes the accumulated words as the file or printer of a "/pt" request when they
// name one; true when they did.
bool TakePrintTo(PrintTo& stage, std::wstring& accumulator, HandOffRequest& request, const NameTest& fileExists,
                 const NameTest& printerExists) {
  if (stage == PrintTo::Printer && printerExists && printerExists(accumulator)) {
    request.printer = accumulator;
    stage = PrintTo::None;
    accumulator.clear();
    return true;
  }
  if (stage == PrintTo::File && fileExists(accumulator)) {
    request.names.push_back(accumulator);
    stage = PrintTo::Printer;
    accumulator.clear();
    return true;
  }
  return false;
}

}  // namespace

HandOffRequest TokenizeHandOff(std::wstring_view text, const NameTest& fileExists, const NameTest& printerExists) {
  HandOffRequest request;
  PrintTo stage = PrintTo::None;
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
    if (accumulator == L"/pt") {
      stage = PrintTo::File;
      accumulator.clear();
    }
    if (!accumulator.empty() && TakePrintTo(stage, accumulator, request, fileExists, printerExists)) continue;
    if (!accumulator.empty() && fileExists(accumulator)) {
      request.names.push_back(accumulator);
      accumulator.clear();
    }
    if (!last && !accumulator.empty()) accumulator += L' ';
  }
  return request;
}

HandOffRequest TokenizeCommandLine(const std::vector<std::wstring>& arguments, const NameTest& fileExists,
                                   const NameTest& printerExists) {
  HandOffRequest request;
  PrintTo stage = PrintTo::None;
  std::wstring accumulator;
  bool first = true;
  for (const std::wstring& argument : arguments) {
    if (first) {
      accumulator = argument;
      first = false;
    } else {
      accumulator += L" " + argument;
    }
    if (accumulator == L"/pt" || accumulator.compare(0, 4, L"/pt ") == 0) {
      accumulator.erase(0, 3);
      stage = PrintTo::File;
    } else if (accumulator.compare(0, 2, L"/p") == 0) {
      accumulator.erase(0, 2);
      request.print = true;
    }
    accumulator = win::Trim(accumulator);
    if (!accumulator.empty() && TakePrintTo(stage, accumulator, request, fileExists, printerExists)) continue;
    if (!accumulator.empty() && fileExists(accumulator)) {
      request.names.push_back(accumulator);
      accumulator.clear();
    }
  }
  return request;
}

}  // namespace app
