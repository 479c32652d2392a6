// The keyboard's reading order through a menu and its way round it.
#include <gtest/gtest.h>

#include <tuple>

#include "core/project_ops.h"
#include "fake_desktop.h"
#include "player/keyboard_focus.h"

namespace {

TEST(KeyboardFocus, ReadsTopToBottomThenLeftToRightAndWraps) {
  testing_support::TestApp t;
  const std::vector<std::tuple<int32_t, int32_t, bool>> places{
      {50, 10, true}, {10, 40, true}, {10, 10, false}, {90, 10, true}};
  for (const auto& [left, top, linked] : places) {
    core::AutoObjectType& object = core::AddNewObject(t.app, core::kKindButton, {});
    object.Control->SetBounds(left, top, 20, 20);
    object.Link.Action = linked ? core::kActionExit : core::kActionNone;
  }
  auto& objects = t.app.Project.Objects;
  objects[3]->Control->Visible = false;
  EXPECT_EQ(player::ReadingOrder(t.app.Project, false), (std::vector<int32_t>{2, 0, 1}));
  const std::vector<int32_t> order = player::ReadingOrder(t.app.Project, true);
  ASSERT_EQ(order, (std::vector<int32_t>{0, 1}));
  EXPECT_EQ(player::NextFocus(order, -1, true), 0);
  EXPECT_EQ(player::NextFocus(order, -1, false), 1);
  EXPECT_EQ(player::NextFocus(order, 1, true), 0);
  EXPECT_EQ(player::NextFocus(order, 0, false), 1);
  EXPECT_EQ(player::NextFocus({}, 0, true), -1);
}

}  // namespace
