// The pull of a drag's lines onto other objects' lines, the design area's and the grid.
#include "designer/snapping.h"

namespace designer {
namespace {

// The lines of one axis that a drag moves, and the nearest pull found for them so far. Positions
// and sizes come from project files unchecked: candidates are 64-bit.
struct Axis {
  int32_t lines[3];
  int count = 0;
  int32_t distance = kSnapDistance + 1;  // beyond reach: nothing found yet
  int32_t shift = 0;
  int64_t guide = 0;

  bool Found() const { return distance <= kSnapDistance; }
  // The left or top edge, the centre and the far edge of a span; an earlier candidate keeps its
  // place against an equal one.
  [[gnu::noinline]] void OfferSpan(int64_t low, int64_t length) {
    const int64_t candidates[] = {low, low + length / 2, low + length};
    for (const int64_t candidate : candidates) {
      for (int i = 0; i < count; ++i) {
        const int64_t pull = candidate - lines[i];
        if (pull < -kSnapDistance || pull > kSnapDistance) continue;
        const int32_t d = pull < 0 ? -static_cast<int32_t>(pull) : static_cast<int32_t>(pull);
        if (d < distance || (d == distance && pull < shift)) {
          distance = d;
          shift = static_cast<int32_t>(pull);
          guide = candidate;
        }
      }
    }
  }
  // With no line in reach, the first moved line goes to the nearest grid line.
  void ToGrid(int32_t grid) {
    if (Found() || count == 0 || grid <= 0) return;
    const int32_t past = (lines[0] % grid + grid) % grid;  // how far past the line before it
    shift = past * 2 <= grid ? -past : grid - past;
  }
  int32_t Guide() const { return Found() ? ui::Rect::Saturate(guide) : kNoGuide; }
};

}  // namespace

Snapped SnapLines(const core::AutoFormType& project, ui::Size area,
                  const core::SnapSettings& settings, int32_t grab_code, const ui::Rect& bounds,
                  ui::Point step) {
  // The edge of each axis that each handle drags, clockwise from the top-left corner: -1 the
  // left or top, 1 the right or bottom, 0 none. A move drags all three lines of both.
  static constexpr int8_t kEdges[9][2] = {{0, 0}, {-1, -1}, {0, -1}, {1, -1}, {1, 0},
                                          {1, 1}, {0, 1},   {-1, 1}, {-1, 0}};
  const bool move = grab_code == 0;
  const int8_t* edges = kEdges[grab_code > 0 && grab_code <= 8 ? grab_code : 0];
  const auto at = [](int32_t edge, int32_t by) { return ui::Rect::Saturate(int64_t{edge} + by); };
  const int32_t lows[2] = {at(bounds.left, step.x), at(bounds.top, step.y)};
  const int32_t highs[2] = {at(bounds.right, step.x), at(bounds.bottom, step.y)};
  const int32_t extents[2] = {area.width, area.height};
  Axis axes[2];
  for (int a = 0; a < 2; ++a) {
    Axis& axis = axes[a];
    if (move) {
      axis.lines[0] = lows[a];
      axis.lines[1] = static_cast<int32_t>(lows[a] + (int64_t{highs[a]} - lows[a]) / 2);
      axis.lines[2] = highs[a];
      axis.count = 3;
    } else if (edges[a] != 0) {
      axis.lines[0] = edges[a] < 0 ? lows[a] : highs[a];
      axis.count = 1;
    }
    if (settings.ToObjects) axis.OfferSpan(0, extents[a]);
  }
  if (settings.ToObjects) {
    for (const auto& object : project.Objects) {
      if (object->Selected) continue;
      const ui::Control& o = *object->Control;
      axes[0].OfferSpan(o.Left, o.Width);
      axes[1].OfferSpan(o.Top, o.Height);
    }
  }
  int32_t shifts[2], guides[2];
  for (int a = 0; a < 2; ++a) {
    if (settings.ToGrid) axes[a].ToGrid(settings.GridSize);
    shifts[a] = axes[a].shift;
    guides[a] = axes[a].Guide();
  }
  return {{shifts[0], shifts[1]}, {guides[0], guides[1]}};
}

}  // namespace designer
