// Picture loading by file type. Each file is read whole and its structure checked (see
// picture_file_checks.h) before GDI sees it.
#include "ui/win32/picture_loader.h"

#include <windows.h>

#include <algorithm>
#include <cstdint>
#include <cstdlib>
#include <iterator>
#include <optional>
#include <span>
#include <vector>

#include "ui/memory.h"
#include "ui/picture_file_checks.h"
#include "ui/scale.h"
#include "ui/win32/bitmap_file.h"
#include "ui/win32/gdi.h"
#include "ui/win32/gdi_picture.h"
#include "ui/win32/imaging_decoder.h"
#include "ui/win32/jpeg_decoder.h"
#include "ui/win32/wide_text.h"

namespace ui::win32 {
namespace {

using Bytes = std::vector<uint8_t>;

constexpr int64_t kMaxFileSize = int64_t{128} << 20;
constexpr int kHundredthsOfMillimetrePerInch = 2540;

// Read through the system itself: the standard library's file streams would bring their whole
// locale machinery into the player, several hundred kilobytes on every disc.
std::optional<Bytes> ReadWholeFile(const std::string& path) {
  HANDLE opened = ::CreateFileW(WideOf(path).c_str(), GENERIC_READ, FILE_SHARE_READ, nullptr,
                                OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr);
  if (opened == INVALID_HANDLE_VALUE) return std::nullopt;
  const OwnedKernelHandle file(opened);
  LARGE_INTEGER size{};
  if (!::GetFileSizeEx(file.Get(), &size) || size.QuadPart > kMaxFileSize ||
      !CanAllocate(static_cast<uint64_t>(size.QuadPart))) {
    return std::nullopt;
  }
  Bytes bytes(static_cast<std::size_t>(size.QuadPart));
  DWORD got = 0;
  if (!bytes.empty() &&
      (!::ReadFile(file.Get(), bytes.data(), static_cast<DWORD>(bytes.size()), &got, nullptr) ||
       got != bytes.size())) {
    return std::nullopt;
  }
  return bytes;
}

std::unique_ptr<Picture> ReadBitmapPicture(const std::string& path, ByteView bytes) {
  if (!IsWholeBitmapFile(bytes)) return nullptr;
  std::shared_ptr<const PixelBitmap> pixels = ReadBitmapFile(path);
  if (!pixels) return nullptr;
  return std::make_unique<BitmapPicture>(std::move(pixels));
}

std::unique_ptr<Picture> ReadJpegPicture(ByteView bytes, Size shown) {
  Size natural;
  std::shared_ptr<const PixelBitmap> pixels = DecodeJpeg(bytes, shown, &natural);
  if (!pixels) return nullptr;
  return std::make_unique<BitmapPicture>(std::move(pixels), natural);
}

std::unique_ptr<Picture> ReadIconPicture(const std::string& path, ByteView bytes) {
  const std::optional<Size> size = FirstIconSize(bytes);
  if (!size) return nullptr;
  // Asking for the first image's size makes Windows pick that image (or one as large).
  OwnedIcon icon(static_cast<HICON>(::LoadImageW(nullptr, WideOf(path).c_str(), IMAGE_ICON,
                                                 size->width, size->height, LR_LOADFROMFILE)));
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
  // Sizes are design units, pixels at 96 DPI, whatever the screen's DPI.
  const int dpiX = kDesignDpi;
  const int dpiY = kDesignDpi;
  // A placeable header gives the bounding box in units of which "inch" make an inch; without
  // one, the window extent is taken as design pixels.
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

std::unique_ptr<Picture> ReadPicture(PictureKind kind, const std::string& path, ByteView bytes,
                                     Size shown) {
  switch (kind) {
    case PictureKind::Bitmap:
      return ReadBitmapPicture(path, bytes);
    case PictureKind::Jpeg:
      return ReadJpegPicture(bytes, shown);
    case PictureKind::Icon:
      return ReadIconPicture(path, bytes);
    case PictureKind::EnhancedMetafile:
      return ReadEnhancedMetafilePicture(bytes);
    case PictureKind::WindowsMetafile:
      return ReadWindowsMetafilePicture(bytes);
    case PictureKind::Png:
    case PictureKind::Gif:
      if (std::shared_ptr<const PixelBitmap> pixels = DecodeWithImagingComponent(bytes)) {
        return std::make_unique<BitmapPicture>(std::move(pixels));
      }
      return nullptr;
  }
  return nullptr;
}

}  // namespace

std::unique_ptr<ui::Picture> LoadPictureFromFile(const std::string& path, Size shown,
                                                 uint64_t* bytes_held) {
  const std::optional<Bytes> bytes = ReadWholeFile(path);
  if (!bytes) return nullptr;
  // The content decides, whatever the name says.
  const std::optional<PictureKind> kind = PictureKindOf(*bytes);
  if (!kind) return nullptr;
  std::unique_ptr<Picture> picture = ReadPicture(*kind, path, *bytes, shown);
  // What the cache counts: the decoded pixels, or the file where it is larger (a metafile).
  if (bytes_held != nullptr && picture) {
    *bytes_held =
        std::max<uint64_t>(bytes->size(), static_cast<const GdiPicture&>(*picture).HeldBytes());
  }
  // A picture of no size could be neither seen nor sized to.
  if (!picture || picture->GetSize().width <= 0 || picture->GetSize().height <= 0) return nullptr;
  return picture;
}

std::unique_ptr<PixelBitmap> LoadGlyphFromFile(const std::string& path) {
  const std::optional<Bytes> bytes = ReadWholeFile(path);
  if (!bytes) return nullptr;
  const std::optional<PictureKind> kind = PictureKindOf(*bytes);
  if (kind == PictureKind::Bitmap) return ReadBitmapFile(path);
  if (kind == PictureKind::Png || kind == PictureKind::Gif) {
    return DecodeWithImagingComponent(*bytes);
  }
  return nullptr;
}

}  // namespace ui::win32
