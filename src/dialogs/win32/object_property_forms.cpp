// The object dialogs' windows: their controls and the fields they edit.
#include "dialogs/win32/object_property_forms.h"

namespace {

constexpr char kBitmaps[] =
    "Bitmaps (*.bmp)|*.bmp|PNG Image File (*.png)|*.png|GIF Image File (*.gif)|*.gif";
constexpr char kPictures[] =
    "All (*.jpg;*.jpeg;*.bmp;*.ico;*.emf;*.wmf;*.png;*.gif)|"
    "*.jpg;*.jpeg;*.bmp;*.ico;*.emf;*.wmf;*.png;*.gif|"
    "JPEG Image File (*.jpg)|*.jpg|JPEG Image File (*.jpeg)|*.jpeg|Bitmaps (*.bmp)|*.bmp|"
    "Icons (*.ico)|*.ico|Enhanced Metafiles (*.emf)|*.emf|Metafiles (*.wmf)|*.wmf|"
    "PNG Image File (*.png)|*.png|GIF Image File (*.gif)|*.gif";

// "Link...", in each table left of OK.
constexpr int16_t kLinkButton = 120;

namespace label {
enum : int16_t {
  kCaptionLabel = 91,
  kAlignmentLabel,
  kLayoutLabel,
  kColorLabel,
  kFontLabel,
  kHotFontLabel
};
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
using F = dialogs::LabelFields;
constexpr FieldRow<F> kControls[] = {
    {ControlSpec::Picture, kDialogPicture, nullptr, 8, 8, 32, 32},
    {ControlSpec::Label, kCaptionLabel, "Caption:", 56, 12, 90, 16},
    {ControlSpec::Edit, kEdit1, nullptr, 150, 8, 262, 23, &F::Caption},
    {ControlSpec::Label, kAlignmentLabel, "Alignment:", 56, 44, 90, 16},
    {ControlSpec::List, kComboBox1, nullptr, 150, 40, 150, 24, &F::Alignment,
     dialogs::kAlignmentItems},
    {ControlSpec::Label, kLayoutLabel, "Layout", 56, 76, 90, 16},
    {ControlSpec::List, kComboBox2, nullptr, 150, 72, 150, 24, &F::Layout,
     dialogs::kLabelLayoutItems},
    {ControlSpec::Label, kColorLabel, "Color:", 56, 108, 90, 16},
    {ControlSpec::Button, kButton1, "Select...", 216, 103, 82, 25, kPanel1},
    {ControlSpec::Label, kFontLabel, "Font:", 56, 140, 90, 16},
    {ControlSpec::Button, kButton2, "Select...", 216, 135, 82, 25, kPanel2},
    {ControlSpec::Label, kHotFontLabel, "Hot Track Font:", 56, 172, 90, 16},
    {ControlSpec::Button, kButton3, "Select...", 216, 167, 82, 25, kPanel3},
    {ControlSpec::Check, kCheckBox1, "Transparent", 150, 196, 150, 20, &F::Transparent},
    {ControlSpec::Swatch, kPanel1, nullptr, 150, 104, 60, 23, &F::Color},
    {ControlSpec::FontSample, kPanel2, nullptr, 150, 136, 60, 23, &F::Font},
    {ControlSpec::FontSample, kPanel3, nullptr, 150, 168, 60, 23, &F::HotFont},
    {ControlSpec::Button, kLinkButton, "Link...", 56, 218, 82, 26},
    {ControlSpec::OkButton, 0, "OK", 246, 218, 80, 26},
    {ControlSpec::CancelButton, 0, "Cancel", 332, 218, 80, 26},
};
}  // namespace label

namespace button {
enum : int16_t {
  kCaptionLabel = 91,
  kLayoutLabel,
  kFontLabel,
  kHotFontLabel,
  kGlyphLabel,
  kHotGlyphLabel,
  kMarginLabel,
  kSpacingLabel
};
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
using F = dialogs::ButtonFields;
// The label column is as wide as the other dialogs' (116): "Hot Track Bitmap:" needs 93 pixels in
// Tahoma and 102 in DejaVu Sans, and a static control wraps a caption it cannot fit.
constexpr FieldRow<F> kControls[] = {
    {ControlSpec::Picture, kDialogPicture, nullptr, 8, 8, 32, 32},
    {ControlSpec::Label, kCaptionLabel, "Caption:", 56, 12, 116, 16},
    {ControlSpec::Edit, kEdit1, nullptr, 176, 8, 262, 23, &F::Caption},
    {ControlSpec::Label, kLayoutLabel, "Layout:", 56, 44, 116, 16},
    {ControlSpec::List, kComboBox1, nullptr, 176, 40, 150, 24, &F::Layout,
     dialogs::kButtonLayoutItems},
    {ControlSpec::Label, kFontLabel, "Font:", 56, 76, 116, 16},
    {ControlSpec::FontSample, kPanel2, nullptr, 176, 72, 60, 23, &F::Font},
    {ControlSpec::Button, kButton2, "Select...", 242, 71, 82, 25, kPanel2},
    {ControlSpec::Label, kHotFontLabel, "Hot Track Font:", 56, 108, 116, 16},
    {ControlSpec::FontSample, kPanel1, nullptr, 176, 104, 60, 23, &F::HotFont},
    {ControlSpec::Button, kButton6, "Select...", 242, 103, 82, 25, kPanel1},
    {ControlSpec::Label, kGlyphLabel, "Bitmap:", 56, 140, 116, 16},
    {ControlSpec::Edit, kEdit2, nullptr, 176, 136, 174, 23, &F::GlyphFile},
    {ControlSpec::Button, kButton1, "Select...", 356, 135, 82, 25, kEdit2, kBitmaps},
    {ControlSpec::Label, kHotGlyphLabel, "Hot Track Bitmap:", 56, 172, 116, 16},
    {ControlSpec::Edit, kEdit3, nullptr, 176, 168, 174, 23, &F::HotGlyphFile},
    {ControlSpec::Button, kButton3, "Select...", 356, 167, 82, 25, kEdit3, kBitmaps},
    {ControlSpec::Label, kMarginLabel, "Margin:", 56, 204, 116, 16},
    {ControlSpec::Spin, kSpinEdit1, nullptr, 176, 200, 80, 23, &F::Margin, dialogs::kMarginField},
    {ControlSpec::Label, kSpacingLabel, "Spacing:", 270, 204, 56, 16},
    {ControlSpec::Spin, kSpinEdit2, nullptr, 330, 200, 80, 23, &F::Spacing, dialogs::kSpacingField},
    {ControlSpec::Check, kCheckBox1, "Flat", 176, 228, 70, 20, &F::Flat},
    {ControlSpec::Check, kCheckBox2, "Transparent", 256, 228, 110, 20, &F::Transparent},
    {ControlSpec::Button, kLinkButton, "Link...", 56, 250, 82, 26},
    {ControlSpec::OkButton, 0, "OK", 272, 250, 80, 26},
    {ControlSpec::CancelButton, 0, "Cancel", 358, 250, 80, 26},
};
}  // namespace button

namespace image {
enum : int16_t { kDisplayStyleLabel = 91, kImageFileLabel, kHotImageFileLabel };
enum : int { kComboBox1 = 101, kEdit1, kButton3, kEdit2, kButton4, kCheckBox1 };
using F = dialogs::ImageFields;
constexpr FieldRow<F> kControls[] = {
    {ControlSpec::Picture, kDialogPicture, nullptr, 8, 8, 32, 32},
    {ControlSpec::Label, kDisplayStyleLabel, "Display Style:", 56, 12, 140, 16},
    {ControlSpec::List, kComboBox1, nullptr, 200, 8, 150, 24, &F::DisplayStyle,
     dialogs::kDisplayStyleItems},
    {ControlSpec::Label, kImageFileLabel, "Image File:", 56, 44, 140, 16},
    {ControlSpec::Edit, kEdit1, nullptr, 200, 40, 190, 23, &F::ImageFile},
    {ControlSpec::Button, kButton3, "Select...", 396, 39, 82, 25, kEdit1, kPictures},
    {ControlSpec::Label, kHotImageFileLabel, "Hot Track Image File:", 56, 76, 140, 16},
    {ControlSpec::Edit, kEdit2, nullptr, 200, 72, 190, 23, &F::HotImageFile},
    {ControlSpec::Button, kButton4, "Select...", 396, 71, 82, 25, kEdit2, kPictures},
    {ControlSpec::Check, kCheckBox1, "Transparent", 200, 102, 150, 20, &F::Transparent},
    {ControlSpec::Button, kLinkButton, "Link...", 56, 130, 82, 26},
    {ControlSpec::OkButton, 0, "OK", 312, 130, 80, 26},
    {ControlSpec::CancelButton, 0, "Cancel", 398, 130, 80, 26},
};
}  // namespace image

}  // namespace

