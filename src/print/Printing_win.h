#pragma once
// Printing: File > Print (and the tab menu's Print), Printer Setup, Print Preview and
// the print requests of the hand-off and the command line ("/p", "/pt").
#include <memory>
#include <optional>
#include <string>

#include "command/Command.h"
#include "print/PageEngine_win.h"
#include "print/Printer_win.h"
#include "print/PrintSettings.h"
#include "workspace/DocumentHost.h"
#include "workspace/Frame.h"

namespace print {

class Printing {
 public:
  using Sender = command::Sender;
  Printing(workspace::Frame& frame, workspace::DocumentHost& documents, command::Registry& commands);
  ~Printing();

  void FileMenuPrintClick(const Sender&);
  void FileMenuPageSetupClick(const Sender&);
  void FileMenuPrintPreviewClick(const Sender&);
  // "/pt": prints the active document on the named printer with the saved defaults,
  // without a dialog.
  void PrintTo(const std::wstring& printer);

  // The marker of the open Print dialog: print requests wait while it is set.
  bool DialogOpen() const { return dialogOpen_; }
  bool HasPrinter();
  // From now on the commands' states ask the spooler whether there is a printer.
  void AskSpooler() { spoolerAsked_ = true; }
  bool PrinterExists(const std::wstring& name) { return device_->Exists(name); }
  // Tests print on a device of their own.
  void UseDevice(std::unique_ptr<PrinterDevice> device) { device_ = std::move(device); }
  PrinterDevice& Device() { return *device_; }

 private:
  struct Job;
  std::optional<Orientation> PrinterSetup();
  HDC Context();
  int Count(workspace::RichEditor editor, const Margins& margins);
  bool RunJob(workspace::DocumentSlot& slot, const Margins& margins, std::optional<PageRange> range);
  bool ShowPreview(workspace::DocumentSlot& slot, const PrintSettings& settings, bool fromDialog);
  MacroValues Macros(const workspace::DocumentSlot& slot);
  void Failure(const std::wstring& text);

  workspace::Frame& frame_;
  workspace::DocumentHost& documents_;
  std::unique_ptr<PrinterDevice> device_;
  UniqueDc context_;
  Orientation contextOrientation_ = Orientation::Portrait;
  std::wstring contextPrinter_;
  bool dialogOpen_ = false;
  bool spoolerAsked_ = false;
};

}  // namespace print
