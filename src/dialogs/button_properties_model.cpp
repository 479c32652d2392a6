// "Button Properties": fill and write-back of a button object.
#include "dialogs/object_properties_models.h"

#include "core/project_ops.h"
#include "dialogs/cd_file_picker.h"

namespace dialogs {

const std::array<const char*, 4> kButtonLayoutItems = {"ImageLeft", "ImageRight", "ImageTop",
                                                       "ImageBottom"};

bool ExecuteButtonProperties(ModalView<ButtonFields>& view, core::AutoObjectType* object) {
  ui::SpeedButton* button = object == nullptr ? nullptr : core::ButtonOf(*object);
  if (button == nullptr) return false;

  ButtonFields fields;
  fields.Edit1 = button->Caption;
  fields.ComboBox1 = button->Layout;
  fields.Panel2 = button->Font;
  fields.Panel1 = object->HotFont;
  fields.Edit2 = object->GlyphFile;
  fields.Edit3 = object->HotGlyphFile;
  fields.SpinEdit1 = button->Margin();
  fields.SpinEdit2 = button->Spacing;
  fields.CheckBox1 = button->Flat;
  fields.CheckBox2 = button->Transparent;

  if (!view.Run(fields).Applies()) return false;

  button->Caption = fields.Edit1;
  button->Layout = static_cast<uint8_t>(fields.ComboBox1);
  button->Font = fields.Panel2;
  object->HotFont = fields.Panel1;
  object->GlyphFile = NormalizePath(fields.Edit2);
  object->HotGlyphFile = NormalizePath(fields.Edit3);
  // The button keeps its margin when refused one below -1; the other values are written anyway.
  button->SetMargin(fields.SpinEdit1);
  button->Spacing = fields.SpinEdit2;
  button->Flat = fields.CheckBox1;
  button->Transparent = fields.CheckBox2;
  return true;
}

}  // namespace dialogs
