// What every property dialog shares: its two flags, and the modal view that shows a dialog's
// field values, lets the author edit them and reports how it was closed. Each dialog's Execute
// fills the values from its record, runs the view, and writes back only when the author
// confirmed a change.
#pragma once

namespace dialogs {

struct DialogFlags {
  bool Changed = false;   // set by every change handler while the dialog is shown
  bool Accepted = false;  // set by OK
  bool Applies() const { return Changed && Accepted; }
};

template <typename Fields>
class ModalView {
 public:
  virtual ~ModalView() = default;
  // Shows `fields`, runs the dialog modally and leaves the edited values in `fields`. The flags
  // start cleared after the fill.
  virtual DialogFlags Run(Fields& fields) = 0;
};

}  // namespace dialogs
