// TLinkForm, "Edit Link": the action of a link, its target (picked inside the CD folder or
// typed), parameters and start directory.
#pragma once

#include "dialogs/link_model.h"
#include "dialogs/win32/property_dialog.h"

class TLinkForm : public PropertyDialog, public dialogs::ModalView<dialogs::LinkFields> {
 public:
  TLinkForm();
  // Edits `link` in place; true when the author changed something and pressed OK.
  bool Execute(core::TCommand* link) { return dialogs::ExecuteLink(*this, link); }
  dialogs::DialogFlags Run(dialogs::LinkFields& fields) override;

 protected:
  // The fields are enabled for the action the link was filled with.
  void OnFilled() override { ComboBox1Change(); }
  void OnClick(const ControlSpec& clicked) override;
  void OnFieldChanged(int id) override;

 private:
  void ComboBox1Change();
};
