// Design units on screens of other DPIs: the edge mapping and scaled painting.
#include <gtest/gtest.h>

#include "raster_canvas.h"
#include "ui/scaled_canvas.h"

namespace {

using testing_support::RasterCanvas;

TEST(Scale, MapsEdgesAndBackForEveryScreenDpi) {
  for (const int32_t dpi : {96, 120, 144, 168, 192, 288}) {
    const ui::Scale scale(dpi);
    for (int32_t unit = -300; unit <= 300; ++unit) {
      const int32_t device = scale.ToDevice(unit);
      ASSERT_EQ(scale.ToDesign(device), unit) << dpi << " " << unit;
      ASSERT_LT(device, scale.ToDevice(unit + 1)) << dpi << " " << unit;
      // Every device pixel between two edges belongs to the unit on its left.
      for (int32_t pixel = device; pixel < scale.ToDevice(unit + 1); ++pixel) {
        ASSERT_EQ(scale.ToDesign(pixel), unit) << dpi << " " << pixel;
      }
    }
  }
  EXPECT_EQ(ui::Scale(144).ToDevice(ui::Rect{1, 1, 3, 4}), (ui::Rect{2, 2, 5, 6}));
  EXPECT_EQ(ui::Scale(0).Dpi(), 96);  // a broken setting
  EXPECT_EQ(ui::Scale(192).WholeFactor(), 2);
  EXPECT_EQ(ui::Scale(144).WholeFactor(), 0);
}

TEST(ScaledCanvas, KeepsNeighboursTouchingAndPixelArtSharp) {
  RasterCanvas device(60, 30);
  ui::ScaledBitmaps bitmaps;
  ui::ScaledCanvas canvas(device, ui::Scale(144), bitmaps, {1, 0});
  {
    ui::CanvasScope inside(canvas, {0, 0}, ui::Rect{0, 0, 40, 20});
    canvas.FillRect({0, 0, 3, 3}, ui::Rgb(255, 0, 0));
    canvas.FillRect({3, 0, 6, 3}, ui::Rgb(0, 0, 255));
  }
  // Design 1..4 and 4..7 with design 1 at the device's 0: device 0..4 and 4..9, nothing between.
  for (int32_t x = 0; x < 10; ++x) {
    EXPECT_EQ(device.ColorAt(x, 0), x < 4   ? ui::Rgb(255, 0, 0)
                                    : x < 9 ? ui::Rgb(0, 0, 255)
                                            : 0)
        << x;
  }

  ui::PixelBitmap glyph(2, 2, 0x000000FF);
  glyph.Set(0, 0, 0x00FF0000);
  const ui::PixelBitmap& twice = bitmaps.Get(glyph, ui::Scale(192));
  ASSERT_EQ(twice.Width(), 4);
  for (int32_t y = 0; y < 4; ++y) {
    for (int32_t x = 0; x < 4; ++x) EXPECT_EQ(twice.At(x, y), glyph.At(x / 2, y / 2));
  }
  EXPECT_EQ(&bitmaps.Get(ui::PixelBitmap(glyph), ui::Scale(192)), &twice);  // scaled once
}

}  // namespace
