// The title words of a dialog of several objects, and the links an object dialog's "Link..."
// edits.
#include "dialogs/object_dialog_rules.h"

#include <iterator>

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
  return std::to_string(objects.size()) + " " + (noun != nullptr ? noun : "objects");
}

ObjectLinks::ObjectLinks(ModalView<LinkFields>* editor,
                         std::span<core::AutoObjectType* const> objects)
    : editor_(editor) {
  for (core::AutoObjectType* object : objects) {
    if (object == nullptr) continue;
    objects_.push_back(object);
    links_.push_back(object->Link);
  }
}

bool ObjectLinks::Edit() {
  if (editor_ == nullptr || links_.empty()) return false;
  std::vector<core::TCommand*> links;
  for (core::TCommand& link : links_) links.push_back(&link);
  const bool changed = ExecuteLinks(*editor_, links, ObjectsText(objects_));
  edited_ = edited_ || changed;
  return changed;
}

bool ObjectLinks::Apply() {
  if (!edited_) return false;
  for (size_t i = 0; i < objects_.size(); ++i) objects_[i]->Link = links_[i];
  return true;
}

}  // namespace dialogs
