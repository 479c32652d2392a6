// Painting of the windowless controls: panel bevels and stacking, labels, speed buttons and
// their content placement, images.
#include <gtest/gtest.h>

#include "raster_canvas.h"
#include "ui/button_layout.h"
#include "ui/image_control.h"
#include "ui/label.h"
#include "ui/panel.h"
#include "ui/speed_button.h"

namespace ui {
namespace {

using testing_support::RasterCanvas;

Color Sys(uint8_t index) {
  return RasterCanvas::SystemColorValue(index);
}

TEST(ButtonContent, GlyphLeftWithDefaultSpacingCentresTheWholeAlongTheWidth) {
  const auto p = PlaceButtonContent({120, 40}, {32, 32}, {60, 13}, kGlyphLeft, -1, 4);
  EXPECT_EQ(p.glyph, (Point{12, 4}));  // margin (120 - 96 + 1) div 2
  EXPECT_EQ(p.text, (Point{48, 14}));
}

TEST(ButtonContent, MinusOneSpacingWithMinusOneMarginSplitsTheRoomInThree) {
  const auto p = PlaceButtonContent({120, 40}, {32, 32}, {60, 13}, kGlyphLeft, -1, -1);
  EXPECT_EQ(p.glyph.x, 9);
  EXPECT_EQ(p.text.x, 50);
}

TEST(ButtonContent, MinusOneSpacingCentresTheCaptionBesideTheGlyph) {
  const auto p = PlaceButtonContent({120, 40}, {32, 32}, {60, 13}, kGlyphLeft, 5, -1);
  EXPECT_EQ(p.glyph.x, 5);
  EXPECT_EQ(p.text.x, 48);  // spacing (120 - 37 - 60) div 2 = 11
}

TEST(ButtonContent, OtherSidesMirrorTheRule) {
  auto p = PlaceButtonContent({120, 40}, {32, 32}, {60, 13}, kGlyphRight, 5, 4);
  EXPECT_EQ(p.glyph.x, 83);
  EXPECT_EQ(p.text.x, 19);
  p = PlaceButtonContent({120, 80}, {32, 32}, {60, 13}, kGlyphTop, -1, 4);
  EXPECT_EQ(p.glyph, (Point{44, 16}));
  EXPECT_EQ(p.text, (Point{30, 52}));
  p = PlaceButtonContent({120, 80}, {32, 32}, {60, 13}, kGlyphBottom, 2, 3);
  EXPECT_EQ(p.glyph.y, 46);
  EXPECT_EQ(p.text.y, 30);
}

TEST(ButtonContent, AGlyphAloneIsCentred) {
  const auto p = PlaceButtonContent({120, 40}, {32, 32}, {0, 0}, kGlyphLeft, -1, 4);
  EXPECT_EQ(p.glyph, (Point{44, 4}));
}

TEST(PanelPainting, WidthsOfAnySizeOrSignPaintWithoutFailing) {
  // Typed by the author unchecked: negative widths draw no bevel, huge ones fill the panel.
  for (int32_t width : {-7, 2147483647}) {
    Panel panel;
    panel.SetBounds(0, 0, 30, 20);
    panel.Color = 0x000080;
    panel.BorderStyle = kPanelBorderSingle;
    panel.BevelOuter = kBevelRaised;
    panel.BevelInner = kBevelRaised;
    panel.BevelWidth = width;
    panel.BorderWidth = width;
    RasterCanvas canvas(30, 20);
    panel.Paint(canvas);
    EXPECT_EQ(canvas.ColorAt(15, 10) == Color{0x000080}, width < 0) << width;
  }
}

TEST(PanelPainting, RaisedOuterAndLoweredInnerBevelsAroundTheBorderBand) {
  Panel panel;
  panel.SetBounds(0, 0, 30, 20);
  panel.Color = 0x000080;
  panel.BevelOuter = kBevelRaised;
  panel.BevelInner = kBevelLowered;
  panel.BevelWidth = 2;
  panel.BorderWidth = 3;
  RasterCanvas canvas(30, 20);
  panel.Paint(canvas);
  const Color highlight = Sys(kColorIndexButtonHighlight);
  const Color shadow = Sys(kColorIndexButtonShadow);
  // Outer bevel: highlight on top and left, shadow on right and bottom (two pixels each).
  EXPECT_EQ(canvas.ColorAt(5, 0), highlight);
  EXPECT_EQ(canvas.ColorAt(5, 1), highlight);
  EXPECT_EQ(canvas.ColorAt(0, 10), highlight);
  EXPECT_EQ(canvas.ColorAt(29, 10), shadow);
  EXPECT_EQ(canvas.ColorAt(10, 18), shadow);
  EXPECT_EQ(canvas.ColorAt(29, 0), shadow) << "the top-right corner belongs to the shadow";
  // The band in the panel's colour, then the lowered inner bevel, then the content.
  EXPECT_EQ(canvas.ColorAt(10, 2), Color{0x000080});
  EXPECT_EQ(canvas.ColorAt(10, 4), Color{0x000080});
  EXPECT_EQ(canvas.ColorAt(10, 5), shadow);
  EXPECT_EQ(canvas.ColorAt(10, 6), shadow);
  EXPECT_EQ(canvas.ColorAt(10, 13), highlight);
  EXPECT_EQ(canvas.ColorAt(10, 7), Color{0x000080}) << "content starts 7 pixels in";
  EXPECT_EQ(panel.ContentRect(), (Rect{7, 7, 23, 13}));
}

TEST(PanelPainting, ChildrenPaintInStackingOrderClippedAndSkippedWhenHidden) {
  Panel panel;
  panel.SetBounds(0, 0, 40, 40);
  panel.BevelOuter = kBevelNone;
  panel.Color = 0x111111;
  Label bottom, middle, top, hidden;
  for (Label* l : {&bottom, &middle, &top, &hidden}) {
    l->Transparent = false;
    l->ParentColor = false;
    l->SetParent(&panel);
  }
  bottom.SetBounds(0, 0, 20, 20);
  bottom.Color = 0x0000FF;
  middle.SetBounds(10, 10, 20, 20);
  middle.Color = 0x00FF00;
  top.SetBounds(15, 15, 40, 40);  // reaches past the panel: clipped
  top.Color = 0xFF0000;
  hidden.SetBounds(0, 0, 40, 40);
  hidden.Color = 0xFFFFFF;
  hidden.Visible = false;
  RasterCanvas canvas(50, 50);
  panel.Paint(canvas);
  EXPECT_EQ(canvas.ColorAt(5, 5), Color{0x0000FF});
  EXPECT_EQ(canvas.ColorAt(12, 12), Color{0x00FF00});
  EXPECT_EQ(canvas.ColorAt(18, 18), Color{0xFF0000});
  EXPECT_EQ(canvas.ColorAt(39, 39), Color{0xFF0000});
  EXPECT_EQ(canvas.ColorAt(45, 45), Color{0}) << "nothing outside the panel";
}

TEST(LabelPainting, TransparentLabelsFillNothingAndOthersTheirColour) {
  Panel panel;
  panel.SetBounds(0, 0, 50, 50);
  panel.Color = 0x222222;
  Label label;
  label.SetParent(&panel);
  label.SetBounds(5, 5, 30, 20);
  label.Caption = "Hi";
  label.Transparent = true;
  RasterCanvas canvas(50, 50);
  panel.Paint(canvas);
  EXPECT_EQ(canvas.ColorAt(10, 10), Color{0x222222});
  ASSERT_EQ(canvas.texts.size(), 1u);
  EXPECT_EQ(canvas.texts[0].box, (Rect{5, 5, 35, 25}));

  label.Transparent = false;
  RasterCanvas parent_coloured(50, 50);
  panel.Paint(parent_coloured);
  EXPECT_EQ(parent_coloured.ColorAt(10, 10), Color{0x222222}) << "parent colour while ParentColor";
  label.ParentColor = false;
  label.Color = 0x00FFFF;
  RasterCanvas own(50, 50);
  panel.Paint(own);
  EXPECT_EQ(own.ColorAt(10, 10), Color{0x00FFFF});
}

TEST(LabelPainting, LayoutMovesTheTextDownByItsMeasuredHeight) {
  Label label;
  label.SetBounds(0, 0, 60, 40);
  label.Caption = "abc";
  label.Layout = kLayoutCenter;
  RasterCanvas canvas(60, 40);
  label.Paint(canvas);
  label.Layout = kLayoutBottom;
  label.Paint(canvas);
  ASSERT_EQ(canvas.texts.size(), 2u);
  EXPECT_EQ(canvas.texts[0].box.top, 13);  // (40 - 13) div 2
  EXPECT_EQ(canvas.texts[1].box.top, 27);
}

TEST(LabelSizing, AutoSizeFitsTheCaptionAndKeepsTheWidthWhenWrapping) {
  RasterCanvas canvas(10, 10);
  Label label;
  label.Caption = "twelve chars";
  label.AutoSize = true;
  label.AdjustSize(canvas);
  EXPECT_EQ(label.Width, 72);
  EXPECT_EQ(label.Height, 13);
  label.WordWrap = true;
  label.Width = 36;
  label.AdjustSize(canvas);
  EXPECT_EQ(label.Width, 36);
  EXPECT_EQ(label.Height, 26);
  label.AutoSize = false;
  label.Height = 5;
  label.AdjustSize(canvas);
  EXPECT_EQ(label.Height, 5);
}

TEST(SpeedButtonPainting, GlyphKeyColourIsSeeThroughAndPressedContentMoves) {
  SpeedButton button;
  button.SetBounds(0, 0, 20, 10);
  button.Transparent = false;
  button.Flat = true;
  button.Glyph = PixelBitmap(4, 4, 0x00FF00FF);  // magenta everywhere but one pixel
  button.Glyph.Set(1, 1, 0x00FF0000);
  RasterCanvas canvas(20, 10);
  button.Paint(canvas);
  // Glyph centred: x = (20 - 4 + 1) div 2 = 8, y = (10 - 4 + 1) div 2 = 3.
  EXPECT_EQ(canvas.ColorAt(9, 4), Rgb(255, 0, 0));
  EXPECT_EQ(canvas.ColorAt(8, 3), Sys(kColorIndexButtonFace)) << "magenta is not painted";
  EXPECT_EQ(canvas.ColorAt(0, 0), Sys(kColorIndexButtonFace)) << "flat: no edge at rest";

  button.SetMouseOver(true);
  RasterCanvas hot(20, 10);
  button.Paint(hot);
  EXPECT_EQ(hot.ColorAt(0, 0), Sys(kColorIndexButtonHighlight)) << "raised edge under the mouse";

  button.SetPressedLook(true);
  RasterCanvas pressed(20, 10);
  button.Paint(pressed);
  EXPECT_EQ(pressed.ColorAt(0, 0), Sys(kColorIndexButtonShadow));
  EXPECT_EQ(pressed.ColorAt(10, 5), Rgb(255, 0, 0)) << "content one pixel right and down";
}

TEST(SpeedButtonPainting, ARaisedButtonHasATwoPixelFrameAndATransparentOneNoFace) {
  SpeedButton button;
  button.SetBounds(0, 0, 20, 10);
  button.Transparent = false;
  RasterCanvas canvas(20, 10);
  button.Paint(canvas);
  EXPECT_EQ(canvas.ColorAt(5, 0), Sys(kColorIndexButtonHighlight));
  EXPECT_EQ(canvas.ColorAt(5, 1), Sys(kColorIndexLight));
  EXPECT_EQ(canvas.ColorAt(5, 9), Sys(kColorIndexDarkShadow));
  EXPECT_EQ(canvas.ColorAt(5, 8), Sys(kColorIndexButtonShadow));

  button.Transparent = true;
  button.Flat = true;
  RasterCanvas see_through(20, 10);
  see_through.FillRect({0, 0, 20, 10}, 0x123456);
  button.Paint(see_through);
  EXPECT_EQ(see_through.ColorAt(5, 5), Color{0x123456});
}

class SizedPicture : public Picture {
 public:
  explicit SizedPicture(Size size) : size_(size) {}
  Size GetSize() const override { return size_; }
  std::unique_ptr<Picture> Clone() const override { return std::make_unique<SizedPicture>(size_); }

 private:
  Size size_;
};

TEST(ImagePainting, DisplayStylesPlaceThePicture) {
  ImageControl image;
  image.SetBounds(0, 0, 100, 60);
  EXPECT_EQ(image.PictureRect(), Rect{}) << "no picture";
  image.Picture = std::make_unique<SizedPicture>(Size{40, 20});
  EXPECT_EQ(image.PictureRect(), (Rect{0, 0, 40, 20}));
  image.Center = true;
  EXPECT_EQ(image.PictureRect(), (Rect{30, 20, 70, 40}));
  image.Stretch = true;
  EXPECT_EQ(image.PictureRect(), (Rect{0, 0, 100, 60}));
  image.Transparent = true;
  RasterCanvas canvas(100, 60);
  image.Paint(canvas);
  ASSERT_EQ(canvas.pictures.size(), 1u);
  EXPECT_TRUE(canvas.pictures[0].transparent);
  image.AutoSize = true;
  image.AdjustSize(canvas);
  EXPECT_EQ(image.Width, 40);
  EXPECT_EQ(image.Height, 20);
}

}  // namespace
}  // namespace ui
