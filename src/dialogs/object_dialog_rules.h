// What every object dialog does around its own fill and write-back: for one object, every field
// is written back once the author confirmed a change; for several objects, the dialog shows the
// values they share, and only the members the author changed are written, to each of them.
#pragma once

#include <span>

#include "core/project_model.h"
#include "dialogs/field_of.h"

namespace dialogs {

// A dialog's reading of an object's values (false for an object it does not edit) and its
// writing of the members in `write`.
template <typename Fields>
struct ObjectRules {
  bool (*read)(const core::AutoObjectType& object, Fields& fields);
  void (*write)(core::AutoObjectType& object, const Fields& fields, FieldMask write);
};

// Refuses (false, nothing shown) no object, or one the dialog does not edit.
template <typename Fields>
bool EditObjects(const ObjectRules<Fields>& rules, ModalView<Fields>& view,
                 std::span<core::AutoObjectType* const> objects) {
  Fields shown;  // the first object's values; the view blanks the members they do not share
  SharedFields shared;
  for (size_t i = 0; i < objects.size(); ++i) {
    Fields each;
    if (objects[i] == nullptr || !rules.read(*objects[i], i == 0 ? shown : each)) return false;
    if (i > 0) shared.unknown |= Differing(shown, each);
  }
  const bool several = objects.size() > 1;
  if (objects.empty() || !(several ? view.RunShared(shown, shared) : view.Run(shown)).Applies()) {
    return false;
  }
  const FieldMask write = several ? shared.changed : kEveryField;
  for (core::AutoObjectType* object : objects) rules.write(*object, shown, write);
  return write != 0;
}

}  // namespace dialogs
