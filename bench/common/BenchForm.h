#pragma once
// A main window in the bench's own process over a work folder, shown without taking
// the focus, with the real prompts.
#include <windows.h>
#include <commctrl.h>

#include <string>

#include "app/AppContext.h"
#include "app/MainForm.h"
#include "config/IniFile_win.h"
#include "win/Prompt.h"

namespace bench {

inline const std::wstring& Prepared(const std::wstring& work) {
  ::LoadLibraryW(L"Msftedit.dll");
  INITCOMMONCONTROLSEX controls{sizeof(controls), ICC_WIN95_CLASSES | ICC_BAR_CLASSES | ICC_TAB_CLASSES};
  ::InitCommonControlsEx(&controls);
  ::CoInitializeEx(nullptr, COINIT_APARTMENTTHREADED);
  return work;
}

struct BenchForm {
  explicit BenchForm(const std::wstring& work)
      : paths(config::AppPaths::ForFolders(Prepared(work), work)), ini(paths.iniPath), form(Context()) {
    form.Create();
    form.Show(SW_SHOWNOACTIVATE);
  }
  app::AppContext& Context() {
    context.paths = paths;
    context.profile = &ini;
    context.prompter = &prompter;
    return context;
  }

  config::AppPaths paths;
  config::IniFile ini;
  win::SystemPrompter prompter;
  app::AppContext context;
  app::TMainForm form;
};

}  // namespace bench
