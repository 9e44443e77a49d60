#pragma once
// The program's one message loop: modeless dialogs get their keys first, then the
// main window's accelerators, then the usual translation and dispatch.
#include <windows.h>

#include <functional>

namespace win {

class MessageLoop {
 public:
  static void AddModeless(HWND dialog);
  static void RemoveModeless(HWND dialog);
  static void SetAccelerators(HWND target, HACCEL table);
  // Runs each time the queue has run empty, before the loop waits again (the tool
  // bar's states are brought up to date there). Empty: nothing runs.
  static void SetIdle(std::function<void()> idle);

  // Runs until WM_QUIT; returns its exit code.
  static int Run();
  // Handles every message already queued, then returns (long commands keep the window
  // alive with this). Returns false when WM_QUIT was seen; the quit is posted again.
  static bool PumpPending();

 private:
  static bool Translate(MSG& msg);
};

}  // namespace win
