// The radial gradient: ellipse boxes and colours from double arithmetic as the style defines
// them, then each row painted once. Painting the up to 256 ellipses one over another would write
// every middle pixel about a hundred times; instead each row collects the spans of all ellipses
// and, when they nest (they do whenever the ellipses share their centre), paints only the ring
// each ellipse adds around the next smaller one. Rows whose spans do not nest are painted
// ellipse over ellipse, which gives the same pixels.
#include "player/radial_gradient.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <limits>
#include <vector>

#include "player/ellipse_fill.h"
#include "player/x87_precision.h"

namespace player {
namespace {

constexpr int kMaxSteps = 256;  // t runs from at most 255 down to 0

struct Step {
  ui::Rect box;
  uint32_t pixel;
};

struct Layer {
  Span span;
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

bool Within(const Span& inner, const Span& outer) {
  return outer.begin <= inner.begin && inner.end <= outer.end;
}

void PaintRow(ClippedCanvas& canvas, int64_t y, const Layer* layers, int count) {
  bool nested = true;
  for (int k = 1; k < count && nested; ++k) nested = Within(layers[k].span, layers[k - 1].span);
  for (int k = 0; k < count; ++k) {
    const Span& outer = layers[k].span;
    if (!nested || k + 1 == count) {
      canvas.FillSpan(y, outer.begin, outer.end, layers[k].pixel);
    } else {
      const Span& inner = layers[k + 1].span;
      canvas.FillSpan(y, outer.begin, inner.begin, layers[k].pixel);
      canvas.FillSpan(y, inner.end, outer.end, layers[k].pixel);
    }
  }
}

}  // namespace

double RoundHalfEven(double value) {
  const double below = std::floor(value);
  const double fraction = value - below;  // exact for every double
  if (fraction < 0.5) return below;
  if (fraction > 0.5) return below + 1.0;
  return std::fmod(below, 2.0) == 0.0 ? below : below + 1.0;
}

void FillRadial(ClippedCanvas& canvas, const ui::Rect& rect, RgbComponents start,
                RgbComponents end) {
  std::array<Step, kMaxSteps> steps;
  int step_count = 0;
  {
    DoubleRoundingScope double_rounding;
    step_count = PlanSteps(rect, start, end, steps);
  }
  const ui::Rect& clip = canvas.Clip();
  // Layer 0 is the whole rectangle in GradientColor; empty spans are left out as they paint
  // nothing and would break the nesting test.
  std::array<Layer, kMaxSteps + 1> layers;
  std::vector<EllipseRows> ellipses;
  ellipses.reserve(step_count);
  for (int k = 0; k < step_count; ++k) ellipses.emplace_back(steps[k].box);
  const uint32_t background = PixelOf(static_cast<uint8_t>(end.r), static_cast<uint8_t>(end.g),
                                      static_cast<uint8_t>(end.b));
  for (int64_t y = clip.top; y < clip.bottom; ++y) {
    int count = 0;
    layers[count++] = {{clip.left, clip.right}, background};
    for (int k = 0; k < step_count; ++k) {
      if (y < steps[k].box.top || y >= steps[k].box.bottom) continue;
      Span span = ellipses[k].Row(y);
      span.begin = std::max<int64_t>(span.begin, clip.left);
      span.end = std::min<int64_t>(span.end, clip.right);
      if (!span.Empty()) layers[count++] = {span, steps[k].pixel};
    }
    PaintRow(canvas, y, layers.data(), count);
  }
}

}  // namespace player
