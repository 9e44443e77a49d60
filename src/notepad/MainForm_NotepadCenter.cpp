// Help > Notepad Center.
#include "app/MainForm.h"
#include "notepad/NotepadCenter.h"

namespace app {

void TMainForm::HelpMenuNotepadCenterClick(const Sender&) {
  notepad::NotepadCenterSetup setup;
  setup.windowsFolder = context_.paths.windowsFolder;
  setup.programFolder = context_.paths.programFolder;
  setup.prompter = &prompter();
  setup.saveFilter = saveFilter_;
  setup.saveInitialDir = saveInitialDir_;
  setup.showHelp = [this](int topic) { ShowHelpTopic(topic); };
  notepad::TNotepadCenter center(std::move(setup));
  center.ShowModal(hwnd());
}

}  // namespace app
