// The tool strip's layout: the logo goes first, then the read-out shortens, then the strip wraps,
// and at no width does a piece lie over another.
#include "designer/tool_strip.h"

#include <gtest/gtest.h>

namespace designer {
namespace {

// The strip as the tool bar tables make it at 96 DPI (factor 1) and at 192 DPI (factor 2).
StripMeasures Measures(int32_t f) {
  return {{{117 * f, 8 * f}, {117 * f, 8 * f}, {156 * f, 8 * f}},
          {39 * f, 8 * f},
          195 * f,
          8 * f,
          120 * f,
          60 * f,
          39 * f,
          173 * f};
}

TEST(ToolStrip, TheLogoGoesFirstThenTheReadOutShortensThenTheStripWraps) {
  const struct {
    int32_t factor, width;
    StripPlace group3, arrange, read_out, disc;
    bool logo;
  } cases[] = {
      {1, 1016, {250, 0, 156}, {461, 0, 195}, {664, 0, 132}, {804, 0, 39}, true},  // as always
      {1, 1004, {250, 0, 156}, {461, 0, 195}, {664, 0, 120}, {792, 0, 39}, true},
      {1, 1003, {250, 0, 156}, {461, 0, 195}, {664, 0, 292}, {964, 0, 39}, false},
      {1, 771, {250, 0, 156}, {461, 0, 195}, {664, 0, 60}, {732, 0, 39}, false},
      {1, 770, {250, 0, 156}, {461, 0, 195}, {8, 1, 715}, {731, 1, 39}, false},
      {1, 632, {250, 0, 156}, {0, 1, 195}, {203, 1, 382}, {593, 1, 39}, false},  // 640-pixel window
      {1, 300, {0, 1, 156}, {0, 2, 195}, {8, 3, 245}, {261, 3, 39}, false},
      {2, 1584, {500, 0, 312}, {922, 0, 390}, {1328, 0, 162}, {1506, 0, 78}, false},  // 1600 x 1200
      {2, 1008, {500, 0, 312}, {0, 1, 390}, {406, 1, 508}, {930, 1, 78}, false},      // 1024 x 768
  };
  for (const auto& c : cases) {
    const StripLayout layout = LayOutStrip(c.width, Measures(c.factor));
    EXPECT_EQ(layout.bar_groups[2], c.group3) << c.width;
    EXPECT_EQ(layout.arrange, c.arrange) << c.width;
    EXPECT_EQ(layout.read_out, c.read_out) << c.width;
    EXPECT_EQ(layout.disc, c.disc) << c.width;
    EXPECT_EQ(layout.logo_shown, c.logo) << c.width;
    EXPECT_EQ(layout.rows, c.disc.row + 1) << c.width;
  }
}

TEST(ToolStrip, AtEveryWidthNoPieceLiesOverAnother) {
  for (const int32_t factor : {1, 2}) {
    for (int32_t width = 40; width <= 1200 * factor; ++width) {
      const StripLayout l = LayOutStrip(width, Measures(factor));
      std::vector<StripPlace> pieces = l.bar_groups;
      pieces.insert(pieces.end(), {l.cd_icon, l.arrange, l.read_out, l.disc});
      if (l.logo_shown) pieces.push_back({width - 173 * factor, 0, 173 * factor});
      for (size_t i = 0; i < pieces.size(); ++i) {
        const StripPlace& a = pieces[i];
        EXPECT_TRUE(a.left >= 0 && a.row < l.rows) << width;
        for (size_t j = i + 1; j < pieces.size(); ++j) {
          const StripPlace& b = pieces[j];
          EXPECT_FALSE(a.row == b.row && a.left < b.left + b.width && b.left < a.left + a.width)
              << "pieces " << i << " and " << j << " at width " << width;
        }
      }
    }
  }
}

}  // namespace
}  // namespace designer
