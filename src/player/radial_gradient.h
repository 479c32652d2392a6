// The radial background gradient (GradientStyle 7): concentric filled ellipses from
// GradientColor outside to BackColor in the middle, each smaller one painted over the larger.
#pragma once

#include "player/pixel_value.h"
#include "ui/geometry.h"
#include "ui/pixel_bitmap.h"

namespace player {

// Rounds to the nearest integer, halves to the even one, whatever the floating-point
// environment's rounding mode is.
double RoundHalfEven(double value);

// Paints the radial gradient of the non-empty `rect` into `target`, limited to the non-empty
// `clip`, which must lie inside both `rect` and the bitmap (as a ClippedCanvas's clip does).
// `start` is BackColor and `end` GradientColor, both resolved to RGB.
void FillRadial(ui::PixelBitmap& target, const ui::Rect& clip, const ui::Rect& rect,
                RgbComponents start, RgbComponents end);

}  // namespace player
