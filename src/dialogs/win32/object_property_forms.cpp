// The object dialogs' windows: their layouts and how their controls carry the fields.
#include "dialogs/win32/object_property_forms.h"

namespace {

constexpr char kBitmaps[] = "Bitmaps (*.bmp)|*.bmp";
constexpr char kPictures[] =
    "All (*.jpg;*.jpeg;*.bmp;*.ico;*.emf;*.wmf)|*.jpg;*.jpeg;*.bmp;*.ico;*.emf;*.wmf|"
    "JPEG Image File (*.jpg)|*.jpg|JPEG Image File (*.jpeg)|*.jpeg|Bitmaps (*.bmp)|*.bmp|"
    "Icons (*.ico)|*.ico|Enhanced Metafiles (*.emf)|*.emf|Metafiles (*.wmf)|*.wmf";

// The pictures of the tool bar's add tools stand at the dialogs' top left.
constexpr int kAddLabelPicture = 9;
constexpr int kAddButtonPicture = 10;
constexpr int kAddImagePicture = 11;

namespace label {
enum : int {
  kEdit1 = 101,
  kComboBox1,
  kComboBox2,
  kButton1,
  kButton2,
  kButton3,
  kCheckBox1,
  kPanel1,
  kPanel2,
  kPanel3
};
constexpr ControlSpec kControls[] = {
    {ControlSpec::Picture, 90, nullptr, 8, 8, 32, 32},
    {ControlSpec::Label, 91, "Caption:", 56, 12, 90, 16},
    {ControlSpec::Edit, kEdit1, nullptr, 150, 8, 262, 23},
    {ControlSpec::Label, 92, "Alignment:", 56, 44, 90, 16},
    {ControlSpec::List, kComboBox1, nullptr, 150, 40, 150, 24},
    {ControlSpec::Label, 93, "Layout", 56, 76, 90, 16},
    {ControlSpec::List, kComboBox2, nullptr, 150, 72, 150, 24},
    {ControlSpec::Label, 94, "Color:", 56, 108, 90, 16},
    {ControlSpec::Button, kButton1, "Select...", 216, 103, 82, 25},
    {ControlSpec::Label, 95, "Font:", 56, 140, 90, 16},
    {ControlSpec::Button, kButton2, "Select...", 216, 135, 82, 25},
    {ControlSpec::Label, 96, "Hot Track Font:", 56, 172, 90, 16},
    {ControlSpec::Button, kButton3, "Select...", 216, 167, 82, 25},
    {ControlSpec::Check, kCheckBox1, "Transparent", 150, 196, 150, 20},
    {ControlSpec::Swatch, kPanel1, nullptr, 150, 104, 60, 23},
    {ControlSpec::FontSample, kPanel2, nullptr, 150, 136, 60, 23},
    {ControlSpec::FontSample, kPanel3, nullptr, 150, 168, 60, 23},
    {ControlSpec::OkButton, 0, "OK", 246, 218, 80, 26},
    {ControlSpec::CancelButton, 0, "Cancel", 332, 218, 80, 26},
};
}  // namespace label

namespace button {
enum : int {
  kEdit1 = 101,
  kComboBox1,
  kPanel2,
  kButton2,
  kButton6,
  kEdit2,
  kButton1,
  kEdit3,
  kButton3,
  kSpinEdit1,
  kSpinEdit2,
  kCheckBox1,
  kCheckBox2,
  kPanel1
};
constexpr ControlSpec kControls[] = {
    {ControlSpec::Picture, 90, nullptr, 8, 8, 32, 32},
    {ControlSpec::Label, 91, "Caption:", 56, 12, 100, 16},
    {ControlSpec::Edit, kEdit1, nullptr, 160, 8, 278, 23},
    {ControlSpec::Label, 92, "Layout:", 56, 44, 100, 16},
    {ControlSpec::List, kComboBox1, nullptr, 160, 40, 150, 24},
    {ControlSpec::Label, 93, "Font:", 56, 76, 100, 16},
    {ControlSpec::FontSample, kPanel2, nullptr, 160, 72, 60, 23},
    {ControlSpec::Button, kButton2, "Select...", 226, 71, 82, 25},
    {ControlSpec::Label, 94, "Hot Track Font:", 56, 108, 100, 16},
    {ControlSpec::FontSample, kPanel1, nullptr, 160, 104, 60, 23},
    {ControlSpec::Button, kButton6, "Select...", 226, 103, 82, 25},
    {ControlSpec::Label, 95, "Bitmap:", 56, 140, 100, 16},
    {ControlSpec::Edit, kEdit2, nullptr, 160, 136, 190, 23},
    {ControlSpec::Button, kButton1, "Select...", 356, 135, 82, 25},
    {ControlSpec::Label, 96, "Hot Track Bitmap:", 56, 172, 100, 16},
    {ControlSpec::Edit, kEdit3, nullptr, 160, 168, 190, 23},
    {ControlSpec::Button, kButton3, "Select...", 356, 167, 82, 25},
    {ControlSpec::Label, 97, "Margin:", 56, 204, 100, 16},
    {ControlSpec::Spin, kSpinEdit1, nullptr, 160, 200, 80, 23},
    {ControlSpec::Label, 98, "Spacing:", 252, 204, 60, 16},
    {ControlSpec::Spin, kSpinEdit2, nullptr, 316, 200, 80, 23},
    {ControlSpec::Check, kCheckBox1, "Flat", 160, 228, 70, 20},
    {ControlSpec::Check, kCheckBox2, "Transparent", 240, 228, 110, 20},
    {ControlSpec::OkButton, 0, "OK", 272, 250, 80, 26},
    {ControlSpec::CancelButton, 0, "Cancel", 358, 250, 80, 26},
};
}  // namespace button

namespace image {
enum : int { kComboBox1 = 101, kEdit1, kButton3, kEdit2, kButton4, kCheckBox1 };
constexpr ControlSpec kControls[] = {
    {ControlSpec::Picture, 90, nullptr, 8, 8, 32, 32},
    {ControlSpec::Label, 91, "Display Style:", 56, 12, 140, 16},
    {ControlSpec::List, kComboBox1, nullptr, 200, 8, 150, 24},
    {ControlSpec::Label, 92, "Image File:", 56, 44, 140, 16},
    {ControlSpec::Edit, kEdit1, nullptr, 200, 40, 190, 23},
    {ControlSpec::Button, kButton3, "Select...", 396, 39, 82, 25},
    {ControlSpec::Label, 93, "Hot Track Image File:", 56, 76, 140, 16},
    {ControlSpec::Edit, kEdit2, nullptr, 200, 72, 190, 23},
    {ControlSpec::Button, kButton4, "Select...", 396, 71, 82, 25},
    {ControlSpec::Check, kCheckBox1, "Transparent", 200, 102, 150, 20},
    {ControlSpec::OkButton, 0, "OK", 312, 130, 80, 26},
    {ControlSpec::CancelButton, 0, "Cancel", 398, 130, 80, 26},
};
}  // namespace image

}  // namespace

