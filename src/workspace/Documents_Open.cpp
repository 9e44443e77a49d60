// Opening documents: OpenDocument, the Open dialog and its folder history.
#include <algorithm>

#include "workspace/Documents_win.h"
#include "config/FileTypes.h"
#include "config/Keys.h"
#include "win/Text.h"
#include "workspace/DocumentFile_win.h"
#include "workspace/History.h"
#include "workspace/SlotRules.h"
#include "workspace/TextEncoding.h"

namespace workspace {
using namespace command;
namespace keys = config::keys;

namespace {
constexpr wchar_t kTooLarge[] =
    L"Warning: This file is greater than 20,971,520 bytes\nlong. It is recommended that you only view this\n"
    L"file and not edit or save it.";
}

namespace {
// Every load of a file is marked around the control's parsing (see `loading`).
template <class Load>
auto MarkLoading(const std::function<void(const std::wstring&, bool)>& loading, const std::wstring& name, bool rich,
                 Load&& load) {
  struct Mark {
    const std::function<void(const std::wstring&, bool)>& loading;
    ~Mark() {
      if (loading) loading(L"", false);
    }
  } mark{loading};
  if (loading) loading(name, rich);
  return load();
}
}  // namespace

void Documents::RecordHistory(const std::wstring& name) {
  if (inBatch_) {
    // Each write rewrites Tarnwick.ini: a batch records its names once, at its end.
    batchHistory_.push_back(name);
    return;
  }
  if (frame_.Profile().Read(keys::HideReOpen)) return;
  if (workspace::RecordFile(frame_.Profile(), name)) if (onHistoryChanged) onHistoryChanged();
}

std::wstring Documents::CanonicalName(const std::wstring& name) {
  if (!inBatch_ || name.empty() || name.find_first_of(L"*?") != std::wstring::npos) return ShellPathName(name);
  // Wine's long-name lookup walks every folder of a path; documents opened together
  // mostly share their folders, so a folder resolved once in the batch is reused and
  // only the file's own spelling is looked up.
  wchar_t full[MAX_PATH * 2];
  DWORD length = ::GetFullPathNameW(name.c_str(), MAX_PATH * 2, full, nullptr);
  if (!length || length >= MAX_PATH * 2) return ShellPathName(name);
  std::wstring fullName(full, length);
  std::wstring folder = win::FolderPart(fullName), file = win::FileNamePart(fullName);
  for (const auto& [given, onDisk] : batchFolders_) {
    if (given != folder) continue;
    WIN32_FIND_DATAW data;
    win::UniqueFind find(::FindFirstFileW((onDisk + file).c_str(), &data));
    if (find) return onDisk + data.cFileName;
    break;
  }
  std::wstring canonical = ShellPathName(fullName);
  std::wstring canonicalFolder = win::FolderPart(canonical);
  if (!folder.empty() && !canonicalFolder.empty() && batchFolders_.size() < 64 && FileExists(canonical))
    batchFolders_.emplace_back(folder, canonicalFolder);
  return canonical;
}

void Documents::OpenDocument(std::wstring name) {
  name.erase(std::remove(name.begin(), name.end(), L'"'), name.end());
  name = CanonicalName(name);
  if (refuseLoad && refuseLoad(name)) return;
  if (!ConfirmAnotherCopy(name) || !CheckOpenable(name)) return;
  RecordHistory(name);
  if (OpenInBackground(name)) return;
  int previous = ActiveSlot;
  std::optional<std::pair<int, bool>> taken = TakeSlot();
  if (!taken) {
    ReportLimitOnce();
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

int Documents::UntouchedTab() const {
  for (int tab = 0, count = TabCount(); tab < count; ++tab) {
    const DocumentSlot* slot = SlotAsIs(SlotOfTab(tab));
    if (slot && !slot->hasFile && !slot->editor.Modified()) return tab;
  }
  return -1;
}

std::optional<std::pair<int, bool>> Documents::TakeSlot() {
  if (int tab = UntouchedTab(); tab >= 0) {
    DocumentSlot* slot = SlotAsIs(SlotOfTab(tab));
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
  return MarkLoading(loading, name, IsRichTextFile(name), [&] { return LoadDocument(editor, name, progress); });
}

void Documents::OpenTogether(const std::vector<std::wstring>& names) {
  if (names.size() < 2) {
    for (const std::wstring& name : names) OpenDocument(name);
    return;
  }
  BeginBatch();
  try {
    for (const std::wstring& name : names) OpenDocument(name);
  } catch (...) {
    EndBatch(true);
    throw;
  }
  EndBatch(true);
}

bool Documents::OpenInBackground(const std::wstring& name) {
  // Making and filling the controls is most of what opening many documents costs, and
  // most of those tabs are never looked at in a session: a small document opened among
  // others has its file read now (later changes on disk do not reach it, as with any
  // open document) and its tab made; Realize does the rest.
  if (!inBatch_ || UntouchedTab() >= 0) return false;  // TakeSlot gives that tab a file as usual
  WIN32_FILE_ATTRIBUTE_DATA data{};
  if (!::GetFileAttributesExW(name.c_str(), GetFileExInfoStandard, &data)) return false;
  unsigned long long size = (static_cast<unsigned long long>(data.nFileSizeHigh) << 32) | data.nFileSizeLow;
  if (size > kBackgroundLoadLimit) return false;
  auto pending = std::make_unique<PendingLoad>();
  std::string bytes = ReadFileBytes(name);
  TextFormat format;
  pending->rich = IsRichText(bytes);
  if (pending->rich) {
    pending->rtf = std::move(bytes);
  } else {
    DecodedFile file = DecodeFile(bytes, SystemCodePage());
    // A log gets its time stamp as it opens, through the editor.
    if (IsLogText(std::wstring_view(file.text).substr(0, 5))) return false;
    format = FormatOf(file);
    pending->text = std::move(file.text);
  }
  pending->readOnly = (data.dwFileAttributes & FILE_ATTRIBUTE_READONLY) != 0;
  std::optional<int> free = FreeSlot();
  if (!free) {
    ReportLimitOnce();
    return true;
  }
  auto slot = std::make_unique<DocumentSlot>();
  slot->number = *free;
  slot->fileName = name;
  slot->hasFile = true;
  slot->format = format;
  int image = TabImages ? TabImageIndex(false, pending->readOnly) : -1;
  slot->pending = std::move(pending);
  AddWaitingSlot(std::move(slot), win::FileNamePart(name), image);
  // The last one of the batch is shown at its end (EndBatch).
  refreshPending_ = true;
  return true;
}

void Documents::Realize(int number) {
  DocumentSlot* slot = SlotAsIs(number);
  if (!slot || !slot->pending) return;
  std::unique_ptr<PendingLoad> pending = std::move(slot->pending);
  slot->changeAttached = false;
  MakeSlotWindows(*slot, !pending->rich);
  RichEditor& editor = slot->editor;
  if (slot->hasFile) {
    MarkLoading(loading, slot->fileName, pending->rich, [&] {
      if (pending->rich)
        FillEditorRtf(editor, pending->rtf);
      else
        FillEditor(editor, pending->text);
    });
  }
  editor.SetModified(false);
  editor.SetReadOnly(pending->readOnly);
  editor.SetSelection(0, 0);
  slot->changeAttached = true;
}

DocumentSlot* Documents::Slot(int number) {
  DocumentSlot* slot = SlotAsIs(number);
  if (slot && slot->pending) Realize(number);
  return slot;
}

bool Documents::IsReadOnly(const DocumentSlot& slot) const {
  return slot.pending ? slot.pending->readOnly : slot.editor.ReadOnly();
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
  if (IsLogText(editor.TextRange(0, 5))) {
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
    OpenTogether(request.fileNames);
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
