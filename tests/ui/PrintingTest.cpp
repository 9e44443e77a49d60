// Printing: the Print dialog's wiring, the page engine on a recording printer, the
// print requests of the hand-off and the command line, and the preview's drawing.
#include <windows.h>
#include <commctrl.h>

#include <memory>

#include "command/CommandIds.h"
#include "print/MyPrintDialogIds.h"
#include "print/MyPrintDialog_win.h"
#include "print/PrintDialogRules.h"
#include "print/PrintPreview_win.h"
#include "ui/Harness.h"
#include "ui/TestPrinter.h"
#include "win/Encoding.h"

using namespace uitest;
using print::TMyPrintDialog;

namespace {

std::wstring Lines(int count) {
  std::wstring text;
  for (int i = 1; i <= count; ++i) text += L"Line " + std::to_wstring(i) + L"\r";
  return text;
}

bool Holds(const std::vector<DrawnText>& texts, const std::wstring& text) {
  for (const DrawnText& drawn : texts)
    if (drawn.text == text) return true;
  return false;
}

const DrawnText* Find(const std::vector<DrawnText>& texts, const std::wstring& text) {
  for (const DrawnText& drawn : texts)
    if (drawn.text == text) return &drawn;
  return nullptr;
}

}  // namespace

class PrintingTest : public MainFormTest {
 protected:
  void SetUp() override {
    MainFormTest::SetUp();
    context_.makePrinter = [this] { return std::make_unique<TestPrinter>(log_, printers_); };
  }
  void TearDown() override {
    win::Dialog::SetTestHook(nullptr);
    MainFormTest::TearDown();
  }
  // Runs a command with `answer` playing the user inside the Print dialog; the answer
  // must close it. Returns whether the dialog showed.
  bool WithDialog(unsigned command, std::function<void(TMyPrintDialog&)> answer) {
    bool shown = false;
    win::Dialog::SetTestHook([&](win::Dialog& dialog) {
      if (auto* print = dynamic_cast<TMyPrintDialog*>(&dialog)) {
        shown = true;
        answer(*print);
      }
    });
    form().RunCommand(command);
    win::Dialog::SetTestHook(nullptr);
    return shown;
  }
  static void Cancel(TMyPrintDialog& dialog) { ::PostMessageW(dialog.hwnd(), WM_COMMAND, IDCANCEL, 0); }
  void HandOver(const std::wstring& records) {
    WriteBytes(context_.paths.handOffPath, ReadBytes(context_.paths.handOffPath) + win::ToAnsi(records));
  }

  std::shared_ptr<TestPrinter::Log> log_ = std::make_shared<TestPrinter::Log>();
  std::vector<std::wstring> printers_{L"Test Printer", L"Office Laser 2"};
};

TEST_F(PrintingTest, ARangePrintsItsPagesOnTheirOwnSheetsNumberedInTheWholeDocument) {
  WriteIni("[PrintDefaults]\r\nFooterR=[PAGENUM] of [PAGES]\r\n");
  std::wstring path = MakeFile(L"Long.txt", "");
  Start();
  form().documents().OpenDocument(path);
  SetEditorText(Lines(300));
  int count = 0;
  ASSERT_TRUE(WithDialog(command::FileMenuPrint, [&](TMyPrintDialog& d) {
    count = d.PageCount();
    d.SetChecked(IDC_PR_ALL, false);
    d.SetChecked(IDC_PR_FROMPAGE, true);
    d.SetText(IDC_PR_FROM, L"3");
    d.SetText(IDC_PR_TO, L"4");
    d.OKButtonClick();
  }));
  ASSERT_GE(count, 5) << "300 lines of 10-point text fill several pages";
  ASSERT_EQ(log_->jobs.size(), 1u);
  const PrintedJob& job = log_->jobs[0];
  EXPECT_EQ(job.title, path) << "the job is titled with the document's name";
  EXPECT_TRUE(job.finished);
  ASSERT_EQ(job.sheets.size(), 2u) << "pages 1, 2 and 5 on are laid out but not printed";
  std::wstring pages = std::to_wstring(count);
  EXPECT_TRUE(Holds(job.sheets[0], L"Page: 3"));
  EXPECT_TRUE(Holds(job.sheets[0], L"3 of " + pages));
  EXPECT_TRUE(Holds(job.sheets[0], L"Long.txt")) << "[FILENAME] is the name without its folder";
  EXPECT_TRUE(Holds(job.sheets[1], L"Page: 4"));
  EXPECT_TRUE(Holds(job.sheets[1], L"4 of " + pages));
  EXPECT_EQ(IniValue(L"Temp", L"HL"), L"<absent>") << "the job erases what the dialog handed over";

  const DrawnText* header = Find(job.sheets[0], L"Long.txt");
  const DrawnText* footer = Find(job.sheets[0], L"3 of " + pages);
  ASSERT_TRUE(header && footer);
  EXPECT_EQ(header->x, 0);
  EXPECT_EQ(header->y, 0) << "the header sits on the printable area's top line";
  EXPECT_GT(footer->y, TestSheet(false).printableHeight - 40) << "the footer sits on its bottom line";
}

