// libFuzzer target for the print settings read from Tarnwick.ini and the arithmetic fed
// by them and by the printer. Not part of the build; from the repository root:
//   clang++ -std=c++17 -g -O1 -fsanitize=fuzzer,address,undefined -Isrc -Itests \
//     tests/fuzz/PrintSettingsFuzz.cpp src/print/*.cpp src/config/Profile.cpp \
//     src/config/Colors.cpp src/win/Text.cpp -o print_fuzz
//   ./print_fuzz -max_len=4000 corpus/
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <string>
#include <vector>

#include "print/HeaderFooter.h"
#include "print/Pages.h"
#include "print/PrintDialogRules.h"
#include "print/PrintSettings.h"
#include "unit/MemoryProfile.h"

namespace {

const wchar_t* const kKeys[] = {L"LeftMargin", L"RightMargin", L"TopMargin", L"BottomMargin", L"Orientation",
                                L"FontName",   L"FontSize",    L"FontColor", L"Bold",         L"Header",
                                L"HeaderL",    L"HeaderR",     L"Footer",    L"FooterC"};

int IntAt(const uint8_t* data, size_t size, size_t at) {
  uint32_t value = 0;
  if (at + 4 <= size) std::memcpy(&value, data + at, 4);
  return static_cast<int>(value);
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  using namespace print;
  // The tail holds values separated by newlines, one per key; the first 64 bytes drive
  // the printer's metrics and the formatter.
  testing_support::MemoryProfile profile;
  size_t key = 0;
  std::wstring value;
  for (size_t i = 64; i < size && key < std::size(kKeys); ++i) {
    if (data[i] == '\n') {
      profile.WriteText(L"PrintDefaults", kKeys[key++], value);
      value.clear();
    } else {
      value += static_cast<wchar_t>(data[i]);
    }
  }
  PrintSettings settings = ReadPrintSettings(profile);
  for (const std::wstring* margin :
       {&settings.margins.left, &settings.margins.right, &settings.margins.top, &settings.margins.bottom})
    if (MarginTwips(*margin).value_or(0) < kMinMarginTwips) abort();
  if (settings.font.size < kMinFontSize || settings.font.size > kMaxFontSize) abort();

  DeviceMetrics device;
  int* fields[] = {&device.physicalWidth, &device.physicalHeight, &device.dpiX,           &device.dpiY,
                   &device.offsetX,       &device.offsetY,        &device.printableWidth, &device.printableHeight};
  for (size_t i = 0; i < std::size(fields); ++i) *fields[i] = IntAt(data, size, i * 4);
  LayOutPage(device, ToTwips(settings.margins));
  MarginsProblem(settings.margins, device, {IntAt(data, size, 32), IntAt(data, size, 36)});

  long length = IntAt(data, size, 40) % 50000;  // every page holds a character at least
  size_t call = 0;
  PageTable table = MeasurePages(length, [&](long start) -> Fit {
    if (++call > 50001) abort();  // the count must end
    return {start + (IntAt(data, size, 44 + (call % 4) * 4) % 64) - 8, {}};
  });
  if (table.Count() < 1) abort();
  for (int n = 1; n < table.Count(); ++n)
    if (table.pages[n].start <= table.pages[n - 1].start) abort();

  int pages = table.Count();
  PageRange range = WithinDocument(RangeFromFields(settings.headerTexts.left, settings.headerTexts.right), pages);
  for (int n = 1; n <= pages; ++n)
    if (StartsSheet(n, range) && !IsDrawn(n, range)) abort();
  AfterRecount(settings.headerTexts.left, settings.headerTexts.right, pages, IntAt(data, size, 60));
  CorrectedFrom(settings.margins.left, IntAt(data, size, 56));
  RangeRefusal(settings.footerTexts.centre, settings.font.name);

  MacroValues values{settings.font.name, settings.headerTexts.left, settings.footerTexts.centre, pages, pages};
  LineTexts line = ExpandMacros(settings.headerTexts, values);
  PlaceLine(line, device.printableWidth, [&](const std::wstring& text) {
    return IntAt(data, size, 48) / 7 * static_cast<int>(text.size() % 7);
  });
  HandOverJobTexts(profile, settings.header, settings.headerTexts, settings.footer, settings.footerTexts);
  TakeJobTexts(profile);
  return 0;
}
