// Speed button painting: the classic raised face, or for a flat button no edge until the mouse
// is over it; a pressed button is sunken and its content moves one pixel right and down.
#include "ui/speed_button.h"

#include "ui/button_layout.h"
#include "ui/canvas.h"

namespace ui {

void SpeedButton::SetMouseOver(bool over) {
  mouse_over_ = over;
}
void SpeedButton::SetPressedLook(bool pressed) {
  pressed_look_ = pressed;
}

void SpeedButton::Paint(Canvas& canvas) {
  const Rect client{0, 0, Width, Height};
  if (!Transparent) canvas.FillRect(client, kColorButtonFace);
  if (Flat) {
    if (pressed_look_) {
      DrawFrame3D(canvas, client, kColorButtonShadow, kColorButtonHighlight, 1);
    } else if (mouse_over_) {
      DrawFrame3D(canvas, client, kColorButtonHighlight, kColorButtonShadow, 1);
    }
  } else if (pressed_look_) {
    DrawFrame3D(canvas, client, kColorDarkShadow, kColorButtonHighlight, 1);
    DrawFrame3D(canvas, client.Inflated(-1), kColorButtonShadow, kColorLight, 1);
  } else {
    DrawFrame3D(canvas, client, kColorButtonHighlight, kColorDarkShadow, 1);
    DrawFrame3D(canvas, client.Inflated(-1), kColorLight, kColorButtonShadow, 1);
  }

  const Size glyph{Glyph.Width(), Glyph.Height()};
  const Size text = Caption.empty() ? Size{} : canvas.MeasureText(Caption, Font, 0);
  const ButtonContentPlaces places =
      PlaceButtonContent({Width, Height}, glyph, text, Layout, margin_, Spacing);
  const int32_t shift = pressed_look_ ? 1 : 0;
  if (!Glyph.Empty()) {
    canvas.DrawBitmap(Glyph, {places.glyph.x + shift, places.glyph.y + shift}, true);
  }
  if (!Caption.empty()) {
    const Point at{places.text.x + shift, places.text.y + shift};
    canvas.DrawText(Caption, Rect::FromBounds(at.x, at.y, text.width, text.height), Font,
                    TextFormat{TextAlign::Center, false});
  }
}

}  // namespace ui
