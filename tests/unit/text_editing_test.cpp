// The rules behind editing text: the size that shows a caption whole, and the hot-track font that
// follows the font.
#include <gtest/gtest.h>

#include "core/project_ops.h"
#include "designer/text_rules.h"
#include "raster_canvas.h"

namespace designer {
namespace {

TEST(TextRules, AnObjectGrowsToShowItsCaptionWholeAndNeverShrinks) {
  struct Case {
    uint8_t kind;
    ui::Size size;
    size_t letters;  // 6 pixels wide each, 13 high, in the test canvas's font
    int32_t room = 600;
    bool wrap = false, auto_size = false;  // labels
    uint8_t layout = ui::kGlyphLeft;       // buttons, with a 16 x 16 glyph when `glyph`
    bool glyph = false;
    int32_t margin = -1;
    ui::Size fit;
  };
  for (const Case& c : std::vector<Case>{
           {core::kKindLabel, {65, 17}, 20, 600, false, false, {}, {}, {}, {120, 17}},
           {core::kKindLabel, {65, 17}, 20, 600, true, false, {}, {}, {}, {120, 17}},
           {core::kKindLabel, {65, 17}, 20, 90, true, false, {}, {}, {}, {90, 26}},  // 15 a line
           {core::kKindLabel, {65, 17}, 20, 30, true, false, {}, {}, {}, {65, 26}},
           {core::kKindLabel, {65, 17}, 20, 600, false, true, {}, {}, {}, {65, 17}},
           {core::kKindLabel, {200, 50}, 2, 600, true, false, {}, {}, {}, {200, 50}},
           {core::kKindButton, {120, 40}, 10, 600, {}, {}, ui::kGlyphLeft, false, -1, {120, 40}},
           {core::kKindButton, {120, 40}, 30, 600, {}, {}, ui::kGlyphLeft, false, -1, {192, 40}},
           {core::kKindButton, {120, 40}, 20, 600, {}, {}, ui::kGlyphLeft, true, -1, {152, 40}},
           {core::kKindButton, {120, 40}, 20, 600, {}, {}, ui::kGlyphRight, true, 10, {156, 40}},
           {core::kKindButton, {120, 20}, 20, 600, {}, {}, ui::kGlyphTop, true, -1, {124, 45}},
           {core::kKindImage, {105, 105}, 30, 600, {}, {}, {}, {}, {}, {105, 105}},
       }) {
    core::AutoObjectType object;
    object.Kind = c.kind;
    object.Control = core::MakeControl(c.kind);
    object.Control->SetBounds(0, 0, c.size.width, c.size.height);
    if (ui::Label* label = core::LabelOf(object)) {
      label->WordWrap = c.wrap;
      label->AutoSize = c.auto_size;
    } else if (ui::SpeedButton* button = core::ButtonOf(object)) {
      button->Layout = c.layout;
      button->SetMargin(c.margin);
      if (c.glyph) button->Glyph = ui::PixelBitmap(16, 16);
    }
    testing_support::RasterCanvas measure(1, 1);
    EXPECT_EQ(SizeToFit(object, std::string(c.letters, 'x'), measure, c.room), c.fit)
        << int{c.kind} << " " << c.letters << " letters, room " << c.room;
  }
}

TEST(TextRules, TheHotFontFollowsTheFontWhereItWasTheSameButForItsColour) {
  const ui::Font before{"Arial", 0, 10, 0}, after{"Tahoma", 0x123456, 12, ui::kFontBold};
  for (auto [hot, expected] : std::vector<std::pair<ui::Font, ui::Font>>{
           {{"Arial", 0xFF, 10, 0}, {"Tahoma", 0xFF, 12, ui::kFontBold}},  // its colour differed
           {{"Arial", 0, 10, 0}, {"Tahoma", 0, 12, ui::kFontBold}},
           {{"Arial", 0xFF, 11, 0}, {"Arial", 0xFF, 11, 0}},  // its own size
           {{"Arial", 0xFF, 10, ui::kFontItalic}, {"Arial", 0xFF, 10, ui::kFontItalic}},
           {{"Verdana", 0xFF, 10, 0}, {"Verdana", 0xFF, 10, 0}}}) {
    const ui::Font was = hot;
    KeepHotFontInStep(hot, before, after);
    EXPECT_EQ(hot, expected) << was.name << " " << was.size;
  }
}

TEST(TextRules, HotTrackFontGivesEachObjectOnlyWhatTheAuthorChanged) {
  const ui::Font preset{"Arial", 0, 10, 0}, own{"Tahoma", 5, 14, ui::kFontItalic};
  for (const auto& [chosen, expected] : std::vector<std::pair<ui::Font, ui::Font>>{
           {{"Arial", 0xFF, 10, 0}, {"Tahoma", 0xFF, 14, ui::kFontItalic}},  // a colour alone
           {{"Arial", 0, 12, ui::kFontBold}, {"Tahoma", 5, 12, ui::kFontBold}},
           {{"Verdana", 0, 10, 0}, {"Verdana", 5, 14, ui::kFontItalic}},
           {preset, own}}) {
    ui::Font hot = own;
    ApplyFontChanges(hot, preset, chosen);
    EXPECT_EQ(hot, expected) << chosen.name << " " << chosen.size;
  }
}

}  // namespace
}  // namespace designer
