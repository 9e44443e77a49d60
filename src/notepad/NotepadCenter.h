#pragma once
// Help > Notepad Center: replaces the system's notepad in the Windows folder by the
// stand-in that hands everything to the editor, and restores it again.
#include <windows.h>

#include <functional>
#include <string>

#include "notepad/NotepadSwap_win.h"
#include "win/Dialog.h"
#include "win/Prompt.h"

namespace notepad {

struct NotepadCenterSetup {
  std::wstring windowsFolder;  // ends in a backslash
  std::wstring programFolder;  // ends in a backslash; holds the stand-in NOTEPAD.EXE
  win::Prompter* prompter = nullptr;
  std::wstring saveFilter;     // the main window's Save As filter and folder
  std::wstring saveInitialDir;
  std::function<void(int topic)> showHelp;
};

class TNotepadCenter : public win::Dialog, private StatusOutput {
 public:
  static constexpr UINT_PTR kWarningTimer = 1;
  static constexpr int kHelpTopic = 39;

  explicit TNotepadCenter(NotepadCenterSetup setup);

  void ReplaceButtonClick();
  void RestoreButtonClick();
  void MenuCopyAllClick();
  void MenuSaveToFileClick();
  bool FormCloseQuery() const { return !busy_; }
  void WarningTimerTimer();

  // The Windows folder followed by "NOTEPAD."; empty until the timer has run.
  const std::wstring& Prefix() const { return prefix_; }
  bool Busy() const { return busy_; }
  std::wstring StatusText() const;

 protected:
  bool OnInit() override;
  bool OnCommand(int id, int code, HWND control) override;
  void OnCancel() override;
  bool OnMessage(UINT message, WPARAM wParam, LPARAM lParam, INT_PTR& result) override;

 private:
  static LRESULT CALLBACK StatusWindowProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam, UINT_PTR id,
                                           DWORD_PTR data);
  void ShowStatusMenu(HWND status, LPARAM where);
  void Set(const std::wstring& text) override;
  void Append(const std::wstring& text) override;
  template <typename Procedure>
  void RunBusy(Procedure procedure);

  NotepadCenterSetup setup_;
  std::wstring prefix_;
  bool busy_ = true;
};

}  // namespace notepad
