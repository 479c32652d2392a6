// The portable toolkit: parenting and stacking, panel geometry, window properties.
#include <gtest/gtest.h>

#include <limits>
#include <memory>

#include "ui/form.h"
#include "ui/label.h"
#include "ui/panel.h"
#include "ui/speed_button.h"
#include "ui/text_direction.h"

namespace ui {
namespace {

TEST(Parenting, NewChildrenGoOnTopAndKeepTheirPlaceWhenParentedAgain) {
  Panel panel;
  Label a, b, c;
  a.SetParent(&panel);
  b.SetParent(&panel);
  c.SetParent(&panel);
  b.SetParent(&panel);
  EXPECT_EQ(panel.Children(), (std::vector<Control*>{&a, &b, &c}));
  {
    Label temporary;
    temporary.SetParent(&panel);
    EXPECT_EQ(panel.Children().size(), 4u);
  }
  EXPECT_EQ(panel.Children().size(), 3u) << "a destroyed control leaves its parent";
  b.SetParent(nullptr);
  EXPECT_EQ(panel.Children(), (std::vector<Control*>{&a, &c}));
}

TEST(Parenting, ManyChildrenLeaveInOnePassAndKeepTheOthersInOrder) {
  Panel panel;
  Label a, b, c, d;
  for (Label* l : {&a, &b, &c, &d}) l->SetParent(&panel);
  panel.DetachChildren({&c, &a});
  EXPECT_EQ(panel.Children(), (std::vector<Control*>{&b, &d}));
  EXPECT_EQ(a.Parent(), nullptr);
  EXPECT_EQ(c.Parent(), nullptr);
  EXPECT_EQ(b.Parent(), &panel);
  a.SetParent(&panel);
  EXPECT_EQ(panel.Children(), (std::vector<Control*>{&b, &d, &a}));
}

TEST(Parenting, ChildrenOutlivingTheirPanelAreLeftWithoutParent) {
  auto label = std::make_unique<Label>();
  {
    Panel panel;
    label->SetParent(&panel);
  }
  EXPECT_EQ(label->Parent(), nullptr);
}

TEST(PanelGeometry, ContentRectShrinksByBorderBandAndEachBevel) {
  Panel panel;
  panel.SetBounds(0, 0, 600, 400);
  panel.BevelOuter = kBevelRaised;
  panel.BevelInner = kBevelLowered;
  panel.BevelWidth = 2;
  panel.BorderWidth = 3;
  EXPECT_EQ(panel.ContentRect(), (Rect{7, 7, 593, 393}));
  panel.BevelInner = kBevelNone;
  EXPECT_EQ(panel.ContentRect(), (Rect{5, 5, 595, 395}));
  panel.BevelOuter = kBevelNone;
  panel.BorderStyle = kPanelBorderSingle;
  EXPECT_EQ(panel.ContentRect(), (Rect{5, 5, 595, 395}));
}

TEST(SpeedButtonMargin, BelowMinusOneIsRefused) {
  SpeedButton button;
  button.SetMargin(4);
  button.SetMargin(-2);
  EXPECT_EQ(button.Margin(), 4);
  button.SetMargin(-1);
  EXPECT_EQ(button.Margin(), -1);
}

class CountingObserver : public Form::Observer {
 public:
  void FormBoundsChanged() override { ++bounds; }
  void FormFrameChanged() override { ++frame; }
  void FormCaptionChanged() override { ++caption; }
  void FormTransparencyChanged() override { ++transparency; }
  int bounds = 0, frame = 0, caption = 0, transparency = 0;
};

TEST(FormProperties, ChangesReachTheObserverOnceAndNoChangeIsSilent) {
  Form form;
  CountingObserver seen;
  form.SetObserver(&seen);
  form.SetHeight(420);
  form.SetWidth(600);
  form.SetWidth(600);
  form.SetCaption("Menu");
  form.SetBorderStyle(kBorderDialog);
  form.SetTransparentColorValue(0xFF00FF);
  form.SetTransparentColor(true);
  EXPECT_EQ(seen.bounds, 2);
  EXPECT_EQ(seen.caption, 1);
  EXPECT_EQ(seen.frame, 1);
  EXPECT_EQ(seen.transparency, 2);
  form.NoteBoundsFromWindow(Rect::FromBounds(1, 2, 3, 4));
  EXPECT_EQ(seen.bounds, 2) << "sizes the window reports are not echoed back";
  EXPECT_EQ(form.Width(), 3);
}

TEST(FormProperties, AnUpdateReportsEachKindOfChangeOnceAtItsEnd) {
  Form form;
  CountingObserver seen;
  form.SetObserver(&seen);
  form.BeginUpdate();
  form.SetHeight(420);
  form.SetWidth(600);
  form.SetBounds(212, 174, 600, 420);
  form.SetCaption("Menu");
  form.SetBorderStyle(kBorderSingle);
  EXPECT_EQ(seen.bounds + seen.caption + seen.frame, 0) << "nothing while updating";
  form.BeginUpdate();
  form.EndUpdate();
  EXPECT_EQ(seen.bounds, 0) << "only the outermost end reports";
  form.EndUpdate();
  EXPECT_EQ(seen.bounds, 1);
  EXPECT_EQ(seen.caption, 1);
  EXPECT_EQ(seen.frame, 1);
  EXPECT_EQ(seen.transparency, 0);
  form.EndUpdate();  // unbalanced: ignored
  form.SetWidth(500);
  EXPECT_EQ(seen.bounds, 2);
}

TEST(FormProperties, CentringTruncatesTowardZero) {
  Form form;
  form.SetBounds(0, 0, 601, 421);
  form.CenterOn({1024, 768});
  EXPECT_EQ(form.BoundsRect(), Rect::FromBounds(211, 173, 601, 421));
  form.SetBounds(0, 0, 1001, 601);
  form.CenterOn({800, 600});
  EXPECT_EQ(form.Left(), -100);
  EXPECT_EQ(form.Top(), 0);
}

TEST(DialogPlace, CentredOverTheDesignerAndKeptInTheWorkArea) {
  const Rect work{0, 0, 1024, 740}, designer{0, 0, 1024, 600}, low{100, 500, 400, 740};
  EXPECT_EQ(CentredOver(designer, {400, 300}, work), (Point{312, 150}));
  EXPECT_EQ(CentredOver(low, {400, 300}, work), (Point{50, 440})) << "up until it fits";
  EXPECT_EQ(CentredOver(work, {1100, 800}, work), (Point{0, 0})) << "its title bar inside";
}

TEST(ExtremeSizes, CentringAndEdgesSaturateInsteadOfOverflowing) {
  constexpr int32_t kMin = std::numeric_limits<int32_t>::min();
  constexpr int32_t kMax = std::numeric_limits<int32_t>::max();
  Form form;
  form.SetBounds(0, 0, kMin, kMax);
  form.CenterOn({1024, 768});
  EXPECT_EQ(form.Left(), 1073742336);  // (1024 + 2^31) / 2
  EXPECT_EQ(form.Top(), -1073741439);  // (768 - (2^31 - 1)) / 2
  EXPECT_EQ(form.Width(), kMin) << "the stored size itself is kept";
  EXPECT_EQ(Rect::FromBounds(kMax, 0, kMax, 1).right, kMax);

  Panel panel;
  panel.SetBounds(0, 0, 100, 100);
  panel.BorderWidth = kMax;
  panel.BevelOuter = kBevelRaised;
  panel.BevelWidth = kMax;
  EXPECT_EQ(panel.ContentRect().left, kMax);
  EXPECT_EQ(panel.ContentRect().right, kMin);
}

TEST(TextDirection, TheFirstStrongLetterDecides) {
  const struct {
    const char* caption;
    bool right_to_left;
  } cases[] = {
      {"", false},
      {"Install", false},
      {"\u05E2\u05D1\u05E8\u05D9\u05EA", true},              // Hebrew
      {"\u0627\u0644\u0639\u0631\u0628\u064A\u0629", true},  // Arabic
      {"123 - \u05E2\u05D1\u05E8\u05D9\u05EA", true},  // digits and punctuation decide nothing
      {"(\u00AB\u0627\u0644\u0639\u0631\u0628\u064A\u0629\u00BB)", true},
      {"Setup \u05E2\u05D1\u05E8\u05D9\u05EA", false},  // a Latin letter came first
      {"\u4E2D\u6587 \u05E2\u05D1\u05E8\u05D9\u05EA", false},
      {"\u0395\u03BB\u03BB\u03B7\u03BD\u03B9\u03BA\u03AC", false},
      {"\u00E9t\u00E9", false},
      {"\u3002\uFF01 \u0627", true},  // CJK and full-width marks are neutral
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.caption);
    EXPECT_EQ(StartsRightToLeft(c.caption), c.right_to_left);
  }
}

}  // namespace
}  // namespace ui
