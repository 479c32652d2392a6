// Which parts of the design a drag step draws. The objects being dragged move; every other child
// of the presentation window's inner panel stands still. What stands still is drawn once, when the
// drag starts, into two pictures: all of it with its marks (the still picture), and what lies
// below the lowest moving child (the base picture). A step copies the still picture and draws
// afresh, from the base picture up, only the areas the moving children and their marks cover now:
// there every child from the lowest moving one up is drawn again in stacking order, so that
// objects above the dragged ones stay above them and see-through ones show what lies beneath.
#pragma once

#include <cstddef>
#include <span>
#include <vector>

#include "ui/geometry.h"

namespace designer {

// The area an object's dotted outline and handles cover (design units): its bounds grown by the
// handles' reach beyond its edges.
ui::Rect MarkedArea(const ui::Rect& bounds);

// Whether `r` shares a pixel with one of `areas` (right and bottom exclusive).
bool Touches(const ui::Rect& r, std::span<const ui::Rect> areas);

class DragLayers {
 public:
  // `moving` flags the panel's children, bottom to top, that the drag moves.
  explicit DragLayers(std::vector<bool> moving);

  const std::vector<bool>& Moving() const { return moving_; }
  bool Moves(size_t child) const { return child < moving_.size() && moving_[child]; }
  // In the still picture: every child that stays.
  bool InStill(size_t child) const { return !Moves(child); }
  // In the base picture: the children below the lowest moving one.
  bool InBase(size_t child) const { return child < first_moving_; }
  // Drawn again by a step inside `areas`: a child from the lowest moving one up that touches one.
  bool InStep(size_t child, const ui::Rect& bounds, std::span<const ui::Rect> areas) const {
    return child >= first_moving_ && Touches(bounds, areas);
  }

 private:
  std::vector<bool> moving_;
  size_t first_moving_;  // the size of moving_ when nothing moves
};

}  // namespace designer
