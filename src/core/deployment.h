// Saving a design: the project file, the player (a copy of this program as AutoRun.exe), the CD
// icon, the AutoRun descriptor and the designer's settings, in that fixed order, turn the CD
// folder into a self-starting disc image.
#pragma once

#include <string>

#include "core/app_state.h"
#include "core/product_names.h"

namespace core {

inline constexpr char kAutorunInfContents[] =
    "[autorun]\r\nOPEN=AUTORUN.EXE\r\nICON=AUTORUN.ICO\r\n";

// Deploys into `folder` (no trailing backslash). Reports its own failures; an icon, descriptor
// or settings file that cannot be written goes to the general error handler and ends the save.
bool DeployToCDFolder(AppState& app, const std::string& folder);

// The player, the icon and the descriptor only, around a design that stays as it is (the command
// line's /deploy, which leaves the designer's settings as they are too).
bool DeployPlayerFiles(AppState& app, const std::string& folder);

}  // namespace core
