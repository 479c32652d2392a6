// A drawing surface for the tests: a 32-bpp top-down DIB section selected into a memory device
// context, whose pixels can be read back after GDI has drawn into it.
#pragma once

#include <windows.h>
#include <gtest/gtest.h>

#include <cstdint>
#include <ostream>

#include "ui/geometry.h"
#include "ui/win32/dib_surface.h"

namespace ui {
// Readable sizes in the tests' failure messages.
inline void PrintTo(const Size& size, std::ostream* out) {
  *out << size.width << "x" << size.height;
}
}  // namespace ui

namespace win32_tests {

class Canvas {
 public:
  Canvas(int width, int height, uint32_t fill);
  Canvas(const Canvas&) = delete;
  Canvas& operator=(const Canvas&) = delete;

  HDC Dc() const { return surface_.Dc(); }
  int Width() const { return surface_.GetSize().width; }
  int Height() const { return surface_.GetSize().height; }
  void Fill(uint32_t colour) { surface_.Fill(colour); }
  // The pixel as 0x00RRGGBB, once GDI has finished drawing.
  uint32_t At(int x, int y) const { return surface_.PixelAt(x, y); }
  bool SamePixels(const Canvas& other) const;

 private:
  ui::win32::DibSurface surface_;
};

// Each of red, green and blue within tolerance of the expected colour (lossy JPEG).
testing::AssertionResult ColourNear(uint32_t actual, uint32_t expected, int tolerance);

}  // namespace win32_tests
