// The panel's background picture: which settings give one, and the oversized fill behind it.
#include "player/background_render.h"

#include <algorithm>

#include "player/pixel_value.h"

namespace player {

std::optional<ui::PixelBitmap> RenderBackgroundPicture(int32_t width, int32_t height,
                                                       ui::Color back_color,
                                                       ui::Color gradient_color, uint8_t style,
                                                       SystemColorLookup lookup) {
  if (style >= core::kGradientNone || gradient_color == back_color) return std::nullopt;
  width = std::max(width, 0);
  height = std::max(height, 0);
  // Starting from BackColor matters in one place: the ring style's steps stop short of the
  // centre pixel of a square surface with odd sides, which then shows BackColor, the colour that
  // ring would have had (index N of a ramp that ends in BackColor).
  ui::PixelBitmap picture(width, height, PixelFromColor(ResolveColor(back_color, lookup)));
  if (picture.Empty()) return picture;
  // The gradient is laid out over the larger surface; the bitmap clips away its rightmost two
  // columns and bottom two rows.
  const ui::Rect surface{0, 0, ui::Rect::Saturate(int64_t{width} + 2),
                         ui::Rect::Saturate(int64_t{height} + 2)};
  GradientFill(picture, surface, back_color, gradient_color, style, lookup);
  return picture;
}

}  // namespace player
