#pragma once
// A printer for the tests: a virtual Letter sheet at the screen's resolution with a
// quarter-inch unprintable border, whose jobs keep every sheet as an enhanced
// metafile, so tests can read what each sheet holds.
#include <windows.h>

#include <memory>
#include <string>
#include <vector>

#include "print/Printer_win.h"

namespace uitest {

// A text drawn on a sheet, at its device position.
struct DrawnText {
  std::wstring text;
  int x = 0, y = 0;
};

struct PrintedJob {
  std::wstring title;
  std::vector<std::vector<DrawnText>> sheets;  // the texts of each sheet, in drawing order
  bool finished = false;
  bool aborted = false;
};

class TestPrinter : public print::PrinterDevice {
 public:
  struct Log {
    std::vector<PrintedJob> jobs;
    print::Orientation lastOrientation = print::Orientation::Portrait;
    std::wstring lastPrinter;
    int refuseSheet = 0;  // > 0: the sheet of this number is refused
  };
  explicit TestPrinter(std::shared_ptr<Log> log, std::vector<std::wstring> names = {L"Test Printer"})
      : log_(std::move(log)), names_(std::move(names)) {}

  std::wstring Name() override { return names_.empty() ? L"" : (chosen_.empty() ? names_[0] : chosen_); }
  bool Exists(const std::wstring& name) override;
  bool Select(const std::wstring& name) override;
  print::Orientation GetOrientation() const override { return orientation_; }
  void SetOrientation(print::Orientation orientation) override { orientation_ = orientation; }
  print::UniqueDc CreateContext() override;
  print::DeviceMetrics Metrics(HDC context) override;
  std::unique_ptr<print::SheetSink> StartJob(HDC context, const std::wstring& title) override;

 private:
  std::shared_ptr<Log> log_;
  std::vector<std::wstring> names_;
  std::wstring chosen_;
  print::Orientation orientation_ = print::Orientation::Portrait;
};

// --- definitions

namespace detail {

struct Collected {
  std::vector<DrawnText> texts;
  POINT origin{};
};

// The engine sets the origin before each thing it draws, so the last one set applies.
inline int CALLBACK CollectText(HDC, HANDLETABLE*, const ENHMETARECORD* record, int, LPARAM data) {
  auto* collected = reinterpret_cast<Collected*>(data);
  if (record->iType == EMR_SETVIEWPORTORGEX) {
    POINTL origin = reinterpret_cast<const EMRSETVIEWPORTORGEX*>(record)->ptlOrigin;
    collected->origin = {origin.x, origin.y};
  }
  if (record->iType == EMR_EXTTEXTOUTW) {
    const auto* r = reinterpret_cast<const EMREXTTEXTOUTW*>(record);
    if (r->emrtext.fOptions & ETO_GLYPH_INDEX) return 1;
    const auto* chars = reinterpret_cast<const wchar_t*>(reinterpret_cast<const BYTE*>(record) + r->emrtext.offString);
    collected->texts.push_back({std::wstring(chars, r->emrtext.nChars), r->emrtext.ptlReference.x + collected->origin.x,
                                r->emrtext.ptlReference.y + collected->origin.y});
  }
  return 1;
}

}  // namespace detail

// The texts an enhanced metafile draws with ExtTextOutW, at their device positions.
inline std::vector<DrawnText> TextsOf(HENHMETAFILE picture) {
  detail::Collected collected;
  ::EnumEnhMetaFile(nullptr, picture, &detail::CollectText, &collected, nullptr);
  return collected.texts;
}

namespace detail {

class SheetRecorder : public print::SheetSink {
 public:
  SheetRecorder(HDC reference, PrintedJob& job, int refuseSheet)
      : reference_(reference), job_(job), refuseSheet_(refuseSheet) {
    Open();
  }
  ~SheetRecorder() override { Close(); }
  HDC Context() override { return dc_; }
  bool NewSheet() override {
    Close();
    if (refuseSheet_ > 0 && static_cast<int>(job_.sheets.size()) + 1 == refuseSheet_) return false;
    Open();
    return true;
  }
  bool Finish() override {
    Close();
    job_.finished = true;
    return true;
  }
  void Abort() override {
    Close();
    job_.aborted = true;
  }

 private:
  void Open() { dc_ = ::CreateEnhMetaFileW(reference_, nullptr, nullptr, nullptr); }
  void Close() {
    if (!dc_) return;
    HENHMETAFILE picture = ::CloseEnhMetaFile(dc_);
    dc_ = nullptr;
    job_.sheets.push_back(TextsOf(picture));
    ::DeleteEnhMetaFile(picture);
  }

  HDC reference_;
  HDC dc_ = nullptr;
  PrintedJob& job_;
  int refuseSheet_;
};

}  // namespace detail

// Letter at the screen's 96 pixels per inch, a quarter inch unprintable on each side.
inline print::DeviceMetrics TestSheet(bool landscape) {
  print::DeviceMetrics m;
  m.dpiX = m.dpiY = 96;
  m.physicalWidth = landscape ? 1056 : 816;
  m.physicalHeight = landscape ? 816 : 1056;
  m.offsetX = m.offsetY = 24;
  m.printableWidth = m.physicalWidth - 48;
  m.printableHeight = m.physicalHeight - 48;
  return m;
}

inline bool TestPrinter::Exists(const std::wstring& name) {
  for (const std::wstring& known : names_)
    if (known == name) return true;
  return false;
}

inline bool TestPrinter::Select(const std::wstring& name) {
  if (!Exists(name)) return false;
  chosen_ = name;
  return true;
}

inline print::UniqueDc TestPrinter::CreateContext() {
  if (names_.empty()) return print::UniqueDc();
  // The screen's resolution without a surface of its own.
  return print::UniqueDc(::CreateCompatibleDC(nullptr));
}

inline print::DeviceMetrics TestPrinter::Metrics(HDC) {
  return TestSheet(orientation_ == print::Orientation::Landscape);
}

inline std::unique_ptr<print::SheetSink> TestPrinter::StartJob(HDC context, const std::wstring& title) {
  log_->jobs.push_back({title, {}, false, false});
  log_->lastOrientation = orientation_;
  log_->lastPrinter = Name();
  return std::make_unique<detail::SheetRecorder>(context, log_->jobs.back(), log_->refuseSheet);
}

}  // namespace uitest
