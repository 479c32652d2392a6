// TPositionSizeForm, "Position and Size" (F4): Left, Top, Width and Height of the selection, or
// the design window's client width and height when nothing is selected.
#pragma once

#include "dialogs/position_size_model.h"
#include "dialogs/win32/property_dialog.h"

class TPositionSizeForm : public PropertyDialog,
                          public dialogs::ModalView<dialogs::PositionSizeFields> {
 public:
  TPositionSizeForm();
  bool Execute(core::AutoFormType& project, ui::Point last_place, ui::Size& client) {
    return dialogs::ExecutePositionAndSize(*this, project, last_place, client);
  }
  dialogs::DialogFlags Run(dialogs::PositionSizeFields& fields) override;

 protected:
  void OnFilled() override;
  LRESULT HandleMessage(UINT message, WPARAM wparam, LPARAM lparam) override;

 private:
  // Whether every field is blank or holds a number it takes; else names the first that does not
  // and selects it, as the other dialogs' number fields do.
  bool EntriesReadable();

  const dialogs::PositionSizeFields* fields_ = nullptr;  // during a run only
};
