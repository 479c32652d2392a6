// One drag step of the design canvas among 1,000 objects with snapping off and on (to objects
// and to the grid): with it on, every step searches every other object's edges and centres for
// the nearest line. The canvas's repaint is not in it (that is the drag step under Wine); the
// verdict is the step's share of a 60 Hz frame, which should stay far below 1.
#include <benchmark/benchmark.h>

#include <cstdlib>

#include "core/project_ops.h"
#include "designer/canvas_editor.h"
#include "fake_desktop.h"
#include "frame_share.h"

namespace {

struct NoView : designer::CanvasView {
  void RefreshCanvas() override {}
  void XorFocusRect(const ui::Rect&) override {}
  designer::Tool CurrentTool() const override { return designer::Tool::Select; }
  void SelectTool() override {}
  void SetPointer(ui::Cursor) override {}
  ui::Size DesignArea() const override { return {1024, 768}; }
};

void BM_DragStep1000Objects(benchmark::State& state) {
  testing_support::TestApp t;
  std::srand(7);
  for (int i = 0; i < 1000; ++i) {
    const ui::Point at{std::rand() % 900, std::rand() % 650};
    core::AddNewObject(t.app, static_cast<uint8_t>(i % 3), at)
        .Control->SetBounds(at.x, at.y, 20 + std::rand() % 100, 10 + std::rand() % 100);
  }
  NoView view;
  ui::Control background;
  designer::CanvasEditor editor(t.app, background, view);
  editor.Snap = {state.range(0) != 0, false, state.range(0) != 0, 8};
  const ui::Control& dragged = *t.app.Project.Objects.back()->Control;  // the one selected
  ui::Point p{dragged.Left + 5, dragged.Top + 5};
  editor.Image1MouseDown(designer::MouseButton::Left, false, p);
  int direction = 1;  // back and forth along a diagonal, through lines and between them
  bench_support::MeasureAgainstFrame(state, [&] {
    if (p.x > 1000 || p.x < 30) direction = -direction;
    p = {p.x + 3 * direction, p.y + 2 * direction};
    editor.Image1MouseMove(p);
  });
  state.SetLabel(state.range(0) != 0 ? "snapping on" : "snapping off");
}
BENCHMARK(BM_DragStep1000Objects)->Arg(0)->Arg(1)->Unit(benchmark::kMicrosecond);

}  // namespace
