// Hot tracking: the object under the mouse shows its hot font, hot glyph or hot picture, every
// other object its normal look. Only the transitions into and out of the hot state swap looks.
#pragma once

#include "core/project_model.h"
#include "ui/pixel_bitmap.h"

namespace player {

// One pass over every object for a mouse move over object `index` (-1: over no object).
// Returns true when some object's look changed.
bool UpdateHot(core::AutoFormType& project, int index, const ui::PixelBitmap& default_glyph);

}  // namespace player
