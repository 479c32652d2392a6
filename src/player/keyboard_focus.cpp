// Reading order and focus steps.
#include "player/keyboard_focus.h"

#include <algorithm>

namespace player {

std::vector<int32_t> ReadingOrder(const core::AutoFormType& project, bool linked_only) {
  std::vector<int32_t> order;
  for (size_t i = 0; i < project.Objects.size(); ++i) {
    const core::AutoObjectType& object = *project.Objects[i];
    if (!core::IsKnownKind(object.Kind) || object.Control == nullptr || !object.Control->Visible) {
      continue;
    }
    if (linked_only && object.Link.Action == core::kActionNone) continue;
    order.push_back(static_cast<int32_t>(i));
  }
  const auto place = [&](int32_t i) {
    const ui::Control& c = *project.Objects[static_cast<size_t>(i)]->Control;
    return std::make_pair(c.Top, c.Left);
  };
  // A stable insertion sort: a menu holds tens of objects, and std::stable_sort's merging would
  // add some four kilobytes to every disc.
  for (size_t i = 1; i < order.size(); ++i) {
    const int32_t moving = order[i];
    size_t j = i;
    for (; j > 0 && place(moving) < place(order[j - 1]); --j) order[j] = order[j - 1];
    order[j] = moving;
  }
  return order;
}

int32_t NextFocus(const std::vector<int32_t>& order, int32_t from, bool forward) {
  if (order.empty()) return -1;
  const auto at = std::find(order.begin(), order.end(), from);
  if (at == order.end()) return forward ? order.front() : order.back();
  const auto size = static_cast<std::ptrdiff_t>(order.size());
  const std::ptrdiff_t here = at - order.begin();
  return order[static_cast<size_t>((here + (forward ? 1 : size - 1)) % size)];
}

}  // namespace player
