// JPEG decoding: colours of every stored kind come back within JPEG's loss, and damaged or
// truncated data gives no picture instead of ending the program.
#include "ui/win32/jpeg_decoder.h"

#include <gtest/gtest.h>

#include <csetjmp>
#include <cstdio>  // jpeglib.h needs FILE and size_t declared first
#include <span>

#include <jpeglib.h>
// After jpeglib.h: the message codes.
#include <jerror.h>

#include "canvas.h"
#include "jpeg_encoder.h"

namespace win32_tests {
namespace {

using ui::PixelBitmap;
using ui::win32::DecodeJpeg;

std::span<const uint8_t> Bytes(const std::string& data) {
  return {reinterpret_cast<const uint8_t*>(data.data()), data.size()};
}

// 8×8 blocks, each aligned with one of JPEG's own 8×8 blocks so it decodes as a flat colour.
PixelBitmap Blocks(const std::vector<std::vector<uint32_t>>& colours) {
  PixelBitmap pixels(static_cast<int32_t>(colours[0].size()) * 8,
                     static_cast<int32_t>(colours.size()) * 8);
  for (int32_t y = 0; y < pixels.Height(); ++y) {
    for (int32_t x = 0; x < pixels.Width(); ++x) pixels.Set(x, y, colours[y / 8][x / 8]);
  }
  return pixels;
}

void ExpectNear(const PixelBitmap& decoded, const PixelBitmap& original, int tolerance) {
  ASSERT_EQ(decoded.Width(), original.Width());
  ASSERT_EQ(decoded.Height(), original.Height());
  for (int32_t y = 0; y < original.Height(); ++y) {
    for (int32_t x = 0; x < original.Width(); ++x) {
      ASSERT_TRUE(ColourNear(decoded.At(x, y), original.At(x, y), tolerance))
          << "at " << x << "," << y;
    }
  }
}

TEST(JpegDecoder, ColourBlocksComeBackInEveryStoredForm) {
  const PixelBitmap original = Blocks({{0xFF0000, 0x00FF00}, {0x0000FF, 0xFFFFFF}});
  struct Case {
    const char* name;
    JpegOptions options;
  };
  const Case cases[] = {
      {"baseline", {}},
      {"RGB without YCbCr", {.ink = JpegInk::StoredRgb}},
      {"progressive", {.progressive = true}},
      {"Adobe CMYK", {.ink = JpegInk::AdobeCmyk}},
      {"plain CMYK", {.ink = JpegInk::PlainCmyk}},
      {"YCCK", {.ink = JpegInk::Ycck}},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    const auto decoded = DecodeJpeg(Bytes(EncodeJpeg(original, c.options)));
    ASSERT_NE(decoded, nullptr);
    ExpectNear(*decoded, original, 6);
  }
}

TEST(JpegDecoder, SubsampledOddSizedPicturesKeepTheirSizeAndColours) {
  PixelBitmap original(13, 7);
  for (int32_t y = 0; y < 7; ++y) {
    for (int32_t x = 0; x < 13; ++x) original.Set(x, y, 0x3366CC);
  }
  const auto decoded =
      DecodeJpeg(Bytes(EncodeJpeg(original, {.quality = 90, .subsampledChroma = true})));
  ASSERT_NE(decoded, nullptr);
  ExpectNear(*decoded, original, 8);
}

TEST(JpegDecoder, GrayscaleBecomesEqualRedGreenAndBlue) {
  PixelBitmap original(16, 8);
  for (int32_t y = 0; y < 8; ++y) {
    for (int32_t x = 0; x < 16; ++x) original.Set(x, y, x < 8 ? 0x202020 : 0xC0C0C0);
  }
  const auto decoded = DecodeJpeg(Bytes(EncodeJpeg(original, {.ink = JpegInk::Gray})));
  ASSERT_NE(decoded, nullptr);
  ExpectNear(*decoded, original, 3);
  for (int32_t x : {0, 15}) {
    const uint32_t p = decoded->At(x, 4);
    EXPECT_EQ(p >> 16, (p >> 8) & 0xFF) << "gray has red equal to green";
    EXPECT_EQ(p & 0xFF, (p >> 8) & 0xFF) << "and blue equal to green";
  }
}

TEST(JpegDecoder, PixelsHaveNoBitsAboveTheColour) {
  const PixelBitmap original = Blocks({{0xFFFFFF}});
  const auto decoded = DecodeJpeg(Bytes(EncodeJpeg(original)));
  ASSERT_NE(decoded, nullptr);
  EXPECT_EQ(decoded->At(3, 3) & 0xFF000000u, 0u);
  EXPECT_EQ(*decoded, original) << "flat white at quality 100 decodes exactly";
}

TEST(JpegDecoder, DamagedOrTruncatedDataGivesNoPicture) {
  const std::string good =
      EncodeJpeg(Blocks({{0xFF0000, 0x00FF00, 0x0000FF}, {0x123456, 0x654321, 0xABCDEF}}));
  ASSERT_NE(DecodeJpeg(Bytes(good)), nullptr);

  std::string noStartMarker = good;
  noStartMarker[1] = 0x00;  // FF D8 starts every JPEG
  std::string zeroWidth = good;
  const auto frame = zeroWidth.find("\xFF\xC0");  // baseline frame header: its width follows
  ASSERT_NE(frame, std::string::npos);
  zeroWidth[frame + 7] = 0;
  zeroWidth[frame + 8] = 0;

  const struct {
    const char* name;
    std::string data;
  } damaged[] = {
      {"empty", ""},
      {"start marker only", good.substr(0, 2)},
      {"headers only", good.substr(0, good.size() / 4)},
      {"cut in the pixels", good.substr(0, good.size() * 3 / 4)},
      {"last marker missing", good.substr(0, good.size() - 2)},
      {"no start marker", noStartMarker},
      {"zero width", zeroWidth},
      {"not a JPEG", std::string("BM this is something else entirely")},
  };
  for (const auto& d : damaged) {
    EXPECT_EQ(DecodeJpeg(Bytes(d.data)), nullptr) << d.name;
  }
}

// The library is built with the converters into B,G,R,x and CMYK only (scripts/setup.sh). Any
// other output layout must end the decoding with libjpeg's own "not implemented" error: pixels
// in another layout's byte order would otherwise come out of a converter made for B,G,R,x.
struct RecordingErrors {
  jpeg_error_mgr base;
  std::jmp_buf jump;
};

int StartDecompressError(const std::string& file, J_COLOR_SPACE space) {
  jpeg_decompress_struct info{};
  RecordingErrors errors{};
  info.err = jpeg_std_error(&errors.base);
  errors.base.error_exit = [](j_common_ptr common) {
    std::longjmp(reinterpret_cast<RecordingErrors*>(common->err)->jump, 1);
  };
  errors.base.output_message = [](j_common_ptr) {};
  int code = 0;
  if (setjmp(errors.jump) == 0) {
    jpeg_create_decompress(&info);
    jpeg_mem_src(&info, reinterpret_cast<const unsigned char*>(file.data()),
                 static_cast<unsigned long>(file.size()));
    jpeg_read_header(&info, TRUE);
    info.out_color_space = space;
    jpeg_start_decompress(&info);
    jpeg_abort_decompress(&info);
  } else {
    code = errors.base.msg_code;
  }
  jpeg_destroy_decompress(&info);
  return code;
}

TEST(JpegDecoder, LibraryRefusesTheLayoutsThePlayerNeverAsksFor) {
  const PixelBitmap original = Blocks({{0xFF0000, 0x00FF00}});
  const struct {
    const char* name;
    JpegInk ink;
  } stored[] = {{"YCbCr", JpegInk::Rgb}, {"RGB", JpegInk::StoredRgb}, {"gray", JpegInk::Gray}};
  const J_COLOR_SPACE refused[] = {JCS_EXT_RGB,  JCS_EXT_RGBX, JCS_EXT_BGR,  JCS_EXT_XBGR,
                                   JCS_EXT_XRGB, JCS_EXT_RGBA, JCS_EXT_BGRA, JCS_EXT_ABGR,
                                   JCS_EXT_ARGB, JCS_RGB565};
  for (const auto& s : stored) {
    SCOPED_TRACE(s.name);
    const std::string file = EncodeJpeg(original, {.ink = s.ink});
    EXPECT_EQ(StartDecompressError(file, JCS_EXT_BGRX), 0) << "the player's own layout";
    for (const J_COLOR_SPACE space : refused) {
      EXPECT_EQ(StartDecompressError(file, space), JERR_CONVERSION_NOTIMPL) << "space " << space;
    }
  }
  // Plain RGB (the library's default) and grayscale are refused unless the file is stored so.
  EXPECT_EQ(StartDecompressError(EncodeJpeg(original), JCS_RGB), JERR_CONVERSION_NOTIMPL);
  EXPECT_EQ(StartDecompressError(EncodeJpeg(original), JCS_GRAYSCALE), JERR_CONVERSION_NOTIMPL);
}

}  // namespace
}  // namespace win32_tests
