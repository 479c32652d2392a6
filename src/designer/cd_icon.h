// The CD icon the disc will carry: the CD folder's AutoRun.ico, replaced by a file the author
// picks.
#pragma once

#include <string>

#include "core/app_state.h"

namespace designer {

enum class CdIconChange { Unchanged, Replaced, Failed };

// The full path of the CD folder's icon file.
std::string CdIconPath(const core::AppState& app);

// Copies `chosen` over the CD folder's icon. Choosing the icon file itself (compared in upper
// case) changes nothing; a failed copy shows "IO Error".
CdIconChange ReplaceCdIcon(core::AppState& app, const std::string& chosen);

}  // namespace designer
