// A loaded picture of an image control: a bitmap, JPEG, icon or metafile. How it is held and
// drawn is the platform's business; the toolkit only needs its size and a way to copy it.
// Pictures never change once loaded, so a copy may share the loaded data.
#pragma once

#include <memory>
#include <string>

#include "ui/geometry.h"

namespace ui {

class Picture {
 public:
  virtual ~Picture() = default;
  virtual Size GetSize() const = 0;
  virtual std::unique_ptr<Picture> Clone() const = 0;
  // Whether the picture was loaded by the platform the program runs on, and so is one its
  // canvas can draw (tests make pictures of their own).
  virtual bool IsPlatformPicture() const { return false; }
};

}  // namespace ui
