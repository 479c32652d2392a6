// The text of labels and buttons as the designer changes it: the caption an edit in place
// replaces, the font a font command sets with the hot-track font that follows it, and the size
// that shows a caption whole.
#pragma once

#include <cstdint>
#include <string>

#include "core/project_model.h"
#include "ui/font.h"
#include "ui/geometry.h"

namespace ui {
// Measures text. Its header comes after <windows.h> in Windows code, whose DrawText is a macro.
class Canvas;
}  // namespace ui

namespace designer {

// The caption of a label or button; null for any other object.
std::string* CaptionOf(const core::AutoObjectType& object);
// The font of a label or button, or with `hot` its hot-track font.
ui::Font& FontOf(core::AutoObjectType& object, bool hot);

// An object's font changes from `before` to `after`: a hot-track font that equalled `before` in
// face, size and style takes those of `after`, so that the object keeps its look under the mouse
// and the keyboard focus; its colour stays its own. Any other hot-track font is left as it is.
void KeepHotFontInStep(ui::Font& hot, const ui::Font& before, const ui::Font& after);
// "Hot Track Font..." on an object: what the author changed in the font dialog from its `preset`
// (face, size, style or colour, each on its own) goes into the object's hot-track font, the rest
// stays its own. One object's is its preset, so it takes the chosen font whole; of several, a new
// colour leaves each one's face, size and style in step with its font.
void ApplyFontChanges(ui::Font& hot, const ui::Font& preset, const ui::Font& chosen);

// The size a label or button needs to show `caption` whole in its font, measured by `measure` as
// auto size measures it, and never smaller than the object is. A word-wrapped label widens to its
// longest line as far as `room` (from its left edge to the design area's right edge) allows, then
// grows as tall as the text wrapped at that width; a button keeps its glyph, margin and spacing
// and its raised edge clear of the caption. An image, or an auto-sized label (which sizes itself),
// keeps its size.
ui::Size SizeToFit(const core::AutoObjectType& object, const std::string& caption,
                   ui::Canvas& measure, int32_t room);

}  // namespace designer
