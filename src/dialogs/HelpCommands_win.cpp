#include "dialogs/HelpCommands_win.h"

#include "config/Keys.h"
#include "dialogs/AboutBox.h"
#include "win/Text.h"

namespace dialogs {
using namespace command;
namespace keys = config::keys;

HelpCommands::HelpCommands(workspace::Frame& frame, Registry& commands,
                           std::function<void(const wchar_t* address)> openAddress)
    : frame_(frame), openAddress_(std::move(openAddress)) {
  commands.Add({HelpMenuAbout, L"HelpMenuAbout", L"&About...", {}, L"Displays program version and related information.",
                -1, [this](const Sender& sender) { HelpMenuAboutClick(sender); }});
}

void HelpCommands::HelpMenuAboutClick(const Sender&) {
  TAboutBox box(frame_.Profile().Read(keys::TryIt), [this](const wchar_t* url) {
    if (openAddress_) openAddress_(url);
  });
  box.ShowModal(frame_.Window());
}

void HelpCommands::ShowHelpTopic(int topic) {
  const std::wstring& help = frame_.Paths().helpPath;
  DWORD attributes = ::GetFileAttributesW(help.c_str());
  if (attributes == INVALID_FILE_ATTRIBUTES || (attributes & FILE_ATTRIBUTE_DIRECTORY)) {
    win::MessageRequest missing{frame_.Window(), win::Fill(L"The help file \"%s\" was not found.", {help})};
    missing.icon = win::Icon::Information;
    frame_.Prompter().Message(missing);
    return;
  }
  ::WinHelpW(frame_.Window(), help.c_str(), HELP_CONTEXT, static_cast<ULONG_PTR>(topic));
}

}  // namespace dialogs
