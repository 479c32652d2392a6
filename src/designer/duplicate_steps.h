// Duplicating in steps: a duplicate of the copies that the last duplicate made lands as far from
// them as they now stand from their originals, so that one copy moved into place sets the step of
// a whole row or column of copies.
#pragma once

#include <vector>

#include "core/project_model.h"
#include "ui/geometry.h"

namespace designer {

// Where a paste or a first duplicate lands from the objects it copies.
inline constexpr ui::Point kPasteOffset{10, 10};

class DuplicateSteps {
 public:
  // How far the next duplicate of the selection goes from it: when the selection is the last
  // duplicate's copies, moved or not, the step from their originals to where they are now (unless
  // that is none); else kPasteOffset.
  ui::Point NextOffset(const core::AutoFormType& project) const;
  // A duplicate has just made the selection from objects whose group's top-left corner was `from`.
  void Note(const core::AutoFormType& project, ui::Point from);
  // The copies were deleted or the design replaced (undo, redo, another folder): a fresh start.
  void Forget() { copies_.clear(); }

 private:
  std::vector<const core::AutoObjectType*> copies_;  // compared, never followed: may be gone
  ui::Point from_;
};

}  // namespace designer
