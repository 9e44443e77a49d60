#include "dialogs/CharForm.h"

#include <windowsx.h>

#include <algorithm>
#include <set>

#include "dialogs/CharFormIds.h"

namespace dialogs {
namespace {

constexpr wchar_t kGridClass[] = L"TwkSymbolGrid";
constexpr UINT kCellActivated = WM_APP + 1;

int CALLBACK CollectFont(const LOGFONTW* font, const TEXTMETRICW*, DWORD, LPARAM data) {
  // Vertical variants ("@" names) are not fonts of their own.
  if (font->lfFaceName[0] != L'@') reinterpret_cast<std::set<std::wstring>*>(data)->insert(font->lfFaceName);
  return 1;
}

int CALLBACK FindCharSet(const LOGFONTW* font, const TEXTMETRICW*, DWORD, LPARAM data) {
  *reinterpret_cast<BYTE*>(data) = font->lfCharSet;
  return 0;
}

void RegisterGridClass(WNDPROC proc) {
  WNDCLASSEXW wc{sizeof(wc)};
  HINSTANCE instance = ::GetModuleHandleW(nullptr);
  if (::GetClassInfoExW(instance, kGridClass, &wc)) return;
  wc = WNDCLASSEXW{sizeof(wc)};
  wc.style = CS_DBLCLKS;
  wc.lpfnWndProc = proc;
  wc.hInstance = instance;
  wc.hCursor = ::LoadCursorW(nullptr, IDC_ARROW);
  wc.hbrBackground = reinterpret_cast<HBRUSH>(COLOR_WINDOW + 1);
  wc.lpszClassName = kGridClass;
  ::RegisterClassExW(&wc);
}

}  // namespace

TCharForm::TCharForm(std::wstring initialFont, bool fontBoxEnabled, std::function<void(int)> showHelp)
    : win::Dialog(IDD_CHARFORM), initialFont_(std::move(initialFont)), fontBoxEnabled_(fontBoxEnabled),
      showHelp_(std::move(showHelp)) {
  RegisterGridClass(&TCharForm::GridProc);
}

bool TCharForm::OnInit() {
  grid_ = Item(IDC_CHAR_GRID);
  ::SetWindowLongPtrW(grid_, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(this));
  RECT bounds;
  ::GetWindowRect(grid_, &bounds);
  ::MapWindowPoints(nullptr, hwnd(), reinterpret_cast<POINT*>(&bounds), 2);
  RECT frame{0, 0, kColumns * kCellWidth + 1, kRows * kCellHeight + 1};
  ::AdjustWindowRectEx(&frame, ::GetWindowLongW(grid_, GWL_STYLE), FALSE, ::GetWindowLongW(grid_, GWL_EXSTYLE));
  ::SetWindowPos(grid_, nullptr, bounds.left, bounds.top, frame.right - frame.left, frame.bottom - frame.top,
                 SWP_NOZORDER);
  ::SendMessageW(Item(IDC_CHAR_EDIT), EM_LIMITTEXT, 256, 0);

  std::set<std::wstring> names;
  LOGFONTW all{};
  all.lfCharSet = DEFAULT_CHARSET;
  win::WindowDC screen(nullptr);
  ::EnumFontFamiliesExW(screen.get(), &all, &CollectFont, reinterpret_cast<LPARAM>(&names), 0);
  HWND box = Item(IDC_CHAR_FONTBOX);
  for (const std::wstring& name : names) ::SendMessageW(box, CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(name.c_str()));
  LRESULT found = ::SendMessageW(box, CB_FINDSTRINGEXACT, static_cast<WPARAM>(-1),
                                 reinterpret_cast<LPARAM>(initialFont_.c_str()));
  ::SendMessageW(box, CB_SETCURSEL, found == CB_ERR ? 0 : static_cast<WPARAM>(found), 0);
  Enable(IDC_CHAR_FONTBOX, fontBoxEnabled_);
  Enable(IDC_CHAR_FONTS_LABEL, fontBoxEnabled_);
  ApplyFont();
  ::SetFocus(grid_);
  return false;  // the grid has the focus
}

void TCharForm::ApplyFont() {
  HWND box = Item(IDC_CHAR_FONTBOX);
  auto index = static_cast<int>(::SendMessageW(box, CB_GETCURSEL, 0, 0));
  wchar_t name[LF_FACESIZE] = L"";
  if (index >= 0 && ::SendMessageW(box, CB_GETLBTEXTLEN, static_cast<WPARAM>(index), 0) < LF_FACESIZE)
    ::SendMessageW(box, CB_GETLBTEXT, static_cast<WPARAM>(index), reinterpret_cast<LPARAM>(name));
  fontName_ = name;
  LOGFONTW query{};
  query.lfCharSet = DEFAULT_CHARSET;
  lstrcpynW(query.lfFaceName, name, LF_FACESIZE);
  charSet_ = DEFAULT_CHARSET;
  win::WindowDC screen(nullptr);
  ::EnumFontFamiliesExW(screen.get(), &query, &FindCharSet, reinterpret_cast<LPARAM>(&charSet_), 0);
  LOGFONTW font{};
  font.lfHeight = -14;
  font.lfCharSet = charSet_;
  lstrcpynW(font.lfFaceName, name, LF_FACESIZE);
  font_.reset(::CreateFontIndirectW(&font));
  ::SendMessageW(Item(IDC_CHAR_EDIT), WM_SETFONT, reinterpret_cast<WPARAM>(font_.get()), TRUE);
  ::InvalidateRect(grid_, nullptr, TRUE);
}

wchar_t TCharForm::CellCharacter(int cell) const {
  auto byte = static_cast<unsigned char>(32 + cell);
  // A symbol font draws its pictures at the codes themselves; text fonts show the
  // character of the system code page.
  if (charSet_ == SYMBOL_CHARSET) return static_cast<wchar_t>(byte);
  wchar_t c = 0;
  char narrow = static_cast<char>(byte);
  if (::MultiByteToWideChar(CP_ACP, 0, &narrow, 1, &c, 1) != 1) c = static_cast<wchar_t>(byte);
  return c;
}

void TCharForm::SelectCell(int cell) {
  selected_ = std::clamp(cell, 0, kColumns * kRows - 1);
  ::InvalidateRect(grid_, nullptr, FALSE);
}

void TCharForm::AppendCell(int cell) {
  HWND edit = Item(IDC_CHAR_EDIT);
  if (::GetWindowTextLengthW(edit) > 254) return;
  int end = ::GetWindowTextLengthW(edit);
  ::SendMessageW(edit, EM_SETSEL, static_cast<WPARAM>(end), end);
  wchar_t text[2] = {CellCharacter(cell), 0};
  ::SendMessageW(edit, EM_REPLACESEL, FALSE, reinterpret_cast<LPARAM>(text));
  end = ::GetWindowTextLengthW(edit);
  ::SendMessageW(edit, EM_SETSEL, static_cast<WPARAM>(end), end);
}

void TCharForm::PaintGrid(HDC dc) {
  RECT client;
  ::GetClientRect(grid_, &client);
  ::FillRect(dc, &client, ::GetSysColorBrush(COLOR_WINDOW));
  HPEN line = static_cast<HPEN>(::GetStockObject(DC_PEN));
  ::SetDCPenColor(dc, ::GetSysColor(COLOR_BTNSHADOW));
  win::SelectGuard pen(dc, line);
  for (int x = 0; x <= kColumns; ++x) {
    ::MoveToEx(dc, x * kCellWidth, 0, nullptr);
    ::LineTo(dc, x * kCellWidth, kRows * kCellHeight + 1);
  }
  for (int y = 0; y <= kRows; ++y) {
    ::MoveToEx(dc, 0, y * kCellHeight, nullptr);
    ::LineTo(dc, kColumns * kCellWidth + 1, y * kCellHeight);
  }
  win::SelectGuard font(dc, font_.get());
  ::SetBkMode(dc, TRANSPARENT);
  for (int cell = 0; cell < kColumns * kRows; ++cell) {
    RECT r{(cell % kColumns) * kCellWidth + 1, (cell / kColumns) * kCellHeight + 1,
           (cell % kColumns + 1) * kCellWidth, (cell / kColumns + 1) * kCellHeight};
    bool selected = cell == selected_;
    if (selected) ::FillRect(dc, &r, ::GetSysColorBrush(COLOR_HIGHLIGHT));
    ::SetTextColor(dc, ::GetSysColor(selected ? COLOR_HIGHLIGHTTEXT : COLOR_WINDOWTEXT));
    wchar_t c = CellCharacter(cell);
    ::DrawTextW(dc, &c, 1, &r, DT_CENTER | DT_VCENTER | DT_SINGLELINE | DT_NOPREFIX);
  }
}

LRESULT CALLBACK TCharForm::GridProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
  auto* self = reinterpret_cast<TCharForm*>(::GetWindowLongPtrW(hwnd, GWLP_USERDATA));
  if (!self) return ::DefWindowProcW(hwnd, message, wParam, lParam);
  auto cellAt = [](LPARAM point) {
    int x = GET_X_LPARAM(point) / kCellWidth, y = GET_Y_LPARAM(point) / kCellHeight;
    return std::clamp(y, 0, kRows - 1) * kColumns + std::clamp(x, 0, kColumns - 1);
  };
  switch (message) {
    case WM_PAINT: {
      PAINTSTRUCT paint;
      HDC dc = ::BeginPaint(hwnd, &paint);
      self->PaintGrid(dc);
      ::EndPaint(hwnd, &paint);
      return 0;
    }
    case WM_ERASEBKGND:
      return 1;
    case WM_GETDLGCODE:
      return DLGC_WANTARROWS | (wParam == VK_RETURN ? DLGC_WANTMESSAGE : 0);
    case WM_LBUTTONDOWN:
      ::SetFocus(hwnd);
      self->SelectCell(cellAt(lParam));
      return 0;
    case WM_LBUTTONDBLCLK:
      self->SelectCell(cellAt(lParam));
      self->AppendCell(self->selected_);
      return 0;
    case WM_KEYDOWN: {
      int cell = self->selected_;
      switch (wParam) {
        case VK_LEFT: cell -= 1; break;
        case VK_RIGHT: cell += 1; break;
        case VK_UP: cell -= kColumns; break;
        case VK_DOWN: cell += kColumns; break;
        case VK_HOME: cell = 0; break;
        case VK_END: cell = kColumns * kRows - 1; break;
        case VK_RETURN: self->AppendCell(cell); return 0;
        default: return ::DefWindowProcW(hwnd, message, wParam, lParam);
      }
      self->SelectCell(cell);
      return 0;
    }
    case WM_SETFOCUS:
    case WM_KILLFOCUS:
      ::InvalidateRect(hwnd, nullptr, FALSE);
      return 0;
  }
  return ::DefWindowProcW(hwnd, message, wParam, lParam);
}

bool TCharForm::OnCommand(int id, int code, HWND control) {
  if (id == IDC_CHAR_FONTBOX && code == CBN_SELCHANGE) {
    ApplyFont();
    return true;
  }
  if (id == IDC_CHAR_HELP) {
    if (showHelp_) showHelp_(161);
    return true;
  }
  return win::Dialog::OnCommand(id, code, control);
}

bool TCharForm::OnMessage(UINT message, WPARAM, LPARAM, INT_PTR& result) {
  if (message == kCellActivated) {
    AppendCell(selected_);
    result = TRUE;
    return true;
  }
  return false;
}

void TCharForm::OnOK() {
  symbols_ = Text(IDC_CHAR_EDIT);
  End(IDOK);
}

}  // namespace dialogs
