#pragma once
// The file functions: Copy, Move, Delete, Rename and Properties of the file behind a
// document, Open Folder, Send As Mail and View > In Associated Application. Each acts
// on the slot it is given; the menus give the active one (the tab menu's click makes
// its tab active first).
#include <windows.h>

#include <functional>
#include <string>

#include "command/Command.h"
#include "workspace/Documents_win.h"
#include "workspace/Frame.h"

namespace filefunc {

class FileFunctions {
 public:
  using Sender = command::Sender;
  // Opens a document or folder with the shell (verb "open").
  using ShellOpen = std::function<void(const std::wstring& target, const std::wstring& directory, int show)>;
  FileFunctions(workspace::Frame& frame, workspace::Documents& documents, command::Registry& commands,
                ShellOpen shellOpen);
  FileFunctions(const FileFunctions&) = delete;
  FileFunctions& operator=(const FileFunctions&) = delete;

  // Hands a file to the shell's delete to the Recycle Bin (which may ask its own
  // question); true when the user stopped it there. Tests replace it.
  std::function<bool(HWND owner, const std::wstring& path)> recycle;
  // Sends `text` as a new mail through Simple MAPI; the MAPI result, 0 when sent.
  // Tests replace it.
  std::function<unsigned long(HWND owner, const std::wstring& text)> sendMail;

  void FileMenuMoveCopy(const Sender&);
  void FileMenuDeleteClick(const Sender&);
  void FileMenuRenameClick(const Sender&);
  void FileMenuOpenFolderClick(const Sender&);
  void FileMenuSendClick(const Sender&);
  void FileMenuPropertiesClick(const Sender&);
  void ViewMenuInAssociatedApplicationClick(const Sender&);

  void MoveCopy(int slot, bool copy);
  void Delete(int slot);
  void Rename(int slot);
  void OpenFolder(int slot);
  void Send(int slot);
  void ShowInAssociatedApplication(int slot);
  void Properties(int slot);

 private:
  void RegisterCommands(command::Registry& commands);
  void Warn(const std::wstring& text);
  // After a copy or move over `destination`: a tab holding that file is told, and its
  // next Save asks first.
  void MarkOverwritten(int sourceSlot, const std::wstring& destination);

  workspace::Frame& frame_;
  workspace::Documents& documents_;
  ShellOpen shellOpen_;
};

// The real services behind FileFunctions::recycle and sendMail.
bool RecycleFile(HWND owner, const std::wstring& path);
unsigned long SendMapiMail(HWND owner, const std::wstring& text);

}  // namespace filefunc
