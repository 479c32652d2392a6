// Arranging the selection: align, size, distribute and centre over objects of mixed sizes, the
// nudge and its clamp, the reference object a click chooses, a run of nudges as one undo step,
// the read-out, and the Position and Size dialog's fill and write-back.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "core/project_ops.h"
#include "designer/arrange.h"
#include "designer/canvas_editor.h"
#include "designer/design_undo.h"
#include "dialogs/position_size_model.h"
#include "fake_desktop.h"
#include "ui/label.h"

namespace designer {
namespace {

using Rects = std::vector<ui::Rect>;  // left, top, width, height of each object
constexpr ui::Size kArea{600, 400};

struct Design {
  explicit Design(const Rects& rects, std::vector<int> selected) {
    for (const ui::Rect& r : rects) {
      core::AddNewObject(t.app, core::kKindImage, {})
          .Control->SetBounds(r.left, r.top, r.right, r.bottom);
    }
    for (auto& o : t.app.Project.Objects) o->Selected = false;
    for (int i : selected) Object(i).Selected = true;
  }
  core::AutoObjectType& Object(int i) { return *t.app.Project.Objects[static_cast<size_t>(i)]; }
  Rects Now() {
    Rects now;
    for (auto& o : t.app.Project.Objects) {
      now.push_back({o->Control->Left, o->Control->Top, o->Control->Width, o->Control->Height});
    }
    return now;
  }
  testing_support::TestApp t;
};

// A 40 x 20, B 20 x 60 (the reference), C 80 x 30.
const Rects kMixed = {{10, 10, 40, 20}, {100, 50, 20, 60}, {60, 200, 80, 30}};

TEST(Arrange, AlignSizeDistributeAndCentreGoByTheReference) {
  using enum ArrangeCommand;
  struct Case {
    ArrangeCommand command;
    Rects after;
  };
  for (const Case& c : std::vector<Case>{
           {AlignLefts, {{100, 10, 40, 20}, {100, 50, 20, 60}, {100, 200, 80, 30}}},
           {AlignCenters, {{90, 10, 40, 20}, {100, 50, 20, 60}, {70, 200, 80, 30}}},
           {AlignRights, {{80, 10, 40, 20}, {100, 50, 20, 60}, {40, 200, 80, 30}}},
           {AlignTops, {{10, 50, 40, 20}, {100, 50, 20, 60}, {60, 50, 80, 30}}},
           {AlignMiddles, {{10, 70, 40, 20}, {100, 50, 20, 60}, {60, 65, 80, 30}}},
           {AlignBottoms, {{10, 90, 40, 20}, {100, 50, 20, 60}, {60, 80, 80, 30}}},
           {MakeSameWidth, {{10, 10, 20, 20}, {100, 50, 20, 60}, {60, 200, 20, 30}}},
           {MakeSameHeight, {{10, 10, 40, 60}, {100, 50, 20, 60}, {60, 200, 80, 60}}},
           {MakeSameSize, {{10, 10, 20, 60}, {100, 50, 20, 60}, {60, 200, 20, 60}}},
           // By left edge A, C, B: the room between A and B is 30 short, so each gap is -15.
           {DistributeHorizontally, {{10, 10, 40, 20}, {100, 50, 20, 60}, {35, 200, 80, 30}}},
           // By top edge A, B, C: gaps of 55.
           {DistributeVertically, {{10, 10, 40, 20}, {100, 85, 20, 60}, {60, 200, 80, 30}}},
           // The group's box is 10..140 wide and 10..230 high.
           {CenterHorizontally, {{235, 10, 40, 20}, {325, 50, 20, 60}, {285, 200, 80, 30}}},
           {CenterVertically, {{10, 90, 40, 20}, {100, 130, 20, 60}, {60, 280, 80, 30}}},
       }) {
    Design d(kMixed, {0, 1, 2});
    ArrangeSelection(d.t.app.Project, c.command, &d.Object(1), kArea);
    EXPECT_EQ(d.Now(), c.after) << static_cast<int>(c.command);
  }
}

TEST(Arrange, OneObjectIsOnlyCentredAndMovedEdgesKeepTheClamp) {
  struct Case {
    const char* what;
    Rects before;
    std::vector<int> selected;
    int reference;
    ArrangeCommand command;
    Rects after;
  };
  using enum ArrangeCommand;
  for (const Case& c : std::vector<Case>{
           {"one: no align", kMixed, {2}, 2, AlignLefts, kMixed},
           {"one: centred",
            kMixed,
            {2},
            2,
            CenterHorizontally,
            {kMixed[0], kMixed[1], {260, 200, 80, 30}}},
           {"right edges: C would go past the left edge",
            kMixed,
            {0, 2},
            0,
            AlignRights,
            {kMixed[0], kMixed[1], {0, 200, 80, 30}}},
           {"two: nothing between to distribute", kMixed, {0, 1}, 0, DistributeVertically, kMixed},
           {"uneven room: the later gaps take the extra pixel",
            {{0, 0, 10, 5}, {30, 0, 10, 5}, {33, 0, 10, 5}, {61, 0, 10, 5}},
            {0, 1, 2, 3},
            0,
            DistributeHorizontally,
            {{0, 0, 10, 5}, {20, 0, 10, 5}, {40, 0, 10, 5}, {61, 0, 10, 5}}},
           {"a group wider than the area keeps its top-left corners inside",
            {{0, 0, 500, 5}, {300, 0, 500, 5}},
            {0, 1},
            0,
            CenterHorizontally,
            {{0, 0, 500, 5}, {300, 0, 500, 5}}},
       }) {
    Design d(c.before, c.selected);
    ArrangeSelection(d.t.app.Project, c.command, &d.Object(c.reference), kArea);
    EXPECT_EQ(d.Now(), c.after) << c.what;
  }
}

TEST(Arrange, NudgeMovesAsADragDoesOrSizesTheFarEdges) {
  struct Case {
    const char* what;
    Rects before;
    ui::Point direction;
    int32_t step;
    bool resize;
    Rects after;
  };
  for (const Case& c : std::vector<Case>{
           {"right 1", {{10, 10, 5, 5}}, {1, 0}, 1, false, {{11, 10, 5, 5}}},
           {"up 10", {{10, 30, 5, 5}}, {0, -1}, 10, false, {{10, 20, 5, 5}}},
           {"the group stops at the left edge as one",
            {{2, 0, 5, 5}, {50, 0, 5, 5}},
            {-1, 0},
            10,
            false,
            {{0, 0, 5, 5}, {48, 0, 5, 5}}},
           {"and at the margin of the right edge",
            {{590, 0, 5, 5}},
            {1, 0},
            10,
            false,
            {{595, 0, 5, 5}}},
           {"wider by 10", {{10, 10, 5, 5}}, {1, 0}, 10, true, {{10, 10, 15, 5}}},
           {"never narrower than 1", {{10, 10, 1, 5}}, {-1, 0}, 1, true, {{10, 10, 1, 5}}},
       }) {
    Design d(c.before, c.before.size() == 1 ? std::vector<int>{0} : std::vector<int>{0, 1});
    NudgeSelection(d.t.app.Project, kArea, c.direction, c.step, c.resize);
    EXPECT_EQ(d.Now(), c.after) << c.what;
  }
}

struct RecordingView : CanvasView {
  void RefreshCanvas() override {}
  void XorFocusRect(const ui::Rect&) override {}
  Tool CurrentTool() const override { return Tool::Select; }
  void SelectTool() override {}
  void SetPointer(ui::Cursor) override {}
  ui::Size DesignArea() const override { return kArea; }
};

TEST(Arrange, TheReferenceIsTheObjectAClickSelectedLast) {
  // Clicks at points inside A, B and C, or a rubber band over all three.
  struct Case {
    const char* what;
    std::vector<std::pair<ui::Point, bool>> clicks;  // point, Ctrl
    int reference;                                   // -1: none
  };
  const ui::Point a{20, 15}, b{110, 60}, c{70, 210}, band{-1, -1};
  for (const Case& k : std::vector<Case>{
           {"nothing selected", {}, -1},
           {"a Ctrl-click adds the last", {{a, false}, {c, true}, {b, true}}, 1},
           {"Ctrl-click off: the top-most selected", {{a, false}, {b, true}, {b, true}}, 0},
           {"a band keeps a selected clicked one", {{b, false}, {band, false}}, 1},
           {"a Ctrl band that drops it: the top-most", {{b, false}, {band, true}}, 2},
           {"a press inside the group picks it", {{band, false}, {a, false}}, 0},
       }) {
    Design d(kMixed, {});
    ui::Control background;
    RecordingView view;
    CanvasEditor editor(d.t.app, background, view);
    for (const auto& [p, ctrl] : k.clicks) {
      const bool banding = p == band;
      editor.Image1MouseDown(MouseButton::Left, ctrl, banding ? ui::Point{0, 0} : p);
      if (banding) editor.Image1MouseMove({590, 390});
      editor.Image1MouseUp(ctrl, banding ? ui::Point{590, 390} : p);
    }
    EXPECT_EQ(editor.Reference(), k.reference < 0 ? nullptr : &d.Object(k.reference)) << k.what;
  }
}

TEST(Arrange, ARunOfNudgesOfOneSelectionIsOneUndoStep) {
  // 'n' a nudge, 'w' a nudge that moves nothing (as one the clamp stops), 's' another step, 'c'
  // another selection, 'u' an undo; then how many steps there are.
  struct Case {
    const char* sequence;
    size_t steps;
  };
  for (const Case& c : {Case{"nnn", 1}, Case{"nsn", 3}, Case{"ncn", 2}, Case{"nnun", 1},
                        Case{"wn", 1}, Case{"nwn", 1}}) {
    Design d({{300, 300, 5, 5}, {10, 10, 5, 5}}, {0});
    DesignUndo undo(d.t.app);
    undo.Reset();
    for (const char* op = c.sequence; *op != '\0'; ++op) {
      const DesignSnapshot before = undo.Snapshot();
      if (*op == 'n' || *op == 'w') {
        NudgeSelection(d.t.app.Project, kArea, {*op == 'n' ? 1 : 0, 0}, 1, false);
        undo.RecordRunStep("Nudge", before);
      } else if (*op == 's') {
        d.Object(1).Control->Left += 7;
        undo.RecordIfChanged("Move", before);
      } else if (*op == 'c') {
        d.Object(1).Selected = !d.Object(1).Selected;
      } else {
        undo.Undo();
      }
    }
    EXPECT_EQ(undo.History().UndoSteps(), c.steps) << c.sequence;
    while (undo.Undo()) {
    }
    EXPECT_EQ(d.Object(0).Control->Left, 300) << c.sequence << ": undone to the start";
  }
}

TEST(Arrange, ReadOutShowsTheSelectionOrThePointer) {
  Design d(kMixed, {});
  const ui::Point pointer{12, 34};
  EXPECT_EQ(ReadOutText(d.t.app.Project, nullptr, &pointer), "12, 34");
  EXPECT_EQ(ReadOutText(d.t.app.Project, nullptr, nullptr), "");
  d.Object(1).Selected = true;
  EXPECT_EQ(ReadOutText(d.t.app.Project, &d.Object(1), &pointer), "100, 50  20 x 60");
  d.Object(0).Selected = true;
  EXPECT_EQ(ReadOutText(d.t.app.Project, &d.Object(1), nullptr),
            "10, 10  110 x 100\nReference: Image");
  auto& label = core::AddNewObject(d.t.app, core::kKindLabel, {0, 0});  // 65 x 17
  core::LabelOf(label)->Caption = "Start\r\nhere";
  d.Object(0).Selected = d.Object(1).Selected = true;
  EXPECT_EQ(ReadOutText(d.t.app.Project, &label, nullptr), "0, 0  120 x 110\nReference: \"Start\"");
}

}  // namespace
}  // namespace designer

