// Images a real folder with the product's disc image writer, so that independent ISO 9660
// readers can check the result: make_test_image FOLDER IMAGE [LABEL [CREATED]]. Test-only code:
// it lists the folder with std::filesystem, which the product leaves to its file module. The
// entries go to the writer sorted by path, so that a folder with fixed contents and times and a
// fixed CREATED (seconds since 1970) always gives the same image.
#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <string>
#include <vector>

#include "core/disc_image.h"
#include "stdio_byte_sink.h"

namespace {

namespace fs = std::filesystem;
using core::disc::ImageResult;

class FolderSource : public core::disc::FileSource {
 public:
  explicit FolderSource(fs::path root) : root_(std::move(root)) {}
  bool Read(const std::string& path, core::disc::ByteSink& pieces) override {
    std::string slashed = path;
    for (char& c : slashed) {
      if (c == '\\') c = '/';
    }
    FILE* f = std::fopen((root_ / slashed).c_str(), "rb");
    if (!f) return false;
    std::vector<uint8_t> buffer(1 << 16);
    bool ok = true;
    for (size_t n; ok && (n = std::fread(buffer.data(), 1, buffer.size(), f)) > 0;) {
      ok = pieces.Write(buffer.data(), n);
    }
    ok = ok && !std::ferror(f);
    std::fclose(f);
    return ok;
  }

 private:
  fs::path root_;
};

int64_t Seconds(fs::file_time_type t) {
  const auto since_1970 = std::chrono::file_clock::to_sys(t).time_since_epoch();
  return std::chrono::duration_cast<std::chrono::seconds>(since_1970).count();
}

}  // namespace

int main(int argc, char** argv) {
  if (argc < 3) {
    std::fprintf(stderr, "usage: make_test_image FOLDER IMAGE [LABEL [CREATED]]\n");
    return 2;
  }
  const fs::path root = argv[1];
  std::vector<core::disc::Entry> entries;
  for (const auto& item : fs::recursive_directory_iterator(root)) {
    core::disc::Entry e;
    e.path = fs::relative(item.path(), root).generic_string();
    for (char& c : e.path) {
      if (c == '/') c = '\\';
    }
    e.info.folder = item.is_directory();
    e.info.size = e.info.folder ? 0 : item.file_size();
    e.info.modified = Seconds(item.last_write_time());
    entries.push_back(std::move(e));
  }
  std::sort(entries.begin(), entries.end(),
            [](const auto& a, const auto& b) { return a.path < b.path; });
  core::disc::ImageOptions options;
  options.volume_label = argc > 3 ? argv[3] : "";
  options.created =
      argc > 4 ? std::strtoll(argv[4], nullptr, 10) : Seconds(fs::file_time_type::clock::now());
  FILE* out = std::fopen(argv[2], "wb");
  if (!out) return 1;
  FolderSource source(root);
  testing_support::StdioByteSink sink(out);
  const ImageResult result = core::disc::WriteImage(entries, options, source, sink, {});
  const bool closed = std::fclose(out) == 0;
  const uint64_t expected = core::disc::ImageSize(entries);
  const auto written = fs::file_size(argv[2]);
  std::printf("%zu entries, %llu bytes (ImageSize %llu)\n", entries.size(),
              static_cast<unsigned long long>(written), static_cast<unsigned long long>(expected));
  if (result != ImageResult::Written || !closed) {
    std::fprintf(stderr, "WriteImage failed: %d\n", static_cast<int>(result));
    return 1;
  }
  return written == expected ? 0 : 1;
}
