// The running program: the desktop services, the process-wide state and every window of the
// chosen run mode, created in their fixed order and destroyed together at the end.
#pragma once

#include <memory>
#include <string>
#include <vector>

#include "core/app_state.h"
#include "designer/win32/edit_form.h"
#include "designer/win32/main_form.h"
#include "dialogs/win32/dialog_form.h"
#include "player/win32/autorun_form.h"
#include "player/win32/gradient_form.h"
#include "ui/win32/win32_platform.h"

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
  std::vector<std::unique_ptr<DialogForm>> dialogs_;
  TGradientForm GradientForm;
};
