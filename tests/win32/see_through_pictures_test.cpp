// PNG and GIF pictures with see-through parts, as images and as glyphs, blended over a gradient
// and compared pixel by pixel with the blend of what Pillow reads from the same files.
#include <windows.h>
#include <gtest/gtest.h>

#include <cstdint>
#include <string>
#include <vector>

#include "canvas.h"
#include "ui/win32/gdi_canvas.h"
#include "ui/win32/picture_loader.h"

namespace win32_tests {
namespace {

struct Reference {
  int width = 0, height = 0;
  std::vector<uint8_t> rgba;  // straight alpha
};

Reference ReadReference(const std::string& path) {
  Reference r;
  HANDLE file = ::CreateFileA(path.c_str(), GENERIC_READ, FILE_SHARE_READ, nullptr, OPEN_EXISTING,
                              0, nullptr);
  if (file == INVALID_HANDLE_VALUE) return r;
  uint32_t size[2] = {};
  DWORD got = 0;
  ::ReadFile(file, size, sizeof size, &got, nullptr);
  r.rgba.resize(size_t{size[0]} * size[1] * 4);
  ::ReadFile(file, r.rgba.data(), static_cast<DWORD>(r.rgba.size()), &got, nullptr);
  ::CloseHandle(file);
  if (got == r.rgba.size()) {
    r.width = static_cast<int>(size[0]);
    r.height = static_cast<int>(size[1]);
  }
  return r;
}

uint32_t Beneath(int x, int y) {
  return static_cast<uint32_t>((x * 6) << 16 | (255 - y * 9) << 8 | (x * y) % 256);
}

TEST(SeeThroughPictures, BlendOverWhatLiesBeneathAsTheReferenceDoes) {
  for (const char* name : {"rgba8.png", "grey_alpha.png", "palette_trns.png", "transparent.gif",
                           "interlaced.png", "interlaced.gif", "rgba16.png"}) {
    const std::string path = std::string(QUORVANE_SEE_THROUGH_DIR) + "/" + name;
    const Reference want = ReadReference(path + ".rgba");
    ASSERT_GT(want.width, 0) << name;
    const auto picture = ui::win32::LoadPictureFromFile(path);
    const auto glyph = ui::win32::LoadGlyphFromFile(path);
    ASSERT_NE(picture, nullptr) << name;
    ASSERT_NE(glyph, nullptr) << name;
    EXPECT_EQ(picture->GetSize(), (ui::Size{want.width, want.height})) << name;
    for (const bool as_glyph : {false, true}) {
      Canvas canvas(want.width, want.height, 0);
      for (int y = 0; y < want.height; ++y) {
        for (int x = 0; x < want.width; ++x) {
          const uint32_t p = Beneath(x, y);
          ::SetPixelV(canvas.Dc(), x, y, RGB(p >> 16, (p >> 8) & 0xFF, p & 0xFF));
        }
      }
      ui::win32::GdiCanvas gdi(canvas.Dc());
      if (as_glyph) {
        gdi.DrawBitmap(*glyph, {0, 0}, true);
      } else {
        gdi.DrawPicture(*picture, {0, 0, want.width, want.height}, false);
      }
      int wrong = 0;
      for (int y = 0; y < want.height; ++y) {
        for (int x = 0; x < want.width; ++x) {
          const uint8_t* s = &want.rgba[(size_t(y) * want.width + x) * 4];
          const uint32_t got = canvas.At(x, y);
          for (int c = 0; c < 3; ++c) {
            const int shift = 16 - 8 * c;
            const double beneath = (Beneath(x, y) >> shift) & 0xFF;
            const double exact = (s[c] * s[3] + beneath * (255 - s[3])) / 255.0;
            const int shown = static_cast<int>((got >> shift) & 0xFF);
            if (shown < exact - 1.0 || shown > exact + 1.0) ++wrong;
          }
        }
      }
      EXPECT_EQ(wrong, 0) << name << (as_glyph ? " as a glyph" : " as a picture");
    }
  }
}

}  // namespace
}  // namespace win32_tests
