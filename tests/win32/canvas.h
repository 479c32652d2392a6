// A drawing surface for the tests: a 32-bpp top-down DIB section selected into a memory device
// context, whose pixels can be read back after GDI has drawn into it.
#pragma once

#include <windows.h>
#include <gtest/gtest.h>

#include <cstdint>
#include <optional>
#include <ostream>

#include "ui/geometry.h"
#include "ui/win32/gdi.h"

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

  HDC Dc() const { return dc_.Get(); }
  int Width() const { return width_; }
  int Height() const { return height_; }
  void Fill(uint32_t colour);
  // The pixel as 0x00RRGGBB, once GDI has finished drawing.
  uint32_t At(int x, int y) const;
  bool SamePixels(const Canvas& other) const;

 private:
  int width_;
  int height_;
  uint32_t* bits_ = nullptr;
  ui::win32::GdiObject<HBITMAP> bitmap_;
  ui::win32::MemoryDc dc_;
  std::optional<ui::win32::SelectGuard> select_;  // last, so the bitmap is put back first
};

// Each of red, green and blue within tolerance of the expected colour (lossy JPEG).
testing::AssertionResult ColourNear(uint32_t actual, uint32_t expected, int tolerance);

}  // namespace win32_tests
