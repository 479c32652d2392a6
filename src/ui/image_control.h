// The image control: shows a picture at its own size, centred, stretched, or with the control
// taking the picture's size.
#pragma once

#include <memory>

#include "ui/control.h"
#include "ui/picture.h"

namespace ui {

class ImageControl : public Control {
 public:
  static constexpr ControlType kType = ControlType::Image;
  ControlType Type() const override { return kType; }

  ImageControl() {
    Width = 105;
    Height = 105;
  }

  // Normal: the picture at its size at the top left; Center: centred; Stretch: scaled to the
  // control. Stretch wins over Center, as it does for the platform's image control.
  void Paint(Canvas& canvas) override;
  // An auto-sized image takes its picture's size.
  void AdjustSize(Canvas& canvas) override;
  // Where the picture lands, in control coordinates; empty without a picture.
  Rect PictureRect() const;

  bool AutoSize = false;
  bool Center = false;
  bool Stretch = false;
  bool Transparent = false;
  std::unique_ptr<ui::Picture> Picture;  // null: no picture
};

}  // namespace ui
