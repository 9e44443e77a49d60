#pragma once
// What the main window needs from outside: the prompts, the configuration file, the
// folders, the command line and a few services that tests replace.
#include <windows.h>

#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "config/Paths.h"
#include "config/Profile.h"
#include "print/Printer_win.h"
#include "win/Prompt.h"

namespace app {

struct AppContext {
  win::Prompter* prompter = nullptr;
  config::Profile* profile = nullptr;
  config::AppPaths paths;
  bool trayMode = false;                 // UseSystemTray as read at start
  std::vector<std::wstring> arguments;   // command-line arguments, program name excluded
  // Plays a wave resource of the executable ("ID_WAVE1", "ID_WAVE2").
  std::function<void(const wchar_t* resource)> playSound;
  // The current local time.
  std::function<SYSTEMTIME()> now;
  // Opens a document, folder or address with the shell (verb "open").
  std::function<void(const std::wstring& target, const std::wstring& directory, int show)> shellOpen;
  // Shows a topic of the help file; unset: the system's help viewer.
  std::function<void(int topic)> showHelpTopic;
  // The folder of the recovery journal, asked for once the window is up (finding it
  // loads the shell library); empty or unset: no journal.
  std::function<std::wstring()> journalFolder;
  // Runs once when the main window is first shown (start-up takes the splash down).
  std::function<void()> onFirstShow;
  // The printer to print on; unset: the system's printers. Tests print on their own.
  std::function<std::unique_ptr<print::PrinterDevice>()> makePrinter;
};

}  // namespace app
