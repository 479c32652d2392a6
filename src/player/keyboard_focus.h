// The keyboard's way through a menu: Tab, Shift+Tab and the arrow keys move a focus through the
// objects that have a link, in reading order, so that a menu can be used without a mouse.
#pragma once

#include <cstdint>
#include <vector>

#include "core/project_model.h"

namespace player {

// Indexes of the visible objects of a known kind in reading order: top to bottom, then left to
// right, by their places in the inner panel; objects at the same place keep their stacking
// order. With `linked_only`, only objects whose link does something.
std::vector<int32_t> ReadingOrder(const core::AutoFormType& project, bool linked_only);

// The object the focus moves to from object `from` (-1: none yet) one step forward or back
// through `order`, wrapping at either end; -1 when `order` is empty. From an object not in the
// order, forward starts at the first and back at the last.
int32_t NextFocus(const std::vector<int32_t>& order, int32_t from, bool forward);

}  // namespace player
