// "Make Disc Image" of a ~200 MB CD folder (400 files of 512 KB in 20 folders, content made up
// in memory) written to a file, against writing the same file bytes with plain writes: the
// ratio is what the image's head, padding and bookkeeping cost on top of the copy.
#include <benchmark/benchmark.h>

#include <chrono>
#include <cstdio>
#include <string>
#include <vector>

#include "core/disc_image.h"
#include "stdio_byte_sink.h"

namespace {

using core::disc::Entry;

constexpr size_t kPiece = 64 * 1024;
constexpr uint64_t kFileSize = 512 * 1024;

std::vector<Entry> SyntheticFolder() {
  std::vector<Entry> entries;
  for (int folder = 0; folder < 20; ++folder) {
    const std::string name = "Folder " + std::to_string(folder);
    entries.push_back({name, {0, 1700000000, true}});
    for (int file = 0; file < 20; ++file) {
      entries.push_back(
          {name + "\\Picture number " + std::to_string(file) + ".jpg", {kFileSize, 1700000000}});
    }
  }
  return entries;
}

class PatternSource : public core::disc::FileSource {
 public:
  PatternSource() : piece_(kPiece, 0x5A) {}
  bool Read(const std::string&, core::disc::ByteSink& pieces) override {
    for (uint64_t at = 0; at < kFileSize; at += kPiece) {
      if (!pieces.Write(piece_.data(), kPiece)) return false;
    }
    return true;
  }
  const std::vector<uint8_t>& Piece() const { return piece_; }

 private:
  std::vector<uint8_t> piece_;
};

double Seconds(std::chrono::steady_clock::time_point since) {
  return std::chrono::duration<double>(std::chrono::steady_clock::now() - since).count();
}

void BM_DiscImageAgainstPlainCopy(benchmark::State& state) {
  const std::vector<Entry> entries = SyntheticFolder();
  PatternSource source;
  double image_seconds = 0, copy_seconds = 0;
  for (auto _ : state) {
    FILE* image = std::tmpfile();
    auto start = std::chrono::steady_clock::now();
    testing_support::StdioByteSink sink(image);
    const auto result = core::disc::WriteImage(entries, {"Bench", 0}, source, sink, {});
    std::fflush(image);
    image_seconds += Seconds(start);
    std::fclose(image);
    if (result != core::disc::ImageResult::Written) state.SkipWithError("the image failed");

    FILE* copy = std::tmpfile();
    start = std::chrono::steady_clock::now();
    for (size_t file = 0; file < 400; ++file) {
      for (uint64_t at = 0; at < kFileSize; at += kPiece) {
        std::fwrite(source.Piece().data(), 1, kPiece, copy);
      }
    }
    std::fflush(copy);
    copy_seconds += Seconds(start);
    std::fclose(copy);
  }
  const double n = static_cast<double>(state.iterations());
  state.counters["image_ms"] = 1000 * image_seconds / n;
  state.counters["copy_ms"] = 1000 * copy_seconds / n;
  state.counters["image_per_copy"] = image_seconds / copy_seconds;
  state.SetBytesProcessed(static_cast<int64_t>(state.iterations() * 400 * kFileSize));
}
BENCHMARK(BM_DiscImageAgainstPlainCopy)->Unit(benchmark::kMillisecond)->UseRealTime();

}  // namespace