TLabelPropertyForm::TLabelPropertyForm()
    : PropertyDialog(kLabelPropertyFormLayout, label::kControls, kAddLabelPicture) {}

dialogs::DialogFlags TLabelPropertyForm::Run(dialogs::LabelFields& f) {
  using namespace label;
  FillList(kComboBox1, dialogs::kAlignmentItems);
  FillList(kComboBox2, dialogs::kLabelLayoutItems);
  SetText(kEdit1, f.Edit1);
  SetListIndex(kComboBox1, f.ComboBox1);
  SetListIndex(kComboBox2, f.ComboBox2);
  SetSwatchColor(kPanel1, f.Panel1);
  SetSampleFont(kPanel2, f.Panel2);
  SetSampleFont(kPanel3, f.Panel3);
  SetChecked(kCheckBox1, f.CheckBox1);
  const dialogs::DialogFlags flags = RunModal();
  f.Edit1 = Text(kEdit1);
  f.ComboBox1 = ListIndex(kComboBox1);
  f.ComboBox2 = ListIndex(kComboBox2);
  f.Panel1 = SwatchColor(kPanel1);
  f.Panel2 = SampleFont(kPanel2);
  f.Panel3 = SampleFont(kPanel3);
  f.CheckBox1 = Checked(kCheckBox1);
  return flags;
}

