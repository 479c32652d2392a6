// The canvas on a GDI device context: rectangles, bitmaps, pictures and text in any script (UTF-8
// in, drawn through the wide API), with the origin and clip kept by the DC itself.
#pragma once

#include <windows.h>

#include <string>
#include <vector>

#include "ui/canvas.h"
#include "ui/win32/gdi.h"

namespace ui::win32 {

class GdiCanvas : public Canvas {
 public:
  // Text is drawn in fonts made for `draw_dpi` and measured in fonts made for `measure_dpi`; 0
  // is the screen's DPI. A design painted scaled is drawn at its screen's DPI but measured at 96.
  explicit GdiCanvas(HDC dc, int32_t draw_dpi = 0, int32_t measure_dpi = 0);
  ~GdiCanvas() override;

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

 private:
  HFONT FontFor(const Font& font, int32_t dpi);

  HDC dc_;  // not owned
  int saved_state_;
  int32_t draw_dpi_;
  int32_t measure_dpi_;
  // Fonts live as long as the canvas: one paint creates each font once. A menu uses a handful,
  // so a list searched in order serves, without a tree's code in the player.
  struct CachedFont {
    Font font;
    int32_t dpi;
    GdiObject<HFONT> handle;
  };
  std::vector<CachedFont> fonts_;
  // Pictures that a scaled paint shows at another size are smoothed, unless keyed.
  bool smooth_pictures_ = false;

 public:
  void SmoothScaledPictures(bool on) { smooth_pictures_ = on; }
};

// A GDI font for a design font at `dpi` (0: the screen's resolution).
GdiObject<HFONT> CreateDesignFont(const Font& font, int32_t dpi = 0);

}  // namespace ui::win32