TEST_F(PrintingTest, AnEmptyDocumentPrintsOnePageWhoseCountIsOne) {
  WriteIni("[PrintDefaults]\r\nHeaderC=[PAGENUM] of [PAGES]\r\n");
  Start();
  ASSERT_TRUE(WithDialog(command::FileMenuPrint, [](TMyPrintDialog& d) {
    EXPECT_EQ(d.Text(IDC_PR_ALL), L"&All (1 Pages)");
    EXPECT_EQ(d.Text(IDC_PR_TO), L"1");
    d.OKButtonClick();
  }));
  ASSERT_EQ(log_->jobs.size(), 1u);
  ASSERT_EQ(log_->jobs[0].sheets.size(), 1u);
  EXPECT_TRUE(Holds(log_->jobs[0].sheets[0], L"1 of 1"));
}

TEST_F(PrintingTest, WideningAMarginAnnouncesTheNewCountOnceAndAllPrintsIt) {
  Start();
  SetEditorText(Lines(150));
  int before = 0, after = 0;
  prompter_.ExpectMessage(print::kPageCountChanged);
  ASSERT_TRUE(WithDialog(command::FileMenuPrint, [&](TMyPrintDialog& d) {
    before = d.PageCount();
    d.SetText(IDC_PR_TOP, L"4");
    d.MarginExit(IDC_PR_TOP);
    after = d.PageCount();
    d.MarginExit(IDC_PR_TOP);  // the same count again: no message
    EXPECT_EQ(d.Text(IDC_PR_ALL), print::AllCaption(after));
    d.OKButtonClick();
  }));
  EXPECT_GT(after, before);
  ASSERT_EQ(log_->jobs.size(), 1u);
  EXPECT_EQ(static_cast<int>(log_->jobs[0].sheets.size()), after);
  EXPECT_EQ(prompter_.Pending(), 0u);
}

TEST_F(PrintingTest, TheDialogCorrectsItsFieldsAndRefusesWhatCannotPrint) {
  Start();
  SetEditorText(Lines(150));
  prompter_.ExpectMessage(print::kFromAfterTo);
  prompter_.ExpectMessage(L"");  // the margins named
  ASSERT_TRUE(WithDialog(command::FileMenuPrint, [&](TMyPrintDialog& d) {
    int count = d.PageCount();
    d.SetText(IDC_PR_LEFT, L"0");
    d.MarginExit(IDC_PR_LEFT);
    EXPECT_EQ(d.Text(IDC_PR_LEFT), L"0.2");
    d.SetText(IDC_PR_FROM, L"-3");
    d.FromExit();
    EXPECT_EQ(d.Text(IDC_PR_FROM), L"1");
    d.SetText(IDC_PR_TO, L"999");
    d.ToExit();
    EXPECT_EQ(d.Text(IDC_PR_TO), std::to_wstring(count));

    d.SetChecked(IDC_PR_ALL, false);
    d.SetChecked(IDC_PR_FROMPAGE, true);
    d.SetText(IDC_PR_FROM, L"2");
    d.SetText(IDC_PR_TO, L"1");
    d.OKButtonClick();
    EXPECT_EQ(d.ActivePage(), 0) << "the refusal brings the Pages page to the front";
    EXPECT_EQ(IniValue(L"Temp", L"HR"), L"<absent>") << "nothing handed over";

    d.SetText(IDC_PR_TO, L"2");
    d.SetText(IDC_PR_LEFT, L"4.5");
    d.SetText(IDC_PR_RIGHT, L"4");
    d.OKButtonClick();
    EXPECT_EQ(d.ActivePage(), 1);
    Cancel(d);
  }));
  ASSERT_EQ(prompter_.messages.size(), 2u);
  EXPECT_NE(prompter_.messages[1].text.find(L"4.5 and 4 inches"), std::wstring::npos) << prompter_.messages[1].text;
  EXPECT_TRUE(log_->jobs.empty());
}

