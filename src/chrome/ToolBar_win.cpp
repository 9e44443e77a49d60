// The main tool bar: built from the mask, its states follow the active document.
#include <windowsx.h>

#include "chrome/ToolBar_win.h"
#include "chrome/ImageStrip_win.h"
#include "chrome/ToolBarItems.h"
#include "config/Keys.h"
#include "win/PaintSuspender.h"
#include "win/resource.h"

namespace chrome {
namespace keys = config::keys;

void ToolBar::Create(HWND parent) {
  DWORD style = WS_CHILD | WS_CLIPSIBLINGS | TBSTYLE_FLAT | TBSTYLE_TOOLTIPS | CCS_NORESIZE | CCS_NOPARENTALIGN |
                CCS_NODIVIDER | TBSTYLE_WRAPABLE;
  toolBar_ = ::CreateWindowExW(0, TOOLBARCLASSNAMEW, L"", style, 0, 0, 0, 0, parent, nullptr,
                               ::GetModuleHandleW(nullptr), nullptr);
  ::SendMessageW(toolBar_, TB_BUTTONSTRUCTSIZE, sizeof(TBBUTTON), 0);
}

void ToolBar::Build() {
  win::PaintSuspender suspend(::GetParent(toolBar_));
  while (::SendMessageW(toolBar_, TB_BUTTONCOUNT, 0, 0) > 0) ::SendMessageW(toolBar_, TB_DELETEBUTTON, 0, 0);
  if (!images_) {
    images_.reset(LoadImageStrip(IDB_TOOLBAR));
    ::SendMessageW(toolBar_, TB_SETIMAGELIST, 0, reinterpret_cast<LPARAM>(images_.get()));
    ::SendMessageW(toolBar_, TB_SETEXTENDEDSTYLE, 0, TBSTYLE_EX_DRAWDDARROWS);
  }
  std::wstring mask = profile_.Read(keys::ToolBar);
  std::vector<PlannedButton> row = PlanToolBar(mask, profile_.Read(keys::ToolBarMenus));
  if (row.empty()) return;
  LONG style = ::GetWindowLongW(toolBar_, GWL_STYLE);
  bool wrap = profile_.Read(keys::ToolBarWrap);
  ::SetWindowLongW(toolBar_, GWL_STYLE, wrap ? (style | TBSTYLE_WRAPABLE) : (style & ~TBSTYLE_WRAPABLE));
  std::vector<TBBUTTON> buttons;
  for (const PlannedButton& planned : row) {
    TBBUTTON button{};
    if (planned.tag < 0) {
      button.iBitmap = 2;
      button.fsStyle = BTNS_SEP;
      button.dwData = static_cast<DWORD_PTR>(-1);
    } else {
      const command::Row* command = commands_.FindByTag(planned.tag);
      button.iBitmap = planned.tag;
      button.idCommand = command ? static_cast<int>(command->id) : 0;
      button.fsState = (command && command->run) ? TBSTATE_ENABLED : 0;
      button.fsStyle = BTNS_BUTTON;
      if (planned.dropDown) button.fsStyle |= BTNS_DROPDOWN;
      if (planned.toggle) button.fsStyle |= BTNS_CHECK;
      button.dwData = static_cast<DWORD_PTR>(planned.tag);
    }
    buttons.push_back(button);
  }
  ::SendMessageW(toolBar_, TB_ADDBUTTONSW, buttons.size(), reinterpret_cast<LPARAM>(buttons.data()));
}

int ToolBar::ButtonCommand(int tag) const {
  const command::Row* command = commands_.FindByTag(tag);
  if (!command) return 0;
  if (::SendMessageW(toolBar_, TB_COMMANDTOINDEX, command->id, 0) < 0) return 0;
  return static_cast<int>(command->id);
}

void ToolBar::Refresh() {
  auto count = static_cast<int>(::SendMessageW(toolBar_, TB_BUTTONCOUNT, 0, 0));
  for (int i = 0; i < count; ++i) {
    TBBUTTON button{};
    ::SendMessageW(toolBar_, TB_GETBUTTON, static_cast<WPARAM>(i), reinterpret_cast<LPARAM>(&button));
    if (button.fsStyle & BTNS_SEP) continue;
    auto id = static_cast<unsigned>(button.idCommand);
    BYTE state = button.fsState;
    BYTE wanted = static_cast<BYTE>(state & ~(TBSTATE_ENABLED | TBSTATE_CHECKED));
    if (commands_.ButtonEnabled(id)) wanted |= TBSTATE_ENABLED;
    if ((button.fsStyle & BTNS_CHECK) && commands_.Checked(id)) wanted |= TBSTATE_CHECKED;
    // Setting a state repaints the button: leave the ones that are right alone.
    if (wanted != state) ::SendMessageW(toolBar_, TB_SETSTATE, static_cast<WPARAM>(id), MAKELPARAM(wanted, 0));
  }
}

bool ToolBar::IsEnabled(int tag) const {
  int id = ButtonCommand(tag);
  return id && ::SendMessageW(toolBar_, TB_ISBUTTONENABLED, static_cast<WPARAM>(id), 0) != 0;
}

bool ToolBar::IsPressed(int tag) const {
  int id = ButtonCommand(tag);
  return id && ::SendMessageW(toolBar_, TB_ISBUTTONCHECKED, static_cast<WPARAM>(id), 0) != 0;
}

std::vector<int> ToolBar::Tags() const {
  std::vector<int> tags;
  auto count = static_cast<int>(::SendMessageW(toolBar_, TB_BUTTONCOUNT, 0, 0));
  for (int i = 0; i < count; ++i) {
    TBBUTTON button{};
    ::SendMessageW(toolBar_, TB_GETBUTTON, static_cast<WPARAM>(i), reinterpret_cast<LPARAM>(&button));
    tags.push_back(static_cast<int>(static_cast<INT_PTR>(button.dwData)));
  }
  return tags;
}

LRESULT ToolBar::OnNotify(NMHDR& header) {
  switch (header.code) {
    case TBN_DROPDOWN: {
      auto& notify = reinterpret_cast<NMTOOLBARW&>(header);
      RECT r = notify.rcButton;
      ::MapWindowPoints(toolBar_, nullptr, reinterpret_cast<POINT*>(&r), 2);
      if (onDropDown) onDropDown(static_cast<unsigned>(notify.iItem), POINT{r.left, r.bottom});
      return TBDDRET_DEFAULT;
    }
    case TBN_HOTITEMCHANGE: {
      auto& notify = reinterpret_cast<NMTBHOTITEM&>(header);
      if (!onHint) return 0;
      const command::Row* command =
          (notify.dwFlags & HICF_LEAVING) ? nullptr : commands_.Find(static_cast<unsigned>(notify.idNew));
      const wchar_t* hint = command ? HintForTag(command->toolbarTag) : nullptr;
      onHint(hint ? hint : L"");
      return 0;
    }
  }
  return 0;
}

LRESULT ToolBar::OnToolTip(NMHDR& header) {
  auto& info = reinterpret_cast<NMTTDISPINFOW&>(header);
  info.szText[0] = L'\0';
  info.lpszText = info.szText;
  if (!showTips) return 0;
  if (const command::Row* command = commands_.Find(static_cast<unsigned>(header.idFrom))) {
    if (const wchar_t* hint = HintForTag(command->toolbarTag)) info.lpszText = const_cast<wchar_t*>(hint);
  }
  return 0;
}

}  // namespace chrome
