// The background picture of a form's inner panel: the background gradient computed over a
// surface two pixels wider and taller than the panel, of which the panel shows the top-left part.
#pragma once

#include <cstdint>
#include <optional>

#include "player/gradient_fill.h"
#include "ui/color.h"
#include "ui/pixel_bitmap.h"

namespace player {

// The picture for an inner panel of width x height pixels (negative sizes count as 0):
// std::nullopt for GradientStyle 8 and above and when GradientColor equals BackColor as stored
// (a system colour and the RGB it resolves to are not equal); otherwise a width x height bitmap
// holding the top-left pixels of the gradient filled over (0, 0, width + 2, height + 2), on a
// picture that starts out in BackColor (see GradientFill about the one pixel that shows it).
std::optional<ui::PixelBitmap> RenderBackgroundPicture(int32_t width, int32_t height,
                                                       ui::Color back_color,
                                                       ui::Color gradient_color, uint8_t style,
                                                       SystemColorLookup lookup);

}  // namespace player
