// The background gradient's worked examples, each derived by hand from the style rules: bands,
// rings, corner rings and the radial style, when a panel gets no picture, colour resolution, and
// clipping of the fill rectangle.
#include "player/gradient_fill.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <optional>
#include <utility>
#include <vector>

#include "player/background_render.h"
#include "ui/color.h"
#include "ui/pixel_bitmap.h"

namespace player {
namespace {

// Pixels are written out here independently of the code under test: 0x00RRGGBB.
constexpr uint32_t Px(uint32_t r, uint32_t g, uint32_t b) {
  return (r << 16) | (g << 8) | b;
}
constexpr uint32_t Grey(uint32_t v) {
  return Px(v, v, v);
}
constexpr uint32_t kUntouched = 0xFF5A5A5Au;  // never a gradient pixel: the top byte is set

ui::Color TestSystemColors(uint8_t index) {
  return index == ui::kColorIndexButtonFace ? ui::Rgb(192, 192, 192) : ui::Rgb(index, 1, 2);
}

ui::PixelBitmap Render(int32_t w, int32_t h, ui::Color back, ui::Color gradient, uint8_t style) {
  auto picture = RenderBackgroundPicture(w, h, back, gradient, style, TestSystemColors);
  EXPECT_TRUE(picture.has_value());
  return picture.value_or(ui::PixelBitmap());
}

// A bitmap exactly the size of the fill rectangle, so that every computed pixel is visible.
ui::PixelBitmap FillWhole(int32_t w, int32_t h, ui::Color back, ui::Color gradient, uint8_t style) {
  ui::PixelBitmap bitmap(w, h, kUntouched);
  GradientFill(bitmap, {0, 0, w, h}, back, gradient, style, TestSystemColors);
  return bitmap;
}

std::vector<uint32_t> RowOf(const ui::PixelBitmap& b, int32_t y) {
  return {b.Row(y), b.Row(y) + b.Width()};
}

std::vector<uint32_t> ColumnOf(const ui::PixelBitmap& b, int32_t x) {
  std::vector<uint32_t> column;
  for (int32_t y = 0; y < b.Height(); ++y) column.push_back(b.At(x, y));
  return column;
}

void ExpectPicture(const ui::PixelBitmap& b, const std::vector<std::vector<uint32_t>>& rows) {
  ASSERT_EQ(b.Height(), static_cast<int32_t>(rows.size()));
  for (int32_t y = 0; y < b.Height(); ++y) EXPECT_EQ(RowOf(b, y), rows[y]) << "row " << y;
}

constexpr ui::Color kBlue = ui::Rgb(0, 0, 255);
constexpr ui::Color kWhite = ui::Rgb(255, 255, 255);
constexpr ui::Color kBlack = ui::Rgb(0, 0, 0);

TEST(GradientBands, FromTopGivesOneBandPerRowOfTheOversizedSurface) {
  // Panel 100 x 50: fill 102 x 52, Times 52, N 51; row y is band 51 - y.
  const auto b = Render(100, 50, kBlue, kWhite, core::kGradientTopBottom);
  ASSERT_EQ(b.Width(), 100);
  ASSERT_EQ(b.Height(), 50);
  EXPECT_EQ(RowOf(b, 0), std::vector<uint32_t>(100, Px(255, 255, 255)));
  EXPECT_EQ(RowOf(b, 1), std::vector<uint32_t>(100, Px(250, 250, 255)));  // 50 * 255 / 51
  EXPECT_EQ(RowOf(b, 49), std::vector<uint32_t>(100, Px(10, 10, 255)));   // band 2: 510 / 51
  for (int32_t y = 0; y < 50; ++y) EXPECT_NE(b.At(0, y), Px(0, 0, 255)) << "row " << y;
}

TEST(GradientBands, FromBottomRunsTheRampFromGradientColor) {
  const auto b = Render(100, 50, kBlue, kWhite, core::kGradientBottomTop);
  EXPECT_EQ(RowOf(b, 0), std::vector<uint32_t>(100, Px(0, 0, 255)));
  EXPECT_EQ(RowOf(b, 49), std::vector<uint32_t>(100, Px(245, 245, 255)));  // 255 - 510 / 51
}

TEST(GradientBands, MoreThan256RowsShareTheirBands) {
  // Panel 600 high: Hf 602, Times 256, N 255. Black to white makes band t the grey t.
  const auto b = Render(3, 600, kBlack, kWhite, core::kGradientTopBottom);
  EXPECT_EQ(b.At(0, 599), Grey(1));    // d = 2: 1 * 602 div 256 = 2
  EXPECT_EQ(b.At(1, 598), Grey(1));    // d = 3 < 2 * 602 div 256 = 4
  EXPECT_EQ(b.At(2, 597), Grey(2));    // d = 4
  EXPECT_EQ(b.At(0, 304), Grey(126));  // d = 297: 126 * 602 div 256 = 296
  EXPECT_EQ(b.At(0, 303), Grey(127));  // d = 298: 127 * 602 div 256 = 298
  EXPECT_EQ(b.At(0, 301), Grey(127));  // d = 300
  EXPECT_EQ(b.At(0, 300), Grey(128));  // d = 301: 128 * 602 div 256 = 301
  EXPECT_EQ(b.At(0, 0), Grey(255));    // d = 601: band 255, exactly GradientColor

  const auto up = Render(3, 600, kBlack, kWhite, core::kGradientBottomTop);
  EXPECT_EQ(up.At(0, 599), Grey(254));
  EXPECT_EQ(up.At(0, 300), Grey(127));
  EXPECT_EQ(up.At(0, 0), Grey(0));
}

TEST(GradientBands, MoreThan256ColumnsShareTheirBands) {
  const auto b = Render(600, 3, kBlack, kWhite, core::kGradientLeftRight);
  EXPECT_EQ(ColumnOf(b, 599), std::vector<uint32_t>(3, Grey(1)));
  EXPECT_EQ(ColumnOf(b, 300), std::vector<uint32_t>(3, Grey(128)));
  EXPECT_EQ(ColumnOf(b, 301), std::vector<uint32_t>(3, Grey(127)));
  EXPECT_EQ(ColumnOf(b, 0), std::vector<uint32_t>(3, Grey(255)));

  const auto swapped = Render(600, 3, kBlack, kWhite, core::kGradientRightLeft);
  EXPECT_EQ(ColumnOf(swapped, 599), std::vector<uint32_t>(3, Grey(254)));
  EXPECT_EQ(ColumnOf(swapped, 0), std::vector<uint32_t>(3, Grey(0)));
}

TEST(GradientBands, TheQuotientIsTruncatedTowardZeroInBothDirections) {
  // A 4 x 3 rectangle: Times 3, N 2, band 1 is the middle row.
  const auto down = FillWhole(4, 3, kWhite, kBlack, core::kGradientTopBottom);
  ExpectPicture(down, {std::vector<uint32_t>(4, Grey(0)), std::vector<uint32_t>(4, Grey(128)),
                       std::vector<uint32_t>(4, Grey(255))});  // 255 + (-255 / 2) = 128
  const auto up = FillWhole(4, 3, kBlack, kWhite, core::kGradientTopBottom);
  EXPECT_EQ(RowOf(up, 1), std::vector<uint32_t>(4, Grey(127)));
}

TEST(GradientBands, ASingleRowOrColumnRectangleDrawsNothing) {
  // Times 1 gives N 0: nothing is drawn.
  EXPECT_EQ(FillWhole(5, 1, kBlack, kWhite, core::kGradientTopBottom),
            ui::PixelBitmap(5, 1, kUntouched));
  EXPECT_EQ(FillWhole(1, 5, kBlack, kWhite, core::kGradientRightLeft),
            ui::PixelBitmap(1, 5, kUntouched));
}

TEST(GradientRings, SixByFourRectangle) {
  // After the swap the ramp runs from 90 (GradientColor) to 0 over N = 3 + 2 = 5.
  const auto b = FillWhole(6, 4, kBlack, Grey(90), core::kGradientFromCenter);
  const uint32_t o = Grey(90), r = Grey(54), c = Grey(18);
  ExpectPicture(b,
                {{o, o, o, o, o, o}, {o, r, c, c, r, o}, {o, r, c, c, r, o}, {o, o, o, o, o, o}});
}

TEST(GradientRings, TheCentreOfAnOddSquareIsLeftToTheStartingColour) {
  // 5 x 5: hw = hh = 2, N = 4; steps (0,0) and (1,1) only, so (2,2) is never painted.
  const auto whole = FillWhole(5, 5, Grey(20), Grey(100), core::kGradientFromCenter);
  EXPECT_EQ(whole.At(2, 2), kUntouched);
  EXPECT_EQ(whole.At(1, 2), Grey(60));  // index 2: 100 - 160 / 4
  // A 3 x 3 panel shows that pixel in BackColor (which is also index N after the swap).
  const auto panel = Render(3, 3, Grey(20), Grey(100), core::kGradientFromCenter);
  ExpectPicture(panel, {{Grey(100), Grey(100), Grey(100)},
                        {Grey(100), Grey(60), Grey(60)},
                        {Grey(100), Grey(60), Grey(20)}});
}

TEST(GradientRings, AOnePixelRectangleTakesTheStartColour) {
  EXPECT_EQ(FillWhole(1, 1, kBlack, Grey(90), core::kGradientFromCenter).At(0, 0), Grey(90));
}

TEST(GradientCornerRings, FromTopLeftSixByFour) {
  // N = 10, index k + min(k, 6, 4) with k = max(dx, dy); colour 90 - 9 * index.
  const auto b = FillWhole(6, 4, kBlack, Grey(90), core::kGradientFromTopLeft);
  ExpectPicture(b, {{Grey(90), Grey(72), Grey(54), Grey(36), Grey(18), Grey(9)},
                    {Grey(72), Grey(72), Grey(54), Grey(36), Grey(18), Grey(9)},
                    {Grey(54), Grey(54), Grey(54), Grey(36), Grey(18), Grey(9)},
                    {Grey(36), Grey(36), Grey(36), Grey(36), Grey(18), Grey(9)}});
}

TEST(GradientCornerRings, FromBottomLeftIsTheSamePictureUpsideDown) {
  const auto b = FillWhole(6, 4, kBlack, Grey(90), core::kGradientFromBottomLeft);
  ExpectPicture(b, {{Grey(36), Grey(36), Grey(36), Grey(36), Grey(18), Grey(9)},
                    {Grey(54), Grey(54), Grey(54), Grey(36), Grey(18), Grey(9)},
                    {Grey(72), Grey(72), Grey(54), Grey(36), Grey(18), Grey(9)},
                    {Grey(90), Grey(72), Grey(54), Grey(36), Grey(18), Grey(9)}});
}

TEST(GradientCornerRings, ATallRectanglePaintsNothingBesideIt) {
  // Taller than wide, the quarter rings reach i = Wf, one column right of the rectangle; that
  // column is not part of the fill. Here column 2 of a 3-wide bitmap.
  ui::PixelBitmap b(3, 5, kUntouched);
  GradientFill(b, {0, 0, 2, 5}, kBlack, Grey(70), core::kGradientFromTopLeft, nullptr);
  // N = 7, colour 70 - 10 * index, index k + min(k, 2): rows 0..4 of column 0 are k = 0..4.
  EXPECT_EQ(ColumnOf(b, 0),
            (std::vector<uint32_t>{Grey(70), Grey(50), Grey(30), Grey(20), Grey(10)}));
  EXPECT_EQ(ColumnOf(b, 1),
            (std::vector<uint32_t>{Grey(50), Grey(50), Grey(30), Grey(20), Grey(10)}));
  EXPECT_EQ(ColumnOf(b, 2), std::vector<uint32_t>(5, kUntouched));
}

// Panel 10 x 6, BackColor black, GradientColor grey 90: fill 12 x 8, Times 12, dX 7.5, rx 0.5,
// ry = 1/3, centre (7, 5). Step t paints grey nearest(7.5 t): 90 82 75 68 60 52 45 38 30 22 15
// for t = 12 .. 2 in boxes x [1,13) [2,12) [2,12) [2,12) [3,11) [4,10) [4,10) [4,10) [5,9)
// [6,8) [6,8) and y [1,9) [1,9) [2,8) [2,8) [2,8) [3,7) [3,7) [3,7) [4,6) [4,6) [4,6); t = 1
// and 0 have empty boxes. Rows of each ellipse follow the pixel-centre rule with its centre cross.
TEST(GradientRadial, EvenPanelByHand) {
  const auto b = Render(10, 6, kBlack, Grey(90), core::kGradientRadial);
  auto g = [](std::vector<uint32_t> v) {
    for (auto& p : v) p = Grey(p);
    return v;
  };
  ExpectPicture(
      b,
      {g({90, 90, 90, 90, 90, 90, 90, 90, 90, 90}), g({90, 90, 90, 90, 90, 82, 82, 82, 82, 90}),
       g({90, 90, 90, 82, 68, 60, 60, 60, 60, 68}), g({90, 90, 82, 68, 60, 38, 38, 38, 38, 60}),
       g({90, 90, 68, 60, 38, 30, 15, 15, 30, 38}), g({90, 90, 68, 60, 38, 30, 15, 15, 30, 38})});
}

// The ellipses are centred one pixel right of and below the middle of the fill rectangle, so
// the first row and column never fall inside one; three corners of the panel keep GradientColor
// while the bottom-right one lies inside the ellipses.
void ExpectRadialShape(int32_t w, int32_t h) {
  const ui::Color back = ui::Rgb(20, 200, 100), gradient = ui::Rgb(240, 10, 100);
  const auto b = Render(w, h, back, gradient, core::kGradientRadial);
  const uint32_t e = Px(240, 10, 100);
  EXPECT_EQ(b.At(0, 0), e);
  EXPECT_EQ(b.At(w - 1, 0), e);
  EXPECT_EQ(b.At(0, h - 1), e);
  EXPECT_NE(b.At(w - 1, h - 1), e);
  // The pixel holding the ellipses' centre (cx - 0.5, cy - 0.5) = ((Wf + 1) / 2, (Hf + 1) / 2)
  // lies within a quarter of the way from BackColor to GradientColor.
  const uint32_t middle = b.At((w + 3) / 2, (h + 3) / 2);
  EXPECT_LE(std::abs(static_cast<int>((middle >> 16) & 0xFF) - 20), 55);
  EXPECT_LE(std::abs(static_cast<int>((middle >> 8) & 0xFF) - 200), 48);
  EXPECT_EQ(middle & 0xFF, 100u);
}

TEST(GradientRadial, OddAndEvenPanelsKeepGradientColorOutsideTheEllipses) {
  ExpectRadialShape(7, 5);
  ExpectRadialShape(10, 6);
}

TEST(GradientRadial, EvenRectanglesAreSymmetricAboutTheEllipseCentre) {
  // With even sides the centre is a whole number, so both box edges round alike and pixel x
  // mirrors to Wf + 1 - x (y to Hf + 1 - y); columns and rows 0 and 1 have no mirror inside.
  for (const auto& [w, h] : {std::pair{12, 8}, std::pair{40, 18}, std::pair{18, 40}}) {
    const auto b =
        FillWhole(w, h, ui::Rgb(20, 200, 100), ui::Rgb(240, 10, 100), core::kGradientRadial);
    for (int32_t y = 2; y < h; ++y) {
      for (int32_t x = 2; x < w; ++x) {
        ASSERT_EQ(b.At(x, y), b.At(w + 1 - x, y)) << w << "x" << h << " at " << x << "," << y;
        ASSERT_EQ(b.At(x, y), b.At(x, h + 1 - y)) << w << "x" << h << " at " << x << "," << y;
      }
    }
  }
}

TEST(GradientRadial, ComponentsWrapModulo256) {
  // Never needed by a ramp that stays between its ends, so check the ends instead: a one-pixel
  // rectangle is filled with GradientColor and its only ellipse box is empty.
  EXPECT_EQ(
      FillWhole(1, 1, ui::Rgb(1, 2, 3), ui::Rgb(250, 251, 252), core::kGradientRadial).At(0, 0),
      Px(250, 251, 252));
}

TEST(BackgroundPicture, NoPictureWithoutAGradient) {
  EXPECT_FALSE(
      RenderBackgroundPicture(50, 40, kBlue, kBlue, core::kGradientTopBottom, TestSystemColors));
  EXPECT_FALSE(
      RenderBackgroundPicture(50, 40, kBlue, kWhite, core::kGradientNone, TestSystemColors));
  EXPECT_FALSE(RenderBackgroundPicture(50, 40, kBlue, kWhite, 9, TestSystemColors));
  EXPECT_FALSE(RenderBackgroundPicture(50, 40, kBlue, kWhite, 255, TestSystemColors));
  const ui::Color face = ui::SystemColor(ui::kColorIndexButtonFace);
  EXPECT_FALSE(
      RenderBackgroundPicture(50, 40, face, face, core::kGradientRadial, TestSystemColors));
}

TEST(BackgroundPicture, StoredValuesDecideEqualityNotResolvedOnes) {
  // Button face resolves to 192,192,192, yet the stored values differ: a picture of one colour.
  const auto b =
      RenderBackgroundPicture(4, 3, ui::SystemColor(ui::kColorIndexButtonFace),
                              ui::Rgb(192, 192, 192), core::kGradientTopBottom, TestSystemColors);
  ASSERT_TRUE(b.has_value());
  EXPECT_EQ(*b, ui::PixelBitmap(4, 3, Grey(192)));
}

TEST(BackgroundPicture, AnEmptyPanelGivesAnEmptyPicture) {
  for (uint8_t style = 0; style < core::kGradientNone; ++style) {
    const auto b = RenderBackgroundPicture(0, 0, kBlue, kWhite, style, TestSystemColors);
    ASSERT_TRUE(b.has_value()) << int{style};
    EXPECT_EQ(b->Width(), 0);
    EXPECT_EQ(b->Height(), 0);
  }
  const auto negative = RenderBackgroundPicture(-5, -7, kBlue, kWhite, 0, TestSystemColors);
  ASSERT_TRUE(negative.has_value());
  EXPECT_TRUE(negative->Empty());
}

TEST(GradientColors, SystemColoursResolveThroughTheLookup) {
  const ui::Color face = ui::SystemColor(ui::kColorIndexButtonFace);
  EXPECT_EQ(ResolveColor(face, TestSystemColors), ui::Rgb(192, 192, 192));
  EXPECT_EQ(ResolveColor(ui::SystemColor(7), TestSystemColors), ui::Rgb(7, 1, 2));
  EXPECT_EQ(ResolveColor(face, nullptr), kBlack);
  EXPECT_EQ(ResolveColor(ui::Rgb(1, 2, 3), nullptr), ui::Rgb(1, 2, 3));
  EXPECT_EQ(ResolveColor(0x7F030201u, nullptr), ui::Rgb(1, 2, 3));  // the top byte is dropped
  EXPECT_EQ(ResolveColor(face, [](uint8_t) { return ui::Color{0xFF102030u}; }), 0x102030u);

  // 6 x 4 rings from white (GradientColor, after the swap) to button face: 255 - 63 * i / 5.
  const auto b = FillWhole(6, 4, face, kWhite, core::kGradientFromCenter);
  EXPECT_EQ(b.At(0, 0), Grey(255));
  EXPECT_EQ(b.At(1, 1), Grey(230));  // index 2: 255 - 126 / 5
  EXPECT_EQ(b.At(2, 1), Grey(205));  // index 4: 255 - 252 / 5
}

TEST(GradientColors, ComponentsAreWrittenInTheBitmapsByteOrder) {
  const auto b = FillWhole(2, 2, ui::Rgb(0x12, 0x34, 0x56), ui::Rgb(0x12, 0x34, 0x56),
                           core::kGradientFromTopLeft);
  EXPECT_EQ(b, ui::PixelBitmap(2, 2, 0x123456u));
}

TEST(GradientFill, UnknownStylesAndEmptyRectanglesPaintNothing) {
  for (const uint8_t style : {uint8_t{8}, uint8_t{9}, uint8_t{200}, uint8_t{255}}) {
    EXPECT_EQ(FillWhole(5, 4, kBlack, kWhite, style), ui::PixelBitmap(5, 4, kUntouched));
  }
  for (uint8_t style = 0; style < core::kGradientNone; ++style) {
    ui::PixelBitmap b(5, 4, kUntouched);
    GradientFill(b, {2, 1, 2, 4}, kBlack, kWhite, style, nullptr);
    GradientFill(b, {1, 3, 4, 3}, kBlack, kWhite, style, nullptr);
    EXPECT_EQ(b, ui::PixelBitmap(5, 4, kUntouched)) << int{style};
  }
}

TEST(GradientFill, CornersInEitherOrderFillTheSameRectangle) {
  const std::pair<ui::Rect, ui::Rect> cases[] = {
      {{1, 1, 4, 3}, {4, 3, 1, 1}},
      {{1, 1, 4, 3}, {4, 1, 1, 3}},
      {{1, 1, 4, 3}, {1, 3, 4, 1}},
      {{-30, -40, 70, 20}, {70, 20, -30, -40}},
  };
  for (uint8_t style = 0; style < core::kGradientNone; ++style) {
    for (const auto& [ordered, swapped] : cases) {
      ui::PixelBitmap expected(5, 4, kUntouched), b(5, 4, kUntouched);
      GradientFill(expected, ordered, kBlack, kWhite, style, nullptr);
      GradientFill(b, swapped, kBlack, kWhite, style, nullptr);
      EXPECT_NE(expected, ui::PixelBitmap(5, 4, kUntouched)) << int{style};
      EXPECT_EQ(b, expected) << "style " << int{style} << " from " << swapped.left << ","
                             << swapped.top;
    }
  }
}

TEST(GradientFill, AnOffsetRectanglePaintsOnlyItselfAndMatchesTheSameFillAtTheOrigin) {
  // Even offsets keep the radial style's half-way rounding unchanged.
  for (uint8_t style = 0; style < core::kGradientNone; ++style) {
    const auto alone = FillWhole(13, 9, ui::Rgb(3, 90, 200), ui::Rgb(180, 20, 60), style);
    ui::PixelBitmap b(20, 14, kUntouched);
    GradientFill(b, {4, 2, 17, 11}, ui::Rgb(3, 90, 200), ui::Rgb(180, 20, 60), style, nullptr);
    for (int32_t y = 0; y < 14; ++y) {
      for (int32_t x = 0; x < 20; ++x) {
        const bool inside = x >= 4 && x < 17 && y >= 2 && y < 11;
        ASSERT_EQ(b.At(x, y), inside ? alone.At(x - 4, y - 2) : kUntouched)
            << "style " << int{style} << " at " << x << "," << y;
      }
    }
  }
}

TEST(GradientFill, ARectangleReachingOutsideTheBitmapIsClippedNotMoved) {
  for (uint8_t style = 0; style < core::kGradientNone; ++style) {
    const auto whole = FillWhole(30, 24, ui::Rgb(3, 90, 200), ui::Rgb(180, 20, 60), style);
    ui::PixelBitmap b(12, 10, kUntouched);
    GradientFill(b, {-6, -8, 24, 16}, ui::Rgb(3, 90, 200), ui::Rgb(180, 20, 60), style, nullptr);
    for (int32_t y = 0; y < 10; ++y) {
      for (int32_t x = 0; x < 12; ++x) {
        ASSERT_EQ(b.At(x, y), whole.At(x + 6, y + 8))
            << "style " << int{style} << " at " << x << "," << y;
      }
    }
  }
}

TEST(GradientFill, StylesThatSwapEqualTheirPartnerWithTheColoursExchanged) {
  const ui::Color a = ui::Rgb(3, 90, 200), z = ui::Rgb(180, 20, 60);
  EXPECT_EQ(FillWhole(17, 300, a, z, core::kGradientBottomTop),
            FillWhole(17, 300, z, a, core::kGradientTopBottom));
  EXPECT_EQ(FillWhole(300, 17, a, z, core::kGradientRightLeft),
            FillWhole(300, 17, z, a, core::kGradientLeftRight));
}

TEST(GradientFill, FarOutRectanglesDoNotOverflow) {
  // Only the bitmap's few pixels are painted; the band geometry still comes from the whole
  // rectangle. Size 2^32 - 1, so band 128 starts at d = 128 * size div 256 = 2^31 - 1 and band
  // 127 at 2^31 - 16777217; rows 0..3 lie at d = 2^31 - 2 - y, in band 127.
  ui::PixelBitmap b(4, 4, kUntouched);
  GradientFill(b, {INT32_MIN, INT32_MIN, INT32_MAX, INT32_MAX}, kBlack, kWhite,
               core::kGradientTopBottom, nullptr);
  EXPECT_EQ(b, ui::PixelBitmap(4, 4, Grey(127)));
  GradientFill(b, {-3, INT32_MIN, INT32_MAX, 3}, kBlack, kWhite, core::kGradientRadial, nullptr);
  EXPECT_EQ(b.At(0, 0), Grey(255));  // far outside any ellipse of such a flat rectangle
}

}  // namespace
}  // namespace player
