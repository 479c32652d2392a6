// Window property changes, each passed on to the observing real window.
#include "ui/form.h"

namespace ui {

template <typename T, typename Notify>
void Form::Change(T& field, const T& value, Notify notify) {
  if (field == value) return;
  field = value;
  if (observer_ != nullptr) (observer_->*notify)();
}

void Form::SetBorderIcons(uint8_t icons) {
  Change(border_icons_, icons, &Observer::FormFrameChanged);
}
void Form::SetBorderStyle(uint8_t style) {
  Change(border_style_, style, &Observer::FormFrameChanged);
}
void Form::SetBorderWidth(int32_t width) {
  Change(border_width_, width, &Observer::FormFrameChanged);
}
void Form::SetCaption(const std::string& caption) {
  Change(caption_, caption, &Observer::FormCaptionChanged);
}
void Form::SetWindowState(uint8_t state) {
  Change(window_state_, state, &Observer::FormFrameChanged);
}
void Form::SetTransparentColor(bool on) {
  Change(transparent_color_, on, &Observer::FormTransparencyChanged);
}
void Form::SetTransparentColorValue(Color value) {
  Change(transparent_color_value_, value, &Observer::FormTransparencyChanged);
}

void Form::SetBounds(int32_t left, int32_t top, int32_t width, int32_t height) {
  if (left == left_ && top == top_ && width == width_ && height == height_) return;
  left_ = left;
  top_ = top;
  width_ = width;
  height_ = height;
  if (observer_ != nullptr) observer_->FormBoundsChanged();
}

void Form::CenterOn(Size screen) {
  // In 64 bits: a stored width may be anything a project file holds.
  const auto centre = [](int32_t room, int32_t size) {
    return Rect::Saturate((int64_t{room} - size) / 2);
  };
  SetBounds(centre(screen.width, width_), centre(screen.height, height_), width_, height_);
}

}  // namespace ui
