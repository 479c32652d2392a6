// A JPEG encoder for the tests, on libjpeg's compress API from the same static library the
// decoder uses, so sample files are made at run time instead of being committed.
#pragma once

#include <string>

#include "ui/pixel_bitmap.h"

namespace win32_tests {

// How the picture's colours are stored. Rgb is the usual YCbCr; StoredRgb keeps red, green and
// blue as they are (an Adobe marker says so). The CMYK kinds derive the inks naively from RGB;
// Adobe CMYK and YCCK store them inverted with an Adobe marker, as Photoshop writes them.
enum class JpegInk { Rgb, StoredRgb, Gray, AdobeCmyk, PlainCmyk, Ycck };

struct JpegOptions {
  JpegInk ink = JpegInk::Rgb;
  int quality = 100;
  bool progressive = false;
  bool subsampledChroma = false;  // off: every pixel keeps its own colour (4:4:4)
};

// The file's bytes; Gray keeps each pixel's green channel.
std::string EncodeJpeg(const ui::PixelBitmap& pixels, const JpegOptions& options = {});

}  // namespace win32_tests
