#pragma once
// What every subsystem may ask of the window around it: the owner of its dialogs, the
// prompts, the configuration file, the status bar, the help file and the commands.
#include <windows.h>

#include <string>

#include "config/Paths.h"
#include "config/Profile.h"
#include "win/Prompt.h"

namespace workspace {

class Frame {
 public:
  // The main window: the owner of every dialog and prompt.
  virtual HWND Window() const = 0;
  // Every message box and common dialog goes through here; it counts as modal work.
  virtual win::Prompter& Prompter() = 0;
  virtual config::Profile& Profile() = 0;
  virtual const config::AppPaths& Paths() const = 0;
  virtual void ShowHelpTopic(int topic) = 0;
  virtual void SetStatusText(int panel, const std::wstring& text) = 0;
  // Paints the status bar now (long loads show their progress there).
  virtual void UpdateStatusBar() = 0;
  // A long command that lets the window run sets this; closing waits for it.
  virtual bool Busy() const = 0;
  virtual void SetBusy(bool busy) = 0;
  // Runs a registered command as code does (no menu refresh first).
  virtual void Run(unsigned id) = 0;
  // Something that the enabled or checked states depend on changed.
  virtual void CommandStatesChanged() = 0;
  // Shows one of the window's pop-up menus (command::TopMenu) at a screen point.
  virtual void ShowPopupMenu(unsigned menu, POINT screenPoint) = 0;
  virtual SYSTEMTIME Now() = 0;
  virtual void PlaySound(const wchar_t* resource) = 0;

 protected:
  ~Frame() = default;
};

// Sets the window's busy flag for a while and gives it back its earlier value, so a
// command running inside another (a refresh inside Capitalize) leaves the flag to the
// outer one.
class BusyScope {
 public:
  explicit BusyScope(Frame& frame) : frame_(frame), previous_(frame.Busy()) { frame.SetBusy(true); }
  ~BusyScope() { frame_.SetBusy(previous_); }
  BusyScope(const BusyScope&) = delete;
  BusyScope& operator=(const BusyScope&) = delete;

 private:
  Frame& frame_;
  bool previous_;
};

}  // namespace workspace
