// Pixel values of the 32-bit buffers the background gradient is painted into. A ui::Color keeps
// its components as 0x00BBGGRR while PixelBitmap pixels are 0x00RRGGBB (GDI DIB order), so every
// colour passes through here on its way into a bitmap.
#pragma once

#include <cstdint>

#include "ui/color.h"

namespace player {

// The three components of an RGB colour as plain ints, for ramp arithmetic that may go negative.
struct RgbComponents {
  int32_t r = 0;
  int32_t g = 0;
  int32_t b = 0;
  friend bool operator==(const RgbComponents&, const RgbComponents&) = default;
};

constexpr uint32_t PixelOf(uint8_t r, uint8_t g, uint8_t b) {
  return (static_cast<uint32_t>(r) << 16) | (static_cast<uint32_t>(g) << 8) | b;
}

// `rgb` must already be resolved (no system colour); its top byte is ignored.
constexpr uint32_t PixelFromColor(ui::Color rgb) {
  return PixelOf(ui::RedOf(rgb), ui::GreenOf(rgb), ui::BlueOf(rgb));
}

constexpr RgbComponents ComponentsOf(ui::Color rgb) {
  return {ui::RedOf(rgb), ui::GreenOf(rgb), ui::BlueOf(rgb)};
}

}  // namespace player
