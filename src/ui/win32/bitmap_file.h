// Loading Windows bitmap files and the program's bitmap resources through GDI, and moving pixels
// between the toolkit's pixel format and GDI bitmaps.
#pragma once

#include <windows.h>

#include <memory>
#include <string>

#include "ui/pixel_bitmap.h"
#include "ui/scale.h"
#include "ui/win32/gdi.h"

namespace ui::win32 {

// The pixels of a bitmap, top-down, 32 bits each; null when the bitmap cannot be read.
std::unique_ptr<PixelBitmap> PixelsOfBitmap(HBITMAP bitmap);

// A 32-bit DIB section holding `pixels`; null when it cannot be made.
GdiObject<HBITMAP> BitmapOfPixels(const PixelBitmap& pixels);

// A packed artwork resource of the program's pixel art (ui::UnpackArtwork) at `scale` (see
// ui::ScaleArtwork: a strip of pictures `picture_width` wide, or one picture); at 96 DPI the
// picture as it was drawn, in its own colour depth. Null when it cannot be loaded.
GdiObject<HBITMAP> LoadArtwork(int resource, Scale scale, int32_t picture_width = 0);

// Reads a .bmp file; null when it does not exist or is not a bitmap.
std::unique_ptr<PixelBitmap> ReadBitmapFile(const std::string& path);

}  // namespace ui::win32
