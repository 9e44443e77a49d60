#include "chrome/ImageStrip_win.h"

#include <vector>

#include "win/Handles.h"

namespace chrome {

HIMAGELIST LoadImageStrip(int resourceId) {
  return ::ImageList_LoadImageW(::GetModuleHandleW(nullptr), MAKEINTRESOURCEW(resourceId), 16, 0, kTransparentKey,
                                IMAGE_BITMAP, LR_CREATEDIBSECTION);
}

HBITMAP CreateCellBitmap(int resourceId, int index) {
  win::UniqueBitmap strip(static_cast<HBITMAP>(::LoadImageW(::GetModuleHandleW(nullptr), MAKEINTRESOURCEW(resourceId),
                                                             IMAGE_BITMAP, 0, 0, LR_CREATEDIBSECTION)));
  if (!strip) return nullptr;
  BITMAP info{};
  ::GetObjectW(strip.get(), sizeof(info), &info);
  if ((index + 1) * 16 > info.bmWidth || info.bmHeight < 16) return nullptr;

  BITMAPINFO header{};
  header.bmiHeader.biSize = sizeof(header.bmiHeader);
  header.bmiHeader.biWidth = info.bmWidth;
  header.bmiHeader.biHeight = -16;
  header.bmiHeader.biPlanes = 1;
  header.bmiHeader.biBitCount = 32;
  header.bmiHeader.biCompression = BI_RGB;
  std::vector<DWORD> pixels(static_cast<size_t>(info.bmWidth) * 16);
  win::WindowDC screen(nullptr);
  if (!::GetDIBits(screen.get(), strip.get(), static_cast<UINT>(info.bmHeight - 16), 16, pixels.data(), &header,
                   DIB_RGB_COLORS))
    return nullptr;

  BITMAPINFO cellHeader = header;
  cellHeader.bmiHeader.biWidth = 16;
  void* bits = nullptr;
  HBITMAP cell = ::CreateDIBSection(screen.get(), &cellHeader, DIB_RGB_COLORS, &bits, nullptr, 0);
  if (!cell) return nullptr;
  auto* out = static_cast<DWORD*>(bits);
  for (int y = 0; y < 16; ++y) {
    for (int x = 0; x < 16; ++x) {
      DWORD pixel = pixels[static_cast<size_t>(y) * static_cast<size_t>(info.bmWidth) + static_cast<size_t>(index * 16 + x)] & 0xFFFFFF;
      // Magenta is the transparent key; every other pixel is opaque (premultiplied).
      out[y * 16 + x] = pixel == 0xFF00FF ? 0 : (pixel | 0xFF000000u);
    }
  }
  return cell;
}

}  // namespace chrome
