// PNG and GIF pictures through the Windows Imaging Component, which COM loads on the first such
// picture: the player starts without it, and a disc without these pictures never loads it.
#pragma once

#include <cstdint>
#include <memory>
#include <span>

#include "ui/pixel_bitmap.h"

namespace ui::win32 {

// The first frame as premultiplied B, G, R, A pixels (HasAlpha), or null when the bytes are no
// picture the component reads, or one too large for the player to hold.
std::unique_ptr<PixelBitmap> DecodeWithImagingComponent(std::span<const uint8_t> bytes);

}  // namespace ui::win32
