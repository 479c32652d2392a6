// What the portable layers need from the desktop they run on: modal message boxes, the screen
// size, the millisecond tick count and loading of glyph bitmaps and pictures. Windows provides
// the real one; tests provide a recording one.
#pragma once

#include <cstdint>
#include <memory>
#include <string>
#include <vector>

#include "ui/geometry.h"
#include "ui/picture.h"
#include "ui/pixel_bitmap.h"

namespace ui {

enum class MessageIcon : uint8_t { None, Error, Information, Question };
// YesNo has Yes as its default button; YesNoDefaultNo, for a question whose Yes loses something,
// has No.
enum class MessageButtons : uint8_t { Ok, YesNoCancel, YesNo, YesNoDefaultNo };
enum class MessageResult : uint8_t { Ok, Yes, No, Cancel };

class Platform {
 public:
  virtual ~Platform() = default;

  virtual MessageResult ShowMessageBox(const std::string& text, const std::string& title,
                                       MessageIcon icon, MessageButtons buttons) = 0;
  // The application's general error handler: reports an error that ends the current command
  // (a file that cannot be created or written), in a box titled with the application's title.
  virtual void ReportError(const std::string& text) = 0;
  virtual Size ScreenSize() const = 0;
  virtual uint32_t TickCount() const = 0;

  // The program's own icon as the bytes of an icon file (written as a CD folder's AutoRun.ico).
  virtual std::vector<uint8_t> ApplicationIconFile() const = 0;

  // Null when the file cannot be read or is not a picture of a known kind; never reports. A
  // picture that will only be shown stretched to `shown` (not empty) may be decoded at a smaller
  // size than its own, never smaller than `shown`; its size stays its own.
  virtual std::unique_ptr<PixelBitmap> LoadBitmapFile(const std::string& path) = 0;
  virtual std::unique_ptr<Picture> LoadPictureFile(const std::string& path, Size shown) = 0;
  // The design is closed: the pictures kept for it may go.
  virtual void ForgetPictures() {}
};

}  // namespace ui
