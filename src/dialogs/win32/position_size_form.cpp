// The Position and Size dialog's window. Its fields are edits rather than spin edits, because a
// blank one is an answer here ("leave each object's own value"), checked on OK by this dialog.
#include "dialogs/win32/position_size_form.h"

#include "ui/win32/resource_ids.h"

namespace {

enum : int { kLeft = 101, kTop, kWidth, kHeight };
enum : int16_t { kLeftLabel = 91, kTopLabel, kWidthLabel, kHeightLabel };

const DialogLayout kPositionSizeFormLayout{L"TPositionSizeForm", "Position and Size", {236, 168}};

using F = dialogs::PositionSizeFields;
constexpr FieldRow<F> kControls[] = {
    {ControlSpec::Picture, kDialogPicture, nullptr, 8, 8, 32, 32},
    {ControlSpec::Label, kLeftLabel, "Left:", 56, 12, 60, 16},
    {ControlSpec::Edit, kLeft, nullptr, 120, 8, 108, 23, &F::Left},
    {ControlSpec::Label, kTopLabel, "Top:", 56, 42, 60, 16},
    {ControlSpec::Edit, kTop, nullptr, 120, 38, 108, 23, &F::Top},
    {ControlSpec::Label, kWidthLabel, "Width:", 56, 72, 60, 16},
    {ControlSpec::Edit, kWidth, nullptr, 120, 68, 108, 23, &F::Width},
    {ControlSpec::Label, kHeightLabel, "Height:", 56, 102, 60, 16},
    {ControlSpec::Edit, kHeight, nullptr, 120, 98, 108, 23, &F::Height},
    {ControlSpec::OkButton, 0, "OK", 60, 134, 80, 26},
    {ControlSpec::CancelButton, 0, "Cancel", 148, 134, 80, 26},
};

}  // namespace

TPositionSizeForm::TPositionSizeForm()
    : PropertyDialog(kPositionSizeFormLayout, kControls, ui::win32::kPictureMakeSameSize) {}

dialogs::DialogFlags TPositionSizeForm::Run(dialogs::PositionSizeFields& fields) {
  fields_ = &fields;
  const dialogs::DialogFlags flags = RunBound(kControls, fields);
  fields_ = nullptr;
  return flags;
}

void TPositionSizeForm::OnFilled() {
  // The design window's place is the author's own; only its client size is edited here.
  const bool objects = fields_ != nullptr && fields_->ObjectsSelected;
  Enable(kLeft, objects);
  Enable(kTop, objects);
}

bool TPositionSizeForm::EntriesReadable() {
  if (fields_ == nullptr) return true;
  for (int id = kLeft; id <= kHeight; ++id) {
    const auto i = static_cast<size_t>(id - kLeft);
    const dialogs::NumberField& range = fields_->Ranges[i];
    const dialogs::FieldEntry entry = dialogs::ReadEntry(range, Text(id), fields_->Filled[i]);
    if (entry.blank || entry.number) continue;
    RefuseNumber(id, range);
    return false;
  }
  return true;
}

LRESULT TPositionSizeForm::HandleMessage(UINT message, WPARAM wparam, LPARAM lparam) {
  // OK (or Enter) goes on only with fields it can take.
  if (message == WM_COMMAND && LOWORD(wparam) == IDOK && HIWORD(wparam) == BN_CLICKED &&
      !EntriesReadable()) {
    return 0;
  }
  return PropertyDialog::HandleMessage(message, wparam, lparam);
}
