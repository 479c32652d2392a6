// Pixel art at a screen's scale.
#include "ui/artwork.h"

#include "ui/scaled_canvas.h"

namespace ui {

PixelBitmap ScaleArtwork(const PixelBitmap& art, Scale scale, int32_t picture_width) {
  if (picture_width <= 0 || art.Width() % picture_width != 0) picture_width = art.Width();
  const int32_t pictures = picture_width > 0 ? art.Width() / picture_width : 1;
  const Size picture = scale.ToDevice(Size{picture_width, art.Height()});
  // Sampling the whole strip at a whole number of scaled pictures samples each picture within
  // its own columns: column k * s + j takes column k * w + (2j + 1) * w / 2s, and that is < w.
  return ScaleNearest(art, {picture.width * pictures, picture.height});
}

std::vector<uint8_t> UnpackArtwork(const uint8_t* packed, size_t size) {
  if (size < 4) return {};
  const uint32_t unpacked =
      packed[0] | packed[1] << 8 | packed[2] << 16 | static_cast<uint32_t>(packed[3]) << 24;
  std::vector<uint8_t> out;
  out.reserve(unpacked);
  for (size_t at = 4; at < size;) {
    const uint8_t token = packed[at++];
    if (token < 0x80) {
      const size_t count = token + 1u;
      if (count > size - at) return {};
      out.insert(out.end(), packed + at, packed + at + count);
      at += count;
      continue;
    }
    if (size - at < 2) return {};
    const size_t offset = packed[at] | packed[at + 1] << 8;
    at += 2;
    if (offset == 0 || offset > out.size()) return {};
    for (size_t count = token - 0x80u + 3; count > 0; --count) {
      out.push_back(out[out.size() - offset]);
    }
  }
  if (out.size() != unpacked) return {};
  return out;
}

}  // namespace ui
