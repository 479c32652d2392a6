// The grid size dialog's table and run.
#include "dialogs/win32/grid_size_form.h"

#include "core/settings_file.h"

namespace {

constexpr dialogs::NumberField kGridSizeField{"Grid Size", core::kMinGridSize, core::kMaxGridSize};
enum : int16_t { kGridSizeLabel = 91 };

struct GridSizeFields {
  int GridSize = 0;
};

constexpr FieldRow<GridSizeFields> kControls[] = {
    {ControlSpec::Label, kGridSizeLabel, "Grid Size:", 12, 16, 80, 16},
    {ControlSpec::Spin, 101, nullptr, 96, 12, 80, 23, &GridSizeFields::GridSize, kGridSizeField},
    {ControlSpec::OkButton, 0, "OK", 12, 48, 80, 26},
    {ControlSpec::CancelButton, 0, "Cancel", 96, 48, 80, 26},
};

}  // namespace

TGridSizeForm::TGridSizeForm() : dialog_(kGridSizeFormLayout, kControls, 0) {}

bool TGridSizeForm::Execute(int32_t& size) {
  GridSizeFields fields{size};
  if (!dialog_.RunBound<GridSizeFields>(kControls, fields).Applies()) return false;
  size = fields.GridSize;
  return true;
}
