#include "favorites/FavProperties_win.h"

#include <commctrl.h>

#include "favorites/FavoritesEditorIds.h"
#include "favorites/FavoritesTree.h"

namespace favorites {

namespace {
constexpr int kHelpTopic = 97;
}  // namespace

TFavProperties::TFavProperties(Fields fields, win::Prompter& prompter, std::wstring openFilter,
                               std::function<void(int)> showHelp)
    : win::Dialog(IDD_FAVPROPERTIES),
      fields_(std::move(fields)),
      prompter_(prompter),
      openFilter_(std::move(openFilter)),
      showHelp_(std::move(showHelp)) {}

bool TFavProperties::OnInit() {
  TCITEMW tab{};
  tab.mask = TCIF_TEXT;
  tab.pszText = const_cast<wchar_t*>(L"Properties");
  ::SendMessageW(Item(IDC_FAVPROP_TAB), TCM_INSERTITEMW, 0, reinterpret_cast<LPARAM>(&tab));
  // The tab control is a frame only: the fields above it take the keyboard.
  ::SetWindowPos(Item(IDC_FAVPROP_TAB), HWND_BOTTOM, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE);
  ::SendMessageW(Item(IDE_FAVPROP_TITLE), EM_LIMITTEXT, kMaxCaptionLength, 0);
  ::SendMessageW(Item(IDE_FAVPROP_FILE), EM_LIMITTEXT, kTextFieldSize - 1, 0);
  SetText(IDE_FAVPROP_TITLE, fields_.title);
  SetText(IDE_FAVPROP_FILE, fields_.fileName);
  FileNameChange();
  return true;
}

bool TFavProperties::OnCommand(int id, int code, HWND control) {
  switch (id) {
    case IDE_FAVPROP_FILE:
      if (code == EN_CHANGE) FileNameChange();
      return true;
    case IDC_FAVPROP_BROWSE:
      Browse();
      return true;
    case IDC_FAVPROP_HELP:
      if (showHelp_) showHelp_(kHelpTopic);
      return true;
    default:
      return win::Dialog::OnCommand(id, code, control);
  }
}

void TFavProperties::FileNameChange() {
  std::wstring name = Text(IDE_FAVPROP_FILE);
  DWORD attributes = name.empty() ? INVALID_FILE_ATTRIBUTES : ::GetFileAttributesW(name.c_str());
  bool found = attributes != INVALID_FILE_ATTRIBUTES && !(attributes & FILE_ATTRIBUTE_DIRECTORY);
  ::ShowWindow(Item(IDT_FAVPROP_NOTFOUND), found ? SW_HIDE : SW_SHOW);
}

void TFavProperties::Browse() {
  win::FileRequest request;
  request.owner = hwnd();
  request.title = L"Choose Favorite";
  request.filter = openFilter_;
  if (prompter_.OpenFile(request)) SetText(IDE_FAVPROP_FILE, request.fileName);
}

void TFavProperties::OnOK() {
  fields_.title = Text(IDE_FAVPROP_TITLE);
  fields_.fileName = Text(IDE_FAVPROP_FILE);
  End(IDOK);
}

}  // namespace favorites
