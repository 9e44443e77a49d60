#pragma once
// The uninstaller's steps, behind a seam for its message boxes so that tests can run
// them in-process against scratch folders.
#include <string>

namespace uninstall {

enum class Icon { None, Information, Warning };

struct Message {
  std::wstring text;
  std::wstring title;
  Icon icon = Icon::None;
  bool yesNo = false;  // Yes and No; otherwise OK alone
};

class Messages {
 public:
  virtual ~Messages() = default;
  // Returns true when the user answered Yes (always false for an OK box).
  virtual bool Show(const Message& message) = 0;
};

struct Folders {
  std::wstring program;       // F: the folder of the running uninstaller
  std::wstring windows;       // W
  std::wstring programsMenu;  // the user's Programs menu; empty when unknown
  std::wstring desktop;       // the user's desktop; empty when unknown
  std::wstring self;          // the uninstaller's own full path
};

// Adds the trailing backslash that every folder above ends in (an empty folder stays
// empty).
std::wstring WithBackslash(std::wstring folder);

// True when the notepad's 040904E4 maker strings name "Vardle".
bool IsInstalledStub(const std::wstring& notepadPath);

// Everything from the first question to the closing message.
void RunUninstall(const Folders& folders, Messages& messages);

}  // namespace uninstall
