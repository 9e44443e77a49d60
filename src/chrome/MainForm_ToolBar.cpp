// The main tool bar: built from the mask, its states follow the active document.
#include <windowsx.h>

#include "app/MainForm.h"
#include "app/resource.h"
#include "chrome/ImageStrip_win.h"
#include "chrome/ToolBarItems.h"
#include "config/Keys.h"
#include "win/PaintSuspender.h"

namespace app {
namespace keys = config::keys;

void TMainForm::BuildToolBar() {
  win::PaintSuspender suspend(hwnd());
  while (::SendMessageW(toolBar_, TB_BUTTONCOUNT, 0, 0) > 0) ::SendMessageW(toolBar_, TB_DELETEBUTTON, 0, 0);
  if (!toolImages_) {
    toolImages_.reset(chrome::LoadImageStrip(IDB_TOOLBAR));
    ::SendMessageW(toolBar_, TB_SETIMAGELIST, 0, reinterpret_cast<LPARAM>(toolImages_.get()));
    ::SendMessageW(toolBar_, TB_SETEXTENDEDSTYLE, 0, TBSTYLE_EX_DRAWDDARROWS);
  }
  std::wstring mask = profile().Read(keys::ToolBar);
  std::vector<chrome::PlannedButton> row = chrome::PlanToolBar(mask, profile().Read(keys::ToolBarMenus));
  if (row.empty()) {
    LayoutFrame();
    return;
  }
  LONG style = ::GetWindowLongW(toolBar_, GWL_STYLE);
  bool wrap = profile().Read(keys::ToolBarWrap);
  ::SetWindowLongW(toolBar_, GWL_STYLE, wrap ? (style | TBSTYLE_WRAPABLE) : (style & ~TBSTYLE_WRAPABLE));
  std::vector<TBBUTTON> buttons;
  for (const chrome::PlannedButton& planned : row) {
    TBBUTTON button{};
    if (planned.tag < 0) {
      button.iBitmap = 2;
      button.fsStyle = BTNS_SEP;
      button.dwData = static_cast<DWORD_PTR>(-1);
    } else {
      const Command* command = FindCommandByTag(planned.tag);
      button.iBitmap = planned.tag;
      button.idCommand = command ? static_cast<int>(command->id) : 0;
      button.fsState = (command && command->handler) ? TBSTATE_ENABLED : 0;
      button.fsStyle = BTNS_BUTTON;
      if (planned.dropDown) button.fsStyle |= BTNS_DROPDOWN;
      if (planned.toggle) button.fsStyle |= BTNS_CHECK;
      button.dwData = static_cast<DWORD_PTR>(planned.tag);
    }
    buttons.push_back(button);
  }
  ::SendMessageW(toolBar_, TB_ADDBUTTONSW, buttons.size(), reinterpret_cast<LPARAM>(buttons.data()));
  LayoutFrame();
}

int TMainForm::ToolButtonCommand(int tag) const {
  if (tag < 0) return 0;
  const Command* command = FindCommandByTag(tag);
  if (!command) return 0;
  if (::SendMessageW(toolBar_, TB_COMMANDTOINDEX, command->id, 0) < 0) return 0;
  return static_cast<int>(command->id);
}

void TMainForm::SetToolEnabled(int tag, bool enabled) {
  int id = ToolButtonCommand(tag);
  if (!id) return;
  const Command* command = FindCommand(static_cast<unsigned>(id));
  if (!command || !command->handler) enabled = false;
  ::SendMessageW(toolBar_, TB_ENABLEBUTTON, static_cast<WPARAM>(id), MAKELPARAM(enabled ? TRUE : FALSE, 0));
}

void TMainForm::SetToolPressed(int tag, bool pressed) {
  int id = ToolButtonCommand(tag);
  if (!id) return;
  ::SendMessageW(toolBar_, TB_CHECKBUTTON, static_cast<WPARAM>(id), MAKELPARAM(pressed ? TRUE : FALSE, 0));
}

bool TMainForm::IsToolEnabled(int tag) const {
  int id = ToolButtonCommand(tag);
  return id && ::SendMessageW(toolBar_, TB_ISBUTTONENABLED, static_cast<WPARAM>(id), 0) != 0;
}

bool TMainForm::IsToolPressed(int tag) const {
  int id = ToolButtonCommand(tag);
  return id && ::SendMessageW(toolBar_, TB_ISBUTTONCHECKED, static_cast<WPARAM>(id), 0) != 0;
}

std::vector<int> TMainForm::ToolBarTags() const {
  std::vector<int> tags;
  auto count = static_cast<int>(::SendMessageW(toolBar_, TB_BUTTONCOUNT, 0, 0));
  for (int i = 0; i < count; ++i) {
    TBBUTTON button{};
    ::SendMessageW(toolBar_, TB_GETBUTTON, static_cast<WPARAM>(i), reinterpret_cast<LPARAM>(&button));
    tags.push_back(static_cast<int>(static_cast<INT_PTR>(button.dwData)));
  }
  return tags;
}

void TMainForm::RefreshToolStates() {
  if (!slots_[static_cast<size_t>(ActiveSlot)]) return;
  workspace::DocumentSlot& slot = Active();
  workspace::RichEditor& editor = slot.editor;
  bool plain = editor.IsPlainText();
  CHARRANGE selection = editor.Selection();
  bool hasSelection = selection.cpMin != selection.cpMax;
  for (int tag : {2, 6, 7, 8, 11}) SetToolEnabled(tag, slot.hasFile);
  SetToolEnabled(3, editor.Modified());
  for (int tag : {15, 16, 22, 27, 28, 29, 30, 31, 32, 33, 34, 35}) SetToolEnabled(tag, hasSelection);
  SetToolEnabled(21, editor.CanUndo());
  SetToolEnabled(40, profile().Read(keys::AllowRTFBGColor) || plain);
  SetToolEnabled(26, profile().Read(keys::PlainTextInsertSymbol) || !plain);
  for (int tag : {41, 43, 44}) SetToolEnabled(tag, plain);
  SetToolPressed(42, editor.WordWrap());
  SetToolPressed(45, editor.ReadOnly());
}

LRESULT TMainForm::OnToolBarNotify(NMHDR& header) {
  switch (header.code) {
    case TBN_DROPDOWN: {
      auto& notify = reinterpret_cast<NMTOOLBARW&>(header);
      const Command* command = FindCommand(static_cast<unsigned>(notify.iItem));
      RECT r = notify.rcButton;
      ::MapWindowPoints(toolBar_, nullptr, reinterpret_cast<POINT*>(&r), 2);
      ShowNewMenu(command ? command->toolbarTag : -1, POINT{r.left, r.bottom});
      return TBDDRET_DEFAULT;
    }
    case TBN_HOTITEMCHANGE: {
      auto& notify = reinterpret_cast<NMTBHOTITEM&>(header);
      if (!statusBarHints_) return 0;
      const Command* command =
          (notify.dwFlags & HICF_LEAVING) ? nullptr : FindCommand(static_cast<unsigned>(notify.idNew));
      const wchar_t* hint = command ? chrome::HintForTag(command->toolbarTag) : nullptr;
      ShowHint(hint ? hint : L"");
      return 0;
    }
  }
  return 0;
}

LRESULT TMainForm::OnToolTip(NMHDR& header) {
  auto& info = reinterpret_cast<NMTTDISPINFOW&>(header);
  info.szText[0] = L'\0';
  info.lpszText = info.szText;
  if (!showHints_) return 0;
  if (const Command* command = FindCommand(static_cast<unsigned>(header.idFrom))) {
    if (const wchar_t* hint = chrome::HintForTag(command->toolbarTag)) info.lpszText = const_cast<wchar_t*>(hint);
  }
  return 0;
}

}  // namespace app
