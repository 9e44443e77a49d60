// Times the page engine's count on large documents, as the Print dialog runs it after
// every layout change. Run it under Wine (see bench/README.md); one line per measurement.
#include <windows.h>
#include <commctrl.h>
#include <objbase.h>

#include <cstdio>
#include <string>

#include "common/BenchClock.h"
#include "print/PageEngine_win.h"
#include "workspace/RichEditor_win.h"

namespace {

// Lines of 60 to 80 characters, a paragraph break every tenth line.
std::wstring PlainText(size_t bytes) {
  std::wstring text;
  text.reserve(bytes + 100);
  unsigned state = 1;
  while (text.size() < bytes) {
    state = state * 1103515245u + 12345u;
    size_t length = 60 + (state >> 16) % 21;
    for (size_t i = 0; i < length; ++i) text += (i % 7 == 6) ? L' ' : static_cast<wchar_t>(L'a' + (i * 5 + state) % 26);
    text += L"\r\n";
  }
  return text;
}

std::string RichText(const std::wstring& plain) {
  std::string rtf = "{\\rtf1\\ansi{\\fonttbl{\\f0 Times New Roman;}{\\f1 Arial;}}\\f0\\fs24 ";
  size_t line = 0;
  for (size_t i = 0; i < plain.size(); ++i) {
    wchar_t c = plain[i];
    if (c == L'\r') continue;
    if (c == L'\n') {
      rtf += (++line % 10 == 0) ? "\\par\\f1\\b " : "\\par\\f0\\b0 ";
      continue;
    }
    rtf += static_cast<char>(c);
  }
  return rtf + "}";
}

void Measure(const char* what, workspace::RichEditor editor, HDC dc) {
  print::DeviceMetrics sheet;  // Letter at the context's resolution
  sheet.dpiX = ::GetDeviceCaps(dc, LOGPIXELSX);
  sheet.dpiY = ::GetDeviceCaps(dc, LOGPIXELSY);
  sheet.physicalWidth = sheet.dpiX * 17 / 2;
  sheet.physicalHeight = sheet.dpiY * 11;
  sheet.printableWidth = sheet.physicalWidth;
  sheet.printableHeight = sheet.physicalHeight;
  print::EngineInput input{editor, dc, sheet, {1440, 1440, 1440, 1440}};
  for (int run = 0; run < 2; ++run) {
    double start = bench::Now();
    int pages = print::CountPages(input).Count();
    std::printf("%s: %d pages counted in %.0f ms\n", what, pages, bench::Now() - start);
    std::fflush(stdout);
  }
}

}  // namespace

int wmain(int argc, wchar_t** argv) {
  ::LoadLibraryW(L"Msftedit.dll");
  INITCOMMONCONTROLSEX controls{sizeof(controls), ICC_WIN95_CLASSES};
  ::InitCommonControlsEx(&controls);
  ::CoInitializeEx(nullptr, COINIT_APARTMENTTHREADED);
  HWND parent = ::CreateWindowExW(0, L"Static", L"", WS_POPUP, 0, 0, 800, 600, nullptr, nullptr, nullptr, nullptr);
  HDC dc = ::CreateCompatibleDC(nullptr);
  for (size_t megabytes : {1u, 5u}) {
    if (argc > 1 && std::to_wstring(megabytes) != argv[1]) continue;
    std::wstring plain = PlainText(megabytes << 20);
    for (bool rich : {false, true}) {
      workspace::RichEditor editor(workspace::RichEditor::Create(parent, 100, !rich));
      editor.SetMaxLength(0x7FFFFFFF);
      if (rich)
        editor.StreamInRtf(RichText(plain));
      else
        editor.StreamInText(plain);
      char what[64];
      std::snprintf(what, sizeof(what), "%s %zu MB", rich ? "rich" : "plain", megabytes);
      if (!rich) {
        // The other half of a layout change on plain text: the print font applied.
        workspace::FontSpec font = editor.DefaultFont();
        font.points += 2;
        double start = bench::Now();
        editor.SetDefaultFont(font);
        std::printf("%s: print font applied in %.0f ms\n", what, bench::Now() - start);
      }
      Measure(what, editor, dc);
      ::DestroyWindow(editor.hwnd());
    }
  }
  ::DeleteDC(dc);
  ::DestroyWindow(parent);
  return 0;
}
