// Format > Lower Case ... Number Lines: the selection rewritten as plain text.
#include <windows.h>
#include <commctrl.h>
#include <richedit.h>

#include <algorithm>

#include "textcmd/TextCommands_win.h"
#include "dialogs/RenameBox.h"
#include "textcmd/TextRules_win.h"
#include "textcmd/Transforms.h"
#include "win/Container.h"
#include "win/MessageLoop.h"
#include "win/Text.h"
#include "workspace/SlotRules.h"

namespace textcmd {
using namespace command;
using workspace::DocumentSlot;
using workspace::RichEditor;

namespace {

// Capitalize and Invert Case let the window run after this many characters: often
// enough to stay responsive, seldom enough to cost nothing.
constexpr size_t kPumpInterval = size_t{1} << 16;

class EditorLines : public textcmd::LineLayout {
 public:
  explicit EditorLines(const RichEditor& editor) : editor_(editor), length_(editor.TextLength()) {}
  long TextLength() const override { return length_; }
  long LineStartAt(long position) const override { return editor_.LineIndex(editor_.LineFromChar(position)); }
  long LineTextEndAt(long position) const override {
    long start = LineStartAt(position);
    return start + editor_.LineLength(start);
  }
  bool IsBreakAt(long position) const override { return editor_.TextRange(position, position + 1) == L"\r"; }

 private:
  const RichEditor& editor_;
  long length_;
};

// Keeps typing, pasting and the text commands away from a document while a command
// that lets the window run has its text in hand.
class EditHold {
 public:
  explicit EditHold(RichEditor editor) : editor_(editor), wasReadOnly_(editor.ReadOnly()) {
    editor_.SetReadOnly(true);
  }
  ~EditHold() { Release(); }
  void Release() {
    if (editor_ && ::IsWindow(editor_.hwnd())) editor_.SetReadOnly(wasReadOnly_);
    editor_ = RichEditor();
  }
  EditHold(const EditHold&) = delete;
  EditHold& operator=(const EditHold&) = delete;

