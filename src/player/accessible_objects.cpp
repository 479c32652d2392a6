// Accessible elements of a menu.
#include "player/accessible_objects.h"

#include "core/project_ops.h"
#include "player/keyboard_focus.h"

namespace player {
namespace {

// The last component of a path or address, separators at its end left out: "\\cd\\a.bmp" gives
// "a.bmp", "http://example.com/" gives "example.com".
std::string LastComponent(const std::string& path) {
  const size_t end = path.find_last_not_of("\\/") + 1;  // 0 when there is none
  const size_t start = end == 0 ? 0 : path.find_last_of("\\/", end - 1) + 1;
  return path.substr(start, end - start);
}

bool NotBlank(const std::string* text) {
  return text != nullptr && text->find_first_not_of(' ') != std::string::npos;
}

std::string NameOf(const core::AutoObjectType& object, bool has_link) {
  const std::string* caption = nullptr;
  const std::string* picture = nullptr;
  if (const ui::Label* label = core::LabelOf(object)) caption = &label->Caption;
  if (const ui::SpeedButton* button = core::ButtonOf(object)) {
    caption = &button->Caption;
    picture = &object.GlyphFile;
  }
  if (core::ImageOf(object) != nullptr) picture = &object.ImageFile;
  if (NotBlank(caption)) return *caption;
  if (NotBlank(&object.Control->Hint)) return object.Control->Hint;
  std::string file = picture != nullptr ? LastComponent(*picture) : std::string();
  return file.empty() && has_link ? LastComponent(object.Link.Target) : file;
}

AccessRole RoleOf(const core::AutoObjectType& object, bool has_link) {
  if (has_link || object.Kind == core::kKindButton) return AccessRole::PushButton;
  return object.Kind == core::kKindLabel ? AccessRole::StaticText : AccessRole::Graphic;
}

}  // namespace

std::vector<AccessibleObject> AccessibleObjects(const core::AutoFormType& project) {
  const std::vector<int32_t> order = ReadingOrder(project, false);
  std::vector<AccessibleObject> items(order.size());
  for (size_t n = 0; n < order.size(); ++n) {
    const core::AutoObjectType& object = *project.Objects[static_cast<size_t>(order[n])];
    AccessibleObject& item = items[n];
    item.index = order[n];
    item.has_link = object.Link.Action != core::kActionNone;
    item.role = RoleOf(object, item.has_link);
    item.name = NameOf(object, item.has_link);
    item.bounds = object.Control->BoundsRect();
  }
  return items;
}

int32_t AccessibleChildId(const std::vector<AccessibleObject>& items, int32_t index) {
  for (size_t i = 0; i < items.size(); ++i) {
    if (items[i].index == index) return static_cast<int32_t>(i + 1);
  }
  return 0;
}

}  // namespace player
