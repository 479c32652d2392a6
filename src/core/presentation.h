// What the project operations need from the live presentation window beyond its stored
// properties: attaching object controls, making the background picture, the window icon and
// the built-in default glyph. The player's window implements it; tests use a recording fake.
#pragma once

#include <string>

#include "ui/pixel_bitmap.h"

namespace core {

class Presentation {
 public:
  virtual ~Presentation() = default;

  // Parents every object control to the inner panel and wires its mouse handlers.
  virtual void AttachObjects() = 0;
  // Makes the background picture from the project's colours and gradient style.
  virtual void RenderBackground() = 0;
  // Loads the window icon from an icon file; failures are ignored and keep the old icon.
  virtual void LoadWindowIcon(const std::string& path) = 0;
  // Gives the window the program's own icon.
  virtual void UseApplicationIcon() = 0;
  // The glyph a button shows when it has no usable glyph file of its own.
  virtual const ui::PixelBitmap& DefaultGlyph() const = 0;
};

}  // namespace core