 private:
  RichEditor editor_;
  bool wasReadOnly_;
};

CHARRANGE ClampedSelection(const RichEditor& editor) {
  CHARRANGE selection = editor.Selection();
  long length = editor.TextLength();
  selection.cpMin = std::clamp<long>(selection.cpMin, 0, length);
  selection.cpMax = std::clamp<long>(selection.cpMax, selection.cpMin, length);
  return selection;
}

long long ParseDigits(const std::wstring& text) {
  long long value = 0;
  for (wchar_t c : text) {
    if (c < L'0' || c > L'9') break;
    if (value < 100'000'000'000LL) value = value * 10 + (c - L'0');
  }
  return value;
}

struct RichFormats {
  CHARFORMAT2W character{};
  PARAFORMAT2 paragraph{};
};

// The formats a rich-text replacement takes on: those where the replaced text began.
RichFormats FormatsAt(RichEditor editor, long position) {
  RichFormats formats;
  CHARRANGE keep = editor.Selection();
  editor.SetSelection(position, position + 1);
  formats.character = editor.SelectionCharFormat();
  formats.paragraph = editor.ParagraphFormat();
  editor.SetSelection(keep.cpMin, keep.cpMax);
  return formats;
}

void ApplyToAll(RichEditor& editor, RichFormats formats) {
  editor.SetAllCharFormat(formats.character);
  editor.SetSelection(0, -1);
  editor.SetParagraphFormat(formats.paragraph);
}

}  // namespace

std::function<void(int)> TextCommands::HelpShower() {
  return [this](int topic) { frame_.ShowHelpTopic(topic); };
}

void TextCommands::ReplaceDocumentRange(int slotNumber, long start, long end, const std::wstring& text) {
  DocumentSlot* slot = documents_.Slot(slotNumber);
  if (!slot) return;
  RichEditor editor = slot->editor;
  long length = editor.TextLength();
  start = std::clamp<long>(start, 0, length);
  end = std::clamp<long>(end, start, length);
  auto inserted = static_cast<long>(textcmd::EditorLength(text));
  bool plain = editor.IsPlainText();
  bool whole = start == 0 && end == length;
  // A rich-text document keeps its formatting outside the range only when the change
  // is made in place.
  if ((!plain && !whole) || !textcmd::PreferFreshControl(end - start, inserted, length - (end - start) + inserted)) {
    editor.SetSelection(start, end);
    editor.ReplaceSelection(text, false);
    return;
  }
  std::wstring all = textcmd::ToCrLf(editor.TextRange(0, start));
  all += text;
  all += textcmd::ToCrLf(editor.TextRange(end, length));
  RichFormats formats;
  if (!plain) formats = FormatsAt(editor, start);
  RECT bounds;
  ::GetWindowRect(editor.hwnd(), &bounds);
  auto fill = [&](RichEditor& fresh) {
    // Sized first, the control lays the text out once while loading it; sized after,
    // it would lay it all out again (seconds for a few megabytes under Wine).
    ::SetWindowPos(fresh.hwnd(), nullptr, 0, 0, bounds.right - bounds.left, bounds.bottom - bounds.top,
                   SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
    fresh.StreamInText(all, documents_.WorkProgress(L"Changing %s: %s%%", win::FileNamePart(slot->fileName), fresh.hwnd()));
    if (!plain) ApplyToAll(fresh, formats);
  };
  documents_.ReplaceSlotEditor(slotNumber, fill);
  if (slotNumber == documents_.ActiveSlotNumber()) frame_.SetStatusText(3, slot->fileName);  // after any progress
  slot->editor.SetModified(true);
  slot->editor.SetSelection(start + inserted, start + inserted);
  if (slot->changeAttached) documents_.MemoChange(slotNumber);
}

void TextCommands::ReplaceSelectionText(const std::function<std::wstring(const std::wstring&)>& transform) {
  RichEditor& editor = documents_.ActiveEditor();
  if (editor.ReadOnly()) return;
  CHARRANGE selection = ClampedSelection(editor);
  if (selection.cpMin == selection.cpMax) return;
  std::wstring result = transform(textcmd::ToCrLf(editor.TextRange(selection.cpMin, selection.cpMax)));
  ReplaceDocumentRange(documents_.ActiveSlotNumber(), selection.cpMin, selection.cpMax, result);
}

void TextCommands::FormatMenuLowerCaseClick(const Sender&) {
  ReplaceSelectionText([](const std::wstring& text) { return textcmd::MapCase(text, textcmd::LowerCaseBuffer); });
}

void TextCommands::FormatMenuUpperCaseClick(const Sender&) {
  ReplaceSelectionText([](const std::wstring& text) { return textcmd::MapCase(text, textcmd::UpperCaseBuffer); });
}

void TextCommands::FormatMenuCapitalizeClick(const Sender&) { RunSlowCaseCommand(true); }
void TextCommands::FormatMenuInvertCaseClick(const Sender&) { RunSlowCaseCommand(false); }

void TextCommands::RunSlowCaseCommand(bool capitalize) {
  int slotNumber = documents_.ActiveSlotNumber();
  RichEditor editor = documents_.ActiveEditor();
  if (editor.ReadOnly()) return;
  CHARRANGE selection = ClampedSelection(editor);
  if (selection.cpMin == selection.cpMax) return;
  std::wstring read = editor.TextRange(selection.cpMin, selection.cpMax);
  {
    workspace::BusyScope busy(frame_);
    EditHold hold(editor);
    // The window runs meanwhile; after a second the status bar says how far it is.
    DWORD started = ::GetTickCount();
    size_t pumped = 0;
    size_t steps = std::max<size_t>(1, read.size() / kPumpInterval);
    const wchar_t* name = capitalize ? L"Capitalize" : L"Invert Case";
    auto pump = [&] {
      ++pumped;
      if (::GetTickCount() - started >= 1000)
        frame_.SetStatusText(3, win::Fill(L"%s: %s%%", {name, win::ToText(static_cast<int>(std::min<size_t>(pumped, steps) * 100 / steps))}));
      win::MessageLoop::PumpPending();
    };
    std::wstring text = textcmd::ToCrLf(read);
    std::wstring result = capitalize
                              ? textcmd::Capitalize(std::move(text), textcmd::LowerCaseBuffer, pump, kPumpInterval)
                              : textcmd::InvertCase(std::move(text), pump, kPumpInterval);
    hold.Release();
    // The document may have been closed meanwhile; the hold kept its text as read.
    DocumentSlot* slot = documents_.Slot(slotNumber);
    if (!slot || slot->editor.hwnd() != editor.hwnd()) return;
    if (slot->editor.TextRange(selection.cpMin, selection.cpMax) != read) return;
    ReplaceDocumentRange(slotNumber, selection.cpMin, selection.cpMax, result);
  }
  // The hold may have shown through in the read-only button or the tab's image.
  frame_.CommandStatesChanged();
  if (workspace::DocumentSlot* active = documents_.Slot(documents_.ActiveSlotNumber()))
    frame_.SetStatusText(3, active->fileName);
  documents_.UpdateTabImage(slotNumber);
}

void TextCommands::FormatMenuTrimClick(const Sender& sender) {
  textcmd::TrimKind kind = textcmd::TrimKind::Both;
  if (sender.command == FormatMenuTrimLeft || sender.command == MenuTrimLeft)
    kind = textcmd::TrimKind::Left;
  else if (sender.command == FormatMenuTrimRight || sender.command == MenuTrimRight)
    kind = textcmd::TrimKind::Right;
  ReplaceSelectionText([kind](const std::wstring& text) { return textcmd::TrimLines(text, kind); });
}

void TextCommands::FormatMenuSortClick(const Sender& sender) {
  if (sender.command == FormatMenuNumber)
    RunLineCommand(true);
  else if (sender.command == FormatMenuSort)
    RunLineCommand(false);
}

bool TextCommands::PromptForNumber(const std::wstring& caption, const std::wstring& label,
                                const std::wstring& explanation, const std::wstring& text, int helpTopic,
                                int fieldHelpTopic, long long& number) {
  dialogs::RenameBoxDressing dressing;
  dressing.caption = caption;
  dressing.label = label;
  dressing.explanation = explanation;
  dressing.text = text;
  dressing.digitsOnly = true;
  dressing.maxLength = 9;
  dressing.helpTopic = helpTopic;
  dressing.fieldHelpTopic = fieldHelpTopic;
  dialogs::TRenameBox box(dressing, HelpShower());
  if (box.ShowModal(frame_.Window()) != IDOK) return false;
  number = ParseDigits(box.text());
  return true;
}

void TextCommands::RunLineCommand(bool number) {
  if (documents_.ActiveEditor().ReadOnly()) return;
  long long first = 1;
  if (number && !PromptForNumber(L"Tarnwick - Starting Number", L"&Number:", L"Enter the number to start with.", L"1",
                                 172, 173, first))
    return;
  RichEditor& editor = documents_.ActiveEditor();
  CHARRANGE selection = editor.Selection();
  textcmd::LineSpan span = textcmd::WidenToLines(selection.cpMin, selection.cpMax, EditorLines(editor));
  std::vector<std::wstring> lines = textcmd::SplitLines(textcmd::ToCrLf(editor.TextRange(span.start, span.end)));
  if (number)
    textcmd::NumberLines(lines, first);
  else
    textcmd::SortLinesByKeys(lines, textcmd::AppendSortKey);
  std::wstring result = textcmd::JoinLines(lines);
  if (!span.keepFinalBreak) result = textcmd::WithoutFinalBreak(std::move(result));
  if (span.start == span.end && result.empty()) return;
  ReplaceDocumentRange(documents_.ActiveSlotNumber(), span.start, span.end, result);
}

}  // namespace textcmd
