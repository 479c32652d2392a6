// UTF-8, the program's one form of text, read a character at a time: for counting characters as
// Windows and Joliet count them, and for the names a disc image records.
#pragma once

#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

namespace core {

// One character of a UTF-8 text: its code point and its length in bytes (1 to 4). The length is
// 0 where the text is not well-formed UTF-8 there: a stray or missing continuation byte, an
// overlong form, a surrogate, or a code point beyond U+10FFFF.
struct Utf8Character {
  uint32_t code = 0;
  size_t length = 0;
};
Utf8Character DecodeUtf8(std::string_view text, size_t at);

// The UTF-16 units of a UTF-8 text, which is how Windows and Joliet count its characters: two for
// a character beyond U+FFFF, one for every other, and one for each byte that is not well-formed.
size_t Utf16Length(std::string_view text);

// Appends the UTF-8 bytes of a code point. Inline, so that the player, which never needs it,
// does not carry it.
inline void AppendUtf8(std::string& text, uint32_t code) {
  if (code < 0x80) {
    text += static_cast<char>(code);
    return;
  }
  const int continuations = code < 0x800 ? 1 : code < 0x10000 ? 2 : 3;
  // The lead byte: as many high bits set as the character has bytes, then its highest bits.
  text += static_cast<char>((0xFF00u >> (continuations + 1) & 0xFF) | code >> (6 * continuations));
  for (int k = continuations - 1; k >= 0; --k) {
    text += static_cast<char>(0x80 | (code >> (6 * k) & 0x3F));
  }
}

}  // namespace core
