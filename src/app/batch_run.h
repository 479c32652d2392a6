// Carries out a batch request (see batch_arguments.h) with no window and no message box: what it
// has to say goes to the console the program was started from and, with /out, to a file.
#pragma once

#include <string>

#include "app/batch_arguments.h"

namespace app {

// The program's exit code.
int RunBatch(const BatchRequest& request, const std::string& exe_path);

}  // namespace app
