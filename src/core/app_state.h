// The process-wide state: one project, the CD folder and the facts of start-up. The program has
// exactly one; tests make their own. Whether the design has unsaved changes is the designer's
// to decide: it alone knows the design as last opened or saved.
#pragma once

#include <string>

#include "core/presentation.h"
#include "core/project_model.h"
#include "ui/platform.h"

namespace core {

struct AppState {
  AppState(ui::Platform& platform, Presentation& presentation)
      : platform(platform), presentation(presentation) {}

  AutoFormType Project;
  std::string CDFolder;  // no trailing backslash; empty when none is chosen
  bool DesignMode = false;
  std::string ExePath;
  std::string ProjectFilePath;  // play mode only
  std::string DesignerFolder;   // design mode only

  ui::Platform& platform;
  Presentation& presentation;
};

}  // namespace core
