// The link editor's window.
#include "dialogs/win32/link_form.h"

namespace {

enum : int { kComboBox1 = 101, kEdit1, kSpeedButton1, kEdit2, kEdit3 };
enum : int16_t { kActionLabel = 91, kTargetLabel, kParametersLabel, kStartDirectoryLabel };

using F = dialogs::LinkFields;
constexpr FieldRow<F> kControls[] = {
    {ControlSpec::Picture, kDialogPicture, nullptr, 8, 8, 32, 32},
    {ControlSpec::Label, kActionLabel, "Action:", 56, 12, 116, 16},
    {ControlSpec::List, kComboBox1, nullptr, 176, 8, 360, 24, &F::Action,
     dialogs::kLinkActionItems},
    {ControlSpec::Label, kTargetLabel, "File, URL or Email:", 56, 44, 116, 16},
    {ControlSpec::Edit, kEdit1, nullptr, 176, 40, 318, 23, &F::Target},
    {ControlSpec::Browse, kSpeedButton1, "Browse", 500, 36, 36, 31},
    {ControlSpec::Label, kParametersLabel, "Parameter(s):", 56, 76, 116, 16},
    {ControlSpec::Edit, kEdit2, nullptr, 176, 72, 360, 23, &F::Parameters},
    {ControlSpec::Label, kStartDirectoryLabel, "Start Directory:", 56, 108, 116, 16},
    {ControlSpec::Edit, kEdit3, nullptr, 176, 104, 360, 23, &F::StartDirectory},
    {ControlSpec::OkButton, 0, "OK", 370, 136, 80, 26},
    {ControlSpec::CancelButton, 0, "Cancel", 456, 136, 80, 26},
};
constexpr char kAllFiles[] = "All Files(*.*)|*.*";

}  // namespace

TLinkForm::TLinkForm()
    : PropertyDialog(kLinkFormLayout, kControls, ui::win32::kPictureObjectLink) {}

dialogs::DialogFlags TLinkForm::Run(dialogs::LinkFields& fields) {
  return RunBound(kControls, fields, Shared());
}

void TLinkForm::ComboBox1Change() {
  const dialogs::LinkEnabling on =
      dialogs::EnablingForAction(ListIndex(kComboBox1), Unknown(kComboBox1));
  // A disabled edit keeps its text (written back on OK) and shows the button face.
  Enable(kEdit1, on.Target);
  Enable(kSpeedButton1, on.PickTarget);
  Enable(kEdit2, on.Parameters);
  Enable(kEdit3, on.StartDirectory);
}

void TLinkForm::OnFieldChanged(int id) {
  if (id == kComboBox1) ComboBox1Change();
}

void TLinkForm::OnClick(const ControlSpec& clicked) {
  if (clicked.id != kSpeedButton1) return;
  if (!PickFile(kEdit1, kAllFiles, dialogs::RefusalStyle::Information)) return;
  // The start directory follows the picked target's folder.
  SetText(kEdit3, dialogs::TargetFolder(Text(kEdit1)));
}
