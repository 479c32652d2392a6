// The program's pixel art at a screen's scale (the tool strip picture by picture, the logo whole)
// and as its resources store it, packed.
#include <gtest/gtest.h>

#include "ui/artwork.h"

namespace {

constexpr uint32_t kKey = 0x00FF00FF;

TEST(Artwork, ScalesEachPictureOfAStripWithinItsOwnColumns) {
  // Three 32 x 32 pictures of their own colour, each inside a one-pixel frame of the key.
  const uint32_t colours[] = {0x00102030, 0x00405060, 0x00708090};
  ui::PixelBitmap strip(96, 32, kKey);
  for (int32_t y = 1; y < 31; ++y) {
    for (int32_t x = 0; x < 96; ++x) {
      if (x % 32 != 0 && x % 32 != 31) strip.Set(x, y, colours[x / 32]);
    }
  }
  const struct {
    int32_t dpi, side;
  } kSides[] = {{96, 32}, {100, 33}, {120, 40}, {144, 48}, {168, 56}, {192, 64}, {216, 72}};
  for (const auto& [dpi, side] : kSides) {
    const ui::PixelBitmap scaled = ui::ScaleArtwork(strip, ui::Scale(dpi), 32);
    ASSERT_EQ(scaled.Width(), 3 * side) << dpi;
    ASSERT_EQ(scaled.Height(), side) << dpi;
    for (int32_t y = 0; y < side; ++y) {
      for (int32_t x = 0; x < 3 * side; ++x) {
        // Nothing blends and nothing bleeds from a neighbour...
        const uint32_t own = colours[x / side];
        ASSERT_TRUE(scaled.At(x, y) == kKey || scaled.At(x, y) == own)
            << dpi << " " << x << " " << y;
        // ...and every picture keeps its frame and its inside.
        const int32_t inside = x % side;
        if (inside == 0 || inside == side - 1 || y == 0 || y == side - 1) {
          ASSERT_EQ(scaled.At(x, y), kKey) << dpi << " " << x << " " << y;
        }
        if (inside == side / 2 && y == side / 2) {
          ASSERT_EQ(scaled.At(x, y), own) << dpi;
        }
      }
    }
  }
}

TEST(Artwork, ScalesAWholePictureToItsMappedSize) {
  ui::PixelBitmap logo(173, 38, kKey);
  logo.Set(172, 37, 0x00123456);
  EXPECT_EQ(ui::ScaleArtwork(logo, ui::Scale(96)), logo);
  const ui::PixelBitmap scaled = ui::ScaleArtwork(logo, ui::Scale(144), 32);  // 32 does not divide
  ASSERT_EQ(scaled.Width(), 260);                                             // 259.5 rounded up
  ASSERT_EQ(scaled.Height(), 57);
  // The last pixel covers the device pixels whose centres it holds: 258..259 by 55..56.
  EXPECT_EQ(scaled.At(258, 55), 0x00123456u);
  EXPECT_EQ(scaled.At(259, 56), 0x00123456u);
  EXPECT_EQ(scaled.At(257, 56), kKey);
  EXPECT_EQ(scaled.At(259, 54), kKey);
}

// A stream as tools/pack_artwork.py packs "abcabcabcabcX" and 200 zero bytes: literals, a copy
// that overlaps itself, and two long runs; then the ways a stream can be damaged.
TEST(Artwork, UnpacksWhatTheBuildPacked) {
  const std::vector<uint8_t> packed = {213, 0, 0,  0, 2,   97, 98, 99,  134, 3,
                                       0,   1, 88, 0, 255, 1,  0,  194, 1,   0};
  std::vector<uint8_t> expected = {'a', 'b', 'c', 'a', 'b', 'c', 'a', 'b', 'c', 'a', 'b', 'c', 'X'};
  expected.resize(213, 0);
  EXPECT_EQ(ui::UnpackArtwork(packed.data(), packed.size()), expected);

  const auto damaged = [&](size_t at, uint8_t value) {
    std::vector<uint8_t> copy = packed;
    copy[at] = value;
    return ui::UnpackArtwork(copy.data(), copy.size());
  };
  EXPECT_TRUE(damaged(0, 212).empty());  // the size does not add up
  EXPECT_TRUE(damaged(9, 4).empty());    // a copy from before the start
  EXPECT_TRUE(damaged(9, 0).empty());    // a copy from no distance
  EXPECT_TRUE(damaged(4, 127).empty());  // literals past the end
  EXPECT_TRUE(ui::UnpackArtwork(packed.data(), packed.size() - 1).empty());  // cut inside a copy
  EXPECT_TRUE(ui::UnpackArtwork(packed.data(), 3).empty());
}

}  // namespace
