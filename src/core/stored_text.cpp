// The stored form of a text: the code page where it holds the text, else marked UTF-8.
#include "core/stored_text.h"

#include <cstdint>

#include "core/code_page.h"

namespace core {

bool IsUtf8(std::string_view text) {
  for (size_t i = 0; i < text.size();) {
    const auto lead = static_cast<uint8_t>(text[i++]);
    if (lead < 0x80) continue;
    const size_t extra = lead >= 0xC2 && lead <= 0xDF   ? 1
                         : lead >= 0xE0 && lead <= 0xEF ? 2
                         : lead >= 0xF0 && lead <= 0xF4 ? 3
                                                        : 0;
    if (extra == 0 || text.size() - i < extra) return false;
    // The second byte's range shuts out overlong forms, surrogates and what lies past U+10FFFF.
    const auto second = static_cast<uint8_t>(text[i]);
    const uint8_t low = lead == 0xE0 ? 0xA0 : lead == 0xF0 ? 0x90 : 0x80;
    const uint8_t high = lead == 0xED ? 0x9F : lead == 0xF4 ? 0x8F : 0xBF;
    if (second < low || second > high) return false;
    for (size_t k = 1; k < extra; ++k) {
      if ((static_cast<uint8_t>(text[i + k]) & 0xC0) != 0x80) return false;
    }
    i += extra;
  }
  return true;
}

namespace {

bool IsMarkedUtf8(std::string_view bytes) {
  return bytes.substr(0, kUtf8Mark.size()) == kUtf8Mark && IsUtf8(bytes.substr(kUtf8Mark.size()));
}

}  // namespace

std::string StoredText(std::string_view utf8) {
  if (auto bytes = ToCodePage(utf8); bytes && !IsMarkedUtf8(*bytes)) return std::move(*bytes);
  std::string marked(kUtf8Mark);
  marked += utf8;
  return marked;
}

std::string TextOfStored(std::string_view bytes) {
  if (IsMarkedUtf8(bytes)) return std::string(bytes.substr(kUtf8Mark.size()));
  return FromCodePage(bytes);
}

}  // namespace core
