// Program entry. The executable's own path picks the role; a batch command (/check, /deploy,
// /image) runs without a window instead. Other arguments are ignored, as they always were.
#include <windows.h>

#include <string>
#include <vector>

#include "app/batch_arguments.h"
#include "app/batch_run.h"
#include "quorvane_program.h"
#include "ui/win32/application.h"

int WINAPI WinMain(HINSTANCE, HINSTANCE, LPSTR, int) {
  const std::string exe_path = ui::win32::Application::ExecutablePath();
  const std::vector<std::string> arguments = app::CommandLineArguments();
  // Only a first argument that names a command starts a batch run: a player started with
  // anything else (a shell passing a path, say) plays as before.
  const app::BatchRequest request = app::ReadBatchArguments(arguments);
  if (request.command != app::BatchCommand::None &&
      (request.command != app::BatchCommand::Wrong || arguments[0][0] == '/' ||
       arguments[0][0] == '-')) {
    return app::RunBatch(request, exe_path);
  }
  QuorvaneProgram program(exe_path);
  return program.Run();
}
