// Makes double arithmetic round as IEEE double does on every other machine while it is in scope.
// On 32-bit x86 builds whose floating point runs on the x87 unit (the mingw i686 build) each
// operation otherwise keeps a 64-bit mantissa and can round differently from SSE2, so the radial
// gradient's rounded ellipse boxes could move by a pixel. Elsewhere this does nothing.
#pragma once

#include <cstdint>

namespace player {

class DoubleRoundingScope {
 public:
  DoubleRoundingScope();
  ~DoubleRoundingScope();
  DoubleRoundingScope(const DoubleRoundingScope&) = delete;
  DoubleRoundingScope& operator=(const DoubleRoundingScope&) = delete;

 private:
  [[maybe_unused]] uint16_t saved_ = 0;  // the x87 control word to restore
};

#if defined(__i386__) && !defined(__SSE2_MATH__)
inline DoubleRoundingScope::DoubleRoundingScope() {
  __asm__ __volatile__("fnstcw %0" : "=m"(saved_) : : "memory");
  // Precision control 53 bits (bits 8-9 = 10b) and round to nearest (bits 10-11 = 00b).
  const uint16_t control = static_cast<uint16_t>((saved_ & ~0x0F00u) | 0x0200u);
  __asm__ __volatile__("fldcw %0" : : "m"(control) : "memory");
}
inline DoubleRoundingScope::~DoubleRoundingScope() {
  __asm__ __volatile__("fldcw %0" : : "m"(saved_) : "memory");
}
#else
inline DoubleRoundingScope::DoubleRoundingScope() {}
inline DoubleRoundingScope::~DoubleRoundingScope() {}
#endif

}  // namespace player
