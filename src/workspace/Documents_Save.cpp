// Save, Save As and Save All.
#include <algorithm>

#include "workspace/Documents_win.h"
#include "config/FileTypes.h"
#include "config/Keys.h"
#include "win/Text.h"
#include "win/Window.h"
#include "workspace/DocumentFile_win.h"

namespace workspace {
using namespace command;
namespace keys = config::keys;

namespace {

// Runs a write and shows its error the way the program shows every error; false when
// it failed.
template <typename Write>
bool Reported(Write write) {
  try {
    write();
    return true;
  } catch (const std::exception& error) {
    win::ReportException(error);
    return false;
  }
}

}  // namespace

bool Documents::WriteDocument(int number, const std::wstring& path, workspace::TextFormat format) {
  workspace::DocumentSlot* slot = Slot(number);
  if (!slot) return false;
  bool lossy = false;
  std::wstring name = win::FileNamePart(path);
  std::string bytes =
      DocumentBytes(slot->editor, format, &lossy, Progress(L"Saving %s: %s%%", name, slot->editor.hwnd(), false));
  if (lossy) {
    // Saving in the code page would turn these characters into "?": the user decides.
    win::MessageRequest ask{frame_.Window(), win::Fill(L"%s contains characters that cannot be saved in the %s encoding. "
                                              L"Save it as UTF-8 instead?",
                                              {win::FileNamePart(path), workspace::SystemCodePageName()})};
    ask.icon = win::Icon::Question;
    ask.buttons = win::Buttons::YesNoCancel;
    win::Answer answer = frame_.Prompter().Message(ask);
    if (answer == win::Answer::Cancel) return false;
    slot = Slot(number);  // the question ran a message loop
    if (!slot) return false;
    if (answer == win::Answer::Yes) {
      format.encoding = workspace::TextEncoding::Utf8;
      bytes = DocumentBytes(slot->editor, format, nullptr, Progress(L"Saving %s: %s%%", name, slot->editor.hwnd(), false));
    }
  }
  if (!Reported([&] { workspace::WriteFileSafely(path, bytes); })) return false;
  format.mixedEndings = false;
  slot->format = format;
  if (number == ActiveSlot) {
    ShowTextFormat();
    frame_.SetStatusText(3, slot->fileName);  // in place of a progress shown meanwhile
  }
  return true;
}

bool Documents::SaveDocument(int number) {
  workspace::DocumentSlot* slot = Slot(number);
  if (!slot) return false;
  if (!slot->hasFile) return SaveDocumentAs(number);
  if (!slot->editor.Modified()) return true;
  if (slot->changedOnDisk) {
    // Another tab's copy or move replaced the file: saving would overwrite that copy.
    win::MessageRequest ask{frame_.Window(),
                            win::Fill(L"\"%s\" was replaced on disk after it was opened here. Save over it?",
                                      {slot->fileName})};
    ask.icon = win::Icon::Question;
    ask.buttons = win::Buttons::YesNo;
    if (frame_.Prompter().Message(ask) != win::Answer::Yes) return false;
    slot = Slot(number);  // the question ran a message loop
    if (!slot) return false;
  }
  if (!WriteDocument(number, slot->fileName, slot->format)) return false;
  slot->changedOnDisk = false;
  slot->editor.SetModified(false);
  if (onSettled) onSettled(number);
  frame_.CommandStatesChanged();
  UpdateTabImage(number);
  return true;
}

bool Documents::SaveDocumentAs(int number, bool chooseFilter) {
  workspace::DocumentSlot* slot = Slot(number);
  if (!slot) return false;
  win::FileRequest request;
  request.owner = frame_.Window();
  request.title = L"Save As";
  request.filter = saveFilter_;
  request.initialDir = saveInitialDir_;
  request.fileName = win::FileNamePart(slot->fileName);
  std::wstring extension = win::ExtensionPart(slot->fileName);
  request.defaultExt = extension.empty() ? std::wstring() : extension.substr(1);
  request.overwritePrompt = true;

  std::wstring lower = extension;
  for (wchar_t& c : lower) c = static_cast<wchar_t>(towlower(c));
  std::vector<config::FileType> types = config::ReadFileTypes(frame_.Profile(), 80);
  int index = config::FilterIndexForExtension(types, lower);
  if (chooseFilter && index > 0) saveFilterIndex_ = index;
  request.filterIndex = saveFilterIndex_;
  bool plain = slot->editor.IsPlainText();
  // The lists follow the order of the encodings and line endings.
  static_assert(static_cast<int>(workspace::TextEncoding::Utf16Be) == 4 &&
                static_cast<int>(workspace::LineEnding::Cr) == 2);
  if (plain) {
    request.choices = {
        {L"&Encoding:", {L"ANSI", L"UTF-8", L"UTF-8 with BOM", L"UTF-16 LE", L"UTF-16 BE"},
         static_cast<int>(slot->format.encoding)},
        {L"&Line breaks:", {L"CR LF (Windows)", L"LF (Unix)", L"CR (old Macintosh)"},
         static_cast<int>(slot->format.ending)},
    };
  }

  if (!frame_.Prompter().SaveFile(request)) return false;
  // The dialog ran a message loop: look the slot up again rather than trust the pointer.
  slot = Slot(number);
  if (!slot) return false;
  workspace::TextFormat format = slot->format;
  if (plain && request.choices.size() == 2) {
    format.encoding = static_cast<workspace::TextEncoding>(std::clamp(request.choices[0].selected, 0, 4));
    format.ending = static_cast<workspace::LineEnding>(std::clamp(request.choices[1].selected, 0, 2));
  }
  saveFilterIndex_ = request.filterIndex;
  const std::wstring& path = request.fileName;
  if (!WriteDocument(number, path, format)) return false;
  slot = Slot(number);  // so did a question about lost characters
  slot->editor.SetModified(false);
  if (onSettled) onSettled(number);
  // Kept as the file system spells it, like every opened name, so that one exact
  // comparison finds the document whichever way the name was typed.
  slot->fileName = workspace::ShellPathName(path);
  slot->changedOnDisk = false;
  DeleteTempFile(number);
  SetTabCaption(number, win::FileNamePart(slot->fileName));
  slot->hasFile = true;
  UpdateTabImage(number);
  if (number == ActiveSlot) frame_.SetStatusText(3, slot->fileName);
  frame_.CommandStatesChanged();
  return true;
}

void Documents::FileMenuSaveClick(const Sender&) { SaveDocument(ActiveSlot); }

void Documents::FileMenuSaveAsClick(const Sender&) { SaveDocumentAs(ActiveSlot); }

void Documents::FileMenuSaveAllClick(const Sender&) {
  int count = TabCount();
  int start = TabCtrl_GetCurSel(pageControl_);
  if (count == 0 || start < 0) return;
  for (int step = 0; step < count; ++step) {
    int tab = (start + step) % count;
    int number = SlotOfTab(tab);
    workspace::DocumentSlot* slot = SlotAsIs(number);  // a waiting document is unmodified
    if (!slot || !slot->editor.Modified()) continue;
    if (slot->hasFile) {
      if (!WriteDocument(number, slot->fileName, slot->format)) return;
      slot = Slot(number);
      slot->editor.SetModified(false);
      if (onSettled) onSettled(number);
    } else {
      ActivateTab(tab);  // the user sees which document Save As is asking about
      if (!SaveDocumentAs(number, false)) return;
    }
    UpdateTabImage(number);
  }
  frame_.CommandStatesChanged();
}

}  // namespace workspace
