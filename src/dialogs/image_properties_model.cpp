// "Image Properties": fill and write-back of an image object.
#include "dialogs/object_properties_models.h"

#include "core/project_ops.h"
#include "dialogs/cd_file_picker.h"
#include "dialogs/object_dialog_rules.h"

namespace dialogs {

const std::array<const char*, 4> kDisplayStyleItems = {"Normal", "Center", "Stretch", "Auto Size"};

namespace {

using F = ImageFields;

enum DisplayStyleRow { kRowNormal = 0, kRowCenter = 1, kRowStretch = 2, kRowAutoSize = 3 };

bool Read(const core::AutoObjectType& object, F& fields) {
  const ui::ImageControl* image = core::ImageOf(object);
  if (image == nullptr) return false;
  fields.ImageFile = object.ImageFile;
  fields.HotImageFile = object.HotImageFile;
  // The three flags may be on together in a stored design; the list shows the first that is on,
  // and writing back leaves only the chosen one on.
  fields.DisplayStyle = image->Center     ? kRowCenter
                        : image->Stretch  ? kRowStretch
                        : image->AutoSize ? kRowAutoSize
                                          : kRowNormal;
  fields.Transparent = image->Transparent;
  return true;
}

void Write(core::AutoObjectType& object, const F& fields, FieldMask write) {
  ui::ImageControl& image = *core::ImageOf(object);
  if (write & Bit(&F::ImageFile)) object.ImageFile = NormalizePath(fields.ImageFile);
  if (write & Bit(&F::HotImageFile)) object.HotImageFile = NormalizePath(fields.HotImageFile);
  if (write & Bit(&F::DisplayStyle)) {
    image.Center = fields.DisplayStyle == kRowCenter;
    image.Stretch = fields.DisplayStyle == kRowStretch;
    image.AutoSize = fields.DisplayStyle == kRowAutoSize;
  }
  if (write & Bit(&F::Transparent)) image.Transparent = fields.Transparent;
}

}  // namespace

bool ExecuteImageProperties(ModalView<F>& view, std::span<core::AutoObjectType* const> objects,
                            ModalView<LinkFields>* link_editor) {
  ObjectLinks links(link_editor, objects);
  return EditObjects(ObjectRules<F>{Read, Write}, view, objects, ObjectsText(objects), &links);
}

}  // namespace dialogs
