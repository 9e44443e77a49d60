#pragma once
// One open document: its tab page, the panel on it, the rich-edit control and the
// document's name and flags.
#include <windows.h>
#include <commctrl.h>

#include <functional>
#include <memory>
#include <string>

#include "workspace/RichEditor_win.h"
#include "workspace/TextEncoding.h"

namespace workspace {

// How a plain-text document is written: the encoding and line breaks it came in (new
// documents: the system code page and CR LF).
struct TextFormat {
  TextEncoding encoding = TextEncoding::Ansi;
  LineEnding ending = LineEnding::CrLf;
  bool mixedEndings = false;  // the file mixed kinds; saving writes `ending` throughout
};

// A document opened among many whose tab has not been shown yet (or the untitled one a
// start begins with, until the window is on screen): its text waits here as read from
// the file, and its page, panel and editor are made when the tab is first shown or a
// command reaches the document.
struct PendingLoad {
  bool rich = false;
  std::string rtf;    // rich text as read
  std::wstring text;  // plain text, decoded
  bool readOnly = false;  // the file's read-only attribute when it was opened
};

struct DocumentSlot {
  int number = 0;
  HWND page = nullptr;   // container on the tab control; tag = number
  HWND panel = nullptr;  // container filling the page; holds the ruler and the editor
  RichEditor editor;
  std::wstring fileName;
  bool hasFile = false;
  bool insertMode = true;
  bool changeAttached = false;  // MemoChange runs on the editor's changes
  COLORREF background = RGB(255, 255, 255);
  TextFormat format;
  std::wstring tempFile;  // the copy written for another program, deleted with the slot
  // The file was replaced on disk (a copy or move from another tab): Save asks first.
  bool changedOnDisk = false;
  // Set while the document waits for its editor (see PendingLoad); the editor and
  // its windows are empty meanwhile, and the document is unmodified.
  std::unique_ptr<PendingLoad> pending;
};

// Events every editor carries; kept so that a fresh control gets them too.
struct EditorHooks {
  SUBCLASSPROC proc = nullptr;
  DWORD_PTR data = 0;
  DWORD eventMask = ENM_CHANGE | ENM_SELCHANGE | ENM_KEYEVENTS | ENM_MOUSEEVENTS;
};

// Control id of every document editor; the slot number lives in the editor's tag.
inline constexpr int kEditorControlId = 1001;
void SetEditorTag(HWND editor, int slot);
int EditorTag(HWND editor);  // -1 when the window is no document editor

// Makes the slot's editor a new control filled by `fill`, carrying over every state
// of the old one (format mode, modified flag, read-only, word wrap, font, colours,
// insert mode, selection, scroll position, limit and events), then destroys the old
// one. Whole-text changes go this way: Wine replaces large texts in place very slowly.
// `fill` receives the new, empty control. The selection is clamped to the new text.
void ReplaceEditor(DocumentSlot& slot, const EditorHooks& hooks, const std::function<void(RichEditor&)>& fill);

// Creates a fresh, hidden editor in `panel` with the hooks attached.
RichEditor CreateEditor(HWND panel, int slot, bool plainText, const EditorHooks& hooks);

}  // namespace workspace
