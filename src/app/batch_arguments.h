// The command line of a build pipeline: Quorvane.exe /check, /deploy or /image with a CD folder,
// run with no window and no message box. Splitting and reading the arguments is portable, so it
// is tested natively; src/app/batch_run.cpp takes the command line from Windows and carries the
// request out.
#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "core/disc_check.h"

namespace app {

enum class BatchCommand : unsigned char { None, Check, Deploy, Image, Wrong };

struct BatchRequest {
  BatchCommand command = BatchCommand::None;  // None: no batch command, the program runs as ever
  std::string folder;                         // the CD folder
  std::string image;                          // /image: the .iso file to write
  std::string label;                          // /label NAME; empty: from the menu's caption
  core::DiscMedium medium = core::DiscMedium::Cd700;  // /medium cd650|cd700|dvd|dvddl
  std::string out;                                    // /out FILE: the text also goes there
  std::string problem;                                // Wrong: what is wrong with the arguments
};

// The arguments after the program's own name in a whole command line (UTF-8), split as the C
// run-time splits one for main(): blanks part arguments outside double quotes; 2n backslashes
// before a quote become n and the quote opens or closes a quoted part, 2n+1 become n and a
// literal quote; "" within quotes is a literal quote; other backslashes stay as they are. The
// program's name itself ends at the first blank outside quotes, its backslashes untouched.
std::vector<std::string> CommandLineArguments(std::string_view command_line);

// `arguments` are those after the program's own name. Commands and options are taken in any
// letter case; an argument that starts with neither '/' nor '-' is a value.
BatchRequest ReadBatchArguments(const std::vector<std::string>& arguments);

// The text a wrong command line prints before the program exits with code 3.
std::string_view BatchUsage();

inline constexpr int kExitClean = 0;     // done; a check found nothing
inline constexpr int kExitWarnings = 1;  // a check found warnings only
inline constexpr int kExitErrors = 2;    // a check found errors, or the work failed
inline constexpr int kExitUsage = 3;     // a wrong command line, or no CD folder or no design

}  // namespace app
