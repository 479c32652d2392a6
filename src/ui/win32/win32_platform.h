// The desktop services of the portable layers, provided by Windows: message boxes, screen size,
// tick count and picture loading through GDI.
#pragma once

#include "ui/picture_cache.h"
#include "ui/platform.h"

namespace ui::win32 {

class Win32Platform : public Platform {
 public:
  MessageResult ShowMessageBox(const std::string& text, const std::string& title, MessageIcon icon,
                               MessageButtons buttons) override;
  void ReportError(const std::string& text) override;
  Size ScreenSize() const override;
  uint32_t TickCount() const override;
  std::vector<uint8_t> ApplicationIconFile() const override;
  std::unique_ptr<PixelBitmap> LoadBitmapFile(const std::string& path) override;
  std::unique_ptr<Picture> LoadPictureFile(const std::string& path, Size shown) override;
  void ForgetPictures() override { pictures_.Clear(); }

 private:
  PictureCache pictures_;
};

}  // namespace ui::win32
