// List upkeep, media binding, the window look, and new-project and new-object values.
#include <gtest/gtest.h>

#include "core/messages.h"
#include "core/project_ops.h"
#include "fake_desktop.h"

namespace core {
namespace {

using testing_support::ShownMessage;
using testing_support::TempFolder;
using testing_support::TestApp;

const ui::MessageIcon kError = ui::MessageIcon::Error;

TEST(ObjectList, RemovingTheMiddleObjectRenumbersTheRest) {
  TestApp t;
  AutoObjectType& a = AddNewObject(t.app, kKindLabel, {1, 1});
  AutoObjectType& b = AddNewObject(t.app, kKindButton, {2, 2});
  AutoObjectType& c = AddNewObject(t.app, kKindImage, {3, 3});
  EXPECT_EQ(c.Control->Tag, 2);

  RemoveObject(t.app, &b);
  ASSERT_EQ(t.app.Project.Objects.size(), 2u);
  EXPECT_EQ(t.app.Project.Objects[0].get(), &a);
  EXPECT_EQ(t.app.Project.Objects[1].get(), &c);
  EXPECT_EQ(c.Control->Tag, 1);
  EXPECT_EQ(t.panel1.Children().size(), 2u) << "the removed control left the inner panel";
}

TEST(ObjectList, RemovingAnObjectThatIsNotListedChangesNothing) {
  TestApp t;
  AddNewObject(t.app, kKindLabel, {1, 1});
  AutoObjectType stranger;
  RemoveObject(t.app, &stranger);
  EXPECT_EQ(t.app.Project.Objects.size(), 1u);
}

TEST(ObjectList, ClearingEmptiesTheListAndThePanel) {
  TestApp t;
  AddNewObject(t.app, kKindButton, {0, 0});
  AddNewObject(t.app, kKindImage, {0, 0});
  ClearObjects(t.app);
  EXPECT_TRUE(t.app.Project.Objects.empty());
  EXPECT_TRUE(t.panel1.Children().empty());
}

TEST(ObjectList, RenumberFollowsAChangedOrder) {
  TestApp t;
  AddNewObject(t.app, kKindLabel, {0, 0});
  AddNewObject(t.app, kKindLabel, {0, 0});
  AddNewObject(t.app, kKindLabel, {0, 0});
  auto& objects = t.app.Project.Objects;
  std::swap(objects[0], objects[2]);
  Renumber(t.app.Project);
  for (size_t i = 0; i < objects.size(); ++i) EXPECT_EQ(objects[i]->Control->Tag, int32_t(i));
}

TEST(NewObject, EachKindStartsWithItsDefaults) {
  TestApp t;
  AutoObjectType& label = AddNewObject(t.app, kKindLabel, {10, 20});
  const ui::Label* l = LabelOf(label);
  ASSERT_NE(l, nullptr);
  EXPECT_EQ(l->Caption, "New Label");
  EXPECT_FALSE(l->AutoSize);
  EXPECT_TRUE(l->Transparent);
  EXPECT_TRUE(l->WordWrap);
  EXPECT_FALSE(l->ParentColor);
  EXPECT_EQ(l->BoundsRect(), ui::Rect::FromBounds(10, 20, 65, 17));

  AutoObjectType& button = AddNewObject(t.app, kKindButton, {5, 6});
  const ui::SpeedButton* b = ButtonOf(button);
  ASSERT_NE(b, nullptr);
  EXPECT_EQ(b->Caption, "New Button");
  EXPECT_EQ(b->BoundsRect(), ui::Rect::FromBounds(5, 6, 120, 40));
  EXPECT_EQ(b->Glyph, t.presentation.DefaultGlyph()) << "binding gives it the default glyph";
  EXPECT_EQ(button.NormalGlyph, nullptr);

  AutoObjectType& image = AddNewObject(t.app, kKindImage, {7, 8});
  ASSERT_NE(ImageOf(image), nullptr);
  EXPECT_EQ(ImageOf(image)->BoundsRect(), ui::Rect::FromBounds(7, 8, 105, 105));
  EXPECT_EQ(ImageOf(image)->Picture, nullptr);

  for (AutoObjectType* o : {&label, &button, &image}) {
    EXPECT_EQ(o->Link, TCommand{});
    EXPECT_EQ(o->Link.ShowCommand, 1);
    EXPECT_EQ(o->HotFont, ui::DefaultFont());
    EXPECT_TRUE(o->Reserved.empty() && o->GlyphFile.empty() && o->HotGlyphFile.empty() &&
                o->ImageFile.empty() && o->HotImageFile.empty());
    EXPECT_FALSE(o->Hot);
    EXPECT_EQ(o->Control->Parent(), &t.panel1);
  }
  EXPECT_FALSE(label.Selected) << "a new object deselects the others";
  EXPECT_FALSE(button.Selected);
  EXPECT_TRUE(image.Selected);
}

TEST(NewProject, DefaultsAndCentring) {
  TestApp t;
  AddNewObject(t.app, kKindLabel, {0, 0});
  t.window.SetBorderIcons(ui::kIconSystemMenu | ui::kIconMinimize);
  t.window.SetTransparentColor(true);
  t.app.Project.IconFile = "\\x.ico";
  t.app.Project.StartLink.Action = kActionExit;
  t.panel.BevelOuter = ui::kBevelRaised;

  ApplyNewProjectDefaults(t.app);
  const AutoFormType& p = t.app.Project;
  EXPECT_TRUE(p.Objects.empty());
  EXPECT_EQ(t.window.Caption(), "AutoRun");
  EXPECT_EQ(t.window.BorderStyle(), ui::kBorderSizeable);
  EXPECT_EQ(t.window.BoundsRect(), ui::Rect::FromBounds(212, 174, 600, 420));
  EXPECT_FALSE(t.window.TransparentColor());
  EXPECT_EQ(t.window.TransparentColorValue(), 0u);
  EXPECT_EQ(t.window.BorderIcons(), ui::kIconSystemMenu | ui::kIconMinimize) << "kept";
  EXPECT_TRUE(p.IconFile.empty() && p.StartSoundFile.empty());
  EXPECT_EQ(p.StartLink, TCommand{});
  EXPECT_EQ(p.BackColor, 0xFF0000u);
  EXPECT_EQ(p.GradientColor, 0xFFFFFFu);
  EXPECT_EQ(p.GradientStyle, kGradientBottomTop);
  EXPECT_EQ(t.panel.BevelInner, ui::kBevelNone);
  EXPECT_EQ(t.panel.BevelOuter, ui::kBevelNone);
  EXPECT_EQ(t.panel.BevelWidth, 1);
  EXPECT_EQ(t.panel.BorderWidth, 0);
  EXPECT_EQ(t.panel.BorderStyle, ui::kPanelBorderNone);
  EXPECT_EQ(t.panel1.Color, 0xFF0000u) << "the window look was applied";
  EXPECT_EQ(t.presentation.renders, 1);
  EXPECT_EQ(t.presentation.icon, "<application>");
}

class MediaBinding : public ::testing::Test {
 protected:
  MediaBinding() { t.app.CDFolder = dir.Path(); }
  TempFolder dir;
  TestApp t;
};

TEST_F(MediaBinding, ButtonWithoutGlyphFileShowsTheDefaultGlyph) {
  AutoObjectType& b = AddNewObject(t.app, kKindButton, {0, 0});
  ButtonOf(b)->Font.color = 0x123456;
  BindObjectMedia(t.app, b);
  EXPECT_EQ(ButtonOf(b)->Glyph, t.presentation.DefaultGlyph());
  EXPECT_EQ(b.NormalGlyph, nullptr);
  EXPECT_EQ(b.NormalFont.color, 0x123456u) << "the normal font is a copy of the control's";
  EXPECT_TRUE(t.platform.messages.empty());
}

TEST_F(MediaBinding, MissingGlyphFilesAreReportedWithTheirFullPath) {
  AutoObjectType& b = AddNewObject(t.app, kKindButton, {0, 0});
  b.GlyphFile = "\\gone.bmp";
  b.HotGlyphFile = "\\hot-gone.bmp";
  BindObjectMedia(t.app, b);
  EXPECT_EQ(t.platform.messages,
            (std::vector<ShownMessage>{
                {"File \"" + dir.Path() + "\\gone.bmp\" not found", "Error", kError},
                {"File \"" + dir.Path() + "\\hot-gone.bmp\" not found", "Error", kError}}));
  EXPECT_EQ(ButtonOf(b)->Glyph, t.presentation.DefaultGlyph());
  EXPECT_EQ(b.NormalGlyph, nullptr);
  EXPECT_EQ(b.HotGlyph, nullptr);
}

TEST_F(MediaBinding, GlyphsLoadFromCdRelativeAndAbsoluteNames) {
  dir.Write("up.bmp", "12345");
  dir.Write("hot.bmp", "123");
  AutoObjectType& b = AddNewObject(t.app, kKindButton, {0, 0});
  b.GlyphFile = "\\up.bmp";
  b.HotGlyphFile = dir.File("hot.bmp");  // absolute: used unchanged
  BindObjectMedia(t.app, b);
  ASSERT_NE(b.NormalGlyph, nullptr);
  ASSERT_NE(b.HotGlyph, nullptr);
  EXPECT_EQ(b.NormalGlyph->At(0, 0), 5u);
  EXPECT_EQ(b.HotGlyph->At(0, 0), 3u);
  EXPECT_EQ(ButtonOf(b)->Glyph, *b.NormalGlyph);
  EXPECT_EQ(t.platform.loaded, (std::vector<std::string>{dir.File("up.bmp"), dir.File("hot.bmp")}));
}

TEST_F(MediaBinding, UnreadableGlyphIsReportedAndFallsBackToTheDefault) {
  dir.Write("broken.bad", "xx");
  AutoObjectType& b = AddNewObject(t.app, kKindButton, {0, 0});
  b.GlyphFile = "\\broken.bad";
  BindObjectMedia(t.app, b);
  EXPECT_EQ(t.platform.messages,
            (std::vector<ShownMessage>{
                {"File \"" + dir.Path() + "\\broken.bad\" is no picture Quorvane can show", "Error",
                 kError}}));
  b.HotGlyphFile = "\\broken.bad";
  BindObjectMedia(t.app, b, MissingFiles::Quiet);
  EXPECT_EQ(t.platform.messages.size(), 1u) << "undo and redo report nothing";
  EXPECT_EQ(ButtonOf(b)->Glyph, t.presentation.DefaultGlyph());
  EXPECT_EQ(b.NormalGlyph, nullptr);
}

TEST_F(MediaBinding, MissingPictureGivesExactlyOneMessageAndNoPicture) {
  AutoObjectType& i = AddNewObject(t.app, kKindImage, {0, 0});
  i.ImageFile = "\\gone.jpg";
  BindObjectMedia(t.app, i);
  ASSERT_EQ(t.platform.messages.size(), 1u);
  EXPECT_EQ(t.platform.messages[0].text, "File \"" + dir.Path() + "\\gone.jpg\" not found");
  EXPECT_EQ(ImageOf(i)->Picture, nullptr);
  EXPECT_EQ(i.NormalPicture, nullptr);
}

TEST_F(MediaBinding, UnreadableHotPictureKeepsTheNormalPicture) {
  dir.Write("a.jpg", "1234567");
  dir.Write("hot.bad", "1");
  AutoObjectType& i = AddNewObject(t.app, kKindImage, {0, 0});
  i.ImageFile = "\\a.jpg";
  i.HotImageFile = "\\hot.bad";
  BindObjectMedia(t.app, i);
  ASSERT_EQ(t.platform.messages.size(), 1u);
  EXPECT_EQ(t.platform.messages[0].text,
            "File \"" + dir.Path() + "\\hot.bad\" is no picture Quorvane can show");
  ASSERT_NE(ImageOf(i)->Picture, nullptr);
  EXPECT_EQ(ImageOf(i)->Picture->GetSize().width, 7);
  ASSERT_NE(i.NormalPicture, nullptr);
  EXPECT_EQ(i.HotPicture, nullptr);
}

// The player's second binding of a design it loaded tells a missing file again but not a file
// that is no picture; a paste lists every message once in one box.
TEST_F(MediaBinding, EachWayOfReportingTellsWhatItShould) {
  dir.Write("broken.bad", "xx");
  const std::string gone = FileNotFoundText(dir.File("gone.jpg")),
                    broken = NotAPictureText(dir.File("broken.bad"));
  AutoObjectType& i = AddNewObject(t.app, kKindImage, {0, 0});
  i.ImageFile = "\\gone.jpg";
  i.HotImageFile = "\\broken.bad";
  const std::pair<MissingFiles, std::vector<std::string>> cases[] = {
      {MissingFiles::Report, {gone, broken}},
      {MissingFiles::Again, {gone}},
      {MissingFiles::Quiet, {}}};
  for (const auto& [missing, expected] : cases) {
    t.platform.messages.clear();
    BindObjectMedia(t.app, i, missing);
    std::vector<std::string> shown;
    for (const auto& message : t.platform.messages) shown.push_back(message.text);
    EXPECT_EQ(shown, expected) << static_cast<int>(missing);
  }
  t.platform.messages.clear();
  std::string lines = "\n" + gone;  // another object's: not listed again
  BindObjectMedia(t.app, i, lines);
  EXPECT_EQ(lines, "\n" + gone + "\n" + broken);
  EXPECT_TRUE(t.platform.messages.empty());
}

TEST_F(MediaBinding, ALinkMissesTheFilesItWouldOpenPlayOrPrint) {
  dir.Write("a.txt", "1");
  const std::string cd = dir.Path();
  const struct {
    uint8_t action;
    const char* target;
    const char* start;
    std::string lines;
  } cases[] = {
      {kActionOpenFile, "\\a.txt", "\\", ""},
      {kActionOpenFile, "\\", "", ""},  // a folder opens as well
      {kActionOpenFile, "\\setup.exe", "\\bin",
       "\n" + FileNotFoundText(cd + "\\setup.exe") + "\n" + DirectoryNotFoundText(cd + "\\bin")},
      {kActionPlaySound, "\\", "", "\n" + FileNotFoundText(cd + "\\")},
      {kActionPrintFile, "\\b.txt", "", "\n" + FileNotFoundText(cd + "\\b.txt")},
      {kActionOpenUrl, "\\b.txt", "", ""},
      {kActionPlaySound, "", "", ""},
  };
  for (const auto& c : cases) {
    std::string lines;
    AddMissingLinkFiles(t.app, {"", c.action, kShowNormal, c.target, "", c.start}, lines);
    EXPECT_EQ(lines, c.lines) << c.target;
  }
}

TEST_F(MediaBinding, RebindingAfterTheFileWentAwayClearsThePicture) {
  dir.Write("a.jpg", "1234567");
  AutoObjectType& i = AddNewObject(t.app, kKindImage, {0, 0});
  i.ImageFile = "\\a.jpg";
  BindObjectMedia(t.app, i);
  ASSERT_NE(ImageOf(i)->Picture, nullptr);
  i.ImageFile.clear();
  BindObjectMedia(t.app, i);
  EXPECT_EQ(ImageOf(i)->Picture, nullptr);
  EXPECT_EQ(i.NormalPicture, nullptr);
}

TEST_F(MediaBinding, BindAllBindsEveryObjectThenAttaches) {
  AutoObjectType& label = AddNewObject(t.app, kKindLabel, {0, 0});
  LabelOf(label)->Font.size = 20;
  t.presentation.attaches = 0;
  BindAllObjects(t.app);
  EXPECT_EQ(label.NormalFont.size, 20);
  EXPECT_EQ(t.presentation.attaches, 1);
}

TEST_F(MediaBinding, WindowIconComesFromIconFileElseFromTheCdIcon) {
  t.app.Project.BackColor = 0x00AA00;
  ApplyWindowLook(t.app);
  EXPECT_EQ(t.presentation.icon, "<resource>") << "no icon file: the icon stays as it was";
  EXPECT_EQ(t.panel1.Color, 0x00AA00u);

  dir.Write("AutoRun.ico", "ico");
  t.app.Project.IconFile = "\\missing.ico";
  ApplyWindowLook(t.app);
  EXPECT_EQ(t.presentation.icon, dir.File("AutoRun.ico"));

  dir.Write("own.ico", "ico");
  t.app.Project.IconFile = "\\own.ico";
  ApplyWindowLook(t.app);
  EXPECT_EQ(t.presentation.icon, dir.File("own.ico"));
  EXPECT_EQ(t.presentation.renders, 3);
}

}  // namespace
}  // namespace core
