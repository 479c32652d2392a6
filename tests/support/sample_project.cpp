// Sample projects with every stored field set.
#include "sample_project.h"

#include <string>

#include "core/project_ops.h"

namespace testing_support {
namespace {

using namespace core;

ui::Font MakeFont(const std::string& name, ui::Color color, int32_t size, uint8_t style) {
  return ui::Font{name, color, size, style};
}

TCommand MakeLink(uint8_t action, const std::string& stem) {
  return TCommand{"\\" + stem + ".wav", action,       3,
                  "\\" + stem + ".exe", "-x " + stem, "\\" + stem + "-dir"};
}

void FillObject(AutoObjectType& o, int n) {
  const std::string s = std::to_string(n);
  o.Link = MakeLink(static_cast<uint8_t>(n % 8), "link" + s);
  o.Reserved = "reserved" + s;
  o.HotGlyphFile = "\\hotglyph" + s + ".bmp";
  o.HotImageFile = "\\hotimage" + s + ".jpg";
  o.HotFont = MakeFont("Hot" + s, 0x0000FF + n, 9 + n % 7, ui::kFontBold | ui::kFontUnderline);
  o.NormalFont = MakeFont("Normal" + s, 0x00FF00 + n, 11, ui::kFontItalic | ui::kFontStrikeOut);
  o.GlyphFile = "\\glyph" + s + ".bmp";
  o.ImageFile = "\\image" + s + ".jpeg";
  ui::Control& c = *o.Control;
  c.SetBounds(10 + n, 20 + n, 30 + n, 40 + n);
  c.Name = "Name" + s;
  c.Hint = "Hint" + s;
  if (auto* label = LabelOf(o)) {
    label->Alignment = ui::kAlignCenter;
    label->AutoSize = true;
    label->Caption = "Caption " + s + " with \"quotes\" and \u00e9";
    label->Color = 0xFF00000Fu;
    label->Font = MakeFont("Arial", 0x112233, 14, ui::kFontBold);
    label->Layout = ui::kLayoutBottom;
    label->Transparent = false;
    label->WordWrap = true;
  } else if (auto* button = ButtonOf(o)) {
    button->Caption = "Button " + s;
    button->Flat = true;
    button->Font = MakeFont("Courier New", 0x445566, 10, ui::kFontItalic);
    button->Layout = ui::kGlyphBottom;
    button->SetMargin(7);
    button->Spacing = -1;
    button->Transparent = false;
  } else if (auto* image = ImageOf(o)) {
    image->AutoSize = true;
    image->Center = true;
    image->Stretch = true;
    image->Transparent = true;
  }
}

}  // namespace

void AddManyObjects(AppState& app, int count) {
  for (int i = 0; i < count; ++i) {
    const int n = static_cast<int>(app.Project.Objects.size());
    AutoObjectType& o = AddNewObject(app, static_cast<uint8_t>(n % 3), {0, 0});
    FillObject(o, n);
    o.Selected = false;
  }
}

void FillSampleProject(AppState& app) {
  AutoFormType& p = app.Project;
  p.IconFile = "\\art\\disc.ico";
  p.StartSoundFile = "\\sound\\hello.wav";
  p.StartLink = MakeLink(kActionOpenUrl, "start");
  p.BackColor = 0x00102030;
  p.GradientColor = 0xFF000005;
  p.GradientStyle = kGradientRadial;
  ui::Form& w = *p.Window;
  w.SetBorderIcons(ui::kIconSystemMenu | ui::kIconMaximize | ui::kIconHelp);
  w.SetBorderStyle(ui::kBorderToolWindow);
  w.SetBorderWidth(4);
  w.SetCaption("Sample Disc");
  w.SetBounds(10, 10, 640, 480);
  w.SetPosition(ui::kPositionScreenCenter);
  w.SetWindowState(ui::kStateMaximized);
  w.SetTransparentColorValue(0x00FF00FF);
  w.SetTransparentColor(true);
  ui::Panel& panel = *p.Panel;
  panel.BorderStyle = ui::kPanelBorderSingle;
  panel.BevelInner = ui::kBevelLowered;
  panel.BevelOuter = ui::kBevelSpace;
  panel.BevelWidth = 2;
  panel.BorderWidth = 3;
  AddManyObjects(app, 3);
}

}  // namespace testing_support
