#include "filefunc/FileFunctions_win.h"

#include <shellapi.h>

#include "config/Keys.h"
#include "dialogs/RenameBox.h"
#include "filefunc/FileRules.h"
#include "win/Text.h"
#include "workspace/DocumentFile_win.h"
#include "workspace/SlotRules.h"

namespace filefunc {
using namespace command;

FileFunctions::FileFunctions(workspace::Frame& frame, workspace::Documents& documents, Registry& commands,
                             ShellOpen shellOpen)
    : recycle(RecycleFile), sendMail(SendMapiMail), frame_(frame), documents_(documents),
      shellOpen_(std::move(shellOpen)) {
  RegisterCommands(commands);
}

void FileFunctions::RegisterCommands(Registry& commands) {
  // Copy, Move, Delete and Open Folder need the file on disk; the others always work.
  auto hasFile = [this] { return documents_.Active().hasFile; };
  // clang-format off
  commands.Add({
    {FileMenuOpenFolder, L"FileMenuOpenFolder", L"Open &Folder", {}, L"Open the folder where the file is located.", 11,
     Bind(this, &FileFunctions::FileMenuOpenFolderClick), hasFile},
    {FileMenuFileFunctions, L"FileMenuFileFunctions", L"F&ile Functions", {}, L"", -1, {}},
    {FileMenuCopy, L"FileMenuCopy", L"Cop&y...", {}, L"Copy the document (from disk).", 6,
     Bind(this, &FileFunctions::FileMenuMoveCopy), hasFile},
    {FileMenuMove, L"FileMenuMove", L"Mov&e...", {}, L"Move the document (on disk).", 7,
     Bind(this, &FileFunctions::FileMenuMoveCopy), hasFile},
    {FileMenuDelete, L"FileMenuDelete", L"&Delete...", {}, L"Delete the document to the Recycle Bin.", 8,
     Bind(this, &FileFunctions::FileMenuDeleteClick), hasFile},
    {FileMenuRename, L"FileMenuRename", L"Rena&me...", {}, L"Rename the document.", 9,
     Bind(this, &FileFunctions::FileMenuRenameClick)},
    {FileMenuProperties, L"FileMenuProperties", L"Propert&ies...", {}, L"Display the documents properties.", 10,
     Bind(this, &FileFunctions::FileMenuPropertiesClick)},
    {FileMenuSend, L"FileMenuSend", L"Sen&d As Mail...", {}, L"Send the document to a MAPI complaint mail client.", 14,
     Bind(this, &FileFunctions::FileMenuSendClick)},
    {ViewMenuInAssociatedApplication, L"ViewMenuInAssociatedApplication", L"&In Associated Application",
     Key(FunctionKey(12)), L"Open current document in the Associated Application.", 46,
     Bind(this, &FileFunctions::ViewMenuInAssociatedApplicationClick)},
    // The tab menu: the File menu's handlers and rules, no hints.
    {TabMenuCopy, L"TabMenuCopy", L"Cop&y...", {}, L"", -1, Bind(this, &FileFunctions::FileMenuMoveCopy), hasFile},
    {TabMenuMove, L"TabMenuMove", L"Mov&e...", {}, L"", -1, Bind(this, &FileFunctions::FileMenuMoveCopy), hasFile},
    {TabMenuDelete, L"TabMenuDelete", L"&Delete...", {}, L"", -1, Bind(this, &FileFunctions::FileMenuDeleteClick),
     hasFile},
    {TabMenuRename, L"TabMenuRename", L"Rena&me...", {}, L"", -1, Bind(this, &FileFunctions::FileMenuRenameClick)},
    {TabMenuProperties, L"TabMenuProperties", L"Propert&ies...", {}, L"", -1,
     Bind(this, &FileFunctions::FileMenuPropertiesClick)},
  });
  // clang-format on
}

void FileFunctions::FileMenuMoveCopy(const Sender& sender) {
  MoveCopy(documents_.ActiveSlot, IsCopyRequest(sender.command, sender.tag));
}
void FileFunctions::FileMenuDeleteClick(const Sender&) { Delete(documents_.ActiveSlot); }
void FileFunctions::FileMenuRenameClick(const Sender&) { Rename(documents_.ActiveSlot); }
void FileFunctions::FileMenuOpenFolderClick(const Sender&) { OpenFolder(documents_.ActiveSlot); }
void FileFunctions::FileMenuSendClick(const Sender&) { Send(documents_.ActiveSlot); }
void FileFunctions::FileMenuPropertiesClick(const Sender&) { Properties(documents_.ActiveSlot); }
void FileFunctions::ViewMenuInAssociatedApplicationClick(const Sender&) {
  ShowInAssociatedApplication(documents_.ActiveSlot);
}

void FileFunctions::Warn(const std::wstring& text) { frame_.Prompter().Message({frame_.Window(), text}); }

void FileFunctions::MoveCopy(int number, bool copy) {
  workspace::DocumentSlot* slot = documents_.Slot(number);
  if (!slot || !slot->hasFile) return;
  win::FolderRequest request{frame_.Window(),
                             copy ? L"Choose a folder to Copy the file to:" : L"Choose a folder to Move the file to:",
                             L""};
  std::wstring folder = frame_.Prompter().BrowseFolder(request);
  slot = documents_.Slot(number);  // the chooser ran a message loop
  if (folder.empty() || !slot) return;
  std::wstring source = slot->fileName;
  std::wstring destination = TransferDestination(folder, source);
  if (win::EqualsNoCase(destination, source)) {
    Warn(L"Source and Destination filenames are the same.\nCopy/Move not completed.");
    return;
  }
  bool replacing = ::GetFileAttributesW(destination.c_str()) != INVALID_FILE_ATTRIBUTES;
  if (replacing) {
    win::MessageRequest ask{frame_.Window(), L"File already exists. Overwrite it?"};
    ask.icon = win::Icon::Question;
    ask.buttons = win::Buttons::YesNo;
    if (frame_.Prompter().Message(ask) != win::Answer::Yes) return;
  }
  if (!::CopyFileW(source.c_str(), destination.c_str(), FALSE)) {
    Warn(L"Unable to Copy File!");
    return;
  }
  if (replacing) MarkOverwritten(number, destination);
  slot = documents_.Slot(number);
  if (copy || !slot || ::GetFileAttributesW(destination.c_str()) == INVALID_FILE_ATTRIBUTES) return;
  // A source that stays (read-only, or held by another program) is named: the user
  // has two copies now, and the document follows the new one.
  if (!::DeleteFileW(source.c_str())) Warn(win::Fill(L"Unable to delete \"%s\".", {source}));
  slot = documents_.Slot(number);
  if (!slot) return;
  slot->fileName = workspace::ShellPathName(destination);
  if (number == documents_.ActiveSlot) frame_.SetStatusText(3, slot->fileName);
}

void FileFunctions::MarkOverwritten(int sourceSlot, const std::wstring& destination) {
  for (int tab = 0; tab < documents_.TabCount(); ++tab) {
    int number = documents_.SlotOfTab(tab);
    workspace::DocumentSlot* other = documents_.SlotAsIs(number);  // only its name and a flag
    if (number == sourceSlot || !other || !other->hasFile || !win::EqualsNoCase(other->fileName, destination))
      continue;
    other->changedOnDisk = true;
    Warn(win::Fill(L"\"%s\" is open in another tab, which now differs from the file on disk.", {other->fileName}));
  }
}

void FileFunctions::Delete(int number) {
  workspace::DocumentSlot* slot = documents_.Slot(number);
  if (!slot || !slot->hasFile) return;
  std::wstring path = slot->fileName;
  win::MessageRequest ask{frame_.Window(),
                          win::Fill(L"Delete \"%s\"\nto the Recycle Bin and close the opened document?", {path})};
  ask.icon = win::Icon::Question;
  ask.buttons = win::Buttons::YesNo;
  if (frame_.Prompter().Message(ask) != win::Answer::Yes) return;
  if (!workspace::FileExists(path)) {
    Warn(L"File not found! Unable to delete file.");
    return;
  }
  bool stopped = recycle(frame_.Window(), path);
  // The document goes only with its file: a deletion the user stopped in the shell's
  // own question, or that failed, leaves it open with its edits.
  if (::GetFileAttributesW(path.c_str()) != INVALID_FILE_ATTRIBUTES) {
    if (!stopped) Warn(win::Fill(L"Unable to delete \"%s\".", {path}));
    return;
  }
  if (!documents_.Slot(number)) return;
  int index = documents_.TabIndexOfSlot(number);
  documents_.DestroySlot(number);
  documents_.SelectAfterClose(index);
}

void FileFunctions::Rename(int number) {
  workspace::DocumentSlot* slot = documents_.Slot(number);
  if (!slot) return;
  dialogs::RenameBoxDressing dressing;
  dressing.text = win::FileNamePart(slot->fileName);
  dialogs::TRenameBox box(dressing, [this](int topic) { frame_.ShowHelpTopic(topic); });
  if (box.ShowModal(frame_.Window()) != IDOK) return;
  slot = documents_.Slot(number);
  if (!slot) return;
  std::wstring name = RenamedName(box.text());
  if (name.empty()) {
    Warn(L"New Name must be at least 1 character long.");
    return;
  }
  // A name with a folder or a character the file system refuses would move the file or
  // name no file at all.
  if (!IsPlainFileName(name)) {
    Warn(L"Unable to Rename file.");
    return;
  }
  std::wstring path = win::FolderPart(slot->fileName) + name;
  if (slot->hasFile && !::MoveFileW(slot->fileName.c_str(), path.c_str())) {
    Warn(L"Unable to Rename file.");
    return;
  }
  documents_.SetTabCaption(number, name);
  documents_.UpdateTabImage(number);
  slot->fileName = path;
  if (number == documents_.ActiveSlot) frame_.SetStatusText(3, path);
}

void FileFunctions::OpenFolder(int number) {
  workspace::DocumentSlot* slot = documents_.Slot(number);
  if (!slot || !slot->hasFile || !shellOpen_) return;
  shellOpen_(win::FolderPart(slot->fileName), L"", SW_SHOWNORMAL);
}

void FileFunctions::ShowInAssociatedApplication(int number) {
  workspace::DocumentSlot* slot = documents_.Slot(number);
  if (!slot) return;
  if (slot->tempFile.empty()) {
    wchar_t current[MAX_PATH] = L"";
    ::GetCurrentDirectoryW(MAX_PATH, current);
    slot->tempFile = workspace::TempFileName(slot->fileName, current, [](const std::wstring& path) {
      return ::GetFileAttributesW(path.c_str()) != INVALID_FILE_ATTRIBUTES;
    });
  }
  try {
    workspace::SaveDocument(slot->editor, slot->tempFile, slot->format);
  } catch (const std::exception&) {
    Warn(L"Unable to create temporary file.\nFile may be in use by another program.");
    return;
  }
  if (shellOpen_) shellOpen_(slot->tempFile, win::FolderPart(slot->tempFile), SW_RESTORE);
}

void FileFunctions::Send(int number) {
  workspace::DocumentSlot* slot = documents_.Slot(number);
  if (!slot) return;
  if (sendMail(frame_.Window(), CrLfText(slot->editor.Text())) == 0) return;
  win::MessageRequest error{frame_.Window(), L"Mail Not Sent"};
  error.icon = win::Icon::Error;
  frame_.Prompter().Message(error);
}

bool RecycleFile(HWND owner, const std::wstring& path) {
  std::wstring from = path;
  from.push_back(L'\0');  // the list ends with an empty name
  SHFILEOPSTRUCTW operation{};
  operation.hwnd = owner;
  operation.wFunc = FO_DELETE;
  operation.pFrom = from.c_str();
  operation.fFlags = FOF_ALLOWUNDO;
  ::SHFileOperationW(&operation);
  return operation.fAnyOperationsAborted != FALSE;
}

}  // namespace filefunc
