// The stored properties of a top-level window (caption, frame, size, state, colour key). The
// portable code reads and writes them here; on Windows the real window observes the changes
// and mirrors them, and reports size changes made by the user back.
#pragma once

#include <cstdint>
#include <string>

#include "ui/color.h"
#include "ui/geometry.h"

namespace ui {

enum FormBorderStyle : uint8_t {
  kBorderNone = 0,
  kBorderSingle = 1,
  kBorderSizeable = 2,
  kBorderDialog = 3,
  kBorderToolWindow = 4,
  kBorderSizeToolWin = 5,
};

enum BorderIcon : uint8_t {
  kIconSystemMenu = 1u << 0,
  kIconMinimize = 1u << 1,
  kIconMaximize = 1u << 2,
  kIconHelp = 1u << 3,
};

enum FormPosition : uint8_t { kPositionDesigned = 0, kPositionScreenCenter = 4 };
enum FormWindowState : uint8_t { kStateNormal = 0, kStateMinimized = 1, kStateMaximized = 2 };

class Form {
 public:
  // Told about every change so that a real window can follow it.
  class Observer {
   public:
    virtual ~Observer() = default;
    virtual void FormBoundsChanged() = 0;
    virtual void FormFrameChanged() = 0;  // border style, icons, border width, window state
    virtual void FormCaptionChanged() = 0;
    virtual void FormTransparencyChanged() = 0;
  };

  void SetObserver(Observer* observer) { observer_ = observer; }

  // Between these the observer hears nothing; EndUpdate then reports each kind of change once,
  // so a real window takes a whole new set of properties in one step (no size or place between).
  void BeginUpdate() { ++update_depth_; }
  void EndUpdate();

  uint8_t BorderIcons() const { return border_icons_; }
  uint8_t BorderStyle() const { return border_style_; }
  int32_t BorderWidth() const { return border_width_; }
  const std::string& Caption() const { return caption_; }
  int32_t Left() const { return left_; }
  int32_t Top() const { return top_; }
  int32_t Width() const { return width_; }
  int32_t Height() const { return height_; }
  Rect BoundsRect() const { return Rect::FromBounds(left_, top_, width_, height_); }
  uint8_t Position() const { return position_; }
  uint8_t WindowState() const { return window_state_; }
  bool TransparentColor() const { return transparent_color_; }
  Color TransparentColorValue() const { return transparent_color_value_; }

  void SetBorderIcons(uint8_t icons);
  void SetBorderStyle(uint8_t style);
  void SetBorderWidth(int32_t width);
  void SetCaption(const std::string& caption);
  void SetWidth(int32_t width) { SetBounds(Left(), Top(), width, Height()); }
  void SetHeight(int32_t height) { SetBounds(Left(), Top(), Width(), height); }
  void SetBounds(int32_t left, int32_t top, int32_t width, int32_t height);
  void SetPosition(uint8_t position) { position_ = position; }
  void SetWindowState(uint8_t state);
  void SetTransparentColor(bool on);
  void SetTransparentColorValue(Color value);

  // Places the window in the middle of a screen of the given size; the division truncates toward
  // zero, so a window wider than the screen gets a negative left edge.
  void CenterOn(Size screen);

  // For the real window: records a size or position the user made, without echoing it back.
  void NoteBoundsFromWindow(Rect bounds) {
    left_ = bounds.left;
    top_ = bounds.top;
    width_ = bounds.Width();
    height_ = bounds.Height();
  }

 private:
  template <typename T, typename What>
  void Change(T& field, const T& value, What what);

  void Notify(void (Observer::*what)());

  Observer* observer_ = nullptr;  // not owned
  int update_depth_ = 0;
  bool bounds_pending_ = false;
  bool frame_pending_ = false;
  bool caption_pending_ = false;
  bool transparency_pending_ = false;
  uint8_t border_icons_ = kIconSystemMenu;
  uint8_t border_style_ = kBorderSizeable;
  int32_t border_width_ = 0;
  std::string caption_;
  // Kept as given, not as a rectangle: stored sizes are unchecked and may be extreme.
  int32_t left_ = 0;
  int32_t top_ = 0;
  int32_t width_ = 0;
  int32_t height_ = 0;
  uint8_t position_ = kPositionDesigned;
  uint8_t window_state_ = kStateNormal;
  bool transparent_color_ = false;
  Color transparent_color_value_ = 0;
};

}  // namespace ui
