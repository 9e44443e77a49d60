#include "notepad/NotepadCenter.h"

#include <commctrl.h>
#include <windowsx.h>

#include <vector>

#include "notepad/NotepadCenterIds.h"
#include "win/Encoding.h"
#include "win/Handles.h"
#include "win/Text.h"
#include "win/Window.h"

namespace notepad {
namespace {

constexpr UINT_PTR kStatusSubclass = 1;

std::vector<std::wstring> Lines(const std::wstring& text) {
  std::vector<std::wstring> lines;
  size_t start = 0;
  for (;;) {
    size_t end = text.find(L"\r\n", start);
    if (end == std::wstring::npos) break;
    lines.push_back(text.substr(start, end - start));
    start = end + 2;
  }
  if (start < text.size()) lines.push_back(text.substr(start));
  return lines;
}

void WriteLines(const std::wstring& path, const std::vector<std::wstring>& lines) {
  std::string bytes;
  for (const std::wstring& line : lines) bytes += win::ToAnsi(line) + "\r\n";
  win::UniqueFile file(
      ::CreateFileW(path.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr));
  DWORD written = 0;
  if (!file || !::WriteFile(file.get(), bytes.data(), static_cast<DWORD>(bytes.size()), &written, nullptr) ||
      written != bytes.size()) {
    DWORD error = ::GetLastError();
    throw win::Error(win::Fill(L"Unable to save \"%s\".", {path}) + L"\n" + win::SystemErrorText(error));
  }
}

}  // namespace

TNotepadCenter::TNotepadCenter(NotepadCenterSetup setup)
    : win::Dialog(IDD_NOTEPADCENTER), setup_(std::move(setup)) {}

bool TNotepadCenter::OnInit() {
  // Closing and both procedures wait for the timer, which names the files to work on.
  busy_ = true;
  prefix_.clear();
  Enable(IDC_CENTER_REPLACE, false);
  Enable(IDC_CENTER_RESTORE, false);
  ::SetWindowSubclass(Item(IDC_CENTER_STATUS), &TNotepadCenter::StatusWindowProc, kStatusSubclass,
                      reinterpret_cast<DWORD_PTR>(this));
  ::SetTimer(hwnd(), kWarningTimer, 50, nullptr);
  return true;
}

void TNotepadCenter::WarningTimerTimer() {
  ::KillTimer(hwnd(), kWarningTimer);
  busy_ = false;
  prefix_ = setup_.windowsFolder + L"NOTEPAD.";
  Enable(IDC_CENTER_REPLACE, true);
  Enable(IDC_CENTER_RESTORE, true);
}

std::wstring TNotepadCenter::StatusText() const { return Text(IDC_CENTER_STATUS); }

void TNotepadCenter::Set(const std::wstring& text) { SetText(IDC_CENTER_STATUS, text); }

void TNotepadCenter::Append(const std::wstring& text) {
  HWND status = Item(IDC_CENTER_STATUS);
  auto end = static_cast<WPARAM>(::GetWindowTextLengthW(status));
  ::SendMessageW(status, EM_SETSEL, end, static_cast<LPARAM>(end));
  ::SendMessageW(status, EM_REPLACESEL, FALSE, reinterpret_cast<LPARAM>(text.c_str()));
}

template <typename Procedure>
void TNotepadCenter::RunBusy(Procedure procedure) {
  if (prefix_.empty()) return;
  struct Clear {
    bool& flag;
    ~Clear() { flag = false; }
  } clear{busy_};
  busy_ = true;
  procedure();
}

void TNotepadCenter::ReplaceButtonClick() {
  RunBusy([this] { ReplaceNotepad(prefix_, setup_.programFolder, *this); });
}

void TNotepadCenter::RestoreButtonClick() {
  RunBusy([this] { RestoreNotepad(prefix_, *this); });
}

void TNotepadCenter::MenuCopyAllClick() {
  HWND status = Item(IDC_CENTER_STATUS);
  DWORD start = 0, end = 0;
  ::SendMessageW(status, EM_GETSEL, reinterpret_cast<WPARAM>(&start), reinterpret_cast<LPARAM>(&end));
  ::SendMessageW(status, EM_SETSEL, 0, -1);
  ::SendMessageW(status, WM_COPY, 0, 0);
  ::SendMessageW(status, EM_SETSEL, start, static_cast<LPARAM>(end));
}

void TNotepadCenter::MenuSaveToFileClick() {
  if (!setup_.prompter) return;
  win::FileRequest request;
  request.owner = hwnd();
  request.title = L"Save As";
  request.filter = setup_.saveFilter;
  request.initialDir = setup_.saveInitialDir;
  request.fileName = L"Log.txt";
  request.defaultExt = L"txt";
  request.overwritePrompt = true;
  if (!setup_.prompter->SaveFile(request)) return;
  WriteLines(request.fileName, Lines(StatusText()));
}

bool TNotepadCenter::OnCommand(int id, int code, HWND control) {
  switch (id) {
    case IDC_CENTER_REPLACE: ReplaceButtonClick(); return true;
    case IDC_CENTER_RESTORE: RestoreButtonClick(); return true;
    case IDC_CENTER_HELP:
      if (setup_.showHelp) setup_.showHelp(kHelpTopic);
      return true;
    case IDM_CENTER_COPYALL: MenuCopyAllClick(); return true;
    case IDM_CENTER_SAVE: MenuSaveToFileClick(); return true;
    default: return win::Dialog::OnCommand(id, code, control);
  }
}

void TNotepadCenter::OnCancel() {
  if (FormCloseQuery()) End(IDCANCEL);
}

bool TNotepadCenter::OnMessage(UINT message, WPARAM wParam, LPARAM, INT_PTR& result) {
  if (message == WM_TIMER && wParam == kWarningTimer) {
    WarningTimerTimer();
    result = 0;
    return true;
  }
  if (message == WM_DESTROY) {
    ::KillTimer(hwnd(), kWarningTimer);
    ::RemoveWindowSubclass(Item(IDC_CENTER_STATUS), &TNotepadCenter::StatusWindowProc, kStatusSubclass);
  }
  return false;
}

void TNotepadCenter::ShowStatusMenu(HWND status, LPARAM where) {
  POINT point{GET_X_LPARAM(where), GET_Y_LPARAM(where)};
  if (where == -1) {
    // Shift+F10 or the menu key: open the menu at the control's corner.
    RECT rect{};
    ::GetWindowRect(status, &rect);
    point = {rect.left + 8, rect.top + 8};
  }
  win::UniqueMenu menu(::CreatePopupMenu());
  ::AppendMenuW(menu.get(), MF_STRING, IDM_CENTER_COPYALL, L"&Copy All");
  ::AppendMenuW(menu.get(), MF_STRING, IDM_CENTER_SAVE, L"&Save To File...");
  auto chosen = static_cast<int>(
      ::TrackPopupMenu(menu.get(), TPM_RETURNCMD | TPM_RIGHTBUTTON, point.x, point.y, 0, hwnd(), nullptr));
  if (chosen) OnCommand(chosen, 0, nullptr);
}

LRESULT CALLBACK TNotepadCenter::StatusWindowProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam, UINT_PTR,
                                                  DWORD_PTR data) {
  if (message == WM_CONTEXTMENU) {
    try {
      reinterpret_cast<TNotepadCenter*>(data)->ShowStatusMenu(hwnd, lParam);
    } catch (const std::exception& error) {
      win::ReportException(error);
    }
    return 0;
  }
  return ::DefSubclassProc(hwnd, message, wParam, lParam);
}

}  // namespace notepad
