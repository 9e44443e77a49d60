#include "chrome/MenuPictures_win.h"

#include "chrome/ImageStrip_win.h"
#include "win/resource.h"

namespace chrome {

namespace {
// The item's data names the picture: a tool-bar picture by its tag, or one of the menu
// strip from kMenuStrip on; 0 means none.
constexpr ULONG_PTR kMenuStrip = 1000;

void SetItemPicture(HMENU menu, UINT item, BOOL byPosition, ULONG_PTR picture) {
  MENUITEMINFOW info{};
  info.cbSize = sizeof(info);
  info.fMask = MIIM_BITMAP | MIIM_DATA;
  info.hbmpItem = HBMMENU_CALLBACK;
  info.dwItemData = picture + 1;
  ::SetMenuItemInfoW(menu, item, byPosition, &info);
}
}  // namespace

void MenuPictures::SetPicture(HMENU menu, unsigned id, int picture) {
  if (shown_) SetItemPicture(menu, id, FALSE, kMenuStrip + static_cast<ULONG_PTR>(picture));
}

void MenuPictures::SetCommandPictures(HMENU menu) {
  for (int i = 0, count = ::GetMenuItemCount(menu); i < count; ++i) {
    MENUITEMINFOW info{};
    info.cbSize = sizeof(info);
    info.fMask = MIIM_ID | MIIM_SUBMENU;
    if (!::GetMenuItemInfoW(menu, static_cast<UINT>(i), TRUE, &info)) continue;
    if (info.hSubMenu) {
      SetCommandPictures(info.hSubMenu);
      continue;
    }
    if (!shown_) {
      MENUITEMINFOW none{};
      none.cbSize = sizeof(none);
      none.fMask = MIIM_BITMAP | MIIM_DATA;
      ::SetMenuItemInfoW(menu, static_cast<UINT>(i), TRUE, &none);
      continue;
    }
    const command::Row* command = commands_.Find(info.wID);
    if (command && command->toolbarTag >= 0)
      SetItemPicture(menu, static_cast<UINT>(i), TRUE, static_cast<ULONG_PTR>(command->toolbarTag));
  }
}

bool MenuPictures::Measure(MEASUREITEMSTRUCT& item) const {
  if (item.CtlType != ODT_MENU || item.itemData == 0) return false;
  item.itemWidth = 18;  // a little room between the picture and the caption
  item.itemHeight = 16;
  return true;
}

bool MenuPictures::Draw(const DRAWITEMSTRUCT& item) {
  if (item.CtlType != ODT_MENU || item.itemData == 0) return false;
  ULONG_PTR picture = item.itemData - 1;
  HIMAGELIST list = toolBar_.Images();
  int index = static_cast<int>(picture);
  if (picture >= kMenuStrip) {
    if (!menuStrip_) menuStrip_.reset(LoadImageStrip(IDB_MENU_IMAGES));
    list = menuStrip_.get();
    index = static_cast<int>(picture - kMenuStrip);
  }
  if (!list) return false;
  int top = item.rcItem.top + (item.rcItem.bottom - item.rcItem.top - 16) / 2;
  UINT style = ILD_TRANSPARENT | ((item.itemState & ODS_GRAYED) ? ILD_BLEND50 : 0);
  ::ImageList_Draw(list, index, item.hDC, item.rcItem.left, top, style);
  return true;
}

}  // namespace chrome
