// The tool strip's layout: the logo goes first, then the read-out shortens, then the strip wraps,
// and no piece ever lies over another.
#include "designer/tool_strip.h"

#include <gtest/gtest.h>

#include <vector>

namespace designer {
namespace {

// The strip as the tool bar tables make it, at 96 DPI and at 192 DPI.
StripMeasures Measures(int32_t factor) {
  const int32_t f = factor;
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
  struct Case {
    const char* what;
    int32_t factor, width;
    StripPlace arrange, read_out, disc;
    bool logo;
    int32_t rows;
  };
  const Case cases[] = {
      {"a 1024-pixel screen, as always",
       1,
       1016,
       {461, 0, 195},
       {664, 0, 132},
       {804, 0, 39},
       true,
       1},
      {"the read-out at its width with the logo",
       1,
       1004,
       {461, 0, 195},
       {664, 0, 120},
       {792, 0, 39},
       true,
       1},
      {"a pixel less: no logo", 1, 1003, {461, 0, 195}, {664, 0, 292}, {964, 0, 39}, false, 1},
      {"the read-out at its least", 1, 771, {461, 0, 195}, {664, 0, 60}, {732, 0, 39}, false, 1},
      {"a pixel less: it wraps with Check Disc",
       1,
       770,
       {461, 0, 195},
       {8, 1, 715},
       {731, 1, 39},
       false,
       2},
      {"640 pixels: the align buttons wrap",
       1,
       632,
       {0, 1, 195},
       {203, 1, 382},
       {593, 1, 39},
       false,
       2},
      {"the tool bar's groups wrap too", 1, 300, {0, 2, 195}, {8, 3, 245}, {261, 3, 39}, false, 4},
      {"192 DPI on a 1600-pixel screen",
       2,
       1584,
       {922, 0, 390},
       {1328, 0, 162},
       {1506, 0, 78},
       false,
       1},
      {"192 DPI on a 1024-pixel screen",
       2,
       1008,
       {0, 1, 390},
       {406, 1, 508},
       {930, 1, 78},
       false,
       2},
  };
  for (const Case& c : cases) {
    const StripLayout layout = LayOutStrip(c.width, Measures(c.factor));
    EXPECT_EQ(layout.arrange, c.arrange) << c.what;
    EXPECT_EQ(layout.read_out, c.read_out) << c.what;
    EXPECT_EQ(layout.disc, c.disc) << c.what;
    EXPECT_EQ(layout.logo_shown, c.logo) << c.what;
    EXPECT_EQ(layout.rows, c.rows) << c.what;
  }
  const StripLayout narrow = LayOutStrip(300, Measures(1));
  const std::vector<StripPlace> groups{{0, 0, 117}, {125, 0, 117}, {0, 1, 156}};
  EXPECT_EQ(narrow.bar_groups, groups);
  EXPECT_EQ(narrow.cd_icon, (StripPlace{164, 1, 39}));
}

TEST(ToolStrip, AtEveryWidthNoPieceLiesOverAnother) {
  for (const int32_t factor : {1, 2}) {
    const StripMeasures m = Measures(factor);
    for (int32_t width = 40; width <= 1200 * factor; ++width) {
      const StripLayout layout = LayOutStrip(width, m);
      std::vector<StripPlace> pieces = layout.bar_groups;
      pieces.insert(pieces.end(), {layout.cd_icon, layout.arrange, layout.read_out, layout.disc});
      if (layout.logo_shown) pieces.push_back({width - m.logo, 0, m.logo});
      for (size_t i = 0; i < pieces.size(); ++i) {
        EXPECT_GE(pieces[i].left, 0) << width;
        EXPECT_LT(pieces[i].row, layout.rows) << width;
        for (size_t j = i + 1; j < pieces.size(); ++j) {
          const StripPlace &a = pieces[i], &b = pieces[j];
          EXPECT_FALSE(a.row == b.row && a.left < b.left + b.width && b.left < a.left + a.width)
              << "pieces " << i << " and " << j << " at width " << width;
        }
      }
    }
  }
}

}  // namespace
}  // namespace designer
