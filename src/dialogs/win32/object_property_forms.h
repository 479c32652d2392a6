// The three object dialogs: TLabelPropertyForm ("Label Properties"), TButtonPropertyForm
// ("Button Properties") and TImagePropertyForm ("Image Properties"), each for one object or
// several of its kind.
#pragma once

#include <span>

#include "dialogs/object_properties_models.h"
#include "dialogs/win32/property_dialog.h"

using SelectedObjects = std::span<core::AutoObjectType* const>;

class TLabelPropertyForm : public PropertyDialog, public dialogs::ModalView<dialogs::LabelFields> {
 public:
  TLabelPropertyForm();
  bool Execute(core::AutoObjectType* object) {
    return dialogs::ExecuteLabelProperties(*this, object);
  }
  bool Execute(SelectedObjects objects) { return dialogs::ExecuteLabelProperties(*this, objects); }
  dialogs::DialogFlags Run(dialogs::LabelFields& fields) override;
};

class TButtonPropertyForm : public PropertyDialog,
                            public dialogs::ModalView<dialogs::ButtonFields> {
 public:
  TButtonPropertyForm();
  bool Execute(core::AutoObjectType* object) {
    return dialogs::ExecuteButtonProperties(*this, object);
  }
  bool Execute(SelectedObjects objects) { return dialogs::ExecuteButtonProperties(*this, objects); }
  dialogs::DialogFlags Run(dialogs::ButtonFields& fields) override;
};

class TImagePropertyForm : public PropertyDialog, public dialogs::ModalView<dialogs::ImageFields> {
 public:
  TImagePropertyForm();
  bool Execute(core::AutoObjectType* object) {
    return dialogs::ExecuteImageProperties(*this, object);
  }
  bool Execute(SelectedObjects objects) { return dialogs::ExecuteImageProperties(*this, objects); }
  dialogs::DialogFlags Run(dialogs::ImageFields& fields) override;
};
