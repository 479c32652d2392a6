// Loading the picture of an image object from a file: a bitmap, JPEG, icon, enhanced or Windows
// metafile, PNG or GIF, as its content says (whatever its name says).
#pragma once

#include <memory>
#include <string>

#include "ui/picture.h"
#include "ui/pixel_bitmap.h"

namespace ui::win32 {

// A GdiPicture, or null when the file is missing, damaged or of a kind not listed above. Never
// shows a message. A JPEG only shown stretched to `shown` (not empty) is decoded at the smallest
// of 1/2, 1/4 and 1/8 of its size that is no smaller than `shown`. `bytes`, when given, gets
// about the memory the picture holds.
std::unique_ptr<ui::Picture> LoadPictureFromFile(const std::string& path, ui::Size shown = {},
                                                 uint64_t* bytes = nullptr);

// A button's glyph: a bitmap, or a PNG or GIF with its see-through parts; null as above.
std::unique_ptr<ui::PixelBitmap> LoadGlyphFromFile(const std::string& path);

}  // namespace ui::win32
