// Sample picture files made at run time: bitmaps, icons and metafiles. The icon and metafile
// samples all show one pattern, so one check fits them all.
#pragma once

#include <windows.h>

#include <cstdint>
#include <initializer_list>
#include <optional>
#include <string>

#include "canvas.h"
#include "ui/pixel_bitmap.h"
#include "ui/win32/gdi.h"

namespace win32_tests {

// The pattern: the left half red, the top-right quarter blue, the bottom-right quarter not
// painted at all (a transparent part of an icon, nothing drawn there in a metafile).
constexpr uint32_t kPatternLeft = 0xFF0000;
constexpr uint32_t kPatternTopRight = 0x0000FF;

// Checks the middle of each quarter of dest on the canvas; unpainted parts keep background.
void ExpectPatternDrawn(const Canvas& canvas, const RECT& dest, uint32_t background);

int ScreenDpiX();
int ScreenDpiY();

// A .bmp file of the pixels, 24 bits a pixel, rows bottom-up and padded as the format wants.
std::string BitmapFileBytes(const ui::PixelBitmap& pixels);

// A .ico file of side×side 32-bpp images of the pattern with their AND masks, in that order.
std::string IconFileBytes(std::initializer_list<int> sides);

// An enhanced metafile of the pattern drawn in screen pixels, its frame width×height pixels.
ui::win32::OwnedEnhMetaFile PatternEnhancedMetafile(int width, int height);
std::string EnhancedMetafileBytes(int width, int height);

// A Windows metafile of the pattern in a window of units; with units per inch, it starts with
// the placeable header whose bounding box is that window. Some writers leave the window to the
// placeable header and record no window origin and extent (setsWindow false).
std::string WindowsMetafileBytes(int unitsWide, int unitsHigh,
                                 std::optional<int> placeableUnitsPerInch, bool setsWindow = true);

}  // namespace win32_tests
