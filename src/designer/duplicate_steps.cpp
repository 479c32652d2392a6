// The step of a run of duplicates.
#include "designer/duplicate_steps.h"

#include <optional>

#include "designer/arrange.h"

namespace designer {
namespace {

std::vector<const core::AutoObjectType*> SelectedOf(const core::AutoFormType& project) {
  std::vector<const core::AutoObjectType*> selected;
  for (const auto& object : project.Objects) {
    if (object->Selected) selected.push_back(object.get());
  }
  return selected;
}

}  // namespace

ui::Point DuplicateSteps::NextOffset(const core::AutoFormType& project) const {
  const std::optional<ui::Rect> group = SelectionBounds(project);
  if (!group || copies_.empty() || SelectedOf(project) != copies_) return kPasteOffset;
  // Positions come from the model's 32-bit fields: the difference saturates, as a paste's does.
  const ui::Point step{ui::Rect::Saturate(int64_t{group->left} - from_.x),
                       ui::Rect::Saturate(int64_t{group->top} - from_.y)};
  return step == ui::Point{} ? kPasteOffset : step;
}

void DuplicateSteps::Note(const core::AutoFormType& project, ui::Point from) {
  copies_ = SelectedOf(project);
  from_ = from;
}

}  // namespace designer
