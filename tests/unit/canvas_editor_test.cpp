// The design canvas's editing rules: hit testing, drag steps, press / release selection, the
// rubber band, adding, deleting and the stacking order.
#include <gtest/gtest.h>

#include <span>
#include <string>
#include <tuple>
#include <vector>

#include "core/project_ops.h"
#include "designer/canvas_editor.h"
#include "designer/canvas_geometry.h"
#include "designer/text_rules.h"
#include "fake_desktop.h"
#include "raster_canvas.h"

namespace designer {
namespace {

struct RecordingView : CanvasView {
  void RefreshCanvas() override { ++refreshes; }
  void XorFocusRect(const ui::Rect& r) override { xor_rects.push_back(r); }
  Tool CurrentTool() const override { return tool; }
  void SelectTool() override { tool = Tool::Select; }
  void SetPointer(ui::Cursor c) override { cursor = c; }
  ui::Size DesignArea() const override { return area; }
  int refreshes = 0;
  ui::Size area{600, 400};
  std::vector<ui::Rect> xor_rects;
  Tool tool = Tool::Select;
  ui::Cursor cursor = ui::Cursor::Default;
};

// Three objects: A (10,10 40x40) at the bottom, B (30,30 40x40) over it, C (200,200 20x20).
struct Canvas {
  Canvas() {
    background.SetParent(&t.panel1);
    for (auto [x, y, size] : {std::tuple{10, 10, 40}, {30, 30, 40}, {200, 200, 20}}) {
      core::AddNewObject(t.app, core::kKindImage, {x, y}).Control->SetBounds(x, y, size, size);
    }
    Select({});
  }
  void Select(std::vector<int> which) {
    for (auto& o : t.app.Project.Objects) o->Selected = false;
    for (int i : which) t.app.Project.Objects[static_cast<size_t>(i)]->Selected = true;
  }
  std::vector<int> Selection() const {
    std::vector<int> out;
    for (size_t i = 0; i < t.app.Project.Objects.size(); ++i) {
      if (t.app.Project.Objects[i]->Selected) out.push_back(static_cast<int>(i));
    }
    return out;
  }
  ui::Control& ControlOf(size_t i) { return *t.app.Project.Objects[i]->Control; }
  testing_support::TestApp t;
  ui::Control background;
  RecordingView view;
  CanvasEditor editor{t.app, background, view};
};

TEST(CanvasGeometry, HitTestTakesTheHighestHandleThenTheBody) {
  core::AutoObjectType object;
  object.Control = core::MakeControl(core::kKindImage);
  struct Case {
    ui::Rect bounds;
    ui::Point p;
    int32_t code;
  };
  for (const Case& c : std::vector<Case>{
           {{10, 10, 30, 30}, {10, 10}, 1},
           {{10, 10, 30, 30}, {20, 7}, 2},
           {{10, 10, 30, 30}, {29, 13}, 3},
           {{10, 10, 30, 30}, {32, 20}, 4},
           {{10, 10, 30, 30}, {29, 29}, 5},
           {{10, 10, 30, 30}, {20, 32}, 6},
           {{10, 10, 30, 30}, {7, 29}, 7},
           {{10, 10, 30, 30}, {13, 20}, 8},
           {{10, 10, 30, 30}, {20, 20}, 0},
           {{10, 10, 30, 30}, {30, 20}, 4},
           {{10, 10, 30, 30}, {40, 40}, -1},
           {{10, 10, 11, 11}, {10, 10}, 8},  // 1 x 1: every handle on one pixel
           {{10, 10, 15, 30}, {12, 10}, 3},  // narrow: boxes overlap, the higher wins
       }) {
    object.Control->SetBounds(c.bounds.left, c.bounds.top, c.bounds.Width(), c.bounds.Height());
    EXPECT_EQ(HitTestObject(object, c.p), c.code) << c.p.x << "," << c.p.y;
  }
}

TEST(CanvasGeometry, EachGrabCodeStepsItsEdges) {
  // From 10,10 20x20 by dx 3, dy -2: left, top, width, height afterwards.
  const ui::Rect expected[] = {{13, 8, 20, 20},  {13, 8, 17, 22},  {10, 8, 20, 22},
                               {10, 8, 23, 22},  {10, 10, 23, 20}, {10, 10, 23, 18},
                               {10, 10, 20, 18}, {13, 10, 17, 18}, {13, 10, 17, 20}};
  for (int32_t code = 0; code <= 8; ++code) {
    ui::Control c;
    c.SetBounds(10, 10, 20, 20);
    ApplyDragStep(c, code, 3, -2);
    EXPECT_EQ((ui::Rect{c.Left, c.Top, c.Width, c.Height}), expected[code]) << "code " << code;
  }
}

TEST(CanvasGeometry, ResizingPastTheOppositeEdgeLeavesOnePixel) {
  ui::Control c;
  c.SetBounds(0, 0, 20, 20);
  ApplyDragStep(c, 1, 30, 30);
  EXPECT_EQ((ui::Rect{c.Left, c.Top, c.Width, c.Height}), (ui::Rect{30, 30, 1, 1}));
  ApplyDragStep(c, 1, 5, 5);
  EXPECT_EQ((ui::Rect{c.Left, c.Top, c.Width, c.Height}), (ui::Rect{35, 35, 1, 1}));
}

TEST(CanvasGeometry, MarksAreOutlinesOutsideAndHandlesOnSelectedObjectsTopMostFirst) {
  Canvas k;
  k.Select({1});
  const auto marks = SelectionMarks(k.t.app.Project);
  ASSERT_EQ(marks.size(), 3u + 8u);
  EXPECT_EQ(marks[0].rect, (ui::Rect{199, 199, 221, 221}));
  EXPECT_EQ(marks[1].rect, (ui::Rect{29, 29, 71, 71}));
  EXPECT_EQ(marks[2].rect, (ui::Rect{27, 27, 33, 33}));  // top-left handle around (30, 30)
  EXPECT_EQ(marks[6].rect, (ui::Rect{67, 67, 73, 73}));  // bottom-right around (70, 70)
  EXPECT_EQ(marks[10].rect, (ui::Rect{9, 9, 51, 51}));
}

TEST(CanvasGeometry, ClampKeepsWhatIsAddedOrMovedInsideTheDesignArea) {
  ui::Control added;
  added.SetBounds(-10, 398, 5, 5);
  ClampNewPosition(added, {600, 400});
  EXPECT_EQ(added.BoundsRect(), ui::Rect::FromBounds(0, 395, 5, 5));

  // A resized edge is kept inside, unless it lay beyond the area already: then it goes no further.
  struct Case {
    ui::Point before, after, clamped;
  };
  for (const Case& c :
       {Case{{10, 10}, {-4, 12}, {0, 12}}, Case{{590, 10}, {599, 10}, {595, 10}},
        Case{{700, -20}, {690, -25}, {690, -20}}, Case{{700, 10}, {710, 10}, {700, 10}}}) {
    ui::Control resized;
    resized.SetBounds(c.after.x, c.after.y, 5, 5);
    ClampResizedPosition(resized, c.before, {600, 400});
    EXPECT_EQ((ui::Point{resized.Left, resized.Top}), c.clamped) << c.after.x << "," << c.after.y;
  }
}

TEST(CanvasEditor, PressAndReleaseSelectAsTheRulesSay) {
  struct Case {
    const char* what;
    std::vector<int> before;
    bool ctrl;
    ui::Point press, release;
    DragStateType drag_state;
    std::vector<int> after;
  };
  constexpr auto band = DragStateType::BandOrClick, moving = DragStateType::MoveOrResize;
  for (const Case& c : std::vector<Case>{
           {"empty canvas deselects all", {0, 2}, false, {150, 150}, {150, 150}, band, {}},
           {"unselected object alone", {0}, false, {205, 205}, {205, 205}, moving, {2}},
           {"top-most of overlapping", {}, false, {40, 40}, {40, 40}, moving, {1}},
           {"selected keeps selection", {0, 2}, false, {205, 205}, {205, 205}, moving, {0, 2}},
           {"edge pixel: no drag, release selects", {2}, false, {30, 60}, {30, 60}, band, {1}},
           {"ctrl toggles on", {0}, true, {205, 205}, {205, 205}, band, {0, 2}},
           {"ctrl toggles off", {0, 2}, true, {205, 205}, {205, 205}, band, {0}},
           {"ctrl leaves lower under pointer", {0}, true, {40, 40}, {40, 40}, band, {0, 1}},
       }) {
    Canvas k;
    k.Select(c.before);
    k.editor.Image1MouseDown(MouseButton::Left, c.ctrl, c.press);
    EXPECT_EQ(k.editor.DragState, c.drag_state) << c.what;
    k.editor.Image1MouseUp(c.ctrl, c.release);
    EXPECT_EQ(k.Selection(), c.after) << c.what;
    EXPECT_EQ(k.editor.DragState, DragStateType::Idle);
  }
}

TEST(CanvasEditor, RightClickAppliesTheClickRuleBeforeTheMenu) {
  Canvas k;
  k.Select({0, 2});
  k.editor.Image1MouseDown(MouseButton::Right, false, {205, 205});
  EXPECT_EQ(k.editor.DragState, DragStateType::Idle);
  k.editor.Image1MouseUp(false, {205, 205});
  EXPECT_EQ(k.Selection(), std::vector<int>{2});
}

TEST(CanvasEditor, DraggingMovesOrResizesEverySelectedObject) {
  Canvas k;
  k.Select({0, 2});
  k.editor.Image1MouseDown(MouseButton::Left, false, {219, 219});  // C's bottom-right handle
  EXPECT_EQ(k.editor.GrabCode, 5);
  k.editor.Image1MouseMove({224, 221});
  k.editor.Image1MouseMove({229, 223});
  k.editor.Image1MouseUp(false, {229, 223});
  EXPECT_EQ(k.ControlOf(0).BoundsRect(), ui::Rect::FromBounds(10, 10, 50, 44));
  EXPECT_EQ(k.ControlOf(2).BoundsRect(), ui::Rect::FromBounds(200, 200, 30, 24));
  EXPECT_EQ(k.Selection(), (std::vector<int>{0, 2}));

  k.editor.Image1MouseDown(MouseButton::Left, false, {205, 205});  // body of a selected one
  k.editor.Image1MouseMove({215, 195});
  EXPECT_EQ(k.ControlOf(0).BoundsRect(), ui::Rect::FromBounds(20, 0, 50, 44));
  EXPECT_EQ(k.ControlOf(2).BoundsRect(), ui::Rect::FromBounds(210, 190, 30, 24));
}

TEST(CanvasEditor, ASelectionMovesAsOneUpToTheDesignAreasEdges) {
  Canvas k;
  k.ControlOf(1).SetBounds(700, 30, 40, 40);  // beyond a narrowed area: left where it is
  k.Select({0, 1, 2});
  k.editor.Image1MouseDown(MouseButton::Left, false, {205, 205});
  k.editor.Image1MouseMove({185, 195});  // A stops at the left edge after 10: all stop there
  k.editor.Image1MouseMove({500, 195});  // B may not go further out: nothing moves right
  k.editor.Image1MouseMove({400, 195});  // nor left, with A at the edge
  k.editor.Image1MouseUp(false, {400, 195});
  std::vector<ui::Point> places;
  for (size_t i = 0; i < 3; ++i) places.push_back({k.ControlOf(i).Left, k.ControlOf(i).Top});
  EXPECT_EQ(places, (std::vector<ui::Point>{{0, 0}, {690, 20}, {190, 190}}));
}

TEST(CanvasEditor, RubberBandSelectsOrTogglesWhatItTouches) {
  for (bool ctrl : {false, true}) {
    Canvas k;
    k.Select({1, 2});
    k.editor.Image1MouseDown(MouseButton::Left, ctrl, {60, 5});
    k.editor.Image1MouseMove({100, 50});
    k.editor.Image1MouseMove({5, 30});  // touches A, and B only at its top-left corner
    EXPECT_EQ(k.editor.BandRect, (BandRectType{5, 5, 60, 30}));
    k.editor.Image1MouseUp(ctrl, {5, 30});
    EXPECT_EQ(k.Selection(), (ctrl ? std::vector<int>{0} : std::vector<int>{0, 1}));
    // Each band drawn is erased once: the XOR calls pair up.
    EXPECT_EQ(k.view.xor_rects,
              (std::vector<ui::Rect>{
                  {60, 5, 100, 50}, {60, 5, 100, 50}, {5, 5, 60, 30}, {5, 5, 60, 30}}));
    EXPECT_EQ(k.editor.BandRect, BandRectType{});
  }
}

TEST(CanvasEditor, ARefreshDuringABandDrawsTheBandAgainAndOtherwiseForgetsIt) {
  Canvas k;
  k.editor.Image1MouseDown(MouseButton::Left, false, {60, 5});
  k.editor.Image1MouseMove({100, 50});
  k.view.xor_rects.clear();
  k.editor.BandAfterRepaint();  // a key deleted something meanwhile: the picture is new
  EXPECT_EQ(k.view.xor_rects, (std::vector<ui::Rect>{{60, 5, 100, 50}}));
  EXPECT_EQ(k.editor.BandRect, (BandRectType{60, 5, 100, 50}));
  k.editor.Image1MouseUp(false, {100, 50});
  k.editor.BandRect = {1, 2, 3, 4};  // a band no drag draws any more
  k.editor.BandAfterRepaint();
  EXPECT_EQ(k.editor.BandRect, BandRectType{});
}

TEST(CanvasEditor, PointerAnnouncesWhatAPressWouldDo) {
  Canvas k;
  k.Select({0});
  for (auto [p, cursor] :
       std::vector<std::pair<ui::Point, ui::Cursor>>{{{10, 10}, ui::Cursor::SizeNWSE},
                                                     {{30, 12}, ui::Cursor::SizeNS},
                                                     {{49, 10}, ui::Cursor::SizeNESW},
                                                     {{12, 30}, ui::Cursor::SizeWE},
                                                     {{15, 15}, ui::Cursor::Move},
                                                     {{45, 45}, ui::Cursor::Default},
                                                     {{300, 300}, ui::Cursor::Default}}) {
    k.editor.Image1MouseMove(p);
    EXPECT_EQ(k.view.cursor, cursor) << p.x << "," << p.y;
  }
}

TEST(CanvasEditor, AddToolsPlaceOneObjectAndGiveBackTheSelectTool) {
  Canvas k;
  struct Case {
    Tool tool;
    int32_t width, height;
  };
  for (const Case& c :
       {Case{Tool::AddLabel, 65, 17}, {Tool::AddButton, 120, 40}, {Tool::AddImage, 105, 105}}) {
    k.view.tool = c.tool;
    k.editor.Image1MouseDown(MouseButton::Left, true, {77, 88});
    EXPECT_EQ(k.view.tool, Tool::Select);
    EXPECT_EQ(k.t.app.Project.Objects.back()->Control->BoundsRect(),
              ui::Rect::FromBounds(77, 88, c.width, c.height));
    EXPECT_EQ(k.Selection(),
              std::vector<int>{static_cast<int>(k.t.app.Project.Objects.size()) - 1});
    k.editor.Image1MouseUp(true, {77, 88});  // Ctrl held: the release toggles it off
  }
  EXPECT_TRUE(k.Selection().empty());
  k.view.tool = Tool::AddButton;  // within the margin of the far corner: moved inside
  k.editor.Image1MouseDown(MouseButton::Left, false, {598, 399});
  EXPECT_EQ(k.t.app.Project.Objects.back()->Control->BoundsRect(),
            ui::Rect::FromBounds(595, 395, 120, 40));
}

TEST(CanvasEditor, StackingCommandsKeepListAndPanelOrderEqual) {
  Canvas k;
  auto panel_objects = [&] {
    std::vector<ui::Control*> out;
    for (ui::Control* c : k.t.panel1.Children()) {
      if (c != &k.background) out.push_back(c);
    }
    return out;
  };
  auto list_objects = [&] {
    std::vector<ui::Control*> out;
    for (auto& o : k.t.app.Project.Objects) out.push_back(o->Control.get());
    return out;
  };
  ui::Control* a = &k.ControlOf(0);
  k.Select({0, 1});
  k.editor.BringSelectedToFront();  // two selected: nothing
  EXPECT_EQ(&k.ControlOf(0), a);

  k.Select({0});
  k.editor.BringSelectedToFront();
  EXPECT_EQ(&k.ControlOf(2), a);
  EXPECT_EQ(panel_objects(), list_objects());
  EXPECT_EQ(a->Tag, 2);

  k.editor.SendSelectedToBack();
  EXPECT_EQ(&k.ControlOf(0), a);
  EXPECT_EQ(k.t.panel1.Children().front(), &k.background) << "the background stays behind";
  EXPECT_EQ(panel_objects(), list_objects());
}

TEST(CanvasEditor, SelectOnlyLeavesOneObjectSelectedAndMakesItTheReference) {
  Canvas c;
  c.Select({0, 2});
  c.editor.SelectOnly(1);
  EXPECT_EQ(c.Selection(), std::vector<int>{1});
  EXPECT_EQ(c.editor.ReferenceIndex(), 1);
  EXPECT_EQ(c.view.refreshes, 1);
  c.editor.SelectOnly(3);  // no such object: nothing stays selected, nothing is the reference
  EXPECT_TRUE(c.Selection().empty());
  EXPECT_EQ(c.editor.ReferenceIndex(), -1);
}

TEST(CanvasEditor, DeleteRemovesTheSelectionAndClearRemovesAll) {
  Canvas k;
  k.Select({0, 2});
  k.editor.DeleteSelected();
  ASSERT_EQ(k.t.app.Project.Objects.size(), 1u);
  EXPECT_EQ(k.ControlOf(0).Left, 30);
  k.editor.ClearDesign();
  EXPECT_TRUE(k.t.app.Project.Objects.empty());
}

// Records which dialog opened and answers as the author closed it.
struct FakeDialogs : PropertyDialogs {
  bool EditLink(core::TCommand& l) override { return Open("link", &l); }
  bool EditLinks(std::span<core::AutoObjectType* const> o) override {
    return several.assign(o.begin(), o.end()), Open("links", nullptr);
  }
  bool EditLabel(core::AutoObjectType& o) override { return Open("label", &o); }
  bool EditButton(core::AutoObjectType& o) override { return Open("button", &o); }
  bool EditImage(core::AutoObjectType& o) override { return Open("image", &o); }
  bool EditForm(core::AutoFormType& p) override { return Open("form", &p); }
  bool EditSeveral(std::span<core::AutoObjectType* const> objects) override {
    several.assign(objects.begin(), objects.end());
    return Open("several", nullptr);
  }
  bool ChooseFont(ui::Font& font) override {
    preset = font;
    font = chosen;
    return Open("font", nullptr);
  }
  bool EditGridSize(int32_t& size) override { return Open("grid", &size); }
  bool EditPositionAndSize(core::AutoFormType& p, ui::Point, ui::Size&) override {
    return Open("position", &p);
  }
  bool Open(const char* which, const void* record) {
    opened.push_back(which);
    records.push_back(record);
    return applies;
  }
  bool applies = true;
  std::vector<std::string> opened;
  std::vector<const void*> records;
  std::vector<core::AutoObjectType*> several;
  ui::Font preset, chosen{"Chosen", 0x123, 21, ui::kFontBold};
};

TEST(CanvasEditor, DialogCommandsOpenTheRightDialogAndRefreshOnlyAfterAppliedEdits) {
  Canvas k;
  core::AddNewObject(k.t.app, core::kKindLabel, {0, 0});
  core::AddNewObject(k.t.app, core::kKindButton, {0, 0});
  FakeDialogs dialogs;
  k.Select({});  // Object Link says what it needs
  k.editor.EditObjectLink(dialogs);
  EXPECT_EQ(k.t.platform.messages.at(0).text, kSelectForLink);
  k.Select({0, 3});  // two kinds: no properties dialog opens, the link editor for both does
  k.editor.EditObjectProperties(dialogs);
  k.editor.EditObjectLink(dialogs);
  EXPECT_EQ(dialogs.opened, std::vector<std::string>{"links"});
  for (auto [index, kind] : {std::pair{0, "image"}, {3, "label"}, {4, "button"}}) {
    k.Select({index});
    k.editor.EditObjectProperties(dialogs);
    EXPECT_EQ(dialogs.opened.back(), kind);
  }
  k.editor.EditObjectLink(dialogs);
  EXPECT_EQ(dialogs.several, std::vector{k.t.app.Project.Objects[4].get()});

  dialogs.applies = false;  // Cancel, the close box, or OK without a change
  const int refreshes = k.view.refreshes;
  k.editor.EditObjectProperties(dialogs);
  k.editor.EditStartLink(dialogs);
  EXPECT_EQ(dialogs.records.back(), &k.t.app.Project.StartLink);
  EXPECT_EQ(k.view.refreshes, refreshes);
}

TEST(CanvasEditor, ObjectPropertiesOnSeveralObjectsNeedsOneKind) {
  Canvas k;  // images 0 to 2, then a label
  core::AddNewObject(k.t.app, core::kKindLabel, {0, 0});
  const auto& o = k.t.app.Project.Objects;
  using Shown = std::vector<core::AutoObjectType*>;
  for (const auto& [selection, shown] :
       {std::pair{std::vector{0, 2}, Shown{o[0].get(), o[2].get()}}, {{0, 3}, {}}, {{}, {}}}) {
    FakeDialogs dialogs;
    k.Select(selection);
    const int refreshes = k.view.refreshes;
    k.editor.EditObjectProperties(dialogs);
    EXPECT_EQ(dialogs.several, shown);
    EXPECT_EQ(k.view.refreshes, refreshes + (shown.empty() ? 0 : 1));
  }
}

TEST(CanvasEditor, FontCommandsSetEveryLabelAndButtonOfTheSelection) {
  for (const bool hot : {false, true}) {
    Canvas k;  // images 0 to 2; then a label, a button and a label, selected with an image
    for (const uint8_t kind : {core::kKindLabel, core::kKindButton, core::kKindLabel}) {
      core::AddNewObject(k.t.app, kind, {0, 0});
    }
    const auto& objects = k.t.app.Project.Objects;
    core::LabelOf(*objects[3])->Font.size = 30;
    objects[3]->HotFont.size = 31;
    FakeDialogs dialogs;
    k.Select({2});
    EXPECT_EQ(k.editor.Facts().with_fonts, 0u);
    k.editor.SetSelectionFont(dialogs, hot);
    EXPECT_TRUE(dialogs.opened.empty()) << "an image alone has no font";

    k.Select({2, 3, 4});
    dialogs.applies = false;  // the author cancels the font dialog
    k.editor.SetSelectionFont(dialogs, hot);
    EXPECT_EQ(dialogs.preset.size, hot ? 31 : 30) << "preset to the first label's";
    EXPECT_EQ(core::LabelOf(*objects[3])->Font.size, 30);
    dialogs.applies = true;
    k.editor.SetSelectionFont(dialogs, hot);
    const auto fonts = [&](size_t i) {
      const ui::Label* label = core::LabelOf(*objects[i]);
      return std::pair(label ? label->Font : core::ButtonOf(*objects[i])->Font,
                       objects[i]->HotFont);
    };
    const ui::Font none = ui::DefaultFont(), chosen = dialogs.chosen;
    EXPECT_EQ(fonts(3), hot ? std::pair(ui::Font{none.name, none.color, 30}, chosen)
                            : std::pair(chosen, ui::Font{none.name, none.color, 31}));
    // The button's hot-track font was its font but for nothing: it follows, in its own colour.
    const ui::Font follows{chosen.name, none.color, chosen.size, chosen.style};
    EXPECT_EQ(fonts(4), hot ? std::pair(none, chosen) : std::pair(chosen, follows));
    EXPECT_EQ(fonts(5), std::pair(none, none)) << "not selected";
    EXPECT_EQ(objects[2]->HotFont, none) << "an image keeps its own";
  }
}

TEST(CanvasEditor, BoldSetsTheSelectionBoldUnlessAllOfItIsAndGrowsWhatNoLongerFits) {
  // The styles of a label and a button, selected with an image, before and after Bold.
  for (const auto& [before, after] :
       std::vector<std::pair<std::vector<uint8_t>, std::vector<uint8_t>>>{
           {{0, 0}, {1, 1}}, {{1, 0}, {1, 1}}, {{1, 1}, {0, 0}}, {{3, 1}, {2, 0}}}) {
    Canvas k;
    for (const uint8_t kind : {core::kKindLabel, core::kKindButton}) {
      core::AddNewObject(k.t.app, kind, {0, 0});
    }
    auto& o = k.t.app.Project.Objects;
    for (size_t i : {0, 1}) FontOf(*o[3 + i], false).style = o[3 + i]->HotFont.style = before[i];
    core::LabelOf(*o[3])->Caption = std::string(30, 'x');  // 180 wide in the test canvas's font
    k.Select({2, 3, 4});
    testing_support::RasterCanvas measure(1, 1);
    k.editor.ToggleBold(measure);
    for (size_t i : {0, 1}) {
      EXPECT_EQ(std::pair(FontOf(*o[3 + i], false).style, o[3 + i]->HotFont.style),
                std::pair(after[i], after[i]));
    }
    EXPECT_EQ(o[3]->Control->Width, 180);
  }
}

TEST(CanvasGeometry, GridDotsStayGrayXorUnlessThatLeavesThemAsLightAsTheDesign) {
  for (const auto& [pixel, dot] :
       std::vector<std::pair<uint32_t, uint32_t>>{{0xFFFFFF, 0x7F7F7F},
                                                  {0x000000, 0x808080},
                                                  {0x0000FF, 0x80807F},
                                                  {0x996633, 0x19E6B3},
                                                  {0x008000, 0xFFFFFF},
                                                  {0x800080, 0xFFFFFF},
                                                  {0x00FF00, 0x000000}}) {
    EXPECT_EQ(GridDotOver(pixel), dot) << std::hex << pixel;
  }
}

}  // namespace
}  // namespace designer
