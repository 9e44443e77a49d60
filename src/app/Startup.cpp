#include "app/Startup.h"

#include "recovery/RecoveryStore_win.h"

#include <commctrl.h>
#include <mmsystem.h>
#include <objbase.h>
#include <windows.h>
#include <shellapi.h>

#include <memory>
#include <vector>

#include "app/HandOff.h"
#include "app/HandOffFile_win.h"
#include "app/MainForm.h"
#include "config/IniFile_win.h"
#include "config/Keys.h"
#include "dialogs/SplashScreen.h"
#include "win/Encoding.h"
#include "win/Handles.h"
#include "win/MessageLoop.h"
#include "win/Text.h"

namespace app {
namespace keys = config::keys;

namespace {

win::SystemPrompter g_prompter;
win::Prompter* g_activePrompter = &g_prompter;

void ShowException(const std::wstring& text) {
  win::MessageRequest request;
  request.owner = ::GetActiveWindow();
  request.text = text;
  request.icon = win::Icon::Error;
  g_activePrompter->Message(request);
}

std::wstring ProgramFolder() {
  std::vector<wchar_t> buffer(MAX_PATH);
  for (;;) {
    DWORD got = ::GetModuleFileNameW(nullptr, buffer.data(), static_cast<DWORD>(buffer.size()));
    if (got < buffer.size()) {
      std::wstring path(buffer.data(), got);
      return win::FolderPart(path);
    }
    buffer.resize(buffer.size() * 2);
  }
}

std::wstring WindowsFolder() {
  wchar_t buffer[MAX_PATH] = L"";
  ::GetWindowsDirectoryW(buffer, MAX_PATH);
  return buffer;
}

std::vector<std::wstring> Arguments() {
  std::vector<std::wstring> arguments;
  for (int i = 1; i < __argc; ++i) arguments.push_back(__wargv[i]);
  return arguments;
}

void PlayWave(const wchar_t* resource) {
  ::PlaySoundW(resource, ::GetModuleHandleW(nullptr), SND_RESOURCE | SND_ASYNC | SND_NODEFAULT);
}

SYSTEMTIME Now() {
  SYSTEMTIME time;
  ::GetLocalTime(&time);
  return time;
}

void ShellOpen(const std::wstring& target, const std::wstring& directory, int show) {
  ::ShellExecuteW(nullptr, L"open", target.c_str(), nullptr, directory.empty() ? nullptr : directory.c_str(), show);
}

}  // namespace

int RunTarnwick(HINSTANCE, int showCommand) {
  AppContext context;
  context.paths = config::AppPaths::ForFolders(ProgramFolder(), WindowsFolder());
  ::SetCurrentDirectoryW(context.paths.programFolder.c_str());
  config::IniFile ini(context.paths.iniPath);
  context.profile = &ini;
  context.prompter = &g_prompter;
  context.arguments = Arguments();
  context.journalFolder = &recovery::DefaultJournalFolder;

  win::UniqueHandle mutex;
  if (!ini.Read(keys::AllowMultipleInstances)) {
    mutex.reset(::CreateMutexW(nullptr, TRUE, L"Tarnwick"));
    if (::GetLastError() == ERROR_ALREADY_EXISTS) {
      std::vector<std::string> records;
      for (const std::wstring& argument : context.arguments) records.push_back(win::ToAnsiPath(argument));
      AppendHandOff(context.paths.handOffPath, HandOffRecords(records));
      return 0;
    }
  }

  context.trayMode = ini.Read(keys::UseSystemTray);
  ::CoInitializeEx(nullptr, COINIT_APARTMENTTHREADED);
  INITCOMMONCONTROLSEX controls{sizeof(controls), ICC_WIN95_CLASSES | ICC_STANDARD_CLASSES | ICC_BAR_CLASSES |
                                                      ICC_TAB_CLASSES | ICC_USEREX_CLASSES};
  ::InitCommonControlsEx(&controls);
  win::SetExceptionDisplay(&ShowException);

  std::unique_ptr<dialogs::TSplashScreen> splash;
  if (ini.Read(keys::ShowSplash)) {
    splash = std::make_unique<dialogs::TSplashScreen>();
    if (!splash->Create()) splash.reset();
  }
  context.playSound = &PlayWave;
  context.now = &Now;
  context.shellOpen = &ShellOpen;
  context.onFirstShow = [&splash] { splash.reset(); };

  int exitCode = 0;
  try {
    TMainForm form(context);
    if (form.Create()) {
      if (splash) ::Sleep(525);
      win::MessageLoop::SetAccelerators(form.hwnd(), form.Accelerators());
      form.Show(showCommand);
      win::MessageLoop::Run();
    }
  } catch (const std::exception& error) {
    win::ReportException(error);
  }
  splash.reset();
  if (mutex) ::ReleaseMutex(mutex.get());
  ::CoUninitialize();
  return exitCode;
}

}  // namespace app
