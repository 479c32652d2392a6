// "Label Properties": fill and write-back of a label object.
#include "dialogs/object_properties_models.h"

#include "core/project_ops.h"
#include "dialogs/object_dialog_rules.h"

namespace dialogs {

const std::array<const char*, 3> kAlignmentItems = {"Left", "Right", "Center"};
const std::array<const char*, 3> kLabelLayoutItems = {"Top", "Center", "Bottom"};

namespace {

using F = LabelFields;

bool Read(const core::AutoObjectType& object, F& fields) {
  const ui::Label* label = core::LabelOf(object);
  if (label == nullptr) return false;
  fields.Caption = label->Caption;
  fields.Alignment = label->Alignment;
  fields.Layout = label->Layout;
  fields.Color = label->Color;
  fields.Font = label->Font;
  fields.HotFont = object.HotFont;
  fields.Transparent = label->Transparent;
  return true;
}

void Write(core::AutoObjectType& object, const F& fields, FieldMask write) {
  ui::Label& label = *core::LabelOf(object);
  if (write & Bit(&F::Caption)) label.Caption = fields.Caption;
  if (write & Bit(&F::Alignment)) label.Alignment = static_cast<uint8_t>(fields.Alignment);
  if (write & Bit(&F::Layout)) label.Layout = static_cast<uint8_t>(fields.Layout);
  // Giving a label a colour of its own ends its taking the parent's; writing back the colour it
  // already had leaves that as it is.
  if ((write & Bit(&F::Color)) && fields.Color != label.Color) {
    label.Color = fields.Color;
    label.ParentColor = false;
  }
  if (write & Bit(&F::Font)) label.Font = fields.Font;
  if (write & Bit(&F::HotFont)) object.HotFont = fields.HotFont;
  if (write & Bit(&F::Transparent)) label.Transparent = fields.Transparent;
}

}  // namespace

bool ExecuteLabelProperties(ModalView<F>& view, std::span<core::AutoObjectType* const> objects,
                            ModalView<LinkFields>* link_editor) {
  ObjectLinks links(link_editor, objects);
  return EditObjects(ObjectRules<F>{Read, Write}, view, objects, ObjectsText(objects), &links);
}

}  // namespace dialogs
