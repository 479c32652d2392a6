// Decoding of JPEG data into the toolkit's pixel format with libjpeg-turbo's libjpeg API.
// Grayscale, YCbCr and RGB pictures decode as they are. CMYK and YCCK pictures are converted
// naively, ink by ink, without a colour profile; when an Adobe marker is present the inks are
// taken as stored inverted, as Photoshop writes them.
#pragma once

#include <cstdint>
#include <memory>
#include <span>

#include "ui/pixel_bitmap.h"

namespace ui::win32 {

// Null when the data is not a JPEG picture, is damaged or truncated, or is too large to hold;
// libjpeg's errors and warnings never reach the console or end the program.
std::unique_ptr<PixelBitmap> DecodeJpeg(std::span<const uint8_t> data);

}  // namespace ui::win32
