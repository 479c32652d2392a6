// Structure checks of picture files.
#include "ui/picture_file_checks.h"

#include <algorithm>
#include <cstdlib>
#include <initializer_list>
#include <iterator>

namespace ui {
namespace {

// The sizes and codes of the Windows file formats, as the files store them.
constexpr uint64_t kFileHeader = 14;  // BITMAPFILEHEADER
constexpr uint64_t kCoreHeader = 12;  // BITMAPCOREHEADER
constexpr uint64_t kInfoHeader = 40;  // BITMAPINFOHEADER
constexpr uint64_t kQuadEntry = 4;    // RGBQUAD, a palette entry after an info header
constexpr uint64_t kTripleEntry = 3;  // RGBTRIPLE, a palette entry after a core header
constexpr uint32_t kBiRgb = 0;
constexpr uint32_t kBiRle8 = 1;
constexpr uint32_t kBiRle4 = 2;
constexpr uint32_t kBiBitfields = 3;
constexpr uint32_t kEmrHeader = 1;
constexpr uint32_t kEmrEof = 14;
constexpr uint32_t kEnhMetaSignature = 0x464D4520;  // " EMF"

constexpr int64_t kMaxBitmapSide = 32767;

bool IsDibBitCount(unsigned bits) {
  return bits == 1 || bits == 4 || bits == 8 || bits == 16 || bits == 24 || bits == 32;
}

// Bytes of one row of an uncompressed DIB: rows are padded to whole 32-bit words.
uint64_t DibStride(int64_t width, unsigned bits) {
  return (uint64_t(width) * bits + 31) / 32 * 4;
}

// Palette entries that follow a DIB header: as many as it says it uses, else all 2^bits.
uint64_t PaletteEntries(unsigned bits, uint32_t used) {
  if (used != 0) return used;
  return bits <= 8 ? uint64_t{1} << bits : 0;
}

// One image of an icon file: PNG data, or a DIB with its colour and mask bitmaps, all inside.
bool IsWholeIconImage(ByteView bytes, uint64_t at, uint64_t length) {
  const Fields f(bytes);
  if (length == 0 || !f.Has(at, length)) return false;
  static constexpr uint8_t kPngSignature[] = {0x89, 'P', 'N', 'G', '\r', '\n', 0x1A, '\n'};
  if (length >= std::size(kPngSignature) &&
      std::equal(std::begin(kPngSignature), std::end(kPngSignature), bytes.begin() + at)) {
    return true;
  }
  if (length < kInfoHeader || f.U32(at) != kInfoHeader) return false;
  const int64_t width = f.I32(at + 4);
  const int64_t height = f.I32(at + 8) / 2;  // the colour and mask bitmaps, one above the other
  const unsigned bits = f.U16(at + 14);
  const uint32_t used = f.U32(at + 32);
  if (width <= 0 || width > 256 || height <= 0 || height > 256 || !IsDibBitCount(bits) ||
      used > 256) {
    return false;
  }
  const uint64_t needed = kInfoHeader + PaletteEntries(bits, used) * kQuadEntry +
                          DibStride(width, bits) * height + DibStride(width, 1) * height;
  return needed <= length;
}

}  // namespace

std::optional<PictureKind> PictureKindOf(ByteView bytes) {
  const Fields f(bytes);
  const auto starts = [&](std::initializer_list<uint8_t> magic) {
    return bytes.size() >= magic.size() && std::equal(magic.begin(), magic.end(), bytes.begin());
  };
  if (starts({'B', 'M'})) return PictureKind::Bitmap;
  if (starts({0xFF, 0xD8, 0xFF})) return PictureKind::Jpeg;
  if (starts({0x89, 'P', 'N', 'G', '\r', '\n', 0x1A, '\n'})) return PictureKind::Png;
  if (starts({'G', 'I', 'F', '8'}) && (f.U8(4) == '7' || f.U8(4) == '9') && f.U8(5) == 'a') {
    return PictureKind::Gif;
  }
  if (f.Has(0, 6) && f.U16(0) == 0 && f.U16(2) == 1 && f.U16(4) > 0) return PictureKind::Icon;
  constexpr uint32_t kEmfSignature = 0x464D4520;  // " EMF"
  if (f.Has(0, 44) && f.U32(0) == 1 && f.U32(40) == kEmfSignature) {
    return PictureKind::EnhancedMetafile;
  }
  constexpr uint32_t kPlaceableKey = 0x9AC6CDD7;
  const bool metafile_header = (f.U16(0) == 1 || f.U16(0) == 2) && f.U16(2) == 9 &&
                               (f.U16(4) == 0x0300 || f.U16(4) == 0x0100);
  if ((f.Has(0, 4) && f.U32(0) == kPlaceableKey) || (f.Has(0, 6) && metafile_header)) {
    return PictureKind::WindowsMetafile;
  }
  return std::nullopt;
}

bool IsWholeBitmapFile(ByteView bytes) {
  const Fields f(bytes);
  if (!f.Has(0, kFileHeader + 4) || f.U16(0) != 0x4D42) return false;  // "BM"
  const uint64_t pixelsAt = f.U32(10);
  const uint64_t headerSize = f.U32(kFileHeader);
  if (!f.Has(kFileHeader, headerSize)) return false;
  int64_t width = 0;
  int64_t height = 0;
  unsigned bits = 0;
  uint32_t compression = kBiRgb;
  uint64_t imageSize = 0;
  uint64_t palette = 0;
  uint64_t masks = 0;
  if (headerSize == kCoreHeader) {
    width = f.U16(kFileHeader + 4);
    height = f.U16(kFileHeader + 6);
    bits = f.U16(kFileHeader + 10);
    palette = PaletteEntries(bits, 0) * kTripleEntry;
  } else if (headerSize >= kInfoHeader) {
    width = f.I32(kFileHeader + 4);
    height = std::abs(int64_t{f.I32(kFileHeader + 8)});
    bits = f.U16(kFileHeader + 14);
    compression = f.U32(kFileHeader + 16);
    imageSize = f.U32(kFileHeader + 20);
    const uint32_t used = f.U32(kFileHeader + 32);
    if (used > 256) return false;
    palette = PaletteEntries(bits, used) * kQuadEntry;
    // A plain info header is followed by the three colour masks; later headers contain them.
    if (compression == kBiBitfields && headerSize == kInfoHeader) masks = 12;
  } else {
    return false;
  }
  if (!IsDibBitCount(bits) || width <= 0 || height <= 0 || width > kMaxBitmapSide ||
      height > kMaxBitmapSide || pixelsAt < kFileHeader + headerSize + masks + palette) {
    return false;
  }
  switch (compression) {
    case kBiRgb:
    case kBiBitfields:
      return f.Has(pixelsAt, DibStride(width, bits) * height);
    case kBiRle8:
    case kBiRle4:
      return imageSize != 0 && f.Has(pixelsAt, imageSize);
    default:  // JPEG or PNG inside a bitmap: not drawable by GDI on a screen
      return false;
  }
}

std::optional<Size> FirstIconSize(ByteView bytes) {
  const Fields f(bytes);
  constexpr uint64_t kDirectory = 6;
  constexpr uint64_t kEntry = 16;
  if (!f.Has(0, kDirectory) || f.U16(0) != 0 || f.U16(2) != 1) return std::nullopt;
  const unsigned count = f.U16(4);
  if (count == 0 || !f.Has(kDirectory, kEntry * count)) return std::nullopt;
  for (unsigned i = 0; i < count; ++i) {
    const uint64_t entry = kDirectory + kEntry * i;
    if (!IsWholeIconImage(bytes, f.U32(entry + 12), f.U32(entry + 8))) return std::nullopt;
  }
  // A stored side of 0 means 256.
  const auto side = [](uint8_t stored) { return stored == 0 ? 256 : int32_t{stored}; };
  return Size{side(f.U8(kDirectory)), side(f.U8(kDirectory + 1))};
}

bool IsWholeEnhancedMetafile(ByteView bytes) {
  const Fields f(bytes);
  constexpr uint64_t kMinHeader = 88;  // ENHMETAHEADER up to nPalEntries and the device sizes
  if (!f.Has(0, kMinHeader) || f.U32(0) != kEmrHeader || f.U32(40) != kEnhMetaSignature) {
    return false;
  }
  const uint64_t headerSize = f.U32(4);
  const uint64_t length = f.U32(48);
  if (headerSize < kMinHeader || length < headerSize || !f.Has(0, length)) return false;
  for (uint64_t at = 0; at + 8 <= length;) {
    const uint64_t size = f.U32(at + 4);
    if (size < 8 || size % 4 != 0 || at + size > length) return false;
    if (f.U32(at) == kEmrEof) return true;
    at += size;
  }
  return false;
}

std::optional<WindowsMetafileScan> ScanWindowsMetafile(ByteView bytes) {
  const Fields f(bytes);
  constexpr uint64_t kHeader = 18;  // METAHEADER, nine 16-bit words
  constexpr uint16_t kMetaEof = 0x0000;
  constexpr uint16_t kMetaSetWindowExt = 0x020C;
  if (!f.Has(0, kHeader)) return std::nullopt;
  const unsigned type = f.U16(0);
  const unsigned version = f.U16(4);
  WindowsMetafileScan scan;
  scan.length = uint64_t{f.U32(6)} * 2;  // stored in 16-bit words
  if ((type != 1 && type != 2) || f.U16(2) != kHeader / 2 ||
      (version != 0x100 && version != 0x300) || scan.length < kHeader || !f.Has(0, scan.length)) {
    return std::nullopt;
  }
  for (uint64_t at = kHeader; at + 6 <= scan.length;) {
    const uint64_t size = uint64_t{f.U32(at)} * 2;
    if (size < 6 || at + size > scan.length) return std::nullopt;
    const unsigned function = f.U16(at + 4);
    if (function == kMetaEof) return scan;
    // The first extent set is the picture's; its parameters are stored y first.
    if (function == kMetaSetWindowExt && size >= 10 && scan.extentX == 0 && scan.extentY == 0) {
      scan.extentY = f.I16(at + 6);
      scan.extentX = f.I16(at + 8);
    }
    at += size;
  }
  return std::nullopt;
}

}  // namespace ui
