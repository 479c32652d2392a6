// Pixel rows painted the radial gradient's way: runs of one colour in whole blocks of eight
// pixels (a row holds hundreds of short runs, and a fixed-size copy per run costs less than a
// loop that stops at the exact pixel), and half rows mirrored into the other half.
#pragma once

#include <cstdint>
#include <cstring>

namespace player {

constexpr int64_t kBlock = 8;  // pixels painted by one step of PaintRunInBlocks

// One colour four times, what one 16-byte move writes.
struct Quad {
  uint32_t pixels[4];
};

inline Quad QuadOf(uint32_t pixel) {
  return {{pixel, pixel, pixel, pixel}};
}

// Paints columns begin .. end - 1 of `row` in blocks, the last one reaching up to kBlock - 1
// pixels past the run's end, which must still be inside the row: runs go left to right and meet,
// so the next run paints over them again. An empty run paints one block.
inline void PaintRunInBlocks(uint32_t* row, int64_t begin, int64_t end, const Quad& colour) {
  do {
    std::memcpy(row + begin, colour.pixels, sizeof colour.pixels);
    std::memcpy(row + begin + 4, colour.pixels, sizeof colour.pixels);
    begin += kBlock;
  } while (begin < end);
}

// Paints columns begin .. end - 1 of `row`, in blocks when end <= limit, which must leave
// kBlock - 1 columns of the row after it, else exactly.
inline void PaintRun(uint32_t* row, int64_t begin, int64_t end, const Quad& colour, int64_t limit) {
  if (end <= limit) return PaintRunInBlocks(row, begin, end, colour);
  for (; begin + kBlock <= end; begin += kBlock) {
    std::memcpy(row + begin, colour.pixels, sizeof colour.pixels);
    std::memcpy(row + begin + 4, colour.pixels, sizeof colour.pixels);
  }
  for (; begin < end; ++begin) row[begin] = colour.pixels[0];
}

// Copies the four pixels from `source` in reverse order to `dest`.
inline void CopyFourReversed(const uint32_t* source, uint32_t* dest) {
  uint32_t four[4];
  std::memcpy(four, source, sizeof four);
  const uint32_t reversed[4] = {four[3], four[2], four[1], four[0]};
  std::memcpy(dest, reversed, sizeof reversed);
}

// Copies the `count` pixels before `source_end`, last first, from `dest` on; the two ranges do
// not overlap. Sixteen at a time, which the compiler turns into a few vector moves.
inline void CopyReversed(const uint32_t* __restrict source_end, uint32_t* __restrict dest,
                         int64_t count) {
  int64_t i = 0;
  for (; i + 16 <= count; i += 16) {
    for (int64_t j = 0; j < 16; j += 4) CopyFourReversed(source_end - i - j - 4, dest + i + j);
  }
  for (; i < count; ++i) dest[i] = source_end[-1 - i];
}

}  // namespace player
