// Pixel bitmap storage.
#include "ui/pixel_bitmap.h"

namespace ui {

PixelBitmap::PixelBitmap(int32_t width, int32_t height, uint32_t fill)
    : width_(width > 0 ? width : 0),
      height_(height > 0 ? height : 0),
      pixels_(static_cast<std::size_t>(width_) * height_, fill) {}

}  // namespace ui
