// Drawing helpers built on the canvas primitives.
#include "ui/canvas.h"

namespace ui {

void DrawFrame3D(Canvas& canvas, Rect rect, Color top_left, Color bottom_right, int32_t width) {
  for (int32_t i = 0; i < width && rect.Width() > 0 && rect.Height() > 0; ++i) {
    canvas.FillRect({rect.left, rect.top, rect.right - 1, rect.top + 1}, top_left);
    canvas.FillRect({rect.left, rect.top, rect.left + 1, rect.bottom - 1}, top_left);
    canvas.FillRect({rect.right - 1, rect.top, rect.right, rect.bottom}, bottom_right);
    canvas.FillRect({rect.left, rect.bottom - 1, rect.right, rect.bottom}, bottom_right);
    rect = rect.Inflated(-1);
  }
}

}  // namespace ui
