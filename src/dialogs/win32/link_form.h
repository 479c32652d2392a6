// TLinkForm, "Edit Link": the action of a link, its target (picked inside the CD folder or
// typed), parameters and start directory; of one link, or of the links of several objects.
#pragma once

#include <span>

#include "dialogs/link_model.h"
#include "dialogs/win32/property_dialog.h"

class TLinkForm : public PropertyDialog, public dialogs::ModalView<dialogs::LinkFields> {
 public:
  TLinkForm();
  // Edits `link` in place; true when the author changed something and pressed OK.
  bool Execute(core::TCommand* link) { return dialogs::ExecuteLink(*this, link); }
  // The links of one or more objects: what they share shows, what the author changes is written.
  bool Execute(std::span<core::AutoObjectType* const> objects) {
    return dialogs::ExecuteObjectLinks(*this, objects);
  }
  dialogs::DialogFlags Run(dialogs::LinkFields& fields) override;

 protected:
  // The fields are enabled for the action the link was filled with.
  void OnFilled() override { ComboBox1Change(); }
  void OnClick(const ControlSpec& clicked) override;
  void OnFieldChanged(int id) override;

 private:
  void ComboBox1Change();
};
