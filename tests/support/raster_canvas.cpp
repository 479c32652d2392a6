// The test canvas.
#include "raster_canvas.h"

#include <algorithm>

namespace testing_support {
namespace {

uint32_t ToPixel(ui::Color color) {
  const ui::Color rgb = ui::IsSystemColor(color)
                            ? RasterCanvas::SystemColorValue(ui::SystemColorIndex(color))
                            : color;
  return (uint32_t{ui::RedOf(rgb)} << 16) | (uint32_t{ui::GreenOf(rgb)} << 8) | ui::BlueOf(rgb);
}

ui::Rect Intersect(const ui::Rect& a, const ui::Rect& b) {
  return {std::max(a.left, b.left), std::max(a.top, b.top), std::min(a.right, b.right),
          std::min(a.bottom, b.bottom)};
}

}  // namespace

RasterCanvas::RasterCanvas(int32_t width, int32_t height)
    : pixels(width, height), state_{{0, 0}, {0, 0, width, height}} {}

ui::Rect RasterCanvas::ToDevice(const ui::Rect& rect) const {
  return {rect.left + state_.origin.x, rect.top + state_.origin.y, rect.right + state_.origin.x,
          rect.bottom + state_.origin.y};
}

void RasterCanvas::FillRect(const ui::Rect& rect, ui::Color color) {
  const ui::Rect r = Intersect(ToDevice(rect), state_.clip);
  for (int32_t y = r.top; y < r.bottom; ++y) {
    for (int32_t x = r.left; x < r.right; ++x) pixels.Set(x, y, ToPixel(color));
  }
}

void RasterCanvas::DrawBitmap(const ui::PixelBitmap& bitmap, ui::Point at, bool transparent) {
  if (bitmap.Empty()) return;
  const uint32_t key = bitmap.At(0, bitmap.Height() - 1);
  for (int32_t y = 0; y < bitmap.Height(); ++y) {
    for (int32_t x = 0; x < bitmap.Width(); ++x) {
      const ui::Point p{at.x + x + state_.origin.x, at.y + y + state_.origin.y};
      if (!state_.clip.Contains(p)) continue;
      if (transparent && bitmap.At(x, y) == key) continue;
      pixels.Set(p.x, p.y, bitmap.At(x, y));
    }
  }
}

void RasterCanvas::DrawPicture(const ui::Picture& picture, const ui::Rect& dest, bool transparent) {
  pictures.push_back({&picture, ToDevice(dest), transparent});
}

void RasterCanvas::DrawText(const std::string& text, const ui::Rect& box, const ui::Font& font,
                            ui::TextFormat format) {
  texts.push_back({text, ToDevice(box), font, format});
}

ui::Size RasterCanvas::MeasureText(const std::string& text, const ui::Font&, int32_t wrap_width) {
  const int32_t width = static_cast<int32_t>(text.size()) * kCharWidth;
  if (wrap_width <= 0 || width <= wrap_width) return {width, text.empty() ? 0 : kLineHeight};
  const int32_t per_line = std::max(1, wrap_width / kCharWidth);
  const int32_t lines = (static_cast<int32_t>(text.size()) + per_line - 1) / per_line;
  return {per_line * kCharWidth, lines * kLineHeight};
}

void RasterCanvas::Save() {
  saved_.push_back(state_);
}

void RasterCanvas::Restore() {
  state_ = saved_.back();
  saved_.pop_back();
}

void RasterCanvas::Translate(int32_t dx, int32_t dy) {
  state_.origin.x += dx;
  state_.origin.y += dy;
}

void RasterCanvas::IntersectClip(const ui::Rect& rect) {
  state_.clip = Intersect(state_.clip, ToDevice(rect));
}

ui::Color RasterCanvas::ColorAt(int32_t x, int32_t y) const {
  const uint32_t p = pixels.At(x, y);
  return ui::Rgb(static_cast<uint8_t>(p >> 16), static_cast<uint8_t>(p >> 8),
                 static_cast<uint8_t>(p));
}

}  // namespace testing_support
