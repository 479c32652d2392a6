// Mouse routing: moves to the top-most control, clicks only as press and release on one
// control, capture while a button is held, and the mouse-over and pressed looks.
#include <gtest/gtest.h>

#include <memory>
#include <vector>

#include "ui/mouse_router.h"
#include "ui/panel.h"
#include "ui/speed_button.h"

namespace ui {
namespace {

class Routing : public ::testing::Test {
 protected:
  Routing() : router(root) {
    root.SetBounds(10, 10, 200, 100);
    a.SetBounds(0, 0, 50, 50);
    b.SetBounds(40, 0, 50, 50);  // overlaps a on columns 40..49
    for (SpeedButton* button : {&a, &b}) {
      button->SetParent(&root);
      button->OnClick = [this](Control& c) { clicks.push_back(&c); };
      button->OnMouseMove = [this](Control& c, Point p) { moves.push_back({&c, p}); };
    }
  }
  Panel root;
  SpeedButton a, b;
  MouseRouter router;
  std::vector<Control*> clicks;
  std::vector<std::pair<Control*, Point>> moves;
};

TEST_F(Routing, MovesReachTheTopMostControlInItsOwnCoordinates) {
  router.MouseMove({55, 15});  // client point: root at 10,10, so (45, 5) in root: both; b on top
  ASSERT_EQ(moves.size(), 1u);
  EXPECT_EQ(moves[0].first, &b);
  EXPECT_EQ(moves[0].second, (Point{5, 5}));
  router.MouseMove({15, 15});
  EXPECT_EQ(moves.back().first, &a);
  b.Visible = false;
  router.MouseMove({55, 15});
  EXPECT_EQ(moves.back().first, &a) << "a hidden control takes no mouse";
}

TEST_F(Routing, AClickIsPressAndReleaseOnTheSameControl) {
  router.ButtonDown({15, 15});
  router.ButtonUp({16, 16});
  EXPECT_EQ(clicks, (std::vector<Control*>{&a}));

  router.ButtonDown({15, 15});
  router.ButtonUp({95, 15});  // released on b
  router.ButtonDown({15, 15});
  router.ButtonUp({150, 80});  // released on the bare panel
  EXPECT_EQ(clicks.size(), 1u);

  router.ButtonDown({15, 15});
  router.MouseMove({150, 80});
  router.MouseMove({20, 20});
  router.ButtonUp({20, 20});
  EXPECT_EQ(clicks.size(), 2u) << "leaving and coming back before the release still clicks";
}

TEST_F(Routing, MovesGoToThePressedControlWhileTheButtonIsHeld) {
  router.ButtonDown({15, 15});
  router.MouseMove({95, 15});
  EXPECT_EQ(moves.back().first, &a);
  EXPECT_EQ(moves.back().second, (Point{85, 5}));
  EXPECT_FALSE(a.PressedLook()) << "the pressed look follows the pointer";
  router.MouseMove({15, 15});
  EXPECT_TRUE(a.PressedLook());
  router.ButtonUp({15, 15});
  EXPECT_FALSE(a.PressedLook());
}

TEST_F(Routing, MouseOverLookFollowsThePointerAndLeavesWithIt) {
  router.MouseMove({15, 15});
  EXPECT_TRUE(a.MouseOver());
  router.MouseMove({95, 15});
  EXPECT_FALSE(a.MouseOver());
  EXPECT_TRUE(b.MouseOver());
  EXPECT_TRUE(router.MouseLeave());
  EXPECT_FALSE(b.MouseOver());
}

TEST_F(Routing, AControlDestroyedWhileHoveredOrPressedIsForgotten) {
  auto doomed = std::make_unique<SpeedButton>();
  doomed->SetBounds(100, 0, 50, 50);
  doomed->SetParent(&root);
  bool clicked = false;
  doomed->OnClick = [&](Control&) { clicked = true; };
  router.MouseMove({115, 15});
  router.ButtonDown({115, 15});
  doomed.reset();
  EXPECT_FALSE(router.ButtonUp({115, 15}));
  EXPECT_FALSE(clicked);
  router.MouseMove({15, 15});
  EXPECT_TRUE(a.MouseOver());
}

}  // namespace
}  // namespace ui
