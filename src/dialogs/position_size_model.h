// "Position and Size": the exact Left, Top, Width and Height of the selected objects, or the
// design window's client width and height when nothing is selected (a borderless design has no
// frame to size it by). A field the selected objects do not share is blank, and a blank field
// leaves each object's own value alone.
#pragma once

#include <array>
#include <cstdint>
#include <optional>
#include <string>

#include "core/project_model.h"
#include "dialogs/modal_view.h"
#include "dialogs/number_field.h"
#include "ui/geometry.h"

namespace dialogs {

// The longest side the dialog gives an object or the design window.
inline constexpr int32_t kMaxSide = 8192;

struct PositionSizeFields {
  std::string Left, Top, Width, Height;  // blank: not shared, and left alone
  bool ObjectsSelected = false;          // else the client area, which Left and Top do not name
  // What each field takes and holds at first, in the order Left, Top, Width, Height.
  std::array<NumberField, 4> Ranges{};
  std::array<int32_t, 4> Filled{};
};

// A field's text: blank, a number the field takes, or neither (then nothing at all).
struct FieldEntry {
  bool blank = false;
  std::optional<int32_t> number;
};
FieldEntry ReadEntry(const NumberField& field, const std::string& text, int32_t filled);

// Edits the selected objects, whose Left and Top may be typed up to `last_place` (the clamp of
// what the author moves), or with none selected `client`, the design window's client size; true
// when values were written back.
bool ExecutePositionAndSize(ModalView<PositionSizeFields>& view, core::AutoFormType& project,
                            ui::Point last_place, ui::Size& client);

}  // namespace dialogs
