// The program's own pixel art (the tool strip, the logo, the About picture) on a screen above
// 96 DPI. Every picture becomes as large as its design size maps to, each device pixel taking the
// art pixel under its centre: a whole factor repeats each pixel exactly, nothing is blurred, and
// the key colour that marks the see-through parts stays exact.
#pragma once

#include <cstddef>
#include <cstdint>
#include <vector>

#include "ui/pixel_bitmap.h"
#include "ui/scale.h"

namespace ui {

// `art` at `scale`. A strip of pictures `picture_width` wide side by side (0: one picture) is
// scaled picture by picture, so that no picture takes a column of its neighbour's and all are
// equally wide.
PixelBitmap ScaleArtwork(const PixelBitmap& art, Scale scale, int32_t picture_width = 0);

// The artwork as the resources store it, packed at build time by tools/pack_artwork.py (a byte
// LZ77: the unpacked size, then runs of literal bytes and copies from earlier output): the file
// it was packed from, or nothing when the stream is cut short or does not add up.
std::vector<uint8_t> UnpackArtwork(const uint8_t* packed, size_t size);

}  // namespace ui
