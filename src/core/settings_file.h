// The designer's settings file Quorvane.ini: plain name=value lines without sections. DefaultPath
// is the CD folder last saved to; RecentFolder1 to RecentFolder8 are the CD folders last opened
// or saved to, the most recent first, for the File menu. Rewriting one setting keeps every other
// line as it was, so that settings this version does not know survive it.
#pragma once

#include <string>
#include <vector>

#include "core/product_names.h"

namespace core {

inline constexpr char kDefaultPathKey[] = "DefaultPath";
inline constexpr size_t kMaxRecentFolders = 8;

// The value of the first line whose name is `name` in any letter case: everything after that
// line's first equals sign, unchanged. Empty when no line names it.
std::string SettingValue(const std::string& contents, const std::string& name);
inline std::string ParseDefaultPath(const std::string& contents) {
  return SettingValue(contents, kDefaultPathKey);
}

// The recent CD folders, the most recent first; empty values are skipped.
std::vector<std::string> RecentFolders(const std::string& contents);

// The settings with `folder` first among the recent folders (a folder named again in another
// letter case moves rather than doubles) and at most eight of them; other lines kept.
std::string WithRecentFolder(const std::string& contents, const std::string& folder);

// The settings as a save leaves them: DefaultPath names `cd_folder` (its line first when there was
// none), `cd_folder` is the most recent folder, and every other line is kept. For no settings
// file yet, `existing` is empty.
std::string SettingsFileContents(const std::string& existing, const std::string& cd_folder);

// The settings file's path: beside the designer.
std::string SettingsFilePath(const std::string& exe_path);
// The settings file read as text; empty when it is missing or cannot be read.
std::string ReadSettingsFile(const std::string& path);
// Puts `folder` first among the recent folders of the settings file at `path`; false when the
// file could not be written.
bool RememberRecentFolder(const std::string& path, const std::string& folder);

}  // namespace core
