// The undo and redo history.
#include "designer/undo_history.h"

#include <algorithm>

#include "core/project_file.h"

namespace designer {
namespace {

// The reserved word and the tick-count filler close every project image.
constexpr size_t kTailBytes = 4 + 4 * core::kFillerWords;

size_t DesignLength(const std::vector<uint8_t>& image) {
  return image.size() >= kTailBytes ? image.size() - kTailBytes : image.size();
}

}  // namespace

bool SameDesign(const std::vector<uint8_t>& a, const std::vector<uint8_t>& b) {
  const size_t length = DesignLength(a);
  return length == DesignLength(b) && std::equal(a.begin(), a.begin() + length, b.begin());
}

void UndoHistory::Clear() {
  undo_.clear();
  redo_.clear();
  bytes_ = 0;
}

void UndoHistory::Push(std::deque<Step>& to, Step step) {
  bytes_ += SizeOf(step);
  to.push_back(std::move(step));
}

void UndoHistory::Pop(std::deque<Step>& from) {
  bytes_ -= SizeOf(from.back());
  from.pop_back();
}

void UndoHistory::Record(std::string name, DesignSnapshot before) {
  while (!redo_.empty()) Pop(redo_);
  Push(undo_, {std::move(name), std::move(before)});
  Trim();
}

void UndoHistory::Undone(DesignSnapshot current) {
  Step step{undo_.back().name, std::move(current)};
  Pop(undo_);
  Push(redo_, std::move(step));
  Trim();
}

void UndoHistory::Redone(DesignSnapshot current) {
  Step step{redo_.back().name, std::move(current)};
  Pop(redo_);
  Push(undo_, std::move(step));
  Trim();
}

void UndoHistory::Trim() {
  // The oldest undo steps go first; the newest step always stays.
  while (undo_.size() > 1 && (undo_.size() > max_steps_ || bytes_ > max_bytes_)) {
    bytes_ -= SizeOf(undo_.front());
    undo_.pop_front();
  }
}

}  // namespace designer
