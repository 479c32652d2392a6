// Painting into a PixelBitmap limited to a clip rectangle: solid row spans and rectangles, each a
// std::fill over row spans, and copies of prepared rows. Coordinates are 64-bit so that callers can
// pass edges derived from far-out rectangles without overflow; whatever lies outside the clip is
// simply not painted.
#pragma once

#include <algorithm>
#include <cstdint>

#include "ui/geometry.h"
#include "ui/pixel_bitmap.h"

namespace player {

class ClippedCanvas {
 public:
  // Painting is limited to `clip` intersected with the bitmap.
  ClippedCanvas(ui::PixelBitmap& target, const ui::Rect& clip);

  const ui::Rect& Clip() const { return clip_; }
  bool Empty() const { return clip_.left >= clip_.right || clip_.top >= clip_.bottom; }

  // Row y, columns x0 .. x1 (exclusive). Inline: the radial style paints many short spans.
  void FillSpan(int64_t y, int64_t x0, int64_t x1, uint32_t pixel) {
    if (y < clip_.top || y >= clip_.bottom) return;
    x0 = std::max<int64_t>(x0, clip_.left);
    x1 = std::min<int64_t>(x1, clip_.right);
    if (x0 >= x1) return;
    uint32_t* row = target_.Row(static_cast<int32_t>(y));
    std::fill(row + x0, row + x1, pixel);
  }
  // Columns left .. right and rows top .. bottom (both exclusive at the far end).
  void FillRect(int64_t left, int64_t top, int64_t right, int64_t bottom, uint32_t pixel);
  // Row y, columns x0 .. x1 (exclusive), from `clip_row`, which holds one pixel for each column
  // of the clip starting at Clip().left.
  void CopySpan(int64_t y, int64_t x0, int64_t x1, const uint32_t* clip_row);
  // Copies the clipped part of row `from` (inside the clip) into rows y0 .. y1 (exclusive).
  void CopyRow(int64_t from, int64_t y0, int64_t y1);

 private:
  ui::PixelBitmap& target_;
  ui::Rect clip_;
};

}  // namespace player