TEST_F(PrintingTest, AnUntickedHeaderHandsNothingOverAndDrawsNothing) {
  WriteIni("[PrintDefaults]\r\nFooter=0\r\n");
  Start();
  SetEditorText(L"body");
  ASSERT_TRUE(WithDialog(command::FileMenuPrint, [&](TMyPrintDialog& d) {
    d.SetChecked(IDC_PR_HEADER, false);
    d.OKButtonClick();
    EXPECT_EQ(IniValue(L"Temp", L"HL"), L"<absent>");
    EXPECT_EQ(IniValue(L"Temp", L"HR"), L"<absent>");
    EXPECT_EQ(IniValue(L"Temp", L"FL"), L"<absent>");
  }));
  ASSERT_EQ(log_->jobs.size(), 1u);
  for (const DrawnText& drawn : log_->jobs[0].sheets.at(0))
    EXPECT_GE(drawn.y, 96 - 24) << "only the body, from the top margin: " << win::ToAnsi(drawn.text);
}

TEST_F(PrintingTest, SaveSettingsStoresAnUntickedFooterWithItsTexts) {
  Start();
  prompter_.ExpectMessage(print::kSettingsSaved);
  ASSERT_TRUE(WithDialog(command::FileMenuPrint, [&](TMyPrintDialog& d) {
    d.SetChecked(IDC_PR_FOOTER, false);
    d.SetText(IDC_PR_FOOTERC, L"kept");
    d.SetChecked(IDC_PR_LANDSCAPE, true);
    d.SetChecked(IDC_PR_PORTRAIT, false);
    d.SetText(IDC_PR_BOTTOM, L"1.5");
    d.SaveButtonClick();
    Cancel(d);
  }));
  EXPECT_EQ(IniValue(L"PrintDefaults", L"Footer"), L"0");
  EXPECT_EQ(IniValue(L"PrintDefaults", L"FooterC"), L"kept");
  EXPECT_EQ(IniValue(L"PrintDefaults", L"Orientation"), L"1");
  EXPECT_EQ(IniValue(L"PrintDefaults", L"BottomMargin"), L"1.5");
  EXPECT_EQ(IniValue(L"PrintDefaults", L"FontName"), L"Courier New");
  EXPECT_TRUE(log_->jobs.empty());
}

TEST_F(PrintingTest, APlainDocumentPrintsInThePrintFontAndKeepsItsOwn) {
  Start();
  SetEditorText(Lines(120));
  editor().SetModified(false);
  workspace::FontSpec own = editor().DefaultFont();
  int small = 0, large = 0;
  WithDialog(command::FileMenuPrint, [&](TMyPrintDialog& d) {
    small = d.PageCount();
    Cancel(d);
  });
  form().profile().WriteText(L"PrintDefaults", L"FontSize", L"20");
  WithDialog(command::FileMenuPrint, [&](TMyPrintDialog& d) {
    large = d.PageCount();
    EXPECT_FALSE(::IsWindowVisible(editor().hwnd())) << "a picture stands in for the editor";
    d.OKButtonClick();
  });
  EXPECT_GT(large, small) << "the count uses the print font";
  ASSERT_EQ(log_->jobs.size(), 1u);
  EXPECT_EQ(static_cast<int>(log_->jobs[0].sheets.size()), large);
  workspace::FontSpec after = editor().DefaultFont();
  EXPECT_EQ(after.name, own.name);
  EXPECT_EQ(after.points, own.points);
  EXPECT_FALSE(editor().Modified());
  EXPECT_TRUE(::IsWindowVisible(editor().hwnd()));
  EXPECT_TRUE(form().documents().Active().changeAttached);
  EXPECT_FALSE(form().printing().DialogOpen());
}

