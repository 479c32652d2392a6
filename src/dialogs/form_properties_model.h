// "Form Properties": the presentation window's caption, icon, start sound, colours, gradient,
// border, position, transparency and its outer panel's border and bevels.
#pragma once

#include <array>
#include <string>

#include "core/project_model.h"
#include "dialogs/modal_view.h"
#include "ui/color.h"

namespace dialogs {

extern const std::array<const char*, 9> kGradientStyleItems;
extern const std::array<const char*, 6> kBorderStyleItems;
extern const std::array<const char*, 2> kPositionItems;
extern const std::array<const char*, 2> kPanelBorderItems;
extern const std::array<const char*, 4> kBevelItems;

struct FormFields {
  std::string Edit4;       // caption
  std::string Edit1;       // icon file
  std::string Edit2;       // start sound file
  ui::Color Panel2 = 0;    // back colour
  int ComboBox1 = 0;       // gradient style
  ui::Color Panel1 = 0;    // gradient colour
  int ComboBox2 = 0;       // window border style
  int ComboBox3 = 0;       // position item: 0 "Screen Center" (code 4), 1 "Designed" (0)
  ui::Color Panel3 = 0;    // transparent colour value
  bool CheckBox1 = false;  // transparent
  int ComboBox4 = 0;       // panel border style
  int32_t SpinEdit1 = 0;   // panel border width
  int ComboBox5 = 0;       // panel inner bevel
  int ComboBox6 = 0;       // panel outer bevel
  int32_t SpinEdit2 = 0;   // panel bevel width
};

// Edits the project, its window (Project.Window) and outer panel (Project.Panel) in place; true
// when values were written back.
bool ExecuteFormProperties(ModalView<FormFields>& view, core::AutoFormType* project);

}  // namespace dialogs
