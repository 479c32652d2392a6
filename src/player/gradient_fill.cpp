// The integer-ramp gradient styles (bands, rings, corner rings) and the choice of style.
#include "player/gradient_fill.h"

#include <algorithm>
#include <utility>
#include <vector>

#include "player/clipped_canvas.h"
#include "player/pixel_value.h"
#include "player/radial_gradient.h"

namespace player {
namespace {

// Colour index i of a ramp with divisor N: per component start + i * (end - start) / N, the
// quotient truncated toward zero as C++ integer division does. One colour per band or ring, never
// per pixel.
class Ramp {
 public:
  Ramp(RgbComponents start, RgbComponents end, int64_t divisor)
      : start_(start), end_(end), divisor_(divisor) {}

  uint32_t Pixel(int64_t index) const {
    return PixelOf(Component(start_.r, end_.r, index), Component(start_.g, end_.g, index),
                   Component(start_.b, end_.b, index));
  }

 private:
  uint8_t Component(int32_t start, int32_t end, int64_t index) const {
    // Only a one-pixel ring has N = 0; its single index 0 is the start colour.
    if (divisor_ == 0) return static_cast<uint8_t>(start);
    return static_cast<uint8_t>(start + index * (end - start) / divisor_);
  }

  RgbComponents start_;
  RgbComponents end_;
  int64_t divisor_;
};

// The fill rectangle widened to 64 bits, so that edges such as left + Wf cannot overflow.
struct Frame {
  int64_t left;
  int64_t top;
  int64_t right;
  int64_t bottom;
  int64_t Width() const { return right - left; }
  int64_t Height() const { return bottom - top; }
};

// Styles 0..3: up to 256 bands, colour index 0 at the far (bottom or right) edge.
void FillBands(ClippedCanvas& canvas, const Frame& frame, RgbComponents start, RgbComponents end,
               bool stacked) {
  const int64_t size = stacked ? frame.Height() : frame.Width();
  const int64_t times = std::min<int64_t>(size, 256);
  if (times - 1 <= 0) return;
  const Ramp ramp(start, end, times - 1);
  const int64_t first_row = canvas.Clip().top;
  int64_t p0 = 0;
  for (int64_t t = 0; t < times; ++t) {
    const int64_t p1 = (t + 1) * size / times;
    if (stacked) {
      canvas.FillRect(frame.left, frame.bottom - p1, frame.right, frame.bottom - p0, ramp.Pixel(t));
    } else {
      canvas.FillSpan(first_row, frame.right - p1, frame.right - p0, ramp.Pixel(t));
    }
    p0 = p1;
  }
  // Side-by-side bands run the full height, so every other row is a copy of the first; copying
  // whole rows keeps the writes sequential.
  if (!stacked) canvas.CopyRow(first_row, first_row + 1, canvas.Clip().bottom);
}

// Style 4: one-pixel rings from the border inwards, later rings overwriting earlier ones. Step s
// = 0 .. L (L = max(Hw, Hh) - 1, or 0), with c = min(s, Hh) and d = min(s, Hw), paints in colour
// index c + d columns d and Wf-1-d over rows c .. Hf-c, then rows c and Hf-1-c over columns
// d .. Wf-d. The painting goes row by row so that no strided column strips are needed.
//
// Replays the steps on the single row y, in their order.
void ReplayRingsOnRow(ClippedCanvas& canvas, const Frame& frame, const Ramp& ramp, int64_t y) {
  const int64_t height = frame.Height();
  const int64_t half_width = frame.Width() / 2;
  const int64_t half_height = height / 2;
  const int64_t last = std::max<int64_t>(std::max(half_width, half_height) - 1, 0);
  const int64_t dy = y - frame.top;
  for (int64_t s = 0; s <= last; ++s) {
    const int64_t c = std::min(s, half_height);
    const int64_t d = std::min(s, half_width);
    const uint32_t pixel = ramp.Pixel(c + d);
    if (c <= dy && dy < height - c) {
      canvas.FillSpan(y, frame.left + d, frame.left + d + 1, pixel);
      canvas.FillSpan(y, frame.right - d - 1, frame.right - d, pixel);
    }
    if (dy == c || dy == height - 1 - c) canvas.FillSpan(y, frame.left + d, frame.right - d, pixel);
  }
}

void FillRings(ClippedCanvas& canvas, const Frame& frame, RgbComponents start, RgbComponents end) {
  const int64_t half_width = frame.Width() / 2;
  const int64_t half_height = frame.Height() / 2;
  const Ramp ramp(start, end, half_width + half_height);
  const ui::Rect& clip = canvas.Clip();
  // A row at distance e < Hh - 1 from its nearer edge meets the column strips of steps 0 .. e
  // and, last of all, the row strip of step e. The column strips' pixels accumulate in one
  // buffer as e grows; each such row is that buffer with the row strip on top.
  std::vector<uint32_t> column_strips(static_cast<size_t>(clip.right - clip.left));
  const auto put = [&](int64_t x, uint32_t pixel) {
    if (x >= clip.left && x < clip.right) column_strips[static_cast<size_t>(x - clip.left)] = pixel;
  };
  for (int64_t e = 0; e < half_height - 1; ++e) {
    const int64_t d = std::min(e, half_width);
    const uint32_t pixel = ramp.Pixel(e + d);
    put(frame.left + d, pixel);
    put(frame.right - d - 1, pixel);
    for (const int64_t y : {frame.top + e, frame.bottom - 1 - e}) {
      canvas.CopySpan(y, clip.left, frame.left + d, column_strips.data());
      canvas.FillSpan(y, frame.left + d, frame.right - d, pixel);
      canvas.CopySpan(y, frame.right - d, clip.right, column_strips.data());
    }
  }
  // The middle two or three rows are repainted by every later step; they replay the steps.
  const int64_t outer = std::max<int64_t>(half_height - 1, 0);
  for (int64_t y = std::max<int64_t>(frame.top + outer, clip.top);
       y < std::min<int64_t>(frame.bottom - outer, clip.bottom); ++y) {
    ReplayRingsOnRow(canvas, frame, ramp, y);
  }
}

// Styles 5 and 6: quarter rings around the top-left or bottom-left corner. Step s (i = min(s, Wf),
// j = min(s, Hf)) paints column i over the row distances below j (counted from the corner's row),
// then, while s < Hf, row distance s over the columns up to i, both in colour index i + j. So the
// pixel at column distance dx and row distance dy is painted exactly once: by row step dy when
// dx <= dy, else by column step dx. Painted row by row, each row is one span in its row step's
// colour followed by the column steps' colours, which are the same in every row.
void FillCornerRings(ClippedCanvas& canvas, const Frame& frame, RgbComponents start,
                     RgbComponents end, bool from_top) {
  const int64_t width = frame.Width();
  const int64_t height = frame.Height();
  const Ramp ramp(start, end, width + height);
  const ui::Rect& clip = canvas.Clip();
  std::vector<uint32_t> column_steps(static_cast<size_t>(clip.right - clip.left));
  for (int64_t x = clip.left; x < clip.right; ++x) {
    const int64_t dx = x - frame.left;
    column_steps[static_cast<size_t>(x - clip.left)] = ramp.Pixel(dx + std::min(dx, height));
  }
  for (int64_t y = clip.top; y < clip.bottom; ++y) {
    const int64_t dy = from_top ? y - frame.top : frame.bottom - 1 - y;
    const int64_t split = frame.left + dy + 1;  // first column left to the column steps
    canvas.FillSpan(y, frame.left, split, ramp.Pixel(std::min(dy, width) + dy));
    canvas.CopySpan(y, split, frame.right, column_steps.data());
  }
}

}  // namespace

ui::Color ResolveColor(ui::Color color, SystemColorLookup lookup) {
  if (ui::IsSystemColor(color)) color = lookup ? lookup(ui::SystemColorIndex(color)) : 0;
  return color & 0x00FFFFFFu;
}

void GradientFill(ui::PixelBitmap& target, ui::Rect rect, ui::Color start, ui::Color end,
                  uint8_t style, SystemColorLookup lookup) {
  // Either corner may come first; the rectangle is the same.
  if (rect.right < rect.left) std::swap(rect.left, rect.right);
  if (rect.bottom < rect.top) std::swap(rect.top, rect.bottom);
  const Frame frame{rect.left, rect.top, rect.right, rect.bottom};
  if (style > core::kGradientRadial || frame.Width() <= 0 || frame.Height() <= 0) return;
  ClippedCanvas canvas(target, rect);
  if (canvas.Empty()) return;
  const RgbComponents back = ComponentsOf(ResolveColor(start, lookup));
  const RgbComponents gradient = ComponentsOf(ResolveColor(end, lookup));
  // Styles 1, 3, 4, 5 and 6 run their ramp from GradientColor to BackColor.
  switch (style) {
    case core::kGradientTopBottom:
      return FillBands(canvas, frame, back, gradient, true);
    case core::kGradientBottomTop:
      return FillBands(canvas, frame, gradient, back, true);
    case core::kGradientLeftRight:
      return FillBands(canvas, frame, back, gradient, false);
    case core::kGradientRightLeft:
      return FillBands(canvas, frame, gradient, back, false);
    case core::kGradientFromCenter:
      return FillRings(canvas, frame, gradient, back);
    case core::kGradientFromTopLeft:
      return FillCornerRings(canvas, frame, gradient, back, true);
    case core::kGradientFromBottomLeft:
      return FillCornerRings(canvas, frame, gradient, back, false);
    case core::kGradientRadial:
      return FillRadial(target, canvas.Clip(), rect, back, gradient);
  }
}

}  // namespace player
