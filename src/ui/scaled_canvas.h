// Paints a design on a screen above 96 DPI: a canvas that takes design units and hands the
// device canvas beneath it device pixels. Edges are mapped one by one (see Scale), so what
// touches at 96 DPI touches at any scale; text is drawn in the device canvas's fonts (which
// the window makes at its DPI) and measured as at 96 DPI, so that auto-sized objects keep their
// design sizes; glyphs are scaled once per scale and kept.
#pragma once

#include <cstdint>
#include <vector>

#include "ui/canvas.h"
#include "ui/scale.h"

namespace ui {

// Bitmaps already scaled, by their content: a glyph and its hot twin are each scaled once, however
// often they are painted. Owned by the window, dropped when its scale changes.
class ScaledBitmaps {
 public:
  // `bitmap` at `scale`, each device pixel taking the bitmap pixel under its centre: pixel art
  // stays sharp (a whole factor repeats every pixel exactly) and a key colour stays exact.
  const PixelBitmap& Get(const PixelBitmap& bitmap, Scale scale);
  void Clear() { scaled_.clear(); }

 private:
  struct Scaled {
    uint64_t hash;  // of the source's pixels
    Size size;      // the source's
    int32_t dpi;
    PixelBitmap pixels;
  };
  std::vector<Scaled> scaled_;
};

PixelBitmap ScaleNearest(const PixelBitmap& bitmap, Size size);

class ScaledCanvas : public Canvas {
 public:
  // Design point `origin` lands on the device canvas's (0, 0).
  ScaledCanvas(Canvas& device, Scale scale, ScaledBitmaps& bitmaps, Point origin = {});

  void FillRect(const Rect& rect, Color color) override;
  void DrawBitmap(const PixelBitmap& bitmap, Point at, bool transparent) override;
  void DrawPicture(const Picture& picture, const Rect& dest, bool transparent) override;
  void DrawText(const std::string& text, const Rect& box, const Font& font,
                TextFormat format) override;
  Size MeasureText(const std::string& text, const Font& font, int32_t wrap_width) override;
  void Save() override;
  void Restore() override;
  void Translate(int32_t dx, int32_t dy) override;
  void IntersectClip(const Rect& rect) override;

  // A design rectangle (in the current origin) on the device.
  Rect ToDevice(const Rect& rect) const;

 private:
  Canvas& device_;
  Scale scale_;
  ScaledBitmaps& bitmaps_;
  Point base_;    // the design point at the device's (0, 0)
  Point origin_;  // the current origin, in design units from the device's (0, 0)
  std::vector<Point> saved_;
};

}  // namespace ui
