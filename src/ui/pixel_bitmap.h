// The one pixel format of the toolkit: a top-down 32-bit buffer, each pixel 0x00RRGGBB as GDI's
// 32-bpp DIB sections hold it, so the Win32 side can share it without conversion.
#pragma once

#include <cstddef>
#include <cstdint>
#include <memory>
#include <vector>

#include "ui/geometry.h"

namespace ui {

class PixelBitmap {
 public:
  PixelBitmap() = default;
  PixelBitmap(int32_t width, int32_t height, uint32_t fill = 0);
  // A bitmap for a picture read from a file: null when memory for its pixels cannot be had now,
  // so that a picture too large for the memory left is dropped and the program goes on.
  static std::unique_ptr<PixelBitmap> Make(int32_t width, int32_t height);

  // A picture with see-through parts (PNG, GIF) keeps its alpha, premultiplied, in each pixel's
  // top byte; every other picture leaves that byte zero.
  bool HasAlpha() const { return has_alpha_; }
  void SetHasAlpha(bool on) { has_alpha_ = on; }

  int32_t Width() const { return width_; }
  int32_t Height() const { return height_; }
  bool Empty() const { return width_ <= 0 || height_ <= 0; }

  uint32_t At(int32_t x, int32_t y) const { return pixels_[Index(x, y)]; }
  void Set(int32_t x, int32_t y, uint32_t value) { pixels_[Index(x, y)] = value; }
  uint32_t* Row(int32_t y) { return pixels_.data() + static_cast<std::size_t>(y) * width_; }
  const uint32_t* Row(int32_t y) const {
    return pixels_.data() + static_cast<std::size_t>(y) * width_;
  }

  friend bool operator==(const PixelBitmap&, const PixelBitmap&) = default;

 private:
  std::size_t Index(int32_t x, int32_t y) const { return static_cast<std::size_t>(y) * width_ + x; }

  int32_t width_ = 0;
  int32_t height_ = 0;
  bool has_alpha_ = false;
  std::vector<uint32_t> pixels_;
};

}  // namespace ui
