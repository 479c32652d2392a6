// Sentences from parts, numbers in digits.
#include "core/text.h"

namespace core {

std::string Joined(std::initializer_list<std::string_view> parts) {
  size_t size = 0;
  for (const auto part : parts) size += part.size();
  std::string text;
  text.reserve(size);
  for (const auto part : parts) text += part;
  return text;
}

Decimal::Decimal(uint64_t number, bool grouped) : first_(digits_ + kSize) {
  for (int count = 0; count == 0 || number > 0; ++count, number /= 10) {
    if (grouped && count > 0 && count % 3 == 0) *--first_ = ',';
    *--first_ = static_cast<char>('0' + number % 10);
  }
}

}  // namespace core
