#include "print/Printing_win.h"

#include "config/Keys.h"
#include "print/MyPrintDialog_win.h"
#include "print/PrintPreview_win.h"
#include "textcmd/DateTime.h"
#include "win/Text.h"

namespace print {
using namespace command;
namespace {

constexpr wchar_t kNoPrinterHint[] = L"No printer is installed: add one in Windows to print.";
constexpr wchar_t kNoPrinter[] = L"No printer is installed. Add a printer in Windows, then print again.";
constexpr wchar_t kPrinterRefused[] =
    L"The printer \"%s\" could not print the document. Check that it is switched on, on line and has paper.";
constexpr wchar_t kPrinterUnavailable[] = L"The printer \"%s\" cannot be used now.";
constexpr wchar_t kUnknownPrinter[] = L"There is no printer named \"%s\".";
constexpr wchar_t kNothingInRange[] = L"The document has no page %s to %s: nothing was printed.";

std::wstring LocaleText(LCTYPE type, const wchar_t* fallback) {
  wchar_t buffer[16] = L"";
  int got = ::GetLocaleInfoW(LOCALE_USER_DEFAULT, type, buffer, 16);
  return got > 1 ? std::wstring(buffer) : std::wstring(fallback);
}

// The active document as the print command leaves it for the duration: no change
// processing, the modified flag kept, and for plain text the print font applied to
// a hidden editor behind a still picture of it. Every way out puts it all back.
class TemporaryPrintState {
 public:
  explicit TemporaryPrintState(workspace::DocumentSlot& slot)
      : slot_(slot), attached_(slot.changeAttached), modified_(slot.editor.Modified()),
        plain_(slot.editor.IsPlainText()) {
    slot_.changeAttached = false;
    if (plain_) {
      font_ = slot_.editor.DefaultFont();
      Cover();
    }
  }
  ~TemporaryPrintState() {
    if (plain_) {
      if (applied_) slot_.editor.SetDefaultFont(font_);
      if (visible_) ::ShowWindow(slot_.editor.hwnd(), SW_SHOW);
      if (cover_) ::DestroyWindow(cover_);
      if (visible_) ::SetFocus(slot_.editor.hwnd());
      if (picture_) ::DeleteObject(picture_);
    }
    slot_.editor.SetModified(modified_);
    slot_.changeAttached = attached_;
  }
  TemporaryPrintState(const TemporaryPrintState&) = delete;
  TemporaryPrintState& operator=(const TemporaryPrintState&) = delete;

  bool Plain() const { return plain_; }
  const workspace::FontSpec& DocumentFont() const { return font_; }
  // Giving a large text a font is slow (about a second per MB under Wine): a layout
  // change that keeps the font leaves the text alone.
  void ApplyFont(const PrintFont& font) {
    if (!plain_ || (applied_ && SameFont(*applied_, font))) return;
    slot_.editor.SetDefaultFont(ToFontSpec(font));
    applied_ = font;
  }

 private:
  void Cover() {
    HWND editor = slot_.editor.hwnd();
    visible_ = ::IsWindowVisible(editor) != FALSE;
    if (!visible_) return;
    RECT r{};
    ::GetWindowRect(editor, &r);
    int width = r.right - r.left, height = r.bottom - r.top;
    HWND parent = ::GetParent(editor);
    HDC source = ::GetWindowDC(editor);
    HDC memory = ::CreateCompatibleDC(source);
    picture_ = ::CreateCompatibleBitmap(source, width, height);
    HGDIOBJ old = ::SelectObject(memory, picture_);
    ::BitBlt(memory, 0, 0, width, height, source, 0, 0, SRCCOPY);
    ::SelectObject(memory, old);
    ::DeleteDC(memory);
    ::ReleaseDC(editor, source);
    ::MapWindowPoints(HWND_DESKTOP, parent, reinterpret_cast<POINT*>(&r), 2);
    cover_ = ::CreateWindowExW(0, L"Static", L"", WS_CHILD | SS_BITMAP, r.left, r.top, width, height, parent, nullptr,
                               ::GetModuleHandleW(nullptr), nullptr);
    ::SendMessageW(cover_, STM_SETIMAGE, IMAGE_BITMAP, reinterpret_cast<LPARAM>(picture_));
    ::SetWindowPos(cover_, HWND_TOP, r.left, r.top, width, height, SWP_SHOWWINDOW | SWP_NOACTIVATE);
    ::ShowWindow(editor, SW_HIDE);
  }

  static bool SameFont(const PrintFont& a, const PrintFont& b) {
    return a.name == b.name && a.size == b.size && a.color == b.color && a.bold == b.bold && a.italic == b.italic &&
           a.underline == b.underline && a.strikeOut == b.strikeOut;
  }

  workspace::DocumentSlot& slot_;
  bool attached_, modified_, plain_;
  std::optional<PrintFont> applied_;
  bool visible_ = false;
  workspace::FontSpec font_;
  HWND cover_ = nullptr;
  HBITMAP picture_ = nullptr;
};

// Sets a flag for as long as it lives.
class Marker {
 public:
  explicit Marker(bool& flag) : flag_(flag) { flag_ = true; }
  ~Marker() { flag_ = false; }
  Marker(const Marker&) = delete;
  Marker& operator=(const Marker&) = delete;

