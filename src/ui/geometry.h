// Plain value types for positions and sizes in pixels, shared by the portable toolkit and the
// Win32 shell. Rectangles are left/top inclusive, right/bottom exclusive, as in GDI.
#pragma once

#include <algorithm>
#include <cstdint>
#include <limits>

namespace ui {

struct Point {
  int32_t x = 0;
  int32_t y = 0;
  friend bool operator==(const Point&, const Point&) = default;
};

struct Size {
  int32_t width = 0;
  int32_t height = 0;
  friend bool operator==(const Size&, const Size&) = default;
};

struct Rect {
  int32_t left = 0;
  int32_t top = 0;
  int32_t right = 0;
  int32_t bottom = 0;

  // Positions and sizes come from project files unchecked, so the far edges saturate instead of
  // overflowing.
  static Rect FromBounds(int32_t left, int32_t top, int32_t width, int32_t height) {
    return {left, top, Saturate(int64_t{left} + width), Saturate(int64_t{top} + height)};
  }
  static constexpr int32_t Saturate(int64_t value) {
    return static_cast<int32_t>(std::clamp<int64_t>(value, std::numeric_limits<int32_t>::min(),
                                                    std::numeric_limits<int32_t>::max()));
  }
  int32_t Width() const { return Saturate(int64_t{right} - left); }
  int32_t Height() const { return Saturate(int64_t{bottom} - top); }
  bool Contains(Point p) const { return p.x >= left && p.x < right && p.y >= top && p.y < bottom; }
  // Saturating: a panel's border and bevel widths reach here unchecked from the author.
  Rect Inflated(int32_t by) const {
    return {Saturate(int64_t{left} - by), Saturate(int64_t{top} - by),
            Saturate(int64_t{right} + by), Saturate(int64_t{bottom} + by)};
  }
  friend bool operator==(const Rect&, const Rect&) = default;
};

// The top-left corner of a window of `size` centred over `over`, moved into `room` (a screen's
// work area) as far as it fits; one larger than the room keeps its top-left corner, and so its
// title bar, inside.
inline Point CentredOver(const Rect& over, Size size, const Rect& room) {
  const auto place = [](int32_t low, int32_t high, int32_t length, int32_t room_low,
                        int32_t room_high) {
    const int64_t centred = (int64_t{low} + high - length) / 2;
    return Rect::Saturate(
        std::max(std::min(centred, int64_t{room_high} - length), int64_t{room_low}));
  };
  return {place(over.left, over.right, size.width, room.left, room.right),
          place(over.top, over.bottom, size.height, room.top, room.bottom)};
}

}  // namespace ui
