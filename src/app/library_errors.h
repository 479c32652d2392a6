// What happens when the program cannot go on: the standard library reports a misuse inside its
// containers and strings (a length beyond max_size(), an index out of range), or memory runs
// out. The program is built without exceptions, so such a failure cannot end only the command
// under way: it is reported once, as the general error handler reports, and the program ends.
#pragma once

namespace app {

// How the failure is told: by default in a box titled with the application title; the command
// line, which shows no box, writes it to its output instead. Null puts the default back.
using FatalErrorReport = void (*)(const char* what);
void SetFatalErrorReport(FatalErrorReport report);

// Reports `what` and ends the program with exit code 2.
[[noreturn]] void EndWithFatalError(const char* what);

}  // namespace app
