// The tool strip's layout.
#include "designer/tool_strip.h"

#include <algorithm>

namespace designer {

StripLayout LayOutStrip(int32_t width, const StripMeasures& m) {
  StripLayout layout;
  int32_t x = 0, row = 0;
  // A piece that does not fit after others starts the next row; alone on a row it stays there,
  // cut off by the window's edge rather than over anything.
  const auto place = [&](int32_t piece_width, int32_t gap) {
    if (x > 0 && x + piece_width > width) {
      ++row;
      x = 0;
    }
    const StripPlace at{x, row, piece_width};
    x += piece_width + gap;
    return at;
  };
  for (const StripPiece& group : m.bar_groups) {
    layout.bar_groups.push_back(place(group.width, group.gap));
  }
  layout.cd_icon = place(m.cd_icon.width, m.cd_icon.gap);
  layout.arrange = place(m.arrange, m.margin);
  const int32_t tail = m.margin + m.disc;  // after the read-out
  layout.logo_shown = row == 0 && x + m.read_out + tail + m.logo <= width;
  if (x > 0 && x + m.read_out_least + tail > width) {
    ++row;
    x = m.margin;
  }
  const int32_t right = width - (layout.logo_shown ? m.logo : 0);
  const int32_t read_out = std::max(right - tail - x, 0);
  layout.read_out = {x, row, read_out};
  layout.disc = {x + read_out + m.margin, row, m.disc};
  layout.rows = row + 1;
  return layout;
}

}  // namespace designer
