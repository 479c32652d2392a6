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

// A 400 x 300 design over the gradient: two buttons, an opaque and a see-through label, and an
// image, overlapping where the drags take them.
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
    const struct {
      uint8_t kind;
      ui::Rect bounds;
    } objects[] = {{core::kKindButton, {20, 20, 140, 60}},
                   {core::kKindLabel, {100, 40, 220, 90}},
                   {core::kKindImage, {60, 100, 160, 180}},
                   {core::kKindButton, {150, 70, 270, 110}},
                   {core::kKindLabel, {40, 150, 200, 230}}};
    for (const auto& o : objects) {
      core::AddNewObject(app, o.kind, {o.bounds.left, o.bounds.top})
          .Control->SetBounds(o.bounds.left, o.bounds.top, o.bounds.Width(), o.bounds.Height());
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
  TEditForm dragged{app, autorun, closable};  // takes the drag's steps
  TEditForm full{app, autorun, closable};     // refreshed in full after each of them
};

// How many pixels of the two canvases' pictures differ.
int Differences(const TEditForm& a, const TEditForm& b) {
  const ui::win32::DibSurface& x = a.Image1Picture();
  const ui::win32::DibSurface& y = b.Image1Picture();
  if (x.GetSize() != y.GetSize()) return -1;
  int differ = 0;
  for (int row = 0; row < x.GetSize().height; ++row) {
    for (int column = 0; column < x.GetSize().width; ++column) {
      differ += x.PixelAt(column, row) != y.PixelAt(column, row) ? 1 : 0;
    }
  }
  return differ;
}

TEST(DragStep, EveryStepShowsThePixelsOfAFullRefresh) {
  struct Case {
    const char* what;
    std::vector<size_t> selected;
    ui::Point press;
    bool snap;
  };
  const Case cases[] = {
      {"the bottom button, under the others", {0}, {30, 30}, false},
      {"the top label, over the others", {4}, {50, 200}, false},
      {"the image and a button, among the rest, snapping to the shown grid",
       {2, 3},
       {80, 120},
       true},
      {"the bottom button by its bottom-right handle", {0}, {140, 60}, false},
  };
  for (const Case& c : cases) {
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
      EXPECT_EQ(Differences(d.dragged, d.full), 0) << c.what << ", at " << p.x << ", " << p.y;
    }
    editor.Image1MouseUp(false, p);
  }
}

}  // namespace
