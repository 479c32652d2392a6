// Benchmarks of commands the author gives (open, save, undo) read against one 60 Hz frame:
// x_frame, the wall-clock time per iteration over a frame, is 1 or less for an answer with no
// visible delay.
#pragma once

#include <benchmark/benchmark.h>

#include <chrono>

namespace bench_support {

// Runs `step` as the benchmark's loop and reports x_frame.
template <typename Step>
void MeasureAgainstFrame(benchmark::State& state, Step step) {
  constexpr double kFrameSeconds = 1.0 / 60.0;
  const auto start = std::chrono::steady_clock::now();
  for (auto _ : state) step();
  const std::chrono::duration<double> elapsed = std::chrono::steady_clock::now() - start;
  state.counters["x_frame"] =
      elapsed.count() / static_cast<double>(state.iterations()) / kFrameSeconds;
}

}  // namespace bench_support
