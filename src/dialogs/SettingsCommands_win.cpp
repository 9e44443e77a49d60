#include "dialogs/SettingsCommands_win.h"

namespace dialogs {
using namespace command;

SettingsCommands::SettingsCommands(workspace::Frame& frame, SettingsHost& host, Registry& commands)
    : frame_(frame), host_(host) {
  commands.Add({EditMenuSettings, L"EditMenuSettings", L"&Settings...", {}, L"Edit Tarnwick settings.", 49,
                Bind(this, &SettingsCommands::EditMenuSettingsClick)});
}

void SettingsCommands::EditMenuSettingsClick(const Sender&) {
  TSettings dialog(frame_, host_);
  if (dialog.ShowModal(frame_.Window()) != IDOK) return;
  host_.SettingsAccepted(dialog.toolBarChanged(), dialog.tabsChanged());
}

}  // namespace dialogs
