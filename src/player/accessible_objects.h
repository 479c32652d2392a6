// What a screen reader is told about a menu: each visible object as one accessible element, with
// the role, name and place that the player window's accessibility object hands out.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "core/project_model.h"
#include "ui/geometry.h"

namespace player {

// How an object presents itself: something to press, a text to read, or a picture.
enum class AccessRole : uint8_t { PushButton, StaticText, Graphic };

struct AccessibleObject {
  int32_t index;     // the object's place in the project's list
  AccessRole role;   // PushButton for any button and for every object with a link
  std::string name;  // caption, else hint, else a file name; may be empty
  ui::Rect bounds;   // design units, in the inner panel's coordinates
  bool has_link;     // pressing it does something
};

// One element for every visible object of a known kind, in reading order. Its name is the
// caption, else the hint, else the file name (last path component) of its picture (an image's
// picture, a button's glyph), else that of its link's target
// when it has a link.
std::vector<AccessibleObject> AccessibleObjects(const core::AutoFormType& project);

// The child id that accessibility clients know object `index` by among `items`: its position
// counted from 1; 0 (the window's client area itself) when it is not there.
int32_t AccessibleChildId(const std::vector<AccessibleObject>& items, int32_t index);

}  // namespace player
