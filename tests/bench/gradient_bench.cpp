// The background gradient over a 1920 x 1080 buffer for each GradientStyle, next to a plain
// fill of the same buffer. Every benchmark reports x_plain, its time per fill over that of a plain
// fill timed in the same process, so one run reads as how many plain fills each style costs.
#include <benchmark/benchmark.h>

#include <algorithm>
#include <array>
#include <cstdint>
#include <ctime>

#include "player/gradient_fill.h"
#include "ui/color.h"
#include "ui/pixel_bitmap.h"

namespace {

constexpr int32_t kWidth = 1920;
constexpr int32_t kHeight = 1080;

// One buffer for every benchmark, so that a style and its reference fill the same memory.
ui::PixelBitmap& Buffer() {
  static ui::PixelBitmap bitmap(kWidth, kHeight);
  return bitmap;
}

void PlainFill(ui::PixelBitmap& bitmap, uint32_t pixel) {
  for (int32_t y = 0; y < kHeight; ++y) std::fill(bitmap.Row(y), bitmap.Row(y) + kWidth, pixel);
  benchmark::DoNotOptimize(bitmap.Row(0));
  benchmark::ClobberMemory();
}

// Processor seconds per plain fill of the buffer: the median of a few batches, so that one
// disturbed batch does not move the ratio.
double PlainFillSeconds(ui::PixelBitmap& bitmap) {
  constexpr int kFills = 20;
  std::array<double, 5> batches{};
  uint32_t pixel = 0x102030;
  for (double& batch : batches) {
    const std::clock_t start = std::clock();
    for (int i = 0; i < kFills; ++i) PlainFill(bitmap, ++pixel);
    batch = static_cast<double>(std::clock() - start) / CLOCKS_PER_SEC / kFills;
  }
  std::nth_element(batches.begin(), batches.begin() + batches.size() / 2, batches.end());
  return batches[batches.size() / 2];
}

// Runs `fill` on Buffer() as the benchmark's loop, then reports the buffer's bytes per second and
// x_plain: processor time per fill over that of a plain fill of the same buffer, timed right
// after. The system may move the buffer to huge pages while the benchmarks run, which speeds up
// every fill by a third, so the reference is not taken once for all.
template <typename Fill>
void Measure(benchmark::State& state, Fill fill) {
  const std::clock_t start = std::clock();
  for (auto _ : state) fill(Buffer());
  const double seconds = static_cast<double>(std::clock() - start) / CLOCKS_PER_SEC;
  state.SetBytesProcessed(static_cast<int64_t>(state.iterations()) * kWidth * kHeight * 4);
  state.counters["x_plain"] =
      seconds / static_cast<double>(state.iterations()) / PlainFillSeconds(Buffer());
}

void BM_GradientPlainFill1080p(benchmark::State& state) {
  uint32_t pixel = 0x102030;
  Measure(state, [&](ui::PixelBitmap& bitmap) { PlainFill(bitmap, ++pixel); });
}
BENCHMARK(BM_GradientPlainFill1080p)->Unit(benchmark::kMicrosecond);

void BM_GradientFill1080p(benchmark::State& state) {
  const auto style = static_cast<uint8_t>(state.range(0));
  Measure(state, [&](ui::PixelBitmap& bitmap) {
    player::GradientFill(bitmap, {0, 0, kWidth, kHeight}, ui::Rgb(0, 64, 255),
                         ui::Rgb(255, 240, 16), style, nullptr);
    benchmark::DoNotOptimize(bitmap.Row(0));
    benchmark::ClobberMemory();
  });
}
BENCHMARK(BM_GradientFill1080p)->ArgName("style")->DenseRange(0, 8)->Unit(benchmark::kMicrosecond);

// The radial style on a rectangle of 1915 x 1077 in the same buffer: two of its ellipse boxes
// round to a middle column, and one to a middle row, half a pixel off the others', so no row or
// half row is a copy of another.
void BM_GradientRadialUnevenMiddles(benchmark::State& state) {
  Measure(state, [&](ui::PixelBitmap& bitmap) {
    player::GradientFill(bitmap, {0, 0, 1915, 1077}, ui::Rgb(0, 64, 255), ui::Rgb(255, 240, 16),
                         core::kGradientRadial, nullptr);
    benchmark::DoNotOptimize(bitmap.Row(0));
    benchmark::ClobberMemory();
  });
}
BENCHMARK(BM_GradientRadialUnevenMiddles)->Unit(benchmark::kMicrosecond);

}  // namespace
