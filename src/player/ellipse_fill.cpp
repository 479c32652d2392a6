// Scanline spans of the filled ellipse, decided exactly in integers.
//
// With X = 2x + 1 - (left + right) and Y = 2y + 1 - (top + bottom) (twice the offset of the pixel
// centre from the box centre), a pixel centre is inside or on the ellipse when
// X^2 h^2 + Y^2 w^2 <= w^2 h^2, i.e. X^2 h^2 <= w^2 (h^2 - Y^2). Box sides reach 2^32 - 1, so for
// boxes with a side of 2^16 or more both sides of that comparison are 128-bit products, formed
// from 32-bit halves; smaller boxes stay in 64 bits.
#include "player/ellipse_fill.h"

#include <algorithm>
#include <cmath>

namespace player {
namespace {

struct Wide {
  uint64_t high;
  uint64_t low;
};

Wide Multiply(uint64_t a, uint64_t b) {
  const uint64_t a_low = a & 0xFFFFFFFFu, a_high = a >> 32;
  const uint64_t b_low = b & 0xFFFFFFFFu, b_high = b >> 32;
  const uint64_t low_low = a_low * b_low;
  const uint64_t low_high = a_low * b_high;
  const uint64_t high_low = a_high * b_low;
  const uint64_t middle = (low_low >> 32) + (low_high & 0xFFFFFFFFu) + (high_low & 0xFFFFFFFFu);
  return {a_high * b_high + (low_high >> 32) + (high_low >> 32) + (middle >> 32),
          (middle << 32) | (low_low & 0xFFFFFFFFu)};
}

bool NotAbove(Wide a, Wide b) {
  return a.high < b.high || (a.high == b.high && a.low <= b.low);
}

// Moves X (of the right parity) to the largest value up to w - 1 that is inside; below 0 when
// none is.
template <typename Inside>
int64_t Refine(int64_t X, int64_t w, Inside inside) {
  while (X + 2 <= w - 1 && inside(static_cast<uint64_t>(X + 2))) X += 2;
  while (X >= 0 && !inside(static_cast<uint64_t>(X))) X -= 2;
  return X;
}

}  // namespace

EllipseRows::EllipseRows(const ui::Rect& box)
    : box_(box), width_(int64_t{box.right} - box.left), height_(int64_t{box.bottom} - box.top) {}

Span EllipseRows::Row(int64_t y) {
  const int64_t w = width_, h = height_;
  if (w <= 0 || h <= 0 || y < box_.top || y >= box_.bottom) return {};
  const int64_t Y = 2 * (y - box_.top) + 1 - h;
  if (Y >= -1 && Y <= 1) return {box_.left, box_.right};  // a centre row spans the whole box

  // Largest X >= 0 of the right parity (X is odd exactly when w is even) inside the ellipse.
  const uint64_t uw = static_cast<uint64_t>(w), uh = static_cast<uint64_t>(h);
  const uint64_t uy = static_cast<uint64_t>(Y < 0 ? -Y : Y);
  const uint64_t room = uh * uh - uy * uy;  // h^2 - Y^2 > 0 inside the box
  const int64_t parity = (w + 1) & 1;
  const bool narrow = uw < 0x10000 && uh < 0x10000;  // both sides of the test stay below 2^64
  int64_t X = last_edge_;
  if (X < 0 || !narrow) {
    // A floating-point estimate only chooses where to start; the exact test decides. Wide
    // boxes always take it, as their edge can move by a great many pixels from row to row.
    const double estimate =
        static_cast<double>(w) * std::sqrt(static_cast<double>(room)) / static_cast<double>(h);
    X = std::clamp<int64_t>(static_cast<int64_t>(estimate), 0, w - 1);
    if ((X & 1) != parity) --X;
  }
  if (narrow) {
    const uint64_t limit = uw * uw * room, h_squared = uh * uh;
    X = Refine(X, w, [&](uint64_t x) { return x * x * h_squared <= limit; });
  } else {
    const Wide limit = Multiply(uw * uw, room);
    X = Refine(X, w, [&](uint64_t x) { return NotAbove(Multiply(x * x, uh * uh), limit); });
  }
  X = std::max(X, parity);  // the centre column(s) always belong
  last_edge_ = X;
  return {box_.left + (w - 1 - X) / 2, box_.left + (w - 1 + X) / 2 + 1};
}

void FillEllipse(ClippedCanvas& canvas, const ui::Rect& box, uint32_t pixel) {
  const ui::Rect& clip = canvas.Clip();
  const int64_t top = std::max(box.top, clip.top);
  const int64_t bottom = std::min(box.bottom, clip.bottom);
  EllipseRows rows(box);
  for (int64_t y = top; y < bottom; ++y) {
    const Span span = rows.Row(y);
    canvas.FillSpan(y, span.begin, span.end, pixel);
  }
}

}  // namespace player
