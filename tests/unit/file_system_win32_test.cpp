// The Windows file module: existence tests, replacing and copying files, and the system's own
// words for a failure.
#include <gtest/gtest.h>

#include "core/file_system.h"
#include "fake_desktop.h"

namespace core::fs {
namespace {

using testing_support::TempFolder;

TEST(Win32FileSystem, FilesAndFoldersAreToldApart) {
  TempFolder dir;
  dir.Write("a.txt", "x");
  EXPECT_TRUE(FileExists(dir.File("a.txt")));
  EXPECT_FALSE(DirectoryExists(dir.File("a.txt")));
  EXPECT_TRUE(DirectoryExists(dir.Path()));
  EXPECT_FALSE(FileExists(dir.Path()));
  EXPECT_FALSE(FileExists(dir.File("missing.txt")));
  EXPECT_FALSE(FileExists(""));
}

TEST(Win32FileSystem, ReplaceOverwritesAnExistingFileCompletely) {
  TempFolder dir;
  dir.Write("AutoRun.ard", "a much longer previous content");
  ASSERT_EQ(ReplaceFileContents(dir.File("AutoRun.ard"), {'n', 'e', 'w'}), WriteOutcome::Written);
  EXPECT_EQ(dir.Read("AutoRun.ard"), "new");
  EXPECT_FALSE(FileExists(dir.File("AutoRun.ard.~tmp")));
}

TEST(Win32FileSystem, AMissingFolderCannotBeCreatedIntoAndSaysWhy) {
  TempFolder dir;
  EXPECT_EQ(ReplaceFileContents(dir.File("gone\\AutoRun.ard"), {'x'}), WriteOutcome::CannotCreate);
  EXPECT_FALSE(LastErrorText().empty());
  EXPECT_EQ(LastErrorText().find("Error "), std::string::npos)
      << "the system's words, not a bare number: " << LastErrorText();
}

TEST(Win32FileSystem, CopyReplacesTheDestination) {
  TempFolder dir;
  dir.Write("from.exe", "program bytes");
  dir.Write("to.exe", "old");
  EXPECT_TRUE(CopyFileOver(dir.File("from.exe"), dir.File("to.exe")));
  EXPECT_EQ(dir.Read("to.exe"), "program bytes");
  EXPECT_FALSE(CopyFileOver(dir.File("missing.exe"), dir.File("to2.exe")));
  EXPECT_FALSE(FileExists(dir.File("to2.exe")));
}

}  // namespace
}  // namespace core::fs
