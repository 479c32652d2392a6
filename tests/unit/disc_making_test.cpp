// Make Disc Image around the writer: the names offered, a finding as a line, and what a written,
// cancelled or failed image leaves on disk.
#include <gtest/gtest.h>

#include <filesystem>

#ifndef _WIN32
#include <sys/stat.h>
#endif

#include "core/disc_making.h"
#include "core/project_ops.h"
#include "fake_desktop.h"

namespace core {
namespace {

using testing_support::NativePath;
using testing_support::TempFolder;
using testing_support::TestApp;

// The names a caption gives, and the label a disc records when the caption is given as one.
TEST(DiscMaking, NamesOfferedFromTheCaption) {
  const struct {
    const char* caption;
    const char* file;
    const char* label;
    const char* recorded;
  } cases[] = {
      {"Quorvane Demo", "Quorvane Demo.iso", "Quorvane Demo", "Quorvane Demo"},
      {"", "Disc.iso", "DISC", ""},
      {"A/B: \"new\"?", "A_B_ _new__.iso", "A/B: \"new\"?", "A_B_ \"new\"_"},
      {"Trailing dots...", "Trailing dots.iso", "Trailing dots...", "Trailing dots..."},
      {"Seventeen letters", "Seventeen letters.iso", "Seventeen letter", "Seventeen letter"},
      {"Sixteen letters  and more", "Sixteen letters  and more.iso", "Sixteen letters",
       "Sixteen letters "},
      {"Меню: 中文*", "Меню_ 中文_.iso", "Меню: 中文*", "Меню_ 中文_"},
  };
  for (const auto& c : cases) {
    EXPECT_EQ(DefaultImageFileName(c.caption), c.file) << c.caption;
    EXPECT_EQ(DefaultVolumeLabel(c.caption), c.label) << c.caption;
    EXPECT_EQ(RecordedVolumeLabel(c.caption), c.recorded) << c.caption;
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
  EXPECT_EQ(MakeDiscImage(t.app, listing, image, "Menu"), disc::ImageResult::Changed);
  EXPECT_EQ(cd.Read("menu.iso"), "an older image");
  EXPECT_EQ(on_disk(), (std::vector<std::string>{"ReadMe.txt", "menu.iso"}));
  ASSERT_EQ(t.platform.messages.size(), 1u);
  EXPECT_EQ(t.platform.messages[0].text,
            "The file \"" + cd.File("ReadMe.txt") + "\" changed while the disc image was written.");

  cd.Write("ReadMe.txt", std::string(5000, 'r'));
  EXPECT_EQ(MakeDiscImage(t.app, listing, image, "Menu"), disc::ImageResult::Written);
  const std::string written = cd.Read("menu.iso");
  EXPECT_EQ(written.size(), disc::ImageSize({{"ReadMe.txt", {5000}}}));
  EXPECT_NE(written.find(std::string(5000, 'r')), std::string::npos);
  EXPECT_EQ(on_disk(), (std::vector<std::string>{"ReadMe.txt", "menu.iso"}));
}

// A device or a pipe in the CD folder is refused for what it is, never read without end.
TEST(DiscMaking, ADeviceIsNoFile) {
  TempFolder cd;
#ifdef _WIN32
  const std::string device = "NUL";  // a device in every folder
#else
  const std::string device = "pipe";
  ASSERT_EQ(::mkfifo(NativePath(cd.File(device)).c_str(), 0600), 0);
#endif
  TestApp t;
  t.app.CDFolder = cd.Path();
  std::vector<fs::FolderItem> listing = {{device, {}}};
  EXPECT_EQ(MakeDiscImage(t.app, listing, cd.File("menu.iso"), "Menu"),
            disc::ImageResult::ReadFailed);
  ASSERT_EQ(t.platform.messages.size(), 1u);
  EXPECT_EQ(t.platform.messages[0].text,
            "Cannot read file \"" + cd.File(device) + "\". It is a device or a pipe, not a file.");
}

// The image and the report are left off a disc by their full paths, whatever their letter case.
TEST(DiscMaking, AFileLiesInTheCdFolderByItsFullPath) {
  const struct {
    const char* folder;
    const char* file;
    const char* below;
  } cases[] = {
      {"C:\\Menu CD", "c:\\menu cd\\Menu.iso", "MENU.ISO"},
      {"C:\\Menu CD\\", "C:/Menu CD/Sub/a.iso", "SUB\\A.ISO"},
      {"D:\\", "D:\\menu.iso", "MENU.ISO"},
      {"C:\\Диск", "C:\\диск\\Образ.iso", "ОБРАЗ.ISO"},
      {"C:\\Menu CD", "C:\\Menu CD2\\menu.iso", ""},
      {"C:\\Menu CD", "C:\\Menu CD", ""},
      {"C:\\Menu CD", "D:\\Menu CD\\menu.iso", ""},
  };
  for (const auto& c : cases) EXPECT_EQ(PathInCapitalsBelow(c.folder, c.file), c.below) << c.file;
}

}  // namespace
}  // namespace core
