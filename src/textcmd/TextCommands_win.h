#pragma once
// The commands that work on the text of the documents: the Edit menu and the editor's
// pop-up menu, case and line transforms, find, replace and go to line, and inserting
// the time, the date and symbols.
#include <windows.h>

#include <functional>
#include <memory>
#include <string>
#include <utility>

#include "command/Command.h"
#include "dialogs/ReplaceForm.h"
#include "workspace/DocumentHost.h"
#include "workspace/Frame.h"

namespace textcmd {

class TextCommands {
 public:
  using Sender = command::Sender;
  TextCommands(workspace::Frame& frame, workspace::DocumentHost& documents, command::Registry& commands);
  TextCommands(const TextCommands&) = delete;
  TextCommands& operator=(const TextCommands&) = delete;

  // Keys of every editor handled here (Shift+Insert pastes, Ctrl+Y deletes the line);
  // true when handled.
  bool MemoKeyDown(WPARAM key);
  // The Replace dialog once it was made (hidden or shown), else nullptr.
  HWND ReplaceDialog() const;
  // Frees the Replace dialog when the window closes.
  void Close();

  void EditMenuTimeClick(const Sender&);
  void EditMenuDateClick(const Sender&);
  void EditInsertTimeAndDateClick(const Sender&);
  void EditMenuUndoClick(const Sender&);
  void EditMenuSelectAllClick(const Sender&);
  void EditMenuCutClick(const Sender&);
  void EditMenuCopyClick(const Sender&);
  void EditMenuPasteClick(const Sender&);
  void EditMenuDeleteClick(const Sender&);
  void EditMenuCopyAllClick(const Sender&);
  void EditMenuClearAllClick(const Sender&);
  void EditMenuInsertSymbolClick(const Sender&);
  void FormatMenuLowerCaseClick(const Sender&);
  void FormatMenuUpperCaseClick(const Sender&);
  void FormatMenuCapitalizeClick(const Sender&);
  void FormatMenuInvertCaseClick(const Sender&);
  void FormatMenuTrimClick(const Sender&);
  void FormatMenuSortClick(const Sender&);
  void SearchMenuFindClick(const Sender&);
  void SearchMenuFindNextClick(const Sender&);
  void SearchMenuReplaceClick(const Sender&);
  void SearchMenuGoToLineClick(const Sender&);

 private:
  void RegisterCommands(command::Registry& commands);
  bool HasSelection();
  std::function<void(int)> HelpShower();
  std::wstring TimeText();
  std::wstring DateText();
  void InsertText(const std::wstring& text);
  void DeleteCaretLine();
  // Puts `text` (CR LF breaks) in place of [start, end) of a slot's document, not
  // recorded for Undo, leaving the caret after it: in place, or by a fresh control
  // when that is cheaper.
  void ReplaceDocumentRange(int slot, long start, long end, const std::wstring& text);
  void ReplaceSelectionText(const std::function<std::wstring(const std::wstring&)>& transform);
  void RunSlowCaseCommand(bool capitalize);
  void RunLineCommand(bool number);
  bool PromptForNumber(const std::wstring& caption, const std::wstring& label, const std::wstring& explanation,
                       const std::wstring& text, int helpTopic, int fieldHelpTopic, long long& number);
  bool SearchRoutine(bool fromReplace);
  void ShowSearchEnd(bool fromReplace);
  void StoreReplaceFormSearch();
  bool ReplaceFormRefuses();
  void ReplaceFormFindNext();
  void ReplaceFormReplace();
  void ReplaceFormReplaceAll();
  // Replace All over one document from `from` and, with `again`, once more from its
  // start; how many replacements each pass made.
  std::pair<size_t, size_t> ReplaceAllInDocument(int slot, long from, bool again);
  void ReplaceAllDocuments();

  workspace::Frame& frame_;
  workspace::DocumentHost& documents_;
  std::wstring lastSearch_;
  bool matchCase_ = false;
  bool wholeWord_ = false;
  bool allDocuments_ = false;
  std::unique_ptr<dialogs::TReplaceForm> replaceForm_;  // from its first use until the window closes
  bool insertSymbolForAll_ = false;
};

}  // namespace textcmd
