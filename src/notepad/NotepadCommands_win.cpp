#include "notepad/NotepadCommands_win.h"

#include "notepad/NotepadCenter.h"

namespace notepad {
using namespace command;

NotepadCommands::NotepadCommands(workspace::Frame& frame, workspace::DocumentHost& documents, Registry& commands)
    : frame_(frame), documents_(documents) {
  commands.Add({HelpMenuNotepadCenter, L"HelpMenuNotepadCenter", L"&Notepad Center...", {},
                L"Replace or Restore the standard Windows Notepad.", -1,
                [this](const Sender& sender) { HelpMenuNotepadCenterClick(sender); }});
}

void NotepadCommands::HelpMenuNotepadCenterClick(const Sender&) {
  NotepadCenterSetup setup;
  setup.windowsFolder = frame_.Paths().windowsFolder;
  setup.programFolder = frame_.Paths().programFolder;
  setup.prompter = &frame_.Prompter();
  setup.saveFilter = documents_.SaveFilter();
  setup.saveInitialDir = documents_.SaveInitialDir();
  setup.showHelp = [this](int topic) { frame_.ShowHelpTopic(topic); };
  TNotepadCenter center(std::move(setup));
  center.ShowModal(frame_.Window());
}

}  // namespace notepad
