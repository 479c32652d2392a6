// The radial background gradient (GradientStyle 7): concentric filled ellipses from
// GradientColor outside to BackColor in the middle, each smaller one painted over the larger.
#pragma once

#include "player/clipped_canvas.h"
#include "player/pixel_value.h"
#include "ui/geometry.h"

namespace player {

// Rounds to the nearest integer, halves to the even one, whatever the floating-point
// environment's rounding mode is.
double RoundHalfEven(double value);

// Paints the radial gradient of the non-empty `rect` (clipped by the canvas, whose clip must lie
// inside `rect`). `start` is BackColor and `end` GradientColor, both resolved to RGB.
void FillRadial(ClippedCanvas& canvas, const ui::Rect& rect, RgbComponents start,
                RgbComponents end);

}  // namespace player
