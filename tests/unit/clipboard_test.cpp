// The clipboard's objects: what Copy encodes, what Paste refuses, where pasted and duplicated
// objects land (a run of duplicates in the step of the first one moved) and what they report.
#include <gtest/gtest.h>

#include <optional>
#include <string>
#include <vector>

#include "core/clipboard_objects.h"
#include "core/messages.h"
#include "core/project_file.h"
#include "designer/clipboard_commands.h"
#include "designer/undo_history.h"
#include "fake_desktop.h"
#include "sample_project.h"

namespace designer {
namespace {

using testing_support::ShownMessage;
using namespace std::string_literals;

struct AreaView : CanvasView {
  void RefreshCanvas() override { ++refreshes; }
  void XorFocusRect(const ui::Rect&) override {}
  Tool CurrentTool() const override { return Tool::Select; }
  void SelectTool() override {}
  void SetPointer(ui::Cursor) override {}
  ui::Size DesignArea() const override { return {600, 400}; }
  int refreshes = 0;
};

// The sample project (a label, a button and an image, every stored field set) with `selected`.
struct Sample : testing_support::TestApp {
  explicit Sample(const std::vector<size_t>& selected) {
    testing_support::FillSampleProject(app);
    for (size_t i : selected) app.Project.Objects[i]->Selected = true;
  }
  std::vector<uint8_t> Copied() const { return core::EncodeSelectedObjects(app.Project); }
  std::vector<uint8_t> Design() const { return core::EncodeProject(app).value(); }
  AreaView view;
};

ShownMessage Error(const std::string& text) {
  return {text, "Error", ui::MessageIcon::Error};
}

TEST(ClipboardObjects, CarryTheSelectedObjectsWholeInStackingOrder) {
  for (const std::vector<size_t>& selected : {std::vector<size_t>{1}, {0, 2}, {0, 1, 2}, {}}) {
    const std::vector<uint8_t> copied = Sample(selected).Copied();
    std::vector<uint8_t> bytes = copied;
    bytes.resize(bytes.size() + (bytes.empty() ? 0 : 16));  // the clipboard rounds sizes up
    core::AutoFormType pasted;
    pasted.Objects = core::DecodeObjects(bytes.data(), bytes.size());
    ASSERT_EQ(pasted.Objects.size(), selected.size());
    for (size_t i = 0; i < selected.size(); ++i) {
      const core::AutoObjectType& object = *pasted.Objects[i];
      EXPECT_TRUE(object.Control->Name == "Name" + std::to_string(selected[i]) &&
                  object.Control->Parent() == nullptr);
      pasted.Objects[i]->Selected = true;
    }
    // Every stored field of each kind is set apart from its default in the sample.
    EXPECT_EQ(core::EncodeSelectedObjects(pasted), copied);
  }
  EXPECT_EQ(core::SelectedCaptions(Sample({0, 1, 2}).app.Project),
            "Caption 0 with \"quotes\" and \u00e9\r\nButton 1\r\n");
}

TEST(ClipboardObjects, DamagedDataIsReportedOnceAndChangesNothing) {
  const std::vector<uint8_t> good = Sample({0, 1, 2}).Copied();
  std::vector<std::vector<uint8_t>> cases;
  for (size_t size = 0; size < good.size(); ++size) cases.emplace_back(&good[0], &good[size]);
  // Another signature, no objects, a negative count, far more and one more than there are, an
  // unknown kind, a negative length in the first link.
  for (const auto& [at, bytes] : {std::pair{0, "QVOC"s},
                                  {4, "\0\0\0\0"s},
                                  {4, "\xFF\xFF\xFF\xFF"s},
                                  {4, "\xFF\xFF\xFF\x7F"s},
                                  {4, "\x04"s},
                                  {8, "\x03"s},
                                  {14, "\xF0\0\0\x80"s}}) {
    cases.push_back(good);
    std::copy(bytes.begin(), bytes.end(), cases.back().begin() + at);
  }
  for (const auto& bytes : cases) {
    Sample design({1});
    const std::vector<uint8_t> before = design.Design();
    EXPECT_FALSE(PasteObjects(design.app, design.view, bytes, std::nullopt)) << bytes.size();
    EXPECT_EQ(design.platform.messages, std::vector<ShownMessage>{Error(kNothingToPaste)});
    EXPECT_TRUE(SameDesign(design.Design(), before) && design.app.Project.Objects[1]->Selected);
    EXPECT_EQ(design.view.refreshes, 0);
  }
}

TEST(ClipboardObjects, PastedObjectsLandAsOneGroupOnTopAsTheSelectionWithTheirMedia) {
  struct Case {
    ui::Point first, second;
    std::optional<ui::Point> at;  // none: the Edit menu's Paste
    ui::Point first_pasted, second_pasted;
  };
  for (const Case& c : {Case{{10, 20}, {100, 50}, std::nullopt, {20, 30}, {110, 60}},
                        Case{{10, 20}, {100, 50}, ui::Point{300, 200}, {300, 200}, {390, 230}},
                        Case{{100, 50}, {10, 20}, ui::Point{580, 390}, {595, 395}, {505, 365}},
                        Case{{10, 20}, {100, 50}, ui::Point{-50, -50}, {0, 0}, {90, 30}},
                        Case{{0, 0}, {700, 500}, std::nullopt, {0, 0}, {595, 395}}}) {
    Sample from({0, 1});
    from.app.Project.Objects[0]->Control->SetBounds(c.first.x, c.first.y, 30, 30);
    from.app.Project.Objects[1]->Control->SetBounds(c.second.x, c.second.y, 30, 30);
    Sample into({0});
    into.app.CDFolder = "C:\\OtherDisc";
    ASSERT_TRUE(PasteObjects(into.app, into.view, from.Copied(), c.at));
    // The button's glyphs and the files its link opens are not in this CD folder: one box.
    EXPECT_EQ(into.platform.messages,
              std::vector{Error(std::string(kPastedFilesMissing) + "\n\n" +
                                core::FileNotFoundText("C:\\OtherDisc\\glyph1.bmp") + "\n" +
                                core::FileNotFoundText("C:\\OtherDisc\\hotglyph1.bmp") + "\n" +
                                core::FileNotFoundText("C:\\OtherDisc\\link1.exe") + "\n" +
                                core::DirectoryNotFoundText("C:\\OtherDisc\\link1-dir"))});
    const auto& objects = into.app.Project.Objects;
    ASSERT_EQ(objects.size(), 5u);
    for (size_t i = 0; i < objects.size(); ++i) {
      const ui::Control& control = *objects[i]->Control;
      EXPECT_TRUE(objects[i]->Selected == (i >= 3) && control.Tag == static_cast<int32_t>(i) &&
                  control.Parent() == &into.panel1);
    }
    EXPECT_EQ((ui::Point{objects[3]->Control->Left, objects[3]->Control->Top}), c.first_pasted);
    EXPECT_EQ((ui::Point{objects[4]->Control->Left, objects[4]->Control->Top}), c.second_pasted);
    EXPECT_EQ(into.view.refreshes, 1);
  }
}

TEST(ClipboardObjects, DuplicateCopiesTheSelectionBesideItAndNothingWithoutOne) {
  for (const std::vector<size_t>& selected : {std::vector<size_t>{}, {0, 2}}) {
    Sample design(selected);
    DuplicateSteps steps;
    DuplicateSelection(design.app, design.view, steps);
    const auto& objects = design.app.Project.Objects;
    ASSERT_EQ(objects.size(), 3 + selected.size());
    for (size_t i = 0; i < selected.size(); ++i) {
      const ui::Control& o = *objects[selected[i]]->Control;
      EXPECT_EQ(objects[3 + i]->Control->BoundsRect(),
                ui::Rect::FromBounds(o.Left + 10, o.Top + 10, o.Width, o.Height));
      EXPECT_TRUE(objects[3 + i]->Selected && !objects[selected[i]]->Selected);
    }
    EXPECT_EQ(design.platform.messages.empty(), selected.empty());  // the copies' missing files
  }
}

TEST(DuplicateSteps, ACopyMovedIntoPlaceSetsTheStepOfTheNextOnes) {
  enum Then : uint8_t { Nothing, SelectOriginal, Forgotten };
  struct Case {
    std::vector<ui::Point> originals;
    ui::Point move;  // of the first copies, before the second duplicate
    Then then;
    ui::Point second, third;  // the top-left corners of the next two duplicates
  };
  for (const Case& c : std::vector<Case>{
           {{{20, 20}}, {0, 0}, Nothing, {40, 40}, {50, 50}},
           {{{20, 20}}, {-10, 40}, Nothing, {20, 120}, {20, 170}},  // a column 50 apart
           {{{20, 20}}, {-10, -10}, Nothing, {30, 30}, {40, 40}},   // back on the original
           {{{20, 20}}, {-10, 40}, SelectOriginal, {30, 30}, {40, 40}},
           {{{20, 20}}, {-10, 40}, Forgotten, {30, 80}, {40, 90}},  // undone, say
           {{{20, 20}, {20, 70}}, {90, -10}, Nothing, {220, 20}, {320, 20}},
       }) {
    testing_support::TestApp t;
    for (ui::Point at : c.originals) core::AddNewObject(t.app, core::kKindButton, at);
    for (auto& o : t.app.Project.Objects) o->Selected = true;
    AreaView view;
    DuplicateSteps steps;
    DuplicateSelection(t.app, view, steps);
    auto& objects = t.app.Project.Objects;
    for (auto& o : objects) {
      if (o->Selected) o->Control->Left += c.move.x, o->Control->Top += c.move.y;
    }
    if (c.then == SelectOriginal) {
      for (size_t i = 0; i < objects.size(); ++i) objects[i]->Selected = i < c.originals.size();
    }
    if (c.then == Forgotten) steps.Forget();
    for (const ui::Point expected : {c.second, c.third}) {
      DuplicateSelection(t.app, view, steps);
      const ui::Control& copy = *objects[objects.size() - c.originals.size()]->Control;
      EXPECT_EQ((ui::Point{copy.Left, copy.Top}), expected) << c.move.x << "," << c.move.y;
    }
  }
}

}  // namespace
}  // namespace designer
