// The label control: a caption in its font over its colour or, when transparent, over whatever
// lies below it.
#pragma once

#include <cstdint>
#include <string>

#include "ui/color.h"
#include "ui/control.h"
#include "ui/font.h"

namespace ui {

enum LabelAlignment : uint8_t { kAlignLeft = 0, kAlignRight = 1, kAlignCenter = 2 };
enum LabelLayout : uint8_t { kLayoutTop = 0, kLayoutCenter = 1, kLayoutBottom = 2 };

class Label : public Control {
 public:
  static constexpr ControlType kType = ControlType::Label;
  ControlType Type() const override { return kType; }

  // A fresh label control is 65 x 17 pixels and takes its parent's colour until told otherwise.
  Label() {
    Width = 65;
    Height = 17;
  }

  void Paint(Canvas& canvas) override;
  // An auto-sized label takes its caption's height, and its width too unless it wraps.
  void AdjustSize(Canvas& canvas) override;
  // The colour it fills: the parent's while ParentColor is on, else its own.
  ui::Color EffectiveColor() const;

  uint8_t Alignment = kAlignLeft;
  bool AutoSize = true;
  std::string Caption;
  ui::Color Color = kColorButtonFace;
  bool ParentColor = true;
  ui::Font Font;
  uint8_t Layout = kLayoutTop;
  bool Transparent = false;
  bool WordWrap = false;
};

}  // namespace ui
