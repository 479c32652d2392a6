// The native build's code page: Windows-1252, as Western Windows has it (the five bytes 1252
// leaves unassigned stand for the control characters of the same number, as Windows maps them).
#include <cstdint>

#include "core/code_page.h"
#include "core/utf8.h"

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

}  // namespace

std::optional<std::string> ToCodePage(std::string_view utf8) {
  std::string bytes;
  for (size_t at = 0; at < utf8.size();) {
    const Utf8Character c = DecodeUtf8(utf8, at);
    if (c.length == 0) return std::nullopt;
    at += c.length;
    int byte = c.code < 0x80 || (c.code >= 0xA0 && c.code <= 0xFF) ? static_cast<int>(c.code) : -1;
    for (int k = 0; k < 32 && byte < 0; ++k) {
      if (kHighControls[k] == c.code) byte = 0x80 + k;
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
