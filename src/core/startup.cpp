// Start-up resolution of mode and folders.
#include "core/startup.h"

#include "core/file_system.h"
#include "core/paths.h"
#include "core/project_file.h"
#include "core/run_mode.h"
#include "core/settings_file.h"

namespace core {

void ResolveStartup(AppState& app, const std::string& exe_path) {
  app.ExePath = exe_path;
  app.ProjectFilePath.clear();
  app.DesignerFolder.clear();

  if (RunModeForExecutable(exe_path) == RunMode::Play) {
    app.DesignMode = false;
    app.CDFolder = FolderWithoutTrailingBackslash(exe_path);
    app.ProjectFilePath = app.CDFolder + "\\" + kProjectFileName;
    return;
  }

  app.DesignMode = true;
  app.CDFolder.clear();
  app.DesignerFolder = FolderWithoutTrailingBackslash(exe_path);
  // A settings file that exists but cannot be read counts as a missing one.
  const std::string settings = app.DesignerFolder + "\\" + kSettingsFileName;
  if (fs::FileExists(settings)) {
    if (const auto bytes = fs::ReadWholeFile(settings)) {
      app.CDFolder = ParseDefaultPath(std::string(bytes->begin(), bytes->end()));
    }
  }
  const std::string cdrom = app.DesignerFolder + "\\CDROM";
  if (app.CDFolder.empty() && fs::DirectoryExists(cdrom)) app.CDFolder = cdrom;
}

}  // namespace core
