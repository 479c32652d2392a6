// What every object dialog does around its own fill and write-back: for one object, every field
// is written back once the author confirmed a change; for several objects, the dialog shows the
// values they share, and only the members the author changed are written, to each of them. The
// link editor follows the same rule over the links of the objects. An object dialog's "Link..."
// edits the links of the objects it shows, which they take with the dialog's OK.
#pragma once

#include <span>
#include <string>
#include <vector>

#include "core/project_model.h"
#include "dialogs/field_of.h"
#include "dialogs/link_model.h"

namespace dialogs {

// A dialog's reading of a record's values (false for a record it does not edit) and its writing
// of the members in `write`. The records are objects, or the links of objects.
template <typename Fields, typename Record = core::AutoObjectType>
struct ObjectRules {
  bool (*read)(const Record& record, Fields& fields);
  void (*write)(Record& record, const Fields& fields, FieldMask write);
};

// "4 buttons", "2 labels", "3 images", or "5 objects" of mixed kinds: what a dialog of several
// objects shows, named in its title.
std::string ObjectsText(std::span<core::AutoObjectType* const> objects);

// The links of the objects an object dialog shows, as its "Link..." edits them: the link editor
// works on copies, by the rule of Object Link, and the objects take them only when the dialog is
// confirmed. A link edited and then the dialog cancelled is dropped with the rest of it, as
// everything else of a cancelled dialog is.
class ObjectLinks {
 public:
  // `editor` null: the dialog offers no link edit.
  ObjectLinks(ModalView<LinkFields>* editor, std::span<core::AutoObjectType* const> objects);
  // The link editor on the copies; true when the author changed them.
  bool Edit();
  // Gives each object its edited link; false when no link was changed.
  bool Apply();

 private:
  ModalView<LinkFields>* editor_;  // not owned
  std::span<core::AutoObjectType* const> objects_;
  std::vector<core::TCommand> links_;  // in the order of objects_
  std::vector<core::TCommand*> edited_links_;
  bool edited_ = false;
};

// Refuses (false, nothing shown) no record, or one the dialog does not edit. `what` names several
// records in the dialog's title; `links`, when given, go to the objects with the dialog's OK.
template <typename Fields, typename Record>
bool EditObjects(const ObjectRules<Fields, Record>& rules, ModalView<Fields>& view,
                 std::span<Record* const> records, std::string what = {},
                 ObjectLinks* links = nullptr) {
  Fields shown;  // the first record's values; the view blanks the members they do not share
  SharedFields shared{0, 0, std::move(what)};
  for (size_t i = 0; i < records.size(); ++i) {
    Fields each;
    if (records[i] == nullptr || !rules.read(*records[i], i == 0 ? shown : each)) return false;
    if (i > 0) shared.unknown |= Differing(shown, each);
  }
  const bool several = records.size() > 1;
  if (records.empty() || !view.RunObjects(shown, several ? &shared : nullptr, links).Applies()) {
    return false;
  }
  const FieldMask write = several ? shared.changed : kEveryField;
  for (Record* record : records) rules.write(*record, shown, write);
  const bool linked = links != nullptr && links->Apply();
  return write != 0 || linked;
}

}  // namespace dialogs
