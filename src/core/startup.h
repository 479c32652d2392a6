// The start-up facts that follow from the executable's path: the run mode, the CD folder and,
// by mode, the project file path or the designer's folder.
#pragma once

#include <string>

#include "core/app_state.h"

namespace core {

// Fills ExePath, DesignMode, CDFolder, ProjectFilePath and DesignerFolder. In design mode the
// CD folder comes from the settings file beside the executable, else from a CDROM folder there.
void ResolveStartup(AppState& app, const std::string& exe_path);

}  // namespace core
