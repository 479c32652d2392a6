// "Button Properties": fill and write-back of a button object.
#include "dialogs/object_properties_models.h"

#include "core/project_ops.h"
#include "dialogs/cd_file_picker.h"
#include "dialogs/object_dialog_rules.h"

namespace dialogs {

const std::array<const char*, 4> kButtonLayoutItems = {"ImageLeft", "ImageRight", "ImageTop",
                                                       "ImageBottom"};

namespace {

using F = ButtonFields;

bool Read(const core::AutoObjectType& object, F& fields) {
  const ui::SpeedButton* button = core::ButtonOf(object);
  if (button == nullptr) return false;
  fields.Caption = button->Caption;
  fields.Layout = button->Layout;
  fields.Font = button->Font;
  fields.HotFont = object.HotFont;
  fields.GlyphFile = object.GlyphFile;
  fields.HotGlyphFile = object.HotGlyphFile;
  fields.Margin = button->Margin();
  fields.Spacing = button->Spacing;
  fields.Flat = button->Flat;
  fields.Transparent = button->Transparent;
  return true;
}

void Write(core::AutoObjectType& object, const F& fields, FieldMask write) {
  ui::SpeedButton& button = *core::ButtonOf(object);
  if (write & Bit(&F::Caption)) button.Caption = fields.Caption;
  if (write & Bit(&F::Layout)) button.Layout = static_cast<uint8_t>(fields.Layout);
  if (write & Bit(&F::Font)) button.Font = fields.Font;
  if (write & Bit(&F::HotFont)) object.HotFont = fields.HotFont;
  if (write & Bit(&F::GlyphFile)) object.GlyphFile = NormalizePath(fields.GlyphFile);
  if (write & Bit(&F::HotGlyphFile)) object.HotGlyphFile = NormalizePath(fields.HotGlyphFile);
  // The button keeps its margin when refused one below -1; the other values are written anyway.
  if (write & Bit(&F::Margin)) button.SetMargin(fields.Margin);
  if (write & Bit(&F::Spacing)) button.Spacing = fields.Spacing;
  if (write & Bit(&F::Flat)) button.Flat = fields.Flat;
  if (write & Bit(&F::Transparent)) button.Transparent = fields.Transparent;
}

}  // namespace

bool ExecuteButtonProperties(ModalView<F>& view, std::span<core::AutoObjectType* const> objects,
                             ModalView<LinkFields>* link_editor) {
  ObjectLinks links(link_editor, objects);
  return EditObjects(ObjectRules<F>{Read, Write}, view, objects, ObjectsText(objects), &links);
}

}  // namespace dialogs
