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
  // clang-format off
  commands.Add({
    {HelpMenuAbout, L"HelpMenuAbout", L"&About...", {}, L"Displays program version and related information.", -1,
     Bind(this, &HelpCommands::HelpMenuAboutClick)},
    {HelpMenuContents, L"HelpMenuContents", L"&Contents...", {}, L"Displays the help file.", 50,
     Bind(this, &HelpCommands::HelpMenuContentsClick)},
    {HelpMenuWhatsNew, L"HelpMenuWhatsNew", L"&What's New?", {}, L"Opens the history file for Tarnwick.", -1,
     Bind(this, &HelpCommands::HelpMenuWhatsNewClick)},
    {HelpMenuHomepage, L"HelpMenuHomepage", L"&Homepage", {}, L"Opens the homepage in your default browser.", -1,
     Bind(this, &HelpCommands::HelpMenuHomepageClick)},
  });
  // clang-format on
}

void HelpCommands::HelpMenuContentsClick(const Sender&) {
  if (HelpFileFound()) ::WinHelpW(frame_.Window(), frame_.Paths().helpPath.c_str(), HELP_FINDER, 0);
}

void HelpCommands::HelpMenuWhatsNewClick(const Sender&) {
  if (!openDocument || !documents) return;
  // At the limit of open documents nothing opened: no document's font is touched.
  if (!openDocument(frame_.Paths().programFolder + L"WhatsNew.txt")) return;
  workspace::DocumentSlot* slot = documents->Slot(documents->ActiveSlotNumber());
  if (!slot) return;
  workspace::FontSpec font = slot->editor.DefaultFont();
  font.name = L"Courier New";
  font.points = 8;
  font.bold = font.italic = font.underline = font.strikeOut = false;
  font.charSet = DEFAULT_CHARSET;
  slot->editor.SetDefaultFont(font);
  if (slot->editor.WordWrap()) frame_.Run(DocumentMenuWordWrap);
}

void HelpCommands::HelpMenuHomepageClick(const Sender&) {
  if (openAddress_) openAddress_(kHomePage);
}

void HelpCommands::HelpMenuAboutClick(const Sender&) {
  TAboutBox box(frame_.Profile().Read(keys::TryIt), [this](const wchar_t* url) {
    if (openAddress_) openAddress_(url);
  });
  box.ShowModal(frame_.Window());
}

bool HelpCommands::HelpFileFound() {
  const std::wstring& help = frame_.Paths().helpPath;
  DWORD attributes = ::GetFileAttributesW(help.c_str());
  if (attributes != INVALID_FILE_ATTRIBUTES && !(attributes & FILE_ATTRIBUTE_DIRECTORY)) return true;
  win::MessageRequest missing{frame_.Window(), win::Fill(L"The help file \"%s\" was not found.", {help})};
  missing.icon = win::Icon::Information;
  frame_.Prompter().Message(missing);
  return false;
}

void HelpCommands::ShowHelpTopic(int topic) {
  if (HelpFileFound())
    ::WinHelpW(frame_.Window(), frame_.Paths().helpPath.c_str(), HELP_CONTEXT, static_cast<ULONG_PTR>(topic));
}

}  // namespace dialogs
