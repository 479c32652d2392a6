// The clipboard commands' rules over the design: what a paste or a duplicate adds, where it
// lands and what it reports. Copy and Cut are the encoding of the selection (core) and Delete;
// the window side moves the bytes to and from the system clipboard.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "core/app_state.h"
#include "designer/canvas_editor.h"
#include "designer/duplicate_steps.h"
#include "ui/geometry.h"

namespace designer {

inline constexpr char kNothingToPaste[] = "The clipboard holds no objects Quorvane can paste.";
inline constexpr char kPastedFilesMissing[] =
    "The pasted objects name files that cannot be used in this CD folder:";

// Adds the objects encoded in `data` on top of the design, in their order, as the only
// selection: kPasteOffset from where they were, or with the group's top-left corner at `at`; the
// group keeps its shape inside the design area as far as it fits. Their media are bound as an
// edit binds them; the pictures and link files missing from this CD folder, and the pictures it
// cannot show, are reported together in one box. Data that holds no objects is reported and
// changes nothing; false then.
bool PasteObjects(core::AppState& app, CanvasView& view, const std::vector<uint8_t>& data,
                  std::optional<ui::Point> at);

// Pastes a copy of the selection beside it, leaving the clipboard alone, as far from it as
// `steps` says, and notes the copies there; nothing when nothing is selected.
void DuplicateSelection(core::AppState& app, CanvasView& view, DuplicateSteps& steps);

}  // namespace designer
