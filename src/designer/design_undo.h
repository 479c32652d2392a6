// Undo and redo of the design: snapshots of the project as its file stores it plus the
// selection, restored through the project file reader with the design window kept where it is,
// and the comparison with the design as last saved that decides Modified afterwards.
#pragma once

#include <string>
#include <vector>

#include "core/app_state.h"
#include "designer/undo_history.h"

namespace designer {

class DesignUndo {
 public:
  explicit DesignUndo(core::AppState& app) : app_(app) {}

  DesignSnapshot Snapshot() const;
  // Both histories emptied; the design now open is the saved one when `saved`, else there is
  // none yet (a new project).
  void Reset(bool saved);
  // The design as it is now has been saved.
  void NoteSaved();
  // Records a step named `name` when the design is no longer the one of `before`.
  void RecordIfChanged(const std::string& name, const DesignSnapshot& before);

  // Each puts the design back (forward) one step; false when there is none, or when the restore
  // failed ("IO Error" shown once) and the design was left as it was.
  bool Undo() { return Step(true); }
  bool Redo() { return Step(false); }
  // Whether the design equals the one last saved.
  bool MatchesSaved() const;

  const UndoHistory& History() const { return history_; }

 private:
  bool Step(bool back);
  bool Restore(const DesignSnapshot& target);
  std::vector<uint8_t> Encoded() const;

  core::AppState& app_;
  UndoHistory history_;
  std::vector<uint8_t> saved_;  // empty: never saved
};

}  // namespace designer
