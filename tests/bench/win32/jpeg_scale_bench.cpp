// A 6000 x 4000 camera-sized JPEG shown as a 300 x 200 image: the decode at the scale the player
// picks (1/8) against the whole decode, in time (median of RUNS) and in the memory its pixels
// take; and how far the reduced picture's pixels lie from the whole one's averaged 8 x 8.
//
//   jpeg_scale_bench.exe [RUNS]
#include <windows.h>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <span>
#include <string>
#include <vector>

#include "../../win32/jpeg_encoder.h"
#include "ui/win32/jpeg_decoder.h"

namespace {

double Milliseconds(const LARGE_INTEGER& from, const LARGE_INTEGER& to) {
  LARGE_INTEGER frequency;
  ::QueryPerformanceFrequency(&frequency);
  return 1000.0 * static_cast<double>(to.QuadPart - from.QuadPart) /
         static_cast<double>(frequency.QuadPart);
}

template <typename Decode>
double MedianMs(int runs, Decode decode) {
  std::vector<double> times;
  for (int i = 0; i < runs; ++i) {
    LARGE_INTEGER start, end;
    ::QueryPerformanceCounter(&start);
    decode();
    ::QueryPerformanceCounter(&end);
    times.push_back(Milliseconds(start, end));
  }
  std::sort(times.begin(), times.end());
  return times[times.size() / 2];
}

}  // namespace

int main(int argc, char** argv) {
  const int runs = argc > 1 ? std::max(1, std::atoi(argv[1])) : 5;
  // A photo-like picture: smooth light with fine detail, 4:2:0 as cameras store it.
  ui::PixelBitmap photo(6000, 4000);
  for (int32_t y = 0; y < photo.Height(); ++y) {
    uint32_t* row = photo.Row(y);
    for (int32_t x = 0; x < photo.Width(); ++x) {
      const uint32_t r = (x / 24 + y / 31) & 0xFF, g = (x * y / 4000) & 0xFF, b = (x ^ y) & 0x3F;
      row[x] = r << 16 | g << 8 | (b + 96);
    }
  }
  const std::string file =
      win32_tests::EncodeJpeg(photo, {win32_tests::JpegInk::Rgb, 90, false, true});
  const std::span<const uint8_t> bytes(reinterpret_cast<const uint8_t*>(file.data()), file.size());
  std::unique_ptr<ui::PixelBitmap> whole, reduced;
  const double whole_ms = MedianMs(runs, [&] { whole = ui::win32::DecodeJpeg(bytes); });
  const double reduced_ms = MedianMs(runs, [&] {
    reduced = ui::win32::DecodeJpeg(bytes, ui::Size{300, 200});
  });
  if (!whole || !reduced) return 1;
  int worst = 0;
  for (int32_t y = 0; y < reduced->Height(); ++y) {
    for (int32_t x = 0; x < reduced->Width(); ++x) {
      for (int shift = 0; shift <= 16; shift += 8) {
        int sum = 0;
        for (int dy = 0; dy < 8; ++dy) {
          for (int dx = 0; dx < 8; ++dx) sum += (whole->At(x * 8 + dx, y * 8 + dy) >> shift) & 0xFF;
        }
        worst = std::max(worst, std::abs(int((reduced->At(x, y) >> shift) & 0xFF) - sum / 64));
      }
    }
  }
  std::printf("6000 x 4000 JPEG (%u bytes) shown as 300 x 200\n", unsigned(file.size()));
  std::printf("whole decode: %.1f ms, %d x %d pixels, %.1f MB\n", whole_ms, whole->Width(),
              whole->Height(), whole->Width() * 4.0 * whole->Height() / 1048576.0);
  std::printf("scaled decode: %.1f ms, %d x %d pixels, %.2f MB\n", reduced_ms, reduced->Width(),
              reduced->Height(), reduced->Width() * 4.0 * reduced->Height() / 1048576.0);
  std::printf(
      "time ratio scaled / whole: %.3f; largest difference from the whole decode "
      "averaged 8 x 8: %d of 255\n",
      reduced_ms / whole_ms, worst);
  return 0;
}
