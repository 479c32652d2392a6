// The background gradient: fills a rectangle of a 32-bit pixel buffer with one of the gradient
// styles (GradientStyle 0..7) running between BackColor and GradientColor. Colours come from
// integer ramps computed once per band or ring and are painted as row spans, and the radial style
// uses a scanline ellipse fill, so a given input gives the same pixels on every machine.
#pragma once

#include <cstdint>

#include "core/gradient_style.h"
#include "ui/color.h"
#include "ui/geometry.h"
#include "ui/pixel_bitmap.h"

namespace player {

// Resolves a system colour (top bit set) to RGB; the Windows build passes GetSysColor, tests pass
// a table.
using SystemColorLookup = ui::Color (*)(uint8_t index);

// The RGB value of `color`: system colours through `lookup` (black without one), others as
// stored. The top byte of the result is always clear.
ui::Color ResolveColor(ui::Color color, SystemColorLookup lookup);

// Fills `rect` of `target` with the gradient of `style` from `start` (BackColor) to `end`
// (GradientColor). The rectangle's corners may come in either order. The gradient's geometry
// comes from the whole rectangle; painting is clipped to the rectangle and to the bitmap. Any style
// other than 0..7 paints nothing; so do styles 0..3 on a rectangle one pixel high (0, 1) or wide
// (2, 3). The ring style's steps stop before the centre pixel of a square rectangle with odd sides,
// which is left as it was.
void GradientFill(ui::PixelBitmap& target, ui::Rect rect, ui::Color start, ui::Color end,
                  uint8_t style, SystemColorLookup lookup);

}  // namespace player
