// Picture loading. Each file is read whole and its structure checked before GDI sees it: GDI
// trusts the counts and offsets inside bitmap, icon and metafile files and would read past the
// end of a truncated one.
#include "ui/win32/picture_loader.h"

#include <windows.h>

#include <algorithm>
#include <cstdint>
#include <cstdlib>
#include <fstream>
#include <iterator>
#include <new>
#include <optional>
#include <span>
#include <vector>

#include "ui/win32/bitmap_file.h"
#include "ui/win32/gdi.h"
#include "ui/win32/gdi_picture.h"
#include "ui/win32/jpeg_decoder.h"

namespace ui::win32 {
namespace {

using Bytes = std::vector<uint8_t>;
using ByteView = std::span<const uint8_t>;

constexpr std::streamoff kMaxFileSize = std::streamoff{128} << 20;
constexpr int64_t kMaxBitmapSide = 32767;
constexpr int kHundredthsOfMillimetrePerInch = 2540;

enum class Kind { Bitmap, Jpeg, Icon, EnhancedMetafile, WindowsMetafile };

std::optional<Kind> KindOfName(const std::string& path) {
  const auto dot = path.find_last_of('.');
  const auto separator = path.find_last_of("\\/");
  if (dot == std::string::npos || (separator != std::string::npos && dot < separator)) {
    return std::nullopt;
  }
  std::string extension = path.substr(dot + 1);
  for (char& c : extension) {
    if (c >= 'A' && c <= 'Z') c = static_cast<char>(c - 'A' + 'a');
  }
  if (extension == "bmp") return Kind::Bitmap;
  if (extension == "jpg" || extension == "jpeg") return Kind::Jpeg;
  if (extension == "ico") return Kind::Icon;
  if (extension == "emf") return Kind::EnhancedMetafile;
  if (extension == "wmf") return Kind::WindowsMetafile;
  return std::nullopt;
}

std::optional<Bytes> ReadWholeFile(const std::string& path) {
  std::ifstream file(path, std::ios::binary | std::ios::ate);
  if (!file) return std::nullopt;
  const std::streamoff size = file.tellg();
  if (size < 0 || size > kMaxFileSize) return std::nullopt;
  Bytes bytes(static_cast<std::size_t>(size));
  file.seekg(0);
  if (!file.read(reinterpret_cast<char*>(bytes.data()), size)) return std::nullopt;
  return bytes;
}

// Little-endian fields of a file. Reads outside it give zero; callers check Has() for the
// ranges they rely on.
class Fields {
 public:
  explicit Fields(ByteView bytes) : bytes_(bytes) {}
  bool Has(uint64_t offset, uint64_t length) const { return offset + length <= bytes_.size(); }
  uint8_t U8(uint64_t at) const { return Has(at, 1) ? bytes_[at] : 0; }
  uint16_t U16(uint64_t at) const { return static_cast<uint16_t>(U8(at) | U8(at + 1) << 8); }
  uint32_t U32(uint64_t at) const { return U16(at) | static_cast<uint32_t>(U16(at + 2)) << 16; }
  int16_t I16(uint64_t at) const { return static_cast<int16_t>(U16(at)); }
  int32_t I32(uint64_t at) const { return static_cast<int32_t>(U32(at)); }

