// Saving into a CD folder: the files written, the ones kept, the settings file, and what each
// failure leaves behind.
#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>

#include "core/deployment.h"
#include "core/project_file.h"
#include "core/project_ops.h"
#include "fake_desktop.h"

namespace core {
namespace {

using testing_support::NativePath;
using testing_support::ShownMessage;
using testing_support::TempFolder;
using testing_support::TestApp;

std::vector<std::string> Listing(const std::string& folder) {
  std::vector<std::string> names;
  for (const auto& entry : std::filesystem::directory_iterator(NativePath(folder))) {
    names.push_back(entry.path().filename().string());
  }
  std::sort(names.begin(), names.end());
  return names;
}

class Deployment : public ::testing::Test {
 protected:
  Deployment() {
    designer.Write("Quorvane.exe", "the program itself");
    std::filesystem::create_directories(NativePath(disc.Path()));
    t.app.ExePath = designer.File("Quorvane.exe");
    t.app.DesignMode = true;
    ApplyNewProjectDefaults(t.app);
  }
  TempFolder designer;
  TempFolder disc;
  TestApp t;
};

TEST_F(Deployment, AnEmptyFolderGetsExactlyTheFourFilesAndTheSettingsNameIt) {
  designer.Write("Quorvane.ini", "Other=1\r\nDefaultPath=C:\\Old\r\n");
  ASSERT_TRUE(DeployToCDFolder(t.app, disc.Path()));
  EXPECT_EQ(Listing(disc.Path()),
            (std::vector<std::string>{"AutoRun.ard", "AutoRun.exe", "AutoRun.ico", "autorun.inf"}));
  EXPECT_EQ(disc.Read("AutoRun.exe"), "the program itself");
  const auto& icon = t.platform.icon_file;
  EXPECT_EQ(disc.Read("AutoRun.ico"), std::string(icon.begin(), icon.end()));
  EXPECT_EQ(disc.Read("autorun.inf"), "[autorun]\r\nOPEN=AUTORUN.EXE\r\nICON=AUTORUN.ICO\r\n");
  EXPECT_EQ(disc.Read("AutoRun.ard").size(), 181u);
  EXPECT_EQ(designer.Read("Quorvane.ini"),
            "Other=1\r\nDefaultPath=" + disc.Path() + "\r\nRecentFolder1=" + disc.Path() + "\r\n");
  EXPECT_TRUE(t.platform.messages.empty());
}

TEST_F(Deployment, ASecondSaveKeepsThePlayerAndIconAndReplacesTheRest) {
  ASSERT_TRUE(DeployToCDFolder(t.app, disc.Path()));
  disc.Write("AutoRun.ico", "the author's own icon");
  disc.Write("autorun.inf", "stale");
  const auto exe_time = std::filesystem::last_write_time(NativePath(disc.File("AutoRun.exe")));
  designer.Write("Quorvane.exe", "a newer program");
  t.window.SetCaption("Changed");

  ASSERT_TRUE(DeployToCDFolder(t.app, disc.Path()));
  EXPECT_EQ(disc.Read("AutoRun.exe"), "the program itself");
  EXPECT_EQ(std::filesystem::last_write_time(NativePath(disc.File("AutoRun.exe"))), exe_time);
  EXPECT_EQ(disc.Read("AutoRun.ico"), "the author's own icon");
  EXPECT_EQ(disc.Read("autorun.inf"), kAutorunInfContents);
  TestApp loaded;
  ASSERT_TRUE(LoadProject(loaded.app, disc.File("AutoRun.ard")));
  EXPECT_EQ(loaded.window.Caption(), "Changed");
}

TEST_F(Deployment, AMissingFolderIsReportedAndNothingIsWritten) {
  designer.Write("Quorvane.ini", "DefaultPath=C:\\Old\r\n");
  const std::string gone = disc.File("deleted");
  EXPECT_FALSE(DeployToCDFolder(t.app, gone));
  EXPECT_EQ(t.platform.messages, (std::vector<ShownMessage>{{"Directory \"" + gone + "\" not found",
                                                             "Error", ui::MessageIcon::Error}}));
  EXPECT_TRUE(Listing(disc.Path()).empty());
  EXPECT_EQ(designer.Read("Quorvane.ini"), "DefaultPath=C:\\Old\r\n");
}

TEST_F(Deployment, AFailedCopyOfThePlayerStopsEverythingAfterIt) {
  t.app.ExePath = designer.File("missing.exe");
  EXPECT_FALSE(DeployToCDFolder(t.app, disc.Path()));
  EXPECT_EQ(t.platform.messages,
            (std::vector<ShownMessage>{{"IO Error", "Error", ui::MessageIcon::Error}}));
  EXPECT_TRUE(Listing(disc.Path()).empty());
}

TEST_F(Deployment, AProjectFileThatCannotBeReplacedEndsTheSaveForTheGeneralHandler) {
  std::filesystem::create_directories(NativePath(disc.File("AutoRun.ard")) / "blocked");
  EXPECT_FALSE(DeployToCDFolder(t.app, disc.Path()));
  ASSERT_EQ(t.platform.messages.size(), 1u);
  EXPECT_EQ(t.platform.messages[0].title, testing_support::kGeneralErrorTitle);
  EXPECT_FALSE(std::filesystem::exists(NativePath(designer.File("Quorvane.ini"))));
}

TEST_F(Deployment, AnIconThatCannotBeWrittenEndsTheSaveForTheGeneralHandler) {
  std::filesystem::create_directories(NativePath(disc.File("AutoRun.ico")) / "blocked");
  EXPECT_FALSE(DeployToCDFolder(t.app, disc.Path()));
  ASSERT_EQ(t.platform.messages.size(), 1u);
  EXPECT_EQ(t.platform.messages[0].title, testing_support::kGeneralErrorTitle);
  EXPECT_NE(t.platform.messages[0].text.find("AutoRun.ico"), std::string::npos);
  EXPECT_FALSE(std::filesystem::exists(NativePath(disc.File("autorun.inf"))));
  EXPECT_FALSE(std::filesystem::exists(NativePath(disc.File("AutoRun.ard"))));
}

}  // namespace
}  // namespace core
