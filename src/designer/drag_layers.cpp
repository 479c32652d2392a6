// The layers of a drag step.
#include "designer/drag_layers.h"

#include <algorithm>
#include <utility>

#include "designer/canvas_geometry.h"

namespace designer {

ui::Rect MarkedArea(const ui::Rect& bounds) {
  // Handles are centred on the far edges one past the last pixel; the outline lies inside that.
  return bounds.Inflated(kHandleSize / 2);
}

bool Touches(const ui::Rect& r, std::span<const ui::Rect> areas) {
  return std::any_of(areas.begin(), areas.end(), [&](const ui::Rect& a) {
    return r.left < a.right && a.left < r.right && r.top < a.bottom && a.top < r.bottom;
  });
}

DragLayers::DragLayers(std::vector<bool> moving)
    : moving_(std::move(moving)),
      first_moving_(
          static_cast<size_t>(std::find(moving_.begin(), moving_.end(), true) - moving_.begin())) {}

}  // namespace designer
