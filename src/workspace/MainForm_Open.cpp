// Opening documents: OpenDocument, the Open dialog and its folder history.
#include <algorithm>

#include "app/MainForm.h"
#include "config/FileTypes.h"
#include "config/Keys.h"
#include "win/Text.h"
#include "workspace/DocumentFile_win.h"
#include "workspace/History.h"

namespace app {
namespace keys = config::keys;
using workspace::RichEditor;

namespace {
constexpr wchar_t kTooLarge[] =
    L"Warning: This file is greater than 20,971,520 bytes\nlong. It is recommended that you only view this\n"
    L"file and not edit or save it.";
}

void TMainForm::RecordHistory(const std::wstring& name) {
  if (profile().Read(keys::HideReOpen)) return;
  if (workspace::RecordFile(profile(), name)) OnHistoryChanged();
}

void TMainForm::OpenDocument(std::wstring name) {
  name.erase(std::remove(name.begin(), name.end(), L'"'), name.end());
  name = workspace::ShellPathName(name);

  if (int tab = FindOpenTab(name); tab >= 0) {
    int alreadyOpen = profile().Read(keys::AlreadyOpen);
    if (alreadyOpen == 0) {
      win::MessageRequest ask{hwnd(), win::Fill(L"%s is already open.\n\nOpen another copy from disk?", {name})};
      ask.icon = win::Icon::Question;
      ask.buttons = win::Buttons::YesNo;
      if (prompter().Message(ask) != win::Answer::Yes) return;
    } else if (alreadyOpen == 1) {
      ActivateTab(tab);
      return;
    }
  }

  if (!workspace::FileExists(name) && !workspace::FolderExists(name)) {
    prompter().Message({hwnd(), win::Fill(L"The file \"%s\" does not exist.", {name})});
    return;
  }
  if (workspace::FolderExists(name)) {
    prompter().Message({hwnd(), L"Access Denied.\n\nUnable to open a Folder."});
    return;
  }
  if (!workspace::CanOpenForReading(name)) {
    prompter().Message(
        {hwnd(), win::Fill(L"Unable to open \"%s\".\nThe file may be in use by another program.", {name})});
    return;
  }
  RecordHistory(name);
  int previous = ActiveSlot;

  bool reused = false;
  for (int tab = 0, count = TabCount(); tab < count; ++tab) {
    workspace::DocumentSlot* slot = Slot(SlotOfTab(tab));
    if (!slot || slot->hasFile || slot->editor.Modified()) continue;
    TabCtrl_SetCurSel(pageControl_, tab);
    ActiveSlot = slot->number;
    ShowActivePage();
    if (static_cast<size_t>(ActiveSlot) < tempFiles_.size() && !tempFiles_[static_cast<size_t>(ActiveSlot)].empty()) {
      ::DeleteFileW(tempFiles_[static_cast<size_t>(ActiveSlot)].c_str());
      tempFiles_[static_cast<size_t>(ActiveSlot)].clear();
    }
    reused = true;
    break;
  }
  if (!reused && !NewDocument(0, L"")) {
    if (!LimitReported) ReportLimit();
    LimitReported = true;
    return;
  }

  workspace::DocumentSlot& slot = Active();
  slot.changeAttached = false;
  bool rich = workspace::IsRichTextFile(name);
  if (rich) slot.background = ColorOf(profile().Read(keys::RTFBGColor));
  // The file goes into a control that never held text: the format can only be switched
  // while the control is empty, and loading into an empty control is the fast path. A
  // slot made just now has one; a reused tab gets a fresh one (it may have an undo
  // history).
  auto load = [&](RichEditor& editor) {
    editor.SetPlainText(!rich);
    if (rich) {
      editor.SetBackground(slot.background);
      workspace::FontSpec font = editor.DefaultFont();
      font.color = RGB(0, 0, 0);
      editor.SetDefaultFont(font);
      editor.SetWordWrap(true);
    }
    slot.format = workspace::LoadDocument(editor, name, LoadProgress(win::FileNamePart(name), editor.hwnd()));
  };
  // A reused tab keeps its old control; a slot made for this file goes again.
  auto undo = [&] {
    slot.changeAttached = true;
    if (reused) return;
    int index = TabIndexOfSlot(slot.number);
    DestroySlot(slot.number);
    SelectAfterClose(index);
  };
  try {
    if (reused) ReplaceActiveEditor(load);
    else load(slot.editor);
  } catch (const workspace::LoadCancelled&) {
    // The user stopped it: nothing to report, and the document shown before comes back.
    undo();
    if (int tab = TabIndexOfSlot(previous); tab >= 0) ActivateTab(tab);
    return;
  } catch (...) {
    undo();
    throw;
  }
  slot.changeAttached = true;
  slot.editor.SetModified(false);
  slot.editor.SetReadOnly(false);
  slot.hasFile = true;
  slot.fileName = name;
  SetTabCaption(slot.number, win::FileNamePart(name));
  slot.editor.SetSelection(0, 0);

  RichEditor& editor = slot.editor;
  if (editor.TextRange(0, 4) == L".LOG" &&
      (editor.TextLength() == 4 || editor.TextRange(4, 5) == L"\r")) {
    long end = editor.TextLength();
    editor.SetSelection(end, end);
    editor.ReplaceSelection(L"\r\n", true);
    end = editor.TextLength();
    editor.SetSelection(end, end);
    EditInsertTimeAndDateClick(Sender{EditInsertTimeAndDate});
    end = editor.TextLength();
    editor.SetSelection(end, end);
    editor.ReplaceSelection(L"\r\n", true);
  }

  PageControlChange();
  if (TabImages) UpdateTabImage();
  if (workspace::HasReadOnlyAttribute(name)) DocumentMenuReadOnlyClick(Sender{DocumentMenuReadOnly});
  if (editor.TextLength() > workspace::kEditorMaxLength) prompter().Message({hwnd(), kTooLarge});
}

void TMainForm::LoadFileTypes() {
  config::EnsureDefaultFileTypes(profile());
  std::vector<config::FileType> types = config::ReadFileTypes(profile(), 80);
  openFilter_ = config::BuildFilter(types);
  saveFilter_ = openFilter_;
  openInitialDir_ = profile().Read(keys::DefaultOpenDir);
  saveInitialDir_ = profile().Read(keys::DefaultSaveDir);
}

void TMainForm::FileMenuOpenClick(const Sender&) {
  win::FileRequest request;
  request.owner = hwnd();
  request.filter = openFilter_;
  request.filterIndex = openFilterIndex_;
  request.initialDir = openInitialDir_;
  request.defaultExt = L"TXT";
  request.multiSelect = true;
  request.mustExist = true;
  if (prompter().OpenFile(request)) {
    openFilterIndex_ = request.filterIndex;
    HCURSOR previous = ::SetCursor(::LoadCursorW(nullptr, IDC_WAIT));
    LimitReported = false;
    for (const std::wstring& file : request.fileNames) {
      OpenDocument(file);
      ::UpdateWindow(hwnd());
    }
    ::SetCursor(previous);
    if (!request.fileNames.empty() && profile().Read(keys::ToolBarMenus))
      workspace::RecordFolder(profile(), win::FolderPart(request.fileNames.front()), request.filterIndex);
  }
  FocusActiveEditor();
}

void TMainForm::FolderHistoryClick(const Sender& sender) {
  int item = static_cast<int>(sender.command) - NewMenuFirstItem;
  if (item == 0) {
    profile().EraseSection(keys::kDirHistory);
    return;
  }
  std::vector<workspace::FolderEntry> folders = workspace::ReadFolderHistory(profile());
  int index = item - 2;
  if (index < 0 || index >= static_cast<int>(folders.size()) || folders[static_cast<size_t>(index)].folder.empty())
    return;
  std::wstring remembered = openInitialDir_;
  openInitialDir_ = folders[static_cast<size_t>(index)].folder;
  openFilterIndex_ = folders[static_cast<size_t>(index)].filterIndex;
  FileMenuOpenClick(Sender{FileMenuOpen});
  openInitialDir_ = remembered;
}

}  // namespace app
