// What every property dialog shares: its two flags, and the modal view that shows a dialog's
// field values, lets the author edit them and reports how it was closed. Each dialog's Execute
// fills the values from its record, runs the view, and writes back only when the author
// confirmed a change.
#pragma once

#include <cstdint>
#include <string>

namespace dialogs {

class ObjectLinks;  // object_dialog_rules.h

struct DialogFlags {
  bool Changed = false;   // set by every change handler while the dialog is shown
  bool Accepted = false;  // set by OK
  bool Applies() const { return Changed && Accepted; }
};

// A set of members of a dialog's Fields, one bit each (see field_of.h).
using FieldMask = uint32_t;
inline constexpr FieldMask kEveryField = ~FieldMask{0};

// A dialog shown for several objects at once: the members they do not share show no value (an
// empty edit, a list without selection, a check box in its third state, a blank swatch or font
// sample), and the view leaves the members the author gave a value in `changed`, their values in
// the fields. A number field left blank or a check box back in its third state gives none.
struct SharedFields {
  FieldMask unknown = 0;
  FieldMask changed = 0;
  std::string what;  // what the dialog shows, for its title: "4 buttons"
};

template <typename Fields>
class ModalView {
 public:
  virtual ~ModalView() = default;
  // Shows `fields`, runs the dialog modally and leaves the edited values in `fields`. The flags
  // start cleared after the fill.
  virtual DialogFlags Run(Fields& fields) = 0;
  // Run for objects: for several of them Run reads `shared` through Shared() meanwhile, and the
  // objects' links, which an object dialog's "Link..." edits, through Links().
  DialogFlags RunObjects(Fields& fields, SharedFields* shared, ObjectLinks* links) {
    shared_ = shared;
    links_ = links;
    const DialogFlags flags = Run(fields);
    shared_ = nullptr;
    links_ = nullptr;
    return flags;
  }

 protected:
  // Null while the dialog shows one record.
  SharedFields* Shared() const { return shared_; }
  // Null while the dialog shows no objects with links.
  ObjectLinks* Links() const { return links_; }

 private:
  SharedFields* shared_ = nullptr;
  ObjectLinks* links_ = nullptr;
};

}  // namespace dialogs
