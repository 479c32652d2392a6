// Start-up: run mode, folders, windows in their order, the presentation window bound to the
// project, and the message loop.
#include "quorvane_program.h"

#include <commctrl.h>

#include "core/product_names.h"
#include "core/startup.h"
#include "ui/color.h"
#include "ui/win32/application.h"
#include "ui/win32/modal_loop.h"
#include "ui/win32/shell.h"

bool DesignerDialogs::ChooseFont(ui::Font& font) {
  HWND owner = ui::win32::Application::MainWindow();
  const ui::win32::ModalScope modal(owner);
  return FontDialog.Choose(owner, font);
}

QuorvaneProgram::QuorvaneProgram(const std::string& exe_path) : state_(platform_, AutoRunForm) {
  core::ResolveStartup(state_, exe_path);
  AutoRunForm.Bind(state_);
}

bool QuorvaneProgram::CreateDesignerWindows() {
  // The designer's tool bar, spin edits, dialogs and the disc commands' list and progress bar;
  // the player uses none of these, and starts without loading the common controls, COM or the
  // shell.
  INITCOMMONCONTROLSEX controls{sizeof controls, ICC_BAR_CLASSES | ICC_UPDOWN_CLASS |
                                                     ICC_STANDARD_CLASSES | ICC_LISTVIEW_CLASSES |
                                                     ICC_PROGRESS_CLASS};
  ::InitCommonControlsEx(&controls);
  ui::win32::UseComOnThisThread();
  ui::win32::Application::SetTitle(core::kProductName);
  MainForm = std::make_unique<TMainForm>(state_, AutoRunForm);
  if (!MainForm->Create()) return false;
  ui::win32::Application::SetMainWindow(MainForm->Handle());
  EditForm = std::make_unique<TEditForm>(state_, AutoRunForm, *MainForm);
  if (!EditForm->Create()) return false;
  MainForm->SetCanvas(*EditForm);
  if (!AutoRunForm.Create()) return false;
  dialogs_ = std::make_unique<DesignerDialogs>();
  for (PropertyDialog* dialog : std::initializer_list<PropertyDialog*>{
           &dialogs_->LinkForm, &dialogs_->LabelPropertyForm, &dialogs_->ButtonPropertyForm,
           &dialogs_->ImagePropertyForm, &dialogs_->FormPropertyForm, &dialogs_->PositionSizeForm,
           &dialogs_->GridSizeForm.Dialog()}) {
    dialog->Bind(state_);
    dialog->OpenOver(MainForm->Handle(), EditForm->Handle());
    if (!dialog->Create(platform_.ScreenSize())) return false;
  }
  EditForm->SetDialogs(*dialogs_);
  return true;
}

bool QuorvaneProgram::CreatePlayerWindow() {
  if (!AutoRunForm.Create()) return false;
  ui::win32::Application::SetMainWindow(AutoRunForm.Handle());
  return true;
}

int QuorvaneProgram::Run() {
  const bool created = state_.DesignMode ? CreateDesignerWindows() : CreatePlayerWindow();
  if (!created) {
    ui::win32::ReportUnhandledError("The program's windows could not be created.");
    return 1;
  }

  AutoRunForm.Panel1.Color = ui::kColorSilver;
  state_.Project.Window = &AutoRunForm.WindowProperties();
  state_.Project.Panel = &AutoRunForm.Panel;
  state_.Project.BackColor = AutoRunForm.Panel1.Color;

  if (state_.DesignMode) {
    MainForm->ShowAtStartUp();
  } else {
    AutoRunForm.Show(SW_SHOWNORMAL);
  }
  return ui::win32::Application::Run();
}
