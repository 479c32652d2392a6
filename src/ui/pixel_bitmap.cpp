// Pixel bitmap storage.
#include "ui/pixel_bitmap.h"

#include "ui/memory.h"

namespace ui {

PixelBitmap::PixelBitmap(int32_t width, int32_t height, uint32_t fill)
    : width_(width > 0 ? width : 0),
      height_(height > 0 ? height : 0),
      pixels_(static_cast<std::size_t>(width_) * height_, fill) {}

std::unique_ptr<PixelBitmap> PixelBitmap::Make(int32_t width, int32_t height) {
  const uint64_t pixels = uint64_t{static_cast<uint32_t>(width > 0 ? width : 0)} *
                          static_cast<uint32_t>(height > 0 ? height : 0);
  if (!CanAllocate(pixels * sizeof(uint32_t))) return nullptr;
  return std::make_unique<PixelBitmap>(width, height);
}

}  // namespace ui
