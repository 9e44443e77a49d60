#include "win/Prompt.h"

#include <commdlg.h>
#include <shlobj.h>

#include <iterator>

#include "win/FileChoicesIds.h"
#include "win/Text.h"

namespace win {

Answer SystemPrompter::Message(const MessageRequest& request) {
  UINT flags = MB_APPLMODAL;
  switch (request.icon) {
    case Icon::Information: flags |= MB_ICONINFORMATION; break;
    case Icon::Warning: flags |= MB_ICONWARNING; break;
    case Icon::Question: flags |= MB_ICONQUESTION; break;
    case Icon::Error: flags |= MB_ICONERROR; break;
    case Icon::None: break;
  }
  switch (request.buttons) {
    case Buttons::Ok: flags |= MB_OK; break;
    case Buttons::YesNo: flags |= MB_YESNO; break;
    case Buttons::YesNoCancel: flags |= MB_YESNOCANCEL; break;
  }
  switch (::MessageBoxW(request.owner, request.text.c_str(), request.title.c_str(), flags)) {
    case IDYES: return Answer::Yes;
    case IDNO: return Answer::No;
    case IDCANCEL: return Answer::Cancel;
    default: return Answer::Ok;
  }
}

namespace {

std::wstring SystemFilter(const std::wstring& filter) {
  std::wstring out = filter;
  for (wchar_t& c : out)
    if (c == L'|') c = L'\0';
  out.push_back(L'\0');
  out.push_back(L'\0');
  return out;
}

constexpr int kChoiceLabels[] = {IDC_CHOICE_LABEL1, IDC_CHOICE_LABEL2};
constexpr int kChoiceLists[] = {IDC_CHOICE_LIST1, IDC_CHOICE_LIST2};

// The hook of the choices' child template: fills the lists, and reads them back when
// the user confirms.
UINT_PTR CALLBACK ChoicesHook(HWND child, UINT message, WPARAM, LPARAM lParam) {
  if (message == WM_INITDIALOG) {
    auto* request = reinterpret_cast<FileRequest*>(reinterpret_cast<OPENFILENAMEW*>(lParam)->lCustData);
    ::SetWindowLongPtrW(child, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(request));
    for (size_t row = 0; row < std::size(kChoiceLists); ++row) {
      HWND label = ::GetDlgItem(child, kChoiceLabels[row]);
      HWND list = ::GetDlgItem(child, kChoiceLists[row]);
      if (row >= request->choices.size()) {
        ::ShowWindow(label, SW_HIDE);
        ::ShowWindow(list, SW_HIDE);
        continue;
      }
      const FileChoice& choice = request->choices[row];
      ::SetWindowTextW(label, choice.label.c_str());
      for (const std::wstring& item : choice.items)
        ::SendMessageW(list, CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(item.c_str()));
      ::SendMessageW(list, CB_SETCURSEL, static_cast<WPARAM>(choice.selected), 0);
    }
    return 0;
  }
  if (message == WM_NOTIFY && reinterpret_cast<NMHDR*>(lParam)->code == CDN_FILEOK) {
    auto* request = reinterpret_cast<FileRequest*>(::GetWindowLongPtrW(child, GWLP_USERDATA));
    for (size_t row = 0; request && row < request->choices.size() && row < std::size(kChoiceLists); ++row) {
      LRESULT selected = ::SendDlgItemMessageW(child, kChoiceLists[row], CB_GETCURSEL, 0, 0);
      if (selected >= 0) request->choices[row].selected = static_cast<int>(selected);
    }
  }
  return 0;
}

bool RunFileDialog(FileRequest& request, bool save) {
  std::wstring filter = SystemFilter(request.filter);
  std::vector<wchar_t> buffer(65536, L'\0');
  request.fileName.copy(buffer.data(), std::min(request.fileName.size(), buffer.size() - 1));
  OPENFILENAMEW ofn{};
  ofn.lStructSize = sizeof(ofn);
  ofn.hwndOwner = request.owner;
  ofn.lpstrFilter = request.filter.empty() ? nullptr : filter.c_str();
  ofn.nFilterIndex = static_cast<DWORD>(request.filterIndex);
  ofn.lpstrFile = buffer.data();
  ofn.nMaxFile = static_cast<DWORD>(buffer.size());
  ofn.lpstrInitialDir = request.initialDir.empty() ? nullptr : request.initialDir.c_str();
  ofn.lpstrTitle = request.title.empty() ? nullptr : request.title.c_str();
  ofn.lpstrDefExt = request.defaultExt.empty() ? nullptr : request.defaultExt.c_str();
  ofn.Flags = OFN_EXPLORER | OFN_HIDEREADONLY | OFN_ENABLESIZING | OFN_PATHMUSTEXIST;
  if (request.multiSelect) ofn.Flags |= OFN_ALLOWMULTISELECT;
  if (request.overwritePrompt) ofn.Flags |= OFN_OVERWRITEPROMPT;
  if (request.mustExist) ofn.Flags |= OFN_FILEMUSTEXIST;
  if (!request.choices.empty()) {
    ofn.Flags |= OFN_ENABLETEMPLATE | OFN_ENABLEHOOK;
    ofn.hInstance = ::GetModuleHandleW(nullptr);
    ofn.lpTemplateName = MAKEINTRESOURCEW(IDD_FILE_CHOICES);
    ofn.lpfnHook = &ChoicesHook;
    ofn.lCustData = reinterpret_cast<LPARAM>(&request);
  }
  BOOL ok = save ? ::GetSaveFileNameW(&ofn) : ::GetOpenFileNameW(&ofn);
  if (!ok) return false;
  request.filterIndex = static_cast<int>(ofn.nFilterIndex);
  request.fileNames.clear();
  const wchar_t* first = buffer.data();
  std::wstring head(first);
  const wchar_t* next = first + head.size() + 1;
  if (request.multiSelect && *next) {
    std::wstring folder = head;
    if (!folder.empty() && folder.back() != L'\\') folder += L'\\';
    while (*next) {
      std::wstring name(next);
      request.fileNames.push_back(folder + name);
      next += name.size() + 1;
    }
  } else {
    request.fileNames.push_back(head);
  }
  request.fileName = request.fileNames.front();
  return true;
}

}  // namespace

bool SystemPrompter::OpenFile(FileRequest& request) { return RunFileDialog(request, false); }
bool SystemPrompter::SaveFile(FileRequest& request) { return RunFileDialog(request, true); }

bool SystemPrompter::PickColor(ColorRequest& request) {
  CHOOSECOLORW cc{};
  cc.lStructSize = sizeof(cc);
  cc.hwndOwner = request.owner;
  cc.rgbResult = request.color;
  cc.lpCustColors = request.custom.data();
  cc.Flags = CC_RGBINIT | CC_ANYCOLOR | (request.fullOpen ? CC_FULLOPEN : 0);
  if (!::ChooseColorW(&cc)) return false;
  request.color = cc.rgbResult;
  return true;
}

bool SystemPrompter::PickFont(FontRequest& request) {
  CHOOSEFONTW cf{};
  cf.lStructSize = sizeof(cf);
  cf.hwndOwner = request.owner;
  cf.lpLogFont = &request.font;
  cf.rgbColors = request.color;
  cf.Flags = CF_INITTOLOGFONTSTRUCT | CF_SCREENFONTS | (request.effects ? CF_EFFECTS : 0) |
             (request.ansiOnly ? CF_SCRIPTSONLY : 0);
  if (!::ChooseFontW(&cf)) return false;
  request.color = cf.rgbColors;
  return true;
}

namespace {
int CALLBACK BrowseCallback(HWND hwnd, UINT message, LPARAM, LPARAM data) {
  if (message == BFFM_INITIALIZED && data) ::SendMessageW(hwnd, BFFM_SETSELECTIONW, TRUE, data);
  return 0;
}
}  // namespace

std::wstring SystemPrompter::BrowseFolder(const FolderRequest& request) {
  BROWSEINFOW info{};
  info.hwndOwner = request.owner;
  info.lpszTitle = request.title.c_str();
  info.ulFlags = BIF_RETURNONLYFSDIRS;
  info.lpfn = &BrowseCallback;
  info.lParam = request.startFolder.empty() ? 0 : reinterpret_cast<LPARAM>(request.startFolder.c_str());
  PIDLIST_ABSOLUTE list = ::SHBrowseForFolderW(&info);
  if (!list) return std::wstring();
  wchar_t path[MAX_PATH] = L"";
  BOOL ok = ::SHGetPathFromIDListW(list, path);
  ::CoTaskMemFree(list);
  return ok ? std::wstring(path) : std::wstring();
}

bool SystemPrompter::Print(PrintRequest& request) {
  PRINTDLGW pd{};
  pd.lStructSize = sizeof(pd);
  pd.hwndOwner = request.owner;
  pd.Flags = request.setupOnly ? PD_PRINTSETUP : PD_RETURNDC | PD_USEDEVMODECOPIESANDCOLLATE;
  if (!request.allowSelection) pd.Flags |= PD_NOSELECTION;
  if (!request.allowPages) pd.Flags |= PD_NOPAGENUMS;
  pd.nFromPage = static_cast<WORD>(request.fromPage);
  pd.nToPage = static_cast<WORD>(request.toPage);
  pd.nMinPage = static_cast<WORD>(request.minPage);
  pd.nMaxPage = static_cast<WORD>(request.maxPage);
  pd.nCopies = static_cast<WORD>(request.copies);
  // The printer and orientation to start from; the dialog picks the printer by name.
  pd.hDevMode = ::GlobalAlloc(GMEM_MOVEABLE | GMEM_ZEROINIT, sizeof(DEVMODEW));
  if (auto* mode = static_cast<DEVMODEW*>(::GlobalLock(pd.hDevMode))) {
    mode->dmSize = sizeof(DEVMODEW);
    mode->dmSpecVersion = DM_SPECVERSION;
    lstrcpynW(mode->dmDeviceName, request.printerName.c_str(), CCHDEVICENAME);
    mode->dmFields = DM_ORIENTATION;
    mode->dmOrientation = request.landscape ? DMORIENT_LANDSCAPE : DMORIENT_PORTRAIT;
    ::GlobalUnlock(pd.hDevMode);
  }
  if (!::PrintDlgW(&pd)) {
    if (pd.hDevMode) ::GlobalFree(pd.hDevMode);
    if (pd.hDevNames) ::GlobalFree(pd.hDevNames);
    return false;
  }
  if (auto* names = static_cast<DEVNAMES*>(pd.hDevNames ? ::GlobalLock(pd.hDevNames) : nullptr)) {
    request.printerName = reinterpret_cast<const wchar_t*>(names) + names->wDeviceOffset;
    ::GlobalUnlock(pd.hDevNames);
  }
  if (auto* mode = static_cast<DEVMODEW*>(pd.hDevMode ? ::GlobalLock(pd.hDevMode) : nullptr)) {
    if (mode->dmFields & DM_ORIENTATION) request.landscape = mode->dmOrientation == DMORIENT_LANDSCAPE;
    ::GlobalUnlock(pd.hDevMode);
  }
  request.fromPage = pd.nFromPage;
  request.toPage = pd.nToPage;
  request.copies = pd.nCopies;
  request.range = (pd.Flags & PD_SELECTION) ? PrintRequest::Range::Selection
                  : (pd.Flags & PD_PAGENUMS) ? PrintRequest::Range::Pages
                                             : PrintRequest::Range::All;
  request.dc = pd.hDC;
  if (pd.hDevMode) ::GlobalFree(pd.hDevMode);
  if (pd.hDevNames) ::GlobalFree(pd.hDevNames);
  return true;
}

}  // namespace win
