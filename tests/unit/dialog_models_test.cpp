// The property dialogs' fill and write-back rules, the number fields' reading and the CD file
// picker.
#include <gtest/gtest.h>

#include <functional>
#include <optional>
#include <utility>

#include "core/project_ops.h"
#include "dialogs/cd_file_picker.h"
#include "dialogs/form_properties_model.h"
#include "dialogs/link_model.h"
#include "dialogs/object_dialog_rules.h"
#include "dialogs/object_properties_models.h"
#include "fake_desktop.h"

namespace dialogs {
namespace {

using testing_support::ShownMessage;
using testing_support::TestApp;

const DialogFlags kCancelled{true, false}, kUnchanged{false, true}, kApplied{true, true};

// Remembers what the dialog was filled with, applies the author's edit and closes with `flags`.
template <typename Fields>
struct FakeView : ModalView<Fields> {
  FakeView(std::function<void(Fields&)> edit, DialogFlags flags = kApplied)
      : edit(std::move(edit)), flags(flags) {}
  DialogFlags Run(Fields& fields) override {
    shown = fields;
    edit(fields);
    return flags;
  }
  std::function<void(Fields&)> edit;
  DialogFlags flags;
  Fields shown;
};

core::AutoObjectType& New(TestApp& t, uint8_t kind) {
  return core::AddNewObject(t.app, kind, {5, 5});
}

// Runs a dialog on `record` with an author who makes `edit` and closes with `flags`.
template <typename Fields, typename Record>
bool RunDialog(bool (*execute)(ModalView<Fields>&, Record*), std::type_identity_t<Record*> record,
               std::type_identity_t<std::function<void(Fields&)>> edit, DialogFlags flags) {
  FakeView<Fields> view(std::move(edit), flags);
  return execute(view, record);
}

TEST(DialogModels, OnlyAConfirmedChangeIsWrittenBack) {
  // The author types "x" into the first text; the result, and whether "x" arrived (the braces
  // run the dialog before the check).
  using Outcome = std::pair<bool, bool>;
  const std::function<Outcome(TestApp&, DialogFlags)> dialogs[] = {
      [&](TestApp& t, DialogFlags f) {
        core::TCommand& link = t.app.Project.StartLink;
        const auto x = [](LinkFields& v) { v.Target = "x"; };
        return Outcome{RunDialog(ExecuteLink, &link, x, f), link.Target == "x"};
      },
      [&](TestApp& t, DialogFlags f) {
        const auto x = [](FormFields& v) { v.Caption = "x"; };
        return Outcome{RunDialog(ExecuteFormProperties, &t.app.Project, x, f),
                       t.window.Caption() == "x"};
      },
      [&](TestApp& t, DialogFlags f) {
        auto& o = New(t, core::kKindLabel);
        const auto x = [](LabelFields& v) { v.Caption = "x"; };
        return Outcome{RunDialog(ExecuteLabelProperties, &o, x, f),
                       core::LabelOf(o)->Caption == "x"};
      },
      [&](TestApp& t, DialogFlags f) {
        auto& o = New(t, core::kKindButton);
        const auto x = [](ButtonFields& v) { v.Caption = "x"; };
        return Outcome{RunDialog(ExecuteButtonProperties, &o, x, f),
                       core::ButtonOf(o)->Caption == "x"};
      },
      [&](TestApp& t, DialogFlags f) {
        auto& o = New(t, core::kKindImage);
        const auto x = [](ImageFields& v) { v.ImageFile = "x"; };
        return Outcome{RunDialog(ExecuteImageProperties, &o, x, f), o.ImageFile == "\\x"};
      },
  };
  for (size_t i = 0; i < std::size(dialogs); ++i) {
    for (const DialogFlags flags : {kCancelled, kUnchanged, kApplied}) {
      TestApp t;
      EXPECT_EQ(dialogs[i](t, flags), Outcome(flags.Applies(), flags.Applies())) << "dialog " << i;
    }
  }
}

TEST(DialogModels, ObjectDialogsRefuseOtherKindsAndNoObject) {
  TestApp t;
  const auto none = [](auto&) {};
  EXPECT_FALSE(RunDialog(ExecuteLabelProperties, nullptr, none, kApplied));
  EXPECT_FALSE(RunDialog(ExecuteLabelProperties, &New(t, core::kKindButton), none, kApplied));
  EXPECT_FALSE(RunDialog(ExecuteImageProperties, &New(t, core::kKindLabel), none, kApplied));
}

TEST(LinkDialog, OnlyFileActionsNormaliseTargetAndStartDirectoryAndUnknownCodesStay) {
  struct Case {
    uint8_t stored;
    int shown, chosen;
    std::string target, start, want_target, want_start;
  };
  for (const Case& c : std::vector<Case>{
           {7, 7, 1, "dir\\file.exe ", " dir ", "\\dir\\file.exe", "\\dir"},
           {0, 0, 4, "\t\\a.wav", "", "\\a.wav", ""},
           {0, 0, 5, "p.txt", " ", "\\p.txt", ""},
           {1, 1, 2, " http://x ", " d ", " http://x ", " d "},
           {1, 1, 3, " a@b ", "", " a@b ", ""},
           {9, -1, -1, " f ", " d ", " f ", " d "},
       }) {
    core::TCommand link;
    link.SoundFile = "\\click.wav";
    link.Action = c.stored;
    FakeView<LinkFields> view([&](LinkFields& v) { v = {c.chosen, c.target, " -p ", c.start}; });
    ASSERT_TRUE(ExecuteLink(view, &link));
    EXPECT_EQ(view.shown.Action, c.shown);
    const uint8_t want_action = c.chosen < 0 ? c.stored : static_cast<uint8_t>(c.chosen);
    EXPECT_EQ(link, (core::TCommand{"\\click.wav", want_action, core::kShowNormal, c.want_target,
                                    " -p ", c.want_start}))
        << "action " << c.chosen;
  }
}

TEST(LinkDialog, EachActionEnablesItsFields) {
  const LinkEnabling none, all{true, true, true, true}, edit{true}, picked{true, true};
  const LinkEnabling expected[] = {none, none, all, edit, edit, picked, picked, none, none, none};
  for (int action = -1; action <= 8; ++action) {
    EXPECT_EQ(EnablingForAction(action), expected[action + 1]) << "action " << action;
  }
  EXPECT_EQ(EnablingForAction(-1, true), all) << "several links of different actions";
}

TEST(FormDialog, WritesWindowProjectAndPanelAndKnowsTwoPositions) {
  // Stored position, the row shown, the position written back with that row.
  for (const auto& [stored, row, written] : {std::tuple{0, 1, 0}, {4, 0, 4}, {2, 0, 4}}) {
    TestApp t;
    t.window.SetPosition(static_cast<uint8_t>(stored));
    FakeView<FormFields> view([](FormFields& v) {
      v = {" Menu ", " ic\\a.ico ", "\x01", 1, 7, 2, 3, v.Position, 3, true, 1, 4, 2, 3, 5};
    });
    ASSERT_TRUE(ExecuteFormProperties(view, &t.app.Project));
    EXPECT_EQ(view.shown.Position, row) << stored;
    EXPECT_EQ(t.window.Position(), written) << stored;
    const core::AutoFormType& p = t.app.Project;
    const ui::Form& w = t.window;
    EXPECT_EQ(std::tie(w.Caption(), p.IconFile, p.StartSoundFile),
              std::tuple(" Menu ", "\\ic\\a.ico", ""));
    EXPECT_EQ(
        std::tuple(p.BackColor, p.GradientStyle, p.GradientColor, w.BorderStyle(),
                   w.TransparentColorValue(), w.TransparentColor(), t.panel.BorderStyle,
                   t.panel.BorderWidth, t.panel.BevelInner, t.panel.BevelOuter, t.panel.BevelWidth),
        std::tuple(1u, 7, 2u, 3, 3u, true, 1, 4, 2, 3, 5));
  }
}

TEST(ButtonDialog, AMarginBelowMinusOneIsRefusedByTheButtonAlone) {
  for (const auto& [typed, kept] : {std::pair{-2, 6}, {-1, -1}, {0, 0}}) {
    TestApp t;
    core::AutoObjectType& object = New(t, core::kKindButton);
    core::ButtonOf(object)->SetMargin(6);
    FakeView<ButtonFields> view([&](ButtonFields& v) {
      v.Margin = typed, v.GlyphFile = "  ", v.HotGlyphFile = "h.bmp", v.Spacing = 9;
    });
    EXPECT_TRUE(ExecuteButtonProperties(view, &object));
    EXPECT_EQ(std::tuple(core::ButtonOf(object)->Margin(), core::ButtonOf(object)->Spacing),
              std::tuple(kept, 9));
    EXPECT_EQ(std::tie(object.GlyphFile, object.HotGlyphFile), std::tuple("", "\\h.bmp"));
  }
}

TEST(ImageDialog, OneDisplayStyleShowsAndOnlyTheChosenOneIsWritten) {
  // Stored Center, Stretch, AutoSize bits; the row shown; the row chosen; the bits written.
  for (const auto& [stored, row, chosen, written] :
       {std::tuple{0b110, 1, 1, 0b100}, {0b011, 2, 3, 0b001}, {0b001, 3, 0, 0}, {0, 0, 2, 0b010}}) {
    TestApp t;
    core::AutoObjectType& object = New(t, core::kKindImage);
    ui::ImageControl& image = *core::ImageOf(object);
    image.Center = stored & 4, image.Stretch = stored & 2, image.AutoSize = stored & 1;
    FakeView<ImageFields> view([&](ImageFields& v) { v.DisplayStyle = chosen; });
    ASSERT_TRUE(ExecuteImageProperties(view, &object));
    EXPECT_EQ(view.shown.DisplayStyle, row) << stored;
    EXPECT_EQ(image.Center * 4 + image.Stretch * 2 + image.AutoSize, written) << stored;
  }
}

TEST(LabelDialog, AnOwnColourEndsTheParentColour) {
  for (const auto& [colour, parent] : {std::pair{ui::kColorButtonFace, true}, {0x123u, false}}) {
    TestApp t;
    core::AutoObjectType& object = New(t, core::kKindLabel);
    core::LabelOf(object)->ParentColor = true;
    FakeView<LabelFields> view([&](LabelFields& v) { v.Color = colour; });
    ASSERT_TRUE(ExecuteLabelProperties(view, &object));
    EXPECT_EQ(std::tuple(core::LabelOf(object)->Color, core::LabelOf(object)->ParentColor),
              std::tuple(colour, parent));
  }
}

TEST(NumberField, TakesWholeNumbersInItsRangeOrTheFilledValue) {
  // Text, the value the field was filled with, the value read (nothing: refused).
  const std::optional<int32_t> refused;
  for (const auto& [text, filled, read] : {std::tuple{"12", 0, std::optional(12)},
                                           {" -1000 ", 0, -1000},
                                           {"+1000", 0, 1000},
                                           {"-1", -1, -1},
                                           {"5000", 5000, 5000},
                                           {"-2147483648", INT32_MIN, INT32_MIN},
                                           {"1001", 0, refused},
                                           {"-1001", 5000, refused},
                                           {"99999999999", 0, refused},
                                           {"abc", 0, refused},
                                           {"1a", 1, refused},
                                           {"-", 0, refused},
                                           {"", 0, refused},
                                           {"1 0", 10, refused}}) {
    EXPECT_EQ(ReadNumber(kMarginField, text, filled), read) << '"' << text << '"';
  }
  EXPECT_EQ(ReadNumber(kBorderWidthField, "-1", 0), refused);
  EXPECT_EQ(NumberMessage(kBorderWidthField),
            "Border Width must be a whole number from 0 to 1,000.");
  EXPECT_EQ(NumberMessage({"Big", -2147483647 - 1, 1234567}),
            "Big must be a whole number from -2,147,483,648 to 1,234,567.");
}

TEST(CdFilePicker, TargetFolder) {
  EXPECT_EQ(TargetFolder("\\a.wav"), "\\");
  EXPECT_EQ(TargetFolder("\\sub\\a.wav"), "\\sub");
  EXPECT_EQ(TargetFolder("a.wav"), "");
}

struct FakeOpenDialog : OpenFileDialog {
  std::optional<std::string> Choose(const OpenFileRequest& r) override {
    request = r;
    return chosen;
  }
  std::optional<std::string> chosen;
  OpenFileRequest request;
};

TEST(CdFilePicker, KeepsOnlyFilesInTheCdFolder) {
  const std::string refusal = "Selected file should be in \"\" directory or its subdirectory";
  const ShownMessage plain{refusal + " directory", "Q", ui::MessageIcon::None};
  const ShownMessage information{refusal, "Information", ui::MessageIcon::Information};
  const ShownMessage outside{
      "Selected file should be in \"C:\\CD\" directory or its subdirectory directory", "Q",
      ui::MessageIcon::None};
  struct Case {
    std::string cd, field;
    std::optional<std::string> chosen, result;
    std::string initial_folder, file_name;
    RefusalStyle style = RefusalStyle::Plain;
    std::vector<ShownMessage> shown = {};
  };
  for (const Case& c : std::vector<Case>{
           {"C:\\CD", "\\a.exe", "C:\\CD\\b.exe", "\\b.exe", "", "C:\\CD\\a.exe"},
           {"C:\\CD", " s\\a ", "C:\\CD\\s\\t\\f", "\\s\\t\\f", "", "C:\\CD\\s\\a"},
           {"C:\\CD", " \t", std::nullopt, std::nullopt, "C:\\CD", ""},
           {"C:\\CD", "", "C:\\CDx\\f", std::nullopt, "C:\\CD", "", RefusalStyle::Plain, {outside}},
           {"C:\\CD", "", "c:\\cd\\f", std::nullopt, "C:\\CD", "", RefusalStyle::Plain, {outside}},
           {"", "", "C:\\f", std::nullopt, "", "", RefusalStyle::Plain, {plain}},
           {"", "f", "C:\\f", std::nullopt, "", "\\f", RefusalStyle::Information, {information}},
           // Texts that name no file: the dialog starts in the CD folder with no name.
           {"C:\\CD", " http://x/y ", std::nullopt, std::nullopt, "C:\\CD", ""},
           {"C:\\CD", "someone@example.com", std::nullopt, std::nullopt, "C:\\CD", ""},
           {"C:\\CD", "\\a@b\\c.txt", std::nullopt, std::nullopt, "", "C:\\CD\\a@b\\c.txt"},
           {"C:\\CD", "a|b", std::nullopt, std::nullopt, "C:\\CD", ""},
           {"C:\\CD", "a\tb", std::nullopt, std::nullopt, "C:\\CD", ""},
           {"C:\\CD", "why?", std::nullopt, std::nullopt, "C:\\CD", ""},
       }) {
    TestApp t;
    t.app.CDFolder = c.cd;
    FakeOpenDialog dialog;
    dialog.chosen = c.chosen;
    EXPECT_EQ(PickCdFile(t.app, dialog, c.field, "Programs|*.exe", c.style, "Q"), c.result);
    EXPECT_EQ(
        std::tie(dialog.request.filter, dialog.request.initial_folder, dialog.request.file_name),
        std::tuple("Programs|*.exe", c.initial_folder, c.file_name))
        << c.field;
    EXPECT_EQ(t.platform.messages, c.shown) << c.field;
  }
}

// Shows several objects: remembers what it showed and which members it showed without a value,
// then the author sets values with `edit` and the members in `changes` count as given one.
template <typename Fields>
struct SharedFake : ModalView<Fields> {
  SharedFake(std::function<void(Fields&)> edit, FieldMask changes, DialogFlags flags = kApplied)
      : edit(std::move(edit)), changes(changes), flags(flags) {}
  DialogFlags Run(Fields& fields) override {
    ++runs;
    shown = fields;
    SharedFields one;  // for a dialog of one record
    SharedFields& shared = this->Shared() != nullptr ? *this->Shared() : one;
    unknown = shared.unknown;
    edit(fields);
    shared.changed = changes;
    if (this->Links() != nullptr) this->Links()->Edit();  // "Link...", when the dialog has it
    return flags;
  }
  std::function<void(Fields&)> edit;
  FieldMask changes;
  DialogFlags flags;
  Fields shown;
  FieldMask unknown = 0;
  int runs = 0;
};

using Objects = std::vector<core::AutoObjectType*>;

Objects NewObjects(TestApp& t, uint8_t kind, size_t count) {
  Objects objects;
  while (objects.size() < count) objects.push_back(&New(t, kind));
  return objects;
}

TEST(SeveralObjects, EveryMemberTheyDoNotShareShowsNoValue) {
  using L = LabelFields;
  const std::pair<std::function<void(L&)>, FieldMask> cases[] = {
      {[](L&) {}, 0},
      {[](L& v) { v.Caption += ' '; }, Bit(&L::Caption)},
      {[](L& v) { v.Layout = 2; }, Bit(&L::Layout)},
      {[](L& v) { v.Color = 0xFF; }, Bit(&L::Color)},
      {[](L& v) { v.HotFont.style = ui::kFontUnderline; }, Bit(&L::HotFont)},
      {[](L& v) { v.Font.size = 9, v.Transparent = true; }, Bit(&L::Font) | Bit(&L::Transparent)},
  };
  for (size_t i = 0; i < std::size(cases); ++i) {
    L first, second;
    cases[i].first(second);
    EXPECT_EQ(Differing(first, second), cases[i].second) << "case " << i;
  }
}

TEST(SeveralObjects, OnlyWhatTheAuthorChangedIsWrittenToEach) {
  using B = ButtonFields;
  const ui::Font chosen{"Chosen", 0x40, 14, ui::kFontBold};
  struct Case {
    DialogFlags flags;
    FieldMask changes;
    bool applied;
    const char* captions;  // one letter each
    bool font_chosen;
    std::string glyph;
    bool flat_and_spacing;  // the chosen flat look and spacing
  };
  // Each button keeps its margin throughout: the button refuses one below -1.
  for (const Case& c : std::vector<Case>{
           {kApplied, Bit(&B::Font), true, "ABC", true, "g.bmp", false},
           {kApplied, Bit(&B::Caption) | Bit(&B::GlyphFile), true, "XXX", false, "\\n.bmp", false},
           {kApplied, Bit(&B::Margin) | Bit(&B::Spacing) | Bit(&B::Flat), true, "ABC", false,
            "g.bmp", true},
           {kApplied, 0, false, "ABC", false, "g.bmp", false},  // only a number field left blank
           {kCancelled, Bit(&B::Font), false, "ABC", false, "g.bmp", false},
       }) {
    TestApp t;
    const Objects buttons = NewObjects(t, core::kKindButton, 3);
    for (size_t i = 0; i < 3; ++i) {
      core::ButtonOf(*buttons[i])->Caption = std::string(1, "ABC"[i]);
      core::ButtonOf(*buttons[i])->Font.size = static_cast<int>(i) + 9;
      core::ButtonOf(*buttons[i])->SetMargin(static_cast<int>(i) + 1);
      buttons[i]->GlyphFile = "g.bmp";  // a stored name without its backslash
    }
    SharedFake<ButtonFields> view(
        [&](ButtonFields& v) {
          v.Caption = "X", v.Font = chosen, v.GlyphFile = "n.bmp", v.Margin = -2, v.Spacing = 50,
          v.Flat = true;
        },
        c.changes, c.flags);
    EXPECT_EQ(ExecuteButtonProperties(view, buttons), c.applied) << c.changes;
    EXPECT_EQ(view.unknown, Bit(&B::Caption) | Bit(&B::Font) | Bit(&B::Margin));
    for (size_t i = 0; i < 3; ++i) {
      const ui::SpeedButton& b = *core::ButtonOf(*buttons[i]);
      const int own = static_cast<int>(i) + 1;
      EXPECT_EQ(std::tuple(b.Caption, b.Font.size, buttons[i]->GlyphFile, b.Margin(), b.Flat,
                           b.Spacing == 50),
                std::tuple(std::string(1, c.captions[i]), c.font_chosen ? 14 : own + 8, c.glyph,
                           own, c.flat_and_spacing, c.flat_and_spacing))
          << c.changes << " button " << i;
    }
  }
}

TEST(SeveralObjects, AnUntouchedDisplayStyleKeepsEachImagesSwitches) {
  // The display style chosen (-1: untouched), then each image's Center, Stretch, AutoSize bits.
  for (const auto& [chosen, first, second] :
       {std::tuple{-1, 0b110, 0b010}, {3, 0b001, 0b001}, {0, 0, 0}}) {
    TestApp t;
    const Objects images = NewObjects(t, core::kKindImage, 2);
    ui::ImageControl &a = *core::ImageOf(*images[0]), &b = *core::ImageOf(*images[1]);
    a.Center = a.Stretch = b.Stretch = true;
    using I = ImageFields;
    SharedFake<I> view([&](I& v) { v.DisplayStyle = chosen, v.Transparent = true; },
                       Bit(&I::Transparent) | (chosen < 0 ? 0 : Bit(&I::DisplayStyle)));
    ASSERT_TRUE(ExecuteImageProperties(view, images));
    EXPECT_EQ(view.unknown, Bit(&I::DisplayStyle));
    const auto bits = [](const ui::ImageControl& i) {
      return i.Center * 4 + i.Stretch * 2 + i.AutoSize;
    };
    EXPECT_EQ(std::tuple(bits(a), bits(b), a.Transparent, b.Transparent),
              std::tuple(first, second, true, true))
        << chosen;
  }
}

TEST(SeveralObjects, ObjectsOfAnotherKindAreRefusedUnshown) {
  TestApp t;
  const Objects mixed{&New(t, core::kKindLabel), &New(t, core::kKindButton)};
  SharedFake<LabelFields> view([](LabelFields& v) { v.Caption = "x"; }, kEveryField);
  EXPECT_FALSE(ExecuteLabelProperties(view, mixed));
  EXPECT_FALSE(ExecuteLabelProperties(view, Objects{}));
  EXPECT_EQ(view.runs, 0);
  EXPECT_EQ(core::LabelOf(*mixed[0])->Caption, "New Label");
}

TEST(SeveralLinks, OnlyWhatTheAuthorGaveAValueIsWrittenToEachLink) {
  using L = LinkFields;
  // Two file links and an address; the author picks Open or Execute File and types into all. The
  // links after ("action|target|parameters|start directory|sound file;" each); none: as stored.
  const std::vector<core::TCommand> stored = {{"\\a.wav", 1, 1, "\\a.exe", "/x", "\\"},
                                              {"", 1, 1, "\\b.exe", "/x", "\\b"},
                                              {"\\c.wav", 2, 1, "http://c", "/x", ""}};
  const std::tuple<DialogFlags, FieldMask, std::string> cases[] = {
      {kApplied, Bit(&L::Target),
       "1|\\s.exe|/x|\\|\\a.wav;1|\\s.exe|/x|\\b|;2| s.exe |/x||\\c.wav;"},
      {kApplied, Bit(&L::Action) | Bit(&L::StartDirectory),
       "1|\\a.exe|/x|\\bin|\\a.wav;1|\\b.exe|/x|\\bin|;1|http://c|/x|\\bin|\\c.wav;"},
      {kApplied, Bit(&L::Parameters),
       "1|\\a.exe| |\\|\\a.wav;1|\\b.exe| |\\b|;2|http://c| ||\\c.wav;"},
      {kApplied, 0, ""},
      {kCancelled, Bit(&L::Target), ""}};
  const auto text = [](const std::vector<core::TCommand>& links, std::string all = {}) {
    for (const core::TCommand& l : links) {
      all += std::to_string(l.Action) + '|' + l.Target + '|' + l.Parameters + '|' +
             l.StartDirectory + '|' + l.SoundFile + ';';
    }
    return all;
  };
  for (const auto& [flags, changes, want] : cases) {
    std::vector<core::TCommand> links = stored;
    const std::vector<core::TCommand*> edited = {&links[0], &links[1], &links[2]};
    SharedFake<L> view([](L& v) { v = {1, " s.exe ", " ", " bin "}; }, changes, flags);
    EXPECT_EQ(ExecuteLinks(view, edited, "3 buttons"), !want.empty()) << changes;
    EXPECT_EQ(std::tuple(view.unknown, view.shown.Parameters),
              std::tuple(Bit(&L::Action) | Bit(&L::Target) | Bit(&L::StartDirectory), "/x"));
    EXPECT_EQ(text(links), want.empty() ? text(stored) : want) << changes;
  }
}

TEST(ObjectLinks, ALinkEditedFromAnObjectDialogGoesWithItsOkAndDropsWithItsCancel) {
  // How many buttons, how the link editor and then the dialog close, each button's target after.
  for (const auto& [count, editor_flags, dialog_flags, target] :
       {std::tuple{1, kApplied, kApplied, "x"},
        {1, kCancelled, kApplied, ""},
        {2, kApplied, kApplied, "x"},
        {2, kApplied, kCancelled, ""}}) {
    TestApp t;
    const Objects buttons = NewObjects(t, core::kKindButton, static_cast<size_t>(count));
    SharedFake<LinkFields> editor([](LinkFields& v) { v.Target = "x"; }, Bit(&LinkFields::Target),
                                  editor_flags);
    SharedFake<ButtonFields> dialog([](ButtonFields&) {}, 0, dialog_flags);
    EXPECT_EQ(ExecuteButtonProperties(dialog, buttons, &editor), dialog_flags.Applies());
    for (const core::AutoObjectType* button : buttons) EXPECT_EQ(button->Link.Target, target);
  }
}

TEST(NumberField, ABlankFieldOfSeveralObjectsIsLeftAlone) {
  EXPECT_EQ(std::tuple(LeftBlank(""), LeftBlank("  "), LeftBlank(" 0"), LeftBlank("-")),
            std::tuple(true, true, false, false));
}

}  // namespace
}  // namespace dialogs
