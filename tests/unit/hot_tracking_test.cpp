// Hot tracking: the hot look on entering, the normal look on leaving, one pass per move.
#include <gtest/gtest.h>

#include "core/project_ops.h"
#include "fake_desktop.h"
#include "player/hot_tracking.h"

namespace player {
namespace {

using testing_support::TestApp;

class NamedPicture : public ui::Picture {
 public:
  explicit NamedPicture(int32_t id) : id_(id) {}
  ui::Size GetSize() const override { return {id_, id_}; }
  std::unique_ptr<ui::Picture> Clone() const override {
    return std::make_unique<NamedPicture>(id_);
  }

 private:
  int32_t id_;
};

class HotTracking : public ::testing::Test {
 protected:
  HotTracking() {
    label = &core::AddNewObject(t.app, core::kKindLabel, {0, 0});
    label->HotFont.color = 0x0000FF;
    core::BindObjectMedia(t.app, *label);
    button = &core::AddNewObject(t.app, core::kKindButton, {0, 0});
    button->HotFont.style = ui::kFontBold;
    image = &core::AddNewObject(t.app, core::kKindImage, {0, 0});
  }
  bool Move(int index) { return UpdateHot(t.app.Project, index, t.presentation.DefaultGlyph()); }

  TestApp t;
  core::AutoObjectType* label;
  core::AutoObjectType* button;
  core::AutoObjectType* image;
};

TEST_F(HotTracking, ALabelTakesItsHotFontAndGivesItBackOverTheBackground) {
  EXPECT_TRUE(Move(0));
  EXPECT_EQ(core::LabelOf(*label)->Font.color, 0x0000FFu);
  EXPECT_TRUE(label->Hot);
  EXPECT_FALSE(Move(0)) << "moving within the object changes nothing";
  EXPECT_TRUE(Move(-1));
  EXPECT_EQ(core::LabelOf(*label)->Font, label->NormalFont);
  EXPECT_FALSE(label->Hot);
}

TEST_F(HotTracking, MovingStraightOntoAnotherObjectSwapsBothInOnePass) {
  Move(0);
  EXPECT_TRUE(Move(1));
  EXPECT_EQ(core::LabelOf(*label)->Font, label->NormalFont);
  EXPECT_EQ(core::ButtonOf(*button)->Font.style, ui::kFontBold);
  EXPECT_FALSE(label->Hot);
  EXPECT_TRUE(button->Hot);
  int hot = 0;
  for (auto& o : t.app.Project.Objects) hot += o->Hot ? 1 : 0;
  EXPECT_EQ(hot, 1);
}

TEST_F(HotTracking, ButtonGlyphsSwapAndFallBackToTheDefaultGlyph) {
  ui::SpeedButton& b = *core::ButtonOf(*button);
  Move(1);
  EXPECT_EQ(b.Glyph, t.presentation.DefaultGlyph()) << "no hot glyph: the glyph stays";
  Move(-1);
  button->HotGlyph = std::make_unique<ui::PixelBitmap>(2, 2, 0x00FF0000);
  Move(1);
  EXPECT_EQ(b.Glyph, *button->HotGlyph);
  Move(-1);
  EXPECT_EQ(b.Glyph, t.presentation.DefaultGlyph()) << "no normal glyph: back to the default";
  button->NormalGlyph = std::make_unique<ui::PixelBitmap>(3, 3, 0x000000FF);
  Move(1);
  Move(0);
  EXPECT_EQ(b.Glyph, *button->NormalGlyph);
}

TEST_F(HotTracking, AHotPictureWithoutANormalOneStaysAfterTheMouseLeaves) {
  ui::ImageControl& i = *core::ImageOf(*image);
  image->HotPicture = std::make_unique<NamedPicture>(7);
  Move(2);
  ASSERT_NE(i.Picture, nullptr);
  EXPECT_EQ(i.Picture->GetSize().width, 7);
  Move(-1);
  ASSERT_NE(i.Picture, nullptr);
  EXPECT_EQ(i.Picture->GetSize().width, 7);
  image->NormalPicture = std::make_unique<NamedPicture>(3);
  Move(2);
  Move(-1);
  EXPECT_EQ(i.Picture->GetSize().width, 3);
}

}  // namespace
}  // namespace player
