// Check Disc's and Make Disc Image's texts and choices.
#include "designer/disc_commands.h"

#include "core/disc_making.h"
#include "core/paths.h"
#include "core/text.h"

namespace designer {

core::CheckOptions DesignCheck(core::DiscMedium medium, bool unsaved_changes,
                               std::optional<int64_t> saved_at) {
  core::CheckOptions options;
  options.medium = medium;
  options.design_has_unsaved_changes = unsaved_changes;
  options.design_saved_time = saved_at;
  return options;
}

std::string ImageRefusal(const core::AppState& app, const std::vector<core::Finding>& findings) {
  std::string text = "The disc image cannot be made. Mend these errors first:\n";
  int errors = 0;
  for (const core::Finding& finding : findings) {
    if (finding.severity != core::Severity::Error || ++errors > kRefusalLines) continue;
    text += '\n';
    text += core::FindingLine(app, finding);
  }
  if (errors == 0) return {};
  if (errors > kRefusalLines) {
    text += "\nand ";
    text += std::to_string(errors - kRefusalLines);
    text += " more";
  }
  return text;
}

std::string ImageFolder(const std::string& cd_folder) {
  std::string folder = core::FolderPart(cd_folder);
  if (folder.empty()) (folder = cd_folder) += '\\';  // a drive's root has no parent
  return folder;
}

std::string ImageWrittenText(const std::string& image_path) {
  return core::Joined({"Disc image \"", image_path, "\" written."});
}

std::string ImageProgressText(uint64_t done, uint64_t total) {
  if (total == 0) return {};
  // The megabytes of any disc fit in 32 bits; the percentage is taken from the bytes.
  const auto percent = static_cast<uint32_t>(done * 100 / total);
  const auto megabytes = [](uint64_t bytes) { return static_cast<uint32_t>(bytes >> 20); };
  return core::Joined({core::Decimal(percent), "% (", core::Decimal(megabytes(done), true),
                       " MB of ", core::Decimal(megabytes(total), true), " MB) written"});
}

}  // namespace designer
