#pragma once
// Runs the real executables: each test copies what it needs into a scratch folder
// that stands in for the program folder.
#include <windows.h>

#include <functional>
#include <string>
#include <vector>

namespace proctest {

// The folder holding the freshly built executables.
std::wstring BinFolder();

struct RunResult {
  bool started = false;
  bool finished = false;
  DWORD exitCode = 0;
  DWORD milliseconds = 0;
};

// Starts `exe` with the command line text after the program name and waits.
RunResult Run(const std::wstring& exe, const std::wstring& arguments, DWORD timeoutMs = 20000);
// Starts without waiting; the caller owns the returned process handle.
HANDLE Start(const std::wstring& exe, const std::wstring& arguments, DWORD* processId = nullptr);

// Polls `done` every 20 ms until it holds or the time is up; returns `done()`.
bool WaitFor(const std::function<bool()>& done, DWORD timeoutMs = 10000);

// Top-level windows of a process (visible or not).
std::vector<HWND> WindowsOf(DWORD processId);

void CopyInto(const std::wstring& file, const std::wstring& folder);

}  // namespace proctest

namespace proctest {

// A message box of another process, as the test sees it.
struct MessageBoxSeen {
  HWND hwnd = nullptr;
  std::wstring title;
  std::wstring text;  // the texts of its static controls, joined
};

// Waits for a message box (a dialog of class #32770) of the process and reads it;
// hwnd stays null when none came within the time.
MessageBoxSeen WaitForMessageBox(DWORD processId, DWORD timeoutMs = 10000);
// Presses a button of the box (IDOK, IDYES, IDNO) and waits for the box to go.
void Answer(const MessageBoxSeen& box, int button);

// The first top-level window of that class owned by the process (0: any process).
HWND FindWindowOf(const wchar_t* className, DWORD processId = 0);
// Every window below `parent` (children of children too) of that class; all of them
// when className is null.
std::vector<HWND> ChildrenOf(HWND parent, const wchar_t* className);
// A window's text, read across processes.
std::wstring TextOf(HWND hwnd);
// The texts of the window's child windows of that class, read across processes.
std::vector<std::wstring> ChildTexts(HWND parent, const wchar_t* className);
// The captions of another process's tab control, in order (read through a buffer in
// that process: the control's messages are not carried across processes).
std::vector<std::wstring> TabCaptions(HWND tabs);

// Sets an environment variable of this process, and so of the programs it starts, for
// the owner's lifetime.
class ScopedEnvironment {
 public:
  ScopedEnvironment(std::wstring name, const std::wstring& value);
  ~ScopedEnvironment();
  ScopedEnvironment(const ScopedEnvironment&) = delete;
  ScopedEnvironment& operator=(const ScopedEnvironment&) = delete;

 private:
  std::wstring name_;
  std::wstring previous_;
  bool hadPrevious_ = false;
};

// Ends every process whose executable lies in `folder`: first by closing its main
// window of class `className` (when given), then by force after `graceMs`.
void EndProcessesIn(const std::wstring& folder, const wchar_t* className = nullptr, DWORD graceMs = 5000);

}  // namespace proctest
