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
  fields.Edit1 = label->Caption;
  fields.ComboBox1 = label->Alignment;
  fields.ComboBox2 = label->Layout;
  fields.Panel1 = label->Color;
  fields.Panel2 = label->Font;
  fields.Panel3 = object->HotFont;
  fields.CheckBox1 = label->Transparent;

  if (!view.Run(fields).Applies()) return false;

  label->Caption = fields.Edit1;
  label->Alignment = static_cast<uint8_t>(fields.ComboBox1);
  label->Layout = static_cast<uint8_t>(fields.ComboBox2);
  // Giving a label a colour of its own ends its taking the parent's; writing back the colour it
  // already had leaves that as it is.
  if (fields.Panel1 != label->Color) {
    label->Color = fields.Panel1;
    label->ParentColor = false;
  }
  label->Font = fields.Panel2;
  object->HotFont = fields.Panel3;
  label->Transparent = fields.CheckBox1;
  return true;
}

}  // namespace dialogs
