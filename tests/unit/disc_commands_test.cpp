// What Check Disc and Make Disc Image decide around their windows: the check's options, the
// refusal of an image of a folder with errors, the save dialog's folder and the closing message.
#include <gtest/gtest.h>

#include "core/project_ops.h"
#include "designer/disc_commands.h"
#include "fake_desktop.h"

namespace designer {
namespace {

using core::Finding;
using core::Severity;

TEST(DiscCommands, TheCheckTakesTheMediumTheUnsavedChangesAndTheLastSave) {
  const core::CheckOptions options = DesignCheck(core::DiscMedium::Dvd, true, 1700000000);
  EXPECT_EQ(options.medium, core::DiscMedium::Dvd);
  EXPECT_TRUE(options.design_has_unsaved_changes);
  EXPECT_EQ(options.design_saved_time, 1700000000);
  EXPECT_FALSE(DesignCheck(core::DiscMedium::Cd700, false, {}).design_has_unsaved_changes);
}

TEST(DiscCommands, WarningsAloneRefuseNothing) {
  testing_support::TestApp t;
  EXPECT_EQ(ImageRefusal(t.app, {}), "");
  EXPECT_EQ(ImageRefusal(t.app, {{Severity::Warning, -1, "AutoRun.ard is missing.", ""}}), "");
}

TEST(DiscCommands, TheRefusalListsTheErrorsAsTheirLines) {
  testing_support::TestApp t;
  core::AddNewObject(t.app, core::kKindImage, {10, 10});
  const std::vector<Finding> findings = {
      {Severity::Error, 0, "The picture is not in the CD folder.", "\\cover.jpg"},
      {Severity::Warning, -1, "Not saved.", ""},
      {Severity::Error, -1, "Two names differ only in case.", "a.txt"}};
  EXPECT_EQ(ImageRefusal(t.app, findings),
            "The disc image cannot be made. Mend these errors first:\n\n"
            "Error: Image 1: The picture is not in the CD folder. (\\cover.jpg)\n"
            "Error: Two names differ only in case. (a.txt)");
}

TEST(DiscCommands, TheRefusalCountsTheErrorsBeyondTheFirstTen) {
  testing_support::TestApp t;
  std::vector<Finding> findings;
  for (int i = 0; i < 13; ++i) {
    findings.push_back({Severity::Error, -1, "Missing.", "f" + std::to_string(i)});
    findings.push_back({Severity::Warning, -1, "Odd.", "w" + std::to_string(i)});
  }
  const std::string text = ImageRefusal(t.app, findings);
  EXPECT_NE(text.find("(f9)\nand 3 more"), std::string::npos) << text;
  EXPECT_EQ(text.find("(f10)"), std::string::npos) << text;
  EXPECT_EQ(text.find("Warning"), std::string::npos) << text;
  findings.resize(20);  // exactly ten errors: nothing is left to count
  EXPECT_EQ(ImageRefusal(t.app, findings).find("more"), std::string::npos);
}

TEST(DiscCommands, TheProgressSaysThePercentageAndTheMegabytesWritten) {
  constexpr uint64_t kMB = 1 << 20;
  for (const auto& [done, total, text] :
       {std::tuple{uint64_t{0}, uint64_t{0}, ""},
        {kMB - 1, 2 * kMB, "49% (0 MB of 2 MB) written"},
        {1500 * kMB, 4000 * kMB + 1, "37% (1,500 MB of 4,000 MB) written"}}) {
    EXPECT_EQ(ImageProgressText(done, total), text);
  }
}

TEST(DiscCommands, TheImageIsOfferedBesideTheCdFolder) {
  EXPECT_EQ(ImageFolder("C:\\Menus\\Disc 1"), "C:\\Menus\\");
  EXPECT_EQ(ImageFolder("D:\\CD"), "D:\\");
  EXPECT_EQ(ImageFolder("D:"), "D:\\");  // a drive's root has no parent
  EXPECT_EQ(ImageWrittenText("C:\\Menus\\Disc.iso"), "Disc image \"C:\\Menus\\Disc.iso\" written.");
}

}  // namespace
}  // namespace designer
