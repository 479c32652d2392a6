// Which parts of the design a drag step draws: the layers of what stands still, and the areas a
// moving object and its marks cover.
#include "designer/drag_layers.h"

#include <gtest/gtest.h>

#include <algorithm>

#include "core/project_ops.h"
#include "designer/canvas_geometry.h"
#include "fake_desktop.h"

namespace designer {
namespace {

TEST(DragLayers, EachChildIsInTheLayersItsPlaceInTheStackingOrderGives) {
  // The background, an object below the moving one, the moving one, and one above it.
  const DragLayers layers({false, false, true, false});
  const ui::Rect here{10, 10, 50, 50};
  const std::vector<ui::Rect> areas{{40, 40, 80, 80}};
  struct Case {
    size_t child;
    ui::Rect bounds;
    bool still, base, step;
  };
  const Case cases[] = {
      {0, {0, 0, 600, 400}, true, true, false},   // the background stays below everything
      {1, here, true, true, false},               // below the moving one: never drawn again
      {2, here, false, false, true},              // the moving one
      {3, here, true, false, true},               // above it, where it moves: drawn over it again
      {3, {80, 10, 90, 90}, true, false, false},  // above it, elsewhere: only in the still picture
      {3, {10, 80, 90, 90}, true, false, false},  // touching the area's bottom edge from outside
  };
  for (const Case& c : cases) {
    EXPECT_EQ(layers.InStill(c.child), c.still) << c.child;
    EXPECT_EQ(layers.InBase(c.child), c.base) << c.child;
    EXPECT_EQ(layers.InStep(c.child, c.bounds, areas), c.step) << c.child << " " << c.bounds.left;
  }
  // Nothing moving: everything lies in both pictures.
  EXPECT_TRUE(DragLayers({false, false}).InBase(1));
}

TEST(DragLayers, TheMarkedAreaHoldsEveryMarkOfASelectedObject) {
  testing_support::TestApp t;
  for (const ui::Rect bounds : {ui::Rect{20, 30, 120, 70}, ui::Rect{5, 5, 6, 6}}) {
    t.app.Project.Objects.clear();
    core::AutoObjectType& object = core::AddNewObject(t.app, core::kKindImage, {0, 0});
    object.Control->SetBounds(bounds.left, bounds.top, bounds.Width(), bounds.Height());
    object.Selected = true;
    // The marks reach exactly to the area's edges: it holds them all and is no wider.
    ui::Rect reach = bounds;
    for (const Mark& mark : SelectionMarks(t.app.Project)) {
      reach = {std::min(reach.left, mark.rect.left), std::min(reach.top, mark.rect.top),
               std::max(reach.right, mark.rect.right), std::max(reach.bottom, mark.rect.bottom)};
    }
    EXPECT_EQ(MarkedArea(bounds), reach) << bounds.left << "," << bounds.top;
  }
}

}  // namespace
}  // namespace designer
