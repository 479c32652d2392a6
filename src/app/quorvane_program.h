// The running program: the desktop services, the process-wide state and every window of the
// chosen run mode, created in their fixed order and destroyed together at the end.
#pragma once

#include <memory>
#include <string>
#include <vector>

#include "core/app_state.h"
#include "designer/property_dialogs.h"
#include "designer/win32/edit_form.h"
#include "designer/win32/main_form.h"
#include "dialogs/win32/form_property_form.h"
#include "dialogs/win32/grid_size_form.h"
#include "dialogs/win32/link_form.h"
#include "dialogs/win32/object_property_forms.h"
#include "dialogs/win32/position_size_form.h"
#include "player/win32/autorun_form.h"
#include "ui/win32/common_dialogs.h"
#include "ui/win32/win32_platform.h"

// The designer's dialogs, created once at start-up, as the canvas's commands open them.
struct DesignerDialogs : designer::PropertyDialogs {
  DesignerDialogs() {
    LabelPropertyForm.UseLinkEditor(LinkForm);
    ButtonPropertyForm.UseLinkEditor(LinkForm);
    ImagePropertyForm.UseLinkEditor(LinkForm);
  }
  bool EditLink(core::TCommand& link) override { return LinkForm.Execute(&link); }
  bool EditLinks(SelectedObjects objects) override { return LinkForm.Execute(objects); }
  bool EditLabel(core::AutoObjectType& o) override { return LabelPropertyForm.Execute(&o); }
  bool EditButton(core::AutoObjectType& o) override { return ButtonPropertyForm.Execute(&o); }
  bool EditImage(core::AutoObjectType& o) override { return ImagePropertyForm.Execute(&o); }
  bool EditForm(core::AutoFormType& project) override { return FormPropertyForm.Execute(&project); }
  bool EditSeveral(SelectedObjects objects) override {
    switch (objects.front()->Kind) {
      case core::kKindLabel:
        return LabelPropertyForm.Execute(objects);
      case core::kKindButton:
        return ButtonPropertyForm.Execute(objects);
      default:
        return ImagePropertyForm.Execute(objects);
    }
  }
  bool ChooseFont(ui::Font& font) override;
  bool EditGridSize(int32_t& size) override { return GridSizeForm.Execute(size); }
  bool EditPositionAndSize(core::AutoFormType& project, ui::Point last, ui::Size& client) override {
    return PositionSizeForm.Execute(project, last, client);
  }

  TLinkForm LinkForm;
  TLabelPropertyForm LabelPropertyForm;
  TButtonPropertyForm ButtonPropertyForm;
  TImagePropertyForm ImagePropertyForm;
  TFormPropertyForm FormPropertyForm;
  ui::win32::FontDialog FontDialog;  // of "Font..." and "Hot Track Font..."
  TGridSizeForm GridSizeForm;
  TPositionSizeForm PositionSizeForm;
};

class QuorvaneProgram {
 public:
  explicit QuorvaneProgram(const std::string& exe_path);
  // Creates the windows of the run mode and runs the message loop; returns the exit code.
  int Run();

 private:
  bool CreateDesignerWindows();
  bool CreatePlayerWindow();

  ui::win32::Win32Platform platform_;
  TAutoRunForm AutoRunForm;
  core::AppState state_;
  std::unique_ptr<TMainForm> MainForm;
  std::unique_ptr<TEditForm> EditForm;
  std::unique_ptr<DesignerDialogs> dialogs_;
};
