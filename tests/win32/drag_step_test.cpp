// A drag step of the design canvas, composed from what it drew of the drag before, shows the
// pixels a full refresh draws: objects above the dragged ones stay above them, see-through ones
// show what moves beneath them, and the marks, the grid and the guides are where they belong.
#include <windows.h>
#include <gtest/gtest.h>

#include <vector>

#include "core/project_ops.h"
#include "designer/win32/edit_form.h"
#include "ui/label.h"
#include "ui/win32/win32_platform.h"

namespace {

struct Closable : CloseGate {
  bool CanvasMayClose() const override { return true; }
};

// A 400 x 300 design over the gradient, its objects overlapping where the drags take them: a
// button, an opaque label, an image, a button and a see-through label, bottom to top. One canvas
// takes the drag's steps, the other is refreshed in full after each.
struct Design {
  Design() {
    app.DesignMode = true;
    autorun.Bind(app);
    EXPECT_TRUE(dragged.Create() && autorun.Create() && full.Create());
    app.Project.Window = &autorun.WindowProperties();
    app.Project.Panel = &autorun.Panel;
    core::ApplyNewProjectDefaults(app);
    autorun.WindowProperties().SetBorderStyle(ui::kBorderNone);
    autorun.WindowProperties().SetBounds(0, 0, 400, 300);
    const uint8_t kinds[] = {core::kKindButton, core::kKindLabel, core::kKindImage,
                             core::kKindButton, core::kKindLabel};
    const ui::Rect places[] = {{20, 20, 140, 60},
                               {100, 40, 220, 90},
                               {60, 100, 160, 180},
                               {150, 70, 270, 110},
                               {40, 150, 200, 230}};
    for (int i = 0; i < 5; ++i) {
      const ui::Rect& r = places[i];
      core::AddNewObject(app, kinds[i], {r.left, r.top})
          .Control->SetBounds(r.left, r.top, r.Width(), r.Height());
    }
    ui::Label& opaque = *core::LabelOf(*app.Project.Objects[1]);
    opaque.Caption = "Opaque over the first button";
    opaque.Transparent = false;
    opaque.Color = ui::Rgb(255, 255, 0);
    core::LabelOf(*app.Project.Objects[4])->Caption = "See-through, last of all";
    core::BindAllObjects(app);
    for (TEditForm* canvas : {&dragged, &full}) {
      canvas->CopyFrameFromPresentation();
      canvas->FormResize();
    }
  }
  ui::win32::Win32Platform platform;
  TAutoRunForm autorun;
  core::AppState app{platform, autorun};
  Closable closable;
  TEditForm dragged{app, autorun, closable}, full{app, autorun, closable};
};

int Differences(const ui::win32::DibSurface& a, const ui::win32::DibSurface& b) {
  if (a.GetSize() != b.GetSize()) return -1;
  int differ = 0;
  for (int y = 0; y < a.GetSize().height; ++y) {
    for (int x = 0; x < a.GetSize().width; ++x) differ += a.PixelAt(x, y) != b.PixelAt(x, y);
  }
  return differ;
}

TEST(DragStep, EveryStepShowsThePixelsOfAFullRefresh) {
  const struct {
    const char* what;
    std::vector<size_t> selected;
    ui::Point press;
    bool snap;
  } cases[] = {{"the bottom button, under the others", {0}, {30, 30}, false},
               {"the top label, over the others", {4}, {50, 200}, false},
               {"the image and a button, snapping to the shown grid", {2, 3}, {80, 120}, true},
               {"the bottom button by its bottom-right handle", {0}, {140, 60}, false}};
  for (const auto& c : cases) {
    Design d;
    for (size_t i : c.selected) d.app.Project.Objects[i]->Selected = true;
    for (TEditForm* canvas : {&d.dragged, &d.full})
      canvas->Editor().Snap = {c.snap, c.snap, c.snap, 8};
    designer::CanvasEditor& editor = d.dragged.Editor();
    ui::Point p = c.press;
    editor.Image1MouseDown(designer::MouseButton::Left, false, p);
    ASSERT_EQ(editor.DragState, designer::DragStateType::MoveOrResize) << c.what;
    for (const ui::Point step : {ui::Point{7, 3}, {45, 25}, {38, 41}, {-60, 12}}) {
      p = {p.x + step.x, p.y + step.y};
      editor.Image1MouseMove(p);
      d.full.Editor().Guides = editor.Guides;
      d.full.RefreshCanvas();
      EXPECT_EQ(Differences(d.dragged.Image1Picture(), d.full.Image1Picture()), 0)
          << c.what << ", at " << p.x << ", " << p.y;
    }
  }
}

}  // namespace
