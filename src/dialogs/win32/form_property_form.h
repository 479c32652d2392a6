// TFormPropertyForm, "Form Properties": the presentation window's caption, icon, start sound,
// colours and gradient, border, position and transparency, and its outer panel's border and
// bevels.
#pragma once

#include "dialogs/form_properties_model.h"
#include "dialogs/win32/property_dialog.h"

class TFormPropertyForm : public PropertyDialog, public dialogs::ModalView<dialogs::FormFields> {
 public:
  TFormPropertyForm();
  bool Execute(core::AutoFormType* project) {
    return dialogs::ExecuteFormProperties(*this, project);
  }
  dialogs::DialogFlags Run(dialogs::FormFields& fields) override;
};
