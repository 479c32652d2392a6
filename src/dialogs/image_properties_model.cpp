// "Image Properties": fill and write-back of an image object.
#include "dialogs/object_properties_models.h"

#include "core/project_ops.h"
#include "dialogs/cd_file_picker.h"

namespace dialogs {

const std::array<const char*, 4> kDisplayStyleItems = {"Normal", "Center", "Stretch", "Auto Size"};

namespace {

enum DisplayStyleRow { kRowNormal = 0, kRowCenter = 1, kRowStretch = 2, kRowAutoSize = 3 };

}  // namespace

bool ExecuteImageProperties(ModalView<ImageFields>& view, core::AutoObjectType* object) {
  ui::ImageControl* image = object == nullptr ? nullptr : core::ImageOf(*object);
  if (image == nullptr) return false;

  ImageFields fields;
  fields.ImageFile = object->ImageFile;
  fields.HotImageFile = object->HotImageFile;
  // The three flags may be on together in a stored design; the list shows the first that is on,
  // and writing back leaves only the chosen one on.
  fields.DisplayStyle = image->Center     ? kRowCenter
                        : image->Stretch  ? kRowStretch
                        : image->AutoSize ? kRowAutoSize
                                          : kRowNormal;
  fields.Transparent = image->Transparent;

  if (!view.Run(fields).Applies()) return false;

  object->ImageFile = NormalizePath(fields.ImageFile);
  object->HotImageFile = NormalizePath(fields.HotImageFile);
  image->Center = fields.DisplayStyle == kRowCenter;
  image->Stretch = fields.DisplayStyle == kRowStretch;
  image->AutoSize = fields.DisplayStyle == kRowAutoSize;
  image->Transparent = fields.Transparent;
  return true;
}

}  // namespace dialogs
