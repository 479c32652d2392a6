// Snapshots, their restoring, and the unsaved-changes decision.
#include "designer/design_undo.h"

#include "core/project_file.h"

namespace designer {

std::vector<uint8_t> DesignUndo::Encoded() const {
  auto image = core::EncodeProject(app_, core::WindowPlace::Omitted);
  return image ? std::move(*image) : std::vector<uint8_t>{};
}

DesignSnapshot DesignUndo::Snapshot() const {
  DesignSnapshot snapshot{Encoded(), {}};
  for (const auto& object : app_.Project.Objects) snapshot.selection.push_back(object->Selected);
  return snapshot;
}

void DesignUndo::Changed() const {
  if (listener_) listener_();
}

void DesignUndo::Reset() {
  history_.Clear();
  run_end_ = {};
  unchanged_ = Encoded();
  start_change_ = false;
  Changed();
}

void DesignUndo::NoteSaved() {
  unchanged_ = Encoded();
  start_change_ = false;
  Changed();
}

bool DesignUndo::Modified() const {
  return start_change_ || !SameDesign(Encoded(), unchanged_);
}

void DesignUndo::SetStartChange(bool on) {
  if (start_change_ == on) return;
  start_change_ = on;
  Changed();
}

void DesignUndo::CountStartAsChange() {
  SetStartChange(true);
}

void DesignUndo::StartTick() {
  SetStartChange(false);
}

bool DesignUndo::RecordIfChanged(const std::string& name, const DesignSnapshot& before) {
  if (before.project.empty() || SameDesign(before.project, Encoded())) return false;
  history_.Record(name, before);
  run_end_ = {};
  start_change_ = false;
  Changed();
  return true;
}

void DesignUndo::RecordRunStep(const std::string& name, const DesignSnapshot& before) {
  const bool joins = !run_end_.project.empty() && history_.CanUndo() &&
                     history_.UndoName() == name && SameDesign(before.project, run_end_.project) &&
                     before.selection == run_end_.selection;
  if (joins) {
    start_change_ = false;
    Changed();
  } else if (!RecordIfChanged(name, before)) {
    return;
  }
  run_end_ = Snapshot();
}

bool DesignUndo::PutBack(const DesignSnapshot& target, ui::Point place) {
  if (!core::DecodeProject(app_, target.project.data(), target.project.size(),
                           core::MissingFiles::Quiet)) {
    return false;
  }
  // The reader centres the window as a load does; putting a design back keeps it in its place.
  if (ui::Form* window = app_.Project.Window) {
    window->SetBounds(place.x, place.y, window->Width(), window->Height());
  }
  auto& objects = app_.Project.Objects;
  for (size_t i = 0; i < objects.size() && i < target.selection.size(); ++i) {
    objects[i]->Selected = target.selection[i];
  }
  return true;
}

bool DesignUndo::Step(bool back) {
  if (back ? !history_.CanUndo() : !history_.CanRedo()) return false;
  const ui::Form* window = app_.Project.Window;
  const ui::Point place = window ? ui::Point{window->Left(), window->Top()} : ui::Point{};
  DesignSnapshot current = Snapshot();
  if (!PutBack(back ? history_.UndoTarget() : history_.RedoTarget(), place)) {
    PutBack(current, place);  // the reader has reported the failure
    return false;
  }
  run_end_ = {};
  if (back) {
    history_.Undone(std::move(current));
  } else {
    history_.Redone(std::move(current));
  }
  start_change_ = false;
  Changed();
  return true;
}

}  // namespace designer
