// "Form Properties": fill and write-back of the project, its window and its outer panel.
#include "dialogs/form_properties_model.h"

#include "dialogs/cd_file_picker.h"
#include "ui/form.h"
#include "ui/panel.h"

namespace dialogs {

const std::array<const char*, 9> kGradientStyleItems = {
    "TopBottom",   "BottomTop",      "LeftRight", "RightLeft", "FromCenter",
    "FromTopLeft", "FromBottomLeft", "Radial",    "None",
};
const std::array<const char*, 6> kBorderStyleItems = {
    "None", "FixSingle", "Sizeable", "Dialog", "ToolWindow", "SizeToolWin",
};
const std::array<const char*, 2> kPositionItems = {"Screen Center", "Designed"};
const std::array<const char*, 2> kPanelBorderItems = {"None", "Single"};
const std::array<const char*, 4> kBevelItems = {"None", "Lowered", "Raised", "Space"};

bool ExecuteFormProperties(ModalView<FormFields>& view, core::AutoFormType* project) {
  if (project == nullptr || project->Window == nullptr || project->Panel == nullptr) return false;
  ui::Form& window = *project->Window;
  ui::Panel& panel = *project->Panel;

  FormFields fields;
  fields.Edit4 = window.Caption();
  fields.Edit1 = project->IconFile;
  fields.Edit2 = project->StartSoundFile;
  fields.Panel2 = project->BackColor;
  fields.ComboBox1 = project->GradientStyle;
  fields.Panel1 = project->GradientColor;
  fields.ComboBox2 = window.BorderStyle();
  // The list offers two places only; any stored position but Designed shows as centred.
  fields.ComboBox3 = window.Position() == ui::kPositionDesigned ? 1 : 0;
  fields.Panel3 = window.TransparentColorValue();
  fields.CheckBox1 = window.TransparentColor();
  fields.ComboBox4 = panel.BorderStyle;
  fields.SpinEdit1 = panel.BorderWidth;
  fields.ComboBox5 = panel.BevelInner;
  fields.ComboBox6 = panel.BevelOuter;
  fields.SpinEdit2 = panel.BevelWidth;

  if (!view.Run(fields).Applies()) return false;

  window.SetCaption(fields.Edit4);
  project->IconFile = NormalizePath(fields.Edit1);
  project->StartSoundFile = NormalizePath(fields.Edit2);
  project->BackColor = fields.Panel2;
  project->GradientStyle = static_cast<uint8_t>(fields.ComboBox1);
  project->GradientColor = fields.Panel1;
  window.SetBorderStyle(static_cast<uint8_t>(fields.ComboBox2));
  window.SetPosition(fields.ComboBox3 == 1 ? ui::kPositionDesigned : ui::kPositionScreenCenter);
  window.SetTransparentColorValue(fields.Panel3);
  window.SetTransparentColor(fields.CheckBox1);
  panel.BorderStyle = static_cast<uint8_t>(fields.ComboBox4);
  panel.BorderWidth = fields.SpinEdit1;
  panel.BevelInner = static_cast<uint8_t>(fields.ComboBox5);
  panel.BevelOuter = static_cast<uint8_t>(fields.ComboBox6);
  panel.BevelWidth = fields.SpinEdit2;
  return true;
}

}  // namespace dialogs
