// The title words of a dialog of several objects, and the links an object dialog's "Link..."
// edits.
#include "dialogs/object_dialog_rules.h"

#include <iterator>

#include "core/text.h"

namespace dialogs {

std::string ObjectsText(std::span<core::AutoObjectType* const> objects) {
  // By the kind codes.
  static constexpr const char* kNouns[] = {"labels", "buttons", "images"};
  const char* noun = nullptr;
  for (const core::AutoObjectType* object : objects) {
    const char* own =
        object != nullptr && object->Kind < std::size(kNouns) ? kNouns[object->Kind] : "objects";
    noun = noun == nullptr || noun == own ? own : "objects";
  }
  return core::Joined({core::Decimal(objects.size()), " ", noun != nullptr ? noun : "objects"});
}

ObjectLinks::ObjectLinks(ModalView<LinkFields>* editor,
                         std::span<core::AutoObjectType* const> objects)
    : editor_(editor), objects_(objects), links_(objects.size()), edited_links_(objects.size()) {
  for (size_t i = 0; i < objects.size(); ++i) {
    // A missing object is refused by the dialog before any link is edited.
    if (objects[i] != nullptr) links_[i] = objects[i]->Link;
    edited_links_[i] = &links_[i];
  }
}

bool ObjectLinks::Edit() {
  if (editor_ == nullptr || links_.empty()) return false;
  const bool changed = ExecuteLinks(*editor_, edited_links_, ObjectsText(objects_));
  edited_ = edited_ || changed;
  return changed;
}

bool ObjectLinks::Apply() {
  if (!edited_) return false;
  for (size_t i = 0; i < objects_.size(); ++i) objects_[i]->Link = links_[i];
  return true;
}

}  // namespace dialogs
