// The slot table and the document tabs of the main window.
#include <windows.h>
#include <shellapi.h>

#include <algorithm>

#include "workspace/Documents_win.h"
#include "config/Keys.h"
#include "win/Container.h"
#include "win/PaintSuspender.h"
#include "win/Text.h"

namespace workspace {
using namespace command;
namespace keys = config::keys;

COLORREF Documents::ColorOf(config::Color color) const {
  return config::ResolveColor(color, [](int index) { return static_cast<std::uint32_t>(::GetSysColor(index)); });
}

workspace::EditorHooks Documents::Hooks() {
  workspace::EditorHooks hooks;
  hooks.proc = &Documents::EditorProc;
  hooks.data = reinterpret_cast<DWORD_PTR>(this);
  return hooks;
}

// The slots in tab order, kept beside the tab control (whose items carry the same
// numbers): asking the control costs a message per tab, and with many documents the
// lookups added up to whole seconds.
int Documents::TabCount() const { return static_cast<int>(tabSlots_.size()); }

int Documents::SlotOfTab(int tabIndex) const {
  return tabIndex >= 0 && tabIndex < TabCount() ? tabSlots_[static_cast<size_t>(tabIndex)] : -1;
}

int Documents::TabIndexOfSlot(int slot) const {
  auto found = std::find(tabSlots_.begin(), tabSlots_.end(), slot);
  return found == tabSlots_.end() ? -1 : static_cast<int>(found - tabSlots_.begin());
}

std::wstring Documents::TabCaption(int tabIndex) const {
  wchar_t buffer[600] = L"";
  TCITEMW item{};
  item.mask = TCIF_TEXT;
  item.pszText = buffer;
  item.cchTextMax = 600;
  TabCtrl_GetItem(pageControl_, tabIndex, &item);
  return buffer;
}

int Documents::TabImage(int tabIndex) const {
  TCITEMW item{};
  item.mask = TCIF_IMAGE;
  TabCtrl_GetItem(pageControl_, tabIndex, &item);
  return item.iImage;
}

void Documents::SetTabCaption(int slot, const std::wstring& displayName) {
  int index = TabIndexOfSlot(slot);
  if (index < 0) return;
  std::wstring caption = win::EscapeAmpersands(displayName);
  TCITEMW item{};
  item.mask = TCIF_TEXT;
  item.pszText = caption.data();
  TabCtrl_SetItem(pageControl_, index, &item);
  if (inBatch_) return;  // the end of the batch repaints and lays out the whole strip
  // Wine repaints the tabs only up to their new end, so a shorter caption would leave
  // the end of the longer one standing: the strips of tabs, above or below the pages,
  // are repainted whole.
  RECT client, pages;
  ::GetClientRect(pageControl_, &client);
  pages = client;
  TabCtrl_AdjustRect(pageControl_, FALSE, &pages);
  RECT above{client.left, client.top, client.right, pages.top};
  RECT below{client.left, pages.bottom, client.right, client.bottom};
  ::InvalidateRect(pageControl_, &above, TRUE);
  ::InvalidateRect(pageControl_, &below, TRUE);
  LayoutPages();
}

int Documents::InsertTab(int number, const std::wstring& displayName, int image) {
  std::wstring caption = win::EscapeAmpersands(displayName);
  TCITEMW item{};
  item.mask = TCIF_TEXT | TCIF_PARAM | TCIF_IMAGE;
  item.pszText = caption.data();
  item.lParam = number;
  item.iImage = image;
  int index = TabCtrl_InsertItem(pageControl_, TabCount(), &item);
  if (index >= 0) tabSlots_.insert(tabSlots_.begin() + index, number);
  return index;
}

void Documents::MakeSlotWindows(DocumentSlot& slot, bool plain) {
  COLORREF pageColor = ColorOf(frame_.Profile().Read(keys::EditorBGColor));
  slot.page = win::CreateContainer(pageControl_, pageColor);
  slot.panel = win::CreateContainer(slot.page, pageColor);
  win::SetDock(slot.panel, win::Dock::Fill, 50);
  ::ShowWindow(slot.panel, SW_SHOWNA);
  slot.editor = workspace::CreateEditor(slot.panel, slot.number, plain, Hooks());
  RichEditor& editor = slot.editor;
  editor.SetMaxLength(workspace::kEditorMaxLength);

  workspace::FontSpec font;
  if (plain) {
    slot.background = pageColor;
    font.color = ColorOf(frame_.Profile().Read(keys::EditorColor));
  } else {
    slot.background = ColorOf(frame_.Profile().Read(keys::RTFBGColor));
    font.color = RGB(0, 0, 0);
  }
  editor.SetBackground(slot.background);
  font.name = frame_.Profile().Read(keys::EditorFont);
  font.points = std::clamp(frame_.Profile().Read(keys::EditorSize), 1, 1638);
  font.bold = frame_.Profile().Read(keys::EditorBold);
  font.italic = frame_.Profile().Read(keys::EditorItalic);
  font.underline = frame_.Profile().Read(keys::EditorUnderline);
  font.strikeOut = frame_.Profile().Read(keys::EditorStrikeOut);
  editor.SetDefaultFont(font);
  editor.SetWordWrap(plain ? frame_.Profile().Read(keys::EditorWordWrap) : true);
  ::ShowWindow(editor.hwnd(), SW_SHOWNA);
  slot.insertMode = true;
  // The page gets its size (hidden) once its editor is in it, so that the editor fills
  // it and a text loaded next is laid out once, at the size it is shown in.
  RECT r = PageArea();
  ::SetWindowPos(slot.page, nullptr, r.left, r.top, r.right - r.left, r.bottom - r.top, SWP_NOACTIVATE | SWP_NOZORDER);
  win::Relayout(slot.page);
  win::Relayout(slot.panel);
}

bool Documents::NewDocument(int format, const std::wstring& extension) {
  std::optional<int> free = FreeSlot();
  if (!free) return false;
  int number = *free;
  ActiveSlot = number;
  std::wstring name = workspace::UntitledName(number, extension);
  {
    win::PaintSuspender suspend(frame_.Window());
    auto slot = std::make_unique<DocumentSlot>();
    slot->number = number;
    slot->fileName = name;
    slot->hasFile = false;
    MakeSlotWindows(*slot, format == 0);
    slots_[static_cast<size_t>(number)] = std::move(slot);
    int index = InsertTab(number, name, TabImages ? 0 : -1);
    TabCtrl_SetCurSel(pageControl_, index);
    PageControlChange();
  }
  DocumentSlot& slot = *slots_[static_cast<size_t>(number)];
  slot.changeAttached = true;
  slot.editor.SetModified(false);
  if (!inBatch_) frame_.CommandStatesChanged();
  return true;
}

void Documents::AddWaitingSlot(std::unique_ptr<DocumentSlot> slot, const std::wstring& caption, int image) {
  int number = slot->number;
  slots_[static_cast<size_t>(number)] = std::move(slot);
  int index = InsertTab(number, caption, image);
  ActiveSlot = number;
  TabCtrl_SetCurSel(pageControl_, index);
}

void Documents::FirstDocument() {
  auto slot = std::make_unique<DocumentSlot>();
  slot->number = FreeSlot().value_or(0);
  slot->fileName = workspace::UntitledName(slot->number, L"txt");
  slot->pending = std::make_unique<PendingLoad>();
  std::wstring caption = slot->fileName;
  AddWaitingSlot(std::move(slot), caption, TabImages ? 0 : -1);
}

void Documents::ShowFirstDocument() { PageControlChange(); }

void Documents::ShowActivePage() {
  Realize(ActiveSlot);
  for (auto& slot : slots_) {
    if (!slot) continue;
    bool active = slot->number == ActiveSlot;
    if (active) {
      RECT r = PageArea();
      ::SetWindowPos(slot->page, HWND_TOP, r.left, r.top, r.right - r.left, r.bottom - r.top,
                     SWP_SHOWWINDOW | SWP_NOACTIVATE);
    } else if (::GetWindowLongW(slot->page, GWL_STYLE) & WS_VISIBLE) {
      ::ShowWindow(slot->page, SW_HIDE);
    }
  }
}

void Documents::PageControlChange() {
  int tab = TabCtrl_GetCurSel(pageControl_);
  if (tab < 0) return;
  int slot = SlotOfTab(tab);
  if (slot < 0 || !slots_[static_cast<size_t>(slot)]) return;
  ActiveSlot = slot;
  if (inBatch_) {
    // Many documents are opening: the last of them is shown once it is in.
    refreshPending_ = true;
    return;
  }
  ShowActivePage();
  if (onActivePage) onActivePage();
  ShowStatus();
  frame_.CommandStatesChanged();
  FocusIfInWindow();
}

void Documents::ShowStatus() {
  if (!Slot(ActiveSlot)) return;
  SetInsertModePanel();
  frame_.SetStatusText(2, ActiveEditor().IsPlainText() ? L"Plain Text" : L"Rich Text");
  frame_.SetStatusText(3, Active().fileName);
  ShowTextFormat();
  MemoSelectionChange();
}

void Documents::FocusIfInWindow() {
  // Typing goes to the document shown: the editor of the page just hidden (or one
  // destroyed while it loaded) must not keep the keyboard. Focus elsewhere, in the
  // Replace dialog, a prompt or another program, stays where it is.
  HWND focus = ::GetFocus();
  if (focus ? focus == frame_.Window() || ::IsChild(frame_.Window(), focus) : ::GetActiveWindow() == frame_.Window()) FocusActiveEditor();
}

void Documents::ActivateTab(int tabIndex) {
  TabCtrl_SetCurSel(pageControl_, tabIndex);
  PageControlChange();
}

void Documents::SetInsertModePanel() { frame_.SetStatusText(1, Active().insertMode ? L"Insert" : L"Overwrite"); }

void Documents::ShowTextFormat() {
  const DocumentSlot* slot = Slot(ActiveSlot);
  std::wstring text;
  if (slot && slot->editor && slot->editor.IsPlainText()) {
    text = workspace::StatusText(slot->format.encoding, slot->format.ending);
    // Saving makes the breaks of a mixed file all of this one kind.
    if (slot->format.mixedEndings) text += L" (mixed)";
  }
  frame_.SetStatusText(4, text);
}

int Documents::CaretLine() {
  return ActiveEditor().LineFromChar(ActiveEditor().Selection().cpMin);
}

int Documents::CaretColumn() {
  long start = ActiveEditor().Selection().cpMin;
  return static_cast<int>(start - ActiveEditor().LineIndex(ActiveEditor().LineFromChar(start)));
}

void Documents::MemoSelectionChange() {
  if (!slots_[static_cast<size_t>(ActiveSlot)]) return;
  frame_.SetStatusText(0, win::ToText(CaretLine() + 1) + L":" + win::ToText(CaretColumn() + 1));
  if (inBatch_) return;
  frame_.CommandStatesChanged();
  if (onSelectionChange) onSelectionChange();
}

void Documents::MemoChange(int slot) {
  if (onEdited) onEdited(slot);
  if (slot != ActiveSlot) return;
  frame_.CommandStatesChanged();
  if (TabImages) UpdateTabImage(slot);
}

void Documents::MemoKeyPress(wchar_t key) {
  if (PlaySoundsOn) frame_.PlaySound(key == L'\r' ? L"ID_WAVE2" : L"ID_WAVE1");
}

void Documents::UpdateTabImage(int number) {
  DocumentSlot* slot = SlotAsIs(number);
  if (!TabImages || !slot) return;
  int index = TabIndexOfSlot(number);
  if (index < 0) return;
  int image = workspace::TabImageIndex(slot->editor.Modified(), IsReadOnly(*slot));
  // Setting an item lays out every tab again: leave one that is right alone.
  if (TabImage(index) == image) return;
  TCITEMW item{};
  item.mask = TCIF_IMAGE;
  item.iImage = image;
  TabCtrl_SetItem(pageControl_, index, &item);
}

int Documents::FindOpenTab(const std::wstring& name) const {
  // Names are canonical (each part as the file system spells it), so an exact
  // comparison finds a file however it was typed.
  for (int tab = 0, count = TabCount(); tab < count; ++tab) {
    const auto& slot = slots_[static_cast<size_t>(tabSlots_[static_cast<size_t>(tab)])];
    if (slot && slot->fileName == name) return tab;
  }
  return -1;
}

void Documents::DestroySlot(int number) {
  if (number < 0 || number >= workspace::kSlotCount) return;
  auto& owned = slots_[static_cast<size_t>(number)];
  if (!owned) return;
  DeleteTempFile(number);
  if (onSettled) onSettled(number);
  {
    win::PaintSuspender suspend(frame_.Window());
    int index = TabIndexOfSlot(number);
    // A waiting document has no page for the panes to be on.
    if (onSlotClosing && !owned->pending) onSlotClosing(number);
    ::DestroyWindow(owned->editor.hwnd());
    ::DestroyWindow(owned->panel);
    ::DestroyWindow(owned->page);
    if (index >= 0) {
      TabCtrl_DeleteItem(pageControl_, index);
      tabSlots_.erase(tabSlots_.begin() + index);
    }
    owned.reset();
  }
}

void Documents::SelectAfterClose(int oldTabIndex) {
  auto next = workspace::TabAfterClose(oldTabIndex, TabCount());
  if (next)
    TabCtrl_SetCurSel(pageControl_, *next);
  else
    NewDocument(0, L"txt");
  PageControlChange();
  FocusActiveEditor();
}

void Documents::FocusActiveEditor() {
  // A document still waiting for its editor gets the keyboard once it is shown.
  DocumentSlot* slot = SlotAsIs(ActiveSlot);
  if (slot && slot->editor) ::SetFocus(slot->editor.hwnd());
}

const std::wstring& Documents::TempFileOf(int slot) {
  static const std::wstring none;
  DocumentSlot* owner = Slot(slot);
  return owner ? owner->tempFile : none;
}

void Documents::MakeTempFileName() {
  wchar_t current[MAX_PATH] = L"";
  ::GetCurrentDirectoryW(MAX_PATH, current);
  Active().tempFile = workspace::TempFileName(Active().fileName, current, [](const std::wstring& path) {
    return ::GetFileAttributesW(path.c_str()) != INVALID_FILE_ATTRIBUTES;
  });
}

void Documents::DeleteTempFile(int number) {
  DocumentSlot* slot = SlotAsIs(number);
  if (!slot || slot->tempFile.empty()) return;
  std::wstring temp = std::move(slot->tempFile);
  slot->tempFile.clear();
  if (!::DeleteFileW(temp.c_str()) && ::GetFileAttributesW(temp.c_str()) != INVALID_FILE_ATTRIBUTES) {
    frame_.Prompter().Message(
        {frame_.Window(), L"Unable to delete temporary file.\nFile may be in use by another program."});
  }
}

workspace::StreamProgress Documents::LoadProgress(const std::wstring& displayName, HWND loading) {
  return Progress(L"Loading %s: %s%%  (Esc stops)", displayName, loading, true);
}

workspace::StreamProgress Documents::Progress(const wchar_t* text, const std::wstring& displayName, HWND busy,
                                              bool escapeStops) {
  DWORD start = ::GetTickCount();
  bool first = true;
  DWORD looked = start;
  std::wstring shown = text;
  return [this, shown, displayName, busy, escapeStops, start, first, looked](size_t done, size_t total) mutable {
    DWORD now = ::GetTickCount();
    if (!first && now - looked < kProgressEveryMs) return true;
    first = false;
    looked = now;
    if (EscapePressed() && escapeStops) return false;
    // Quick work shows nothing; long work says how far it is a few times a second.
    if (now - start >= kProgressAfterMs) {
      int percent = total ? static_cast<int>(std::min<size_t>(done, total) * 100 / total) : 100;
      frame_.SetStatusText(3, win::Fill(shown.c_str(), {displayName, win::ToText(percent)}));
      PaintWhileLoading(busy);
    }
    return true;
  };
}

bool Documents::EscapePressed() {
  // Keys typed while a file loads are read for Escape and dropped; clicks wait for the
  // end. No command or hand-off may run while the control is being filled.
  MSG message;
  bool escape = false;
  while (::PeekMessageW(&message, nullptr, WM_KEYFIRST, WM_KEYLAST, PM_REMOVE))
    if (message.message == WM_KEYDOWN && message.wParam == VK_ESCAPE) escape = true;
  return escape;
}

void Documents::PaintWhileLoading(HWND loading) {
  // Looking at the queue also serves what other programs send; painting is the rest of
  // what keeps the window alive meanwhile.
  MSG message;
  for (int i = 0; i < 100 && ::PeekMessageW(&message, nullptr, WM_PAINT, WM_PAINT, PM_REMOVE); ++i) {
    if (message.hwnd == loading || ::IsChild(loading, message.hwnd)) {
      // The control being filled paints once it is complete.
      ::ValidateRect(message.hwnd, nullptr);
      continue;
    }
    ::DispatchMessageW(&message);
  }
  frame_.UpdateStatusBar();
}

void Documents::ReportLimit() {
  frame_.Prompter().Message({frame_.Window(), L"You have reached the limit of opened files."});
}

void Documents::ReportLimitOnce() {
  if (!LimitReported) ReportLimit();
  LimitReported = true;
}

std::optional<int> Documents::FreeSlot() const {
  return workspace::LowestFreeSlot([this](int n) { return slots_[static_cast<size_t>(n)] != nullptr; });
}

void Documents::ReplaceSlotEditor(int number, const std::function<void(RichEditor&)>& fill) {
  DocumentSlot* slot = Slot(number);
  if (!slot) return;
  bool attached = slot->changeAttached;
  slot->changeAttached = false;
  workspace::ReplaceEditor(*slot, Hooks(), fill);
  win::Relayout(slot->panel);
  slot->changeAttached = attached;
}

}  // namespace workspace

namespace workspace {

void Documents::LayoutPages() {
  if (!pageControl_) return;
  RECT r = PageArea();
  for (auto& slot : slots_) {
    if (!slot || !slot->page) continue;
    if (slot->number == ActiveSlot || (::GetWindowLongW(slot->page, GWL_STYLE) & WS_VISIBLE))
      ::MoveWindow(slot->page, r.left, r.top, r.right - r.left, r.bottom - r.top, TRUE);
  }
}

RECT Documents::PageArea() const {
  RECT r;
  ::GetClientRect(pageControl_, &r);
  TabCtrl_AdjustRect(pageControl_, FALSE, &r);
  r.right = std::max(r.right, r.left);
  r.bottom = std::max(r.bottom, r.top);
  return r;
}

}  // namespace workspace
