// The background gradient over many panel and rectangle sizes against a reference written per
// pixel from the style rules: the band a pixel's distance falls in, the last ring or corner ring
// step whose strips cover it, the smallest radial ellipse containing it.
// The code under test paints bands, strips and spans instead, so the two meet only in the result.
#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <cmath>
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <utility>
#include <vector>

#include "player/background_render.h"
#include "player/gradient_fill.h"
#include "player/pixel_value.h"
#include "player/radial_gradient.h"
#include "player/x87_precision.h"
#include "ui/color.h"
#include "ui/pixel_bitmap.h"

namespace player {
namespace {

constexpr uint32_t kNothing = 0xFF0000EEu;  // not a pixel any style paints: the top byte is set

struct Rgb3 {
  int r, g, b;
};

Rgb3 Split(ui::Color c) {
  return {static_cast<int>(c & 0xFF), static_cast<int>((c >> 8) & 0xFF),
          static_cast<int>((c >> 16) & 0xFF)};
}

uint32_t Px(int r, int g, int b) {
  return (static_cast<uint32_t>(r) << 16) | (static_cast<uint32_t>(g) << 8) |
         static_cast<uint32_t>(b);
}

// Colour index i of N: start + i * (end - start) / N per component, C++'s truncating division.
uint32_t RampPx(Rgb3 s, Rgb3 e, int64_t i, int64_t n) {
  if (n == 0) return Px(s.r, s.g, s.b);
  return Px(static_cast<int>(s.r + i * (e.r - s.r) / n),
            static_cast<int>(s.g + i * (e.g - s.g) / n),
            static_cast<int>(s.b + i * (e.b - s.b) / n));
}

// The expected fill of a wf x hf rectangle at the origin, row-major.
using Expected = std::vector<uint32_t>;

Expected Bands(int wf, int hf, Rgb3 s, Rgb3 e, bool stacked) {
  Expected out(static_cast<size_t>(wf) * hf, kNothing);
  const int64_t size = stacked ? hf : wf;
  const int64_t times = std::min<int64_t>(size, 256);
  if (times - 1 <= 0) return out;
  std::vector<int64_t> band_at_distance(size, -1);
  for (int64_t d = 0; d < size; ++d) {
    for (int64_t t = 0; t < times; ++t) {
      if (t * size / times <= d && d < (t + 1) * size / times) band_at_distance[d] = t;
    }
  }
  for (int y = 0; y < hf; ++y) {
    for (int x = 0; x < wf; ++x) {
      const int64_t d = stacked ? hf - 1 - y : wf - 1 - x;
      out[static_cast<size_t>(y) * wf + x] = RampPx(s, e, band_at_distance[d], times - 1);
    }
  }
  return out;
}

Expected Rings(int wf, int hf, Rgb3 s, Rgb3 e) {
  Expected out(static_cast<size_t>(wf) * hf, kNothing);
  const int hw = wf / 2, hh = hf / 2;
  // Step k has c = min(k, hh), d = min(k, hw); the loop stops once both have reached their halves.
  const int last = std::max(std::max(hw, hh) - 1, 0);
  for (int y = 0; y < hf; ++y) {
    for (int x = 0; x < wf; ++x) {
      for (int k = last; k >= 0; --k) {
        const int c = std::min(k, hh), d = std::min(k, hw);
        const bool on_column = (x == d || x == wf - 1 - d) && c <= y && y < hf - c;
        const bool on_row = (y == c || y == hf - 1 - c) && d <= x && x < wf - d;
        if (on_column || on_row) {
          out[static_cast<size_t>(y) * wf + x] = RampPx(s, e, c + d, hw + hh);
          break;
        }
      }
    }
  }
  return out;
}

Expected CornerRings(int wf, int hf, Rgb3 s, Rgb3 e, bool from_top) {
  Expected out(static_cast<size_t>(wf) * hf, kNothing);
  // Step k has i = min(k, wf), j = min(k, hf): its column i covers row distances (from the
  // corner's row) below j, and while k < hf its row k covers columns up to i. The loop stops
  // once both have reached their ends, after step max(wf, hf) - 1.
  const int last = std::max(std::max(wf, hf) - 1, 0);
  for (int y = 0; y < hf; ++y) {
    const int dy = from_top ? y : hf - 1 - y;
    for (int x = 0; x < wf; ++x) {
      for (int k = last; k >= 0; --k) {
        const int i = std::min(k, wf), j = std::min(k, hf);
        if ((x == i && dy < j) || (k < hf && dy == k && x <= i)) {
          out[static_cast<size_t>(y) * wf + x] = RampPx(s, e, i + j, wf + hf);
          break;
        }
      }
    }
  }
  return out;
}

struct RadialStep {
  int64_t left, top, right, bottom;
  uint32_t pixel;
};

int Wrap(int v) {
  return ((v % 256) + 256) % 256;
}

// Kept out of line so its floating point runs inside the caller's DoubleRoundingScope.
[[gnu::noinline]] std::vector<RadialStep> RadialSteps(int wf, int hf, Rgb3 s, Rgb3 e) {
  int times = std::min(255, std::max(wf, hf));
  const double inv = 1.0 / times;
  const double dr = (e.r - s.r) * inv, dg = (e.g - s.g) * inv, db = (e.b - s.b) * inv;
  const double rx = wf * 0.5 * inv, ry = hf * 0.5 * inv;
  if (wf % 2 == 1 || hf % 2 == 1) --times;
  const double cx = 1 + wf * 0.5, cy = 1 + hf * 0.5;
  std::vector<RadialStep> steps;
  for (int t = times; t >= 0; --t) {
    steps.push_back({static_cast<int64_t>(std::nearbyint(cx - t * rx)),
                     static_cast<int64_t>(std::nearbyint(cy - t * ry)),
                     static_cast<int64_t>(std::nearbyint(cx + t * rx)),
                     static_cast<int64_t>(std::nearbyint(cy + t * ry)),
                     Px(Wrap(s.r + static_cast<int>(std::nearbyint(t * dr))),
                        Wrap(s.g + static_cast<int>(std::nearbyint(t * dg))),
                        Wrap(s.b + static_cast<int>(std::nearbyint(t * db))))});
  }
  return steps;
}

// The documented ellipse pixel set: pixel centre inside or on the inscribed ellipse, or on the
// box's centre row(s) or column(s).
bool InEllipse(const RadialStep& box, int64_t x, int64_t y) {
  const int64_t w = box.right - box.left, h = box.bottom - box.top;
  if (x < box.left || x >= box.right || y < box.top || y >= box.bottom) return false;
  const int64_t X = 2 * x + 1 - (box.left + box.right);
  const int64_t Y = 2 * y + 1 - (box.top + box.bottom);
  return std::abs(X) <= 1 || std::abs(Y) <= 1 || X * X * h * h + Y * Y * w * w <= w * w * h * h;
}

Expected Radial(int wf, int hf, Rgb3 s, Rgb3 e) {
  std::vector<RadialStep> steps;
  {
    DoubleRoundingScope double_rounding;
    steps = RadialSteps(wf, hf, s, e);
  }
  Expected out(static_cast<size_t>(wf) * hf, Px(e.r, e.g, e.b));
  for (int y = 0; y < hf; ++y) {
    for (int x = 0; x < wf; ++x) {
      // The last step painted over the pixel is the one that shows.
      for (auto step = steps.rbegin(); step != steps.rend(); ++step) {
        if (InEllipse(*step, x, y)) {
          out[static_cast<size_t>(y) * wf + x] = step->pixel;
          break;
        }
      }
    }
  }
  return out;
}

Expected Reference(int wf, int hf, ui::Color back, ui::Color gradient, int style) {
  const Rgb3 s = Split(back), e = Split(gradient);
  switch (style) {
    case 0:
      return Bands(wf, hf, s, e, true);
    case 1:
      return Bands(wf, hf, e, s, true);
    case 2:
      return Bands(wf, hf, s, e, false);
    case 3:
      return Bands(wf, hf, e, s, false);
    case 4:
      return Rings(wf, hf, e, s);
    case 5:
      return CornerRings(wf, hf, e, s, true);
    case 6:
      return CornerRings(wf, hf, e, s, false);
    case 7:
      return Radial(wf, hf, s, e);
  }
  return {};
}

// Colour pairs whose ramps rise in some components and fall in others.
const std::pair<ui::Color, ui::Color> kColourPairs[] = {
    {ui::Rgb(10, 200, 77), ui::Rgb(250, 3, 128)},
    {ui::Rgb(255, 0, 255), ui::Rgb(0, 255, 254)},
};

void ExpectPanel(int w, int h, int style) {
  for (const auto& [back, gradient] : kColourPairs) {
    const auto picture =
        RenderBackgroundPicture(w, h, back, gradient, static_cast<uint8_t>(style), nullptr);
    ASSERT_TRUE(picture.has_value());
    ASSERT_EQ(picture->Width(), w);
    ASSERT_EQ(picture->Height(), h);
    // What the rule leaves unpainted shows the picture's starting colour, BackColor.
    const Rgb3 s = Split(back);
    Expected expected = Reference(w + 2, h + 2, back, gradient, style);
    std::replace(expected.begin(), expected.end(), kNothing, Px(s.r, s.g, s.b));
    for (int y = 0; y < h; ++y) {
      for (int x = 0; x < w; ++x) {
        ASSERT_EQ(picture->At(x, y), expected[static_cast<size_t>(y) * (w + 2) + x])
            << "panel " << w << "x" << h << " style " << style << " at " << x << "," << y;
      }
    }
  }
}

std::vector<std::pair<int, int>> PanelSizes() {
  std::vector<std::pair<int, int>> sizes;
  const int small[] = {0, 1, 2, 3, 4, 5, 6, 7, 8, 9, 13, 31, 64};
  for (int w : small) {
    for (int h : small) sizes.push_back({w, h});
  }
  for (int v = 0; v <= 300; v += 23) {
    sizes.insert(sizes.end(), {{v, 11}, {11, v}, {v, 300 - v}});
  }
  sizes.insert(sizes.end(), {{100, 50},
                             {253, 254},
                             {254, 253},
                             {255, 255},
                             {256, 1},
                             {1, 256},
                             {257, 30},
                             {30, 257},
                             {300, 300},
                             {300, 0},
                             {0, 300}});
  return sizes;
}

TEST(GradientReference, IntegerStylesMatchThePerPixelRulesForManyPanelSizes) {
  for (const auto& [w, h] : PanelSizes()) {
    for (int style = 0; style <= 6; ++style) ExpectPanel(w, h, style);
  }
}

TEST(GradientReference, RadialStyleMatchesThePerPixelRuleForManyPanelSizes) {
  for (const auto& [w, h] : PanelSizes()) {
    if (w * h <= 12000) ExpectPanel(w, h, core::kGradientRadial);
  }
}

TEST(GradientReference, WholeRectanglesOfAllSmallSizesAreExactlyTheRuleAndNothingElse) {
  // Every computed pixel visible, including sizes a panel never gives (1 and 0).
  for (int style = 0; style <= 7; ++style) {
    for (int wf = 0; wf <= 24; ++wf) {
      for (int hf = 0; hf <= 24; ++hf) {
        const auto [back, gradient] = kColourPairs[(wf + hf) % 2];
        ui::PixelBitmap b(wf + 6, hf + 4, kNothing);
        GradientFill(b, {2, 2, wf + 2, hf + 2}, back, gradient, static_cast<uint8_t>(style),
                     nullptr);
        const Expected expected = Reference(wf, hf, back, gradient, style);
        for (int y = 0; y < b.Height(); ++y) {
          for (int x = 0; x < b.Width(); ++x) {
            const bool inside = x >= 2 && x < wf + 2 && y >= 2 && y < hf + 2;
            const uint32_t want =
                inside ? expected[static_cast<size_t>(y - 2) * wf + (x - 2)] : kNothing;
            ASSERT_EQ(b.At(x, y), want)
                << wf << "x" << hf << " style " << style << " at " << x << "," << y;
          }
        }
      }
    }
  }
}

TEST(GradientReference, RadialRectanglesBeyond255AndVeryFlatOnesMatchTheRuleWholeAndClipped) {
  // More than 255 pixels both ways, very wide and very tall ones, odd and even sides. Each is
  // filled whole, then with its top left part cut off by the bitmap and then its bottom right
  // part; the offsets are even, which keeps the half-way rounding of the boxes.
  const std::pair<int, int> sizes[] = {{300, 257}, {257, 300}, {263, 263}, {1000, 3},
                                       {3, 1000},  {2000, 2},  {1, 700}};
  for (const auto& [wf, hf] : sizes) {
    const auto [back, gradient] = kColourPairs[(wf + hf) % 2];
    const Expected expected = Reference(wf, hf, back, gradient, core::kGradientRadial);
    const int cut_x = wf / 3 & ~1, cut_y = hf / 4 & ~1;
    for (const auto& [dx, dy, bw, bh] :
         {std::array{0, 0, wf, hf}, std::array{-cut_x, -cut_y, wf - cut_x, hf - cut_y},
          std::array{0, 0, wf - cut_x, hf - cut_y}}) {
      ui::PixelBitmap b(bw, bh, kNothing);
      GradientFill(b, {dx, dy, dx + wf, dy + hf}, back, gradient, core::kGradientRadial, nullptr);
      for (int y = 0; y < bh; ++y) {
        const auto from = expected.begin() + static_cast<std::ptrdiff_t>(y - dy) * wf - dx;
        ASSERT_EQ(Expected(b.Row(y), b.Row(y) + bw), Expected(from, from + bw))
            << wf << "x" << hf << " at " << dx << "," << dy << ", row " << y;
      }
    }
  }
}

TEST(GradientReference, RadialRectanglesWithTwoMiddlesMatchTheRuleInAnyClip) {
  // Sides whose ellipse boxes round to two middle columns and rows (315 x 323 and 98 x 63 a few
  // of them, 61 x 183 many), painted whole and through clips that cut each side, so that rows and
  // columns lose their mirror images.
  for (const auto& [wf, hf] : {std::pair{315, 323}, std::pair{98, 63}, std::pair{61, 183}}) {
    const auto [back, gradient] = kColourPairs[0];
    const Expected expected = Reference(wf, hf, back, gradient, core::kGradientRadial);
    for (const ui::Rect clip :
         {ui::Rect{0, 0, wf, hf}, ui::Rect{wf / 3, hf / 4, wf, hf},
          ui::Rect{0, 0, wf / 2 + 7, hf / 2 + 5}, ui::Rect{wf / 5, hf / 2 + 3, wf - 9, hf - 2}}) {
      ui::PixelBitmap b(wf, hf, kNothing);
      FillRadial(b, clip, {0, 0, wf, hf}, ComponentsOf(back), ComponentsOf(gradient));
      for (int y = 0; y < hf; ++y) {
        for (int x = 0; x < wf; ++x) {
          const uint32_t want =
              clip.Contains({x, y}) ? expected[static_cast<size_t>(y) * wf + x] : kNothing;
          ASSERT_EQ(b.At(x, y), want) << wf << "x" << hf << " clip " << clip.left << "," << clip.top
                                      << " at " << x << "," << y;
        }
      }
    }
  }
}

TEST(GradientReference, CornerRingsFollowTheirClosedForm) {
  // Index k + min(k, Wf, Hf) with k = max(dx, dy), dy counted from the corner's row.
  const Rgb3 back = Split(ui::Rgb(0, 0, 0)), gradient = Split(ui::Rgb(255, 128, 3));
  for (const auto& [wf, hf] : {std::pair{1, 1}, std::pair{7, 3}, std::pair{3, 7}, std::pair{40, 40},
                               std::pair{300, 20}, std::pair{20, 300}}) {
    for (const bool from_top : {true, false}) {
      const uint8_t style = from_top ? core::kGradientFromTopLeft : core::kGradientFromBottomLeft;
      ui::PixelBitmap b(wf, hf, kNothing);
      GradientFill(b, {0, 0, wf, hf}, ui::Rgb(0, 0, 0), ui::Rgb(255, 128, 3), style, nullptr);
      for (int y = 0; y < hf; ++y) {
        for (int x = 0; x < wf; ++x) {
          const int k = std::max(x, from_top ? y : hf - 1 - y);
          ASSERT_EQ(b.At(x, y), RampPx(gradient, back, k + std::min({k, wf, hf}), wf + hf))
              << wf << "x" << hf << " style " << int{style} << " at " << x << "," << y;
        }
      }
    }
  }
}

}  // namespace
}  // namespace player
