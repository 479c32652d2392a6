// The project file: byte layout, round trips of every stored field, and the reader's checks.
#include <gtest/gtest.h>

#include "core/byte_stream.h"
#include "core/project_file.h"
#include "core/project_ops.h"
#include "fake_desktop.h"
#include "sample_project.h"

namespace core {
namespace {

using testing_support::FillSampleProject;
using testing_support::TempFolder;
using testing_support::TestApp;

void ExpectSameControl(const ui::Control& a, const ui::Control& b) {
  EXPECT_EQ(a.BoundsRect(), b.BoundsRect());
  EXPECT_EQ(a.Name, b.Name);
  EXPECT_EQ(a.Hint, b.Hint);
}

void ExpectSameObject(const AutoObjectType& a, const AutoObjectType& b) {
  EXPECT_EQ(a.Kind, b.Kind);
  EXPECT_EQ(a.Link, b.Link);
  EXPECT_EQ(a.Reserved, b.Reserved);
  EXPECT_EQ(a.HotGlyphFile, b.HotGlyphFile);
  EXPECT_EQ(a.HotImageFile, b.HotImageFile);
  EXPECT_EQ(a.HotFont, b.HotFont);
  EXPECT_EQ(a.GlyphFile, b.GlyphFile);
  EXPECT_EQ(a.ImageFile, b.ImageFile);
  ExpectSameControl(*a.Control, *b.Control);
  if (const auto* la = LabelOf(a), *lb = LabelOf(b); la && lb) {
    EXPECT_EQ(la->Alignment, lb->Alignment);
    EXPECT_EQ(la->AutoSize, lb->AutoSize);
    EXPECT_EQ(la->Caption, lb->Caption);
    EXPECT_EQ(la->Color, lb->Color);
    EXPECT_EQ(la->Font, lb->Font);
    EXPECT_EQ(la->Layout, lb->Layout);
    EXPECT_EQ(la->Transparent, lb->Transparent);
    EXPECT_EQ(la->WordWrap, lb->WordWrap);
    EXPECT_FALSE(lb->ParentColor);
  } else if (const auto* ba = ButtonOf(a), *bb = ButtonOf(b); ba && bb) {
    EXPECT_EQ(ba->Caption, bb->Caption);
    EXPECT_EQ(ba->Flat, bb->Flat);
    EXPECT_EQ(ba->Font, bb->Font);
    EXPECT_EQ(ba->Layout, bb->Layout);
    EXPECT_EQ(ba->Margin(), bb->Margin());
    EXPECT_EQ(ba->Spacing, bb->Spacing);
    EXPECT_EQ(ba->Transparent, bb->Transparent);
  } else if (const auto* ia = ImageOf(a), *ib = ImageOf(b); ia && ib) {
    EXPECT_EQ(ia->AutoSize, ib->AutoSize);
    EXPECT_EQ(ia->Center, ib->Center);
    EXPECT_EQ(ia->Stretch, ib->Stretch);
    EXPECT_EQ(ia->Transparent, ib->Transparent);
  } else {
    ADD_FAILURE() << "controls of different kinds";
  }
}

void ExpectSameStoredProject(const AppState& a, const AppState& b) {
  const AutoFormType& p = a.Project;
  const AutoFormType& q = b.Project;
  EXPECT_EQ(p.IconFile, q.IconFile);
  EXPECT_EQ(p.StartSoundFile, q.StartSoundFile);
  EXPECT_EQ(p.StartLink, q.StartLink);
  EXPECT_EQ(p.BackColor, q.BackColor);
  EXPECT_EQ(p.GradientColor, q.GradientColor);
  EXPECT_EQ(p.GradientStyle, q.GradientStyle);
  EXPECT_EQ(p.Window->BorderIcons(), q.Window->BorderIcons());
  EXPECT_EQ(p.Window->BorderStyle(), q.Window->BorderStyle());
  EXPECT_EQ(p.Window->BorderWidth(), q.Window->BorderWidth());
  EXPECT_EQ(p.Window->Caption(), q.Window->Caption());
  EXPECT_EQ(p.Window->Width(), q.Window->Width());
  EXPECT_EQ(p.Window->Height(), q.Window->Height());
  EXPECT_EQ(p.Window->Position(), q.Window->Position());
  EXPECT_EQ(p.Window->WindowState(), q.Window->WindowState());
  EXPECT_EQ(p.Window->TransparentColor(), q.Window->TransparentColor());
  EXPECT_EQ(p.Window->TransparentColorValue(), q.Window->TransparentColorValue());
  EXPECT_EQ(p.Panel->BorderStyle, q.Panel->BorderStyle);
  EXPECT_EQ(p.Panel->BevelInner, q.Panel->BevelInner);
  EXPECT_EQ(p.Panel->BevelOuter, q.Panel->BevelOuter);
  EXPECT_EQ(p.Panel->BevelWidth, q.Panel->BevelWidth);
  EXPECT_EQ(p.Panel->BorderWidth, q.Panel->BorderWidth);
  ASSERT_EQ(p.Objects.size(), q.Objects.size());
  for (size_t i = 0; i < p.Objects.size(); ++i) {
    SCOPED_TRACE("object " + std::to_string(i));
    ExpectSameObject(*p.Objects[i], *q.Objects[i]);
  }
}

std::vector<uint8_t> Encode(const AppState& app) {
  auto bytes = EncodeProject(app);
  EXPECT_TRUE(bytes.has_value());
  return bytes.value_or(std::vector<uint8_t>{});
}

TEST(ProjectFile, NewEmptyProjectIs181BytesLaidOutAsSpecifiedFormat) {
  TestApp t;
  ApplyNewProjectDefaults(t.app);
  const auto bytes = Encode(t.app);
  ASSERT_EQ(bytes.size(), 181u);
  EXPECT_EQ(std::vector<uint8_t>(bytes.begin(), bytes.begin() + 4),
            (std::vector<uint8_t>{0x55, 0xAA, 0xAA, 0x55}));
  // Fields 1-5: two empty strings, blue, white, style 1.
  const std::vector<uint8_t> head{0,    0,    0,    0,    0,    0,    0,    0, 0x00,
                                  0x00, 0xFF, 0x00, 0xFF, 0xFF, 0xFF, 0x00, 1};
  EXPECT_EQ(std::vector<uint8_t>(bytes.begin() + 4, bytes.begin() + 21), head);
  // The start link: action 0, show code 1, four empty strings.
  const std::vector<uint8_t> link{0, 1, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0};
  EXPECT_EQ(std::vector<uint8_t>(bytes.begin() + 21, bytes.begin() + 42), link);
  // The window caption follows BorderIcons, BorderStyle and BorderWidth.
  EXPECT_EQ(std::string(bytes.begin() + 52, bytes.begin() + 59), "AutoRun");
  // Object count 0 ends the project block at 4 + 93.
  EXPECT_EQ(std::vector<uint8_t>(bytes.begin() + 93, bytes.begin() + 97),
            (std::vector<uint8_t>{0, 0, 0, 0}));
}

TEST(ProjectFile, EveryStoredFieldOfEveryKindSurvivesARoundTrip) {
  TempFolder dir;
  TestApp saved;
  FillSampleProject(saved.app);
  ASSERT_TRUE(SaveProjectFile(saved.app, dir.File("AutoRun.ard")));

  TestApp loaded;
  loaded.app.CDFolder = dir.Path();
  ASSERT_TRUE(LoadProject(loaded.app, dir.File("AutoRun.ard")));
  ExpectSameStoredProject(saved.app, loaded.app);
  // The sample's glyph and picture files do not exist: binding reports each, nothing else.
  std::vector<std::string> texts;
  for (const auto& m : loaded.platform.messages) texts.push_back(m.text);
  const auto missing = [&](const char* name) {
    return "File \"" + dir.File(name) + "\" not found";
  };
  EXPECT_EQ(texts, (std::vector<std::string>{missing("glyph1.bmp"), missing("hotglyph1.bmp"),
                                             missing("image2.jpeg"), missing("hotimage2.jpg")}));
  const auto& objects = loaded.app.Project.Objects;
  for (size_t i = 0; i < objects.size(); ++i) {
    EXPECT_EQ(objects[i]->Control->Tag, static_cast<int32_t>(i));
    EXPECT_EQ(objects[i]->Control->Parent(), &loaded.panel1);
    EXPECT_FALSE(objects[i]->Selected);
    EXPECT_FALSE(objects[i]->Hot);
    EXPECT_EQ(loaded.panel1.Children()[i], objects[i]->Control.get()) << "stacking = list order";
  }
  EXPECT_EQ(loaded.presentation.attaches, 1) << "media bound and attached once";
  EXPECT_EQ(loaded.panel1.Color, saved.app.Project.BackColor) << "window look applied";
}

TEST(ProjectFile, NormalFontIsStoredAsItsOwnField) {
  // The label's control font and the object's normal font are both written; the reader takes
  // the stored normal font, and media binding then replaces it by a copy of the control's.
  TestApp saved;
  FillSampleProject(saved.app);
  const auto bytes = Encode(saved.app);
  TestApp loaded;
  ASSERT_TRUE(DecodeProject(loaded.app, bytes.data(), bytes.size()));
  EXPECT_EQ(loaded.app.Project.Objects[0]->NormalFont,
            LabelOf(*loaded.app.Project.Objects[0])->Font);
}

TEST(ProjectFile, TwoSavesDifferOnlyInTheTrailingWords) {
  TestApp t;
  FillSampleProject(t.app);
  const auto first = Encode(t.app);
  const auto second = Encode(t.app);
  ASSERT_EQ(first.size(), second.size());
  EXPECT_TRUE(std::equal(first.begin(), first.end() - 84, second.begin()));
  EXPECT_NE(first, second) << "the filler holds tick counts read afresh";
}

TEST(ProjectFile, StoredPositionIsIgnoredAndTheWindowCentred) {
  TestApp saved;
  ApplyNewProjectDefaults(saved.app);
  saved.window.SetBounds(10, 10, 600, 420);
  const auto bytes = Encode(saved.app);

  TestApp loaded;
  ASSERT_TRUE(DecodeProject(loaded.app, bytes.data(), bytes.size()));
  EXPECT_EQ(loaded.window.BoundsRect(), ui::Rect::FromBounds(212, 174, 600, 420));

  saved.window.SetBounds(0, 0, 1001, 420);
  const auto wide = Encode(saved.app);
  TestApp small_screen;
  small_screen.platform.screen = {800, 600};
  ASSERT_TRUE(DecodeProject(small_screen.app, wide.data(), wide.size()));
  EXPECT_EQ(small_screen.window.Left(), -100) << "division truncates toward zero";
}

TEST(ProjectFile, CursorFollowsTheLinkAction) {
  TestApp saved;
  AddNewObject(saved.app, kKindLabel, {0, 0});
  AddNewObject(saved.app, kKindButton, {0, 0}).Link.Action = kActionExit;
  const auto bytes = Encode(saved.app);
  TestApp loaded;
  ASSERT_TRUE(DecodeProject(loaded.app, bytes.data(), bytes.size()));
  EXPECT_EQ(loaded.app.Project.Objects[0]->Control->Cursor, ui::Cursor::Default);
  EXPECT_EQ(loaded.app.Project.Objects[1]->Control->Cursor, ui::Cursor::HandPoint);
}

TEST(ProjectFile, LoadingReplacesTheObjectsOfTheCurrentProject) {
  TestApp t;
  FillSampleProject(t.app);
  const auto bytes = Encode(t.app);
  ASSERT_TRUE(DecodeProject(t.app, bytes.data(), bytes.size()));
  EXPECT_EQ(t.app.Project.Objects.size(), 3u);
  EXPECT_EQ(t.panel1.Children().size(), 3u);
}

std::vector<uint8_t> WithObjectCount(std::vector<uint8_t> bytes, int32_t count) {
  // The object count is the last word of the project block of an object-less project.
  const size_t at = bytes.size() - 84 - 4;
  for (int i = 0; i < 4; ++i) bytes[at + i] = static_cast<uint8_t>(uint32_t(count) >> (8 * i));
  return bytes;
}

TEST(ProjectFile, ZeroOrNegativeObjectCountsGiveAnEmptyList) {
  TestApp saved;
  ApplyNewProjectDefaults(saved.app);
  const auto bytes = Encode(saved.app);
  for (int32_t count : {0, -1, -2147483647 - 1}) {
    TestApp loaded;
    AddNewObject(loaded.app, kKindLabel, {0, 0});
    const auto edited = WithObjectCount(bytes, count);
    EXPECT_TRUE(DecodeProject(loaded.app, edited.data(), edited.size())) << count;
    EXPECT_TRUE(loaded.app.Project.Objects.empty());
    EXPECT_TRUE(loaded.platform.messages.empty());
  }
}

TEST(ProjectFile, UnknownKindEndsTheReadWithoutAMessage) {
  TestApp saved;
  ApplyNewProjectDefaults(saved.app);
  AddNewObject(saved.app, kKindLabel, {0, 0});
  auto bytes = Encode(saved.app);
  bytes[4 + 93] = 3;  // the first object's Kind
  TestApp loaded;
  EXPECT_FALSE(DecodeProject(loaded.app, bytes.data(), bytes.size()));
  EXPECT_TRUE(loaded.platform.messages.empty());
  EXPECT_TRUE(loaded.app.Project.Objects.empty()) << "the half-read object is not kept";
  EXPECT_TRUE(loaded.panel1.Children().empty());
}

TEST(ProjectFile, WriterRefusesAnUnknownKindAndKeepsThePreviousFile) {
  TempFolder dir;
  dir.Write("AutoRun.ard", "previous");
  TestApp t;
  AddNewObject(t.app, kKindLabel, {0, 0}).Kind = 9;
  EXPECT_FALSE(SaveProjectFile(t.app, dir.File("AutoRun.ard")));
  EXPECT_TRUE(t.platform.messages.empty());
  EXPECT_EQ(dir.Read("AutoRun.ard"), "previous");
}

}  // namespace
}  // namespace core
