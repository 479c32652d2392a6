// Pictures of image objects as GDI holds and draws them: bitmaps (from .bmp and JPEG files),
// icons and enhanced metafiles (also standing in for Windows metafiles). Loaded data never
// changes, so copies share it and Clone() is cheap.
#pragma once

#include <windows.h>

#include <memory>

#include "ui/picture.h"
#include "ui/pixel_bitmap.h"
#include "ui/win32/gdi.h"

namespace ui::win32 {

class GdiPicture : public Picture {
 public:
  // Paints the picture scaled into dest. For bitmaps, transparent leaves the pixels of the
  // bottom-left pixel's colour unpainted; icons always use their own mask and metafiles only
  // paint what they draw, so they ignore it.
  // With `smooth`, a bitmap shown at another size is filtered (halftone) rather than sampled.
  virtual void Draw(HDC dc, const RECT& dest, bool transparent, bool smooth = false) const = 0;
  bool IsPlatformPicture() const override { return true; }
  // About the memory the picture holds: its pixels at four bytes each.
  virtual uint64_t HeldBytes() const {
    return uint64_t{4} * static_cast<uint32_t>(GetSize().width) *
           static_cast<uint32_t>(GetSize().height);
  }
};

// Clones share their pixels, icon or metafile. The shared pointers are made from unique ones,
// never by std::make_shared, whose type check would bring 4 KB of the library's shared-pointer
// support into every copy of the player.
class BitmapPicture final : public GdiPicture {
 public:
  // `natural`, when not empty, is the picture's own size where the pixels were decoded smaller.
  explicit BitmapPicture(std::shared_ptr<const PixelBitmap> pixels, Size natural = {});

  Size GetSize() const override;
  std::unique_ptr<Picture> Clone() const override;
  void Draw(HDC dc, const RECT& dest, bool transparent, bool smooth = false) const override;
  const PixelBitmap& Pixels() const { return *pixels_; }
  uint64_t HeldBytes() const override {
    return uint64_t{4} * static_cast<uint32_t>(pixels_->Width()) *
           static_cast<uint32_t>(pixels_->Height());
  }

 private:
  std::shared_ptr<const PixelBitmap> pixels_;
  Size natural_;
};

class IconPicture final : public GdiPicture {
 public:
  // The size is the icon's own, as GetIconInfo reports its bitmaps.
  explicit IconPicture(OwnedIcon icon);

  Size GetSize() const override { return size_; }
  std::unique_ptr<Picture> Clone() const override;
  void Draw(HDC dc, const RECT& dest, bool transparent, bool smooth = false) const override;
  HICON Handle() const { return icon_->Get(); }

 private:
  std::shared_ptr<const OwnedIcon> icon_;
  Size size_;
};

class MetafilePicture final : public GdiPicture {
 public:
  // The size is the header's frame in pixels at the screen's resolution.
  explicit MetafilePicture(OwnedEnhMetaFile metafile);
  // For a metafile whose size is known otherwise (a placeable Windows metafile's bounding box).
  MetafilePicture(OwnedEnhMetaFile metafile, Size size);

  Size GetSize() const override { return size_; }
  std::unique_ptr<Picture> Clone() const override;
  void Draw(HDC dc, const RECT& dest, bool transparent, bool smooth = false) const override;
  HENHMETAFILE Handle() const { return metafile_->Get(); }

  // The frame of the metafile's header (0.01 mm units) in screen pixels; zero when unreadable.
  static Size FrameInPixels(HENHMETAFILE metafile);

 private:
  std::shared_ptr<const OwnedEnhMetaFile> metafile_;
  Size size_;
};

}  // namespace ui::win32
