#include "dialogs/Properties.h"

#include <commctrl.h>


#include "dialogs/PropertiesIds.h"

namespace dialogs {

namespace {

constexpr int kFileControls[] = {
    IDT_PROP_TYPE,          IDE_PROP_TYPE,           IDT_PROP_LOCATION,       IDE_PROP_LOCATION,
    IDC_PROP_FILE_LINE1,    IDT_PROP_SIZE,           IDT_PROP_SIZE_VALUE,     IDT_PROP_CREATED,
    IDT_PROP_CREATED_VALUE, IDT_PROP_MODIFIED,       IDT_PROP_MODIFIED_VALUE, IDT_PROP_ACCESSED,
    IDT_PROP_ACCESSED_VALUE, IDC_PROP_FILE_LINE2,    IDT_PROP_FILE_ATTRIBUTES, IDX_PROP_FILE_READONLY,
    IDX_PROP_HIDDEN,        IDX_PROP_ARCHIVE,
};
constexpr int kDocumentControls[] = {
    IDT_PROP_DOC_MODIFIED, IDT_PROP_DOC_MODIFIED_VALUE, IDT_PROP_LINES,     IDT_PROP_LINES_VALUE,
    IDT_PROP_FORMAT,       IDT_PROP_FORMAT_VALUE,       IDT_PROP_TEXT_SIZE, IDT_PROP_TEXT_SIZE_VALUE,
    IDC_PROP_DOC_LINE1,    IDT_PROP_FONT,               IDT_PROP_FONT_VALUE, IDT_PROP_FONT_SIZE,
    IDT_PROP_FONT_SIZE_VALUE, IDC_PROP_DOC_LINE2,       IDT_PROP_DOC_ATTRIBUTES, IDX_PROP_READONLY,
    IDX_PROP_WORDWRAP,
};

// The help topic of each control and of its label; the pages' own topics are the
// tabs' tags.
struct HelpTopic {
  int control, label, topic;
};
constexpr HelpTopic kHelpTopics[] = {
    {IDE_PROP_NAME, IDC_PROP_ICON, 138},
    {IDE_PROP_TYPE, IDT_PROP_TYPE, 123},
    {IDE_PROP_LOCATION, IDT_PROP_LOCATION, 125},
    {IDT_PROP_SIZE_VALUE, IDT_PROP_SIZE, 126},
    {IDT_PROP_CREATED_VALUE, IDT_PROP_CREATED, 128},
    {IDT_PROP_MODIFIED_VALUE, IDT_PROP_MODIFIED, 129},
    {IDT_PROP_ACCESSED_VALUE, IDT_PROP_ACCESSED, 130},
    {IDX_PROP_FILE_READONLY, IDX_PROP_FILE_READONLY, 141},
    {IDX_PROP_HIDDEN, IDX_PROP_HIDDEN, 142},
    {IDX_PROP_ARCHIVE, IDX_PROP_ARCHIVE, 143},
    {IDT_PROP_DOC_MODIFIED_VALUE, IDT_PROP_DOC_MODIFIED, 131},
    {IDT_PROP_LINES_VALUE, IDT_PROP_LINES, 132},
    {IDT_PROP_FORMAT_VALUE, IDT_PROP_FORMAT, 144},
    {IDT_PROP_TEXT_SIZE_VALUE, IDT_PROP_TEXT_SIZE, 133},
    {IDT_PROP_FONT_VALUE, IDT_PROP_FONT, 134},
    {IDT_PROP_FONT_SIZE_VALUE, IDT_PROP_FONT_SIZE, 135},
    {IDX_PROP_READONLY, IDX_PROP_READONLY, 136},
    {IDX_PROP_WORDWRAP, IDX_PROP_WORDWRAP, 137},
};
constexpr int kFilePageTopic = 108;
constexpr int kDocumentPageTopic = 109;

// The pages' labels and boxes lie on the tab control but belong to the dialog: with
// visual styles the dialog takes the tab's texture, so they match the page around them.
// The theme library is there exactly when visual styles are.
void UseTabTexture(HWND dialog) {
  using EnableTextureProc = HRESULT(WINAPI*)(HWND, DWORD);
  constexpr DWORD kEnableTab = 0x6;  // ETDT_ENABLE | ETDT_USETABTEXTURE
  HMODULE theme = ::GetModuleHandleW(L"uxtheme.dll");
  auto enable =
      theme ? reinterpret_cast<EnableTextureProc>(::GetProcAddress(theme, "EnableThemeDialogTexture")) : nullptr;
  if (enable) enable(dialog, kEnableTab);
}

}  // namespace

TProperties::TProperties(PropertiesFacts facts, std::function<void(int)> showHelp)
    : win::Dialog(IDD_PROPERTIES), facts_(std::move(facts)), showHelp_(std::move(showHelp)) {}

bool TProperties::OnInit() {
  ::SetWindowTextW(hwnd(), (facts_.name + L" Properties").c_str());
  UseTabTexture(hwnd());
  HWND pages = Item(IDC_PROP_PAGES);
  if (facts_.hotTrack) ::SetWindowLongW(pages, GWL_STYLE, ::GetWindowLongW(pages, GWL_STYLE) | TCS_HOTTRACK);
  // The tab's parameter is its page; a document without a file has no File page.
  auto addTab = [pages](const wchar_t* text, Page page) {
    TCITEMW item{};
    item.mask = TCIF_TEXT | TCIF_PARAM;
    item.pszText = const_cast<wchar_t*>(text);
    item.lParam = page;
    TabCtrl_InsertItem(pages, TabCtrl_GetItemCount(pages), &item);
  };
  if (facts_.hasFile) addTab(L"File", kFilePage);
  addTab(L"Document", kDocumentPage);

  if (facts_.icon) ::SendMessageW(Item(IDC_PROP_ICON), STM_SETICON, reinterpret_cast<WPARAM>(facts_.icon), 0);
  SetText(IDE_PROP_NAME, facts_.name);
  SetText(IDE_PROP_TYPE, facts_.type);
  SetText(IDE_PROP_LOCATION, facts_.location);
  SetText(IDT_PROP_SIZE_VALUE, facts_.size);
  SetText(IDT_PROP_CREATED_VALUE, facts_.created);
  SetText(IDT_PROP_MODIFIED_VALUE, facts_.modified);
  SetText(IDT_PROP_ACCESSED_VALUE, facts_.accessed);
  SetChecked(IDX_PROP_FILE_READONLY, facts_.fileReadOnly);
  SetChecked(IDX_PROP_HIDDEN, facts_.hidden);
  SetChecked(IDX_PROP_ARCHIVE, facts_.archive);

  SetText(IDT_PROP_DOC_MODIFIED_VALUE, facts_.docModified);
  SetText(IDT_PROP_LINES_VALUE, facts_.lines);
  SetText(IDT_PROP_FORMAT_VALUE, facts_.format);
  SetText(IDT_PROP_TEXT_SIZE_VALUE, facts_.textSize);
  SetText(IDT_PROP_FONT_VALUE, facts_.font);
  SetText(IDT_PROP_FONT_SIZE_VALUE, facts_.fontSize);
  SetChecked(IDX_PROP_READONLY, facts_.readOnly);
  SetChecked(IDX_PROP_WORDWRAP, facts_.wordWrap);

  TabCtrl_SetCurSel(pages, 0);
  ShowPage(facts_.hasFile ? kFilePage : kDocumentPage);
  return true;
}

TProperties::Page TProperties::ActivePage() const {
  HWND pages = Item(IDC_PROP_PAGES);
  TCITEMW item{};
  item.mask = TCIF_PARAM;
  if (!TabCtrl_GetItem(pages, TabCtrl_GetCurSel(pages), &item)) return kDocumentPage;
  return static_cast<Page>(item.lParam);
}

void TProperties::SelectPage(Page page) {
  HWND pages = Item(IDC_PROP_PAGES);
  for (int tab = 0; tab < TabCtrl_GetItemCount(pages); ++tab) {
    TCITEMW item{};
    item.mask = TCIF_PARAM;
    if (TabCtrl_GetItem(pages, tab, &item) && item.lParam == page) {
      TabCtrl_SetCurSel(pages, tab);
      ShowPage(page);
    }
  }
}

void TProperties::ShowPage(Page page) {
  for (int id : kFileControls) ::ShowWindow(Item(id), page == kFilePage ? SW_SHOW : SW_HIDE);
  for (int id : kDocumentControls) ::ShowWindow(Item(id), page == kDocumentPage ? SW_SHOW : SW_HIDE);
}

INT_PTR TProperties::OnNotify(NMHDR& header) {
  if (header.idFrom == IDC_PROP_PAGES && header.code == TCN_SELCHANGE) {
    ShowPage(ActivePage());
    return 0;
  }
  return win::Dialog::OnNotify(header);
}

bool TProperties::OnCommand(int id, int code, HWND control) {
  if (id == IDC_PROP_HELP) {
    if (showHelp_) showHelp_(ActivePage() == kFilePage ? kFilePageTopic : kDocumentPageTopic);
    return true;
  }
  return win::Dialog::OnCommand(id, code, control);
}

void TProperties::OnOK() {
  choice_.fileReadOnly = Checked(IDX_PROP_FILE_READONLY);
  choice_.hidden = Checked(IDX_PROP_HIDDEN);
  choice_.archive = Checked(IDX_PROP_ARCHIVE);
  choice_.readOnly = Checked(IDX_PROP_READONLY);
  choice_.wordWrap = Checked(IDX_PROP_WORDWRAP);
  End(IDOK);
}

int TProperties::HelpTopicOf(int control) const {
  for (const HelpTopic& entry : kHelpTopics)
    if (entry.control == control || entry.label == control) return entry.topic;
  return ActivePage() == kFilePage ? kFilePageTopic : kDocumentPageTopic;
}

bool TProperties::OnMessage(UINT message, WPARAM, LPARAM lParam, INT_PTR& result) {
  if (message != WM_HELP) return false;
  const auto* info = reinterpret_cast<const HELPINFO*>(lParam);
  if (showHelp_) showHelp_(HelpTopicOf(info->iCtrlId));
  result = TRUE;
  return true;
}

}  // namespace dialogs
