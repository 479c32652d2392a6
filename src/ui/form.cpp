// Window property changes, each passed on to the observing real window.
#include "ui/form.h"

namespace ui {

void Form::Notify(void (Observer::*what)()) {
  if (update_depth_ > 0) {
    if (what == &Observer::FormBoundsChanged) bounds_pending_ = true;
    if (what == &Observer::FormFrameChanged) frame_pending_ = true;
    if (what == &Observer::FormCaptionChanged) caption_pending_ = true;
    if (what == &Observer::FormTransparencyChanged) transparency_pending_ = true;
    return;
  }
  if (observer_ != nullptr) (observer_->*what)();
}

void Form::EndUpdate() {
  if (update_depth_ == 0 || --update_depth_ > 0) return;
  // The frame first: the bounds are the outer size, which only means something with its frame.
  const auto fire = [this](bool& pending, void (Observer::*what)()) {
    if (!pending) return;
    pending = false;
    if (observer_ != nullptr) (observer_->*what)();
  };
  fire(frame_pending_, &Observer::FormFrameChanged);
  fire(caption_pending_, &Observer::FormCaptionChanged);
  fire(transparency_pending_, &Observer::FormTransparencyChanged);
  fire(bounds_pending_, &Observer::FormBoundsChanged);
}

template <typename T, typename What>
void Form::Change(T& field, const T& value, What what) {
  if (field == value) return;
  field = value;
  Notify(what);
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
  Notify(&Observer::FormBoundsChanged);
}

void Form::CenterOn(Size screen) {
  // In 64 bits: a stored width may be anything a project file holds.
  const auto centre = [](int32_t room, int32_t size) {
    return Rect::Saturate((int64_t{room} - size) / 2);
  };
  SetBounds(centre(screen.width, width_), centre(screen.height, height_), width_, height_);
}

}  // namespace ui
