// The names of a menu's pages and their files.
#include <gtest/gtest.h>

#include "core/pages.h"

namespace core {
namespace {

TEST(Pages, NamesFilesAndTheStartPage) {
  const struct {
    const char* file;
    const char* name;
    bool page, start;
  } cases[] = {
      {"Drivers.ard", "Drivers", true, false},
      {"\\Drivers.ard", "Drivers", true, false},
      {"sub\\Manuals.ARD", "Manuals", true, false},
      {"AutoRun.ard", "AutoRun", true, true},
      {"\\autorun.ARD", "autorun", true, true},
      {".ard", ".ard", false, false},
      {"readme.txt", "readme.txt", false, false},
      {"Drivers.ard.txt", "Drivers.ard.txt", false, false},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.file);
    EXPECT_EQ(PageName(c.file), c.name);
    EXPECT_EQ(IsPageFile(std::string_view(c.file).substr(std::string_view(c.file).rfind('\\') + 1)),
              c.page);
    EXPECT_EQ(IsStartPage(c.file), c.start);
  }
  EXPECT_EQ(PageTarget("Drivers"), "\\Drivers.ard");
}

TEST(Pages, TheStartPageFirstThenTheOthersByName) {
  const auto item = [](const char* path, bool folder = false) {
    return fs::FolderItem{path, {0, 0, folder}};
  };
  const std::vector<fs::FolderItem> listing = {
      item("Videos.ard"),  item("art", true),   item("art\\Old.ard"), item("AutoRun.ard"),
      item("drivers.ard"), item("Manuals.ard"), item("setup.exe"),    item("Folder.ard", true)};
  EXPECT_EQ(PageFiles(listing),
            (std::vector<std::string>{"AutoRun.ard", "drivers.ard", "Manuals.ard", "Videos.ard"}));
}

}  // namespace
}  // namespace core
