#include "chrome/ImageStrip_win.h"

namespace chrome {

HIMAGELIST LoadImageStrip(int resourceId) {
  return ::ImageList_LoadImageW(::GetModuleHandleW(nullptr), MAKEINTRESOURCEW(resourceId), 16, 0, kTransparentKey,
                                IMAGE_BITMAP, LR_CREATEDIBSECTION);
}

}  // namespace chrome