TEST_F(PrintingTest, PrinterSetupTurnsThePageAndTheDialogFollows) {
  Start();
  SetEditorText(Lines(150));
  ScriptedPrompter::Expected setup{ScriptedPrompter::Expected::Kind::Print};
  setup.landscape = true;
  setup.files = {L"Office Laser 2"};
  prompter_.Expect(setup);
  prompter_.ExpectMessage(print::kPageCountChanged);
  int portrait = 0;
  ASSERT_TRUE(WithDialog(command::FileMenuPrint, [&](TMyPrintDialog& d) {
    portrait = d.PageCount();
    d.PrinterSetupClick();
    EXPECT_TRUE(d.Checked(IDC_PR_LANDSCAPE)) << "the orientation chosen in the set-up is picked up";
    EXPECT_GT(d.PageCount(), portrait) << "a landscape sheet holds fewer lines";
    d.OKButtonClick();
  }));
  ASSERT_EQ(log_->jobs.size(), 1u);
  EXPECT_EQ(log_->lastOrientation, print::Orientation::Landscape);
  EXPECT_EQ(log_->lastPrinter, L"Office Laser 2");
}

TEST_F(PrintingTest, RichTextHasNoFontPage) {
  std::wstring path = MakeFile(L"r.rtf", "{\\rtf1\\ansi {\\fonttbl{\\f0 Arial;}}\\f0\\fs40 Rich\\par}");
  Start();
  form().documents().OpenDocument(path);
  workspace::FontSpec own = editor().DefaultFont();
  ASSERT_TRUE(WithDialog(command::FileMenuPrint, [&](TMyPrintDialog& d) {
    EXPECT_EQ(TabCtrl_GetItemCount(d.Item(IDC_PR_TABS)), 4);
    d.ShowPage(2);
    EXPECT_EQ(d.ActivePage(), 0) << "the Font page cannot be shown";
    d.MarginExit(IDC_PR_LEFT);
    Cancel(d);
  }));
  EXPECT_EQ(editor().DefaultFont().name, own.name);
}

TEST_F(PrintingTest, AFailingPrinterIsNamedAndTheDocumentStaysAsItWas) {
  log_->refuseSheet = 2;
  Start();
  SetEditorText(Lines(150));
  prompter_.ExpectMessage(
      L"The printer \"Test Printer\" could not print the document. Check that it is switched on, on line and has paper.");
  WithDialog(command::FileMenuPrint, [](TMyPrintDialog& d) { d.OKButtonClick(); });
  ASSERT_EQ(log_->jobs.size(), 1u);
  EXPECT_TRUE(log_->jobs[0].aborted);
  EXPECT_TRUE(editor().Modified()) << "typed, so still modified";
  EXPECT_TRUE(::IsWindowVisible(editor().hwnd()));
}

TEST_F(PrintingTest, WithoutAPrinterPrintingIsOffWithAHint) {
  printers_.clear();
  Start();
  EXPECT_FALSE(form().IsCommandEnabled(command::FileMenuPrint));
  EXPECT_FALSE(form().IsCommandEnabled(command::FileMenuPageSetup));
  EXPECT_FALSE(form().IsCommandEnabled(command::FileMenuPrintPreview));
  EXPECT_EQ(form().commands().Hint(command::FileMenuPrint), L"No printer is installed: add one in Windows to print.");
  prompter_.ExpectMessage(L"No printer is installed. Add a printer in Windows, then print again.");
  HandOver(L"/p ");
  form().TimerTimer();
  EXPECT_EQ(prompter_.Pending(), 0u) << "a print request gets an answer";
}

