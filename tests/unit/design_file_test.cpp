// The changed-file decision (whether a save asks, whether coming back offers the new design),
// which files Save As takes along, and the key by which designers tell a folder apart.
#include <gtest/gtest.h>

#include "core/disc_check.h"
#include "core/project_ops.h"
#include "designer/design_file.h"
#include "fake_desktop.h"

namespace designer {
namespace {

using enum SaveQuestion;

TEST(DesignFile, AskAndOfferWhenTheFileIsAnotherThanTheOneKnown) {
  const FileFacts none, read = core::fs::FileInfo{100, 1000}, later = core::fs::FileInfo{100, 1001},
                        larger = core::fs::FileInfo{101, 1000};
  const struct {
    FileFacts known;
    bool read_whole;
    FileFacts offered;
    FileFacts now;
    bool modified;
    SaveQuestion question;
    bool offers;
  } cases[] = {
      {read, true, none, read, false, None, false},
      {read, true, none, later, false, ChangedByAnother, true},
      {read, true, none, larger, true, ChangedByAnother, false},  // the author's changes stay
      {none, true, none, read, false, ChangedByAnother, true},    // made where there was none
      {read, true, none, none, false, None, false},               // deleted: nothing to lose
      {read, false, none, read, false, ReadIncompletely, false},
      {read, false, none, later, true, ChangedByAnother, false},
      {read, true, later, later, false, ChangedByAnother, false},  // offered once
      {read, true, later, larger, false, ChangedByAnother, true},  // and again when it changes
  };
  for (const auto& c : cases) {
    const DesignFileRecord record{c.known, c.read_whole, c.offered};
    EXPECT_EQ(QuestionBeforeSave(record, c.now), c.question) << &c - cases;
    EXPECT_EQ(OffersReload(record, c.now, c.modified), c.offers) << &c - cases;
  }
  EXPECT_STREQ(SaveQuestionText(ReadIncompletely),
               "AutoRun.ard could not be read completely. Replace it with this design?");
}

TEST(DesignFile, SaveAsCopiesTheNamedFilesTheNewFolderLacks) {
  testing_support::TempFolder from, to;
  for (const char* file : {"pics\\logo.jpg", "docs\\a.txt"})
    core::fs::MakeFoldersAbove(from.File(file));
  for (const char* file :
       {"pics\\logo.jpg", "click.wav", "menu.ico", "docs\\a.txt", "AutoRun.ico"}) {
    from.Write(file, file);
  }
  to.Write("click.wav", "kept");
  testing_support::TestApp t;
  core::AddNewObject(t.app, core::kKindImage, {0, 0}).ImageFile = "\\pics\\logo.jpg";
  auto& button = core::AddNewObject(t.app, core::kKindButton, {0, 0});
  button.HotGlyphFile = "pics\\..\\pics\\logo.jpg";  // named twice, copied once
  button.GlyphFile = "C:\\outside.bmp";
  button.Link = {"\\click.wav", core::kActionOpenFile, 1, "\\docs", "", "\\docs"};
  t.app.Project.IconFile = "menu.ico";
  t.app.Project.StartSoundFile = "\\gone.wav";
  const std::vector<std::string> files =
      FilesToCopy(core::FilesTheDesignNames(t.app), from.Path(), to.Path());
  EXPECT_EQ(files, (std::vector<std::string>{"menu.ico", "pics\\logo.jpg"}));
  EXPECT_EQ(CopyFiles(files, from.Path(), to.Path()), "");
  EXPECT_EQ(to.Read("pics\\logo.jpg"), "pics\\logo.jpg");
  EXPECT_EQ(to.Read("click.wav"), "kept");
  EXPECT_EQ(CopyFiles({"gone.wav"}, from.Path(), to.Path()), to.File("gone.wav"));
}

TEST(DesignFile, OneFolderHasOneKeyHoweverItIsSpelt) {
  const struct {
    const char* a;
    const char* b;
    bool same;
  } cases[] = {
      {"C:\\Menu CD", "c:\\menu cd\\", true}, {"C:\\Menu CD", "C:/Menu CD", true},
      {"D:\\Диск", "d:\\дИСК", true},         {"C:\\Menu CD", "C:\\Menu CD 2", false},
      {"C:\\Menu", "D:\\Menu", false},
  };
  for (const auto& c : cases) {
    EXPECT_EQ(FolderKey(c.a) == FolderKey(c.b), c.same) << c.a << " " << c.b;
  }
}

}  // namespace
}  // namespace designer