 private:
  ByteView bytes_;
};

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

// A .bmp file whose headers, palette and pixels all lie inside the file.
bool IsWholeBitmapFile(ByteView bytes) {
  const Fields f(bytes);
  constexpr uint64_t kFileHeader = sizeof(BITMAPFILEHEADER);
  if (!f.Has(0, kFileHeader + 4) || f.U16(0) != 0x4D42) return false;  // "BM"
  const uint64_t pixelsAt = f.U32(10);
  const uint64_t headerSize = f.U32(kFileHeader);
  if (!f.Has(kFileHeader, headerSize)) return false;
  int64_t width = 0;
  int64_t height = 0;
  unsigned bits = 0;
  uint32_t compression = BI_RGB;
  uint64_t imageSize = 0;
  uint64_t palette = 0;
  uint64_t masks = 0;
  if (headerSize == sizeof(BITMAPCOREHEADER)) {
    width = f.U16(kFileHeader + 4);
    height = f.U16(kFileHeader + 6);
    bits = f.U16(kFileHeader + 10);
    palette = PaletteEntries(bits, 0) * sizeof(RGBTRIPLE);
  } else if (headerSize >= sizeof(BITMAPINFOHEADER)) {
    width = f.I32(kFileHeader + 4);
    height = std::abs(int64_t{f.I32(kFileHeader + 8)});
    bits = f.U16(kFileHeader + 14);
    compression = f.U32(kFileHeader + 16);
    imageSize = f.U32(kFileHeader + 20);
    const uint32_t used = f.U32(kFileHeader + 32);
    if (used > 256) return false;
    palette = PaletteEntries(bits, used) * sizeof(RGBQUAD);
    // A plain info header is followed by the three colour masks; later headers contain them.
    if (compression == BI_BITFIELDS && headerSize == sizeof(BITMAPINFOHEADER)) masks = 12;
  } else {
    return false;
  }
  if (!IsDibBitCount(bits) || width <= 0 || height <= 0 || width > kMaxBitmapSide ||
      height > kMaxBitmapSide || pixelsAt < kFileHeader + headerSize + masks + palette) {
    return false;
  }
  switch (compression) {
    case BI_RGB:
    case BI_BITFIELDS:
      return f.Has(pixelsAt, DibStride(width, bits) * height);
    case BI_RLE8:
    case BI_RLE4:
      return imageSize != 0 && f.Has(pixelsAt, imageSize);
    default:  // JPEG or PNG inside a bitmap: not drawable by GDI on a screen
      return false;
  }
}

// One image of an icon file: PNG data, or a DIB with its colour and mask bitmaps, all inside.
bool IsWholeIconImage(ByteView bytes, uint64_t at, uint64_t length) {
  const Fields f(bytes);
  if (length == 0 || !f.Has(at, length)) return false;
  static constexpr uint8_t kPngSignature[] = {0x89, 'P', 'N', 'G', '\r', '\n', 0x1A, '\n'};
  if (length >= sizeof kPngSignature &&
      std::equal(std::begin(kPngSignature), std::end(kPngSignature), bytes.begin() + at)) {
    return true;
  }
  if (length < sizeof(BITMAPINFOHEADER) || f.U32(at) != sizeof(BITMAPINFOHEADER)) return false;
  const int64_t width = f.I32(at + 4);
  const int64_t height = f.I32(at + 8) / 2;  // the colour and mask bitmaps, one above the other
  const unsigned bits = f.U16(at + 14);
  const uint32_t used = f.U32(at + 32);
  if (width <= 0 || width > 256 || height <= 0 || height > 256 || !IsDibBitCount(bits) ||
      used > 256) {
    return false;
  }
  const uint64_t needed = sizeof(BITMAPINFOHEADER) + PaletteEntries(bits, used) * sizeof(RGBQUAD) +
                          DibStride(width, bits) * height + DibStride(width, 1) * height;
  return needed <= length;
}

// The size of an icon file's first image when every image of the file is whole.
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

// An enhanced metafile whose header is one and whose records chain up to EMR_EOF in the file.
bool IsWholeEnhancedMetafile(ByteView bytes) {
  const Fields f(bytes);
  constexpr uint64_t kMinHeader = 88;  // ENHMETAHEADER up to nPalEntries and the device sizes
  if (!f.Has(0, kMinHeader) || f.U32(0) != EMR_HEADER || f.U32(40) != ENHMETA_SIGNATURE) {
    return false;
  }
  const uint64_t headerSize = f.U32(4);
  const uint64_t length = f.U32(48);
  if (headerSize < kMinHeader || length < headerSize || !f.Has(0, length)) return false;
  for (uint64_t at = 0; at + 8 <= length;) {
    const uint64_t size = f.U32(at + 4);
    if (size < 8 || size % 4 != 0 || at + size > length) return false;
    if (f.U32(at) == EMR_EOF) return true;
    at += size;
  }
  return false;
}

// What the loader needs of a Windows metafile's records: their length up to META_EOF and the
// window extent, which gives the picture's size when no placeable header does.
struct WindowsMetafileScan {
  uint64_t length = 0;
  int32_t extentX = 0;
  int32_t extentY = 0;
};

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

std::unique_ptr<Picture> ReadBitmapPicture(const std::string& path, ByteView bytes) {
  if (!IsWholeBitmapFile(bytes)) return nullptr;
  std::shared_ptr<const PixelBitmap> pixels = ReadBitmapFile(path);
  if (!pixels) return nullptr;
  return std::make_unique<BitmapPicture>(std::move(pixels));
}

std::unique_ptr<Picture> ReadJpegPicture(ByteView bytes) {
  std::shared_ptr<const PixelBitmap> pixels = DecodeJpeg(bytes);
  if (!pixels) return nullptr;
  return std::make_unique<BitmapPicture>(std::move(pixels));
}

std::unique_ptr<Picture> ReadIconPicture(const std::string& path, ByteView bytes) {
  const std::optional<Size> size = FirstIconSize(bytes);
  if (!size) return nullptr;
  // Asking for the first image's size makes Windows pick that image (or one as large).
  OwnedIcon icon(static_cast<HICON>(
      ::LoadImageA(nullptr, path.c_str(), IMAGE_ICON, size->width, size->height, LR_LOADFROMFILE)));
  if (!icon) return nullptr;
  return std::make_unique<IconPicture>(std::move(icon));
}

std::unique_ptr<Picture> ReadEnhancedMetafilePicture(ByteView bytes) {
  if (!IsWholeEnhancedMetafile(bytes)) return nullptr;
  OwnedEnhMetaFile metafile(::SetEnhMetaFileBits(Fields(bytes).U32(48), bytes.data()));
  if (!metafile) return nullptr;
  return std::make_unique<MetafilePicture>(std::move(metafile));
}

void Store16(Bytes& bytes, std::size_t at, uint16_t value) {
  bytes[at] = static_cast<uint8_t>(value & 0xFF);
  bytes[at + 1] = static_cast<uint8_t>(value >> 8);
}

void Store32(Bytes& bytes, std::size_t at, uint32_t value) {
  Store16(bytes, at, static_cast<uint16_t>(value & 0xFFFF));
  Store16(bytes, at + 2, static_cast<uint16_t>(value >> 16));
}

// The records as GDI takes them: an in-memory metafile (the type word of one saved as a disk
// metafile says otherwise). When the records set no window and a placeable header gives the
// box, the box becomes the window: GDI would otherwise map one unit onto the whole picture.
Bytes MemoryMetafile(ByteView records, const WindowsMetafileScan& scan,
                     std::optional<RECT> placeableBox) {
  constexpr std::size_t kHeader = 18;
  const bool addWindow = placeableBox && scan.extentX == 0 && scan.extentY == 0;
  Bytes memory(records.begin(), records.begin() + kHeader);
  if (addWindow) {
    constexpr uint16_t kRecordWords = 5;  // size (2 words), function, y, x
    const auto add = [&memory](uint16_t function, LONG x, LONG y) {
      for (int i = 0; i < 10; ++i) memory.push_back(0);
      const std::size_t at = memory.size() - 10;
      Store32(memory, at, kRecordWords);
      Store16(memory, at + 4, function);
      Store16(memory, at + 6, static_cast<uint16_t>(y));
      Store16(memory, at + 8, static_cast<uint16_t>(x));
    };
    add(0x020B, placeableBox->left, placeableBox->top);  // META_SETWINDOWORG
    add(0x020C, placeableBox->right - placeableBox->left,
        placeableBox->bottom - placeableBox->top);  // META_SETWINDOWEXT
    const Fields header(records);
    Store32(memory, 6, static_cast<uint32_t>(scan.length / 2 + 2 * kRecordWords));  // mtSize
    Store32(memory, 12, std::max<uint32_t>(header.U32(12), kRecordWords));          // mtMaxRecord
  }
  memory.insert(memory.end(), records.begin() + kHeader,
                records.begin() + static_cast<std::ptrdiff_t>(scan.length));
  Store16(memory, 0, 1);  // METAFILE_MEMORY
  return memory;
}

std::unique_ptr<Picture> ReadWindowsMetafilePicture(ByteView bytes) {
  const Fields f(bytes);
  constexpr uint32_t kPlaceableKey = 0x9AC6CDD7;
  constexpr uint64_t kPlaceableHeader = 22;
  const bool placeable = f.Has(0, 4) && f.U32(0) == kPlaceableKey;
  if (placeable && !f.Has(0, kPlaceableHeader)) return nullptr;
  const ByteView records = placeable ? bytes.subspan(kPlaceableHeader) : bytes;
  const std::optional<WindowsMetafileScan> scan = ScanWindowsMetafile(records);
  if (!scan) return nullptr;

  const ScreenDc screen;
  const int dpiX = ::GetDeviceCaps(screen.Get(), LOGPIXELSX);
  const int dpiY = ::GetDeviceCaps(screen.Get(), LOGPIXELSY);
  // A placeable header gives the bounding box in units of which "inch" make an inch; without
  // one, the window extent is taken as screen pixels.
  std::optional<RECT> box;
  int unitsWide = std::abs(scan->extentX);
  int unitsHigh = std::abs(scan->extentY);
  int unitsPerInchX = dpiX;
  int unitsPerInchY = dpiY;
  if (placeable) {
    box = RECT{f.I16(6), f.I16(8), f.I16(10), f.I16(12)};
    unitsWide = std::abs(box->right - box->left);
    unitsHigh = std::abs(box->bottom - box->top);
    unitsPerInchX = unitsPerInchY = f.U16(14);
  }
  if (unitsWide == 0 || unitsHigh == 0 || unitsPerInchX <= 0 || unitsPerInchY <= 0) return nullptr;
  const Size size{::MulDiv(unitsWide, dpiX, unitsPerInchX),
                  ::MulDiv(unitsHigh, dpiY, unitsPerInchY)};

  const Bytes memory = MemoryMetafile(records, *scan, box);
  // GDI maps the metafile's window onto this extent (hundredths of a millimetre), which
  // becomes the enhanced metafile's frame.
  const METAFILEPICT picture{
      MM_ANISOTROPIC, ::MulDiv(unitsWide, kHundredthsOfMillimetrePerInch, unitsPerInchX),
      ::MulDiv(unitsHigh, kHundredthsOfMillimetrePerInch, unitsPerInchY), nullptr};
  OwnedEnhMetaFile metafile(::SetWinMetaFileBits(static_cast<UINT>(memory.size()), memory.data(),
                                                 screen.Get(), &picture));
  if (!metafile) return nullptr;
  return std::make_unique<MetafilePicture>(std::move(metafile), size);
}

std::unique_ptr<Picture> ReadPicture(Kind kind, const std::string& path, ByteView bytes) {
  switch (kind) {
    case Kind::Bitmap:
      return ReadBitmapPicture(path, bytes);
    case Kind::Jpeg:
      return ReadJpegPicture(bytes);
    case Kind::Icon:
      return ReadIconPicture(path, bytes);
    case Kind::EnhancedMetafile:
      return ReadEnhancedMetafilePicture(bytes);
    case Kind::WindowsMetafile:
      return ReadWindowsMetafilePicture(bytes);
  }
  return nullptr;
}

}  // namespace

std::unique_ptr<ui::Picture> LoadPictureFromFile(const std::string& path) {
  const std::optional<Kind> kind = KindOfName(path);
  if (!kind) return nullptr;
  try {
    const std::optional<Bytes> bytes = ReadWholeFile(path);
    if (!bytes) return nullptr;
    std::unique_ptr<Picture> picture = ReadPicture(*kind, path, *bytes);
    // A picture of no size could be neither seen nor sized to.
    if (!picture || picture->GetSize().width <= 0 || picture->GetSize().height <= 0) return nullptr;
    return picture;
  } catch (const std::bad_alloc&) {
    return nullptr;
  }
}

}  // namespace ui::win32
