// The background gradient over a 1920 x 1080 buffer for each GradientStyle, next to a plain
// fill of the same buffer, so one run shows how many plain fills each style costs.
#include <benchmark/benchmark.h>

#include <algorithm>
#include <cstdint>

#include "player/gradient_fill.h"
#include "ui/color.h"
#include "ui/pixel_bitmap.h"

namespace {

constexpr int32_t kWidth = 1920;
constexpr int32_t kHeight = 1080;

void SetBufferBytes(benchmark::State& state) {
  state.SetBytesProcessed(static_cast<int64_t>(state.iterations()) * kWidth * kHeight * 4);
}

void BM_GradientPlainFill1080p(benchmark::State& state) {
  ui::PixelBitmap bitmap(kWidth, kHeight);
  uint32_t pixel = 0x102030;
  for (auto _ : state) {
    for (int32_t y = 0; y < kHeight; ++y) std::fill(bitmap.Row(y), bitmap.Row(y) + kWidth, pixel);
    benchmark::DoNotOptimize(bitmap.Row(0));
    benchmark::ClobberMemory();
    ++pixel;
  }
  SetBufferBytes(state);
}
BENCHMARK(BM_GradientPlainFill1080p)->Unit(benchmark::kMicrosecond);

void BM_GradientFill1080p(benchmark::State& state) {
  const auto style = static_cast<uint8_t>(state.range(0));
  ui::PixelBitmap bitmap(kWidth, kHeight);
  for (auto _ : state) {
    player::GradientFill(bitmap, {0, 0, kWidth, kHeight}, ui::Rgb(0, 64, 255),
                         ui::Rgb(255, 240, 16), style, nullptr);
    benchmark::DoNotOptimize(bitmap.Row(0));
    benchmark::ClobberMemory();
  }
  SetBufferBytes(state);
}
BENCHMARK(BM_GradientFill1080p)->ArgName("style")->DenseRange(0, 7)->Unit(benchmark::kMicrosecond);

}  // namespace
