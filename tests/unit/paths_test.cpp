// Run-mode choice, settings parsing and the CD-relative path rule.
#include <gtest/gtest.h>

#include "core/paths.h"
#include "core/run_mode.h"
#include "core/settings_file.h"
#include "core/text.h"

namespace core {
namespace {

TEST(RunMode, PlayerNameInAnyLetterCaseSelectsPlayMode) {
  EXPECT_EQ(RunModeForExecutable("C:\\Disc\\AutoRun.exe"), RunMode::Play);
  EXPECT_EQ(RunModeForExecutable("C:\\Disc\\autorun.EXE"), RunMode::Play);
  EXPECT_EQ(RunModeForExecutable("E:\\AUTORUN.exe"), RunMode::Play);
  EXPECT_EQ(RunModeForExecutable("AutoRun.exe"), RunMode::Play);
}

TEST(RunMode, AnyOtherNameSelectsDesignModeWhateverTheFolder) {
  EXPECT_EQ(RunModeForExecutable("C:\\Disc\\AutoRun2.exe"), RunMode::Design);
  EXPECT_EQ(RunModeForExecutable("C:\\Disc\\AutoRun.exe.bak"), RunMode::Design);
  EXPECT_EQ(RunModeForExecutable("C:\\Disc\\AutoRun.com"), RunMode::Design);
  EXPECT_EQ(RunModeForExecutable("C:\\AutoRun.exe\\Quorvane.exe"), RunMode::Design);
  EXPECT_EQ(RunModeForExecutable("C:\\Tools\\Quorvane.exe"), RunMode::Design);
  // Only a-z are folded: a non-ASCII byte that some code pages upper-case must not match.
  EXPECT_EQ(RunModeForExecutable("C:\\AutoRun.ex\xe9"), RunMode::Design);
}

TEST(PathText, FolderAndFileParts) {
  EXPECT_EQ(FileNamePart("C:\\a\\b.exe"), "b.exe");
  EXPECT_EQ(FolderPart("C:\\a\\b.exe"), "C:\\a\\");
  EXPECT_EQ(FolderWithoutTrailingBackslash("C:\\a\\b.exe"), "C:\\a");
  EXPECT_EQ(FolderWithoutTrailingBackslash("D:\\AutoRun.exe"), "D:");
  EXPECT_EQ(FolderWithoutTrailingBackslash("AutoRun.exe"), "");
}

TEST(SettingsFile, DefaultPathIsMatchedInAnyLetterCaseAndTakenUnchanged) {
  EXPECT_EQ(ParseDefaultPath("defaultpath=E:\\Disc"), "E:\\Disc");
  EXPECT_EQ(ParseDefaultPath("DEFAULTPATH=E:\\Disc\r\n"), "E:\\Disc");
  EXPECT_EQ(ParseDefaultPath("DefaultPath= E:\\Disc \\\r\n"), " E:\\Disc \\");
  EXPECT_EQ(ParseDefaultPath("DefaultPath=C:\\a=b"), "C:\\a=b");
}

TEST(SettingsFile, FirstMatchingLineWinsAndOtherLinesAreIgnored) {
  EXPECT_EQ(ParseDefaultPath("[Section]\nOther=1\nDefaultPath=C:\\One\nDefaultPath=C:\\Two\n"),
            "C:\\One");
  EXPECT_EQ(ParseDefaultPath("Other=1\r\nNoEquals\r\n"), "");
  EXPECT_EQ(ParseDefaultPath(""), "");
  EXPECT_EQ(ParseDefaultPath("DefaultPath="), "");
  EXPECT_EQ(ParseDefaultPath(" DefaultPath=C:\\x"), "") << "the name is not trimmed";
}

TEST(SettingsFile, ASaveSetsDefaultPathAndTheRecentFoldersAndKeepsOtherLines) {
  struct Case {
    std::string before, after;
  };
  for (const Case& c : std::vector<Case>{
           {"", "DefaultPath=C:\\Disc\r\nRecentFolder1=C:\\Disc\r\n"},
           {"Grid=8\nDefaultPath=C:\\Old\ndefaultpath=C:\\Older\nRecentFolder1=C:\\Old\n",
            "Grid=8\r\nDefaultPath=C:\\Disc\r\ndefaultpath=C:\\Older\r\n"
            "RecentFolder1=C:\\Disc\r\nRecentFolder2=C:\\Old\r\n"},
           // Named again in another case, a folder moves to the top instead of doubling.
           {"RecentFolder1=C:\\A\r\nRecentFolder2=c:\\disc\r\nRecentFolder3=C:\\B\r\n",
            "DefaultPath=C:\\Disc\r\nRecentFolder1=C:\\Disc\r\nRecentFolder2=C:\\A\r\n"
            "RecentFolder3=C:\\B\r\n"},
       }) {
    EXPECT_EQ(SettingsFileContents(c.before, "C:\\Disc"), c.after) << c.before;
  }
}

TEST(SettingsFile, TheRecentFoldersAreTheLastEightNewestFirst) {
  std::string settings;
  for (int i = 1; i <= 10; ++i) settings = WithRecentFolder(settings, "C:\\" + std::to_string(i));
  EXPECT_EQ(RecentFolders(settings),
            (std::vector<std::string>{"C:\\10", "C:\\9", "C:\\8", "C:\\7", "C:\\6", "C:\\5",
                                      "C:\\4", "C:\\3"}));
  EXPECT_EQ(ParseDefaultPath(settings), "") << "opening a folder is no save";
}

TEST(RelativeToFolder, FilesInsideTheFolderBecomeBackslashPaths) {
  EXPECT_EQ(RelativeToFolder("C:\\Disc", "C:\\Disc\\setup.exe"), "\\setup.exe");
  EXPECT_EQ(RelativeToFolder("C:\\Disc", "C:\\Disc\\docs\\en\\read.txt"), "\\docs\\en\\read.txt");
  EXPECT_EQ(RelativeToFolder("C:\\", "C:\\a.txt"), "a.txt");
}

TEST(RelativeToFolder, EverythingElseIsRefused) {
  EXPECT_EQ(RelativeToFolder("C:\\Disc", "C:\\Disc2\\setup.exe"), "") << "sibling folder";
  EXPECT_EQ(RelativeToFolder("C:\\Disc", "c:\\disc\\setup.exe"), "") << "letter case counts";
  EXPECT_EQ(RelativeToFolder("C:\\Disc", "D:\\setup.exe"), "");
  EXPECT_EQ(RelativeToFolder("C:\\Disc", "C:\\Disc"), "") << "the folder itself";
  EXPECT_EQ(RelativeToFolder("C:\\Disc", "C:\\Di"), "") << "shorter than the folder";
  EXPECT_EQ(RelativeToFolder("", "C:\\Disc\\setup.exe"), "") << "no CD folder";
  EXPECT_EQ(RelativeToFolder("C:\\", "C:\\"), "");
}

TEST(CompareIgnoringAsciiCase, OrdersAsTheUpperCaseCopiesWould) {
  const char* texts[] = {"", "a", "B", "ab", "AB_", "a\\b", "a~", "\xE4", "\xC4", "z"};
  for (const char* a : texts) {
    for (const char* b : texts) {
      const int copies = UpperAscii(a).compare(UpperAscii(b));
      const int order = CompareIgnoringAsciiCase(a, b);
      EXPECT_EQ((order > 0) - (order < 0), (copies > 0) - (copies < 0)) << a << " " << b;
    }
  }
}

TEST(Joined, PartsAndNumbersMakeOneSentence) {
  EXPECT_EQ(Joined({"The file holds ", Decimal(4294967296, true), " bytes, ", Decimal(0), "."}),
            "The file holds 4,294,967,296 bytes, 0.");
  EXPECT_EQ(Joined({Decimal(999, true), " ", Decimal(1000, true), " ", Decimal(UINT64_MAX)}),
            "999 1,000 18446744073709551615");
  EXPECT_EQ(Joined({}), "");
}

}  // namespace
}  // namespace core
