// Undo and redo of the design: snapshots of the project as its file stores it plus the
// selection, restored through the project file reader with the design window kept where it is;
// and whether the design has unsaved changes, decided here alone by comparing it with the design
// as last opened or saved.
#pragma once

#include <functional>
#include <string>
#include <vector>

#include "core/app_state.h"
#include "designer/undo_history.h"
#include "ui/geometry.h"

namespace designer {

class DesignUndo {
 public:
  explicit DesignUndo(core::AppState& app) : app_(app) {}

  DesignSnapshot Snapshot() const;
  // Another design is open (loaded from its file, or new): both histories emptied, and the
  // design as it is now counts as unchanged.
  void Reset();
  // The design as it is now has been saved.
  void NoteSaved();
  // Records a step named `name` when the design is no longer the one of `before`; true if so.
  bool RecordIfChanged(const std::string& name, const DesignSnapshot& before);
  // A step of a run of small changes (the arrow keys): one that finds the design and selection
  // as the run's previous step left them, with no step recorded, undone or redone since, joins
  // that step instead of adding one, so that a single undo takes the whole run back.
  void RecordRunStep(const std::string& name, const DesignSnapshot& before);

  // Each puts the design back (forward) one step; false when there is none, or when the restore
  // failed ("IO Error" shown once) and the design was left as it was.
  bool Undo() { return Step(true); }
  bool Redo() { return Step(false); }
  // Puts `target` back with the presentation window's top-left corner at `place`; files it names
  // that do not exist were reported when it was first shown and are not reported again.
  bool PutBack(const DesignSnapshot& target, ui::Point place);

  // Whether there are changes since the design was opened or last saved: the design differs from
  // that one, or the designer's start counts as a change (see CountStartAsChange).
  bool Modified() const;
  // The designer's start leaves the design changed until the presentation window's first tick
  // (StartTick), a save or another design; a tick handled inside a dialog of the start itself
  // comes too early to clear it. Any step the author takes leaves the comparison alone to decide.
  void CountStartAsChange();
  void StartTick();
  // Called whenever Modified may have changed.
  void OnModifiedChange(std::function<void()> listener) { listener_ = std::move(listener); }

  const UndoHistory& History() const { return history_; }

 private:
  bool Step(bool back);
  std::vector<uint8_t> Encoded() const;
  void SetStartChange(bool on);
  void Changed() const;

  core::AppState& app_;
  UndoHistory history_;
  std::vector<uint8_t> unchanged_;  // the design as last opened or saved
  bool start_change_ = false;
  std::function<void()> listener_;
  DesignSnapshot run_end_;  // as the last run step left the design; empty when no run goes on
};

}  // namespace designer
