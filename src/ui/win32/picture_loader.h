// Loading the picture of an image object from a file, chosen by the file name's extension:
// .bmp, .jpg/.jpeg, .ico, .emf and .wmf (any letter case).
#pragma once

#include <memory>
#include <string>

#include "ui/picture.h"

namespace ui::win32 {

// A GdiPicture, or null when the file is missing, damaged, not of the kind its extension names,
// or of a kind not listed above. Never shows a message.
std::unique_ptr<ui::Picture> LoadPictureFromFile(const std::string& path);

}  // namespace ui::win32
