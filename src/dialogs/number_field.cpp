// The reading of a number field's text and its message.
#include "dialogs/number_field.h"

#include <string_view>

namespace dialogs {

namespace {

// Appends `value` with its thousands separated by commas, as the messages write numbers.
void AppendGrouped(std::string& out, int32_t value) {
  char reversed[16];
  int n = 0;
  uint32_t rest = value < 0 ? 0u - static_cast<uint32_t>(value) : static_cast<uint32_t>(value);
  do {
    if (n % 4 == 3) reversed[n++] = ',';
    reversed[n++] = static_cast<char>('0' + rest % 10);
    rest /= 10;
  } while (rest != 0);
  if (value < 0) out += '-';
  while (n > 0) out += reversed[--n];
}

}  // namespace

std::optional<int32_t> ReadNumber(const NumberField& field, const std::string& text,
                                  int32_t filled) {
  std::string_view digits = text;
  while (!digits.empty() && digits.front() == ' ') digits.remove_prefix(1);
  while (!digits.empty() && digits.back() == ' ') digits.remove_suffix(1);
  const bool negative = !digits.empty() && digits.front() == '-';
  if (!digits.empty() && (negative || digits.front() == '+')) digits.remove_prefix(1);
  if (digits.empty()) return std::nullopt;
  int64_t magnitude = 0;
  for (const char c : digits) {
    if (c < '0' || c > '9') return std::nullopt;
    magnitude = magnitude * 10 + (c - '0');
    // Beyond every value a field can hold: stopping keeps a long run of digits from overflowing.
    if (magnitude > INT32_MAX + int64_t{1}) return std::nullopt;
  }
  const int64_t value = negative ? -magnitude : magnitude;
  // A field left as it was filled never traps the author, whatever the stored design held.
  if (value == filled) return filled;
  if (value < field.min || value > field.max) return std::nullopt;
  return static_cast<int32_t>(value);
}

bool LeftBlank(const std::string& text) {
  return text.find_first_not_of(' ') == std::string::npos;
}

std::string NumberMessage(const NumberField& field) {
  std::string text = field.name;
  text += " must be a whole number from ";
  AppendGrouped(text, field.min);
  text += " to ";
  AppendGrouped(text, field.max);
  text += '.';
  return text;
}

}  // namespace dialogs
