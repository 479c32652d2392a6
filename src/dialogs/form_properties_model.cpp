// "Form Properties": fill and write-back of the project, its window and its outer panel.
#include "dialogs/form_properties_model.h"

#include "dialogs/cd_file_picker.h"
#include "ui/form.h"
#include "ui/panel.h"

namespace dialogs {

const std::array<const char*, core::kGradientStyleCount> kGradientStyleItems = {
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
  fields.Caption = window.Caption();
  fields.IconFile = project->IconFile;
  fields.StartSoundFile = project->StartSoundFile;
  fields.BackColor = project->BackColor;
  fields.GradientStyle = project->GradientStyle;
  fields.GradientColor = project->GradientColor;
  fields.BorderStyle = window.BorderStyle();
  // The list offers two places only; any stored position but Designed shows as centred.
  fields.Position = window.Position() == ui::kPositionDesigned ? 1 : 0;
  fields.TransparentColorValue = window.TransparentColorValue();
  fields.TransparentColor = window.TransparentColor();
  fields.PanelBorderStyle = panel.BorderStyle;
  fields.BorderWidth = panel.BorderWidth;
  fields.BevelInner = panel.BevelInner;
  fields.BevelOuter = panel.BevelOuter;
  fields.BevelWidth = panel.BevelWidth;

  if (!view.Run(fields).Applies()) return false;

  window.SetCaption(fields.Caption);
  project->IconFile = NormalizePath(fields.IconFile);
  project->StartSoundFile = NormalizePath(fields.StartSoundFile);
  project->BackColor = fields.BackColor;
  project->GradientStyle = static_cast<uint8_t>(fields.GradientStyle);
  project->GradientColor = fields.GradientColor;
  window.SetBorderStyle(static_cast<uint8_t>(fields.BorderStyle));
  window.SetPosition(fields.Position == 1 ? ui::kPositionDesigned : ui::kPositionScreenCenter);
  window.SetTransparentColorValue(fields.TransparentColorValue);
  window.SetTransparentColor(fields.TransparentColor);
  panel.BorderStyle = static_cast<uint8_t>(fields.PanelBorderStyle);
  panel.BorderWidth = fields.BorderWidth;
  panel.BevelInner = static_cast<uint8_t>(fields.BevelInner);
  panel.BevelOuter = static_cast<uint8_t>(fields.BevelOuter);
  panel.BevelWidth = fields.BevelWidth;
  return true;
}

}  // namespace dialogs
