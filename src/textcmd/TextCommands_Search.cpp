// Find, Find Next, Replace and Go to Line.
#include <windows.h>
#include <richedit.h>

#include <algorithm>
#include <utility>

#include "textcmd/TextCommands_win.h"
#include "dialogs/ReplaceForm.h"
#include "dialogs/SearchForm.h"
#include "textcmd/TextRules_win.h"
#include "textcmd/TextSearch.h"
#include "win/PaintSuspender.h"

namespace textcmd {
using namespace command;
using workspace::DocumentSlot;
using workspace::RichEditor;

namespace {

// The selection moves without the selection-change refresh; the search runs it once
// when it is done.
void SelectQuietly(RichEditor editor, long start, long end) {
  DWORD mask = editor.EventMask();
  editor.SetEventMask(mask & ~static_cast<DWORD>(ENM_SELCHANGE));
  editor.SetSelection(start, end);
  editor.ScrollCaret();
  editor.SetEventMask(mask);
}

long FindInEditor(const RichEditor& editor, long from, const std::wstring& pattern, textcmd::SearchOptions options) {
  long length = editor.TextLength();
  if (from > length) return -1;
  // One character before the start, for the whole-word rule.
  long base = from > 0 ? from - 1 : 0;
  std::wstring text = editor.TextRange(base, length);
  size_t at = textcmd::FindMatch(text, static_cast<size_t>(from - base), pattern, options, textcmd::EditorTextRules());
  return at == textcmd::kNoMatch ? -1 : base + static_cast<long>(at);
}

long SearchStart(const RichEditor& editor) {
  CHARRANGE selection = editor.Selection();
  return selection.cpMin + (selection.cpMax != selection.cpMin ? 1 : 0);
}

size_t CommonPrefix(const std::wstring& a, const std::wstring& b) {
  auto mismatch = std::mismatch(a.begin(), a.begin() + static_cast<std::ptrdiff_t>(std::min(a.size(), b.size())),
                                b.begin());
  return static_cast<size_t>(mismatch.first - a.begin());
}

size_t CommonSuffix(const std::wstring& a, const std::wstring& b, size_t prefix) {
  size_t limit = std::min(a.size(), b.size()) - prefix;
  size_t n = 0;
  while (n < limit && a[a.size() - 1 - n] == b[b.size() - 1 - n]) ++n;
  return n;
}

}  // namespace

HWND TextCommands::ReplaceDialog() const {
  return replaceForm_ ? replaceForm_->hwnd() : nullptr;
}

void TextCommands::Close() {
  replaceForm_.reset();
}

void TextCommands::SearchMenuFindClick(const Sender&) {
    dialogs::TSearchForm form(lastSearch_, HelpShower());
  if (form.ShowModal(frame_.Window()) == IDOK) {
    const dialogs::SearchRequest& request = form.request();
    lastSearch_ = request.text;
    matchCase_ = request.matchCase;
    wholeWord_ = request.wholeWord;
    allDocuments_ = request.allDocuments;
    SearchRoutine(false);
  }
  documents_.MemoSelectionChange();
}

void TextCommands::SearchMenuFindNextClick(const Sender& sender) {
  if (lastSearch_.empty()) {
    SearchMenuFindClick(sender);
    return;
  }
  SearchRoutine(false);
  documents_.MemoSelectionChange();
}

bool TextCommands::SearchRoutine(bool fromReplace) {
    textcmd::SearchOptions options{matchCase_, wholeWord_};
  auto length = static_cast<long>(lastSearch_.size());
  int startTab = documents_.TabIndexOfSlot(documents_.ActiveSlotNumber());
  bool firstPass = true;
  bool found = false;
  for (;;) {
    RichEditor& editor = documents_.ActiveEditor();
    long at = FindInEditor(editor, SearchStart(editor), lastSearch_, options);
    if (at >= 0) {
      SelectQuietly(editor, at, at + length);
      found = true;
    }
    int tab = documents_.TabIndexOfSlot(documents_.ActiveSlotNumber());
    if (found || !allDocuments_ || (tab == startTab && !firstPass)) break;
    documents_.ActivateTab((tab + 1) % documents_.TabCount());
    SelectQuietly(documents_.ActiveEditor(), 0, 0);
    firstPass = false;
  }
  if (!found) ShowSearchEnd(fromReplace);
  return found;
}

void TextCommands::ShowSearchEnd(bool fromReplace) {
    win::MessageRequest request;
  request.owner = fromReplace && replaceForm_ ? replaceForm_->hwnd() : frame_.Window();
  request.text = std::wstring(L"End of document") + (allDocuments_ ? L"s reached." : L" reached.");
  request.icon = win::Icon::Information;
  frame_.Prompter().Message(request);
}

void TextCommands::SearchMenuReplaceClick(const Sender&) {
    if (!replaceForm_) {
    dialogs::ReplaceActions actions;
    actions.findNext = [this] { ReplaceFormFindNext(); };
    actions.replace = [this] { ReplaceFormReplace(); };
    actions.replaceAll = [this] { ReplaceFormReplaceAll(); };
    actions.showHelp = HelpShower();
    replaceForm_ = std::make_unique<dialogs::TReplaceForm>(std::move(actions));
  }
  replaceForm_->Present(frame_.Window());
}

void TextCommands::StoreReplaceFormSearch() {
    dialogs::SearchRequest request = replaceForm_->request();
  lastSearch_ = request.text;
  matchCase_ = request.matchCase;
  wholeWord_ = request.wholeWord;
  allDocuments_ = request.allDocuments;
}

bool TextCommands::ReplaceFormRefuses() {
  dialogs::TReplaceForm& form = *replaceForm_;
  win::MessageRequest warning;
  warning.owner = form.hwnd();
  if (textcmd::SameSearchAndReplacement(form.request().text, form.replacement(), form.request().matchCase,
                                        textcmd::LowerCaseBuffer)) {
    warning.text = L"The \"Search\" and \"Replace\" are the same.\n\nEither use different strings or check the Case "
                   L"Sensitive checkbox.";
  } else if (documents_.ActiveEditor().ReadOnly()) {
    warning.text = L"The current Document is Read Only.\nFunction Aborted.";
  } else {
    return false;
  }
  frame_.Prompter().Message(warning);
  return true;
}

void TextCommands::ReplaceFormFindNext() {
  StoreReplaceFormSearch();
  SearchRoutine(true);
  documents_.MemoSelectionChange();
}

void TextCommands::ReplaceFormReplace() {
  if (ReplaceFormRefuses()) return;
  dialogs::TReplaceForm& form = *replaceForm_;
  dialogs::SearchRequest request = form.request();
  RichEditor& editor = documents_.ActiveEditor();
  if (textcmd::SelectionIsMatch(editor.SelectedText(), request.text, request.matchCase, textcmd::LowerCaseBuffer))
    editor.ReplaceSelection(form.replacement(), false);
  ReplaceFormFindNext();
}

void TextCommands::ReplaceFormReplaceAll() {
  if (ReplaceFormRefuses()) return;
  StoreReplaceFormSearch();
  if (allDocuments_)
    ReplaceAllDocuments();
  else
    ReplaceAllInDocument(documents_.ActiveSlotNumber(), SearchStart(documents_.ActiveEditor()), false);
  ShowSearchEnd(true);
  documents_.MemoSelectionChange();
}

std::pair<size_t, size_t> TextCommands::ReplaceAllInDocument(int slotNumber, long from, bool again) {
    DocumentSlot* slot = documents_.Slot(slotNumber);
  if (!slot) return {0, 0};
  textcmd::SearchOptions options{matchCase_, wholeWord_};
  textcmd::TextRules rules = textcmd::EditorTextRules();
  std::wstring replacement = replaceForm_->replacement();
  const std::wstring& pattern = lastSearch_;
  std::wstring original = slot->editor.Text();
  textcmd::ReplaceAllResult first =
      textcmd::ReplaceAll(original, static_cast<size_t>(std::max(from, 0L)), pattern, replacement, options, rules);
  textcmd::ReplaceAllResult second;
  // Coming back to the document, the search reads it again from the start, but not
  // what this Replace All wrote: otherwise a replacement holding the search text
  // would be found again and again.
  if (again) second = textcmd::ReplaceAll(first.text, 0, pattern, replacement, options, rules, first.inserted);
  if (first.matches.empty() && second.matches.empty()) return {0, 0};
  const std::wstring& result = second.matches.empty() ? first.text : second.text;
  auto caret = static_cast<long>(second.matches.empty() ? first.caret : second.caret);

  if (slot->editor.IsPlainText()) {
    size_t prefix = CommonPrefix(original, result);
    size_t suffix = CommonSuffix(original, result, prefix);
    ReplaceDocumentRange(slotNumber, static_cast<long>(prefix), static_cast<long>(original.size() - suffix),
                         textcmd::ToCrLf(std::wstring_view(result).substr(prefix, result.size() - suffix - prefix)));
  } else {
    // Rich text keeps the formatting between the matches: one match at a time, from
    // the last, so that the positions found stay true.
    RichEditor editor = slot->editor;
    win::PaintSuspender suspend(editor.hwnd());
    DWORD mask = editor.EventMask();
    editor.SetEventMask(mask & ~static_cast<DWORD>(ENM_SELCHANGE | ENM_CHANGE));
    for (const textcmd::ReplaceAllResult* pass : {&first, &second}) {
      for (auto at = pass->matches.rbegin(); at != pass->matches.rend(); ++at) {
        editor.SetSelection(static_cast<long>(*at), static_cast<long>(*at + pattern.size()));
        editor.ReplaceSelection(replacement, false);
      }
    }
    editor.SetEventMask(mask);
    if (slot->changeAttached) documents_.MemoChange(slotNumber);
  }
  SelectQuietly(slot->editor, caret, caret);
  return {first.matches.size(), second.matches.size()};
}

void TextCommands::ReplaceAllDocuments() {
  int startSlot = documents_.ActiveSlotNumber();
  int startTab = documents_.TabIndexOfSlot(startSlot);
  int count = documents_.TabCount();
  std::pair<size_t, size_t> starting = ReplaceAllInDocument(startSlot, SearchStart(documents_.ActiveEditor()), true);
  // The one-match-at-a-time search ends in the document of its last replacement: the
  // start when its second pass replaced something, else the last other one that did.
  int lastSlot = startSlot;
  for (int k = 1; k < count; ++k) {
    int slot = documents_.SlotOfTab((startTab + k) % count);
    // Only the active document is checked for read-only before Replace All starts;
    // the others that are read-only are passed over as holding no match.
    if (!documents_.Slot(slot) || documents_.Slot(slot)->editor.ReadOnly()) continue;
    if (ReplaceAllInDocument(slot, 0, false).first > 0) lastSlot = slot;
  }
  if (starting.second > 0) lastSlot = startSlot;
  for (int tab = 0; tab < count; ++tab)
    if (DocumentSlot* slot = documents_.Slot(documents_.SlotOfTab(tab))) SelectQuietly(slot->editor, 0, 0);
  if (lastSlot != documents_.ActiveSlotNumber()) documents_.ActivateTab(documents_.TabIndexOfSlot(lastSlot));
}

void TextCommands::SearchMenuGoToLineClick(const Sender&) {
  RichEditor& editor = documents_.ActiveEditor();
  long length = editor.TextLength();
  int editorLines = editor.LineCount();
  int counted = textcmd::CountedLines(editorLines, editor.LineLength(editor.LineIndex(editorLines - 1)));
  if (length > 0) counted = std::max(counted, 1);
  long long number = 0;
  if (!PromptForNumber(L"Tarnwick - Go to Line", L"&Go to Line:", textcmd::GoToLinePrompt(length > 0 ? counted : 0),
                       L"", 55, 107, number))
    return;
  RichEditor& target = documents_.ActiveEditor();
  bool endsWithBreak = length > 0 && target.TextRange(length - 1, length) == L"\r";
  textcmd::LineLookup lines{[&](int i) { return target.LineIndex(i); },
                            [&](int i) { return target.LineLength(target.LineIndex(i)); }};
  long caret = textcmd::GoToLineCaret(number, length > 0 ? counted : 0, endsWithBreak, lines);
  target.SetSelection(caret, caret);
  target.ScrollCaret();
  documents_.FocusActiveEditor();
}

}  // namespace textcmd
