// Undo of a large design (2,000 objects of all three kinds): one step, back or forward, is a
// snapshot of the design as it is and a read of the one restored.
#include <benchmark/benchmark.h>

#include "core/project_ops.h"
#include "designer/design_undo.h"
#include "fake_desktop.h"
#include "frame_share.h"
#include "sample_project.h"

namespace {

void BM_UndoStep2000Objects(benchmark::State& state) {
  testing_support::TestApp t;
  testing_support::FillSampleProject(t.app);
  testing_support::AddManyObjects(t.app, 2000 - 3);
  designer::DesignUndo undo(t.app);
  undo.Reset();
  const designer::DesignSnapshot before = undo.Snapshot();
  t.app.Project.Objects.back()->Control->Left += 5;  // one object moved: one step
  undo.RecordIfChanged("Move", before);
  bool back = true;  // each iteration one step: back and forth in turn
  bench_support::MeasureAgainstFrame(state, [&] {
    if (!(back ? undo.Undo() : undo.Redo())) state.SkipWithError("undo");
    back = !back;
    t.platform.messages.clear();  // the sample's missing media are reported on every read
  });
}
BENCHMARK(BM_UndoStep2000Objects)->Unit(benchmark::kMillisecond);

}  // namespace
