// The form properties dialog's window.
#include "dialogs/win32/form_property_form.h"

namespace {

enum : int {
  kEdit4 = 101,
  kEdit1,
  kButton6,
  kEdit2,
  kButton7,
  kPanel2,
  kButton1,
  kComboBox1,
  kPanel1,
  kButton2,
  kComboBox2,
  kComboBox3,
  kPanel3,
  kButton3,
  kCheckBox1,
  kComboBox4,
  kSpinEdit1,
  kComboBox5,
  kComboBox6,
  kSpinEdit2,
};

constexpr char kIcons[] = "Icons (*.ico)|*.ico";
// The labels down the left, then the panel border group and the labels in it.
enum : int16_t {
  kCaptionLabel = 91,
  kIconLabel,
  kStartSoundLabel,
  kBackColorLabel,
  kGradientStyleLabel,
  kGradientColorLabel,
  kBorderStyleLabel,
  kPositionLabel,
  kTransparentColorLabel,
};
enum : int16_t {
  kPanelBorderGroup = 80,
  kPanelBorderStyleLabel,
  kBorderWidthLabel,
  kBevelInnerLabel,
  kBevelOuterLabel,
  kBevelWidthLabel,
};

// Tab order is the order of this table (swatches and the position list take no focus). The
// start sound may be any file: its button lists all files.
using F = dialogs::FormFields;
constexpr FieldRow<F> kControls[] = {
    {ControlSpec::Picture, kDialogPicture, nullptr, 8, 8, 32, 32},
    {ControlSpec::Label, kCaptionLabel, "Form Caption:", 56, 12, 116, 16},
    {ControlSpec::Edit, kEdit4, nullptr, 176, 8, 434, 23, &F::Caption},
    {ControlSpec::Label, kIconLabel, "Form Icon:", 56, 42, 116, 16},
    {ControlSpec::Edit, kEdit1, nullptr, 176, 38, 346, 23, &F::IconFile},
    {ControlSpec::Button, kButton6, "Select...", 528, 37, 82, 25, kEdit1, kIcons},
    {ControlSpec::Label, kStartSoundLabel, "Start Sound:", 56, 72, 116, 16},
    {ControlSpec::Edit, kEdit2, nullptr, 176, 68, 346, 23, &F::StartSoundFile},
    {ControlSpec::Button, kButton7, "Select...", 528, 67, 82, 25, kEdit2},
    {ControlSpec::Label, kBackColorLabel, "Back Color:", 56, 104, 116, 16},
    {ControlSpec::Swatch, kPanel2, nullptr, 176, 100, 60, 23, &F::BackColor},
    {ControlSpec::Button, kButton1, "Select...", 242, 99, 82, 25, kPanel2},
    {ControlSpec::Label, kGradientStyleLabel, "Gradient Style:", 56, 136, 116, 16},
    {ControlSpec::List, kComboBox1, nullptr, 176, 132, 148, 24, &F::GradientStyle,
     dialogs::kGradientStyleItems},
    {ControlSpec::Label, kGradientColorLabel, "Gradient Color:", 56, 168, 116, 16},
    {ControlSpec::Swatch, kPanel1, nullptr, 176, 164, 60, 23, &F::GradientColor},
    {ControlSpec::Button, kButton2, "Select...", 242, 163, 82, 25, kPanel1},
    {ControlSpec::Label, kBorderStyleLabel, "Border Style:", 56, 200, 116, 16},
    {ControlSpec::List, kComboBox2, nullptr, 176, 196, 148, 24, &F::BorderStyle,
     dialogs::kBorderStyleItems},
    // "Positon:" is spelt as the original dialog spells it: kept so.
    {ControlSpec::Label, kPositionLabel, "Positon:", 56, 232, 116, 16},
    {ControlSpec::FixedList, kComboBox3, nullptr, 176, 228, 148, 24, &F::Position,
     dialogs::kPositionItems},
    {ControlSpec::Label, kTransparentColorLabel, "Transparent Color:", 56, 264, 116, 16},
    {ControlSpec::Swatch, kPanel3, nullptr, 176, 260, 60, 23, &F::TransparentColorValue},
    {ControlSpec::Button, kButton3, "Select...", 242, 259, 82, 25, kPanel3},
    {ControlSpec::Check, kCheckBox1, "Transparent", 176, 292, 148, 20, &F::TransparentColor},
    {ControlSpec::Group, kPanelBorderGroup, "Panel Border", 344, 98, 266, 186},
    {ControlSpec::Label, kPanelBorderStyleLabel, "Border Style:", 356, 124, 104, 16},
    {ControlSpec::List, kComboBox4, nullptr, 466, 120, 132, 24, &F::PanelBorderStyle,
     dialogs::kPanelBorderItems},
    {ControlSpec::Label, kBorderWidthLabel, "Border Width:", 356, 156, 104, 16},
    {ControlSpec::Spin, kSpinEdit1, nullptr, 466, 152, 132, 23, &F::BorderWidth,
     dialogs::kBorderWidthField},
    {ControlSpec::Label, kBevelInnerLabel, "Bevel Inner:", 356, 188, 104, 16},
    {ControlSpec::List, kComboBox5, nullptr, 466, 184, 132, 24, &F::BevelInner,
     dialogs::kBevelItems},
    {ControlSpec::Label, kBevelOuterLabel, "Bevel Outer:", 356, 220, 104, 16},
    {ControlSpec::List, kComboBox6, nullptr, 466, 216, 132, 24, &F::BevelOuter,
     dialogs::kBevelItems},
    {ControlSpec::Label, kBevelWidthLabel, "Bevel Width:", 356, 252, 104, 16},
    {ControlSpec::Spin, kSpinEdit2, nullptr, 466, 248, 132, 23, &F::BevelWidth,
     dialogs::kBevelWidthField},
    {ControlSpec::OkButton, 0, "OK", 442, 312, 80, 26},
    {ControlSpec::CancelButton, 0, "Cancel", 530, 312, 80, 26},
};

}  // namespace

TFormPropertyForm::TFormPropertyForm()
    : PropertyDialog(kFormPropertyFormLayout, kControls, ui::win32::kPictureFormProperties) {}

dialogs::DialogFlags TFormPropertyForm::Run(dialogs::FormFields& fields) {
  return RunBound(kControls, fields);
}
