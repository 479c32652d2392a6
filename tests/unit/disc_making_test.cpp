// Make Disc Image around the writer: the names offered, a finding as a line, and what a written,
// cancelled or failed image leaves on disk.
#include <gtest/gtest.h>

#include <filesystem>

#include "core/disc_making.h"
#include "core/project_ops.h"
#include "fake_desktop.h"

namespace core {
namespace {

using testing_support::NativePath;
using testing_support::TempFolder;
using testing_support::TestApp;

TEST(DiscMaking, NamesOfferedFromTheCaption) {
  const struct {
    const char* caption;
    const char* file;
    const char* label;
  } cases[] = {
      {"Quorvane Demo", "Quorvane Demo.iso", "Quorvane Demo"},
      {"", "Disc.iso", "DISC"},
      {"A/B: \"new\"?", "A_B_ _new__.iso", "A/B: \"new\"?"},
      {"Trailing dots...", "Trailing dots.iso", "Trailing dots..."},
      {"Seventeen letters", "Seventeen letters.iso", "Seventeen letter"},
      {"Sixteen letters  and more", "Sixteen letters  and more.iso", "Sixteen letters"},
  };
  for (const auto& c : cases) {
    EXPECT_EQ(DefaultImageFileName(c.caption), c.file) << c.caption;
    EXPECT_EQ(DefaultVolumeLabel(c.caption), c.label) << c.caption;
  }
}

TEST(DiscMaking, FindingLinesNameTheObject) {
  TestApp t;
  ButtonOf(AddNewObject(t.app, kKindButton, {10, 10}))->Caption = "Play";
  AddNewObject(t.app, kKindImage, {10, 60});
  EXPECT_EQ(FindingLine(t.app, {Severity::Error, 0, "Gone.", "\\a.bmp"}),
            "Error: Button 1 \"Play\": Gone. (\\a.bmp)");
  EXPECT_EQ(FindingLine(t.app, {Severity::Warning, 1, "Odd.", ""}), "Warning: Image 2: Odd.");
  EXPECT_EQ(FindingLine(t.app, {Severity::Warning, -1, "Old.", "AutoRun.ard"}),
            "Warning: Old. (AutoRun.ard)");
}

TEST(DiscMaking, AnImageReplacesTheOldOneOnlyWhenComplete) {
  TempFolder cd;
  cd.Write("ReadMe.txt", std::string(5000, 'r'));
  cd.Write("menu.iso", "an older image");  // inside the CD folder: not imaged into itself
  TestApp t;
  t.app.CDFolder = cd.Path();
  std::vector<fs::FolderItem> listing;
  CheckCdFolder(t.app, {}, listing);
  const std::string image = cd.File("menu.iso");
  const auto on_disk = [&] {
    std::vector<std::string> names;
    for (const auto& e : std::filesystem::directory_iterator(NativePath(cd.Path()))) {
      names.push_back(e.path().filename().string());
    }
    std::sort(names.begin(), names.end());
    return names;
  };

  const auto cancel = [](void*, uint64_t done, uint64_t) { return done < 40000; };
  EXPECT_EQ(MakeDiscImage(t.app, listing, image, "Menu", cancel), disc::ImageResult::Cancelled);
  EXPECT_EQ(cd.Read("menu.iso"), "an older image");
  EXPECT_EQ(on_disk(), (std::vector<std::string>{"ReadMe.txt", "menu.iso"}));
  EXPECT_TRUE(t.platform.messages.empty());

  cd.Write("ReadMe.txt", "shorter than listed");
  EXPECT_EQ(MakeDiscImage(t.app, listing, image, "Menu"), disc::ImageResult::ReadFailed);
  EXPECT_EQ(cd.Read("menu.iso"), "an older image");
  EXPECT_EQ(on_disk(), (std::vector<std::string>{"ReadMe.txt", "menu.iso"}));
  ASSERT_EQ(t.platform.messages.size(), 1u);

  cd.Write("ReadMe.txt", std::string(5000, 'r'));
  EXPECT_EQ(MakeDiscImage(t.app, listing, image, "Menu"), disc::ImageResult::Written);
  const std::string written = cd.Read("menu.iso");
  EXPECT_EQ(written.size(), disc::ImageSize({{"ReadMe.txt", false, 5000, 0}}));
  EXPECT_NE(written.find(std::string(5000, 'r')), std::string::npos);
  EXPECT_EQ(on_disk(), (std::vector<std::string>{"ReadMe.txt", "menu.iso"}));
}

}  // namespace
}  // namespace core
