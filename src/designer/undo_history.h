// The designer's undo and redo. A step holds the design as the project file stores it (the
// writer's bytes, in memory) and the selection, taken before a user action changed it; undoing
// reads it back through the reader, so every field comes back exactly without a second copy of
// the model's rules. The history is bounded by a step count and by memory, oldest first out.
#pragma once

#include <cstddef>
#include <cstdint>
#include <deque>
#include <string>
#include <vector>

namespace designer {

struct DesignSnapshot {
  std::vector<uint8_t> project;  // the project file image
  std::vector<bool> selection;   // one flag per object, in list order
};

// Two project images hold the same design when they agree up to the reserved word: the tick
// counts after it differ from one encoding to the next.
bool SameDesign(const std::vector<uint8_t>& a, const std::vector<uint8_t>& b);

class UndoHistory {
 public:
  static constexpr size_t kMaxSteps = 1000;
  static constexpr size_t kMaxBytes = size_t{64} << 20;

  explicit UndoHistory(size_t max_steps = kMaxSteps, size_t max_bytes = kMaxBytes)
      : max_steps_(max_steps), max_bytes_(max_bytes) {}

  // Both histories emptied (another folder opened, a new project started).
  void Clear();
  // A user action named `name` changed the design that was `before`; redo is forgotten.
  void Record(std::string name, DesignSnapshot before);

  bool CanUndo() const { return !undo_.empty(); }
  bool CanRedo() const { return !redo_.empty(); }
  const std::string& UndoName() const { return undo_.back().name; }
  const std::string& RedoName() const { return redo_.back().name; }
  // The state the next undo (redo) goes back (forward) to.
  const DesignSnapshot& UndoTarget() const { return undo_.back().state; }
  const DesignSnapshot& RedoTarget() const { return redo_.back().state; }
  // The undo (redo) was restored: `current`, the design it replaced, becomes the way back.
  void Undone(DesignSnapshot current);
  void Redone(DesignSnapshot current);

  size_t UndoSteps() const { return undo_.size(); }
  size_t BytesHeld() const { return bytes_; }

 private:
  struct Step {
    std::string name;
    DesignSnapshot state;
  };
  static size_t SizeOf(const Step& step) { return step.state.project.size() + step.name.size(); }
  void Push(std::deque<Step>& to, Step step);
  void Pop(std::deque<Step>& from);
  void Trim();

  size_t max_steps_;
  size_t max_bytes_;
  std::deque<Step> undo_;
  std::deque<Step> redo_;
  size_t bytes_ = 0;
};

}  // namespace designer
