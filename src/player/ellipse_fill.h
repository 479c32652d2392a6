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

#include <cstdint>

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

// Paints the ellipse of `box` in one colour, clipped by the canvas.
void FillEllipse(ClippedCanvas& canvas, const ui::Rect& box, uint32_t pixel);

}  // namespace player
