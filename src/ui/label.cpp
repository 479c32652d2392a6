// Label painting and auto-sizing.
#include "ui/label.h"

#include "ui/canvas.h"
#include "ui/panel.h"

namespace ui {
namespace {

TextAlign AlignOf(uint8_t alignment) {
  switch (alignment) {
    case kAlignRight:
      return TextAlign::Right;
    case kAlignCenter:
      return TextAlign::Center;
    default:
      return TextAlign::Left;
  }
}

}  // namespace

ui::Color Label::EffectiveColor() const {
  return ParentColor && Parent() != nullptr ? Parent()->Color : Color;
}

void Label::AdjustSize(Canvas& canvas) {
  if (!AutoSize) return;
  const Size text = canvas.MeasureText(Caption, Font, WordWrap ? Width : 0);
  if (!WordWrap) Width = text.width;
  Height = text.height;
}

void Label::Paint(Canvas& canvas) {
  const Rect client{0, 0, Width, Height};
  if (!Transparent) canvas.FillRect(client, EffectiveColor());
  Rect box = client;
  if (Layout != kLayoutTop) {
    const int32_t text_height = canvas.MeasureText(Caption, Font, WordWrap ? Width : 0).height;
    const int32_t offset =
        Layout == kLayoutBottom ? Height - text_height : (Height - text_height) / 2;
    box.top += offset;
    box.bottom += offset;
  }
  canvas.DrawText(Caption, box, Font, TextFormat{AlignOf(Alignment), WordWrap});
}

}  // namespace ui
