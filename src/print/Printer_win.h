#pragma once
// The printer the print commands use: the system's default one until Printer Setup or
// a "/pt" request names another, with the orientation the Print dialog chose. Tests
// put a device of their own in its place.
#include <windows.h>

#include <memory>
#include <string>

#include "print/PageEngine_win.h"
#include "print/PrintSettings.h"
#include "win/Handles.h"

namespace print {

using UniqueDc = win::UniqueMemoryDc;  // DeleteDC closes printer and metafile contexts alike

class PrinterDevice {
 public:
  virtual ~PrinterDevice() = default;
  // The printer's name; empty when there is none.
  virtual std::wstring Name() = 0;
  virtual bool Exists(const std::wstring& name) = 0;
  // Uses this printer from now on; false when there is none of that name.
  virtual bool Select(const std::wstring& name) = 0;
  virtual Orientation GetOrientation() const = 0;
  virtual void SetOrientation(Orientation orientation) = 0;
  // A context of the printer in its current orientation, to lay out and print on;
  // nullptr when the printer refuses.
  virtual UniqueDc CreateContext() = 0;
  virtual DeviceMetrics Metrics(HDC context) = 0;
  // Starts a job titled `title` on a context from CreateContext; nullptr when refused.
  virtual std::unique_ptr<SheetSink> StartJob(HDC context, const std::wstring& title) = 0;
};

// The system's printers through the spooler.
class SystemPrinter : public PrinterDevice {
 public:
  std::wstring Name() override;
  bool Exists(const std::wstring& name) override;
  bool Select(const std::wstring& name) override;
  Orientation GetOrientation() const override { return orientation_; }
  void SetOrientation(Orientation orientation) override { orientation_ = orientation; }
  UniqueDc CreateContext() override;
  DeviceMetrics Metrics(HDC context) override { return ReadDeviceMetrics(context); }
  std::unique_ptr<SheetSink> StartJob(HDC context, const std::wstring& title) override;

 private:
  static constexpr DWORD kNameLifetimeMs = 3000;
  std::wstring chosen_;  // empty: the default printer
  std::wstring name_;    // the printer in use, as last asked
  bool known_ = false;
  DWORD knownAt_ = 0;
  Orientation orientation_ = Orientation::Portrait;
};

}  // namespace print
