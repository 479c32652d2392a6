// Where a speed button puts its glyph and caption: the layout side, Margin (edge to glyph) and
// Spacing (glyph to caption), each -1 meaning "centre", as the classic speed button does.
#pragma once

#include <cstdint>

#include "ui/geometry.h"

namespace ui {

struct ButtonContentPlaces {
  Point glyph;
  Point text;
};

// `client` is the button's size; `glyph` and `text` the sizes of what is drawn (0 when absent).
ButtonContentPlaces PlaceButtonContent(Size client, Size glyph, Size text, uint8_t layout,
                                       int32_t margin, int32_t spacing);

}  // namespace ui
