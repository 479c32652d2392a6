// Valid picture files of every variant the picture checks accept, written byte by byte without
// Windows: the seeds of the picture checks' fuzzer and the samples of their native unit tests.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

namespace picture_samples {

enum class Kind { Bitmap, Icon, EnhancedMetafile, WindowsMetafile };

struct Sample {
  std::string name;  // a file name, with the extension the loader picks the kind by
  Kind kind;
  std::vector<uint8_t> bytes;  // ends where the structure ends: no byte after it
  // Windows metafiles: the 22-byte placeable header comes before the records.
  bool placeable = false;
};

// Bitmaps with core, info and V5 headers at 1, 4, 8, 16, 24 and 32 bits, with full, partial
// and no palettes, bit masks, top-down rows and RLE; icons of one and several images in BMP
// and PNG form; enhanced metafiles with and without description and drawing records; Windows
// metafiles in memory and disk form, of both versions, with and without a placeable header
// and a window.
std::vector<Sample> ValidSamples();

}  // namespace picture_samples
