// Load and save of a large project (2,000 objects of all three kinds), in memory and through
// the file system, so a slow-down in the reader, the writer or media binding shows up here.
#include <benchmark/benchmark.h>

#include "core/project_file.h"
#include "fake_desktop.h"
#include "frame_share.h"
#include "sample_project.h"

namespace {

using testing_support::TempFolder;
using testing_support::TestApp;

constexpr int kObjects = 2000;

std::vector<uint8_t> LargeProjectBytes() {
  TestApp t;
  testing_support::FillSampleProject(t.app);
  testing_support::AddManyObjects(t.app, kObjects - 3);
  return core::EncodeProject(t.app).value();
}

void BM_EncodeProject(benchmark::State& state) {
  TestApp t;
  testing_support::FillSampleProject(t.app);
  testing_support::AddManyObjects(t.app, kObjects - 3);
  size_t bytes = 0;
  bench_support::MeasureAgainstFrame(state, [&] {
    auto encoded = core::EncodeProject(t.app);
    bytes = encoded->size();
    benchmark::DoNotOptimize(encoded);
  });
  state.SetBytesProcessed(static_cast<int64_t>(state.iterations() * bytes));
}
BENCHMARK(BM_EncodeProject)->Unit(benchmark::kMillisecond);

void BM_DecodeProject(benchmark::State& state) {
  const auto bytes = LargeProjectBytes();
  TestApp t;
  bench_support::MeasureAgainstFrame(state, [&] {
    if (!core::DecodeProject(t.app, bytes.data(), bytes.size())) state.SkipWithError("decode");
    t.platform.messages.clear();  // the sample's missing media are reported on every load
  });
  state.SetBytesProcessed(static_cast<int64_t>(state.iterations() * bytes.size()));
}
BENCHMARK(BM_DecodeProject)->Unit(benchmark::kMillisecond);

void BM_SaveProjectFile(benchmark::State& state) {
  TempFolder dir;
  TestApp t;
  testing_support::FillSampleProject(t.app);
  testing_support::AddManyObjects(t.app, kObjects - 3);
  bench_support::MeasureAgainstFrame(state, [&] {
    if (!core::SaveProjectFile(t.app, dir.File("AutoRun.ard"))) state.SkipWithError("save");
  });
}
BENCHMARK(BM_SaveProjectFile)->Unit(benchmark::kMillisecond);

void BM_LoadProject(benchmark::State& state) {
  TempFolder dir;
  const auto bytes = LargeProjectBytes();
  dir.Write("AutoRun.ard", std::string(bytes.begin(), bytes.end()));
  TestApp t;
  bench_support::MeasureAgainstFrame(state, [&] {
    if (!core::LoadProject(t.app, dir.File("AutoRun.ard"))) state.SkipWithError("load");
    t.platform.messages.clear();
  });
}
BENCHMARK(BM_LoadProject)->Unit(benchmark::kMillisecond);

}  // namespace

BENCHMARK_MAIN();
