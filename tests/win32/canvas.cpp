// The tests' drawing surface.
#include "canvas.h"

#include <cstdio>
#include <cstdlib>

namespace win32_tests {

Canvas::Canvas(int width, int height, uint32_t fill) {
  if (!surface_.Resize({width, height})) std::abort();  // no surface: nothing can be tested
  Fill(fill);
}

bool Canvas::SamePixels(const Canvas& other) const {
  if (Width() != other.Width() || Height() != other.Height()) return false;
  for (int y = 0; y < Height(); ++y) {
    for (int x = 0; x < Width(); ++x) {
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
