// Snapping: which lines a drag moves, where they land and which guide shows, the grid, a drag
// that snaps and lets go again, and the settings that switch it on.
#include <gtest/gtest.h>

#include <vector>

#include "core/project_ops.h"
#include "designer/canvas_editor.h"
#include "designer/snapping.h"
#include "fake_desktop.h"

namespace designer {
namespace {

constexpr int32_t N = kNoGuide;
constexpr core::SnapSettings kObjects{true}, kGrid{false, false, true}, kBoth{true, false, true};

// A 600 x 400 design area with O (100,100 80x60: lines x 100 140 180, y 100 130 160), Q
// (350,250 40x40: x 350 370 390) and the selection S (200,300 40x20, added last), whose own lines
// never count.
struct Design : CanvasView {
  Design() {
    for (auto [x, y, w, h] :
         {std::tuple{100, 100, 80, 60}, {350, 250, 40, 40}, {200, 300, 40, 20}}) {
      core::AddNewObject(t.app, core::kKindImage, {x, y}).Control->SetBounds(x, y, w, h);
    }
  }
  void RefreshCanvas() override {}
  void XorFocusRect(const ui::Rect&) override {}
  Tool CurrentTool() const override { return Tool::Select; }
  void SelectTool() override {}
  void SetPointer(ui::Cursor) override {}
  ui::Size DesignArea() const override { return {600, 400}; }
  testing_support::TestApp t;
};

TEST(Snapping, TheNearestLineInReachWinsOnEachAxisElseTheGrid) {
  struct Case {
    core::SnapSettings snap;
    int32_t grab;
    ui::Rect moved;
    ui::Point shift;
    SnapGuides guides;
  };
  Design d;
  for (const Case& c : std::vector<Case>{
           {kObjects, 0, {105, 300, 145, 320}, {-5, 0}, {100, N}},     // 5 pixels off: in reach
           {kObjects, 0, {106, 300, 146, 320}, {0, 0}, {N, N}},        // 6 pixels off: none
           {kObjects, 0, {128, 96, 148, 116}, {2, 4}, {140, 100}},     // centre to centre; top
           {kObjects, 0, {562, 382, 602, 402}, {-2, -2}, {600, 400}},  // the area's far edges
           {kObjects, 0, {290, 186, 306, 206}, {2, 4}, {300, 200}},    // the area's centres
           {kObjects, 0, {97, 0, 143, 1}, {-3, 0}, {140, 0}},          // +3 to 100, -3 to 140: left
           {kObjects, 0, {3, 50, 143, 60}, {-3, 0}, {0, N}},           // the area before O
           {kObjects, 0, {103, 50, 353, 60}, {-3, 0}, {100, N}},       // O before Q, in list order
           // The handles drag their own edges only: left 103, top 97, right 178, bottom 163
           // (centres 140, 130 lie on O's, which only a move takes).
           {kObjects, 0, {103, 97, 178, 163}, {0, 0}, {140, 130}},
           {kObjects, 1, {103, 97, 178, 163}, {-3, 3}, {100, 100}},
           {kObjects, 2, {103, 97, 178, 163}, {0, 3}, {N, 100}},
           {kObjects, 3, {103, 97, 178, 163}, {2, 3}, {180, 100}},
           {kObjects, 4, {103, 97, 178, 163}, {2, 0}, {180, N}},
           {kObjects, 5, {103, 97, 178, 163}, {2, -3}, {180, 160}},
           {kObjects, 6, {103, 97, 178, 163}, {0, -3}, {N, 160}},
           {kObjects, 7, {103, 97, 178, 163}, {-3, -3}, {100, 160}},
           {kObjects, 8, {103, 97, 178, 163}, {-3, 0}, {100, N}},
           {kGrid, 0, {13, -3, 40, 20}, {3, 3}, {N, N}},        // the top-left corner to 16, 0
           {kGrid, 0, {12, 21, 40, 44}, {-4, 3}, {N, N}},       // half way: the line before
           {kGrid, 4, {13, 13, 21, 21}, {3, 0}, {N, N}},        // the right edge to 24
           {kGrid, 6, {13, 13, 21, 30}, {0, 2}, {N, N}},        // the bottom edge to 32
           {kBoth, 0, {103, 50, 123, 70}, {-3, -2}, {100, N}},  // a line in reach beats the grid
       }) {
    const Snapped s = SnapLines(d.t.app.Project, {600, 400}, c.snap, c.grab, c.moved, {});
    EXPECT_EQ(s.shift, c.shift) << "grab " << c.grab << " left " << c.moved.left;
    EXPECT_EQ(s.guides, c.guides) << "grab " << c.grab << " left " << c.moved.left;
  }
}

TEST(Snapping, ADragSticksToALineUntilThePointerLeavesItsReach) {
  struct Step {
    int32_t free_left;  // where the pointer alone puts S
    bool alt;
    int32_t off, objects, grid;  // S's left with every snap off, to objects, to the grid of 8
  } const steps[] = {
      {103, false, 103, 100, 104}, {104, false, 104, 100, 104}, {106, false, 106, 106, 104},
      {102, false, 102, 100, 104}, {102, true, 102, 102, 102},  {109, false, 109, 109, 112},
  };
  for (const core::SnapSettings& snap : {core::SnapSettings{}, kObjects, kGrid}) {
    Design d;
    ui::Control background;
    CanvasEditor editor{d.t.app, background, d};
    editor.Snap = snap;
    editor.Image1MouseDown(MouseButton::Left, false, {210, 310});  // S's body
    for (const Step& s : steps) {
      editor.Image1MouseMove({s.free_left + 10, 310}, s.alt);
      const int32_t want = snap.ToObjects ? s.objects : snap.ToGrid ? s.grid : s.off;
      EXPECT_EQ(d.t.app.Project.Objects[2]->Control->Left, want) << "free " << s.free_left;
      EXPECT_EQ(editor.Guides.x, snap.ToObjects && want == 100 ? 100 : N);
    }
    editor.Image1MouseUp(false, {119, 310});
    EXPECT_EQ(editor.Guides, SnapGuides{}) << "the guide goes with the drag";
  }
}

TEST(Snapping, TheSettingsAreReadAndWrittenOneLineAtATime) {
  for (const auto& [ini, read] : std::vector<std::pair<const char*, core::SnapSettings>>{
           {"snaptoobjects=1\nShowGrid=1\nSnapToGrid=1\nGridSize=12", {true, true, true, 12}},
           {"SnapToObjects=yes\nGridSize=1", {}},
           {"GridSize=101", {}},
           {"GridSize=1x", {}},
           {"GridSize=100", {false, false, false, 100}}}) {
    const core::SnapSettings s = core::ReadSnapSettings(ini);
    EXPECT_EQ((std::tuple{s.ToObjects, s.ShowGrid, s.ToGrid, s.GridSize}),
              (std::tuple{read.ToObjects, read.ShowGrid, read.ToGrid, read.GridSize}))
        << ini;
  }
  EXPECT_EQ(core::WithSetting("DefaultPath=C:\\D\nshowgrid=0\nShowGrid=0", "ShowGrid", "1"),
            "DefaultPath=C:\\D\r\nShowGrid=1\r\nShowGrid=0\r\n");
  EXPECT_EQ(core::WithSetting("A=1\r\n", "GridSize", "8"), "A=1\r\nGridSize=8\r\n");
}

}  // namespace
}  // namespace designer
