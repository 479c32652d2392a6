// Loading image-object pictures from files of every kind: each loads at its own size, draws as
// its content says, copies draw the same, and damaged, truncated, misnamed or missing files
// give no picture.
#include "ui/win32/picture_loader.h"

#include <gtest/gtest.h>

#include <functional>

#include "canvas.h"
#include "fake_desktop.h"
#include "jpeg_encoder.h"
#include "sample_pictures.h"
#include "ui/win32/gdi_picture.h"

namespace win32_tests {
namespace {

using testing_support::TempFolder;
using ui::PixelBitmap;
using ui::win32::GdiPicture;
using ui::win32::LoadPictureFromFile;

constexpr uint32_t kGreen = 0x00FF00;

const GdiPicture* AsGdi(const std::unique_ptr<ui::Picture>& picture) {
  return picture && picture->IsPlatformPicture() ? static_cast<const GdiPicture*>(picture.get())
                                                 : nullptr;
}

// Draws the picture and its copy into separate canvases and expects the same pixels.
void ExpectCopyDrawsTheSame(const GdiPicture& picture, const RECT& dest) {
  const auto copy = picture.Clone();
  const auto* gdiCopy = AsGdi(copy);
  ASSERT_NE(gdiCopy, nullptr);
  EXPECT_EQ(gdiCopy->GetSize(), picture.GetSize());
  Canvas original(dest.right + 4, dest.bottom + 4, kGreen);
  Canvas copied(dest.right + 4, dest.bottom + 4, kGreen);
  picture.Draw(original.Dc(), dest, false);
  gdiCopy->Draw(copied.Dc(), dest, false);
  EXPECT_TRUE(copied.SamePixels(original));
  EXPECT_FALSE(original.SamePixels(Canvas(dest.right + 4, dest.bottom + 4, kGreen)))
      << "the picture drew something";
}

// Five columns and three rows of distinct colours: odd sizes exercise the row padding.
PixelBitmap FiveByThree() {
  PixelBitmap pixels(5, 3);
  const uint32_t colours[] = {0xFF0000, 0x00FF00, 0x0000FF, 0xFFFF00, 0x00FFFF,
                              0xFF00FF, 0x000000, 0xFFFFFF, 0x808080, 0x123456,
                              0xFEDCBA, 0x0F0F0F, 0xF0F0F0, 0x7F0000, 0x00007F};
  for (int i = 0; i < 15; ++i) pixels.Set(i % 5, i / 5, colours[i]);
  return pixels;
}

PixelBitmap JpegBlocks() {
  PixelBitmap pixels(16, 8);
  for (int32_t y = 0; y < 8; ++y) {
    for (int32_t x = 0; x < 16; ++x) pixels.Set(x, y, x < 8 ? 0xFF0000 : 0x0000FF);
  }
  return pixels;
}

TEST(PictureLoader, BitmapFilesLoadTheirPixelsWhateverTheExtensionCase) {
  TempFolder dir;
  const PixelBitmap pixels = FiveByThree();
  for (const char* name : {"a.bmp", "b.BMP", "c.Bmp"}) {
    SCOPED_TRACE(name);
    dir.Write(name, BitmapFileBytes(pixels));
    const auto picture = LoadPictureFromFile(dir.File(name));
    ASSERT_NE(AsGdi(picture), nullptr);
    EXPECT_EQ(picture->GetSize(), (ui::Size{5, 3}));
    Canvas canvas(5, 3, kGreen);
    AsGdi(picture)->Draw(canvas.Dc(), RECT{0, 0, 5, 3}, false);
    for (int y = 0; y < 3; ++y) {
      for (int x = 0; x < 5; ++x) EXPECT_EQ(canvas.At(x, y), pixels.At(x, y)) << x << "," << y;
    }
    ExpectCopyDrawsTheSame(*AsGdi(picture), RECT{1, 1, 11, 7});
  }
}

TEST(PictureLoader, LoadedBitmapsDrawTransparentWithTheirBottomLeftColour) {
  TempFolder dir;
  const PixelBitmap pixels = FiveByThree();  // bottom-left: 0xFEDCBA, found nowhere else
  dir.Write("t.bmp", BitmapFileBytes(pixels));
  const auto picture = LoadPictureFromFile(dir.File("t.bmp"));
  ASSERT_NE(AsGdi(picture), nullptr);
  Canvas canvas(10, 6, kGreen);
  AsGdi(picture)->Draw(canvas.Dc(), RECT{0, 0, 10, 6}, true);
  EXPECT_EQ(canvas.At(0, 4), kGreen);
  EXPECT_EQ(canvas.At(1, 5), kGreen);
  EXPECT_EQ(canvas.At(2, 4), 0x0F0F0F);
  EXPECT_EQ(canvas.At(9, 0), 0x00FFFF);
}

TEST(PictureLoader, JpegFilesDecodeUnderEitherExtension) {
  TempFolder dir;
  const PixelBitmap original = JpegBlocks();
  dir.Write("colour.jpg", EncodeJpeg(original));
  dir.Write("colour.JPEG", EncodeJpeg(original));
  PixelBitmap grey(16, 8, 0x606060);
  dir.Write("grey.jpg", EncodeJpeg(grey, {.ink = JpegInk::Gray}));
  for (const char* name : {"colour.jpg", "colour.JPEG"}) {
    SCOPED_TRACE(name);
    const auto picture = LoadPictureFromFile(dir.File(name));
    ASSERT_NE(AsGdi(picture), nullptr);
    EXPECT_EQ(picture->GetSize(), (ui::Size{16, 8}));
    Canvas canvas(32, 16, kGreen);
    AsGdi(picture)->Draw(canvas.Dc(), RECT{0, 0, 32, 16}, false);
    EXPECT_TRUE(ColourNear(canvas.At(6, 8), 0xFF0000, 6));
    EXPECT_TRUE(ColourNear(canvas.At(25, 8), 0x0000FF, 6));
    ExpectCopyDrawsTheSame(*AsGdi(picture), RECT{0, 0, 16, 8});
  }
  const auto picture = LoadPictureFromFile(dir.File("grey.jpg"));
  ASSERT_NE(AsGdi(picture), nullptr);
  Canvas canvas(16, 8, kGreen);
  AsGdi(picture)->Draw(canvas.Dc(), RECT{0, 0, 16, 8}, false);
  EXPECT_TRUE(ColourNear(canvas.At(8, 4), 0x606060, 3));
}

TEST(PictureLoader, IconFilesLoadAtTheirOwnSizeAndDrawWithTheirMask) {
  TempFolder dir;
  for (int side : {16, 48}) {
    SCOPED_TRACE(side);
    dir.Write("i.ico", IconFileBytes({side}));
    const auto picture = LoadPictureFromFile(dir.File("i.ico"));
    ASSERT_NE(AsGdi(picture), nullptr);
    EXPECT_EQ(picture->GetSize(), (ui::Size{side, side}));
    for (bool transparent : {false, true}) {
      Canvas canvas(100, 100, kGreen);
      const RECT own{4, 4, 4 + side, 4 + side};
      const RECT doubled{4, 4, 4 + 2 * side, 4 + 2 * side};
      for (const RECT& dest : {own, doubled}) {
        canvas.Fill(kGreen);
        AsGdi(picture)->Draw(canvas.Dc(), dest, transparent);
        ExpectPatternDrawn(canvas, dest, kGreen);
      }
    }
    ExpectCopyDrawsTheSame(*AsGdi(picture), RECT{0, 0, side, side});
  }
  dir.Write("large-first.ico", IconFileBytes({48, 16}));
  dir.Write("small-first.ico", IconFileBytes({16, 48}));
  const struct {
    const char* name;
    int firstSide;
  } twoImages[] = {{"large-first.ico", 48}, {"small-first.ico", 16}};
  for (const auto& icon : twoImages) {
    const auto picture = LoadPictureFromFile(dir.File(icon.name));
    ASSERT_NE(picture, nullptr) << icon.name;
    EXPECT_EQ(picture->GetSize(), (ui::Size{icon.firstSide, icon.firstSide})) << icon.name;
  }
}

TEST(PictureLoader, EnhancedMetafilesLoadAtTheirFrameSize) {
  TempFolder dir;
  dir.Write("m.emf", EnhancedMetafileBytes(40, 20));
  dir.Write("m2.EMF", EnhancedMetafileBytes(40, 20));
  for (const char* name : {"m.emf", "m2.EMF"}) {
    const auto picture = LoadPictureFromFile(dir.File(name));
    ASSERT_NE(AsGdi(picture), nullptr);
    EXPECT_EQ(picture->GetSize(), (ui::Size{40, 20}));
    Canvas canvas(100, 60, kGreen);
    const RECT dest{10, 10, 90, 50};
    AsGdi(picture)->Draw(canvas.Dc(), dest, false);
    ExpectPatternDrawn(canvas, dest, kGreen);
    ExpectCopyDrawsTheSame(*AsGdi(picture), dest);
  }
}

TEST(PictureLoader, WindowsMetafilesLoadWithOrWithoutAPlaceableHeader) {
  TempFolder dir;
  // Placeable: 600×300 units at 1440 a inch is 5/12 × 5/24 inch, at any screen resolution.
  dir.Write("placeable.wmf", WindowsMetafileBytes(600, 300, 1440));
  // Plain: the window extent counts as screen pixels.
  dir.Write("plain.WMF", WindowsMetafileBytes(60, 30, std::nullopt));
  // The placeable header's box alone says where the drawing lies.
  dir.Write("boxonly.wmf", WindowsMetafileBytes(600, 300, 1440, false));
  const struct {
    const char* name;
    ui::Size size;
  } cases[] = {
      {"placeable.wmf", {::MulDiv(600, ScreenDpiX(), 1440), ::MulDiv(300, ScreenDpiY(), 1440)}},
      {"plain.WMF", {60, 30}},
      {"boxonly.wmf", {::MulDiv(600, ScreenDpiX(), 1440), ::MulDiv(300, ScreenDpiY(), 1440)}},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.name);
    const auto picture = LoadPictureFromFile(dir.File(c.name));
    ASSERT_NE(AsGdi(picture), nullptr);
    EXPECT_EQ(picture->GetSize(), c.size);
    Canvas canvas(100, 60, kGreen);
    const RECT dest{10, 10, 90, 50};
    AsGdi(picture)->Draw(canvas.Dc(), dest, false);
    ExpectPatternDrawn(canvas, dest, kGreen);
    ExpectCopyDrawsTheSame(*AsGdi(picture), dest);
  }
  // Neither a placeable box nor a window: nothing tells the picture's size.
  dir.Write("sizeless.wmf", WindowsMetafileBytes(60, 30, std::nullopt, false));
  EXPECT_EQ(LoadPictureFromFile(dir.File("sizeless.wmf")), nullptr);
}

// stem, number, extension; built by appending (GCC 12 warns falsely about "x" + std::string).
std::string NumberedName(const char* stem, int number, const char* extension) {
  std::string name = stem;
  name += std::to_string(number);
  name += extension;
  return name;
}

// A good sample of each kind with its extension: the starting point for the damaged files.
struct Sample {
  const char* extension;
  std::string bytes;
};

std::vector<Sample> GoodSamples() {
  return {
      {".bmp", BitmapFileBytes(FiveByThree())},
      {".jpg", EncodeJpeg(JpegBlocks())},
      {".ico", IconFileBytes({32, 16})},
      {".emf", EnhancedMetafileBytes(40, 20)},
      {".wmf", WindowsMetafileBytes(600, 300, 1440)},
      {".wmf", WindowsMetafileBytes(60, 30, std::nullopt)},
  };
}

TEST(PictureLoader, DamagedAndTruncatedFilesGiveNoPicture) {
  TempFolder dir;
  int n = 0;
  for (const Sample& sample : GoodSamples()) {
    SCOPED_TRACE(sample.extension);
    const std::string good = NumberedName("good", n, sample.extension);
    dir.Write(good, sample.bytes);
    ASSERT_NE(LoadPictureFromFile(dir.File(good)), nullptr) << "the undamaged sample loads";
    std::string badStart = sample.bytes;
    badStart[0] = static_cast<char>(badStart[0] ^ 0x5A);
    const std::pair<const char*, std::string> damaged[] = {
        {"empty", ""},
        {"first bytes only", sample.bytes.substr(0, 6)},
        {"half", sample.bytes.substr(0, sample.bytes.size() / 2)},
        {"last bytes missing", sample.bytes.substr(0, sample.bytes.size() - 4)},
        {"first byte changed", badStart},
    };
    for (const auto& [what, bytes] : damaged) {
      const std::string name = NumberedName("bad", n++, sample.extension);
      dir.Write(name, bytes);
      EXPECT_EQ(LoadPictureFromFile(dir.File(name)), nullptr) << what;
    }
  }
}

TEST(PictureLoader, TheContentDecidesWhateverTheName) {
  TempFolder dir;
  const std::vector<Sample> samples = GoodSamples();
  int n = 0;
  for (const Sample& content : samples) {
    dir.Write(NumberedName("own", n, content.extension), content.bytes);
    const auto own = LoadPictureFromFile(dir.File(NumberedName("own", n++, content.extension)));
    ASSERT_NE(own, nullptr) << content.extension;
    for (const char* name : {"p.png", "p.gif", "p.bmp.txt", "p", "p.", ".jpg", "x.emf"}) {
      const std::string file = std::to_string(n++) + "-" + name;
      dir.Write(file, content.bytes);
      const auto loaded = LoadPictureFromFile(dir.File(file));
      ASSERT_NE(loaded, nullptr) << content.extension << " content named " << file;
      EXPECT_EQ(loaded->GetSize(), own->GetSize()) << content.extension << " named " << file;
    }
  }
}

TEST(PictureLoader, NoPictureWithoutAFileOfAKnownContent) {
  TempFolder dir;
  ASSERT_TRUE(::CreateDirectoryA(dir.File("folder.bmp").c_str(), nullptr));
  dir.Write("logo.jpg", "This is a text file renamed logo.jpg\r\n");
  dir.Write("empty.bmp", "");
  for (const char* name : {"logo.jpg", "empty.bmp", "missing.bmp", "folder.bmp", "folder.bmp\\p"}) {
    EXPECT_EQ(LoadPictureFromFile(dir.File(name)), nullptr) << name;
  }
  EXPECT_EQ(LoadPictureFromFile(""), nullptr);
}

}  // namespace
}  // namespace win32_tests
