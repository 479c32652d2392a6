// The run mode follows from nothing but the executable's own file name: the player is the same
// program copied into the CD folder as AutoRun.exe.
#pragma once

#include <string>

#include "core/product_names.h"

namespace core {

enum class RunMode { Play, Design };

RunMode RunModeForExecutable(const std::string& exe_path);

}  // namespace core
