// Drawing of the three kinds of picture with plain GDI calls.
#include "ui/win32/gdi_picture.h"

#include <cstring>
#include <vector>

#include "ui/scale.h"

namespace ui::win32 {
namespace {

// Scaling a picture with the default BLACKONWHITE mode would AND neighbouring colours together;
// COLORONCOLOR drops pixels instead, keeps colours exact and leaves a transparent colour intact.
class StretchModeGuard {
 public:
  StretchModeGuard(HDC dc, int mode) : dc_(dc), previous_(::SetStretchBltMode(dc, mode)) {}
  StretchModeGuard(const StretchModeGuard&) = delete;
  StretchModeGuard& operator=(const StretchModeGuard&) = delete;
  ~StretchModeGuard() {
    if (previous_ != 0) ::SetStretchBltMode(dc_, previous_);
  }

 private:
  HDC dc_;
  int previous_;
};

// PixelBitmap's layout is a top-down 32-bpp DIB's, so GDI can read its buffer as it is.
BITMAPINFO TopDownInfo(const PixelBitmap& pixels) {
  BITMAPINFO info{};
  info.bmiHeader.biSize = sizeof info.bmiHeader;
  info.bmiHeader.biWidth = pixels.Width();
  info.bmiHeader.biHeight = -pixels.Height();
  info.bmiHeader.biPlanes = 1;
  info.bmiHeader.biBitCount = 32;
  info.bmiHeader.biCompression = BI_RGB;
  return info;
}

bool IsEmpty(const RECT& rect) {
  return rect.right <= rect.left || rect.bottom <= rect.top;
}

Size IconSize(HICON icon) {
  ICONINFO info{};
  if (icon == nullptr || !::GetIconInfo(icon, &info)) return {};
  // GetIconInfo hands over copies of the icon's bitmaps; these free them.
  const GdiObject<HBITMAP> color(info.hbmColor);
  const GdiObject<HBITMAP> mask(info.hbmMask);
  BITMAP bitmap{};
  if (color) {
    if (::GetObjectA(color.Get(), sizeof bitmap, &bitmap) == 0) return {};
    return {bitmap.bmWidth, bitmap.bmHeight};
  }
  // A monochrome icon has no colour bitmap: its mask holds the AND half above the XOR half.
  if (!mask || ::GetObjectA(mask.Get(), sizeof bitmap, &bitmap) == 0) return {};
  return {bitmap.bmWidth, bitmap.bmHeight / 2};
}

// A picture with see-through parts is blended over what lies beneath: its premultiplied pixels
// go through a DIB section, the only source AlphaBlend takes.
void DrawBlended(HDC dc, const RECT& dest, const PixelBitmap& pixels) {
  const BITMAPINFO info = TopDownInfo(pixels);
  void* bits = nullptr;
  const GdiObject<HBITMAP> section(
      ::CreateDIBSection(dc, &info, DIB_RGB_COLORS, &bits, nullptr, 0));
  const MemoryDc source(::CreateCompatibleDC(dc));
  if (!section || bits == nullptr || !source) return;
  std::memcpy(bits, pixels.Row(0),
              static_cast<std::size_t>(pixels.Width()) * pixels.Height() * sizeof(uint32_t));
  const SelectGuard select(source.Get(), section.Get());
  const BLENDFUNCTION blend{AC_SRC_OVER, 0, 255, AC_SRC_ALPHA};
  ::AlphaBlend(dc, dest.left, dest.top, dest.right - dest.left, dest.bottom - dest.top,
               source.Get(), 0, 0, pixels.Width(), pixels.Height(), blend);
}

}  // namespace

BitmapPicture::BitmapPicture(std::shared_ptr<const PixelBitmap> pixels, Size natural)
    : pixels_(std::move(pixels)), natural_(natural) {}

Size BitmapPicture::GetSize() const {
  if (natural_.width > 0 && natural_.height > 0) return natural_;
  return {pixels_->Width(), pixels_->Height()};
}

std::unique_ptr<Picture> BitmapPicture::Clone() const {
  return std::make_unique<BitmapPicture>(*this);
}

void BitmapPicture::Draw(HDC dc, const RECT& dest, bool transparent, bool smooth) const {
  if (IsEmpty(dest) || pixels_->Empty()) return;
  if (pixels_->HasAlpha()) {
    DrawBlended(dc, dest, *pixels_);
    return;
  }
  const int width = dest.right - dest.left;
  const int height = dest.bottom - dest.top;
  const BITMAPINFO info = TopDownInfo(*pixels_);
  const StretchModeGuard mode(dc, smooth ? HALFTONE : COLORONCOLOR);
  if (smooth) ::SetBrushOrgEx(dc, 0, 0, nullptr);  // as HALFTONE asks
  if (!transparent) {
    ::StretchDIBits(dc, dest.left, dest.top, width, height, 0, 0, pixels_->Width(),
                    pixels_->Height(), pixels_->Row(0), &info, DIB_RGB_COLORS, SRCCOPY);
    return;
  }
  // The key colour is left out in two raster operations straight from memory: a mask that is
  // white on key pixels and black elsewhere is ANDed in, then the picture with its key pixels made
  // black is ORed over it. No device context or bitmap has to be made for it, which matters
  // for glyphs drawn on every repaint of a design.
  const uint32_t key = pixels_->At(0, pixels_->Height() - 1);
  const std::size_t count = static_cast<std::size_t>(pixels_->Width()) * pixels_->Height();
  std::vector<uint32_t> mask(count), picture(count);
  const uint32_t* source = pixels_->Row(0);
  for (std::size_t i = 0; i < count; ++i) {
    const bool keyed = (source[i] & 0x00FFFFFFu) == (key & 0x00FFFFFFu);
    mask[i] = keyed ? 0x00FFFFFFu : 0;
    picture[i] = keyed ? 0 : source[i];
  }
  ::StretchDIBits(dc, dest.left, dest.top, width, height, 0, 0, pixels_->Width(), pixels_->Height(),
                  mask.data(), &info, DIB_RGB_COLORS, SRCAND);
  ::StretchDIBits(dc, dest.left, dest.top, width, height, 0, 0, pixels_->Width(), pixels_->Height(),
                  picture.data(), &info, DIB_RGB_COLORS, SRCPAINT);
}

IconPicture::IconPicture(OwnedIcon icon)
    : icon_(std::make_unique<const OwnedIcon>(std::move(icon))), size_(IconSize(icon_->Get())) {}

std::unique_ptr<Picture> IconPicture::Clone() const {
  return std::make_unique<IconPicture>(*this);
}

void IconPicture::Draw(HDC dc, const RECT& dest, bool /*transparent*/, bool /*smooth*/) const {
  if (IsEmpty(dest) || !*icon_) return;
  ::DrawIconEx(dc, dest.left, dest.top, icon_->Get(), dest.right - dest.left,
               dest.bottom - dest.top, 0, nullptr, DI_NORMAL);
}

MetafilePicture::MetafilePicture(OwnedEnhMetaFile metafile)
    : metafile_(std::make_unique<const OwnedEnhMetaFile>(std::move(metafile))),
      size_(FrameInPixels(metafile_->Get())) {}

MetafilePicture::MetafilePicture(OwnedEnhMetaFile metafile, Size size)
    : metafile_(std::make_unique<const OwnedEnhMetaFile>(std::move(metafile))), size_(size) {}

std::unique_ptr<Picture> MetafilePicture::Clone() const {
  return std::make_unique<MetafilePicture>(*this);
}

void MetafilePicture::Draw(HDC dc, const RECT& dest, bool /*transparent*/, bool /*smooth*/) const {
  if (IsEmpty(dest) || !*metafile_) return;
  ::PlayEnhMetaFile(dc, metafile_->Get(), &dest);
}

Size MetafilePicture::FrameInPixels(HENHMETAFILE metafile) {
  ENHMETAHEADER header{};
  if (metafile == nullptr || ::GetEnhMetaFileHeader(metafile, sizeof header, &header) == 0) {
    return {};
  }
  // In design units (pixels at 96 DPI), as every size of the design; a screen of another DPI
  // scales it like the rest.
  constexpr int kHundredthsOfMillimetrePerInch = 2540;
  return {::MulDiv(header.rclFrame.right - header.rclFrame.left, kDesignDpi,
                   kHundredthsOfMillimetrePerInch),
          ::MulDiv(header.rclFrame.bottom - header.rclFrame.top, kDesignDpi,
                   kHundredthsOfMillimetrePerInch)};
}

}  // namespace ui::win32
