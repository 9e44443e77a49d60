// The look of the tab control as the Settings dialog changes it while documents are open.
#include "win/resource.h"
#include "workspace/Documents_win.h"

namespace workspace {

void Documents::AttachTabImages(bool shown) {
  if (shown && !tabImageList_)
    tabImageList_.reset(::ImageList_LoadImageW(::GetModuleHandleW(nullptr), MAKEINTRESOURCEW(IDB_TAB_STATES), 16, 0,
                                               RGB(255, 0, 255), IMAGE_BITMAP, LR_CREATEDIBSECTION));
  LONG style = ::GetWindowLongW(pageControl_, GWL_STYLE);
  ::SetWindowLongW(pageControl_, GWL_STYLE, shown ? style | TCS_FORCEICONLEFT : style & ~TCS_FORCEICONLEFT);
  TabCtrl_SetImageList(pageControl_, shown ? tabImageList_.get() : nullptr);
}

void Documents::ApplyTabLook(bool wrap, bool below, bool buttons, bool images) {
  LONG style = ::GetWindowLongW(pageControl_, GWL_STYLE) & ~(TCS_MULTILINE | TCS_BOTTOM | TCS_BUTTONS);
  if (wrap) style |= TCS_MULTILINE;
  if (buttons)
    style |= TCS_BUTTONS;
  else if (below)
    style |= TCS_BOTTOM;
  ::SetWindowLongW(pageControl_, GWL_STYLE, style);
  TabImages = images;
  AttachTabImages(images);
  for (int tab = 0, count = TabCount(); tab < count; ++tab) {
    DocumentSlot* slot = SlotAsIs(SlotOfTab(tab));
    TCITEMW item{};
    item.mask = TCIF_IMAGE;
    item.iImage = images && slot ? TabImageIndex(slot->editor.Modified(), IsReadOnly(*slot)) : -1;
    TabCtrl_SetItem(pageControl_, tab, &item);
  }
  ::DragAcceptFiles(pageControl_, TRUE);
  ::SetWindowPos(pageControl_, nullptr, 0, 0, 0, 0,
                 SWP_NOMOVE | SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE | SWP_FRAMECHANGED);
  LayoutPages();
  ::InvalidateRect(pageControl_, nullptr, TRUE);
}

}  // namespace workspace
