// A font as the design stores it: name, colour, size in points and four style flags. The
// character set is not part of it; the platform picks the system code page's.
#pragma once

#include <cstdint>
#include <string>

#include "ui/color.h"

namespace ui {

// Bit numbers of the style set, as stored in the project file.
enum FontStyleBit : uint8_t {
  kFontBold = 1u << 0,
  kFontItalic = 1u << 1,
  kFontUnderline = 1u << 2,
  kFontStrikeOut = 1u << 3,
};

struct Font {
  std::string name = "MS Sans Serif";
  Color color = kColorWindowText;
  int32_t size = 8;  // points
  uint8_t style = 0;

  friend bool operator==(const Font&, const Font&) = default;
};

// The toolkit's default font, which new objects and their hot fonts start with.
inline Font DefaultFont() {
  return Font{};
}

}  // namespace ui