void ObjectPropertyDialog::OnClick(const ControlSpec& clicked) {
  if (clicked.id != kLinkButton) return PropertyDialog::OnClick(clicked);
  // A link edited here is one change of this dialog: its OK applies it, its Cancel drops it.
  if (links_ == nullptr || !links_->Edit()) return;
  MarkChanged();
  ::SetFocus(Item(IDOK));  // what comes next: Enter confirms the link with the rest
}

TLabelPropertyForm::TLabelPropertyForm()
    : ObjectPropertyDialog(kLabelPropertyFormLayout, label::kControls,
                           ui::win32::kPictureAddLabel) {}

dialogs::DialogFlags TLabelPropertyForm::Run(dialogs::LabelFields& fields) {
  return RunWithLinks<dialogs::LabelFields>(label::kControls, fields, Shared(), Links());
}

TButtonPropertyForm::TButtonPropertyForm()
    : ObjectPropertyDialog(kButtonPropertyFormLayout, button::kControls,
                           ui::win32::kPictureAddButton) {}

dialogs::DialogFlags TButtonPropertyForm::Run(dialogs::ButtonFields& fields) {
  return RunWithLinks<dialogs::ButtonFields>(button::kControls, fields, Shared(), Links());
}

TImagePropertyForm::TImagePropertyForm()
    : ObjectPropertyDialog(kImagePropertyFormLayout, image::kControls,
                           ui::win32::kPictureAddImage) {}

dialogs::DialogFlags TImagePropertyForm::Run(dialogs::ImageFields& fields) {
  return RunWithLinks<dialogs::ImageFields>(image::kControls, fields, Shared(), Links());
}
