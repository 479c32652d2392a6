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
  app.CDFolder = ParseDefaultPath(ReadSettingsFile(app.DesignerFolder + "\\" + kSettingsFileName));
  const std::string cdrom = app.DesignerFolder + "\\CDROM";
  if (app.CDFolder.empty() && fs::DirectoryExists(cdrom)) app.CDFolder = cdrom;
}

}  // namespace core
