// The first strong letter of a UTF-8 caption, by the blocks of the scripts: right-to-left for
// Hebrew, Arabic, Syriac, Thaana, N'Ko, Samaritan, Mandaic and their presentation forms; left-to-
// right for letters elsewhere; neither for digits, punctuation, symbols and spaces.
#include "ui/text_direction.h"

#include <cstdint>

namespace ui {
namespace {

enum class Strength : uint8_t { Neutral, LeftToRight, RightToLeft };

Strength StrengthOf(uint32_t c) {
  if ((c >= 0x0590 && c <= 0x08FF) || (c >= 0xFB1D && c <= 0xFDFF) ||
      (c >= 0xFE70 && c <= 0xFEFF) || (c >= 0x10800 && c <= 0x10FFF) ||
      (c >= 0x1E800 && c <= 0x1EFFF)) {
    return Strength::RightToLeft;
  }
  if ((c | 0x20) >= 'a' && (c | 0x20) <= 'z') return Strength::LeftToRight;
  // Below U+00C0 only the ASCII letters (and the two ordinal indicators) are strong; the blocks
  // of punctuation, symbols and the CJK and full-width marks are neutral too.
  if (c < 0x00C0 || c == 0x00D7 || c == 0x00F7 || (c >= 0x2000 && c <= 0x2BFF) ||
      (c >= 0x3000 && c <= 0x303F) || (c >= 0xFE00 && c <= 0xFE6F) ||
      (c >= 0xFF00 && c <= 0xFF20)) {
    return c == 0x00AA || c == 0x00BA ? Strength::LeftToRight : Strength::Neutral;
  }
  return Strength::LeftToRight;
}

}  // namespace

bool StartsRightToLeft(std::string_view utf8) {
  for (size_t i = 0; i < utf8.size();) {
    const auto lead = static_cast<uint8_t>(utf8[i]);
    const size_t length = lead < 0x80 ? 1 : lead < 0xE0 ? 2 : lead < 0xF0 ? 3 : 4;
    uint32_t c = length == 1 ? lead : lead & (0x7F >> length);
    for (size_t k = 1; k < length && i + k < utf8.size(); ++k) {
      c = c << 6 | (static_cast<uint8_t>(utf8[i + k]) & 0x3F);
    }
    i += length;
    const Strength strength = StrengthOf(c);
    if (strength != Strength::Neutral) return strength == Strength::RightToLeft;
  }
  return false;
}

}  // namespace ui
