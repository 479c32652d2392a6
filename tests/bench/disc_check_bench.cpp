// Check Disc over a CD folder of 10,000 files in 100 folders, with a 600-object design naming
// files in it, and listing such a folder from a real drive; the aim is well under a second.
#include <benchmark/benchmark.h>

#include <filesystem>
#include <fstream>

#include "core/disc_check.h"
#include "core/project_ops.h"
#include "fake_desktop.h"

namespace {

using testing_support::NativePath;
using testing_support::TempFolder;
using testing_support::TestApp;

constexpr int kFolders = 100;
constexpr int kFilesPerFolder = 100;

std::string FolderName(int folder) {
  return std::string("Chapter ") + std::to_string(folder);
}
std::string FileName(int folder, int file) {
  return FolderName(folder) + "\\Picture " + std::to_string(file) + ".jpg";
}

// As the design names it: from the CD folder.
std::string DesignName(int folder, int file) {
  std::string name = "\\";
  name += FileName(folder, file);
  return name;
}

std::vector<core::fs::FolderItem> TenThousandFiles() {
  std::vector<core::fs::FolderItem> items;
  for (int folder = 0; folder < kFolders; ++folder) {
    items.push_back({FolderName(folder), {0, 0, true}});
    for (int file = 0; file < kFilesPerFolder; ++file) {
      items.push_back({FileName(folder, file), {40000 + static_cast<uint64_t>(file), 0, false}});
    }
  }
  return items;
}

void BM_CheckDisc(benchmark::State& state) {
  TestApp t;
  t.app.CDFolder = "C:\\Disc";
  for (int i = 0; i < 600; ++i) {
    auto& object = core::AddNewObject(t.app, static_cast<uint8_t>(i % 3), {0, 0});
    object.ImageFile = DesignName(i % kFolders, i % kFilesPerFolder);
    object.GlyphFile = object.ImageFile;
    object.Link.Action = core::kActionOpenFile;
    object.Link.Target = DesignName(i % kFolders, (i * 7) % kFilesPerFolder);
  }
  const auto folder = TenThousandFiles();
  size_t findings = 0;
  for (auto _ : state) {
    findings = core::CheckDisc(t.app, folder, {}).size();
    benchmark::DoNotOptimize(findings);
  }
  state.counters["findings"] = static_cast<double>(findings);
  state.SetItemsProcessed(static_cast<int64_t>(state.iterations() * folder.size()));
}
BENCHMARK(BM_CheckDisc)->Unit(benchmark::kMillisecond);

void BM_ListFolderTree(benchmark::State& state) {
  TempFolder disc;
  for (int folder = 0; folder < kFolders; ++folder) {
    std::filesystem::create_directory(NativePath(disc.File(FolderName(folder))));
    for (int file = 0; file < kFilesPerFolder; ++file) {
      std::ofstream(NativePath(disc.File(FileName(folder, file)))) << file;
    }
  }
  std::vector<core::fs::FolderItem> items;
  for (auto _ : state) {
    if (!core::fs::ListFolderTree(disc.Path(), items)) state.SkipWithError("listing failed");
    benchmark::DoNotOptimize(items.data());
  }
  state.SetItemsProcessed(static_cast<int64_t>(state.iterations() * items.size()));
}
BENCHMARK(BM_ListFolderTree)->Unit(benchmark::kMillisecond);

}  // namespace
