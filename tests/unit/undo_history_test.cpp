// The undo history: steps and their names, redo forgotten by a new step, the bounds, and the
// comparison with the saved design.
#include <gtest/gtest.h>

#include "core/project_ops.h"
#include "designer/design_undo.h"
#include "designer/undo_history.h"
#include "fake_desktop.h"

namespace designer {
namespace {

// A project image of `design` bytes followed by the 84-byte tail (reserved word and filler).
DesignSnapshot State(uint8_t design, uint8_t tail = 0, size_t size = 10) {
  std::vector<uint8_t> image(size, design);
  image.insert(image.end(), 84, tail);
  return {image, {design % 2 == 0}};
}

TEST(UndoHistory, UndoAndRedoWalkTheStepsAndANewStepForgetsRedo) {
  UndoHistory history;
  EXPECT_FALSE(history.CanUndo());
  history.Record("Add", State(1));
  history.Record("Move", State(2));
  ASSERT_TRUE(history.CanUndo());
  EXPECT_EQ(history.UndoName(), "Move");
  EXPECT_EQ(history.UndoTarget().project, State(2).project);

  history.Undone(State(3));  // back to 2; 3 is the way forward
  EXPECT_EQ(history.UndoName(), "Add");
  ASSERT_TRUE(history.CanRedo());
  EXPECT_EQ(history.RedoName(), "Move");
  EXPECT_EQ(history.RedoTarget().project, State(3).project);

  history.Redone(State(2));
  EXPECT_EQ(history.UndoName(), "Move");
  EXPECT_FALSE(history.CanRedo());

  history.Undone(State(3));
  history.Record("Delete", State(2));
  EXPECT_FALSE(history.CanRedo()) << "a new step after an undo forgets the redo";
  history.Clear();
  EXPECT_FALSE(history.CanUndo());
  EXPECT_EQ(history.BytesHeld(), 0u);
}

TEST(UndoHistory, TheOldestStepsGoFirstWhenTheBoundsAreReached) {
  struct Case {
    size_t max_steps, max_bytes, kept;
  };
  // A step here holds 94 bytes of image and a one-letter name.
  for (const Case& c : {Case{100, 1 << 20, 100}, Case{1000, 25 * 95, 25}}) {
    UndoHistory history(c.max_steps, c.max_bytes);
    for (int i = 0; i < 150; ++i) history.Record(std::to_string(i % 10), State(uint8_t(i)));
    EXPECT_EQ(history.UndoSteps(), c.kept);
    EXPECT_LE(history.BytesHeld(), c.max_bytes);
    EXPECT_EQ(history.UndoTarget().project, State(149).project) << "the newest stays";
  }
}

TEST(UndoHistory, DesignsCompareUpToTheReservedWord) {
  EXPECT_TRUE(SameDesign(State(1, 0).project, State(1, 7).project));
  EXPECT_FALSE(SameDesign(State(1).project, State(2).project));
  EXPECT_FALSE(SameDesign(State(1, 0, 10).project, State(1, 0, 11).project));
}

TEST(DesignUndo, RestoresDesignAndSelectionWhereTheWindowIsAndComparesWithTheSaved) {
  testing_support::TestApp t;
  DesignUndo undo(t.app);
  core::AddNewObject(t.app, core::kKindLabel, {10, 10});
  core::AddNewObject(t.app, core::kKindImage, {90, 90}).ImageFile = "\\gone.jpg";
  undo.Reset();                                                   // as opened
  t.window.SetBounds(7, 9, t.window.Width(), t.window.Height());  // moved: no change
  EXPECT_FALSE(undo.Modified());
  const DesignSnapshot before = undo.Snapshot();
  core::AddNewObject(t.app, core::kKindButton, {50, 50});
  undo.RecordIfChanged("Add Button", before);

  EXPECT_TRUE(undo.Modified());
  ASSERT_TRUE(undo.Undo());
  ASSERT_EQ(t.app.Project.Objects.size(), 2u);
  EXPECT_TRUE(t.app.Project.Objects[1]->Selected);
  EXPECT_EQ((ui::Point{t.window.Left(), t.window.Top()}), (ui::Point{7, 9})) << "not centred";
  EXPECT_FALSE(undo.Modified());
  ASSERT_TRUE(undo.Redo());
  EXPECT_EQ(t.app.Project.Objects.size(), 3u);
  EXPECT_TRUE(undo.Modified());
  undo.NoteSaved();
  EXPECT_FALSE(undo.Modified());
  EXPECT_TRUE(t.platform.messages.empty()) << "undo and redo report no missing picture";

  // A step that cannot be read back: one "IO Error", and the design stays as it was.
  DesignSnapshot broken = undo.Snapshot();
  broken.project.resize(broken.project.size() / 2);
  core::ClearObjects(t.app);
  undo.RecordIfChanged("Clear", broken);
  EXPECT_FALSE(undo.Undo());
  EXPECT_TRUE(t.app.Project.Objects.empty());
  EXPECT_EQ(t.platform.messages.size(), 1u);
  EXPECT_EQ(undo.History().UndoName(), "Clear") << "the step stays for another try";
}

TEST(DesignUndo, TheStartCountsAsAChangeUntilTheFirstTickASaveOrAStep) {
  testing_support::TestApp t;
  DesignUndo undo(t.app);
  int told = 0;
  undo.OnModifiedChange([&] { ++told; });
  for (int ending = 0; ending < 3; ++ending) {
    undo.Reset();
    undo.CountStartAsChange();
    EXPECT_TRUE(undo.Modified());
    if (ending == 0) undo.StartTick();
    if (ending == 1) undo.NoteSaved();
    if (ending == 2) {
      const DesignSnapshot before = undo.Snapshot();
      core::AddNewObject(t.app, core::kKindLabel, {1, 1});
      undo.RecordIfChanged("Add Label", before);
      ASSERT_TRUE(undo.Undo());
    }
    EXPECT_FALSE(undo.Modified()) << ending;
  }
  EXPECT_GE(told, 9) << "each change of the answer is told";
}

}  // namespace
}  // namespace designer
