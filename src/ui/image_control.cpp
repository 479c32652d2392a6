// Image control painting and auto-sizing.
#include "ui/image_control.h"

#include "ui/canvas.h"

namespace ui {

Rect ImageControl::PictureRect() const {
  if (!Picture) return {};
  const Size size = Picture->GetSize();
  if (Stretch) return {0, 0, Width, Height};
  if (Center) {
    return Rect::FromBounds((Width - size.width) / 2, (Height - size.height) / 2, size.width,
                            size.height);
  }
  return Rect::FromBounds(0, 0, size.width, size.height);
}

void ImageControl::AdjustSize(Canvas&) {
  if (!AutoSize || !Picture) return;
  const Size size = Picture->GetSize();
  Width = size.width;
  Height = size.height;
}

void ImageControl::Paint(Canvas& canvas) {
  if (Picture) canvas.DrawPicture(*Picture, PictureRect(), Transparent);
}

}  // namespace ui
