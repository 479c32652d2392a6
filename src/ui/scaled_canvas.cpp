// Scaled painting.
#include "ui/scaled_canvas.h"

namespace ui {
namespace {

uint64_t ContentHash(const PixelBitmap& bitmap) {
  uint64_t hash = 14695981039346656037ull;  // FNV-1a over the pixels
  for (int32_t y = 0; y < bitmap.Height(); ++y) {
    const uint32_t* row = bitmap.Row(y);
    for (int32_t x = 0; x < bitmap.Width(); ++x) hash = (hash ^ row[x]) * 1099511628211ull;
  }
  return hash;
}

}  // namespace

PixelBitmap ScaleNearest(const PixelBitmap& bitmap, Size size) {
  PixelBitmap scaled(size.width, size.height);
  scaled.SetHasAlpha(bitmap.HasAlpha());
  if (scaled.Empty() || bitmap.Empty()) return scaled;
  for (int32_t y = 0; y < size.height; ++y) {
    const uint32_t* source = bitmap.Row(
        static_cast<int32_t>((int64_t{y} * 2 + 1) * bitmap.Height() / (size.height * 2)));
    uint32_t* row = scaled.Row(y);
    for (int32_t x = 0; x < size.width; ++x) {
      row[x] = source[(int64_t{x} * 2 + 1) * bitmap.Width() / (size.width * 2)];
    }
  }
  return scaled;
}

const PixelBitmap& ScaledBitmaps::Get(const PixelBitmap& bitmap, Scale scale) {
  // A design with many distinct glyphs must not hold them all forever.
  constexpr size_t kMostKept = 64;
  const uint64_t hash = ContentHash(bitmap);
  const Size size{bitmap.Width(), bitmap.Height()};
  for (const Scaled& kept : scaled_) {
    if (kept.hash == hash && kept.size == size && kept.dpi == scale.Dpi()) return kept.pixels;
  }
  if (scaled_.size() >= kMostKept) scaled_.clear();
  scaled_.push_back({hash, size, scale.Dpi(), ScaleNearest(bitmap, scale.ToDevice(size))});
  return scaled_.back().pixels;
}

ScaledCanvas::ScaledCanvas(Canvas& device, Scale scale, ScaledBitmaps& bitmaps, Point origin)
    : device_(device), scale_(scale), bitmaps_(bitmaps), base_(origin), origin_(origin) {}

Rect ScaledCanvas::ToDevice(const Rect& rect) const {
  const Rect absolute{Rect::Saturate(int64_t{rect.left} + origin_.x),
                      Rect::Saturate(int64_t{rect.top} + origin_.y),
                      Rect::Saturate(int64_t{rect.right} + origin_.x),
                      Rect::Saturate(int64_t{rect.bottom} + origin_.y)};
  const Point base = scale_.ToDevice(base_);
  const Rect device = scale_.ToDevice(absolute);
  return {device.left - base.x, device.top - base.y, device.right - base.x, device.bottom - base.y};
}

void ScaledCanvas::FillRect(const Rect& rect, Color color) {
  device_.FillRect(ToDevice(rect), color);
}

void ScaledCanvas::DrawBitmap(const PixelBitmap& bitmap, Point at, bool transparent) {
  if (bitmap.Empty()) return;
  const Rect place = ToDevice(Rect::FromBounds(at.x, at.y, 0, 0));
  device_.DrawBitmap(bitmaps_.Get(bitmap, scale_), {place.left, place.top}, transparent);
}

void ScaledCanvas::DrawPicture(const Picture& picture, const Rect& dest, bool transparent) {
  device_.DrawPicture(picture, ToDevice(dest), transparent);
}

void ScaledCanvas::DrawText(const std::string& text, const Rect& box, const Font& font,
                            TextFormat format) {
  Rect device = ToDevice(box);
  if (!format.word_wrap) {
    // Text is measured at 96 DPI and drawn at the screen's, where a font's width need not scale
    // exactly: a line gets room to grow away from its alignment instead of losing its ends. The
    // object's own clip still bounds it.
    const int32_t room = device.Width() / 8 + 2;
    if (format.align != TextAlign::Right) device.right += room;
    if (format.align != TextAlign::Left) device.left -= room;
  }
  device_.DrawText(text, device, font, format);
}

Size ScaledCanvas::MeasureText(const std::string& text, const Font& font, int32_t wrap_width) {
  return device_.MeasureText(text, font, wrap_width);
}

void ScaledCanvas::Save() {
  saved_.push_back(origin_);
  device_.Save();
}

void ScaledCanvas::Restore() {
  if (!saved_.empty()) {
    origin_ = saved_.back();
    saved_.pop_back();
  }
  device_.Restore();
}

void ScaledCanvas::Translate(int32_t dx, int32_t dy) {
  origin_ = {Rect::Saturate(int64_t{origin_.x} + dx), Rect::Saturate(int64_t{origin_.y} + dy)};
}

void ScaledCanvas::IntersectClip(const Rect& rect) {
  device_.IntersectClip(ToDevice(rect));
}

}  // namespace ui
