// Carries out a batch request (see batch_arguments.h) with no window and no message box: what it
// has to say goes to the console the program was started from and, with /out, to a file.
#pragma once

#include <string>
#include <vector>

#include "app/batch_arguments.h"

namespace app {

// The program's arguments after its own name, in UTF-8: the wide command line Windows keeps,
// converted once, so that a folder named in any language arrives as it was typed (the ANSI one
// has "?" for what the code page lacks).
std::vector<std::string> CommandLineArguments();

// The program's exit code.
int RunBatch(const BatchRequest& request, const std::string& exe_path);

}  // namespace app
