// GDI canvas.
#include "ui/win32/gdi_canvas.h"

#include <memory>

#include "ui/text_direction.h"
#include "ui/win32/gdi_picture.h"
#include "ui/win32/wide_text.h"

namespace ui::win32 {
namespace {

// The caption shows as typed, '&' included; one that starts with a right-to-left letter is laid
// out right to left, the way Windows shapes Hebrew and Arabic.
UINT TextFlags(TextFormat format, std::string_view text) {
  UINT flags = DT_NOPREFIX | DT_EXPANDTABS;
  switch (format.align) {
    case TextAlign::Right:
      flags |= DT_RIGHT;
      break;
    case TextAlign::Center:
      flags |= DT_CENTER;
      break;
    case TextAlign::Left:
      flags |= DT_LEFT;
      break;
  }
  if (format.word_wrap) flags |= DT_WORDBREAK;
  if (StartsRightToLeft(text)) flags |= DT_RTLREADING;
  return flags;
}

}  // namespace

GdiObject<HFONT> CreateDesignFont(const Font& font, int32_t dpi) {
  if (dpi <= 0) {
    ScreenDc screen;
    dpi = ::GetDeviceCaps(screen.Get(), LOGPIXELSY);
  }
  const int height = -::MulDiv(font.size, dpi, 72);
  return GdiObject<HFONT>(::CreateFontW(
      height, 0, 0, 0, (font.style & kFontBold) ? FW_BOLD : FW_NORMAL,
      (font.style & kFontItalic) ? TRUE : FALSE, (font.style & kFontUnderline) ? TRUE : FALSE,
      (font.style & kFontStrikeOut) ? TRUE : FALSE, DEFAULT_CHARSET, OUT_DEFAULT_PRECIS,
      CLIP_DEFAULT_PRECIS, DEFAULT_QUALITY, DEFAULT_PITCH | FF_DONTCARE,
      WideOf(font.name).c_str()));
}

GdiCanvas::GdiCanvas(HDC dc, int32_t draw_dpi, int32_t measure_dpi)
    : dc_(dc), saved_state_(::SaveDC(dc)), draw_dpi_(draw_dpi), measure_dpi_(measure_dpi) {
  ::SetBkMode(dc_, TRANSPARENT);
}

GdiCanvas::~GdiCanvas() {
  ::RestoreDC(dc_, saved_state_);
}

void GdiCanvas::FillRect(const Rect& rect, Color color) {
  FillSolid(dc_, RECT{rect.left, rect.top, rect.right, rect.bottom}, color);
}

void GdiCanvas::DrawBitmap(const PixelBitmap& bitmap, Point at, bool transparent) {
  if (bitmap.Empty()) return;
  const BitmapPicture picture(std::make_unique<const PixelBitmap>(bitmap));
  picture.Draw(dc_, RECT{at.x, at.y, at.x + bitmap.Width(), at.y + bitmap.Height()}, transparent);
}

void GdiCanvas::DrawPicture(const Picture& picture, const Rect& dest, bool transparent) {
  if (!picture.IsPlatformPicture()) return;
  const Size size = picture.GetSize();
  const bool smooth = smooth_pictures_ && !transparent && size != Size{dest.Width(), dest.Height()};
  static_cast<const GdiPicture&>(picture).Draw(
      dc_, RECT{dest.left, dest.top, dest.right, dest.bottom}, transparent, smooth);
}

HFONT GdiCanvas::FontFor(const Font& font, int32_t dpi) {
  for (const CachedFont& cached : fonts_) {
    if (cached.dpi == dpi && cached.font.size == font.size && cached.font.style == font.style &&
        cached.font.name == font.name) {
      return cached.handle.Get();
    }
  }
  fonts_.push_back({font, dpi, CreateDesignFont(font, dpi)});
  return fonts_.back().handle.Get();
}

void GdiCanvas::DrawText(const std::string& text, const Rect& box, const Font& font,
                         TextFormat format) {
  if (text.empty()) return;
  SelectGuard select(dc_, FontFor(font, draw_dpi_));
  ::SetTextColor(dc_, ToColorRef(font.color));
  RECT r{box.left, box.top, box.right, box.bottom};
  const std::wstring wide = WideOf(text);
  ::DrawTextW(dc_, wide.c_str(), static_cast<int>(wide.size()), &r, TextFlags(format, text));
}

Size GdiCanvas::MeasureText(const std::string& text, const Font& font, int32_t wrap_width) {
  SelectGuard select(dc_, FontFor(font, measure_dpi_));
  RECT r{0, 0, wrap_width > 0 ? wrap_width : 0, 0};
  const UINT flags = DT_CALCRECT | TextFlags(TextFormat{TextAlign::Left, wrap_width > 0}, text);
  // An empty caption still takes one line, as a label shows it. The text is measured as it is
  // drawn, fallback fonts and right-to-left layout included.
  const std::wstring measured = text.empty() ? std::wstring(L" ") : WideOf(text);
  ::DrawTextW(dc_, measured.c_str(), static_cast<int>(measured.size()), &r, flags);
  return {text.empty() ? 0 : r.right - r.left, r.bottom - r.top};
}

void GdiCanvas::Save() {
  ::SaveDC(dc_);
}
void GdiCanvas::Restore() {
  ::RestoreDC(dc_, -1);
}

void GdiCanvas::Translate(int32_t dx, int32_t dy) {
  ::OffsetViewportOrgEx(dc_, dx, dy, nullptr);
}

void GdiCanvas::IntersectClip(const Rect& rect) {
  ::IntersectClipRect(dc_, rect.left, rect.top, rect.right, rect.bottom);
}

}  // namespace ui::win32
