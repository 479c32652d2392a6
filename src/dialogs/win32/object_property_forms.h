// The three object dialogs: TLabelPropertyForm ("Label Properties"), TButtonPropertyForm
// ("Button Properties") and TImagePropertyForm ("Image Properties").
#pragma once

#include "dialogs/object_properties_models.h"
#include "dialogs/win32/property_dialog.h"

class TLabelPropertyForm : public PropertyDialog, public dialogs::ModalView<dialogs::LabelFields> {
 public:
  TLabelPropertyForm();
  bool Execute(core::AutoObjectType* object) {
    return dialogs::ExecuteLabelProperties(*this, object);
  }
  dialogs::DialogFlags Run(dialogs::LabelFields& fields) override;
};

class TButtonPropertyForm : public PropertyDialog,
                            public dialogs::ModalView<dialogs::ButtonFields> {
 public:
  TButtonPropertyForm();
  bool Execute(core::AutoObjectType* object) {
    return dialogs::ExecuteButtonProperties(*this, object);
  }
  dialogs::DialogFlags Run(dialogs::ButtonFields& fields) override;
};

class TImagePropertyForm : public PropertyDialog, public dialogs::ModalView<dialogs::ImageFields> {
 public:
  TImagePropertyForm();
  bool Execute(core::AutoObjectType* object) {
    return dialogs::ExecuteImageProperties(*this, object);
  }
  dialogs::DialogFlags Run(dialogs::ImageFields& fields) override;
};
