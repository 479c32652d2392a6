// Times one drag step of the design canvas: a move of the selection by one pixel, which copies
// the picture of what stands still (drawn at the drag's first step), draws afresh where the
// selected objects and their marks lie, and copies the picture to the screen, on a 1024 x 768
// design with 200 objects. Prints the step against a plain BitBlt of the same area between two
// new bitmaps, and between two bitmaps already in use (the copy a step makes), and how much of a
// 60 Hz frame it takes. Run under Wine on a display. With "snap", the drag snaps to the other
// objects and to the grid, as the author may switch on.
//
//   canvas_bench.exe [STEPS] [snap]
#include <windows.h>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <vector>

#include "bench_timing.h"
#include "core/project_ops.h"
#include "designer/win32/edit_form.h"
#include "ui/win32/dib_surface.h"
#include "ui/win32/win32_platform.h"

namespace {

constexpr int kWidth = 1024;
constexpr int kHeight = 768;
constexpr int kObjects = 200;

// A plain copy of the design area between two bitmaps, the floor of any repaint.
double PlainBlit(ui::win32::DibSurface& from, ui::win32::DibSurface& to) {
  const double start = bench::Now();
  ::BitBlt(to.Dc(), 0, 0, kWidth, kHeight, from.Dc(), 0, 0, SRCCOPY);
  ::GdiFlush();
  return bench::Now() - start;
}

double NewBitmapsBlit() {
  ui::win32::DibSurface from, to;
  from.Resize({kWidth, kHeight});
  to.Resize({kWidth, kHeight});
  return PlainBlit(from, to);
}

}  // namespace

int main(int argc, char** argv) {
  const int steps = argc > 1 ? std::max(5, std::atoi(argv[1])) : 60;
  const bool snap = argc > 2 && std::strcmp(argv[2], "snap") == 0;
  ui::win32::Win32Platform platform;
  TAutoRunForm autorun;
  core::AppState app(platform, autorun);
  app.DesignMode = true;
  autorun.Bind(app);
  struct : CloseGate {
    bool CanvasMayClose() const override { return true; }
  } closable;
  TEditForm canvas(app, autorun, closable);
  if (!canvas.Create() || !autorun.Create()) return 1;
  app.Project.Window = &autorun.WindowProperties();
  app.Project.Panel = &autorun.Panel;
  core::ApplyNewProjectDefaults(app);
  autorun.WindowProperties().SetBorderStyle(ui::kBorderNone);
  autorun.WindowProperties().SetBounds(0, 0, kWidth, kHeight);
  canvas.CopyFrameFromPresentation();
  canvas.Show(SW_SHOWNOACTIVATE);
  canvas.FormResize();

  // Labels, buttons with the default glyph and empty images spread over the design; a quarter
  // of them selected, so that their handles are drawn too.
  std::srand(7);
  for (int i = 0; i < kObjects; ++i) {
    const ui::Point at{std::rand() % (kWidth - 130), std::rand() % (kHeight - 110)};
    core::AddNewObject(app, static_cast<uint8_t>(i % 3), at).Selected = i % 4 == 0;
  }
  core::BindAllObjects(app);
  designer::CanvasEditor& editor = canvas.Editor();
  editor.Snap = {snap, false, snap, 8};
  const core::AutoObjectType& grabbed = *app.Project.Objects.front();  // selected
  ui::Point p{grabbed.Control->Left + 2, grabbed.Control->Top + 2};
  editor.Image1MouseDown(designer::MouseButton::Left, false, p);

  ui::win32::DibSurface used_from, used_to;
  used_from.Resize({kWidth, kHeight});
  used_to.Resize({kWidth, kHeight});
  std::vector<double> step_ms, blit_ms, used_blit_ms;
  for (int i = 0; i < steps; ++i) {
    p.x += i % 2 == 0 ? 1 : -1;
    const double start = bench::Now();
    editor.Image1MouseMove(p);
    step_ms.push_back(bench::Now() - start);
    blit_ms.push_back(NewBitmapsBlit());
    used_blit_ms.push_back(PlainBlit(used_from, used_to));
  }
  editor.Image1MouseUp(false, p);
  const double step = bench::Median(step_ms);
  const double blit = bench::Median(blit_ms);
  const double used_blit = bench::Median(used_blit_ms);
  std::printf("drag step, %d x %d design, %d objects, snapping %s: %.2f ms (median of %d)\n",
              kWidth, kHeight, kObjects, snap ? "on" : "off", step, steps);
  std::printf("plain BitBlt of the same area: %.3f ms; between bitmaps in use: %.3f ms\n", blit,
              used_blit);
  std::printf("ratio step / BitBlt: %.1f (bitmaps in use: %.1f); share of a 60 Hz frame: %.0f%%\n",
              step / blit, step / used_blit, 100.0 * step / (1000.0 / 60.0));
  return 0;
}
