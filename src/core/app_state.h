// The process-wide state: one project, the CD folder, the unsaved-changes flag and the facts of
// start-up. The program has exactly one; tests make their own.
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
  bool Modified = false;
  bool DesignMode = false;
  std::string ExePath;
  std::string ProjectFilePath;  // play mode only
  std::string DesignerFolder;   // design mode only

  ui::Platform& platform;
  Presentation& presentation;
};

}  // namespace core
