// The image control: shows a picture at its own size, centred, stretched, or with the control
// taking the picture's size.
#pragma once

#include <memory>

#include "ui/control.h"
#include "ui/picture.h"

namespace ui {

class ImageControl : public Control {
 public:
  ImageControl() {
    Width = 105;
    Height = 105;
  }

  bool AutoSize = false;
  bool Center = false;
  bool Stretch = false;
  bool Transparent = false;
  std::unique_ptr<ui::Picture> Picture;  // null: no picture
};

}  // namespace ui
