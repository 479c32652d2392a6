// The tests' JPEG encoder. Input is always valid, so libjpeg's default error handling (which
// ends the program) would only show a broken test helper.
#include "jpeg_encoder.h"

#include <jpeglib.h>

#include <algorithm>
#include <cstdio>  // jpeglib.h needs FILE and size_t declared first
#include <cstdlib>
#include <memory>
#include <vector>

namespace win32_tests {
namespace {

struct Inks {
  uint8_t c, m, y, k;
};

// The naive separation: black takes the common darkness, the colour inks the rest.
Inks Separate(uint32_t pixel) {
  const int r = (pixel >> 16) & 0xFF, g = (pixel >> 8) & 0xFF, b = pixel & 0xFF;
  const int k = 255 - std::max({r, g, b});
  if (k == 255) return {0, 0, 0, 255};
  const auto ink = [k](int channel) {
    return static_cast<uint8_t>((255 - channel - k) * 255 / (255 - k));
  };
  return {ink(r), ink(g), ink(b), static_cast<uint8_t>(k)};
}

void FillRow(const ui::PixelBitmap& pixels, int32_t y, JpegInk ink, std::vector<JSAMPLE>& row) {
  std::size_t at = 0;
  for (int32_t x = 0; x < pixels.Width(); ++x) {
    const uint32_t p = pixels.At(x, y);
    switch (ink) {
      case JpegInk::Rgb:
      case JpegInk::StoredRgb:
        row[at++] = (p >> 16) & 0xFF;
        row[at++] = (p >> 8) & 0xFF;
        row[at++] = p & 0xFF;
        break;
      case JpegInk::Gray:
        row[at++] = (p >> 8) & 0xFF;
        break;
      case JpegInk::PlainCmyk:
      case JpegInk::AdobeCmyk:
      case JpegInk::Ycck: {
        const Inks inks = Separate(p);
        const bool inverted = ink != JpegInk::PlainCmyk;
        for (uint8_t value : {inks.c, inks.m, inks.y, inks.k}) {
          row[at++] = inverted ? static_cast<JSAMPLE>(255 - value) : value;
        }
        break;
      }
    }
  }
}

}  // namespace

std::string EncodeJpeg(const ui::PixelBitmap& pixels, const JpegOptions& options) {
  jpeg_compress_struct info{};
  jpeg_error_mgr errors{};
  info.err = jpeg_std_error(&errors);
  jpeg_create_compress(&info);
  unsigned char* buffer = nullptr;
  unsigned long size = 0;
  jpeg_mem_dest(&info, &buffer, &size);

  info.image_width = static_cast<JDIMENSION>(pixels.Width());
  info.image_height = static_cast<JDIMENSION>(pixels.Height());
  switch (options.ink) {
    case JpegInk::Rgb:
    case JpegInk::StoredRgb:
      info.input_components = 3;
      info.in_color_space = JCS_RGB;
      break;
    case JpegInk::Gray:
      info.input_components = 1;
      info.in_color_space = JCS_GRAYSCALE;
      break;
    default:
      info.input_components = 4;
      info.in_color_space = JCS_CMYK;
      break;
  }
  jpeg_set_defaults(&info);
  if (options.ink == JpegInk::Ycck) jpeg_set_colorspace(&info, JCS_YCCK);
  if (options.ink == JpegInk::StoredRgb) jpeg_set_colorspace(&info, JCS_RGB);
  // libjpeg marks every CMYK file as Adobe's; a plain one must not say its inks are inverted.
  if (options.ink == JpegInk::PlainCmyk) info.write_Adobe_marker = FALSE;
  jpeg_set_quality(&info, options.quality, TRUE);
  if (!options.subsampledChroma) {
    for (int i = 0; i < info.num_components; ++i) {
      info.comp_info[i].h_samp_factor = 1;
      info.comp_info[i].v_samp_factor = 1;
    }
  }
  if (options.progressive) jpeg_simple_progression(&info);

  jpeg_start_compress(&info, TRUE);
  std::vector<JSAMPLE> row(static_cast<std::size_t>(pixels.Width()) * info.input_components);
  while (info.next_scanline < info.image_height) {
    FillRow(pixels, static_cast<int32_t>(info.next_scanline), options.ink, row);
    JSAMPROW rows[] = {row.data()};
    jpeg_write_scanlines(&info, rows, 1);
  }
  jpeg_finish_compress(&info);
  jpeg_destroy_compress(&info);
  // jpeg_mem_dest's buffer comes from malloc and is the caller's to free.
  const std::unique_ptr<unsigned char, decltype(&std::free)> owned(buffer, &std::free);
  return std::string(reinterpret_cast<const char*>(buffer), size);
}

}  // namespace win32_tests
