#include "print/Printer_win.h"

#include <winspool.h>

#include <cwchar>
#include <vector>

namespace print {
namespace {

std::wstring DefaultPrinter() {
  DWORD size = 0;
  ::GetDefaultPrinterW(nullptr, &size);
  if (size == 0) return {};
  std::wstring name(size, L'\0');
  if (!::GetDefaultPrinterW(name.data(), &size)) return {};
  name.resize(wcsnlen(name.c_str(), name.size()));
  return name;
}

// The printer's own settings with the orientation changed; empty when the driver gives none.
std::vector<BYTE> DevModeFor(const std::wstring& name, Orientation orientation) {
  HANDLE printer = nullptr;
  if (!::OpenPrinterW(const_cast<wchar_t*>(name.c_str()), &printer, nullptr)) return {};
  std::vector<BYTE> bytes;
  LONG size = ::DocumentPropertiesW(nullptr, printer, const_cast<wchar_t*>(name.c_str()), nullptr, nullptr, 0);
  if (size > 0) {
    bytes.resize(static_cast<size_t>(size));
    auto* mode = reinterpret_cast<DEVMODEW*>(bytes.data());
    if (::DocumentPropertiesW(nullptr, printer, const_cast<wchar_t*>(name.c_str()), mode, nullptr,
                              DM_OUT_BUFFER) == IDOK) {
      mode->dmFields |= DM_ORIENTATION;
      mode->dmOrientation = orientation == Orientation::Landscape ? DMORIENT_LANDSCAPE : DMORIENT_PORTRAIT;
    } else {
      bytes.clear();
    }
  }
  ::ClosePrinter(printer);
  return bytes;
}

class SpoolerJob : public SheetSink {
 public:
  explicit SpoolerJob(HDC dc) : dc_(dc) {}
  ~SpoolerJob() override {
    if (open_) Abort();
  }
  bool Start(const std::wstring& title) {
    DOCINFOW info{};
    info.cbSize = sizeof(info);
    info.lpszDocName = title.c_str();
    if (::StartDocW(dc_, &info) <= 0) return false;
    open_ = true;
    return ::StartPage(dc_) > 0;
  }
  HDC Context() override { return dc_; }
  bool NewSheet() override { return ::EndPage(dc_) > 0 && ::StartPage(dc_) > 0; }
  bool Finish() override {
    bool ended = ::EndPage(dc_) > 0;
    ended = ::EndDoc(dc_) > 0 && ended;
    open_ = false;
    return ended;
  }
  void Abort() override {
    ::AbortDoc(dc_);
    open_ = false;
  }

 private:
  HDC dc_;
  bool open_ = false;
};

}  // namespace

std::wstring SystemPrinter::Name() {
  // The menus and the tool bar ask after every command; the spooler is asked again
  // only every few seconds.
  DWORD now = ::GetTickCount();
  if (!known_ || now - knownAt_ > kNameLifetimeMs) {
    name_ = !chosen_.empty() && Exists(chosen_) ? chosen_ : DefaultPrinter();
    known_ = true;
    knownAt_ = now;
  }
  return name_;
}

bool SystemPrinter::Exists(const std::wstring& name) {
  if (name.empty()) return false;
  HANDLE printer = nullptr;
  if (!::OpenPrinterW(const_cast<wchar_t*>(name.c_str()), &printer, nullptr)) return false;
  ::ClosePrinter(printer);
  return true;
}

bool SystemPrinter::Select(const std::wstring& name) {
  if (!Exists(name)) return false;
  chosen_ = name;
  known_ = false;
  return true;
}

UniqueDc SystemPrinter::CreateContext() {
  std::wstring name = Name();
  if (name.empty()) return UniqueDc();
  std::vector<BYTE> mode = DevModeFor(name, orientation_);
  return UniqueDc(::CreateDCW(L"WINSPOOL", name.c_str(), nullptr,
                              mode.empty() ? nullptr : reinterpret_cast<DEVMODEW*>(mode.data())));
}

std::unique_ptr<SheetSink> SystemPrinter::StartJob(HDC context, const std::wstring& title) {
  auto job = std::make_unique<SpoolerJob>(context);
  if (!job->Start(title)) return nullptr;
  return job;
}

}  // namespace print
