#include <windows.h>

#include "notepad/stub/StubSteps.h"

int WINAPI wWinMain(HINSTANCE, HINSTANCE, PWSTR, int) {
  // Read from the process's own command line, so the rule that separates the program
  // name from the arguments is ours and under test rather than the start-up code's.
  return notepad::RunStub(notepad::ArgumentsOf(::GetCommandLineW()), notepad::SystemWindowsFolder());
}
