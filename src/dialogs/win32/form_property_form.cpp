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

// Tab order is the order of this table (swatches and the position list take no focus).
constexpr ControlSpec kControls[] = {
    {ControlSpec::Picture, 90, nullptr, 8, 8, 32, 32},
    {ControlSpec::Label, 91, "Form Caption:", 56, 12, 116, 16},
    {ControlSpec::Edit, kEdit4, nullptr, 176, 8, 434, 23},
    {ControlSpec::Label, 92, "Form Icon:", 56, 42, 116, 16},
    {ControlSpec::Edit, kEdit1, nullptr, 176, 38, 346, 23},
    {ControlSpec::Button, kButton6, "Select...", 528, 37, 82, 25},
    {ControlSpec::Label, 93, "Start Sound:", 56, 72, 116, 16},
    {ControlSpec::Edit, kEdit2, nullptr, 176, 68, 346, 23},
    {ControlSpec::Button, kButton7, "Select...", 528, 67, 82, 25},
    {ControlSpec::Label, 94, "Back Color:", 56, 104, 116, 16},
    {ControlSpec::Swatch, kPanel2, nullptr, 176, 100, 60, 23},
    {ControlSpec::Button, kButton1, "Select...", 242, 99, 82, 25},
    {ControlSpec::Label, 95, "Gradient Style:", 56, 136, 116, 16},
    {ControlSpec::List, kComboBox1, nullptr, 176, 132, 148, 24},
    {ControlSpec::Label, 96, "Gradient Color:", 56, 168, 116, 16},
    {ControlSpec::Swatch, kPanel1, nullptr, 176, 164, 60, 23},
    {ControlSpec::Button, kButton2, "Select...", 242, 163, 82, 25},
    {ControlSpec::Label, 97, "Border Style:", 56, 200, 116, 16},
    {ControlSpec::List, kComboBox2, nullptr, 176, 196, 148, 24},
    {ControlSpec::Label, 98, "Positon:", 56, 232, 116, 16},
    {ControlSpec::List, kComboBox3, nullptr, 176, 228, 148, 24},
    {ControlSpec::Label, 99, "Transparent Color:", 56, 264, 116, 16},
    {ControlSpec::Swatch, kPanel3, nullptr, 176, 260, 60, 23},
    {ControlSpec::Button, kButton3, "Select...", 242, 259, 82, 25},
    {ControlSpec::Check, kCheckBox1, "Transparent", 176, 292, 148, 20},
    {ControlSpec::Group, 80, "Panel Border", 344, 98, 266, 186},
    {ControlSpec::Label, 81, "Border Style:", 356, 124, 104, 16},
    {ControlSpec::List, kComboBox4, nullptr, 466, 120, 132, 24},
    {ControlSpec::Label, 82, "Border Width:", 356, 156, 104, 16},
    {ControlSpec::Spin, kSpinEdit1, nullptr, 466, 152, 132, 23},
    {ControlSpec::Label, 83, "Bevel Inner:", 356, 188, 104, 16},
    {ControlSpec::List, kComboBox5, nullptr, 466, 184, 132, 24},
    {ControlSpec::Label, 84, "Bevel Outer:", 356, 220, 104, 16},
    {ControlSpec::List, kComboBox6, nullptr, 466, 216, 132, 24},
    {ControlSpec::Label, 85, "Bevel Width:", 356, 252, 104, 16},
    {ControlSpec::Spin, kSpinEdit2, nullptr, 466, 248, 132, 23},
    {ControlSpec::OkButton, 0, "OK", 442, 312, 80, 26},
    {ControlSpec::CancelButton, 0, "Cancel", 530, 312, 80, 26},
};
constexpr int kFormPropertiesPicture = 4;
constexpr char kIcons[] = "Icons (*.ico)|*.ico";

}  // namespace

TFormPropertyForm::TFormPropertyForm()
    : PropertyDialog(kFormPropertyFormLayout, kControls, kFormPropertiesPicture) {}

dialogs::DialogFlags TFormPropertyForm::Run(dialogs::FormFields& f) {
  FillList(kComboBox1, dialogs::kGradientStyleItems);
  FillList(kComboBox2, dialogs::kBorderStyleItems);
  FillList(kComboBox3, dialogs::kPositionItems);
  FillList(kComboBox4, dialogs::kPanelBorderItems);
  FillList(kComboBox5, dialogs::kBevelItems);
  FillList(kComboBox6, dialogs::kBevelItems);
  Enable(kComboBox3, false);  // the position is shown, never chosen
  SetText(kEdit4, f.Edit4);
  SetText(kEdit1, f.Edit1);
  SetText(kEdit2, f.Edit2);
  SetSwatchColor(kPanel2, f.Panel2);
  SetListIndex(kComboBox1, f.ComboBox1);
  SetSwatchColor(kPanel1, f.Panel1);
  SetListIndex(kComboBox2, f.ComboBox2);
  SetListIndex(kComboBox3, f.ComboBox3);
  SetSwatchColor(kPanel3, f.Panel3);
  SetChecked(kCheckBox1, f.CheckBox1);
  SetListIndex(kComboBox4, f.ComboBox4);
  SetSpinValue(kSpinEdit1, f.SpinEdit1);
  SetListIndex(kComboBox5, f.ComboBox5);
  SetListIndex(kComboBox6, f.ComboBox6);
  SetSpinValue(kSpinEdit2, f.SpinEdit2);
  const dialogs::DialogFlags flags = RunModal();
  f.Edit4 = Text(kEdit4);
  f.Edit1 = Text(kEdit1);
  f.Edit2 = Text(kEdit2);
  f.Panel2 = SwatchColor(kPanel2);
  f.ComboBox1 = ListIndex(kComboBox1);
  f.Panel1 = SwatchColor(kPanel1);
  f.ComboBox2 = ListIndex(kComboBox2);
  f.ComboBox3 = ListIndex(kComboBox3);
  f.Panel3 = SwatchColor(kPanel3);
  f.CheckBox1 = Checked(kCheckBox1);
  f.ComboBox4 = ListIndex(kComboBox4);
  f.SpinEdit1 = SpinValue(kSpinEdit1);
  f.ComboBox5 = ListIndex(kComboBox5);
  f.ComboBox6 = ListIndex(kComboBox6);
  f.SpinEdit2 = SpinValue(kSpinEdit2);
  return flags;
}

void TFormPropertyForm::OnClick(int id) {
  switch (id) {
    case kButton1:
    case kPanel2:
      PickColor(kPanel2);
      break;
    case kButton2:
    case kPanel1:
      PickColor(kPanel1);
      break;
    case kButton3:
    case kPanel3:
      PickColor(kPanel3);
      break;
    case kButton6:
      PickFile(kEdit1, kIcons, dialogs::RefusalStyle::Plain);
      break;
    // The start sound may be any file: the shared dialog lists all files.
    case kButton7:
      PickFile(kEdit2, "", dialogs::RefusalStyle::Plain);
      break;
    default:
      break;
  }
}
