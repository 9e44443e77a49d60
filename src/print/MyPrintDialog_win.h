#pragma once
// TMyPrintDialog, "Tarnwick - Print": pages, orientation, margins, print font, header
// and footer of one print command. It prints nothing itself: the print command fills
// it, shows it and reads its choices (see Printing_win.h).
#include <windows.h>

#include <functional>
#include <optional>
#include <string>

#include "config/Profile.h"
#include "print/PrintSettings.h"
#include "win/Dialog.h"
#include "win/Handles.h"
#include "win/Prompt.h"

namespace print {

// What the dialog asks of the print command.
struct PrintDialogHost {
  win::Prompter* prompter = nullptr;
  config::Profile* profile = nullptr;
  bool richText = false;           // no "Font" page, layout changes keep the document's font
  PrintFont documentFont;          // "Use same font as document"
  bool hotTrack = false;           // Main TryIt
  // Counts the pages with these margins (and, for plain text, this print font).
  std::function<int(const MarginTexts&, const PrintFont* font)> countPages;
  std::function<void(Orientation)> setOrientation;
  // Printer Setup: the printer's orientation afterwards, nothing when cancelled.
  std::function<std::optional<Orientation>()> printerSetup;
  // Why these margins leave no room for the text on the printer's paper.
  std::function<std::optional<std::wstring>(const MarginTexts&, const PrintFont* font)> marginsProblem;
  // Shows the preview of these choices; true when its Print button closed it.
  std::function<bool(const PrintSettings&)> preview;
  std::function<void(int topic)> showHelp;
};

// What the print command reads after Print.
struct PrintChoices {
  PrintSettings settings;  // margins, orientation, font, header and footer as shown
  bool all = true;
  std::wstring from, to;
};

class TMyPrintDialog : public win::Dialog {
 public:
  TMyPrintDialog(PrintDialogHost host, PrintSettings filling, int pageCount);
  ~TMyPrintDialog() override;

  int PageCount() const { return pageCount_; }
  // The choices shown; once closed by Print, those it was closed with.
  PrintChoices Choices() const;
  // The page on top: 0 Pages, 1 Margins, 2 Font, 3 Header, 4 Footer.
  int ActivePage() const { return activePage_; }
  void ShowPage(int page);

  // Handlers, named after the events that run them; tests call them as focus changes
  // and clicks would.
  void MarginExit(int fieldId);
  void FromExit();
  void ToExit();
  void PortLandChange();
  void PrinterSetupClick();
  void CustomizeFontClick();
  void SameFontClick();
  void PaperColorClick();
  void SaveButtonClick();
  void OKButtonClick();

 protected:
  bool OnInit() override;
  bool OnCommand(int id, int code, HWND control) override;
  INT_PTR OnNotify(NMHDR& header) override;
  void OnOK() override { OKButtonClick(); }
  void OnCancel() override;
  bool OnMessage(UINT message, WPARAM wParam, LPARAM lParam, INT_PTR& result) override;

 private:
  void Fill();
  void EnableRange();
  void EnableLines();
  void ShowOrientation(Orientation orientation);
  void SetSampleFont(const PrintFont& font);
  MarginTexts Margins() const;
  int TabToPage(int tab) const;
  void Message(const std::wstring& text, win::Icon icon);

  PrintDialogHost host_;
  PrintSettings filling_;
  PrintChoices chosen_;
  int pageCount_;
  int activePage_ = 0;
  bool closing_ = false;  // fields that lose the focus as the dialog goes are left alone
  PrintFont printFont_;    // the sample's font
  PrintFont chooserFont_;  // the last font picked with Customize Font
  COLORREF paper_ = RGB(255, 255, 255);
  win::UniqueFont sampleFont_;
  win::UniqueBrush paperBrush_;
  win::UniqueBitmap portrait_, landscape_;
};

}  // namespace print
