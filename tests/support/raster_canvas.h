// A canvas for tests that paints rectangles and bitmaps into a pixel bitmap for real (with the
// origin and clip), records text and pictures, and measures text with a fixed cell font: every
// character 6 pixels wide, every line 13 pixels high.
#pragma once

#include <string>
#include <vector>

#include "ui/canvas.h"

namespace testing_support {

struct DrawnText {
  std::string text;
  ui::Rect box;  // in the bitmap's coordinates
  ui::Font font;
  ui::TextFormat format;
};

struct DrawnPicture {
  const ui::Picture* picture;
  ui::Rect dest;
  bool transparent;
};

class RasterCanvas : public ui::Canvas {
 public:
  static constexpr int32_t kCharWidth = 6;
  static constexpr int32_t kLineHeight = 13;

  RasterCanvas(int32_t width, int32_t height);

  void FillRect(const ui::Rect& rect, ui::Color color) override;
  void DrawBitmap(const ui::PixelBitmap& bitmap, ui::Point at, bool transparent) override;
  void DrawPicture(const ui::Picture& picture, const ui::Rect& dest, bool transparent) override;
  void DrawText(const std::string& text, const ui::Rect& box, const ui::Font& font,
                ui::TextFormat format) override;
  ui::Size MeasureText(const std::string& text, const ui::Font& font, int32_t wrap_width) override;
  void Save() override;
  void Restore() override;
  void Translate(int32_t dx, int32_t dy) override;
  void IntersectClip(const ui::Rect& rect) override;

  // The colour a pixel shows, as 0x00BBGGRR; system colours are painted as SystemColorValue.
  ui::Color ColorAt(int32_t x, int32_t y) const;
  static ui::Color SystemColorValue(uint8_t index) { return 0x00010101u * (index + 1); }

  ui::PixelBitmap pixels;
  std::vector<DrawnText> texts;
  std::vector<DrawnPicture> pictures;

 private:
  struct State {
    ui::Point origin;
    ui::Rect clip;
  };
  ui::Rect ToDevice(const ui::Rect& rect) const;
  State state_;
  std::vector<State> saved_;
};

}  // namespace testing_support
