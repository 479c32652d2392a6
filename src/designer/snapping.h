// Where a drag lands when the author has switched snapping on: the lines the drag moves (the
// selection's edges and centres for a move, the dragged edges for a resize) are pulled onto the
// nearest edge or centre of another object or of the design area within a few pixels, each axis
// on its own, else onto the grid. The canvas shows a guide where a line was pulled.
#pragma once

#include <cstdint>
#include <limits>

#include "core/project_model.h"
#include "core/settings_file.h"
#include "ui/geometry.h"

namespace designer {

// A line further than this from every edge and centre stays where the pointer puts it.
constexpr int32_t kSnapDistance = 5;
constexpr int32_t kNoGuide = std::numeric_limits<int32_t>::min();

// Where a line was pulled onto another object's or the design area's line: a vertical guide at
// x, a horizontal one at y (kNoGuide: none).
struct SnapGuides {
  int32_t x = kNoGuide;
  int32_t y = kNoGuide;
  friend bool operator==(const SnapGuides&, const SnapGuides&) = default;
};

struct Snapped {
  ui::Point shift;  // added to the lines the drag moves
  SnapGuides guides;
};

// The shift that lands the lines of `grab_code` (0 a move, 1..8 a handle) of `bounds`, the
// selection's bounds, moved by `step`, onto the nearest line of an unselected object or of a
// design area of `area`: left or top edges, centres (left + width div 2) and far edges. The
// nearest wins; at equal distance the pull to the left or up, then the area before the objects and
// the objects in list order. With no such line within kSnapDistance the grid takes the moved
// edge (for a move the top-left corner), half way to the line to the left or above.
Snapped SnapLines(const core::AutoFormType& project, ui::Size area,
                  const core::SnapSettings& settings, int32_t grab_code, const ui::Rect& bounds,
                  ui::Point step);

}  // namespace designer
