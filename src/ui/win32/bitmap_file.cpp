// Bitmap file and resource loading.
#include "ui/win32/bitmap_file.h"

#include <cstdlib>
#include <cstring>
#include <vector>

#include "ui/artwork.h"
#include "ui/win32/wide_text.h"

namespace ui::win32 {

std::unique_ptr<PixelBitmap> PixelsOfBitmap(HBITMAP bitmap) {
  BITMAP info{};
  if (bitmap == nullptr || ::GetObjectA(bitmap, sizeof info, &info) == 0) return nullptr;
  auto pixels = PixelBitmap::Make(info.bmWidth, info.bmHeight);
  if (!pixels || pixels->Empty()) return nullptr;
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

GdiObject<HBITMAP> BitmapOfPixels(const PixelBitmap& pixels) {
  BITMAPINFO info{};
  info.bmiHeader.biSize = sizeof info.bmiHeader;
  info.bmiHeader.biWidth = pixels.Width();
  info.bmiHeader.biHeight = -pixels.Height();  // top-down, as PixelBitmap
  info.bmiHeader.biPlanes = 1;
  info.bmiHeader.biBitCount = 32;
  info.bmiHeader.biCompression = BI_RGB;
  void* bits = nullptr;
  GdiObject<HBITMAP> bitmap(::CreateDIBSection(nullptr, &info, DIB_RGB_COLORS, &bits, nullptr, 0));
  if (!bitmap || bits == nullptr) return {};
  std::memcpy(bits, pixels.Row(0), static_cast<size_t>(pixels.Width()) * pixels.Height() * 4);
  return bitmap;
}

namespace {

// The BMP file image a packed artwork resource holds, made into a DIB section as LoadImage makes
// one of a bitmap resource.
GdiObject<HBITMAP> UnpackedArtwork(int resource) {
  HMODULE module = ::GetModuleHandleW(nullptr);
  HRSRC found = ::FindResourceA(module, MAKEINTRESOURCEA(resource), RT_RCDATA);
  HGLOBAL loaded = found == nullptr ? nullptr : ::LoadResource(module, found);
  const void* packed = loaded == nullptr ? nullptr : ::LockResource(loaded);
  if (packed == nullptr) return {};
  const std::vector<uint8_t> file =
      UnpackArtwork(static_cast<const uint8_t*>(packed), ::SizeofResource(module, found));
  BITMAPFILEHEADER head{};
  if (file.size() < sizeof head + sizeof(BITMAPINFOHEADER)) return {};
  std::memcpy(&head, file.data(), sizeof head);
  if (head.bfOffBits < sizeof head + sizeof(BITMAPINFOHEADER) || head.bfOffBits > file.size()) {
    return {};
  }
  // The header and colour table, copied so that they are aligned as BITMAPINFO wants.
  const std::vector<uint8_t> info(file.begin() + sizeof head, file.begin() + head.bfOffBits);
  const auto* header = reinterpret_cast<const BITMAPINFOHEADER*>(info.data());
  const size_t stride = ((static_cast<size_t>(header->biWidth) * header->biBitCount + 31) / 32) * 4;
  const size_t bytes = stride * static_cast<size_t>(std::abs(header->biHeight));
  if (bytes > file.size() - head.bfOffBits) return {};
  void* bits = nullptr;
  GdiObject<HBITMAP> art(::CreateDIBSection(nullptr, reinterpret_cast<const BITMAPINFO*>(header),
                                            DIB_RGB_COLORS, &bits, nullptr, 0));
  if (!art || bits == nullptr) return {};
  std::memcpy(bits, file.data() + head.bfOffBits, bytes);
  return art;
}

}  // namespace

GdiObject<HBITMAP> LoadArtwork(int resource, Scale scale, int32_t picture_width) {
  GdiObject<HBITMAP> art = UnpackedArtwork(resource);
  if (scale.IsIdentity() || !art) return art;
  const std::unique_ptr<PixelBitmap> pixels = PixelsOfBitmap(art.Get());
  if (!pixels) return {};
  return BitmapOfPixels(ScaleArtwork(*pixels, scale, picture_width));
}

std::unique_ptr<PixelBitmap> ReadBitmapFile(const std::string& path) {
  GdiObject<HBITMAP> bitmap(static_cast<HBITMAP>(::LoadImageW(
      nullptr, WideOf(path).c_str(), IMAGE_BITMAP, 0, 0, LR_LOADFROMFILE | LR_CREATEDIBSECTION)));
  return PixelsOfBitmap(bitmap.Get());
}

}  // namespace ui::win32
