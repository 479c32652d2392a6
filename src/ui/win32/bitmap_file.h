// Loading Windows bitmap files into the toolkit's pixel format through GDI.
#pragma once

#include <windows.h>

#include <memory>
#include <string>

#include "ui/pixel_bitmap.h"

namespace ui::win32 {

// The pixels of a bitmap, top-down, 32 bits each; null when the bitmap cannot be read.
std::unique_ptr<PixelBitmap> PixelsOfBitmap(HBITMAP bitmap);

// Reads a .bmp file; null when it does not exist or is not a bitmap.
std::unique_ptr<PixelBitmap> ReadBitmapFile(const std::string& path);

}  // namespace ui::win32
