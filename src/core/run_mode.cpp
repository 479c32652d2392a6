// Run-mode choice: the file name compared upper-cased (ASCII letters only) with AUTORUN.EXE.
#include "core/run_mode.h"

#include "core/paths.h"

namespace core {

RunMode RunModeForExecutable(const std::string& exe_path) {
  return UpperAscii(FileNamePart(exe_path)) == UpperAscii(kPlayerFileName) ? RunMode::Play
                                                                           : RunMode::Design;
}

}  // namespace core
