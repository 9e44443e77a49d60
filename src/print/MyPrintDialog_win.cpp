#include "print/MyPrintDialog_win.h"

#include <commctrl.h>

#include <algorithm>
#include <array>
#include <cwchar>
#include <iterator>

#include "config/Keys.h"
#include "print/MyPrintDialogIds.h"
#include "print/PageEngine_win.h"
#include "print/PageGeometry.h"
#include "print/PrintDialogRules.h"
#include "win/SystemInfo.h"
#include "win/Text.h"

namespace print {
namespace {

constexpr int kPagesPage = 0, kMarginsPage = 1, kFontPage = 2, kHeaderPage = 3, kFooterPage = 4;

constexpr int kPageControls[][10] = {
    {IDC_PR_PAGESGROUP, IDC_PR_ALL, IDC_PR_FROMPAGE, IDC_PR_FROM, IDC_PR_TOLABEL, IDC_PR_TO, IDC_PR_ORIENTGROUP,
     IDC_PR_PORTRAIT, IDC_PR_LANDSCAPE, IDC_PR_PICTURE},
    {IDC_PR_MARGINSGROUP, IDC_PR_LEFTLABEL, IDC_PR_LEFT, IDC_PR_RIGHTLABEL, IDC_PR_RIGHT, IDC_PR_TOPLABEL, IDC_PR_TOP,
     IDC_PR_BOTTOMLABEL, IDC_PR_BOTTOM},
    {IDC_PR_SAMPLE, IDC_PR_CUSTOMFONT, IDC_PR_SAMEFONT},
    {IDC_PR_HEADER, IDC_PR_HEADERLLABEL, IDC_PR_HEADERL, IDC_PR_HEADERCLABEL, IDC_PR_HEADERC, IDC_PR_HEADERRLABEL,
     IDC_PR_HEADERR},
    {IDC_PR_FOOTER, IDC_PR_FOOTERLLABEL, IDC_PR_FOOTERL, IDC_PR_FOOTERCLABEL, IDC_PR_FOOTERC, IDC_PR_FOOTERRLABEL,
     IDC_PR_FOOTERR},
};

constexpr wchar_t kSampleText[] =
    L" Example Printed Text\r\n Example Printed Text\r\n Example Printed Text\r\n Example Printed Text";

bool IsMarginField(int id) {
  return id == IDC_PR_LEFT || id == IDC_PR_RIGHT || id == IDC_PR_TOP || id == IDC_PR_BOTTOM;
}

LOGFONTW ToLogFont(const PrintFont& font) {
  workspace::FontSpec look = ToFontSpec(font);
  look.charSet = DEFAULT_CHARSET;
  return workspace::ToLogFont(look, win::ScreenDpi());
}

PrintFont FromLogFont(const LOGFONTW& lf, COLORREF color) {
  PrintFont font;
  font.name = std::wstring(lf.lfFaceName).substr(0, kMaxFaceName);
  int height = lf.lfHeight < 0 ? -lf.lfHeight : lf.lfHeight;
  font.size = std::max(kMinFontSize, std::min(kMaxFontSize, ::MulDiv(height, 72, win::ScreenDpi())));
  font.color = color & 0xFFFFFF;
  font.bold = lf.lfWeight >= FW_BOLD;
  font.italic = lf.lfItalic != 0;
  font.underline = lf.lfUnderline != 0;
  font.strikeOut = lf.lfStrikeOut != 0;
  return font;
}

// An orientation picture in the dialog's own colours: its grey (192,192,192) becomes the
// face colour and its shadow (128,128,128) the shadow colour. Loading with
// LR_LOADMAP3DCOLORS would do the same for pictures with a colour table only.
HBITMAP LoadPicture(int id) {
  auto bitmap = static_cast<HBITMAP>(::LoadImageW(::GetModuleHandleW(nullptr), MAKEINTRESOURCEW(id), IMAGE_BITMAP, 0,
                                                  0, LR_CREATEDIBSECTION));
  DIBSECTION dib{};
  if (!bitmap || ::GetObjectW(bitmap, sizeof(dib), &dib) != sizeof(dib) || dib.dsBm.bmBitsPixel != 24) return bitmap;
  COLORREF face = ::GetSysColor(COLOR_3DFACE), shadow = ::GetSysColor(COLOR_3DSHADOW);
  auto* bits = static_cast<BYTE*>(dib.dsBm.bmBits);
  for (LONG y = 0; y < dib.dsBm.bmHeight; ++y) {
    BYTE* pixel = bits + y * dib.dsBm.bmWidthBytes;
    for (LONG x = 0; x < dib.dsBm.bmWidth; ++x, pixel += 3) {
      COLORREF to = pixel[0] == 192 && pixel[1] == 192 && pixel[2] == 192   ? face
                    : pixel[0] == 128 && pixel[1] == 128 && pixel[2] == 128 ? shadow
                                                                              : CLR_INVALID;
      if (to == CLR_INVALID) continue;
      pixel[0] = GetBValue(to);
      pixel[1] = GetGValue(to);
      pixel[2] = GetRValue(to);
    }
  }
  return bitmap;
}

// The pages' labels and boxes lie on the tab control but belong to the dialog: with
// visual styles the dialog takes the tab's texture, so they match the page around them.
// The theme library is there exactly when visual styles are.
void UseTabTexture(HWND dialog) {
  using EnableTextureProc = HRESULT(WINAPI*)(HWND, DWORD);
  constexpr DWORD kEnableTab = 0x6;  // ETDT_ENABLE | ETDT_USETABTEXTURE
  HMODULE theme = ::GetModuleHandleW(L"uxtheme.dll");
  FARPROC proc = theme ? ::GetProcAddress(theme, "EnableThemeDialogTexture") : nullptr;
  auto enable = reinterpret_cast<EnableTextureProc>(reinterpret_cast<void*>(proc));
  if (enable) enable(dialog, kEnableTab);
}

COLORREF Resolved(config::Color color) {
  return config::ResolveColor(color, [](int index) { return static_cast<std::uint32_t>(::GetSysColor(index)); });
}

// The colour chooser's 16 custom colours, kept in CustomColors as "ColorA".."ColorP".
std::array<COLORREF, 16> ReadCustomColors(const config::Profile& profile) {
  std::array<COLORREF, 16> colors{};
  for (int i = 0; i < 16; ++i) {
    wchar_t key[] = {L'C', L'o', L'l', L'o', L'r', static_cast<wchar_t>(L'A' + i), 0};
    std::wstring text = profile.ReadText(config::keys::kCustomColors, key, L"FFFFFFFF", 20);
    wchar_t* end = nullptr;
    unsigned long value = std::wcstoul(text.c_str(), &end, 16);
    colors[static_cast<size_t>(i)] = (end && *end == 0 && !text.empty()) ? static_cast<COLORREF>(value) : 0xFFFFFFFF;
  }
  return colors;
}

void WriteCustomColors(config::Profile& profile, const std::array<COLORREF, 16>& colors) {
  for (int i = 0; i < 16; ++i) {
    wchar_t key[] = {L'C', L'o', L'l', L'o', L'r', static_cast<wchar_t>(L'A' + i), 0};
    wchar_t value[16];
    std::swprintf(value, 16, L"%.6lX", static_cast<unsigned long>(colors[static_cast<size_t>(i)]));
    profile.WriteText(config::keys::kCustomColors, key, value);
  }
}

}  // namespace

TMyPrintDialog::TMyPrintDialog(PrintDialogHost host, PrintSettings filling, int pageCount)
    : win::Dialog(IDD_PRINTDIALOG), host_(std::move(host)), filling_(std::move(filling)), pageCount_(pageCount) {}

TMyPrintDialog::~TMyPrintDialog() = default;

bool TMyPrintDialog::OnInit() {
  UseTabTexture(hwnd());
  HWND tabs = Item(IDC_PR_TABS);
  if (host_.hotTrack) ::SetWindowLongW(tabs, GWL_STYLE, ::GetWindowLongW(tabs, GWL_STYLE) | TCS_HOTTRACK);
  ::SetWindowLongW(tabs, GWL_STYLE, ::GetWindowLongW(tabs, GWL_STYLE) | WS_CLIPSIBLINGS);
  int index = 0;
  for (int page = 0; page < static_cast<int>(std::size(kDialogPages)); ++page) {
    if (page == kFontPage && host_.richText) continue;
    TCITEMW item{};
    item.mask = TCIF_TEXT | TCIF_PARAM;
    item.pszText = const_cast<wchar_t*>(kDialogPages[page].caption);
    item.lParam = page;
    TabCtrl_InsertItem(tabs, index++, &item);
  }
  // Painted beneath the pages' controls.
  ::SetWindowPos(tabs, HWND_BOTTOM, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
  portrait_.reset(LoadPicture(IDB_PORTRAIT));
  landscape_.reset(LoadPicture(IDB_LANDSCAPE));
  ::SendMessageW(Item(IDC_PR_FROM), EM_LIMITTEXT, 5, 0);
  ::SendMessageW(Item(IDC_PR_TO), EM_LIMITTEXT, 5, 0);
  for (int id : {IDC_PR_LEFT, IDC_PR_RIGHT, IDC_PR_TOP, IDC_PR_BOTTOM}) ::SendMessageW(Item(id), EM_LIMITTEXT, 4, 0);
  for (int id : {IDC_PR_HEADERL, IDC_PR_HEADERC, IDC_PR_HEADERR, IDC_PR_FOOTERL, IDC_PR_FOOTERC, IDC_PR_FOOTERR})
    ::SendMessageW(Item(id), EM_LIMITTEXT, 60, 0);
  Fill();
  ShowPage(kPagesPage);
  return true;
}

void TMyPrintDialog::Fill() {
  const PrintSettings& s = filling_;
  SetText(IDC_PR_LEFT, s.margins.left);
  SetText(IDC_PR_RIGHT, s.margins.right);
  SetText(IDC_PR_TOP, s.margins.top);
  SetText(IDC_PR_BOTTOM, s.margins.bottom);
  SetChecked(IDC_PR_PORTRAIT, s.orientation == Orientation::Portrait);
  SetChecked(IDC_PR_LANDSCAPE, s.orientation == Orientation::Landscape);
  ShowOrientation(s.orientation);
  SetChecked(IDC_PR_ALL, true);
  SetText(IDC_PR_ALL, AllCaption(pageCount_));
  SetText(IDC_PR_FROM, L"1");
  SetText(IDC_PR_TO, win::ToText(pageCount_));
  EnableRange();

  printFont_ = chooserFont_ = s.font;
  SetText(IDC_PR_SAMPLE, kSampleText);
  SetSampleFont(printFont_);

  SetChecked(IDC_PR_HEADER, s.header);
  SetText(IDC_PR_HEADERL, s.headerTexts.left);
  SetText(IDC_PR_HEADERC, s.headerTexts.centre);
  SetText(IDC_PR_HEADERR, s.headerTexts.right);
  SetChecked(IDC_PR_FOOTER, s.footer);
  SetText(IDC_PR_FOOTERL, s.footerTexts.left);
  SetText(IDC_PR_FOOTERC, s.footerTexts.centre);
  SetText(IDC_PR_FOOTERR, s.footerTexts.right);
  EnableLines();
}

void TMyPrintDialog::ShowPage(int page) {
  if (page == kFontPage && host_.richText) return;
  activePage_ = page;
  for (int p = 0; p < static_cast<int>(std::size(kPageControls)); ++p)
    for (int id : kPageControls[p])
      if (id) ::ShowWindow(Item(id), p == page ? SW_SHOWNA : SW_HIDE);
  HWND tabs = Item(IDC_PR_TABS);
  int count = TabCtrl_GetItemCount(tabs);
  for (int tab = 0; tab < count; ++tab)
    if (TabToPage(tab) == page && TabCtrl_GetCurSel(tabs) != tab) TabCtrl_SetCurSel(tabs, tab);
  // The controls of the page that went leave nothing behind on the tab's face.
  ::RedrawWindow(hwnd(), nullptr, nullptr, RDW_ERASE | RDW_INVALIDATE | RDW_ALLCHILDREN);
}

int TMyPrintDialog::TabToPage(int tab) const {
  TCITEMW item{};
  item.mask = TCIF_PARAM;
  if (!TabCtrl_GetItem(Item(IDC_PR_TABS), tab, &item)) return kPagesPage;
  return static_cast<int>(item.lParam);
}

void TMyPrintDialog::EnableRange() {
  bool range = Checked(IDC_PR_FROMPAGE);
  Enable(IDC_PR_FROM, range);
  Enable(IDC_PR_TO, range);
  Enable(IDC_PR_TOLABEL, range);
}

void TMyPrintDialog::EnableLines() {
  bool header = Checked(IDC_PR_HEADER), footer = Checked(IDC_PR_FOOTER);
  for (int id = IDC_PR_HEADERLLABEL; id <= IDC_PR_HEADERR; ++id) Enable(id, header);
  for (int id = IDC_PR_FOOTERLLABEL; id <= IDC_PR_FOOTERR; ++id) Enable(id, footer);
}

void TMyPrintDialog::ShowOrientation(Orientation orientation) {
  HBITMAP picture = orientation == Orientation::Landscape ? landscape_.get() : portrait_.get();
  ::SendMessageW(Item(IDC_PR_PICTURE), STM_SETIMAGE, IMAGE_BITMAP, reinterpret_cast<LPARAM>(picture));
}

void TMyPrintDialog::SetSampleFont(const PrintFont& font) {
  printFont_ = font;
  LOGFONTW lf = ToLogFont(font);
  win::UniqueFont created(::CreateFontIndirectW(&lf));
  ::SendMessageW(Item(IDC_PR_SAMPLE), WM_SETFONT, reinterpret_cast<WPARAM>(created.get()), TRUE);
  sampleFont_ = std::move(created);
  ::InvalidateRect(Item(IDC_PR_SAMPLE), nullptr, TRUE);
}

MarginTexts TMyPrintDialog::Margins() const {
  return {Text(IDC_PR_LEFT), Text(IDC_PR_RIGHT), Text(IDC_PR_TOP), Text(IDC_PR_BOTTOM)};
}

PrintChoices TMyPrintDialog::Choices() const {
  // After the dialog closed: what it held when Print was pressed.
  if (!hwnd()) return chosen_;
  PrintChoices c;
  c.settings.margins = Margins();
  c.settings.orientation = Checked(IDC_PR_LANDSCAPE) ? Orientation::Landscape : Orientation::Portrait;
  c.settings.font = printFont_;
  c.settings.header = Checked(IDC_PR_HEADER);
  c.settings.headerTexts = {Text(IDC_PR_HEADERL), Text(IDC_PR_HEADERC), Text(IDC_PR_HEADERR)};
  c.settings.footer = Checked(IDC_PR_FOOTER);
  c.settings.footerTexts = {Text(IDC_PR_FOOTERL), Text(IDC_PR_FOOTERC), Text(IDC_PR_FOOTERR)};
  c.all = !Checked(IDC_PR_FROMPAGE);
  c.from = Text(IDC_PR_FROM);
  c.to = Text(IDC_PR_TO);
  return c;
}

void TMyPrintDialog::Message(const std::wstring& text, win::Icon icon) {
  win::MessageRequest request;
  request.owner = hwnd();
  request.text = text;
  request.title = kMessageTitle;
  request.icon = icon;
  host_.prompter->Message(request);
}

void TMyPrintDialog::MarginExit(int fieldId) {
  if (IsMarginField(fieldId)) {
    std::wstring text = Text(fieldId);
    std::wstring corrected = CorrectedMargin(text);
    if (corrected != text) SetText(fieldId, corrected);
  }
  int count = host_.countPages(Margins(), host_.richText ? nullptr : &printFont_);
  Recount r = AfterRecount(Text(IDC_PR_FROM), Text(IDC_PR_TO), pageCount_, count);
  if (r.to != Text(IDC_PR_TO)) SetText(IDC_PR_TO, r.to);
  if (r.from != Text(IDC_PR_FROM)) SetText(IDC_PR_FROM, r.from);
  pageCount_ = r.pageCount;
  if (r.announce) {
    SetText(IDC_PR_ALL, r.allCaption);
    Message(kPageCountChanged, win::Icon::Information);
  }
}

void TMyPrintDialog::FromExit() {
  std::wstring text = Text(IDC_PR_FROM);
  std::wstring corrected = CorrectedFrom(text, pageCount_);
  if (corrected != text) SetText(IDC_PR_FROM, corrected);
}

void TMyPrintDialog::ToExit() {
  std::wstring text = Text(IDC_PR_TO);
  std::wstring corrected = CappedToCount(text, pageCount_);
  if (corrected != text) SetText(IDC_PR_TO, corrected);
}

void TMyPrintDialog::PortLandChange() {
  Orientation orientation = Checked(IDC_PR_LANDSCAPE) ? Orientation::Landscape : Orientation::Portrait;
  if (host_.setOrientation) host_.setOrientation(orientation);
  ShowOrientation(orientation);
  MarginExit(0);
}

void TMyPrintDialog::PrinterSetupClick() {
  if (!host_.printerSetup) return;
  std::optional<Orientation> chosen = host_.printerSetup();
  if (!chosen) return;
  bool landscape = *chosen == Orientation::Landscape;
  if (landscape == Checked(IDC_PR_LANDSCAPE)) return;
  SetChecked(IDC_PR_LANDSCAPE, landscape);
  SetChecked(IDC_PR_PORTRAIT, !landscape);
  PortLandChange();
}

void TMyPrintDialog::CustomizeFontClick() {
  win::FontRequest request;
  request.owner = hwnd();
  request.font = ToLogFont(printFont_);
  request.color = Resolved(printFont_.color);
  request.effects = true;
  request.ansiOnly = true;
  if (!host_.prompter->PickFont(request)) return;
  chooserFont_ = FromLogFont(request.font, request.color);
  SetSampleFont(chooserFont_);
  MarginExit(0);
}

void TMyPrintDialog::SameFontClick() {
  bool same = Checked(IDC_PR_SAMEFONT);
  Enable(IDC_PR_CUSTOMFONT, !same);
  if (same) {
    PrintFont font = host_.documentFont;
    font.color = config::kClBlack;
    SetSampleFont(font);
  } else {
    SetSampleFont(chooserFont_);
  }
  MarginExit(0);
}

void TMyPrintDialog::PaperColorClick() {
  win::ColorRequest request;
  request.owner = hwnd();
  request.color = paper_;
  request.custom = ReadCustomColors(*host_.profile);
  if (!host_.prompter->PickColor(request)) return;
  WriteCustomColors(*host_.profile, request.custom);
  paper_ = request.color;
  paperBrush_.reset();
  ::InvalidateRect(Item(IDC_PR_SAMPLE), nullptr, TRUE);
}

void TMyPrintDialog::SaveButtonClick() {
  SavePrintSettings(*host_.profile, Choices().settings);
  Message(kSettingsSaved, win::Icon::Information);
  ::SetFocus(Item(IDC_PR_TABS));
}

void TMyPrintDialog::OKButtonClick() {
  // Enter in a field prints without leaving it: the field's corrections come first.
  HWND focus = ::GetFocus();
  int focused = focus && ::IsChild(hwnd(), focus) ? ::GetDlgCtrlID(focus) : 0;
  if (IsMarginField(focused)) MarginExit(focused);
  else if (focused == IDC_PR_FROM) FromExit();
  else if (focused == IDC_PR_TO) ToExit();
  if (std::optional<std::wstring> refusal = RangeRefusal(Text(IDC_PR_FROM), Text(IDC_PR_TO))) {
    ShowPage(kPagesPage);
    Message(*refusal, win::Icon::Warning);
    ::SetFocus(Item(IDC_PR_FROM));
    return;
  }
  // Margins that leave no room for a line would make the page engine print nothing
  // useful: they are named here while the user can still change them.
  if (host_.marginsProblem) {
    if (std::optional<std::wstring> problem = host_.marginsProblem(Margins(), host_.richText ? nullptr : &printFont_)) {
      ShowPage(kMarginsPage);
      Message(*problem, win::Icon::Warning);
      ::SetFocus(Item(IDC_PR_LEFT));
      return;
    }
  }
  chosen_ = Choices();
  const PrintSettings& s = chosen_.settings;
  HandOverJobTexts(*host_.profile, s.header, s.headerTexts, s.footer, s.footerTexts);
  closing_ = true;
  End(IDOK);
}

void TMyPrintDialog::OnCancel() {
  closing_ = true;
  End(IDCANCEL);
}

bool TMyPrintDialog::OnCommand(int id, int code, HWND control) {
  if (code == EN_KILLFOCUS) {
    if (closing_) return true;
    if (IsMarginField(id)) MarginExit(id);
    else if (id == IDC_PR_FROM) FromExit();
    else if (id == IDC_PR_TO) ToExit();
    return true;
  }
  if (id == IDC_PR_SAMPLE) {
    // The sample only shows: the focus goes on to Print.
    if (code == EN_SETFOCUS) ::PostMessageW(hwnd(), WM_NEXTDLGCTL, reinterpret_cast<WPARAM>(Item(IDOK)), TRUE);
    return true;
  }
  switch (id) {
    case IDC_PR_ALL:
    case IDC_PR_FROMPAGE: EnableRange(); return true;
    case IDC_PR_PORTRAIT:
    case IDC_PR_LANDSCAPE:
      if (code == BN_CLICKED) PortLandChange();
      return true;
    case IDC_PR_HEADER:
    case IDC_PR_FOOTER: EnableLines(); return true;
    case IDC_PR_CUSTOMFONT:
    case IDM_PR_FONTSETTINGS: CustomizeFontClick(); return true;
    case IDC_PR_SAMEFONT: SameFontClick(); return true;
    case IDM_PR_PAPERCOLOR: PaperColorClick(); return true;
    case IDC_PR_HELP:
      if (host_.showHelp) host_.showHelp(kDialogPages[activePage_].helpContext);
      return true;
    case IDC_PR_SETUP: PrinterSetupClick(); return true;
    case IDC_PR_SAVE: SaveButtonClick(); return true;
    case IDC_PR_PREVIEW:
      if (host_.preview && host_.preview(Choices().settings)) OKButtonClick();
      return true;
    default: return win::Dialog::OnCommand(id, code, control);
  }
}

INT_PTR TMyPrintDialog::OnNotify(NMHDR& header) {
  if (header.idFrom == IDC_PR_TABS && header.code == TCN_SELCHANGE)
    ShowPage(TabToPage(TabCtrl_GetCurSel(Item(IDC_PR_TABS))));
  return 0;
}

bool TMyPrintDialog::OnMessage(UINT message, WPARAM wParam, LPARAM lParam, INT_PTR& result) {
  if (message == WM_CTLCOLORSTATIC && reinterpret_cast<HWND>(lParam) == Item(IDC_PR_SAMPLE)) {
    HDC dc = reinterpret_cast<HDC>(wParam);
    ::SetTextColor(dc, Resolved(printFont_.color));
    ::SetBkColor(dc, paper_);
    if (!paperBrush_) paperBrush_.reset(::CreateSolidBrush(paper_));
    result = reinterpret_cast<INT_PTR>(paperBrush_.get());
    return true;
  }
  if (message == WM_CONTEXTMENU && reinterpret_cast<HWND>(wParam) == Item(IDC_PR_SAMPLE)) {
    HMENU menu = ::CreatePopupMenu();
    UINT fontState = ::IsWindowEnabled(Item(IDC_PR_CUSTOMFONT)) ? MF_ENABLED : MF_GRAYED;
    ::AppendMenuW(menu, MF_STRING | fontState, IDM_PR_FONTSETTINGS, L"&Font Settings...");
    ::AppendMenuW(menu, MF_STRING, IDM_PR_PAPERCOLOR, L"&Change Paper Color...");
    POINT at{static_cast<short>(LOWORD(lParam)), static_cast<short>(HIWORD(lParam))};
    if (at.x == -1 && at.y == -1) {
      RECT r{};
      ::GetWindowRect(Item(IDC_PR_SAMPLE), &r);
      at = {r.left + 8, r.top + 8};
    }
    ::TrackPopupMenu(menu, TPM_RIGHTBUTTON, at.x, at.y, 0, hwnd(), nullptr);
    ::DestroyMenu(menu);
    result = TRUE;
    return true;
  }
  return false;
}

}  // namespace print
