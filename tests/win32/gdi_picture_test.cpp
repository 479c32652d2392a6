// The three kinds of GDI picture made directly from pixels and handles: their sizes, copies that
// share the loaded data, and drawing scaled, opaque or with the bitmap's transparent colour.
#include "ui/win32/gdi_picture.h"

#include <gtest/gtest.h>

#include "canvas.h"
#include "sample_pictures.h"

namespace win32_tests {
namespace {

using ui::PixelBitmap;
using ui::win32::BitmapPicture;
using ui::win32::MetafilePicture;

constexpr uint32_t kGrey = 0x808080;
constexpr uint32_t kGreen = 0x00FF00;
constexpr uint32_t kMagenta = 0xFF00FF;

// Four distinct colours on top, the transparent colour (bottom-left) twice below.
std::shared_ptr<const PixelBitmap> FourByTwo() {
  auto pixels = std::make_shared<PixelBitmap>(4, 2);
  const uint32_t colours[2][4] = {{0xFF0000, 0x00FF00, 0x0000FF, 0xFFFF00},
                                  {kMagenta, 0x00FFFF, kMagenta, 0x102030}};
  for (int y = 0; y < 2; ++y) {
    for (int x = 0; x < 4; ++x) pixels->Set(x, y, colours[y][x]);
  }
  return pixels;
}

TEST(BitmapPicture, HasItsPixelsSizeAndCopiesShareThem) {
  const BitmapPicture picture(FourByTwo());
  EXPECT_EQ(picture.GetSize(), (ui::Size{4, 2}));
  const auto copy = picture.Clone();
  ASSERT_TRUE(copy && copy->IsPlatformPicture());
  const auto* bitmapCopy = static_cast<const BitmapPicture*>(copy.get());
  EXPECT_EQ(bitmapCopy->GetSize(), picture.GetSize());
  EXPECT_EQ(&bitmapCopy->Pixels(), &picture.Pixels()) << "a copy shares the loaded pixels";
}

TEST(BitmapPicture, DrawsScaledIntoTheDestinationOnly) {
  const auto pixels = FourByTwo();
  const BitmapPicture picture(pixels);
  Canvas canvas(12, 8, kGrey);
  const RECT dest{2, 3, 10, 7};  // twice the picture's size
  picture.Draw(canvas.Dc(), dest, false);
  for (int y = 0; y < canvas.Height(); ++y) {
    for (int x = 0; x < canvas.Width(); ++x) {
      const bool inside = x >= dest.left && x < dest.right && y >= dest.top && y < dest.bottom;
      const uint32_t expected =
          inside ? pixels->At((x - dest.left) / 2, (y - dest.top) / 2) : kGrey;
      EXPECT_EQ(canvas.At(x, y), expected) << "at " << x << "," << y;
    }
  }
}

TEST(BitmapPicture, TransparentDrawingLeavesTheBottomLeftColourUnpainted) {
  const auto pixels = FourByTwo();
  const BitmapPicture picture(pixels);
  for (int scale : {1, 3}) {
    SCOPED_TRACE(scale);
    Canvas canvas(4 * scale, 2 * scale, kGreen);
    const RECT dest{0, 0, 4 * scale, 2 * scale};
    picture.Draw(canvas.Dc(), dest, true);
    for (int y = 0; y < canvas.Height(); ++y) {
      for (int x = 0; x < canvas.Width(); ++x) {
        const uint32_t source = pixels->At(x / scale, y / scale);
        EXPECT_EQ(canvas.At(x, y), source == kMagenta ? kGreen : source) << "at " << x << "," << y;
      }
    }
  }
  Canvas opaque(4, 2, kGreen);
  picture.Draw(opaque.Dc(), RECT{0, 0, 4, 2}, false);
  EXPECT_EQ(opaque.At(0, 1), kMagenta) << "drawn opaque, the transparent colour is painted";
  EXPECT_EQ(opaque.At(2, 1), kMagenta);
}

TEST(BitmapPicture, EmptyDestinationsDrawNothing) {
  const BitmapPicture picture(FourByTwo());
  Canvas canvas(8, 8, kGrey);
  for (const RECT& dest : {RECT{2, 2, 2, 6}, RECT{2, 2, 6, 2}, RECT{6, 6, 2, 2}}) {
    picture.Draw(canvas.Dc(), dest, false);
    picture.Draw(canvas.Dc(), dest, true);
  }
  const Canvas untouched(8, 8, kGrey);
  EXPECT_TRUE(canvas.SamePixels(untouched));
}

TEST(MetafilePicture, TakesItsSizeFromTheFrameAtScreenResolution) {
  const MetafilePicture picture(PatternEnhancedMetafile(40, 20));
  EXPECT_EQ(picture.GetSize(), (ui::Size{40, 20}));
  const MetafilePicture sized(PatternEnhancedMetafile(40, 20), ui::Size{7, 9});
  EXPECT_EQ(sized.GetSize(), (ui::Size{7, 9})) << "a size given by the loader wins";
}

TEST(MetafilePicture, PaintsOnlyWhatItDrawsAndCopiesShareTheHandle) {
  const MetafilePicture picture(PatternEnhancedMetafile(40, 20));
  const auto copy = picture.Clone();
  ASSERT_TRUE(copy && copy->IsPlatformPicture());
  const auto* metafileCopy = static_cast<const MetafilePicture*>(copy.get());
  EXPECT_EQ(metafileCopy->Handle(), picture.Handle());
  EXPECT_EQ(metafileCopy->GetSize(), picture.GetSize());
  for (bool transparent : {false, true}) {
    Canvas canvas(100, 60, kGreen);
    const RECT dest{10, 10, 90, 50};
    metafileCopy->Draw(canvas.Dc(), dest, transparent);
    ExpectPatternDrawn(canvas, dest, kGreen);
    EXPECT_EQ(canvas.At(5, 5), kGreen) << "nothing outside the destination";
    EXPECT_EQ(canvas.At(95, 55), kGreen);
  }
}

}  // namespace
}  // namespace win32_tests
