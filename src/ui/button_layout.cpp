// Speed button content placement. Along the layout axis the glyph sits Margin pixels from its
// edge and the caption Spacing pixels beyond it; across it both are centred.
#include "ui/button_layout.h"

#include "ui/speed_button.h"

namespace ui {

ButtonContentPlaces PlaceButtonContent(Size client, Size glyph, Size text, uint8_t layout,
                                       int32_t margin, int32_t spacing) {
  const bool horizontal = layout == kGlyphLeft || layout == kGlyphRight;
  ButtonContentPlaces places;
  if (horizontal) {
    places.glyph.y = (client.height - glyph.height + 1) / 2;
    places.text.y = (client.height - text.height + 1) / 2;
  } else {
    places.glyph.x = (client.width - glyph.width + 1) / 2;
    places.text.x = (client.width - text.width + 1) / 2;
  }
  // Sizes along the layout axis.
  const int32_t room = horizontal ? client.width : client.height;
  const int32_t glyph_size = horizontal ? glyph.width : glyph.height;
  const int32_t text_size = horizontal ? text.width : text.height;

  if (text_size == 0 || glyph_size == 0) spacing = 0;
  if (margin == -1) {
    if (spacing == -1) {
      margin = (room - (glyph_size + text_size)) / 3;
      spacing = margin;
    } else {
      margin = (room - (glyph_size + spacing + text_size) + 1) / 2;
    }
  } else if (spacing == -1) {
    spacing = (room - (margin + glyph_size) - text_size) / 2;
  }

  int32_t glyph_at = 0;
  int32_t text_at = 0;
  switch (layout) {
    case kGlyphRight:
    case kGlyphBottom:
      glyph_at = room - margin - glyph_size;
      text_at = glyph_at - spacing - text_size;
      break;
    case kGlyphLeft:
    case kGlyphTop:
    default:
      glyph_at = margin;
      text_at = glyph_at + glyph_size + spacing;
      break;
  }
  if (horizontal) {
    places.glyph.x = glyph_at;
    places.text.x = text_at;
  } else {
    places.glyph.y = glyph_at;
    places.text.y = text_at;
  }
  return places;
}

}  // namespace ui
