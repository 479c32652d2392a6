// Clipped fills and row copies over PixelBitmap rows.
#include "player/clipped_canvas.h"

#include <algorithm>

namespace player {

ClippedCanvas::ClippedCanvas(ui::PixelBitmap& target, const ui::Rect& clip) : target_(target) {
  clip_ = {std::max(clip.left, 0), std::max(clip.top, 0), std::min(clip.right, target.Width()),
           std::min(clip.bottom, target.Height())};
  if (Empty()) clip_ = {};
}

void ClippedCanvas::FillRect(int64_t left, int64_t top, int64_t right, int64_t bottom,
                             uint32_t pixel) {
  top = std::max<int64_t>(top, clip_.top);
  bottom = std::min<int64_t>(bottom, clip_.bottom);
  for (int64_t y = top; y < bottom; ++y) FillSpan(y, left, right, pixel);
}

void ClippedCanvas::CopySpan(int64_t y, int64_t x0, int64_t x1, const uint32_t* clip_row) {
  if (y < clip_.top || y >= clip_.bottom) return;
  x0 = std::max<int64_t>(x0, clip_.left);
  x1 = std::min<int64_t>(x1, clip_.right);
  if (x0 >= x1) return;
  std::copy(clip_row + (x0 - clip_.left), clip_row + (x1 - clip_.left),
            target_.Row(static_cast<int32_t>(y)) + x0);
}

void ClippedCanvas::CopyRow(int64_t from, int64_t y0, int64_t y1) {
  if (from < clip_.top || from >= clip_.bottom) return;
  const uint32_t* source = target_.Row(static_cast<int32_t>(from));
  y0 = std::max<int64_t>(y0, clip_.top);
  y1 = std::min<int64_t>(y1, clip_.bottom);
  for (int64_t y = y0; y < y1; ++y) {
    if (y == from) continue;  // std::copy must not write onto its own source
    std::copy(source + clip_.left, source + clip_.right,
              target_.Row(static_cast<int32_t>(y)) + clip_.left);
  }
}

}  // namespace player
