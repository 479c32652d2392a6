// A stateless painter: every call takes its colours and font, and the only state is the origin
// and clip that a CanvasScope sets and restores. Controls paint through it; on Windows a GDI
// canvas draws into a DIB section, in tests a recording canvas notes the calls.
#pragma once

#include <cstdint>
#include <string>

#include "ui/color.h"
#include "ui/font.h"
#include "ui/geometry.h"
#include "ui/picture.h"
#include "ui/pixel_bitmap.h"

namespace ui {

enum class TextAlign : uint8_t { Left, Right, Center };

struct TextFormat {
  TextAlign align = TextAlign::Left;
  bool word_wrap = false;
};

class Canvas {
 public:
  virtual ~Canvas() = default;

  virtual void FillRect(const Rect& rect, Color color) = 0;
  // A bitmap at its own size with its top-left corner at `at`; with `transparent`, pixels of the
  // bitmap's bottom-left colour are not painted.
  virtual void DrawBitmap(const PixelBitmap& bitmap, Point at, bool transparent) = 0;
  // A picture scaled into `dest`; with `transparent`, a bitmap's bottom-left colour is not painted.
  virtual void DrawPicture(const Picture& picture, const Rect& dest, bool transparent) = 0;
  // Text inside `box` (clipped to it), in the font's colour, with a transparent background.
  virtual void DrawText(const std::string& text, const Rect& box, const Font& font,
                        TextFormat format) = 0;
  // The size the text takes; with `wrap_width` > 0 it is broken into lines of that width.
  virtual Size MeasureText(const std::string& text, const Font& font, int32_t wrap_width) = 0;

  // Origin and clip, restored by CanvasScope.
  virtual void Save() = 0;
  virtual void Restore() = 0;
  virtual void Translate(int32_t dx, int32_t dy) = 0;
  virtual void IntersectClip(const Rect& rect) = 0;
};

// Moves the origin to `origin` and clips to `clip` (in the new coordinates) for its lifetime.
class CanvasScope {
 public:
  CanvasScope(Canvas& canvas, Point origin, const Rect& clip) : canvas_(canvas) {
    canvas_.Save();
    canvas_.Translate(origin.x, origin.y);
    canvas_.IntersectClip(clip);
  }
  CanvasScope(const CanvasScope&) = delete;
  CanvasScope& operator=(const CanvasScope&) = delete;
  ~CanvasScope() { canvas_.Restore(); }

 private:
  Canvas& canvas_;
};

// A rectangle's 3D frame, `width` pixels thick: top and left in `top_left`, bottom and right in
// `bottom_right` (which owns the top-right and bottom-left corner pixels).
void DrawFrame3D(Canvas& canvas, Rect rect, Color top_left, Color bottom_right, int32_t width);

}  // namespace ui
