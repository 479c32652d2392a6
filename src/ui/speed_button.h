// The speed button control: a caption and a glyph bitmap, with no keyboard focus. The glyph's
// bottom-left pixel colour is drawn transparent.
#pragma once

#include <cstdint>
#include <string>

#include "ui/control.h"
#include "ui/font.h"
#include "ui/pixel_bitmap.h"

namespace ui {

enum ButtonLayout : uint8_t {
  kGlyphLeft = 0,
  kGlyphRight = 1,
  kGlyphTop = 2,
  kGlyphBottom = 3,
};

class SpeedButton : public Control {
 public:
  static constexpr ControlType kType = ControlType::Button;
  ControlType Type() const override { return kType; }

  SpeedButton() {
    Width = 23;
    Height = 22;
  }

  void Paint(Canvas& canvas) override;
  void SetMouseOver(bool over) override;
  void SetPressedLook(bool pressed) override;
  bool MouseOver() const { return mouse_over_; }
  bool PressedLook() const { return pressed_look_; }

  // Margin -1 centres glyph and caption together; a margin below -1 is refused and the previous
  // one kept, as the platform's speed button does.
  int32_t Margin() const { return margin_; }
  void SetMargin(int32_t margin) {
    if (margin >= -1) margin_ = margin;
  }

  std::string Caption;
  bool Flat = false;
  ui::Font Font;
  uint8_t Layout = kGlyphLeft;
  int32_t Spacing = 4;
  bool Transparent = true;
  PixelBitmap Glyph;

 private:
  int32_t margin_ = -1;
  bool mouse_over_ = false;
  bool pressed_look_ = false;
};

}  // namespace ui
