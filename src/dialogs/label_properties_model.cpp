// "Label Properties": fill and write-back of a label object.
#include "dialogs/object_properties_models.h"

#include "core/project_ops.h"

namespace dialogs {

const std::array<const char*, 3> kAlignmentItems = {"Left", "Right", "Center"};
const std::array<const char*, 3> kLabelLayoutItems = {"Top", "Center", "Bottom"};

bool ExecuteLabelProperties(ModalView<LabelFields>& view, core::AutoObjectType* object) {
  ui::Label* label = object == nullptr ? nullptr : core::LabelOf(*object);
  if (label == nullptr) return false;

  LabelFields fields;
  fields.Caption = label->Caption;
  fields.Alignment = label->Alignment;
  fields.Layout = label->Layout;
  fields.Color = label->Color;
  fields.Font = label->Font;
  fields.HotFont = object->HotFont;
  fields.Transparent = label->Transparent;

  if (!view.Run(fields).Applies()) return false;

  label->Caption = fields.Caption;
  label->Alignment = static_cast<uint8_t>(fields.Alignment);
  label->Layout = static_cast<uint8_t>(fields.Layout);
  // Giving a label a colour of its own ends its taking the parent's; writing back the colour it
  // already had leaves that as it is.
  if (fields.Color != label->Color) {
    label->Color = fields.Color;
    label->ParentColor = false;
  }
  label->Font = fields.Font;
  object->HotFont = fields.HotFont;
  label->Transparent = fields.Transparent;
  return true;
}

}  // namespace dialogs
