// The native build's code page: Windows-1252, as Western Windows has it (the five bytes 1252
// leaves unassigned stand for the control characters of the same number, as Windows maps them).
#include <cstdint>

#include "core/code_page.h"

namespace core {
namespace {

// The characters of bytes 0x80 to 0x9F; 0xA0 to 0xFF are those of Latin-1.
constexpr char16_t kHighControls[32] = {
    0x20AC, 0x0081, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021, 0x02C6, 0x2030, 0x0160,
    0x2039, 0x0152, 0x008D, 0x017D, 0x008F, 0x0090, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022,
    0x2013, 0x2014, 0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0x009D, 0x017E, 0x0178};

uint32_t CharacterOf(uint8_t byte) {
  return byte >= 0x80 && byte < 0xA0 ? kHighControls[byte - 0x80] : byte;
}

void AppendUtf8(std::string& out, uint32_t code) {
  if (code < 0x80) {
    out += static_cast<char>(code);
  } else if (code < 0x800) {
    out += static_cast<char>(0xC0 | code >> 6);
    out += static_cast<char>(0x80 | (code & 0x3F));
  } else {
    out += static_cast<char>(0xE0 | code >> 12);
    out += static_cast<char>(0x80 | (code >> 6 & 0x3F));
    out += static_cast<char>(0x80 | (code & 0x3F));
  }
}

}  // namespace

std::optional<std::string> ToCodePage(std::string_view utf8) {
  std::string bytes;
  for (size_t i = 0; i < utf8.size();) {
    const auto lead = static_cast<uint8_t>(utf8[i]);
    // Every character of the page is below U+2200: one, two or three UTF-8 bytes.
    const size_t length = lead < 0x80             ? 1
                          : (lead & 0xE0) == 0xC0 ? 2
                          : (lead & 0xF0) == 0xE0 ? 3
                                                  : 0;
    if (length == 0 || utf8.size() - i < length) return std::nullopt;
    uint32_t code = length == 1 ? lead : lead & (length == 2 ? 0x1F : 0x0F);
    for (size_t k = 1; k < length; ++k) {
      const auto next = static_cast<uint8_t>(utf8[i + k]);
      if ((next & 0xC0) != 0x80) return std::nullopt;
      code = code << 6 | (next & 0x3F);
    }
    std::string encoded;
    AppendUtf8(encoded, code);
    if (encoded != utf8.substr(i, length)) return std::nullopt;  // an overlong form
    i += length;
    int byte = code < 0x80 || (code >= 0xA0 && code <= 0xFF) ? static_cast<int>(code) : -1;
    for (int k = 0; k < 32 && byte < 0; ++k) {
      if (kHighControls[k] == code) byte = 0x80 + k;
    }
    if (byte < 0) return std::nullopt;
    bytes += static_cast<char>(byte);
  }
  return bytes;
}

std::string FromCodePage(std::string_view bytes) {
  std::string text;
  text.reserve(bytes.size());
  for (const char c : bytes) AppendUtf8(text, CharacterOf(static_cast<uint8_t>(c)));
  return text;
}

}  // namespace core
