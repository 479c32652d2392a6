// Loading the picture of an image object from a file: a bitmap, JPEG, icon, enhanced or Windows
// metafile, PNG or GIF, as its content says (whatever its name says).
#pragma once

#include <memory>
#include <string>

#include "ui/picture.h"
#include "ui/pixel_bitmap.h"

namespace ui::win32 {

// A GdiPicture, or null when the file is missing, damaged or of a kind not listed above. Never
// shows a message.
std::unique_ptr<ui::Picture> LoadPictureFromFile(const std::string& path);

// A button's glyph: a bitmap, or a PNG or GIF with its see-through parts; null as above.
std::unique_ptr<ui::PixelBitmap> LoadGlyphFromFile(const std::string& path);

}  // namespace ui::win32
