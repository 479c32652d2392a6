// The building blocks of the background gradient: pixel values, clipped span fills, the filled
// ellipse's pixel set, and half-to-even rounding.
#include <gtest/gtest.h>

#include <climits>
#include <cmath>
#include <cstdint>
#include <cstdlib>
#include <string>
#include <utility>
#include <vector>

#include "player/clipped_canvas.h"
#include "player/ellipse_fill.h"
#include "player/pixel_value.h"
#include "player/radial_gradient.h"

namespace player {
namespace {

constexpr uint32_t kOld = 0xFF000000u;
constexpr uint32_t kNew = 0x00ABCDEFu;

// The bitmap as rows of '#' (painted) and '.' (untouched), for readable expectations.
std::vector<std::string> Picture(const ui::PixelBitmap& b) {
  std::vector<std::string> rows;
  for (int32_t y = 0; y < b.Height(); ++y) {
    std::string row;
    for (int32_t x = 0; x < b.Width(); ++x) row += b.At(x, y) == kNew ? '#' : '.';
    rows.push_back(row);
  }
  return rows;
}

TEST(PixelValue, ColorComponentsMoveToTheBitmapsByteOrder) {
  EXPECT_EQ(PixelOf(0x12, 0x34, 0x56), 0x123456u);
  EXPECT_EQ(PixelFromColor(ui::Rgb(0x12, 0x34, 0x56)), 0x123456u);
  EXPECT_EQ(PixelFromColor(0x00FF0000u), 0x0000FFu);  // blue, stored 0x00BBGGRR
  EXPECT_EQ(PixelFromColor(0x7F0000FFu), 0xFF0000u);  // red; the top byte is not a component
  EXPECT_EQ(ComponentsOf(ui::Rgb(1, 2, 3)), (RgbComponents{1, 2, 3}));
}

TEST(ClippedCanvas, SpansAndRectanglesStayInsideTheClip) {
  ui::PixelBitmap b(8, 5, kOld);
  ClippedCanvas canvas(b, {1, 1, 7, 5});
  canvas.FillSpan(1, -100, 3, kNew);          // cut at the clip's left edge
  canvas.FillSpan(0, 0, 8, kNew);             // above the clip
  canvas.FillRect(6, 3, 7, INT64_MAX, kNew);  // cut at the bitmap's bottom
  canvas.FillRect(7, 0, 8, 5, kNew);          // right of the clip
  canvas.FillRect(3, 3, 5, 100, kNew);
  canvas.FillSpan(2, 5, 5, kNew);     // empty
  canvas.FillRect(2, 4, 3, 2, kNew);  // reversed: empty
  EXPECT_EQ(Picture(b),
            (std::vector<std::string>{"........", ".##.....", "........", "...##.#.", "...##.#."}));
}

TEST(ClippedCanvas, TheClipIsCutToTheBitmap) {
  ui::PixelBitmap b(4, 3, kOld);
  ClippedCanvas canvas(b, {-10, -10, 100, 100});
  EXPECT_EQ(canvas.Clip(), (ui::Rect{0, 0, 4, 3}));
  canvas.FillRect(INT64_MIN / 2, INT64_MIN / 2, INT64_MAX / 2, INT64_MAX / 2, kNew);
  EXPECT_EQ(b, ui::PixelBitmap(4, 3, kNew));

  ClippedCanvas outside(b, {5, 0, 9, 3});
  EXPECT_TRUE(outside.Empty());
  ui::PixelBitmap empty;
  ClippedCanvas on_empty_bitmap(empty, {0, 0, 5, 5});
  EXPECT_TRUE(on_empty_bitmap.Empty());
}

TEST(ClippedCanvas, CopySpanTakesOnePixelPerClipColumn) {
  ui::PixelBitmap b(6, 2, kOld);
  ClippedCanvas canvas(b, {1, 0, 5, 2});
  const uint32_t source[] = {11, 12, 13, 14};  // columns 1..4
  canvas.CopySpan(0, -3, 3, source);
  canvas.CopySpan(1, 3, 40, source);
  canvas.CopySpan(2, 0, 6, source);  // below the clip
  EXPECT_EQ(b.At(0, 0), kOld);
  EXPECT_EQ(b.At(1, 0), 11u);
  EXPECT_EQ(b.At(2, 0), 12u);
  EXPECT_EQ(b.At(3, 0), kOld);
  EXPECT_EQ(b.At(2, 1), kOld);
  EXPECT_EQ(b.At(3, 1), 13u);
  EXPECT_EQ(b.At(4, 1), 14u);
  EXPECT_EQ(b.At(5, 1), kOld);
}

TEST(ClippedCanvas, CopyRowRepeatsTheClippedPartOfARow) {
  ui::PixelBitmap b(5, 4, kOld);
  b.Set(1, 1, kNew);
  b.Set(4, 1, kNew);  // outside the clip: not copied
  ClippedCanvas canvas(b, {0, 0, 4, 4});
  canvas.CopyRow(1, 0, 10);
  EXPECT_EQ(Picture(b), (std::vector<std::string>{".#...", ".#..#", ".#...", ".#..."}));
  canvas.CopyRow(7, 0, 4);  // a source row outside the clip copies nothing
  EXPECT_EQ(Picture(b), (std::vector<std::string>{".#...", ".#..#", ".#...", ".#..."}));
}

ui::PixelBitmap Ellipse(int32_t w, int32_t h) {
  ui::PixelBitmap b(w, h, kOld);
  ClippedCanvas canvas(b, {0, 0, w, h});
  FillEllipse(canvas, {0, 0, w, h}, kNew);
  return b;
}

TEST(EllipseFill, SmallBoxesByHand) {
  // 8 x 8: X and Y odd, inside when X^2 + Y^2 <= 64: row 0 (Y = 7) reaches X = 3, row 1
  // (Y = 5) X = 5, row 2 (Y = 3) X = 7; rows 3 and 4 are the centre rows.
  EXPECT_EQ(Picture(Ellipse(8, 8)),
            (std::vector<std::string>{"..####..", ".######.", "########", "########", "########",
                                      "########", ".######.", "..####.."}));
  // 6 x 4: Y = 3 gives X^2 * 16 <= 36 * 7, X = 3.
  EXPECT_EQ(Picture(Ellipse(6, 4)),
            (std::vector<std::string>{".####.", "######", "######", ".####."}));
  // 5 x 5: X, Y even; Y = 4 gives X^2 * 25 <= 25 * 9, X = 2.
  EXPECT_EQ(Picture(Ellipse(5, 5)),
            (std::vector<std::string>{".###.", "#####", "#####", "#####", ".###."}));
}

TEST(EllipseFill, ThinBoxesKeepTheirCentreCrossSoEveryRowAndColumnIsTouched) {
  EXPECT_EQ(Picture(Ellipse(1, 1)), (std::vector<std::string>{"#"}));
  EXPECT_EQ(Picture(Ellipse(2, 2)), (std::vector<std::string>{"##", "##"}));
  EXPECT_EQ(Picture(Ellipse(1, 4)), (std::vector<std::string>{"#", "#", "#", "#"}));
  EXPECT_EQ(Picture(Ellipse(7, 1)), (std::vector<std::string>{"#######"}));
  // 10 x 2: both rows are centre rows.
  EXPECT_EQ(Picture(Ellipse(10, 2)), (std::vector<std::string>{"##########", "##########"}));
  // 2 x 10: the top row's centres (X = 1, Y = 9) fail 1 * 100 + 81 * 4 <= 400 by centre
  // sampling alone; the centre columns keep it.
  EXPECT_EQ(Picture(Ellipse(2, 10)), std::vector<std::string>(10, "##"));
  // 9 x 3: row 0 has Y = 2, X even with X^2 * 9 <= 81 * 5, X = 6.
  EXPECT_EQ(Picture(Ellipse(9, 3)),
            (std::vector<std::string>{".#######.", "#########", ".#######."}));
}

TEST(EllipseFill, EmptyBoxesPaintNothing) {
  ui::PixelBitmap b(6, 6, kOld);
  ClippedCanvas canvas(b, {0, 0, 6, 6});
  for (const ui::Rect box :
       {ui::Rect{2, 2, 2, 5}, ui::Rect{1, 3, 5, 3}, ui::Rect{4, 4, 1, 1}, ui::Rect{5, 1, 2, 4}}) {
    FillEllipse(canvas, box, kNew);
    EXPECT_TRUE(EllipseRowSpan(box, box.top).Empty());
  }
  EXPECT_EQ(b, ui::PixelBitmap(6, 6, kOld));
}

TEST(EllipseFill, RowsOutsideTheBoxHaveNoSpan) {
  EXPECT_TRUE(EllipseRowSpan({0, 2, 5, 6}, 1).Empty());
  EXPECT_TRUE(EllipseRowSpan({0, 2, 5, 6}, 6).Empty());
  EXPECT_FALSE(EllipseRowSpan({0, 2, 5, 6}, 5).Empty());
}

// The pixel set written per pixel, as the header states it.
bool Inside(const ui::Rect& box, int64_t x, int64_t y) {
  const int64_t w = box.right - box.left, h = box.bottom - box.top;
  if (x < box.left || x >= box.right || y < box.top || y >= box.bottom) return false;
  const int64_t X = 2 * x + 1 - (box.left + box.right);
  const int64_t Y = 2 * y + 1 - (box.top + box.bottom);
  return X * X * h * h + Y * Y * w * w <= w * w * h * h || std::abs(X) <= 1 || std::abs(Y) <= 1;
}

TEST(EllipseFill, ScanlinesMatchThePerPixelRuleAndAreSymmetric) {
  for (int32_t w = 1; w <= 41; ++w) {
    for (int32_t h = 1; h <= 41; ++h) {
      const ui::Rect box{3, 2, 3 + w, 2 + h};
      ui::PixelBitmap b(w + 6, h + 4, kOld);
      ClippedCanvas canvas(b, {0, 0, b.Width(), b.Height()});
      FillEllipse(canvas, box, kNew);
      for (int32_t y = 0; y < b.Height(); ++y) {
        for (int32_t x = 0; x < b.Width(); ++x) {
          ASSERT_EQ(b.At(x, y) == kNew, Inside(box, x, y)) << w << "x" << h << " " << x << "," << y;
          if (Inside(box, x, y)) {
            ASSERT_EQ(b.At(2 * 3 + w - 1 - x, y), kNew);  // mirrored left-right
            ASSERT_EQ(b.At(x, 2 * 2 + h - 1 - y), kNew);  // mirrored top-bottom
          }
        }
      }
      for (int32_t x = box.left; x < box.right; ++x) ASSERT_EQ(b.At(x, 2 + h / 2), kNew);
      for (int32_t y = box.top; y < box.bottom; ++y) ASSERT_EQ(b.At(3 + w / 2, y), kNew);
    }
  }
}

TEST(EllipseFill, HugeBoxesGiveSymmetricSpansWithoutOverflow) {
  const ui::Rect box{INT32_MIN, -1, INT32_MAX, 2};  // 2^32 - 1 wide, 3 high
  const Span middle = EllipseRowSpan(box, 0);
  EXPECT_EQ(middle, (Span{INT32_MIN, INT32_MAX}));
  const Span top = EllipseRowSpan(box, -1);
  EXPECT_EQ(top, EllipseRowSpan(box, 1));
  EXPECT_EQ(top.begin + top.end, int64_t{INT32_MIN} + INT32_MAX);
  // Y = 2 of h = 3: half-width w * sqrt(5) / 3, about 0.745 of the box.
  const double half = static_cast<double>(top.end - top.begin) / (2.0 * 4294967295.0);
  EXPECT_NEAR(half, std::sqrt(5.0) / 3.0 / 2.0, 1e-9);
#ifdef __SIZEOF_INT128__
  // Exactly: the edge pixel is inside, the next one out (X has w's opposite parity, so even).
  const __int128 w = 4294967295, h = 3, Y = 2;
  const __int128 X = top.end - top.begin - 1;
  EXPECT_LE(X * X * h * h + Y * Y * w * w, w * w * h * h);
  EXPECT_GT((X + 2) * (X + 2) * h * h + Y * Y * w * w, w * w * h * h);
#endif
}

TEST(EllipseFill, EstimatedReachesResolvedWhereUnsureAreTheExactRows) {
  // Every box up to 48 on a side, and some up to the largest the estimate takes.
  std::vector<std::pair<int64_t, int64_t>> sizes = {{8191, 8191}, {8191, 3},    {3, 8191},
                                                    {8190, 4097}, {1922, 1082}, {4096, 4095}};
  for (int64_t w = 1; w <= 48; ++w) {
    for (int64_t h = 1; h <= 48; ++h) sizes.push_back({w, h});
  }
  for (const auto& [w, h] : sizes) {
    const ui::Rect box{-5, 7, static_cast<int32_t>(w - 5), static_cast<int32_t>(h + 7)};
    const int32_t parity = static_cast<int32_t>((w + 1) & 1);
    const float scale = static_cast<float>(256.0 * static_cast<double>(w) / static_cast<double>(h));
    for (int64_t y = box.top; y < box.bottom; ++y) {
      const int64_t Y = 2 * (y - box.top) + 1 - h;
      if (Y * Y <= 1) continue;
      int32_t reach = EstimatedReach(scale, static_cast<float>(h * h - Y * Y), parity);
      if (reach < 0) reach = ResolvedReach(reach, w, h, h * h - Y * Y, parity);
      ASSERT_EQ(EllipseRowSpan(box, y).begin, box.left + (w - 1 - parity) / 2 - reach)
          << w << "x" << h << " row " << y;
    }
  }
}

TEST(RoundHalfEven, HalvesGoToTheEvenNeighbour) {
  EXPECT_EQ(RoundHalfEven(0.5), 0.0);
  EXPECT_EQ(RoundHalfEven(1.5), 2.0);
  EXPECT_EQ(RoundHalfEven(2.5), 2.0);
  EXPECT_EQ(RoundHalfEven(-0.5), 0.0);
  EXPECT_EQ(RoundHalfEven(-1.5), -2.0);
  EXPECT_EQ(RoundHalfEven(-2.5), -2.0);
  EXPECT_EQ(RoundHalfEven(2.4999999999999996), 2.0);
  EXPECT_EQ(RoundHalfEven(2.5000000000000004), 3.0);
  EXPECT_EQ(RoundHalfEven(-7.25), -7.0);
  EXPECT_EQ(RoundHalfEven(1e15 + 0.5), 1e15);
  EXPECT_EQ(RoundHalfEven(1e15 + 1.5), 1e15 + 2.0);
  for (int i = -2000; i <= 2000; ++i) {
    const double v = i / 8.0;
    ASSERT_EQ(RoundHalfEven(v), std::nearbyint(v)) << v;
  }
}

}  // namespace
}  // namespace player
