// Captions, fonts and the size that fits a caption.
#include "designer/text_rules.h"

#include <algorithm>

#include "core/project_ops.h"
#include "ui/canvas.h"

namespace designer {
namespace {

// A speed button's raised edge, which its glyph and caption stay clear of; along the line of glyph
// and caption a grown button keeps four pixels more at its ends, so that a caption that fits never
// touches an edge.
constexpr int32_t kButtonEdge = 2;
constexpr int32_t kButtonEnd = kButtonEdge + 4;

ui::Size LabelToFit(const ui::Label& label, const std::string& caption, ui::Canvas& measure,
                    int32_t room) {
  const ui::Size now{label.Width, label.Height};
  if (label.AutoSize) return now;
  const ui::Size lines = measure.MeasureText(caption, label.Font, 0);  // the lines as typed
  if (!label.WordWrap) {
    return {std::max(now.width, lines.width), std::max(now.height, lines.height)};
  }
  int32_t width = std::max(now.width, std::min(lines.width, room));
  const ui::Size wrapped = measure.MeasureText(caption, label.Font, width);
  width = std::max(width, wrapped.width);  // a word longer than the width
  return {width, std::max(now.height, wrapped.height)};
}

ui::Size ButtonToFit(const ui::SpeedButton& button, const std::string& caption,
                     ui::Canvas& measure) {
  const ui::Size text = caption.empty() ? ui::Size{} : measure.MeasureText(caption, button.Font, 0);
  const ui::Size glyph{button.Glyph.Width(), button.Glyph.Height()};
  const bool across = button.Layout == ui::kGlyphLeft || button.Layout == ui::kGlyphRight;
  const int32_t glyph_along = across ? glyph.width : glyph.height;
  const int32_t text_along = across ? text.width : text.height;
  // As the button places them: the glyph Margin from its edge (or centred with the caption), the
  // caption Spacing beyond it (or centred in the rest); room clear of the edge at both ends.
  const int32_t gap = glyph_along > 0 && text_along > 0 ? std::max(button.Spacing, 0) : 0;
  const int32_t lead = button.Margin() >= 0 ? button.Margin() : kButtonEnd;
  // Margin and Spacing come from the file as they are: the sum is taken wide and saturated.
  const int32_t along =
      ui::Rect::Saturate(int64_t{lead} + glyph_along + gap + text_along + kButtonEnd);
  const int32_t thick =
      std::max(across ? glyph.height : glyph.width, across ? text.height : text.width) +
      2 * kButtonEdge;
  const ui::Size need = across ? ui::Size{along, thick} : ui::Size{thick, along};
  return {std::max(button.Width, need.width), std::max(button.Height, need.height)};
}

}  // namespace

std::string* CaptionOf(const core::AutoObjectType& object) {
  if (ui::Label* label = core::LabelOf(object)) return &label->Caption;
  if (ui::SpeedButton* button = core::ButtonOf(object)) return &button->Caption;
  return nullptr;
}

ui::Font& FontOf(core::AutoObjectType& object, bool hot) {
  if (hot) return object.HotFont;
  if (ui::Label* label = core::LabelOf(object)) return label->Font;
  return core::ButtonOf(object)->Font;
}

void KeepHotFontInStep(ui::Font& hot, const ui::Font& before, const ui::Font& after) {
  if (hot.name != before.name || hot.size != before.size || hot.style != before.style) return;
  hot.name = after.name;
  hot.size = after.size;
  hot.style = after.style;
}

void ApplyFontChanges(ui::Font& hot, const ui::Font& preset, const ui::Font& chosen) {
  if (chosen.name != preset.name) hot.name = chosen.name;
  if (chosen.size != preset.size) hot.size = chosen.size;
  if (chosen.style != preset.style) hot.style = chosen.style;
  if (chosen.color != preset.color) hot.color = chosen.color;
}

ui::Size SizeToFit(const core::AutoObjectType& object, const std::string& caption,
                   ui::Canvas& measure, int32_t room) {
  if (const ui::Label* label = core::LabelOf(object)) {
    return LabelToFit(*label, caption, measure, room);
  }
  if (const ui::SpeedButton* button = core::ButtonOf(object)) {
    return ButtonToFit(*button, caption, measure);
  }
  return {object.Control->Width, object.Control->Height};
}

}  // namespace designer