TEST_F(PrintingTest, HandedOverPrintRequestsPrintTheirFile) {
  std::wstring a = MakeFile(L"a.txt", "first"), b = MakeFile(L"b b.txt", "second");
  Start();
  bool dialog = false;
  win::Dialog::SetTestHook([&](win::Dialog& d) {
    dialog = dynamic_cast<TMyPrintDialog*>(&d) != nullptr;
    static_cast<TMyPrintDialog&>(d).OKButtonClick();
  });
  HandOver(a + L" /p ");
  form().TimerTimer();
  win::Dialog::SetTestHook(nullptr);
  EXPECT_TRUE(dialog) << "\"/p\" goes through File > Print";
  ASSERT_EQ(log_->jobs.size(), 1u);
  EXPECT_EQ(log_->jobs[0].title, a);

  // Windows' "print to": file, printer, driver and port; no dialog.
  HandOver(L"/pt " + b + L" Office Laser 2 winspool Ne01: ");
  form().TimerTimer();
  ASSERT_EQ(log_->jobs.size(), 2u);
  EXPECT_EQ(log_->jobs[1].title, b);
  EXPECT_EQ(log_->lastPrinter, L"Office Laser 2");
  EXPECT_EQ(form().printing().Device().Name(), L"Test Printer") << "the request does not change the user's printer";
}

TEST_F(PrintingTest, TheCommandLinePrintsToANamedPrinter) {
  std::wstring a = MakeFile(L"a.txt", "first");
  context_.arguments = {L"/pt", a, L"Office Laser 2", L"winspool", L"LPT1:"};
  Start();
  ASSERT_EQ(log_->jobs.size(), 1u);
  EXPECT_EQ(log_->jobs[0].title, a);
  EXPECT_EQ(log_->lastPrinter, L"Office Laser 2");
}

TEST_F(PrintingTest, ThePreviewDrawsHeaderFooterAndBodyWhereThePrinterDoes) {
  Start();
  SetEditorText(L"WWWWWWWW\rWWWWWWWW");
  print::DeviceMetrics sheet = TestSheet(false);
  HDC screen = ::GetDC(nullptr);
  HDC layout = ::CreateCompatibleDC(screen);
  print::PreviewSource source;
  source.input = {editor(), layout, sheet, {1440, 1440, 1440, 1440}};
  source.table = print::CountPages(source.input);
  source.texts.header = {L"HHHHHHHH", L"", L""};
  source.texts.footer = {L"", L"", L"FFFFFFFF"};
  // One preview pixel per printer pixel: the sheet as it comes out of the printer.
  HDC memory = ::CreateCompatibleDC(screen);
  HBITMAP bitmap = ::CreateCompatibleBitmap(screen, sheet.physicalWidth, sheet.physicalHeight);
  HGDIOBJ old = ::SelectObject(memory, bitmap);
  RECT whole{0, 0, sheet.physicalWidth, sheet.physicalHeight};
  print::RenderPreviewPage(source, 1, memory, whole);
  auto inked = [&](int top, int bottom, int left, int right) {
    for (int y = top; y < bottom; ++y)
      for (int x = left; x < right; ++x)
        if (::GetPixel(memory, x, y) != RGB(255, 255, 255)) return true;
    return false;
  };
  int offset = sheet.offsetX;
  EXPECT_TRUE(inked(offset, offset + 20, offset, offset + 120)) << "header at the printable area's top left";
  EXPECT_TRUE(inked(sheet.physicalHeight - offset - 20, sheet.physicalHeight - offset, sheet.physicalWidth - offset - 120,
                    sheet.physicalWidth - offset))
      << "footer at its bottom right";
  EXPECT_FALSE(inked(offset + 20, 96, 0, sheet.physicalWidth)) << "nothing between header and top margin";
  EXPECT_TRUE(inked(96, 96 + 20, 96, 96 + 120)) << "the body starts at the margins' corner";
  EXPECT_FALSE(inked(96 + 40, sheet.physicalHeight - 96, 0, sheet.physicalWidth)) << "two lines only";
  ::SelectObject(memory, old);
  ::DeleteObject(bitmap);
  ::DeleteDC(memory);
  ::DeleteDC(layout);
  ::ReleaseDC(nullptr, screen);
}
