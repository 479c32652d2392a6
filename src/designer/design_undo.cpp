// Snapshots and their restoring.
#include "designer/design_undo.h"

#include "core/project_file.h"

namespace designer {

std::vector<uint8_t> DesignUndo::Encoded() const {
  auto image = core::EncodeProject(app_);
  return image ? std::move(*image) : std::vector<uint8_t>{};
}

DesignSnapshot DesignUndo::Snapshot() const {
  DesignSnapshot snapshot{Encoded(), {}};
  for (const auto& object : app_.Project.Objects) snapshot.selection.push_back(object->Selected);
  return snapshot;
}

void DesignUndo::Reset(bool saved) {
  history_.Clear();
  saved_ = saved ? Encoded() : std::vector<uint8_t>{};
}

void DesignUndo::NoteSaved() {
  saved_ = Encoded();
}

bool DesignUndo::MatchesSaved() const {
  return !saved_.empty() && SameDesign(Encoded(), saved_);
}

void DesignUndo::RecordIfChanged(const std::string& name, const DesignSnapshot& before) {
  if (before.project.empty() || SameDesign(before.project, Encoded())) return;
  history_.Record(name, before);
}

bool DesignUndo::Restore(const DesignSnapshot& target) {
  ui::Form* window = app_.Project.Window;
  const int32_t left = window ? window->Left() : 0;
  const int32_t top = window ? window->Top() : 0;
  if (!core::DecodeProject(app_, target.project.data(), target.project.size())) return false;
  // The reader centres the window as a load does; an undo keeps it where the author has it.
  if (window) window->SetBounds(left, top, window->Width(), window->Height());
  auto& objects = app_.Project.Objects;
  for (size_t i = 0; i < objects.size() && i < target.selection.size(); ++i) {
    objects[i]->Selected = target.selection[i];
  }
  return true;
}

bool DesignUndo::Step(bool back) {
  if (back ? !history_.CanUndo() : !history_.CanRedo()) return false;
  DesignSnapshot current = Snapshot();
  if (!Restore(back ? history_.UndoTarget() : history_.RedoTarget())) {
    Restore(current);  // the reader has reported the failure
    return false;
  }
  if (back) {
    history_.Undone(std::move(current));
  } else {
    history_.Redone(std::move(current));
  }
  return true;
}

}  // namespace designer