void TLabelPropertyForm::OnClick(int id) {
  using namespace label;
  switch (id) {
    case kButton1:
    case kPanel1:
      PickColor(kPanel1);
      break;
    case kButton2:
    case kPanel2:
      PickFont(kPanel2);
      break;
    case kButton3:
    case kPanel3:
      PickFont(kPanel3);
      break;
    default:
      break;
  }
}

TButtonPropertyForm::TButtonPropertyForm()
    : PropertyDialog(kButtonPropertyFormLayout, button::kControls, kAddButtonPicture) {}

dialogs::DialogFlags TButtonPropertyForm::Run(dialogs::ButtonFields& f) {
  using namespace button;
  FillList(kComboBox1, dialogs::kButtonLayoutItems);
  SetText(kEdit1, f.Edit1);
  SetListIndex(kComboBox1, f.ComboBox1);
  SetSampleFont(kPanel2, f.Panel2);
  SetSampleFont(kPanel1, f.Panel1);
  SetText(kEdit2, f.Edit2);
  SetText(kEdit3, f.Edit3);
  SetSpinValue(kSpinEdit1, f.SpinEdit1);
  SetSpinValue(kSpinEdit2, f.SpinEdit2);
  SetChecked(kCheckBox1, f.CheckBox1);
  SetChecked(kCheckBox2, f.CheckBox2);
  const dialogs::DialogFlags flags = RunModal();
  f.Edit1 = Text(kEdit1);
  f.ComboBox1 = ListIndex(kComboBox1);
  f.Panel2 = SampleFont(kPanel2);
  f.Panel1 = SampleFont(kPanel1);
  f.Edit2 = Text(kEdit2);
  f.Edit3 = Text(kEdit3);
  f.SpinEdit1 = SpinValue(kSpinEdit1);
  f.SpinEdit2 = SpinValue(kSpinEdit2);
  f.CheckBox1 = Checked(kCheckBox1);
  f.CheckBox2 = Checked(kCheckBox2);
  return flags;
}

void TButtonPropertyForm::OnClick(int id) {
  using namespace button;
  switch (id) {
    case kButton2:
    case kPanel2:
      PickFont(kPanel2);
      break;
    case kButton6:
    case kPanel1:
      PickFont(kPanel1);
      break;
    case kButton1:
      PickFile(kEdit2, kBitmaps, dialogs::RefusalStyle::Plain);
      break;
    case kButton3:
      PickFile(kEdit3, kBitmaps, dialogs::RefusalStyle::Plain);
      break;
    default:
      break;
  }
}

TImagePropertyForm::TImagePropertyForm()
    : PropertyDialog(kImagePropertyFormLayout, image::kControls, kAddImagePicture) {}

dialogs::DialogFlags TImagePropertyForm::Run(dialogs::ImageFields& f) {
  using namespace image;
  FillList(kComboBox1, dialogs::kDisplayStyleItems);
  SetListIndex(kComboBox1, f.ComboBox1);
  SetText(kEdit1, f.Edit1);
  SetText(kEdit2, f.Edit2);
  SetChecked(kCheckBox1, f.CheckBox1);
  const dialogs::DialogFlags flags = RunModal();
  f.ComboBox1 = ListIndex(kComboBox1);
  f.Edit1 = Text(kEdit1);
  f.Edit2 = Text(kEdit2);
  f.CheckBox1 = Checked(kCheckBox1);
  return flags;
}

void TImagePropertyForm::OnClick(int id) {
  using namespace image;
  if (id == kButton3) PickFile(kEdit1, kPictures, dialogs::RefusalStyle::Plain);
  if (id == kButton4) PickFile(kEdit2, kPictures, dialogs::RefusalStyle::Plain);
}
