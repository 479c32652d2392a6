// Structure checks of picture files, made before GDI sees them: GDI trusts the counts and
// offsets inside bitmap, icon and metafile files and would read past the end of a truncated one.
// The checks read bytes only, so they build in both trees and are fuzzed natively.
#pragma once

#include <cstdint>
#include <optional>
#include <span>

#include "ui/geometry.h"

namespace ui {

using ByteView = std::span<const uint8_t>;

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

// What a file's first bytes say it holds, whatever its name: the decoder goes by this.
enum class PictureKind : uint8_t {
  Bitmap,
  Jpeg,
  Icon,
  EnhancedMetafile,
  WindowsMetafile,
  Png,
  Gif
};
std::optional<PictureKind> PictureKindOf(ByteView bytes);

// A .bmp file whose headers, palette and pixels all lie inside the file.
bool IsWholeBitmapFile(ByteView bytes);

// The size of an icon file's first image when every image of the file is whole.
std::optional<Size> FirstIconSize(ByteView bytes);

// An enhanced metafile whose header is one and whose records chain up to EMR_EOF in the file.
bool IsWholeEnhancedMetafile(ByteView bytes);

// What the loader needs of a Windows metafile's records: their length up to META_EOF and the
// window extent, which gives the picture's size when no placeable header does.
struct WindowsMetafileScan {
  uint64_t length = 0;
  int32_t extentX = 0;
  int32_t extentY = 0;
};

std::optional<WindowsMetafileScan> ScanWindowsMetafile(ByteView bytes);

}  // namespace ui
