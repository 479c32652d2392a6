// Choosing the CD icon.
#include "designer/cd_icon.h"

#include "core/deployment.h"
#include "core/file_system.h"
#include "core/messages.h"
#include "core/paths.h"

namespace designer {

std::string CdIconPath(const core::AppState& app) {
  return app.CDFolder + "\\" + core::kCdIconName;
}

CdIconChange ReplaceCdIcon(core::AppState& app, const std::string& chosen) {
  const std::string target = CdIconPath(app);
  if (core::UpperAscii(chosen) == core::UpperAscii(target)) return CdIconChange::Unchanged;
  if (!core::fs::CopyFileOver(chosen, target)) {
    core::ShowIOError(app.platform);
    return CdIconChange::Failed;
  }
  return CdIconChange::Replaced;
}

}  // namespace designer
