// The behaviour of the Settings pages: the tool-bar check list, the tab radios, the
// samples with their colour and font choosers, the example ruler, the folder choosers
// and the file-type editor.
#include "dialogs/Settings.h"

#include <commctrl.h>
#include <windowsx.h>

#include <algorithm>

#include "dialogs/SettingsIds.h"
#include "win/SystemInfo.h"
#include "win/resource.h"

namespace dialogs {

namespace {

COLORREF Resolve(config::Color color) {
  return config::ResolveColor(color, [](int index) { return static_cast<std::uint32_t>(::GetSysColor(index)); });
}

LOGFONTW LogFontOf(const FontSettings& setting) {
  LOGFONTW font{};
  // Sizes come from a file anyone can edit: keep them drawable.
  font.lfHeight = -::MulDiv(std::clamp(setting.size, 1, 1638), win::ScreenDpi(), 72);
  font.lfWeight = setting.bold ? FW_BOLD : FW_NORMAL;
  font.lfItalic = setting.italic;
  font.lfUnderline = setting.underline;
  font.lfStrikeOut = setting.strikeOut;
  font.lfCharSet = DEFAULT_CHARSET;
  lstrcpynW(font.lfFaceName, setting.name.c_str(), LF_FACESIZE);
  return font;
}

constexpr wchar_t kSampleLine[] = L"Example Text, Example Text, Example Text";

}  // namespace

// --- Tool Bar

bool TSettings::OnToolBarCommand(int id, int code) {
  switch (id) {
    case IDC_SET_CATEGORY:
      if (code == LBN_SELCHANGE) {
        toolBar_.SelectCategory(static_cast<int>(::SendMessageW(Item(IDC_SET_CATEGORY), LB_GETCURSEL, 0, 0)));
        FillButtonList();
      }
      return true;
    case IDC_SET_TOOLBAR_WRAP:
      if (code == BN_CLICKED) toolBar_.SetWrap(Checked(IDC_SET_TOOLBAR_WRAP));
      return true;
    case IDC_SET_DROPDOWN_OFF:
      if (code == BN_CLICKED) toolBar_.SetDropDownMenusDisabled(Checked(IDC_SET_DROPDOWN_OFF));
      return true;
    case IDC_SET_TOOLBAR_RESTORE:
      if (code == BN_CLICKED) RestoreToolBar();
      return true;
    case IDM_SET_SELECT_ALL:
    case IDM_SET_CLEAR_ALL:
      if (id == IDM_SET_SELECT_ALL)
        toolBar_.SelectAll();
      else
        toolBar_.ClearAll();
      FillButtonList();
      return true;
  }
  return false;
}

void TSettings::ButtonListChanged(const NMLISTVIEW& change) {
  if (filling_ || change.iItem < 0 || !(change.uChanged & LVIF_STATE)) return;
  if (((change.uNewState ^ change.uOldState) & LVIS_STATEIMAGEMASK) == 0) return;
  toolBar_.Tick(change.iItem, ListView_GetCheckState(change.hdr.hwndFrom, change.iItem) != FALSE);
}

void TSettings::ButtonListMenu() {
  HWND list = Item(IDC_SET_BUTTONS);
  DWORD where = ::GetMessagePos();
  POINT screen{GET_X_LPARAM(where), GET_Y_LPARAM(where)};
  LVHITTESTINFO hit{};
  hit.pt = screen;
  ::ScreenToClient(list, &hit.pt);
  int line = ListView_HitTest(list, &hit);
  if (line >= 0) ListView_SetItemState(list, line, LVIS_SELECTED | LVIS_FOCUSED, LVIS_SELECTED | LVIS_FOCUSED);
  ::TrackPopupMenu(buttonMenu_.get(), TPM_LEFTALIGN | TPM_RIGHTBUTTON, screen.x, screen.y, 0, hwnd(), nullptr);
}

void TSettings::RestoreToolBar() {
  win::MessageRequest question{hwnd(), L"Restore ALL Tool Bar Settings to the original state?"};
  question.icon = win::Icon::Question;
  question.buttons = win::Buttons::YesNo;
  if (frame_.Prompter().Message(question) != win::Answer::Yes) return;
  toolBar_.RestoreDefault();
  FillButtonList();
  SetChecked(IDC_SET_TOOLBAR_WRAP, true);
  SetChecked(IDC_SET_DROPDOWN_OFF, false);
}

// --- File Tabs

void TSettings::TabStyleChosen() {
  bool buttons = Checked(IDC_SET_TABSTYLE_BUTTONS);
  if (buttons) {
    // Buttons are always drawn above the editor.
    SetChecked(IDC_SET_TABS_BELOW, false);
    SetChecked(IDC_SET_TABS_ABOVE, true);
  }
  Enable(IDC_SET_TABS_ABOVE, !buttons);
  Enable(IDC_SET_TABS_BELOW, !buttons);
}

// --- the samples of the Side Bar and Editor pages

void TSettings::PickSampleColor(config::Color& color) {
  win::ColorRequest request;
  request.owner = hwnd();
  request.color = Resolve(color);
  CustomColors custom = ReadCustomColors(frame_.Profile());
  std::copy(custom.begin(), custom.end(), request.custom.begin());
  if (!frame_.Prompter().PickColor(request)) return;
  std::copy(request.custom.begin(), request.custom.end(), custom.begin());
  WriteCustomColors(frame_.Profile(), custom);
  color = request.color & 0xFFFFFF;
}

void TSettings::PickSampleFont(FontSettings& setting) {
  win::FontRequest request;
  request.owner = hwnd();
  request.font = LogFontOf(setting);
  request.color = Resolve(setting.color);
  if (!frame_.Prompter().PickFont(request)) return;
  const LOGFONTW& font = request.font;
  setting.name = font.lfFaceName;
  int height = font.lfHeight < 0 ? -font.lfHeight : font.lfHeight;
  setting.size = std::max(1, ::MulDiv(height, 72, win::ScreenDpi()));
  setting.color = request.color & 0xFFFFFF;
  setting.bold = font.lfWeight >= FW_SEMIBOLD;
  setting.italic = font.lfItalic != 0;
  setting.underline = font.lfUnderline != 0;
  setting.strikeOut = font.lfStrikeOut != 0;
}

void TSettings::ApplySideBarSample() {
  HWND tree = Item(IDC_SET_SIDEBAR_SAMPLE);
  LOGFONTW font = LogFontOf(values_.sideBarFont);
  win::UniqueFont made(::CreateFontIndirectW(&font));
  ::SendMessageW(tree, WM_SETFONT, reinterpret_cast<WPARAM>(made.get()), TRUE);
  sideBarFont_ = std::move(made);
  TreeView_SetBkColor(tree, Resolve(values_.sideBarBackground));
  TreeView_SetTextColor(tree, Resolve(values_.sideBarFont.color));
  ::InvalidateRect(tree, nullptr, TRUE);
}

void TSettings::ApplyEditorSample() {
  HWND sample = Item(IDC_SET_EDITOR_SAMPLE);
  LOGFONTW font = LogFontOf(values_.editorFont);
  win::UniqueFont made(::CreateFontIndirectW(&font));
  ::SendMessageW(sample, WM_SETFONT, reinterpret_cast<WPARAM>(made.get()), TRUE);
  editorFont_ = std::move(made);
  editorBrush_.reset(::CreateSolidBrush(Resolve(values_.editorBackground)));
  ::InvalidateRect(sample, nullptr, TRUE);
}

void TSettings::MakeEditorSample(bool wordWrap) {
  // An edit control takes its wrapping from its style at creation: the sample is made
  // anew, where the old one was and after the same control in the tab order.
  HWND old = Item(IDC_SET_EDITOR_SAMPLE);
  RECT r;
  ::GetWindowRect(old, &r);
  ::MapWindowPoints(nullptr, hwnd(), reinterpret_cast<POINT*>(&r), 2);
  bool visible = ::IsWindowVisible(old) != FALSE;
  DWORD style = WS_CHILD | WS_TABSTOP | WS_VSCROLL | ES_MULTILINE | ES_READONLY | ES_AUTOVSCROLL |
                (wordWrap ? 0 : WS_HSCROLL | ES_AUTOHSCROLL) | (visible ? WS_VISIBLE : 0);
  ::DestroyWindow(old);
  HWND sample = ::CreateWindowExW(WS_EX_CLIENTEDGE, L"EDIT", L"", style, r.left, r.top, r.right - r.left,
                                  r.bottom - r.top, hwnd(), reinterpret_cast<HMENU>(static_cast<INT_PTR>(IDC_SET_EDITOR_SAMPLE)),
                                  ::GetModuleHandleW(nullptr), nullptr);
  ::SetWindowPos(sample, Item(IDC_SET_EDITOR_FONT), 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
  std::wstring text;
  for (int line = 0; line < 4; ++line) text += std::wstring(kSampleLine) + (line < 3 ? L"\r\n" : L"");
  ::SetWindowTextW(sample, text.c_str());
  values_.wordWrap = wordWrap;
  ApplyEditorSample();
}

// --- Ruler

void TSettings::DrawRulerPicture() {
  HWND picture = Item(IDC_SET_RULER_PICTURE);
  RECT client;
  ::GetClientRect(picture, &client);
  win::WindowDC screen(nullptr);
  win::UniqueMemoryDc dc(::CreateCompatibleDC(screen.get()));
  rulerPicture_.reset(::CreateCompatibleBitmap(screen.get(), std::max<int>(client.right, 1), 10));
  win::SelectGuard target(dc.get(), rulerPicture_.get());
  RECT all{0, 0, std::max<int>(client.right, 1), 10};
  ::FillRect(dc.get(), &all, static_cast<HBRUSH>(::GetStockObject(WHITE_BRUSH)));
  bool inches = values_.rulerUnits == 0;
  win::UniqueBitmap scale(static_cast<HBITMAP>(::LoadImageW(::GetModuleHandleW(nullptr),
                                                            MAKEINTRESOURCEW(inches ? IDB_RULER_INCH : IDB_RULER_CM),
                                                            IMAGE_BITMAP, 0, 0, LR_CREATEDIBSECTION)));
  if (scale) {
    BITMAP info{};
    ::GetObjectW(scale.get(), sizeof(info), &info);
    win::UniqueMemoryDc source(::CreateCompatibleDC(screen.get()));
    win::SelectGuard from(source.get(), scale.get());
    int repeat = inches ? 576 : 570;
    for (int x : {repeat, 2 * repeat, 0}) ::BitBlt(dc.get(), x, 0, info.bmWidth, info.bmHeight, source.get(), 0, 0, SRCCOPY);
  }
  win::UniqueBrush fill(::CreateSolidBrush(Resolve(values_.rulerColor)));
  win::SelectGuard brush(dc.get(), fill.get());
  ::ExtFloodFill(dc.get(), 1, 2, RGB(0, 0, 0), FLOODFILLBORDER);
  ::InvalidateRect(picture, nullptr, FALSE);
}

COLORREF TSettings::RulerPixel() const {
  if (!rulerPicture_) return CLR_INVALID;
  win::UniqueMemoryDc dc(::CreateCompatibleDC(nullptr));
  win::SelectGuard picture(dc.get(), rulerPicture_.get());
  return ::GetPixel(dc.get(), 1, 2);
}

void TSettings::ChangeRulerColor() {
  config::Color chosen = values_.rulerColor;
  PickSampleColor(chosen);
  // Pure black is the colour of the marks: filling with it would swallow them.
  if (chosen == config::kClBlack || chosen == values_.rulerColor) return;
  values_.rulerColor = chosen;
  DrawRulerPicture();
}

// --- File Options

void TSettings::BrowseFolder(int field, const wchar_t* title) {
  win::FolderRequest request{hwnd(), title, Text(field)};
  std::wstring folder = frame_.Prompter().BrowseFolder(request);
  if (!folder.empty()) SetText(field, folder);
}

bool TSettings::OnFileTypeCommand(int id, int code) {
  switch (id) {
    case IDC_SET_TYPES:
      if (code == LBN_SELCHANGE) {
        fileTypes_.Select(static_cast<int>(::SendMessageW(Item(IDC_SET_TYPES), LB_GETCURSEL, 0, 0)));
        ShowFileTypes();
      }
      return true;
    case IDC_SET_DESCRIPTION:
    case IDC_SET_EXTENSIONS:
      if (code == EN_KILLFOCUS && !filling_) StoreFileTypeFields();
      return true;
    case IDC_SET_FORMAT_PLAIN:
    case IDC_SET_FORMAT_RICH:
      if (code == BN_CLICKED && !filling_) fileTypes_.SetFormat(id == IDC_SET_FORMAT_RICH ? 1 : 0);
      return true;
    case IDC_SET_TYPE_NEW:
      if (code != BN_CLICKED) return true;
      StoreFileTypeFields();
      if (fileTypes_.Add()) {
        ShowFileTypes();
        // The dialog manager selects the whole text of an edit it gives the focus to.
        ::PostMessageW(hwnd(), WM_NEXTDLGCTL, reinterpret_cast<WPARAM>(Item(IDC_SET_DESCRIPTION)), TRUE);
      }
      return true;
    case IDC_SET_TYPE_DELETE:
    case IDC_SET_TYPE_UP:
    case IDC_SET_TYPE_DOWN:
      if (code != BN_CLICKED) return true;
      StoreFileTypeFields();
      if (id == IDC_SET_TYPE_DELETE) fileTypes_.Remove();
      if (id == IDC_SET_TYPE_UP) fileTypes_.MoveUp();
      if (id == IDC_SET_TYPE_DOWN) fileTypes_.MoveDown();
      ShowFileTypes();
      return true;
  }
  return false;
}

void TSettings::ShowFileTypes() {
  bool wasFilling = filling_;
  filling_ = true;
  HWND list = Item(IDC_SET_TYPES);
  ::SendMessageW(list, WM_SETREDRAW, FALSE, 0);
  ::SendMessageW(list, LB_RESETCONTENT, 0, 0);
  for (const config::FileType& type : fileTypes_.entries())
    ::SendMessageW(list, LB_ADDSTRING, 0, reinterpret_cast<LPARAM>(FileTypeList::LineText(type).c_str()));
  ::SendMessageW(list, LB_SETCURSEL, static_cast<WPARAM>(fileTypes_.selected()), 0);
  SetTypeListExtent();
  ::SendMessageW(list, WM_SETREDRAW, TRUE, 0);
  ::InvalidateRect(list, nullptr, TRUE);

  FileTypeList::Enabling enabled = fileTypes_.Enabled();
  Enable(IDC_SET_TYPE_NEW, enabled.add);
  Enable(IDC_SET_TYPE_DELETE, enabled.remove);
  Enable(IDC_SET_TYPE_UP, enabled.moveUp);
  Enable(IDC_SET_TYPE_DOWN, enabled.moveDown);
  for (int id : {IDC_SET_DESCRIPTION, IDC_SET_EXTENSIONS, IDC_SET_FORMAT_PLAIN, IDC_SET_FORMAT_RICH})
    Enable(id, enabled.fields);
  int selected = fileTypes_.selected();
  const config::FileType* entry = selected >= 0 ? &fileTypes_.entries()[static_cast<size_t>(selected)] : nullptr;
  SetText(IDC_SET_DESCRIPTION, entry ? entry->name : L"");
  SetText(IDC_SET_EXTENSIONS, entry ? entry->extensions : L"");
  SetChecked(IDC_SET_FORMAT_PLAIN, entry && entry->format == 0);
  SetChecked(IDC_SET_FORMAT_RICH, entry && entry->format != 0);
  filling_ = wasFilling;
}

void TSettings::StoreFileTypeFields() {
  int selected = fileTypes_.selected();
  if (selected < 0) return;
  std::wstring extensions = fileTypes_.StoreFields(Text(IDC_SET_DESCRIPTION), Text(IDC_SET_EXTENSIONS));
  bool wasFilling = filling_;
  filling_ = true;
  if (extensions != Text(IDC_SET_EXTENSIONS)) SetText(IDC_SET_EXTENSIONS, extensions);
  HWND list = Item(IDC_SET_TYPES);
  std::wstring line = FileTypeList::LineText(fileTypes_.entries()[static_cast<size_t>(selected)]);
  ::SendMessageW(list, LB_DELETESTRING, static_cast<WPARAM>(selected), 0);
  ::SendMessageW(list, LB_INSERTSTRING, static_cast<WPARAM>(selected), reinterpret_cast<LPARAM>(line.c_str()));
  ::SendMessageW(list, LB_SETCURSEL, static_cast<WPARAM>(selected), 0);
  SetTypeListExtent();
  filling_ = wasFilling;
}

void TSettings::SetTypeListExtent() {
  // A list box scrolls sideways only as far as it is told.
  HWND list = Item(IDC_SET_TYPES);
  win::WindowDC dc(list);
  win::SelectGuard font(dc.get(), reinterpret_cast<HFONT>(::SendMessageW(list, WM_GETFONT, 0, 0)));
  int widest = 0;
  for (const config::FileType& type : fileTypes_.entries()) {
    std::wstring line = FileTypeList::LineText(type);
    SIZE size{};
    ::GetTextExtentPoint32W(dc.get(), line.c_str(), static_cast<int>(line.size()), &size);
    widest = std::max<int>(widest, size.cx);
  }
  ::SendMessageW(list, LB_SETHORIZONTALEXTENT, static_cast<WPARAM>(widest + 6), 0);
}

}  // namespace dialogs
