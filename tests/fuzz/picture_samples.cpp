// Valid picture files, written field by field in the layouts Windows stores them in.
#include "picture_samples.h"

#include <algorithm>
#include <cstdlib>
#include <initializer_list>

namespace picture_samples {
namespace {

using Bytes = std::vector<uint8_t>;

void Put16(Bytes& b, uint32_t v) {
  b.push_back(static_cast<uint8_t>(v & 0xFF));
  b.push_back(static_cast<uint8_t>((v >> 8) & 0xFF));
}
void Put32(Bytes& b, uint32_t v) {
  Put16(b, v & 0xFFFF);
  Put16(b, v >> 16);
}
void Patch32(Bytes& b, size_t at, uint32_t v) {
  for (int i = 0; i < 4; ++i) b[at + i] = static_cast<uint8_t>((v >> (8 * i)) & 0xFF);
}
void PutBigEndian32(Bytes& b, uint32_t v) {
  for (int shift = 24; shift >= 0; shift -= 8) b.push_back(static_cast<uint8_t>(v >> shift));
}
void Append(Bytes& b, const Bytes& more) {
  b.insert(b.end(), more.begin(), more.end());
}

uint32_t Stride(uint32_t width, uint32_t bits) {
  return (width * bits + 31) / 32 * 4;
}

// Uncompressed DIB rows, bottom-up, padded to 32-bit words. Palette indexes stay below
// `colours`; wider pixels are a ramp of bytes.
Bytes DibRows(uint32_t width, uint32_t height, uint32_t bits, uint32_t colours) {
  Bytes rows;
  for (uint32_t y = 0; y < height; ++y) {
    Bytes row(Stride(width, bits), 0);
    for (uint32_t x = 0; x < width; ++x) {
      if (bits <= 8) {
        const uint32_t index = (x + y) % colours;
        const uint32_t bit = x * bits;
        row[bit / 8] = static_cast<uint8_t>(row[bit / 8] | index << (8 - bits - bit % 8));
      } else {
        for (uint32_t i = 0; i < bits / 8; ++i) row[x * bits / 8 + i] = uint8_t(x * 31 + y * 7 + i);
      }
    }
    Append(rows, row);
  }
  return rows;
}

// RLE8 or RLE4 pixels: per row one encoded run of two alternating indexes, then end of line;
// the last end of line is the end of the bitmap.
Bytes RlePixels(uint32_t width, uint32_t height, uint32_t bits) {
  Bytes pixels;
  for (uint32_t y = 0; y < height; ++y) {
    pixels.push_back(static_cast<uint8_t>(width));
    pixels.push_back(static_cast<uint8_t>(bits == 8 ? y % 256 : (y % 16) << 4 | (y + 1) % 16));
    pixels.push_back(0);
    pixels.push_back(y + 1 == height ? 1 : 0);
  }
  return pixels;
}

struct BitmapShape {
  uint32_t header;  // 12 (core), 40 (info), 124 (V5)
  uint32_t width;
  int32_t height;  // negative: top-down rows
  uint32_t bits;
  uint32_t compression = 0;  // BI_RGB, BI_RLE8 1, BI_RLE4 2, BI_BITFIELDS 3
  uint32_t used = 0;         // palette entries stored; 0: all 2^bits up to 8 bits, else none
};

Bytes BitmapFile(const BitmapShape& s) {
  const uint32_t rows = static_cast<uint32_t>(std::abs(s.height));
  const uint32_t colours = s.used != 0 ? s.used : (s.bits <= 8 ? 1u << s.bits : 0);
  const uint32_t entrySize = s.header == 12 ? 3 : 4;
  const bool masks = s.compression == 3;
  const Bytes pixels = s.compression == 1 || s.compression == 2
                           ? RlePixels(s.width, rows, s.bits)
                           : DibRows(s.width, rows, s.bits, colours != 0 ? colours : 1);
  const uint32_t pixelsAt =
      14 + s.header + (masks && s.header == 40 ? 12 : 0) + colours * entrySize;
  Bytes b{'B', 'M'};
  Put32(b, pixelsAt + static_cast<uint32_t>(pixels.size()));
  Put32(b, 0);
  Put32(b, pixelsAt);
  Put32(b, s.header);
  if (s.header == 12) {
    Put16(b, s.width);
    Put16(b, rows);
    Put16(b, 1);
    Put16(b, s.bits);
  } else {
    Put32(b, s.width);
    Put32(b, static_cast<uint32_t>(s.height));
    Put16(b, 1);
    Put16(b, s.bits);
    Put32(b, s.compression);
    Put32(b, static_cast<uint32_t>(pixels.size()));
    Put32(b, 2835);  // 72 dots an inch, in dots a metre
    Put32(b, 2835);
    Put32(b, s.used);
    Put32(b, 0);
  }
  if (masks) {
    const bool high = s.bits == 16;
    for (uint32_t mask :
         {high ? 0xF800u : 0xFF0000u, high ? 0x07E0u : 0xFF00u, high ? 0x1Fu : 0xFFu})
      Put32(b, mask);
  }
  if (s.header > 40) {  // V5: masks (with alpha), sRGB, no profile; the rest zero
    if (!masks) b.resize(b.size() + 12);
    Put32(b, 0);
    Put32(b, 0x73524742);  // 'sRGB'
    b.resize(14 + s.header, 0);
  }
  for (uint32_t i = 0; i < colours; ++i) {
    const uint8_t level = static_cast<uint8_t>(i * 255 / (colours > 1 ? colours - 1 : 1));
    b.insert(b.end(), {level, static_cast<uint8_t>(255 - level), level});
    if (entrySize == 4) b.push_back(0);
  }
  Append(b, pixels);
  return b;
}

uint32_t Crc32(const uint8_t* data, size_t size) {
  uint32_t crc = 0xFFFFFFFF;
  for (size_t i = 0; i < size; ++i) {
    crc ^= data[i];
    for (int k = 0; k < 8; ++k) crc = crc >> 1 ^ (0xEDB88320 & (0 - (crc & 1)));
  }
  return ~crc;
}

void PutChunk(Bytes& png, const char (&type)[5], const Bytes& data) {
  PutBigEndian32(png, static_cast<uint32_t>(data.size()));
  const size_t from = png.size();
  png.insert(png.end(), type, type + 4);
  Append(png, data);
  PutBigEndian32(png, Crc32(png.data() + from, png.size() - from));
}

// A side×side PNG, 1-bit grey or 8-bit RGBA, its pixels in stored (uncompressed) deflate blocks.
Bytes PngImage(uint32_t side, bool rgba) {
  Bytes raw;
  for (uint32_t y = 0; y < side; ++y) {
    raw.push_back(0);  // no filter
    const uint32_t rowBytes = rgba ? side * 4 : (side + 7) / 8;
    for (uint32_t i = 0; i < rowBytes; ++i) raw.push_back(static_cast<uint8_t>(i * 13 + y * 5));
  }
  Bytes zlib{0x78, 0x01};
  for (size_t at = 0; at < raw.size(); at += 65535) {
    const size_t n = std::min<size_t>(65535, raw.size() - at);
    zlib.push_back(at + n == raw.size() ? 1 : 0);
    Put16(zlib, static_cast<uint32_t>(n));
    Put16(zlib, static_cast<uint32_t>(~n & 0xFFFF));
    zlib.insert(zlib.end(), raw.begin() + at, raw.begin() + at + n);
  }
  uint32_t a = 1, b = 0;  // Adler-32
  for (uint8_t byte : raw) {
    a = (a + byte) % 65521;
    b = (b + a) % 65521;
  }
  PutBigEndian32(zlib, b << 16 | a);
  Bytes header;
  PutBigEndian32(header, side);
  PutBigEndian32(header, side);
  header.insert(header.end(), {uint8_t(rgba ? 8 : 1), uint8_t(rgba ? 6 : 0), 0, 0, 0});
  Bytes png{0x89, 'P', 'N', 'G', '\r', '\n', 0x1A, '\n'};
  PutChunk(png, "IHDR", header);
  PutChunk(png, "IDAT", zlib);
  PutChunk(png, "IEND", {});
  return png;
}

struct IconImage {
  uint32_t side;  // 1..256
  uint32_t bits;
  bool png = false;
};

// One BMP-form icon image: info header of double height, palette, colour rows, AND mask rows.
Bytes IconDib(const IconImage& image) {
  const uint32_t colours = image.bits <= 8 ? 1u << image.bits : 0;
  Bytes b;
  Put32(b, 40);
  Put32(b, image.side);
  Put32(b, image.side * 2);
  Put16(b, 1);
  Put16(b, image.bits);
  Put32(b, 0);
  Put32(b, (Stride(image.side, image.bits) + Stride(image.side, 1)) * image.side);
  for (int i = 0; i < 4; ++i) Put32(b, 0);
  for (uint32_t i = 0; i < colours; ++i) Put32(b, i * 0x0F0F0F % 0x1000000);
  Append(b, DibRows(image.side, image.side, image.bits, colours != 0 ? colours : 1));
  Append(b, DibRows(image.side, image.side, 1, 2));
  return b;
}

Bytes IconFile(std::initializer_list<IconImage> images) {
  Bytes directory;
  Put16(directory, 0);
  Put16(directory, 1);  // icon
  Put16(directory, static_cast<uint32_t>(images.size()));
  Bytes data;
  for (const IconImage& image : images) {
    const Bytes bytes = image.png ? PngImage(image.side, image.bits == 32) : IconDib(image);
    const uint8_t side = static_cast<uint8_t>(image.side % 256);  // 256 is stored as 0
    directory.insert(directory.end(),
                     {side, side, uint8_t(image.bits < 8 ? 1 << image.bits : 0), 0});
    Put16(directory, 1);
    Put16(directory, image.bits);
    Put32(directory, static_cast<uint32_t>(bytes.size()));
    Put32(directory, static_cast<uint32_t>(6 + 16 * images.size() + data.size()));
    Append(data, bytes);
  }
  Append(directory, data);
  return directory;
}

void PutRecord(Bytes& b, uint32_t type, std::initializer_list<uint32_t> parameters) {
  Put32(b, type);
  Put32(b, static_cast<uint32_t>(8 + 4 * parameters.size()));
  for (uint32_t p : parameters) Put32(b, p);
}

// An enhanced metafile of a 40×20 picture: the header (88 bytes, or 108 with a description),
// with drawing a red rectangle through a brush, and EMR_EOF.
Bytes EnhancedMetafile(bool full) {
  Bytes b;
  Put32(b, 1);                                                             // EMR_HEADER
  Put32(b, 0);                                                             // its size, set below
  for (uint32_t v : {0u, 0u, 39u, 19u, 0u, 0u, 1058u, 529u}) Put32(b, v);  // bounds, frame
  Put32(b, 0x464D4520);                                                    // " EMF"
  Put32(b, 0x10000);
  Put32(b, 0);  // bytes, set below
  Put32(b, 0);  // records, set below
  Put16(b, full ? 2 : 1);
  Put16(b, 0);
  const std::u16string description(u"Quorvane\0sample\0", 16);  // two strings
  Put32(b, full ? static_cast<uint32_t>(description.size()) : 0);
  Put32(b, full ? 108 : 0);
  Put32(b, 0);                                               // palette entries
  for (uint32_t v : {1024u, 768u, 320u, 240u}) Put32(b, v);  // device in pixels and millimetres
  if (full) {
    for (uint32_t v : {0u, 0u, 0u, 320000u, 240000u}) Put32(b, v);  // no pixel format; micrometres
    for (char16_t c : description) Put16(b, c);
  }
  Patch32(b, 4, static_cast<uint32_t>(b.size()));
  uint32_t records = 1;
  if (full) {
    PutRecord(b, 39, {1, 0, 0x0000FF, 0});  // EMR_CREATEBRUSHINDIRECT: solid red
    PutRecord(b, 37, {1});                  // EMR_SELECTOBJECT
    PutRecord(b, 43, {0, 0, 20, 20});       // EMR_RECTANGLE
    PutRecord(b, 37, {0x80000005});         // EMR_SELECTOBJECT the stock null brush
    PutRecord(b, 40, {1});                  // EMR_DELETEOBJECT
    records += 5;
  }
  PutRecord(b, 14, {0, 16, 20});  // EMR_EOF: no palette
  Patch32(b, 48, static_cast<uint32_t>(b.size()));
  Patch32(b, 52, records + 1);
  return b;
}

void PutWmfRecord(Bytes& b, uint32_t function, std::initializer_list<uint32_t> words) {
  Put32(b, static_cast<uint32_t>(3 + words.size()));
  Put16(b, function);
  for (uint32_t w : words) Put16(b, w);
}

// A Windows metafile of a red rectangle in a window of wide×high units; with inch, it starts
// with the placeable header whose box is that window.
Bytes WindowsMetafile(uint32_t type, uint32_t version, uint32_t wide, uint32_t high,
                      bool setsWindow, uint32_t inch) {
  Bytes records;
  if (setsWindow) {
    PutWmfRecord(records, 0x020B, {0, 0});        // META_SETWINDOWORG, y then x
    PutWmfRecord(records, 0x020C, {high, wide});  // META_SETWINDOWEXT
  }
  PutWmfRecord(records, 0x02FC, {0, 0x00FF, 0, 0});       // META_CREATEBRUSHINDIRECT
  PutWmfRecord(records, 0x012D, {0});                     // META_SELECTOBJECT
  PutWmfRecord(records, 0x041B, {high, wide / 2, 0, 0});  // META_RECTANGLE
  PutWmfRecord(records, 0x01F0, {0});                     // META_DELETEOBJECT
  PutWmfRecord(records, 0x0000, {});                      // META_EOF
  Bytes b;
  if (inch != 0) {
    Put32(b, 0x9AC6CDD7);
    for (uint32_t w : {0u, 0u, 0u, wide, high, inch, 0u, 0u}) Put16(b, w);
    uint32_t checksum = 0;  // XOR of the ten words before it
    for (size_t i = 0; i < b.size(); i += 2) checksum ^= b[i] | b[i + 1] << 8;
    Put16(b, checksum);
  }
  Put16(b, type);
  Put16(b, 9);
  Put16(b, version);
  Put32(b, static_cast<uint32_t>(9 + records.size() / 2));
  Put16(b, 1);  // objects
  Put32(b, 7);  // the longest record, in words
  Put16(b, 0);
  Append(b, records);
  return b;
}

}  // namespace

std::vector<Sample> ValidSamples() {
  std::vector<Sample> samples;
  const auto bitmap = [&](const char* name, const BitmapShape& shape) {
    samples.push_back({name, Kind::Bitmap, BitmapFile(shape)});
  };
  bitmap("core-1.bmp", {12, 9, 3, 1});
  bitmap("core-4.bmp", {12, 5, 4, 4});
  bitmap("core-8.bmp", {12, 7, 2, 8});
  bitmap("core-24.bmp", {12, 5, 3, 24});
  bitmap("info-1.bmp", {40, 33, 2, 1});
  bitmap("info-4.bmp", {40, 5, 3, 4});
  bitmap("info-8.bmp", {40, 6, 4, 8});
  bitmap("info-8-16colours.bmp", {40, 6, 4, 8, 0, 16});
  bitmap("info-16.bmp", {40, 3, 3, 16});
  bitmap("info-16-565.bmp", {40, 3, 3, 16, 3});
  bitmap("info-24.bmp", {40, 5, 3, 24});
  bitmap("info-24-palette.bmp", {40, 5, 3, 24, 0, 2});
  bitmap("info-24-topdown.bmp", {40, 5, -3, 24});
  bitmap("info-32.bmp", {40, 4, 2, 32});
  bitmap("info-32-masks.bmp", {40, 4, 2, 32, 3});
  bitmap("v5-32-masks.bmp", {124, 4, 2, 32, 3});
  bitmap("v5-8.bmp", {124, 4, 2, 8});
  bitmap("rle8.bmp", {40, 6, 3, 8, 1});
  bitmap("rle4.bmp", {40, 6, 3, 4, 2});
  const auto icon = [&](const char* name, std::initializer_list<IconImage> images) {
    samples.push_back({name, Kind::Icon, IconFile(images)});
  };
  icon("one-32bpp.ico", {{16, 32}});
  icon("one-1bpp.ico", {{32, 1}});
  icon("several.ico", {{32, 4}, {16, 8}, {48, 24}, {24, 32}});
  icon("png-256.ico", {{256, 1, true}});
  icon("bmp-and-png.ico", {{16, 32}, {24, 32, true}, {32, 8}});
  samples.push_back({"minimal.emf", Kind::EnhancedMetafile, EnhancedMetafile(false)});
  samples.push_back({"drawing.emf", Kind::EnhancedMetafile, EnhancedMetafile(true)});
  const auto wmf = [&](const char* name, Bytes bytes, bool placeable) {
    samples.push_back({name, Kind::WindowsMetafile, std::move(bytes), placeable});
  };
  wmf("memory.wmf", WindowsMetafile(1, 0x300, 60, 30, true, 0), false);
  wmf("disk.wmf", WindowsMetafile(2, 0x300, 40, 80, true, 0), false);
  // The first version's records (no DIBs): the checks take it, though Wine's GDI does not.
  wmf("version-100.wmf", WindowsMetafile(1, 0x100, 40, 80, true, 0), false);
  wmf("placeable.wmf", WindowsMetafile(2, 0x300, 600, 300, true, 1440), true);
  wmf("placeable-box-only.wmf", WindowsMetafile(1, 0x300, 600, 300, false, 1440), true);
  return samples;
}

}  // namespace picture_samples
