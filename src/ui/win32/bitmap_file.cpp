// Bitmap file loading.
#include "ui/win32/bitmap_file.h"

#include "ui/win32/gdi.h"

namespace ui::win32 {

std::unique_ptr<PixelBitmap> PixelsOfBitmap(HBITMAP bitmap) {
  BITMAP info{};
  if (bitmap == nullptr || ::GetObjectA(bitmap, sizeof info, &info) == 0) return nullptr;
  auto pixels = std::make_unique<PixelBitmap>(info.bmWidth, info.bmHeight);
  if (pixels->Empty()) return nullptr;
  BITMAPINFO request{};
  request.bmiHeader.biSize = sizeof request.bmiHeader;
  request.bmiHeader.biWidth = info.bmWidth;
  request.bmiHeader.biHeight = -info.bmHeight;  // top-down
  request.bmiHeader.biPlanes = 1;
  request.bmiHeader.biBitCount = 32;
  request.bmiHeader.biCompression = BI_RGB;
  HDC screen = ::GetDC(nullptr);
  const int rows = ::GetDIBits(screen, bitmap, 0, static_cast<UINT>(info.bmHeight), pixels->Row(0),
                               &request, DIB_RGB_COLORS);
  ::ReleaseDC(nullptr, screen);
  if (rows != info.bmHeight) return nullptr;
  return pixels;
}

std::unique_ptr<PixelBitmap> ReadBitmapFile(const std::string& path) {
  GdiObject<HBITMAP> bitmap(static_cast<HBITMAP>(::LoadImageA(
      nullptr, path.c_str(), IMAGE_BITMAP, 0, 0, LR_LOADFROMFILE | LR_CREATEDIBSECTION)));
  return PixelsOfBitmap(bitmap.Get());
}

}  // namespace ui::win32
