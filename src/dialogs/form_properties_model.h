// "Form Properties": the presentation window's caption, icon, start sound, colours, gradient,
// border, position, transparency and its outer panel's border and bevels.
#pragma once

#include <array>
#include <string>

#include "core/project_model.h"
#include "dialogs/modal_view.h"
#include "dialogs/number_field.h"
#include "ui/color.h"

namespace dialogs {

// In the order of the stored codes (core::GradientStyleCode).
extern const std::array<const char*, core::kGradientStyleCount> kGradientStyleItems;
extern const std::array<const char*, 6> kBorderStyleItems;
extern const std::array<const char*, 2> kPositionItems;
extern const std::array<const char*, 2> kPanelBorderItems;
extern const std::array<const char*, 4> kBevelItems;

// The panel's widths: wide enough for any design, small enough to stay a number the author meant.
inline constexpr NumberField kBorderWidthField{"Border Width", 0, 1000};
inline constexpr NumberField kBevelWidthField{"Bevel Width", 0, 1000};

// The window's caption, border, position and transparency, the project's files, colours and
// gradient, and the outer panel's border and bevels.
struct FormFields {
  std::string Caption;
  std::string IconFile;
  std::string StartSoundFile;
  ui::Color BackColor = 0;
  int GradientStyle = 0;
  ui::Color GradientColor = 0;
  int BorderStyle = 0;
  int Position = 0;  // item of the list: 0 "Screen Center" (code 4), 1 "Designed" (code 0)
  ui::Color TransparentColorValue = 0;
  bool TransparentColor = false;
  int PanelBorderStyle = 0;
  int BorderWidth = 0;
  int BevelInner = 0;
  int BevelOuter = 0;
  int BevelWidth = 0;
};

// Edits the project, its window (Project.Window) and outer panel (Project.Panel) in place; true
// when values were written back.
bool ExecuteFormProperties(ModalView<FormFields>& view, core::AutoFormType* project);

}  // namespace dialogs
