// Opening documents: OpenDocument, the Open dialog and its folder history.
#include <algorithm>

#include "workspace/Documents_win.h"
#include "config/FileTypes.h"
#include "config/Keys.h"
#include "win/Text.h"
#include "workspace/DocumentFile_win.h"
#include "workspace/History.h"

namespace workspace {
using namespace command;
namespace keys = config::keys;

namespace {
constexpr wchar_t kTooLarge[] =
    L"Warning: This file is greater than 20,971,520 bytes\nlong. It is recommended that you only view this\n"
    L"file and not edit or save it.";
}

void Documents::RecordHistory(const std::wstring& name) {
  if (frame_.Profile().Read(keys::HideReOpen)) return;
  if (workspace::RecordFile(frame_.Profile(), name)) if (onHistoryChanged) onHistoryChanged();
}

void Documents::OpenDocument(std::wstring name) {
  name.erase(std::remove(name.begin(), name.end(), L'"'), name.end());
  name = ShellPathName(name);
  if (refuseLoad && refuseLoad(name)) return;
  if (!ConfirmAnotherCopy(name) || !CheckOpenable(name)) return;
  RecordHistory(name);
  int previous = ActiveSlot;
  std::optional<std::pair<int, bool>> taken = TakeSlot();
  if (!taken) {
    if (!LimitReported) ReportLimit();
    LimitReported = true;
    return;
  }
  if (!LoadIntoSlot(taken->first, taken->second, name, previous)) return;
  AfterOpen(taken->first, name);
}

// A file already open in a tab: by AlreadyOpen, ask whether to open another copy, go
// to its tab, or just open it again. False when it is not to be opened.
bool Documents::ConfirmAnotherCopy(const std::wstring& name) {
  int tab = FindOpenTab(name);
  if (tab < 0) return true;
  int alreadyOpen = frame_.Profile().Read(keys::AlreadyOpen);
  if (alreadyOpen == 0) {
    win::MessageRequest ask{frame_.Window(), win::Fill(L"%s is already open.\n\nOpen another copy from disk?", {name})};
    ask.icon = win::Icon::Question;
    ask.buttons = win::Buttons::YesNo;
    return frame_.Prompter().Message(ask) == win::Answer::Yes;
  }
  if (alreadyOpen == 1) {
    ActivateTab(tab);
    return false;
  }
  return true;
}

bool Documents::CheckOpenable(const std::wstring& name) {
  bool folder = FolderExists(name);
  if (!FileExists(name) && !folder) {
    frame_.Prompter().Message({frame_.Window(), win::Fill(L"The file \"%s\" does not exist.", {name})});
    return false;
  }
  if (folder) {
    frame_.Prompter().Message({frame_.Window(), L"Access Denied.\n\nUnable to open a Folder."});
    return false;
  }
  if (!CanOpenForReading(name)) {
    frame_.Prompter().Message(
        {frame_.Window(), win::Fill(L"Unable to open \"%s\".\nThe file may be in use by another program.", {name})});
    return false;
  }
  return true;
}

std::optional<std::pair<int, bool>> Documents::TakeSlot() {
  for (int tab = 0, count = TabCount(); tab < count; ++tab) {
    DocumentSlot* slot = Slot(SlotOfTab(tab));
    if (!slot || slot->hasFile || slot->editor.Modified()) continue;
    TabCtrl_SetCurSel(pageControl_, tab);
    ActiveSlot = slot->number;
    ShowActivePage();
    if (!slot->tempFile.empty()) {
      ::DeleteFileW(slot->tempFile.c_str());
      slot->tempFile.clear();
    }
    return std::make_pair(slot->number, true);
  }
  if (!NewDocument(0, L"")) return std::nullopt;
  return std::make_pair(ActiveSlot, false);
}

// False when the load was stopped or failed: a slot made for it is gone again.
bool Documents::LoadIntoSlot(int number, bool reused, const std::wstring& name, int previousSlot) {
  DocumentSlot& slot = *Slot(number);
  slot.changeAttached = false;
  bool rich = IsRichTextFile(name);
  if (rich) slot.background = ColorOf(frame_.Profile().Read(keys::RTFBGColor));
  // The file goes into a control that never held text: the format can only be switched
  // while the control is empty, and loading into an empty control is the fast path. A
  // slot made just now has one; a reused tab gets a fresh one (it may have an undo
  // history).
  auto load = [&](RichEditor& editor) {
    editor.SetPlainText(!rich);
    if (rich) {
      editor.SetBackground(slot.background);
      FontSpec font = editor.DefaultFont();
      font.color = RGB(0, 0, 0);
      editor.SetDefaultFont(font);
      editor.SetWordWrap(true);
    }
    slot.format = LoadMarked(editor, name, LoadProgress(win::FileNamePart(name), editor.hwnd()));
  };
  // A reused tab keeps its old control; a slot made for this file goes again.
  auto undo = [&] {
    slot.changeAttached = true;
    if (reused) return;
    int index = TabIndexOfSlot(number);
    DestroySlot(number);
    SelectAfterClose(index);
  };
  try {
    if (reused)
      ReplaceSlotEditor(number, load);
    else
      load(slot.editor);
  } catch (const LoadCancelled&) {
    // The user stopped it: nothing to report, and the document shown before comes back.
    undo();
    if (int tab = TabIndexOfSlot(previousSlot); tab >= 0) ActivateTab(tab);
    return false;
  } catch (...) {
    undo();
    throw;
  }
  slot.changeAttached = true;
  return true;
}

TextFormat Documents::LoadMarked(RichEditor& editor, const std::wstring& name, const StreamProgress& progress) {
  struct Mark {
    const std::function<void(const std::wstring&, bool)>& loading;
    ~Mark() {
      if (loading) loading(L"", false);
    }
  } mark{loading};
  if (loading) loading(name, IsRichTextFile(name));
  return LoadDocument(editor, name, progress);
}

void Documents::AfterOpen(int number, const std::wstring& name) {
  DocumentSlot& slot = *Slot(number);
  RichEditor& editor = slot.editor;
  editor.SetModified(false);
  editor.SetReadOnly(false);
  slot.hasFile = true;
  slot.fileName = name;
  SetTabCaption(number, win::FileNamePart(name));
  editor.SetSelection(0, 0);
  // A file starting with ".LOG" gets the time and date on a line of its own at the end.
  if (editor.TextRange(0, 4) == L".LOG" && (editor.TextLength() == 4 || editor.TextRange(4, 5) == L"\r")) {
    long end = editor.TextLength();
    editor.SetSelection(end, end);
    editor.ReplaceSelection(L"\r\n", true);
    end = editor.TextLength();
    editor.SetSelection(end, end);
    frame_.Run(EditInsertTimeAndDate);
    end = editor.TextLength();
    editor.SetSelection(end, end);
    editor.ReplaceSelection(L"\r\n", true);
  }
  PageControlChange();
  if (TabImages) UpdateTabImage(number);
  if (HasReadOnlyAttribute(name)) DocumentMenuReadOnlyClick(Sender{DocumentMenuReadOnly});
  if (editor.TextLength() > kEditorMaxLength) frame_.Prompter().Message({frame_.Window(), kTooLarge});
}

void Documents::LoadFileTypes() {
  config::EnsureDefaultFileTypes(frame_.Profile());
  std::vector<config::FileType> types = config::ReadFileTypes(frame_.Profile(), 80);
  openFilter_ = config::BuildFilter(types);
  saveFilter_ = openFilter_;
  openInitialDir_ = frame_.Profile().Read(keys::DefaultOpenDir);
  saveInitialDir_ = frame_.Profile().Read(keys::DefaultSaveDir);
}

void Documents::FileMenuOpenClick(const Sender&) {
  win::FileRequest request;
  request.owner = frame_.Window();
  request.filter = openFilter_;
  request.filterIndex = openFilterIndex_;
  request.initialDir = openInitialDir_;
  request.defaultExt = L"TXT";
  request.multiSelect = true;
  request.mustExist = true;
  if (frame_.Prompter().OpenFile(request)) {
    openFilterIndex_ = request.filterIndex;
    HCURSOR previous = ::SetCursor(::LoadCursorW(nullptr, IDC_WAIT));
    LimitReported = false;
    for (const std::wstring& file : request.fileNames) {
      OpenDocument(file);
      ::UpdateWindow(frame_.Window());
    }
    ::SetCursor(previous);
    if (!request.fileNames.empty() && frame_.Profile().Read(keys::ToolBarMenus))
      workspace::RecordFolder(frame_.Profile(), win::FolderPart(request.fileNames.front()), request.filterIndex);
  }
  FocusActiveEditor();
}

void Documents::FolderHistoryClick(const Sender& sender) {
  int item = static_cast<int>(sender.command) - NewMenuFirstItem;
  if (item == 0) {
    frame_.Profile().EraseSection(keys::kDirHistory);
    return;
  }
  std::vector<workspace::FolderEntry> folders = workspace::ReadFolderHistory(frame_.Profile());
  int index = item - 2;
  if (index < 0 || index >= static_cast<int>(folders.size()) || folders[static_cast<size_t>(index)].folder.empty())
    return;
  std::wstring remembered = openInitialDir_;
  openInitialDir_ = folders[static_cast<size_t>(index)].folder;
  openFilterIndex_ = folders[static_cast<size_t>(index)].filterIndex;
  FileMenuOpenClick(Sender{FileMenuOpen});
  openInitialDir_ = remembered;
}

}  // namespace workspace
