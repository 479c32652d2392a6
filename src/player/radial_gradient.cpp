// The radial gradient: ellipse boxes and colours from double arithmetic as the style defines
// them, then each row painted once (see RadialPainter). Painting the up to 256 ellipses one over
// another would write every middle pixel about a hundred times; instead each row takes the spans
// of the ellipses that reach it and, when they nest (they do whenever the ellipses share their
// centre), paints only the ring each ellipse leaves around the next smaller one, so every pixel
// once. Rows whose spans do not nest are painted ellipse over ellipse, which gives the same
// pixels. Where the ellipses share their middle, half a row is the mirror image of the other half
// and the rows below the middle are copies of the rows above.
#include "player/radial_gradient.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <limits>

#include "player/radial_painter.h"
#include "player/x87_precision.h"

namespace player {
namespace {

constexpr int kMaxSteps = 256;  // t runs from at most 255 down to 0

struct Step {
  ui::Rect box;
  uint32_t pixel;
};

int32_t ToCoordinate(double rounded) {
  return static_cast<int32_t>(std::clamp<double>(rounded, std::numeric_limits<int32_t>::min(),
                                                 std::numeric_limits<int32_t>::max()));
}

uint8_t StepComponent(int32_t start, double t, double delta) {
  // Taken modulo 256, as the conversion to uint8_t does.
  return static_cast<uint8_t>(start + static_cast<int32_t>(RoundHalfEven(t * delta)));
}

// The ellipses in painting order, largest first; returns how many. Kept out of line so that all
// of its floating point runs inside the caller's DoubleRoundingScope.
[[gnu::noinline]] int PlanSteps(const ui::Rect& rect, RgbComponents start, RgbComponents end,
                                std::array<Step, kMaxSteps>& steps) {
  const int64_t width = int64_t{rect.right} - rect.left;
  const int64_t height = int64_t{rect.bottom} - rect.top;
  int64_t times = std::min<int64_t>(255, std::max(width, height));
  const double inv = 1.0 / static_cast<double>(times);
  const double delta_r = static_cast<double>(end.r - start.r) * inv;
  const double delta_g = static_cast<double>(end.g - start.g) * inv;
  const double delta_b = static_cast<double>(end.b - start.b) * inv;
  const double rx = static_cast<double>(width) * 0.5 * inv;
  const double ry = static_cast<double>(height) * 0.5 * inv;
  if (width % 2 != 0 || height % 2 != 0) --times;
  const double cx = 1.0 + static_cast<double>(int64_t{rect.left} + rect.right) * 0.5;
  const double cy = 1.0 + static_cast<double>(int64_t{rect.top} + rect.bottom) * 0.5;
  int count = 0;
  for (int64_t step = times; step >= 0; --step) {
    const double t = static_cast<double>(step);
    steps[count++] = {
        {ToCoordinate(RoundHalfEven(cx - t * rx)), ToCoordinate(RoundHalfEven(cy - t * ry)),
         ToCoordinate(RoundHalfEven(cx + t * rx)), ToCoordinate(RoundHalfEven(cy + t * ry))},
        PixelOf(StepComponent(start.r, t, delta_r), StepComponent(start.g, t, delta_g),
                StepComponent(start.b, t, delta_b))};
  }
  return count;
}

}  // namespace

double RoundHalfEven(double value) {
  const double below = std::floor(value);
  const double fraction = value - below;  // exact for every double
  if (fraction < 0.5) return below;
  if (fraction > 0.5) return below + 1.0;
  return std::fmod(below, 2.0) == 0.0 ? below : below + 1.0;
}

void FillRadial(ui::PixelBitmap& target, const ui::Rect& clip, const ui::Rect& rect,
                RgbComponents start, RgbComponents end) {
  std::array<Step, kMaxSteps> steps;
  int step_count = 0;
  {
    DoubleRoundingScope double_rounding;
    step_count = PlanSteps(rect, start, end, steps);
  }
  RadialPainter painter(target, clip,
                        PixelOf(static_cast<uint8_t>(end.r), static_cast<uint8_t>(end.g),
                                static_cast<uint8_t>(end.b)));
  // Empty boxes and those that miss the clip's rows paint nothing.
  for (int k = 0; k < step_count; ++k) {
    const ui::Rect& box = steps[k].box;
    if (box.left < box.right && std::max(box.top, clip.top) < std::min(box.bottom, clip.bottom)) {
      painter.Add(box, steps[k].pixel);
    }
  }
  painter.Paint();
}

}  // namespace player
