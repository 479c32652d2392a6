// CD folder deployment.
#include "core/deployment.h"

#include "core/file_system.h"
#include "core/messages.h"
#include "core/project_file.h"
#include "core/run_mode.h"
#include "core/settings_file.h"

namespace core {
namespace {

// Files outside the project file are not the innermost readers' business: a failure ends the
// whole save, reported by the general error handler with the file and the system's reason.
bool WriteOrReport(ui::Platform& platform, const std::string& path,
                   const std::vector<uint8_t>& bytes) {
  if (fs::ReplaceFileContents(path, bytes) == fs::WriteOutcome::Written) return true;
  platform.ReportError(CannotWriteText(path));
  return false;
}

std::vector<uint8_t> Bytes(const std::string& text) {
  return std::vector<uint8_t>(text.begin(), text.end());
}

}  // namespace

namespace {

bool Deploy(AppState& app, const std::string& folder, bool with_project) {
  if (!fs::DirectoryExists(folder)) {
    ShowDirectoryNotFound(app.platform, folder);
    return false;
  }
  const std::string player = folder + "\\" + kPlayerFileName;
  if (!fs::FileExists(player) && !fs::CopyFileOver(app.ExePath, player)) {
    ShowIOError(app.platform);
    return false;
  }
  const std::string icon = folder + "\\" + kCdIconName;
  ui::Platform& platform = app.platform;
  if (!fs::FileExists(icon) && !WriteOrReport(platform, icon, platform.ApplicationIconFile())) {
    return false;
  }
  if (!WriteOrReport(platform, folder + "\\" + kAutorunInfName, Bytes(kAutorunInfContents))) {
    return false;
  }
  // The command line deploys the player's files only: the settings are the designer's.
  if (!with_project) return true;
  if (!SaveProjectFile(app, folder + "\\" + kProjectFileName)) return false;
  const std::string settings = SettingsFilePath(app.ExePath);
  return WriteOrReport(platform, settings,
                       SettingsFileBytes(SettingsFileContents(ReadSettingsFile(settings), folder)));
}

}  // namespace

bool DeployToCDFolder(AppState& app, const std::string& folder) {
  return Deploy(app, folder, true);
}

bool DeployPlayerFiles(AppState& app, const std::string& folder) {
  return Deploy(app, folder, false);
}

}  // namespace core