 private:
  bool& flag_;
};

}  // namespace

Printing::Printing(workspace::Frame& frame, workspace::DocumentHost& documents, Registry& commands)
    : frame_(frame), documents_(documents), device_(std::make_unique<SystemPrinter>()) {
  // Until the first timer tick the spooler is not asked (its library waits for its
  // first call): the first window shows the commands as if a printer were there. The
  // commands themselves always ask.
  Rule printer = [this] { return !spoolerAsked_ || HasPrinter(); };
  auto hint = [printer](const wchar_t* usual) {
    return [printer, usual]() -> const wchar_t* { return printer() ? usual : kNoPrinterHint; };
  };
  commands.Add({
      {FileMenuPrint, L"FileMenuPrint", L"&Print...", Ctrl('P'), L"Print the document.", 12,
       Bind(this, &Printing::FileMenuPrintClick), printer, {}, {}, hint(L"Print the document.")},
      {FileMenuPrintPreview, L"FileMenuPrintPreview", L"Print Pre&view...", {},
       L"See the pages as they will be printed.", -1, Bind(this, &Printing::FileMenuPrintPreviewClick), printer, {}, {},
       hint(L"See the pages as they will be printed.")},
      {FileMenuPageSetup, L"FileMenuPageSetup", L"Printer Se&tup...", {}, L"Choose printer settings.", 13,
       Bind(this, &Printing::FileMenuPageSetupClick), printer, {}, {}, hint(L"Choose printer settings.")},
      {TabMenuPrint, L"TabMenuPrint", L"&Print...", {}, L"", -1, Bind(this, &Printing::FileMenuPrintClick), printer},
  });
}

Printing::~Printing() = default;

bool Printing::HasPrinter() { return !device_->Name().empty(); }

HDC Printing::Context() {
  std::wstring name = device_->Name();
  if (!context_ || contextOrientation_ != device_->GetOrientation() || contextPrinter_ != name) {
    context_ = device_->CreateContext();
    contextOrientation_ = device_->GetOrientation();
    contextPrinter_ = name;
  }
  return context_.get();
}

int Printing::Count(workspace::RichEditor editor, const Margins& margins) {
  HDC dc = Context();
  if (!dc) return 1;
  return CountPages({editor, dc, device_->Metrics(dc), margins}).Count();
}

MacroValues Printing::Macros(const workspace::DocumentSlot& slot) {
  SYSTEMTIME now = frame_.Now();
  textcmd::ClockValue clock{now.wYear, now.wMonth, now.wDay, now.wHour, now.wMinute};
  MacroValues macros;
  macros.fileName = slot.fileName;
  macros.date = textcmd::FormatDate(clock, frame_.Profile().Read(config::keys::DateFormat),
                                    LocaleText(LOCALE_SDATE, L"/"));
  macros.time = textcmd::FormatTime(clock, frame_.Profile().Read(config::keys::TimeFormat),
                                    LocaleText(LOCALE_STIME, L":"));
  return macros;
}

void Printing::Failure(const std::wstring& text) {
  win::MessageRequest request;
  request.owner = frame_.Window();
  request.text = text;
  request.icon = win::Icon::Warning;
  frame_.Prompter().Message(request);
}

bool Printing::RunJob(workspace::DocumentSlot& slot, const Margins& margins, std::optional<PageRange> range) {
  JobTexts texts = TakeJobTexts(frame_.Profile());
  std::wstring printer = device_->Name();
  HDC dc = Context();
  if (!dc) {
    Failure(win::Fill(kPrinterUnavailable, {printer}));
    return false;
  }
  EngineInput input{slot.editor, dc, device_->Metrics(dc), margins};
  PageTable table = CountPages(input);
  PageRange wanted = range.value_or(AllPages(table.Count()));
  PageRange pages = WithinDocument(wanted, table.Count());
  if (IsEmpty(pages)) {
    Failure(win::Fill(kNothingInRange, {win::ToText(wanted.first), win::ToText(wanted.last)}));
    return false;
  }
  std::unique_ptr<SheetSink> job = device_->StartJob(dc, slot.fileName);
  if (!job || !PrintPages(input, *job, table, pages, texts, Macros(slot))) {
    Failure(win::Fill(kPrinterRefused, {printer}));
    return false;
  }
  return true;
}

void Printing::FileMenuPrintClick(const Sender&) {
  if (dialogOpen_) return;
  if (!HasPrinter()) {
    Failure(kNoPrinter);
    return;
  }
  workspace::DocumentSlot& slot = documents_.Active();
  Marker marker(dialogOpen_);
  TemporaryPrintState state(slot);
  PrintSettings defaults = ReadPrintSettings(frame_.Profile());
  device_->SetOrientation(defaults.orientation);
  state.ApplyFont(defaults.font);
  int count = Count(slot.editor, ToTwips(defaults.margins));

  PrintDialogHost host;
  host.prompter = &frame_.Prompter();
  host.profile = &frame_.Profile();
  host.richText = !state.Plain();
  host.documentFont = FromFontSpec(state.DocumentFont());
  host.hotTrack = frame_.Profile().Read(config::keys::TryIt);
  host.countPages = [this, &slot, &state](const MarginTexts& margins, const PrintFont* font) {
    if (font) state.ApplyFont(*font);
    return Count(slot.editor, ToTwips(margins));
  };
  host.setOrientation = [this](Orientation orientation) { device_->SetOrientation(orientation); };
  host.printerSetup = [this] { return PrinterSetup(); };
  host.marginsProblem = [this, &slot](const MarginTexts& margins,
                                      const PrintFont* font) -> std::optional<std::wstring> {
    HDC dc = Context();
    if (!dc) return std::nullopt;
    workspace::FontSpec look = font ? ToFontSpec(*font) : slot.editor.DefaultFont();
    return MarginsProblem(margins, device_->Metrics(dc), MinimumBody(dc, look));
  };
  host.preview = [this, &slot, &state](const PrintSettings& settings) {
    state.ApplyFont(settings.font);
    return ShowPreview(slot, settings, true);
  };
  host.showHelp = [this](int topic) { frame_.ShowHelpTopic(topic); };

  TMyPrintDialog dialog(std::move(host), defaults, count);
  if (dialog.ShowModal(frame_.Window()) != IDOK) return;
  PrintChoices choices = dialog.Choices();
  state.ApplyFont(choices.settings.font);
  device_->SetOrientation(choices.settings.orientation);
  std::optional<PageRange> range;
  range = choices.all ? AllPages(dialog.PageCount()) : RangeFromFields(choices.from, choices.to);
  RunJob(slot, ToTwips(choices.settings.margins), range);
}

void Printing::PrintTo(const std::wstring& printer) {
  if (dialogOpen_) return;
  if (!device_->Exists(printer)) {
    Failure(win::Fill(kUnknownPrinter, {printer}));
    return;
  }
  std::wstring previous = device_->Name();
  Orientation previousOrientation = device_->GetOrientation();
  device_->Select(printer);
  {
    workspace::DocumentSlot& slot = documents_.Active();
    Marker marker(dialogOpen_);
    TemporaryPrintState state(slot);
    PrintSettings defaults = ReadPrintSettings(frame_.Profile());
    device_->SetOrientation(defaults.orientation);
    state.ApplyFont(defaults.font);
    HandOverJobTexts(frame_.Profile(), defaults.header, defaults.headerTexts, defaults.footer, defaults.footerTexts);
    RunJob(slot, ToTwips(defaults.margins), std::nullopt);
  }
  // The request names a printer for this one job; the user's choice stays.
  if (!previous.empty()) device_->Select(previous);
  device_->SetOrientation(previousOrientation);
}

std::optional<Orientation> Printing::PrinterSetup() {
  win::PrintRequest request;
  request.owner = ::GetActiveWindow() ? ::GetActiveWindow() : frame_.Window();
  request.setupOnly = true;
  request.printerName = device_->Name();
  request.landscape = device_->GetOrientation() == Orientation::Landscape;
  if (!frame_.Prompter().Print(request)) return std::nullopt;
  if (request.dc) ::DeleteDC(request.dc);
  if (!request.printerName.empty()) device_->Select(request.printerName);
  Orientation orientation = request.landscape ? Orientation::Landscape : Orientation::Portrait;
  device_->SetOrientation(orientation);
  return orientation;
}

void Printing::FileMenuPageSetupClick(const Sender&) { PrinterSetup(); }

void Printing::FileMenuPrintPreviewClick(const Sender&) {
  if (dialogOpen_) return;
  if (!HasPrinter()) {
    Failure(kNoPrinter);
    return;
  }
  workspace::DocumentSlot& slot = documents_.Active();
  bool print = false;
  {
    Marker marker(dialogOpen_);
    TemporaryPrintState state(slot);
    PrintSettings defaults = ReadPrintSettings(frame_.Profile());
    device_->SetOrientation(defaults.orientation);
    state.ApplyFont(defaults.font);
    print = ShowPreview(slot, defaults, false);
  }
  if (print) FileMenuPrintClick(Sender{FileMenuPrint});
}

bool Printing::ShowPreview(workspace::DocumentSlot& slot, const PrintSettings& settings, bool fromDialog) {
  HDC dc = Context();
  if (!dc) {
    Failure(win::Fill(kPrinterUnavailable, {device_->Name()}));
    return false;
  }
  PreviewSource source;
  source.input = {slot.editor, dc, device_->Metrics(dc), ToTwips(settings.margins)};
  source.table = CountPages(source.input);
  if (settings.header) source.texts.header = settings.headerTexts;
  if (settings.footer) source.texts.footer = settings.footerTexts;
  source.macros = Macros(slot);
  source.title = win::FileNamePart(slot.fileName);
  source.printLabel = fromDialog ? L"&Print" : L"&Print...";
  TPrintPreview preview(std::move(source));
  return preview.ShowModal(::GetActiveWindow() ? ::GetActiveWindow() : frame_.Window()) == IDOK;
}

}  // namespace print
