// The structure checks of picture files, natively: every valid sample passes its own check and
// no other, even with bytes after it, and none passes cut short; the sizes the loader takes
// from icons and Windows metafiles are the stored ones; the content tells the kind; and the
// cache that decodes each picture file once.
#include "ui/picture_file_checks.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <map>
#include <string>
#include <utility>
#include <vector>

#include "../fuzz/picture_samples.h"
#include "fake_desktop.h"
#include "ui/picture_cache.h"

namespace {

using picture_samples::Sample;
using picture_samples::ValidSamples;

// Which checks accept the bytes, in the order of Kind; a placeable metafile is scanned after
// its header, as the loader does.
std::vector<bool> Accepted(const Sample& sample, ui::ByteView bytes) {
  const ui::ByteView records =
      sample.placeable ? bytes.subspan(std::min<size_t>(22, bytes.size())) : bytes;
  return {ui::IsWholeBitmapFile(bytes), ui::FirstIconSize(bytes).has_value(),
          ui::IsWholeEnhancedMetafile(bytes), ui::ScanWindowsMetafile(records).has_value()};
}

TEST(PictureFileChecks, ValidFilesPassTheirOwnCheckOnlyAndNoneCutShort) {
  for (const Sample& sample : ValidSamples()) {
    SCOPED_TRACE(sample.name);
    std::vector<bool> own(4, false);
    own[static_cast<size_t>(sample.kind)] = true;
    const ui::ByteView bytes(sample.bytes);
    EXPECT_EQ(Accepted(sample, bytes), own);
    std::vector<uint8_t> longer = sample.bytes;
    longer.push_back(0xA5);
    EXPECT_EQ(Accepted(sample, longer), own) << "a byte after the structure";
    const std::vector<bool> none(4, false);
    for (size_t length : {size_t{0}, size_t{6}, bytes.size() / 2, bytes.size() - 1}) {
      EXPECT_EQ(Accepted(sample, bytes.first(length)), none) << length << " bytes";
    }
  }
}

TEST(PictureFileChecks, TheContentTellsTheKind) {
  using ui::PictureKind;
  const PictureKind kinds[] = {PictureKind::Bitmap, PictureKind::Icon,
                               PictureKind::EnhancedMetafile, PictureKind::WindowsMetafile};
  for (const Sample& sample : ValidSamples()) {
    EXPECT_EQ(ui::PictureKindOf(sample.bytes), kinds[static_cast<size_t>(sample.kind)])
        << sample.name;
  }
  const std::vector<std::pair<std::string, std::optional<PictureKind>>> starts = {
      {"\xFF\xD8\xFF\xE0", PictureKind::Jpeg},
      {std::string("\x89PNG\r\n\x1A\n", 8), PictureKind::Png},
      {"GIF89a", PictureKind::Gif},
      {"GIF87a", PictureKind::Gif},
      {"GIF88a", std::nullopt},
      {"This is a text file renamed logo.jpg", std::nullopt},
      {"", std::nullopt}};
  for (const auto& [start, kind] : starts) {
    const std::vector<uint8_t> bytes(start.begin(), start.end());
    EXPECT_EQ(ui::PictureKindOf(bytes), kind) << start;
  }
}

TEST(PictureFileChecks, IconAndMetafileSizesAreTheStoredOnes) {
  std::map<std::string, Sample> samples;
  for (Sample& s : ValidSamples()) samples.emplace(s.name, std::move(s));
  EXPECT_EQ(ui::FirstIconSize(samples.at("several.ico").bytes), (ui::Size{32, 32}));
  EXPECT_EQ(ui::FirstIconSize(samples.at("png-256.ico").bytes), (ui::Size{256, 256}));
  const auto scan = [&](const char* name, size_t skip) {
    const ui::ByteView bytes(samples.at(name).bytes);
    const auto result = ui::ScanWindowsMetafile(bytes.subspan(skip));
    EXPECT_EQ(result->length, bytes.size() - skip) << name;
    return std::pair{result->extentX, result->extentY};
  };
  EXPECT_EQ(scan("memory.wmf", 0), std::pair(60, 30));
  EXPECT_EQ(scan("placeable.wmf", 22), std::pair(600, 300));
  EXPECT_EQ(scan("placeable-box-only.wmf", 22), std::pair(0, 0));
}

TEST(PictureCache, KeepsOneDecodePerFileAsWrittenAndStaysWithinItsBound) {
  ui::PictureCache cache(100);
  const ui::FileStamp first{1, 10}, rewritten{2, 10};
  cache.KeepPicture("a.jpg", first, {}, testing_support::FakePicture(7), 60);
  cache.KeepPicture("a.jpg", first, {30, 20}, testing_support::FakePicture(3),
                    10);  // decoded smaller
  ASSERT_NE(cache.FindPicture("a.jpg", first, {}), nullptr);
  EXPECT_EQ(cache.FindPicture("a.jpg", first, {})->GetSize().width, 7);
  EXPECT_EQ(cache.FindPicture("a.jpg", first, {30, 20})->GetSize().width, 3);
  EXPECT_EQ(cache.FindPicture("a.jpg", rewritten, {}), nullptr);
  EXPECT_EQ(cache.FindPicture("b.jpg", first, {}), nullptr);
  EXPECT_EQ(cache.FindGlyph("a.jpg", first), nullptr) << "a picture is no glyph";

  cache.KeepPicture("a.jpg", rewritten, {}, testing_support::FakePicture(8),
                    20);  // the file written again
  EXPECT_EQ(cache.FindPicture("a.jpg", first, {30, 20}), nullptr);
  EXPECT_EQ(cache.KeptBytes(), 20u);
  cache.KeepGlyph("g.bmp", first, ui::PixelBitmap(4, 4, 5));  // 64 bytes
  EXPECT_EQ(cache.FindGlyph("g.bmp", first)->At(3, 3), 5u);
  cache.KeepPicture("c.jpg", first, {}, testing_support::FakePicture(1),
                    30);  // past the bound: afresh
  EXPECT_EQ(cache.FindGlyph("g.bmp", first), nullptr);
  EXPECT_EQ(cache.KeptBytes(), 30u);
  cache.KeepPicture("huge.jpg", first, {}, testing_support::FakePicture(1), 101);
  EXPECT_EQ(cache.FindPicture("huge.jpg", first, {}), nullptr) << "larger than the whole bound";
}

}  // namespace
