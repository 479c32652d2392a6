// The three object dialogs: TLabelPropertyForm ("Label Properties"), TButtonPropertyForm
// ("Button Properties") and TImagePropertyForm ("Image Properties"), each for one object or
// several of its kind, each with a "Link..." that edits the links of the objects it shows.
#pragma once

#include <span>

#include "dialogs/object_dialog_rules.h"
#include "dialogs/object_properties_models.h"
#include "dialogs/win32/property_dialog.h"

using SelectedObjects = std::span<core::AutoObjectType* const>;

// What the three share: "Link..." opens the link editor on the shown objects' links, which they
// take with this dialog's OK.
class ObjectPropertyDialog : public PropertyDialog {
 public:
  using PropertyDialog::PropertyDialog;
  void UseLinkEditor(dialogs::ModalView<dialogs::LinkFields>& editor) { link_editor_ = &editor; }

 protected:
  dialogs::ModalView<dialogs::LinkFields>* LinkEditor() const { return link_editor_; }
  // RunBound, with "Link..." editing `links` meanwhile.
  template <typename Fields>
  dialogs::DialogFlags RunWithLinks(std::span<const FieldRow<Fields>> rows, Fields& fields,
                                    dialogs::SharedFields* shared, dialogs::ObjectLinks* links) {
    links_ = links;
    const dialogs::DialogFlags flags = RunBound<Fields>(rows, fields, shared);
    links_ = nullptr;
    return flags;
  }
  void OnClick(const ControlSpec& clicked) override;

 private:
  dialogs::ModalView<dialogs::LinkFields>* link_editor_ = nullptr;  // not owned
  dialogs::ObjectLinks* links_ = nullptr;                           // during a run only
};

class TLabelPropertyForm : public ObjectPropertyDialog,
                           public dialogs::ModalView<dialogs::LabelFields> {
 public:
  TLabelPropertyForm();
  bool Execute(core::AutoObjectType* object) { return Execute(SelectedObjects(&object, 1)); }
  bool Execute(SelectedObjects objects) {
    return dialogs::ExecuteLabelProperties(*this, objects, LinkEditor());
  }
  dialogs::DialogFlags Run(dialogs::LabelFields& fields) override;
};

class TButtonPropertyForm : public ObjectPropertyDialog,
                            public dialogs::ModalView<dialogs::ButtonFields> {
 public:
  TButtonPropertyForm();
  bool Execute(core::AutoObjectType* object) { return Execute(SelectedObjects(&object, 1)); }
  bool Execute(SelectedObjects objects) {
    return dialogs::ExecuteButtonProperties(*this, objects, LinkEditor());
  }
  dialogs::DialogFlags Run(dialogs::ButtonFields& fields) override;
};

class TImagePropertyForm : public ObjectPropertyDialog,
                           public dialogs::ModalView<dialogs::ImageFields> {
 public:
  TImagePropertyForm();
  bool Execute(core::AutoObjectType* object) { return Execute(SelectedObjects(&object, 1)); }
  bool Execute(SelectedObjects objects) {
    return dialogs::ExecuteImageProperties(*this, objects, LinkEditor());
  }
  dialogs::DialogFlags Run(dialogs::ImageFields& fields) override;
};
