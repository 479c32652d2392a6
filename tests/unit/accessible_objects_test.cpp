// The accessible elements of a menu: which objects, in what order, with which role and name.
#include <gtest/gtest.h>

#include "core/project_ops.h"
#include "player/accessible_objects.h"

namespace player {
namespace {

struct Row {
  uint8_t kind;
  const char* caption;
  const char* hint;
  const char* picture;  // an image's picture file or a button's glyph file
  uint8_t action;
  const char* target;
  bool visible;
  AccessRole role;  // expected
  const char* name;
};

constexpr auto kText = AccessRole::StaticText;
constexpr auto kPush = AccessRole::PushButton;
constexpr auto kGraphic = AccessRole::Graphic;
constexpr uint8_t kNone = core::kActionNone;
constexpr uint8_t kOpen = core::kActionOpenFile;

const Row kRows[] = {
    {core::kKindLabel, "Welcome", "Tip", "", kNone, "", true, kText, "Welcome"},
    {core::kKindLabel, "", "Read me", "", kOpen, "\\docs\\readme.txt", true, kPush, "Read me"},
    {core::kKindLabel, "  ", "", "", kNone, "\\stale.exe", true, kText, ""},
    {core::kKindLabel, "", "", "", kOpen, "\\docs\\readme.txt", true, kPush, "readme.txt"},
    {core::kKindButton, "", "", "\\art\\setup.bmp", kOpen, "\\setup.exe", true, kPush, "setup.bmp"},
    {core::kKindButton, "Exit", "Leave", "", core::kActionExit, "", true, kPush, "Exit"},
    {core::kKindButton, "", "", "", kNone, "", true, kPush, ""},
    {core::kKindImage, "", "", "pics/logo.jpg", kNone, "", true, kGraphic, "logo.jpg"},
    {core::kKindImage, "", "Map", "map.bmp", kNone, "", true, kGraphic, "Map"},
    {core::kKindImage, "", "", "", core::kActionOpenUrl, "http://example.com/", true, kPush,
     "example.com"},
    {core::kKindImage, "", "Hidden", "", kOpen, "a.exe", false, kGraphic, ""},
};

TEST(AccessibleObjects, OneElementPerVisibleObjectInReadingOrderWithRoleAndName) {
  core::AutoFormType project;
  const int32_t count = static_cast<int32_t>(std::size(kRows));
  for (const Row& row : kRows) {
    auto object = std::make_unique<core::AutoObjectType>();
    object->Kind = row.kind;
    object->Control = core::MakeControl(row.kind);
    object->Link.Action = row.action;
    object->Link.Target = row.target;
    (row.kind == core::kKindImage ? object->ImageFile : object->GlyphFile) = row.picture;
    if (auto* label = core::LabelOf(*object)) label->Caption = row.caption;
    if (auto* button = core::ButtonOf(*object)) button->Caption = row.caption;
    // Later rows higher up, so reading order is the reverse of the list's.
    const auto i = static_cast<int32_t>(project.Objects.size());
    object->Control->SetBounds(5 + i, 10 * (count - i), 30 + i, 20);
    object->Control->Hint = row.hint;
    object->Control->Visible = row.visible;
    project.Objects.push_back(std::move(object));
  }

  const std::vector<AccessibleObject> items = AccessibleObjects(project);
  std::vector<int32_t> expected_order;
  for (int32_t i = count - 1; i >= 0; --i) {
    if (kRows[i].visible) expected_order.push_back(i);
  }
  ASSERT_EQ(items.size(), expected_order.size());
  for (size_t n = 0; n < items.size(); ++n) {
    const int32_t i = expected_order[n];
    const Row& row = kRows[i];
    SCOPED_TRACE(testing::Message() << "row " << i);
    EXPECT_EQ(items[n].index, i);
    EXPECT_EQ(items[n].role, row.role);
    EXPECT_EQ(items[n].name, row.name);
    EXPECT_EQ(items[n].has_link, row.action != kNone);
    EXPECT_EQ(items[n].bounds, ui::Rect::FromBounds(5 + i, 10 * (count - i), 30 + i, 20));
    EXPECT_EQ(AccessibleChildId(items, i), static_cast<int32_t>(n + 1));
  }
  EXPECT_EQ(AccessibleChildId(items, count - 1), 0) << "a hidden object has no child id";
  EXPECT_EQ(AccessibleChildId(items, -1), 0);
}

}  // namespace
}  // namespace player
