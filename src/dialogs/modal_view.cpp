// The spin edit's reading of its text.
#include "dialogs/modal_view.h"

#include <limits>

namespace dialogs {

int32_t SpinEditValue(const std::string& text) {
  size_t i = 0;
  const bool negative = !text.empty() && text[0] == '-';
  if (!text.empty() && (text[0] == '+' || text[0] == '-')) i = 1;
  if (i == text.size()) return 0;  // no digits at all
  // Gathered as a magnitude in 64 bits; leaving the 32-bit range at any digit ends the reading,
  // so even a long run of digits cannot overflow.
  const int64_t limit = negative ? -int64_t{std::numeric_limits<int32_t>::min()}
                                 : int64_t{std::numeric_limits<int32_t>::max()};
  int64_t magnitude = 0;
  for (; i < text.size(); ++i) {
    const char c = text[i];
    if (c < '0' || c > '9') return 0;
    magnitude = magnitude * 10 + (c - '0');
    if (magnitude > limit) return 0;
  }
  return static_cast<int32_t>(negative ? -magnitude : magnitude);
}

}  // namespace dialogs
