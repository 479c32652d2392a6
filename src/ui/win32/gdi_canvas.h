// The canvas on a GDI device context: rectangles, bitmaps, pictures and text in the system code
// page, with the origin and clip kept by the DC itself (SaveDC/RestoreDC).
#pragma once

#include <windows.h>

#include <map>
#include <string>
#include <tuple>

#include "ui/canvas.h"
#include "ui/win32/gdi.h"

namespace ui::win32 {

class GdiCanvas : public Canvas {
 public:
  explicit GdiCanvas(HDC dc);
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
  HFONT FontFor(const Font& font);

  HDC dc_;  // not owned
  int saved_state_;
  // Fonts live as long as the canvas: one paint creates each font once.
  std::map<std::tuple<std::string, int32_t, uint8_t>, GdiObject<HFONT>> fonts_;
};

// A GDI font for a design font at the screen's resolution.
GdiObject<HFONT> CreateDesignFont(const Font& font);

}  // namespace ui::win32
