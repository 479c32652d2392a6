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
#include <cmath>
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
// left + (w + 1 + p) / 2 + j). `scale` is 256 w / h and `room` is h^2 - Y^2, each rounded to single
// precision; (h - Y) (h + Y) in single precision is that room, as both factors are exact.
//
// EstimatedEdge estimates 256 X as scale * sqrt(room). The roundings of room, its square root,
// the product and scale (each to single precision, or finer, as x87 does) leave it within 3.51 of
// 2^-24 of the value, and 256 X is below 2^21, so the estimate lies within 0.44 of a 256th of a
// column of the true edge. When it lies a 256th or more from a whole column (not EdgeIsUnsure),
// the whole column below it is the one below the true edge. Plain arithmetic without branches, so
// that a loop over many ellipses runs four at a time (built without errno, the square root is one
// instruction).
inline int32_t EstimatedEdge(float scale, float room) {
  return static_cast<int32_t>(scale * std::sqrt(room));
}

// All bits set when EstimatedEdge's `edge` (its estimate rounded down) lies less than a 256th
// from a whole column, so that the column below the true edge may be another, else 0.
inline int32_t EdgeIsUnsure(int32_t edge) {
  return -static_cast<int32_t>(((edge + 1) & 255) < 2);
}

// The reach when the edge is not unsure.
inline int32_t ReachOfEdge(int32_t edge, int32_t parity) {
  return std::max(((edge >> 8) - parity) >> 1, 0);  // below 0 for X below p
}

// The reach j when the estimate tells it; else -1 - W, the edge's whole part being W or W - 1,
// for ResolvedReach to decide.
inline int32_t EstimatedReach(float scale, float room, int32_t parity) {
  const int32_t edge = EstimatedEdge(scale, room);
  return EdgeIsUnsure(edge) ? -1 - ((edge + 1) >> 8) : ReachOfEdge(edge, parity);
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
