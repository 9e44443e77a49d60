#include "dialogs/NewFile.h"

#include <windows.h>

#include "config/FileTypes.h"
#include "config/Keys.h"
#include "dialogs/NewFileIds.h"
#include "win/Text.h"

namespace dialogs {
namespace keys = config::keys;

namespace {
std::wstring ListText(HWND list, int index) {
  LRESULT length = ::SendMessageW(list, LB_GETTEXTLEN, static_cast<WPARAM>(index), 0);
  if (length == LB_ERR) return std::wstring();
  std::wstring text(static_cast<size_t>(length) + 1, L'\0');
  ::SendMessageW(list, LB_GETTEXT, static_cast<WPARAM>(index), reinterpret_cast<LPARAM>(text.data()));
  text.resize(static_cast<size_t>(length));
  return text;
}
}  // namespace

TNewFile::TNewFile(const config::Profile& profile, std::wstring programFolder, std::function<void(int)> showHelp)
    : win::Dialog(IDD_NEWFILE), profile_(profile), programFolder_(std::move(programFolder)),
      showHelp_(std::move(showHelp)) {}

bool TNewFile::OnInit() {
  templatePath_.clear();
  HWND types = Item(IDC_NEW_TYPES);
  for (const config::FileType& type : config::ReadFileTypes(profile_, 80)) {
    std::wstring shown = config::DisplayName(type.name);
    ::SendMessageW(types, LB_ADDSTRING, 0, reinterpret_cast<LPARAM>(shown.c_str()));
  }
  ::SendMessageW(types, LB_SETCURSEL, 0, 0);
  FileTypeClick(1);
  return true;
}

void TNewFile::FileTypeClick(int typeNumber) {
  std::wstring key = win::ToText(typeNumber);
  std::wstring extensions = profile_.ReadText(keys::kFileTypes, L"Ext" + key, L"", 80);
  HWND list = Item(IDC_NEW_EXTENSIONS);
  ::SendMessageW(list, LB_RESETCONTENT, 0, 0);
  std::vector<std::wstring> pieces = config::SplitExtensions(extensions);
  for (const std::wstring& piece : pieces)
    ::SendMessageW(list, LB_ADDSTRING, 0, reinterpret_cast<LPARAM>(piece.c_str()));
  ::SendMessageW(list, LB_SETCURSEL, 0, 0);

  templatePath_.clear();
  for (const std::wstring& piece : pieces) {
    std::wstring candidate = programFolder_ + L"Template." + config::TemplateExtension(piece);
    DWORD attributes = ::GetFileAttributesW(candidate.c_str());
    if (attributes != INVALID_FILE_ATTRIBUTES && !(attributes & FILE_ATTRIBUTE_DIRECTORY)) {
      templatePath_ = candidate;
      break;
    }
  }
  SetChecked(IDC_NEW_TEMPLATE, !templatePath_.empty());
  Enable(IDC_NEW_TEMPLATE, !templatePath_.empty());

  format_ = profile_.ReadInt(keys::kFileTypes, L"Format" + key, 0);
  if (format_ == 0) SetText(IDC_NEW_FORMAT, L"Format: Plain Text");
  if (format_ == 1) SetText(IDC_NEW_FORMAT, L"Format: Rich Text");
}

bool TNewFile::OnCommand(int id, int code, HWND control) {
  if (id == IDC_NEW_TYPES && code == LBN_SELCHANGE) {
    auto index = static_cast<int>(::SendMessageW(control, LB_GETCURSEL, 0, 0));
    if (index >= 0) FileTypeClick(index + 1);
    return true;
  }
  if ((id == IDC_NEW_TYPES || id == IDC_NEW_EXTENSIONS) && code == LBN_DBLCLK) {
    OnOK();
    return true;
  }
  if (id == IDC_NEW_HELP) {
    if (showHelp_) showHelp_(25);
    return true;
  }
  return win::Dialog::OnCommand(id, code, control);
}

void TNewFile::OnOK() {
  HWND list = Item(IDC_NEW_EXTENSIONS);
  auto index = static_cast<int>(::SendMessageW(list, LB_GETCURSEL, 0, 0));
  extensionText_ = index >= 0 ? ListText(list, index) : std::wstring();
  loadTemplate_ = Checked(IDC_NEW_TEMPLATE);
  End(IDOK);
}

}  // namespace dialogs
