// Whether a large buffer can be had. The program is built without exceptions, and its operator
// new ends the program when memory runs out; the picture decoders ask here first before they
// read a file or make a picture's pixels, so that a picture too large for the memory left is
// dropped, as one that cannot be read is, and the menu goes on. The one window thread makes the
// answer hold for the allocation that follows.
#pragma once

#include <cstdint>
#include <cstdlib>

namespace ui {

inline bool CanAllocate(uint64_t bytes) {
  if (bytes > SIZE_MAX) return false;
  void* probe = std::malloc(static_cast<size_t>(bytes));
  std::free(probe);
  return probe != nullptr;
}

}  // namespace ui