namespace dialogs {
namespace {

struct Typed {
  std::string left, top, width, height;
  bool ok = true;
};

// Remembers what the dialog showed, types `typed` and closes with OK or Cancel.
struct Author : ModalView<PositionSizeFields> {
  explicit Author(const Typed& typed) : typed(typed) {}
  DialogFlags Run(PositionSizeFields& f) override {
    shown = f;
    f.Left = typed.left, f.Top = typed.top, f.Width = typed.width, f.Height = typed.height;
    return {true, typed.ok};
  }
  Typed typed;
  PositionSizeFields shown;
};

TEST(PositionAndSize, SharedValuesShowAndBlanksLeaveEachObjectsOwn) {
  struct Case {
    const char* what;
    std::vector<int> selected;
    std::vector<std::string> shown;  // Left, Top, Width, Height
    Typed typed;
    designer::Rects after;
    ui::Size client;
  };
  const designer::Rects start = {{10, 10, 40, 20}, {10, 50, 40, 60}, {700, 10, 40, 20}};
  for (const Case& c : std::vector<Case>{
           {"one object",
            {0},
            {"10", "10", "40", "20"},
            {"12", "10", "40", "9"},
            {{12, 10, 40, 9}, start[1], start[2]},
            {300, 200}},
           {"shared left and width only",
            {0, 1},
            {"10", "", "40", ""},
            {"5", "", "", "7"},
            {{5, 10, 40, 7}, {5, 50, 40, 7}, start[2]},
            {300, 200}},
           {"a stored place beyond the area stays if untouched",
            {2},
            {"700", "10", "40", "20"},
            {"700", "10", "41", "20"},
            {start[0], start[1], {700, 10, 41, 20}},
            {300, 200}},
           {"unreadable or out of range: left alone",
            {0},
            {"10", "10", "40", "20"},
            {"x", "-3", "0", "9000"},
            start,
            {300, 200}},
           {"nothing selected: the client size",
            {},
            {"", "", "300", "200"},
            {"", "", "320", " "},
            start,
            {320, 200}},
           {"cancelled", {}, {"", "", "300", "200"}, {"", "", "1", "1", false}, start, {300, 200}},
       }) {
    designer::Design d(start, c.selected);
    ui::Size client{300, 200};
    Author author(c.typed);
    ExecutePositionAndSize(author, d.t.app.Project, {595, 395}, client);
    const PositionSizeFields& s = author.shown;
    EXPECT_EQ((std::vector<std::string>{s.Left, s.Top, s.Width, s.Height}), c.shown) << c.what;
    EXPECT_EQ(s.ObjectsSelected, !c.selected.empty()) << c.what;
    EXPECT_EQ(d.Now(), c.after) << c.what;
    EXPECT_EQ(client, c.client) << c.what;
  }
}

}  // namespace
}  // namespace dialogs
