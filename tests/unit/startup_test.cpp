// Start-up resolution of the run mode and the folders, against real files.
#include <gtest/gtest.h>

#include <filesystem>

#include "core/startup.h"
#include "fake_desktop.h"

namespace core {
namespace {

using testing_support::TempFolder;
using testing_support::TestApp;

void MakeFolder(const std::string& path) {
  std::filesystem::create_directories(testing_support::NativePath(path));
}

TEST(Startup, PlayerTakesItsOwnFolderAsCdFolder) {
  TestApp t;
  ResolveStartup(t.app, "C:\\Disc\\autorun.EXE");
  EXPECT_FALSE(t.app.DesignMode);
  EXPECT_EQ(t.app.ExePath, "C:\\Disc\\autorun.EXE");
  EXPECT_EQ(t.app.CDFolder, "C:\\Disc");
  EXPECT_EQ(t.app.ProjectFilePath, "C:\\Disc\\AutoRun.ard");
  EXPECT_EQ(t.app.DesignerFolder, "");
}

TEST(Startup, PlayerInADriveRoot) {
  TestApp t;
  ResolveStartup(t.app, "D:\\AutoRun.exe");
  EXPECT_EQ(t.app.CDFolder, "D:");
  EXPECT_EQ(t.app.ProjectFilePath, "D:\\AutoRun.ard");
}

TEST(Startup, DesignerReadsDefaultPathWithTheNameInAnyCase) {
  TempFolder dir;
  dir.Write("Quorvane.ini", "defaultpath=E:\\Disc\\");
  MakeFolder(dir.File("CDROM"));
  TestApp t;
  ResolveStartup(t.app, dir.File("Quorvane.exe"));
  EXPECT_TRUE(t.app.DesignMode);
  EXPECT_EQ(t.app.DesignerFolder, dir.Path());
  EXPECT_EQ(t.app.CDFolder, "E:\\Disc\\") << "the value keeps its trailing backslash";
  EXPECT_EQ(t.app.ProjectFilePath, "");
}

TEST(Startup, DesignerFallsBackToCdromFolderForAnEmptyOrMissingSetting) {
  TempFolder dir;
  MakeFolder(dir.File("CDROM"));
  {
    TestApp t;
    ResolveStartup(t.app, dir.File("Quorvane.exe"));
    EXPECT_EQ(t.app.CDFolder, dir.File("CDROM")) << "no settings file";
  }
  dir.Write("Quorvane.ini", "DefaultPath=\r\n");
  {
    TestApp t;
    ResolveStartup(t.app, dir.File("Quorvane.exe"));
    EXPECT_EQ(t.app.CDFolder, dir.File("CDROM")) << "empty DefaultPath";
  }
}

TEST(Startup, DesignerWithNeitherSettingNorCdromFolderHasNoCdFolder) {
  TempFolder dir;
  dir.Write("CDROM", "a file, not a folder");
  TestApp t;
  ResolveStartup(t.app, dir.File("Quorvane.exe"));
  EXPECT_TRUE(t.app.DesignMode);
  EXPECT_EQ(t.app.CDFolder, "");
}

TEST(Startup, ASettingsFolderInPlaceOfTheFileCountsAsMissing) {
  TempFolder dir;
  MakeFolder(dir.File("Quorvane.ini"));
  MakeFolder(dir.File("CDROM"));
  TestApp t;
  ResolveStartup(t.app, dir.File("Quorvane.exe"));
  EXPECT_EQ(t.app.CDFolder, dir.File("CDROM"));
}

}  // namespace
}  // namespace core
