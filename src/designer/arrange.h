// Arranging the selection with the keyboard and the Arrange menu: align and size to a reference
// object, distribute with equal gaps, centre in the design area, nudge by a step, and the tool
// bar's read-out of where the selection (or the pointer) is.
#pragma once

#include <cstdint>
#include <optional>
#include <string>

#include "core/project_model.h"
#include "ui/geometry.h"

namespace designer {

enum class ArrangeCommand : uint8_t {
  AlignLefts,
  AlignCenters,
  AlignRights,
  AlignTops,
  AlignMiddles,
  AlignBottoms,
  MakeSameWidth,
  MakeSameHeight,
  MakeSameSize,
  DistributeHorizontally,
  DistributeVertically,
  CenterHorizontally,
  CenterVertically,
};

// The object the selection is aligned and sized to: `clicked` (the one a click selected last)
// while it is still a selected object of the project, else the top-most selected; null when
// nothing is selected.
const core::AutoObjectType* ReferenceObject(const core::AutoFormType& project,
                                            const core::AutoObjectType* clicked);

// Aligns, sizes or distributes two or more selected objects, or centres one or more in a design
// area of `area` as one group. Moved edges keep the position clamp of a drag; sizes stay at least
// 1 x 1. Distributing keeps the first and the last object (by left or top edge) where they are.
void ArrangeSelection(core::AutoFormType& project, ArrangeCommand command,
                      const core::AutoObjectType* reference, ui::Size area);

// Moves every selected object `step` pixels in `direction` (-1, 0 or 1 on each axis) as a drag
// would, clamp included; with `resize` it moves their right or bottom edge instead.
void NudgeSelection(core::AutoFormType& project, ui::Size area, ui::Point direction, int32_t step,
                    bool resize);

// The bounding box of the selected objects (right and bottom exclusive); none when none is.
std::optional<ui::Rect> SelectionBounds(const core::AutoFormType& project);

// What the tool bar shows: "x, y  w x h" of the selection, with a second line naming the
// reference when several are selected; the pointer's place "x, y" when nothing is selected and
// the pointer is over the design area; else nothing.
std::string ReadOutText(const core::AutoFormType& project, const core::AutoObjectType* reference,
                        const ui::Point* pointer);

}  // namespace designer
