// Feeds arbitrary bytes to every picture file check, with the sanitizers watching. Besides not
// crashing, a check must judge by the bytes inside the file only: when it accepts the input
// without its last byte, that byte lies past the structure and the whole input must get the same
// verdict (a check that read a missing byte as zero would break this). And what a check accepts
// must end inside the file, by the sizes and offsets the file states, recomputed here.
#include <algorithm>
#include <cstdint>
#include <cstdlib>
#include <optional>

#include "ui/picture_file_checks.h"

namespace {

// Every check's verdict on the bytes; the loader scans a Windows metafile after its 22-byte
// placeable header when it has one, so the records after those bytes are scanned too.
struct Verdicts {
  bool bitmap;
  std::optional<ui::Size> icon;
  bool enhanced;
  std::optional<ui::WindowsMetafileScan> metafile;
  std::optional<ui::WindowsMetafileScan> afterPlaceable;
};

Verdicts Check(ui::ByteView bytes) {
  Verdicts v{ui::IsWholeBitmapFile(bytes), ui::FirstIconSize(bytes),
             ui::IsWholeEnhancedMetafile(bytes), ui::ScanWindowsMetafile(bytes), std::nullopt};
  if (bytes.size() >= 22) v.afterPlaceable = ui::ScanWindowsMetafile(bytes.subspan(22));
  return v;
}

bool SameScan(const std::optional<ui::WindowsMetafileScan>& a,
              const std::optional<ui::WindowsMetafileScan>& b) {
  return a->length == b->length && a->extentX == b->extentX && a->extentY == b->extentY;
}

// Where the parts GDI reads end, by the file's own fields: the bitmap's pixels, every icon
// image, the enhanced metafile's stated length.
void ExpectEndsInside(const Verdicts& v, ui::ByteView bytes) {
  const ui::Fields f(bytes);
  const uint64_t size = bytes.size();
  if (v.bitmap) {
    const bool core = f.U32(14) == 12;
    const uint64_t width = core ? f.U16(18) : f.U32(18);
    const int64_t height = core ? f.U16(20) : f.I32(22);
    const uint64_t bits = core ? f.U16(24) : f.U16(28);
    const uint32_t compression = core ? 0 : f.U32(30);
    const uint64_t pixels = compression == 1 || compression == 2
                                ? f.U32(34)
                                : (width * bits + 31) / 32 * 4 * uint64_t(std::abs(height));
    if (f.U32(10) + pixels > size) std::abort();
  }
  for (unsigned i = 0; v.icon && i < f.U16(4); ++i) {
    if (uint64_t{f.U32(6 + 16 * i + 12)} + f.U32(6 + 16 * i + 8) > size) std::abort();
  }
  if (v.enhanced && f.U32(48) > size) std::abort();
}

void ExpectSane(const Verdicts& v, uint64_t size) {
  if (v.icon &&
      (v.icon->width < 1 || v.icon->width > 256 || v.icon->height < 1 || v.icon->height > 256)) {
    std::abort();
  }
  if (v.metafile && (v.metafile->length < 18 || v.metafile->length > size)) std::abort();
  if (v.afterPlaceable && v.afterPlaceable->length > size - 22) std::abort();
}

}  // namespace

// Kinds told by their first eight bytes or fewer keep their verdict when the rest is cut away.
void ExpectKindByMagic(ui::ByteView bytes) {
  using enum ui::PictureKind;
  const std::optional<ui::PictureKind> kind = ui::PictureKindOf(bytes);
  if (kind != Bitmap && kind != Jpeg && kind != Png && kind != Gif) return;
  if (ui::PictureKindOf(bytes.first(std::min<size_t>(bytes.size(), 8))) != kind) std::abort();
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  const ui::ByteView bytes(data, size);
  ExpectKindByMagic(bytes);
  const Verdicts whole = Check(bytes);
  ExpectSane(whole, size);
  ExpectEndsInside(whole, bytes);
  if (size == 0) return 0;
  const Verdicts shorter = Check(bytes.first(size - 1));
  if (shorter.bitmap && !whole.bitmap) std::abort();
  if (shorter.icon && whole.icon != shorter.icon) std::abort();
  if (shorter.enhanced && !whole.enhanced) std::abort();
  if (shorter.metafile && (!whole.metafile || !SameScan(whole.metafile, shorter.metafile))) {
    std::abort();
  }
  if (shorter.afterPlaceable &&
      (!whole.afterPlaceable || !SameScan(whole.afterPlaceable, shorter.afterPlaceable))) {
    std::abort();
  }
  return 0;
}
