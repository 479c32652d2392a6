// Hot tracking pass.
#include "player/hot_tracking.h"

#include "core/project_ops.h"

namespace player {

bool UpdateHot(core::AutoFormType& project, int index, const ui::PixelBitmap& default_glyph) {
  bool changed = false;
  for (size_t i = 0; i < project.Objects.size(); ++i) {
    core::AutoObjectType& object = *project.Objects[i];
    const bool here = static_cast<int>(i) == index;
    const bool entering = here && !object.Hot;
    const bool leaving = !here && object.Hot;
    object.Hot = here;
    if (!entering && !leaving) continue;
    changed = true;
    const ui::Font& font = entering ? object.HotFont : object.NormalFont;
    if (auto* label = core::LabelOf(object)) {
      label->Font = font;
    } else if (auto* button = core::ButtonOf(object)) {
      if (entering) {
        if (object.HotGlyph) button->Glyph = *object.HotGlyph;
      } else {
        button->Glyph = object.NormalGlyph ? *object.NormalGlyph : default_glyph;
      }
      button->Font = font;
    } else if (auto* image = core::ImageOf(object)) {
      const auto& picture = entering ? object.HotPicture : object.NormalPicture;
      if (picture) image->Picture = picture->Clone();
    }
  }
  return changed;
}

}  // namespace player
