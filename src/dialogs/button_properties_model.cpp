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
  fields.Caption = button->Caption;
  fields.Layout = button->Layout;
  fields.Font = button->Font;
  fields.HotFont = object->HotFont;
  fields.GlyphFile = object->GlyphFile;
  fields.HotGlyphFile = object->HotGlyphFile;
  fields.Margin = button->Margin();
  fields.Spacing = button->Spacing;
  fields.Flat = button->Flat;
  fields.Transparent = button->Transparent;

  if (!view.Run(fields).Applies()) return false;

  button->Caption = fields.Caption;
  button->Layout = static_cast<uint8_t>(fields.Layout);
  button->Font = fields.Font;
  object->HotFont = fields.HotFont;
  object->GlyphFile = NormalizePath(fields.GlyphFile);
  object->HotGlyphFile = NormalizePath(fields.HotGlyphFile);
  // The button keeps its margin when refused one below -1; the other values are written anyway.
  button->SetMargin(fields.Margin);
  button->Spacing = fields.Spacing;
  button->Flat = fields.Flat;
  button->Transparent = fields.Transparent;
  return true;
}

}  // namespace dialogs
