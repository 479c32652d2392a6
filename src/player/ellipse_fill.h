// The filled ellipse without outline of the radial background gradient, painted row by row.
//
// Pixel set for a bounding box of w x h pixels (left/top inclusive, right/bottom exclusive):
// a pixel belongs to the ellipse when its centre lies inside or on the ellipse inscribed in the
// box, or when it lies in the centre row(s) or centre column(s) of the box (one when the size is
// odd, two when even). The centre cross keeps thin ellipses from losing their ends, so that, as
// with GDI's ellipses, every row and every column of a non-empty box is touched. The set is
// symmetric about both centre lines, each row is one unbroken span, it is decided with exact
// integer arithmetic (identical everywhere), and an empty box paints nothing.
#pragma once

#include <algorithm>
#include <cstdint>
#include <cstring>

#include "player/clipped_canvas.h"
#include "ui/geometry.h"

namespace player {

struct Span {
  int64_t begin = 0;
  int64_t end = 0;  // exclusive
  bool Empty() const { return begin >= end; }
  friend bool operator==(const Span&, const Span&) = default;
};

// The rows of the ellipse of `box` one at a time. Any row may be asked for in any order; asked
// for consecutively, each row starts its search from the previous row's edge, which is cheaper
// than a square root per row.
class EllipseRows {
 public:
  explicit EllipseRows(const ui::Rect& box);
  // The columns of row y that belong to the ellipse; empty outside the box.
  Span Row(int64_t y);

 private:
  ui::Rect box_;
  int64_t width_;
  int64_t height_;
  int64_t last_edge_ = -1;  // the previous row's X (see ellipse_fill.cpp), -1 before any
};

// The columns of row y that belong to the ellipse of `box`; empty outside the box.
inline Span EllipseRowSpan(const ui::Rect& box, int64_t y) {
  return EllipseRows(box).Row(y);
}

// Boxes with both sides below this may have their rows estimated by EstimatedReach.
constexpr int32_t kEstimatedSide = 0x2000;

// How far the row of Y (|Y| >= 2) of the ellipse of a box w wide and h high, both below
// kEstimatedSide, reaches beyond the centre column(s), in column pairs: with the edge X = 2j + p
// (p = (w + 1) & 1, see ellipse_fill.cpp), the row spans [left + (w - 1 - p) / 2 - j,
// left + (w + 1 + p) / 2 + j). `scale` is 256 w / h rounded to single precision and `room` is
// h^2 - Y^2. Returns j when a single-precision estimate of the edge can tell it; else -1 - W,
// the edge's whole part being W or W - 1, for ResolvedReach to decide. Plain arithmetic without
// branches or library calls, so that a loop over many ellipses runs four at a time.
//
// The estimate of 256 X is scale * room / sqrt(room), the reciprocal square root from a guess
// read off the bits of room (within 3.5%) and three Newton steps, each of which squares the
// relative error: what is left are the roundings, some eight of 2^-24 of the value at most, so
// less than 2^-21 of it, and 256 X is below 2^21. The estimate thus lies within one 256th of a
// column of the true edge, and when it lies two 256ths or more from a whole column, the whole
// column below it is the one below the true edge.
inline int32_t EstimatedReach(float scale, int32_t room, int32_t parity) {
  const float x = static_cast<float>(room);
  int32_t bits;
  std::memcpy(&bits, &x, sizeof bits);
  bits = 0x5f3759df - (bits >> 1);
  float y;
  std::memcpy(&y, &bits, sizeof y);
  const float half_x = 0.5f * x;
  y = y * (1.5f - half_x * y * y);
  y = y * (1.5f - half_x * y * y);
  y = y * (1.5f - half_x * y * y);
  const int32_t edge = static_cast<int32_t>(scale * (x * y));  // 256 X, truncated
  const int32_t reach = ((edge >> 8) - parity) >> 1;           // -1 for X below p
  const int32_t unsure = -static_cast<int32_t>(static_cast<uint32_t>((edge & 255) - 2) >= 252u);
  return (reach & ~(reach >> 31) & ~unsure) | ((-1 - ((edge + 2) >> 8)) & unsure);
}

// The reach when EstimatedReach answered `estimate` < 0, for the same box and row: one exact
// test in integers, whether column W lies inside, X^2 h^2 <= w^2 (h^2 - Y^2).
inline int32_t ResolvedReach(int32_t estimate, int64_t width, int64_t height, int64_t room,
                             int32_t parity) {
  const int64_t W = -1 - int64_t{estimate};
  const int64_t whole = W * W * height * height <= width * width * room ? W : W - 1;
  const int64_t reach = (whole - ((whole - parity) & 1) - parity) >> 1;
  return static_cast<int32_t>(std::max<int64_t>(reach, 0));
}

// Paints the ellipse of `box` in one colour, clipped by the canvas.
void FillEllipse(ClippedCanvas& canvas, const ui::Rect& box, uint32_t pixel);

}  // namespace player
