// The main window's commands that show the auxiliary dialogs, and the help file.
#include "app/MainForm.h"
#include "config/Keys.h"
#include "dialogs/AboutBox.h"
#include "win/Text.h"
#include "workspace/DocumentFile_win.h"

namespace app {
namespace keys = config::keys;

void TMainForm::HelpMenuAboutClick(const Sender&) {
  dialogs::TAboutBox box(profile().Read(keys::TryIt), [this](const wchar_t* url) {
    if (context_.shellOpen) context_.shellOpen(url, L"", SW_RESTORE);
  });
  box.ShowModal(hwnd());
}

void TMainForm::ShowHelpTopic(int topic) {
  const std::wstring& help = context_.paths.helpPath;
  if (!workspace::FileExists(help)) {
    win::MessageRequest missing{hwnd(), win::Fill(L"The help file \"%s\" was not found.", {help})};
    missing.icon = win::Icon::Information;
    prompter().Message(missing);
    return;
  }
  ::WinHelpW(hwnd(), help.c_str(), HELP_CONTEXT, static_cast<ULONG_PTR>(topic));
}

}  // namespace app
