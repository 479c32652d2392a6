// The Windows file module: existence tests, replacing and copying files, the system's own words
// for a failure, and names the code page lacks and paths beyond MAX_PATH.
#include <windows.h>
#include <gtest/gtest.h>

#include "core/file_system.h"
#include "core/win32/file_system_win32.h"
#include "fake_desktop.h"
#include "ui/win32/wide_text.h"

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

TEST(Win32FileSystem, FullPathsBeyondMaxPathTakeTheLongForm) {
  const std::string a(300, 'a');
  const std::wstring wide_a(300, L'a');
  const struct {
    std::string path;
    std::wstring system;
  } cases[] = {
      {"C:\\Menu CD\\中文.txt", L"C:\\Menu CD\\中文.txt"},
      {"C:\\" + a, L"\\\\?\\C:\\" + wide_a},
      {"C:/" + a + "/b", L"\\\\?\\C:\\" + wide_a + L"\\b"},
      {"\\\\server\\share\\" + a, L"\\\\?\\UNC\\server\\share\\" + wide_a},
      {"\\\\?\\C:\\" + a, L"\\\\?\\C:\\" + wide_a},
      {"Menu CD\\" + a, L"Menu CD\\" + wide_a},  // relative: left to the system
  };
  for (const auto& c : cases) EXPECT_TRUE(SystemPath(c.path) == c.system) << c.path;
}

TEST(Win32FileSystem, NamesInAnyLanguageAndPathsBeyondMaxPathAreListedStatedAndRead) {
  TempFolder dir;
  std::vector<std::string> folders = {"Документы", "中文目录"};
  for (char letter = 'a'; letter < 'f'; ++letter) {
    folders.push_back(folders.back() + "\\" + std::string(60, letter));
  }
  // The "\\?\" form makes folders of any length; the module itself must manage without it.
  const auto system_path = [&](const std::string& path) {
    return L"\\\\?\\" + ui::win32::WideOf(dir.File(path));
  };
  for (const std::string& folder : folders) {
    ASSERT_TRUE(::CreateDirectoryW(system_path(folder).c_str(), nullptr)) << folder;
  }
  const std::vector<std::string> files = {"A\u0308.txt",
                                          "Документы\\файл.txt",
                                          "Ω≈ç√.txt",
                                          folders.back() + "\\end.txt",
                                          "中文目录\\Ελληνικά 中文.txt",
                                          "ｆｕｌｌ.txt"};
  for (const std::string& file : files) {
    ASSERT_EQ(ReplaceFileContents(dir.File(file), {file.begin(), file.end()}),
              WriteOutcome::Written)
        << file << ": " << LastErrorText();
  }
  std::vector<FolderItem> items;
  ASSERT_TRUE(ListFolderTree(dir.Path(), items)) << LastErrorText();
  std::vector<std::string> listed;
  for (const auto& item : items) {
    listed.push_back(item.path);
    const auto info = Stat(dir.File(item.path));
    const auto bytes = ReadWholeFile(dir.File(item.path));
    ASSERT_TRUE(info && (item.info.folder || bytes)) << item.path;
    EXPECT_EQ(info->size, item.info.folder ? 0 : item.path.size()) << item.path;
    if (!item.info.folder) {
      EXPECT_EQ(std::string(bytes->begin(), bytes->end()), item.path);
    }
  }
  std::vector<std::string> expected = files;
  expected.insert(expected.end(), folders.begin(), folders.end());
  std::sort(expected.begin(), expected.end());
  EXPECT_EQ(listed, expected);
  EXPECT_GT(dir.File(files[3]).size(), 300u);
  // The C++ library cannot remove what lies beyond MAX_PATH.
  ::DeleteFileW(system_path(files[3]).c_str());
  for (auto folder = folders.rbegin(); folder != folders.rend(); ++folder) {
    ::RemoveDirectoryW(system_path(*folder).c_str());
  }
}

}  // namespace
}  // namespace core::fs
