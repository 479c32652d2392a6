// UTF-8 read strictly, as Windows' own converter and the disc readers take it.
#include "core/utf8.h"

namespace core {

Utf8Character DecodeUtf8(std::string_view text, size_t at) {
  const auto lead = static_cast<uint8_t>(text[at]);
  if (lead < 0x80) return {lead, 1};
  // 0xC0 and 0xC1 could only start an overlong form, 0xF5 and above only a code beyond U+10FFFF.
  const size_t length = lead >= 0xC2 && lead < 0xE0   ? 2
                        : lead >= 0xE0 && lead < 0xF0 ? 3
                        : lead >= 0xF0 && lead < 0xF5 ? 4
                                                      : 0;
  if (length == 0 || text.size() - at < length) return {};
  uint32_t code = lead & (0x7Fu >> length);
  for (size_t k = 1; k < length; ++k) {
    const auto next = static_cast<uint8_t>(text[at + k]);
    if ((next & 0xC0) != 0x80) return {};
    code = code << 6 | (next & 0x3F);
  }
  static constexpr uint32_t kFirstOfLength[] = {0, 0, 0x80, 0x800, 0x10000};
  if (code < kFirstOfLength[length] || (code >= 0xD800 && code <= 0xDFFF) || code > 0x10FFFF) {
    return {};
  }
  return {code, length};
}

size_t Utf16Length(std::string_view text) {
  size_t units = 0;
  for (size_t at = 0; at < text.size();) {
    const Utf8Character c = DecodeUtf8(text, at);
    units += c.code > 0xFFFF ? 2 : 1;
    at += c.length == 0 ? 1 : c.length;
  }
  return units;
}

}  // namespace core
