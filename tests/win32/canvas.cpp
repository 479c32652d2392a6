// The tests' drawing surface.
#include "canvas.h"

#include <cstdio>
#include <cstdlib>

namespace win32_tests {

Canvas::Canvas(int width, int height, uint32_t fill)
    : width_(width), height_(height), dc_(::CreateCompatibleDC(nullptr)) {
  BITMAPINFO info{};
  info.bmiHeader.biSize = sizeof info.bmiHeader;
  info.bmiHeader.biWidth = width;
  info.bmiHeader.biHeight = -height;
  info.bmiHeader.biPlanes = 1;
  info.bmiHeader.biBitCount = 32;
  info.bmiHeader.biCompression = BI_RGB;
  void* bits = nullptr;
  bitmap_.Reset(::CreateDIBSection(nullptr, &info, DIB_RGB_COLORS, &bits, nullptr, 0));
  bits_ = static_cast<uint32_t*>(bits);
  if (!bitmap_ || !dc_ || bits_ == nullptr) std::abort();  // no surface: nothing can be tested
  select_.emplace(dc_.Get(), bitmap_.Get());
  Fill(fill);
}

void Canvas::Fill(uint32_t colour) {
  ::GdiFlush();
  for (int i = 0; i < width_ * height_; ++i) bits_[i] = colour;
}

uint32_t Canvas::At(int x, int y) const {
  ::GdiFlush();
  return bits_[y * width_ + x] & 0x00FFFFFFu;
}

bool Canvas::SamePixels(const Canvas& other) const {
  ::GdiFlush();
  if (width_ != other.width_ || height_ != other.height_) return false;
  for (int y = 0; y < height_; ++y) {
    for (int x = 0; x < width_; ++x) {
      if (At(x, y) != other.At(x, y)) return false;
    }
  }
  return true;
}

testing::AssertionResult ColourNear(uint32_t actual, uint32_t expected, int tolerance) {
  for (int shift : {16, 8, 0}) {
    const int a = static_cast<int>((actual >> shift) & 0xFF);
    const int e = static_cast<int>((expected >> shift) & 0xFF);
    if (std::abs(a - e) > tolerance) {
      char text[96];
      std::snprintf(text, sizeof text, "%06X is not within %d of %06X",
                    static_cast<unsigned>(actual), tolerance, static_cast<unsigned>(expected));
      return testing::AssertionFailure() << text;
    }
  }
  return testing::AssertionSuccess();
}

}  // namespace win32_tests
