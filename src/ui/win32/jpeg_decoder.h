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
// libjpeg's errors and warnings never reach the console or end the program. With `shown` not
// empty, the picture is decoded at the smallest of 1/2, 1/4 and 1/8 of its size that is at
// least `shown` both ways (libjpeg's scaled decoding, far quicker and smaller than the whole);
// `natural`, when given, gets the picture's own size.
std::unique_ptr<PixelBitmap> DecodeJpeg(std::span<const uint8_t> data, Size shown = {},
                                        Size* natural = nullptr);

}  // namespace ui::win32
