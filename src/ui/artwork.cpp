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

}  // namespace ui
